#include "calc/settings.h"

#include <cmath>
#include <stdexcept>

#include "calc/ini_file.h"

namespace tivorum {

namespace {

constexpr std::string_view kMemorySection = "Calculator Memory";
constexpr std::string_view kHintsSection = "Hints";
constexpr std::string_view kTapeSection = "Tape";
constexpr std::string_view kFormatSection = "PlaceFormat";
constexpr std::string_view kLocationSection = "Location";
constexpr std::string_view kCurrencySection = "Currency Factors";

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

Settings loadSettings(const std::filesystem::path& folder) {
  const IniFile ini(settingsPath(folder));
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) {
    std::string text = ini.readString(kMemorySection, memoryKey(i), "0");
    if (text.size() > kMemoryTextMax) text.resize(kMemoryTextMax);
    s.memory[i] = std::move(text);
  }
  s.hintsOn = ini.readBool(kHintsSection, "HintOn", true);
  s.tapeShown = ini.readBool(kTapeSection, "ShowTape", true);
  s.placeFormat = knownFormat(ini.readString(kFormatSection, "Display", kGeneralFormat));
  s.top = ini.readInteger(kLocationSection, "Top", 0);
  s.left = ini.readInteger(kLocationSection, "Left", 0);
  return s;
}

WriteResult saveSettings(const std::filesystem::path& folder, const Settings& settings) {
  // Read afresh: the currency window may have saved factors since start-up.
  IniFile ini(settingsPath(folder));
  for (int i = 0; i < kMemoryCount; ++i) {
    ini.writeString(kMemorySection, memoryKey(i), settings.memory[i]);
  }
  ini.writeBool(kHintsSection, "HintOn", settings.hintsOn);
  ini.writeBool(kTapeSection, "ShowTape", settings.tapeShown);
  ini.writeString(kFormatSection, "Display", knownFormat(settings.placeFormat));
  ini.writeInteger(kLocationSection, "Top", settings.top);
  ini.writeInteger(kLocationSection, "Left", settings.left);
  return ini.save();
}

CurrencyFactorsLoad loadCurrencyFactors(const std::filesystem::path& folder) {
  const IniFile ini(settingsPath(folder));
  CurrencyFactorsLoad load;
  for (int i = 0; i < kCurrencyCount; ++i) {
    const std::string text = ini.readString(kCurrencySection, kCurrencyKeys[i], "1");
    try {
      const double factor = static_cast<double>(textToNumber(text));
      if (std::isinf(factor)) raiseFault(FaultKind::Overflow);
      load.factors[i] = factor;
    } catch (const Fault& fault) {
      load.messages.emplace_back(fault.what());
    }
  }
  return load;
}

WriteResult saveCurrencyFactor(const std::filesystem::path& folder, int position,
                               std::string_view text) {
  if (position < 0 || position >= kCurrencyCount) {
    throw std::out_of_range("currency position " + std::to_string(position));
  }
  IniFile ini(settingsPath(folder));
  ini.writeString(kCurrencySection, kCurrencyKeys[position], text);
  return ini.save();
}

}  // namespace tivorum
