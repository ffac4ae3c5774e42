// Saving into an INI file that other programs may change while this one runs
// (a second copy of the calculator, an editor): a save reads the file as it is
// at that moment and writes only the values this run changed, so the other
// program's changes stay. Where both changed a key, the later save wins.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/write_result.h"

namespace tivorum {

struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};

class IniMerge {
 public:
  explicit IniMerge(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The values as this run read them from the file.
  void remember(const std::vector<IniEntry>& read);

  // Re-reads the file and writes, in the given order, every entry whose value
  // differs from the one remembered or that the file lacks; a file that is
  // gone is made again with all of them. Other lines keep their bytes. The file
  // is replaced in one rename, and not at all when nothing needs writing.
  // Written values are remembered.
  [[nodiscard]] WriteResult save(const std::vector<IniEntry>& current);

 private:
  using Name = std::pair<std::string, std::string>;  // section and key, folded
  static Name nameOf(const IniEntry& entry);

  std::filesystem::path path_;
  std::map<Name, std::string> remembered_;
};

}  // namespace tivorum
