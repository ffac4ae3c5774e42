#include "calc/settings.h"

#include <cmath>
#include <stdexcept>

#include "calc/file_write.h"
#include "calc/ini_file.h"

namespace tivorum {

namespace {

constexpr std::string_view kMemorySection = "Calculator Memory";
constexpr std::string_view kHintsSection = "Hints";
constexpr std::string_view kTapeSection = "Tape";
constexpr std::string_view kFormatSection = "PlaceFormat";
constexpr std::string_view kLocationSection = "Location";
constexpr std::string_view kCurrencySection = "Currency Factors";
constexpr std::string_view kJournalSection = "Tape Journal";
constexpr std::string_view kKeepTapeKey = "KeepTape";

std::string memoryKey(int location) {
  return "Memory Loc. " + std::to_string(location);
}

std::string_view knownFormat(std::string_view format) {
  return format == kFinancialFormat ? kFinancialFormat : kGeneralFormat;
}

}  // namespace

std::filesystem::path settingsPath(const std::filesystem::path& folder) {
  return folder / kSettingsFileName;
}

namespace {

Settings settingsFrom(const IniFile& ini) {
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) {
    std::string text = ini.readString(kMemorySection, memoryKey(i), "0");
    if (text.size() > kMemoryTextMax) text.resize(kMemoryTextMax);
    s.memory[i] = std::move(text);
  }
  s.hintsOn = ini.readBool(kHintsSection, "HintOn", true);
  s.tapeShown = ini.readBool(kTapeSection, "ShowTape", true);
  s.keepTape = ini.readBool(kJournalSection, kKeepTapeKey, true);
  s.placeFormat = knownFormat(ini.readString(kFormatSection, "Display", kGeneralFormat));
  s.top = ini.readInteger(kLocationSection, "Top", 0);
  s.left = ini.readInteger(kLocationSection, "Left", 0);
  return s;
}

}  // namespace

Settings loadSettings(const std::filesystem::path& folder) {
  return settingsFrom(IniFile(settingsPath(folder)));
}

std::vector<IniEntry> settingsEntries(const Settings& settings) {
  std::vector<IniEntry> entries;
  for (int i = 0; i < kMemoryCount; ++i) {
    entries.push_back({std::string(kMemorySection), memoryKey(i), settings.memory[i]});
  }
  auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  entries.push_back({std::string(kHintsSection), "HintOn", flag(settings.hintsOn)});
  entries.push_back({std::string(kTapeSection), "ShowTape", flag(settings.tapeShown)});
  entries.push_back(
      {std::string(kFormatSection), "Display", std::string(knownFormat(settings.placeFormat))});
  entries.push_back({std::string(kLocationSection), "Top", std::to_string(settings.top)});
  entries.push_back({std::string(kLocationSection), "Left", std::to_string(settings.left)});
  return entries;
}

WriteResult saveSettings(const std::filesystem::path& folder, const Settings& settings) {
  // Read afresh: the currency window may have saved factors since start-up.
  return editLocked(settingsPath(folder), [&](IniFile& ini) {
    for (const IniEntry& entry : settingsEntries(settings)) {
      ini.writeString(entry.section, entry.key, entry.value);
    }
  });
}

SettingsFile::SettingsFile(const std::filesystem::path& folder) : merge_(settingsPath(folder)) {}

Settings SettingsFile::load() {
  removeStaleTemporaries(merge_.path());
  const IniFile ini(merge_.path());
  readProblem_ = ini.readFailed() ? ini.readFailure() : WriteResult::success();
  Settings s = settingsFrom(ini);
  // What was read is remembered as it would be written, so that a value
  // written differently ("HintOn=5") counts as unchanged and keeps its line.
  merge_.remember(settingsEntries(s));
  return s;
}

void SettingsFile::stored(int location) {
  merge_.forget(kMemorySection, memoryKey(location));
}

WriteResult SettingsFile::save(const Settings& settings) {
  if (unreadable()) return readProblem_;
  return merge_.save(settingsEntries(settings));
}

CurrencyFactorsLoad loadCurrencyFactors(const std::filesystem::path& folder) {
  const IniFile ini(settingsPath(folder));
  CurrencyFactorsLoad load;
  for (int i = 0; i < kCurrencyCount; ++i) {
    const std::string text = ini.readString(kCurrencySection, kCurrencyKeys[i], "1");
    try {
      const double factor = static_cast<double>(textToNumberEitherPoint(text));
      if (std::isinf(factor)) raiseFault(FaultKind::Overflow);
      load.factors[i] = factor;
    } catch (const Fault& fault) {
      load.messages.emplace_back(fault.what());
    }
  }
  return load;
}

WriteResult saveKeepTape(const std::filesystem::path& folder, bool keep) {
  return editLocked(settingsPath(folder), [&](IniFile& ini) {
    ini.writeString(kJournalSection, kKeepTapeKey, keep ? "1" : "0");
  });
}

WriteResult saveCurrencyFactor(const std::filesystem::path& folder, int position,
                               std::string_view text) {
  if (position < 0 || position >= kCurrencyCount) {
    throw std::out_of_range("currency position " + std::to_string(position));
  }
  return editLocked(settingsPath(folder), [&](IniFile& ini) {
    ini.writeString(kCurrencySection, kCurrencyKeys[position], text);
  });
}

}  // namespace tivorum
