#include "calc/ini_file.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <utility>

#include "calc/file_write.h"
#include "calc/legacy_text.h"
#include "calc/regular_file.h"

namespace tivorum {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool isQuote(char c) {
  return c == '"' || c == '\'';
}

bool quotedPair(std::string_view s) {
  return s.size() >= 2 && isQuote(s.front()) && s.front() == s.back();
}

// Reading drops blanks around a value and one pair of enclosing quotes, so a
// value that starts or ends with either is written inside quotes.
std::string encodedValue(std::string_view value) {
  if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()) || quotedPair(value))) {
    return '"' + std::string(value) + '"';
  }
  return std::string(value);
}

bool hasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// Blank lines and comments neither belong to a key nor mark where a section's
// content ends.
bool isBlankOrComment(std::string_view text) {
  std::string_view s = trimmed(text);
  return s.empty() || s.front() == ';';
}

}  // namespace

std::string folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
  const FileRead content = readRegularFile(path_, std::numeric_limits<std::size_t>::max());
  exists_ = content.problem != FileRead::Problem::Missing;
  readFailed_ = exists_ && !content.ok();
  if (!readFailed_) parse(content.bytes);
}

void IniFile::parse(std::string_view content) {
  bool newlineSeen = false;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t stop = content.find_first_of("\r\n", pos);
    std::string text(content.substr(pos, stop == std::string_view::npos ? stop : stop - pos));
    std::string end;
    if (stop == std::string_view::npos) {
      pos = content.size();
    } else {
      std::size_t endLength = content.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
      end = content.substr(stop, endLength);
      pos = stop + endLength;
      if (!newlineSeen) newline_ = end;
      newlineSeen = true;
    }
    std::size_t skip = lines_.empty() && text.starts_with(kBom) ? kBom.size() : 0;
    lines_.push_back(classify(std::move(text), std::move(end), skip));
  }
}

IniFile::Line IniFile::classify(std::string text, std::string end, std::size_t skip) {
  Line line;
  line.text = std::move(text);
  line.end = std::move(end);
  std::string_view s = line.text;
  std::size_t first = s.find_first_not_of(" \t", skip);
  if (first == std::string_view::npos || s[first] == ';') return line;
  if (s[first] == '[') {
    std::size_t close = s.find(']', first);
    if (close != std::string_view::npos) {
      line.kind = Kind::Section;
      line.name = trimmed(s.substr(first + 1, close - first - 1));
    }
    return line;
  }
  std::size_t eq = s.find('=', first);
  if (eq == std::string_view::npos) return line;
  line.kind = Kind::Key;
  line.name = trimmed(s.substr(first, eq - first));
  std::size_t value = s.find_first_not_of(" \t", eq + 1);
  line.valueAt = value == std::string_view::npos ? s.size() : value;
  return line;
}

void IniFile::buildIndex() const {
  if (indexed_) return;
  sections_.clear();
  sectionIndex_.clear();
  Section* current = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Section) {
      // A repeated section is shadowed by the first one, keys and all.
      auto [it, added] = sectionIndex_.emplace(folded(line.name), sections_.size());
      if (added) {
        sections_.push_back(Section{i, i, {}});
        current = &sections_.back();
      } else {
        current = nullptr;
      }
      continue;
    }
    if (current == nullptr) continue;
    if (line.kind == Kind::Key) {
      current->keys.emplace(folded(line.name), i);
      current->lastContent = i;
    } else if (!isBlankOrComment(line.text)) {
      current->lastContent = i;
    }
  }
  indexed_ = true;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
  buildIndex();
  auto it = sectionIndex_.find(folded(trimmed(section)));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (s == nullptr) return std::nullopt;
  auto it = s->keys.find(folded(trimmed(key)));
  if (it == s->keys.end()) return std::nullopt;
  const Line& line = lines_[it->second];
  std::string_view value = trimmed(std::string_view(line.text).substr(line.valueAt));
  if (quotedPair(value)) value = value.substr(1, value.size() - 2);
  return utf8FromLegacy(value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  std::optional<std::string> value = find(section, key);
  return value ? std::move(*value) : std::string(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
  std::optional<std::string> value = find(section, key);
  if (!value) return defaultValue;
  std::string_view s = *value;
  if (s.starts_with('+') && !s.starts_with("+-")) s.remove_prefix(1);
  int result = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return defaultValue;
  return result;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::insertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                classify(std::move(text), newline_, 0));
  indexed_ = false;
  modified_ = true;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  if (hasLineBreak(section) || section.find(']') != std::string_view::npos) {
    throw std::invalid_argument("INI section name '" + std::string(section) + "'");
  }
  // A key line that starts with "[" or ";" would read as a section or a
  // comment, and the value would be lost.
  const std::string_view keyStart = trimmed(key);
  if (hasLineBreak(key) || key.find('=') != std::string_view::npos || keyStart.starts_with('[') ||
      keyStart.starts_with(';')) {
    throw std::invalid_argument("INI key name '" + std::string(key) + "'");
  }
  if (hasLineBreak(value)) throw std::invalid_argument("INI value with a line break");

  std::string encoded = encodedValue(value);
  if (const Section* s = findSection(section)) {
    auto it = s->keys.find(folded(trimmed(key)));
    if (it != s->keys.end()) {
      Line& line = lines_[it->second];
      std::string text = line.text.substr(0, line.valueAt) + encoded;
      if (text != line.text) {
        line.text = std::move(text);
        modified_ = true;
      }
      return;
    }
    insertLine(s->lastContent + 1, std::string(key) + '=' + encoded);
    return;
  }

  if (!lines_.empty()) {
    Line& last = lines_.back();
    std::string_view content = last.text;
    if (lines_.size() == 1 && content.starts_with(kBom)) content.remove_prefix(kBom.size());
    if (!trimmed(content).empty()) insertLine(lines_.size(), "");
  }
  insertLine(lines_.size(), '[' + std::string(section) + ']');
  insertLine(lines_.size(), std::string(key) + '=' + encoded);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const {
  std::string out;
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + line.end.size();
  out.reserve(size);
  for (const Line& line : lines_) {
    out += line.text;
    out += line.end;
  }
  return out;
}

WriteResult IniFile::readFailure() const {
  return WriteResult::failure("Error. Cannot read file " + absoluteName(path_) + ".");
}

WriteResult IniFile::save() {
  if (readFailed_) return readFailure();
  if (exists_ && !modified_) return WriteResult::success();
  if (replaceFileContent(path_, text()) != FileProblem::None) {
    return WriteResult::failure("Error. Cannot write file " + absoluteName(path_) + ".");
  }
  exists_ = true;
  modified_ = false;
  return WriteResult::success();
}

}  // namespace tivorum
