// Any file content into the INI reader, then one write: nothing written
// reads back as the file was, the written value reads back, and every other
// key keeps its value, also after the file is written out and read again.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/ini_file.h"
#include "calc/legacy_text.h"

using namespace tivorum;

namespace {

void fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

std::filesystem::path scratchFile() {
  static const std::filesystem::path path = [] {
    std::filesystem::path dir = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    return dir / ("tivorum-ini-fuzz-" + std::to_string(::getpid()) + ".ini");
  }();
  return path;
}

void writeFile(const std::string& content) {
  std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
  out << content;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  a = trimmed(a);
  b = trimmed(b);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Candidate section and key names, taken from the text's lines by a scan of
// its own, so that the reader is checked against something it did not make.
void collectNames(const std::string& content, std::vector<std::string>& sections,
                  std::vector<std::string>& keys) {
  size_t pos = 0;
  while (pos <= content.size() && sections.size() + keys.size() < 64) {
    size_t end = content.find_first_of("\r\n", pos);
    std::string_view line = std::string_view(content).substr(
        pos, end == std::string::npos ? std::string::npos : end - pos);
    std::string_view t = trimmed(line);
    if (t.starts_with('[')) {
      size_t close = t.find(']');
      if (close != std::string_view::npos) sections.emplace_back(t.substr(1, close - 1));
    } else if (size_t eq = t.find('='); eq != std::string_view::npos) {
      keys.emplace_back(t.substr(0, eq));
    }
    if (end == std::string::npos) break;
    pos = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(40);
  const std::string key = input.ConsumeRandomLengthString(40);
  const std::string value = input.ConsumeRandomLengthString(80);
  const std::string content = input.ConsumeRemainingBytesAsString();

  writeFile(content);
  IniFile ini(scratchFile());
  if (ini.readFailed()) fail("could not read the scratch file");
  if (ini.text() != content) fail("the file does not read back as it was", content);

  std::vector<std::string> sections{section};
  std::vector<std::string> keys{key};
  collectNames(content, sections, keys);
  std::vector<std::pair<std::pair<std::string, std::string>, std::optional<std::string>>> before;
  for (const std::string& s : sections) {
    for (const std::string& k : keys) before.push_back({{s, k}, ini.find(s, k)});
  }
  // The typed readers agree with the text they read.
  (void)ini.readInteger(section, key, 7);
  (void)ini.readBool(section, key, true);
  if (ini.readString(section, key, "default") != ini.find(section, key).value_or("default")) {
    fail("readString differs from find");
  }

  try {
    ini.writeString(section, key, value);
  } catch (const std::invalid_argument&) {
    const std::string_view keyStart = trimmed(key);
    const bool refusedName = section.find_first_of("\r\n]") != std::string::npos ||
                             key.find_first_of("\r\n=") != std::string::npos ||
                             keyStart.starts_with('[') || keyStart.starts_with(';') ||
                             value.find_first_of("\r\n") != std::string::npos;
    if (!refusedName) fail("a write refused without cause", section + "/" + key);
    return 0;
  }

  // A value that is not UTF-8 reads back as the Windows-1252 text it was
  // in older files.
  const std::string expected = utf8FromLegacy(value);
  auto check = [&](const IniFile& file, const char* when) {
    std::optional<std::string> written = file.find(section, key);
    if (!written || *written != expected) fail(when, value);
    for (const auto& [name, old] : before) {
      if (sameName(name.first, section) && sameName(name.second, key)) continue;
      if (file.find(name.first, name.second) != old) fail("another key changed", name.second);
    }
  };
  check(ini, "the written value does not read back");
  writeFile(ini.text());
  IniFile again(scratchFile());
  check(again, "the written value does not read back from the file");
  return 0;
}
