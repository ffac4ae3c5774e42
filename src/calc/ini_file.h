// An INI file kept with the classic profile-file rules: sections and keys
// match without regard to case, anything missing reads as the caller's
// default, and writing touches only the one line it changes. The file is read
// once, edited in memory and written back once by save().
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calc/write_result.h"

namespace tivorum {

// A section or key name as names are compared: ASCII letters in lower case.
std::string folded(std::string_view name);

class IniFile {
 public:
  // Reads the file. A missing file (or folder) is an empty one.
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  // The file exists but could not be read, or is a folder, a FIFO or a
  // device (never opened, so never waited for). It then reads as empty, and save()
  // refuses to replace it, so its content is not lost.
  bool readFailed() const { return readFailed_; }
  // What the user is told when the file could not be read.
  WriteResult readFailure() const;

  // The value of the first key of that name in the first section of that name,
  // blanks around it removed and one pair of enclosing quotes taken off; a
  // value that is not UTF-8 is read as Windows-1252.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The default when the value is not a whole decimal number in int range.
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // True for any integer other than 0.
  bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Creates the section and key as needed, else replaces the value on its own
  // line. Names are written exactly as given. Names holding a line break, a key
  // holding "=" or starting with "[" or ";", or a section holding "]" throw
  // std::invalid_argument, as does a value holding a line break.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  void writeBool(std::string_view section, std::string_view key, bool value);

  // The whole file as save() writes it.
  std::string text() const;
  // Something was written that differs from the file as read.
  bool modified() const { return modified_; }

  // Writes the file when it was modified or does not exist yet, as a whole
  // (replaceFileContent): a failure never leaves a half-written file. A file
  // this user may not write is refused before anything is renamed. On failure
  // the message gives the file's full path.
  [[nodiscard]] WriteResult save();

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;         // section or key name as in the file, blanks removed
    std::size_t valueAt = 0;  // key lines: where the value's text starts
  };
  struct Section {
    std::size_t header = 0;       // line of "[name]"
    std::size_t lastContent = 0;  // last key or other non-blank, non-comment line
    std::unordered_map<std::string, std::size_t> keys;  // folded name -> first line
  };

  void parse(std::string_view content);
  static Line classify(std::string text, std::string end, std::size_t skip);
  void buildIndex() const;
  const Section* findSection(std::string_view section) const;
  void insertLine(std::size_t at, std::string text);

  std::filesystem::path path_;
  bool exists_ = false;
  bool readFailed_ = false;
  bool modified_ = false;
  std::string newline_ = "\r\n";
  std::vector<Line> lines_;

  mutable bool indexed_ = false;
  mutable std::vector<Section> sections_;
  mutable std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded -> first
};

}  // namespace tivorum
