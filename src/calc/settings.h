// CUSTOM.INI: the user's settings, the ten memory locations and the currency
// factors, kept between runs. The caller chooses the folder (the program's
// own folder in the app).
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number.h"
#include "calc/write_result.h"

namespace tivorum {

inline constexpr std::string_view kSettingsFileName = "CUSTOM.INI";

inline constexpr int kMemoryCount = 10;
inline constexpr std::size_t kMemoryTextMax = 80;

inline constexpr int kCurrencyCount = 13;
// The keys of section "Currency Factors", in the order of the factor table.
inline constexpr std::array<std::string_view, kCurrencyCount> kCurrencyKeys = {
    "Belgian Franc", "British Pound",  "Canadian $",     "French Franc", "German Mark",
    "Italian Lire",  "Israeli Shekel", "Japanese Yen",   "Mexican Peso", "Nigerian Naira",
    "Saudi Riyal",   "Swiss Franc",    "United States $"};

// The factor table. A factor that could not be read is 0: the currency window
// replaces every factor that is not above 0 by 1.
using CurrencyFactors = std::array<double, kCurrencyCount>;

std::filesystem::path settingsPath(const std::filesystem::path& folder);

// What the main window loads at its first activation and saves at closing.
struct Settings {
  std::array<std::string, kMemoryCount> memory{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
  bool hintsOn = true;
  bool tapeShown = true;
  // kGeneralFormat or kFinancialFormat; anything else is taken as general.
  std::string placeFormat{kGeneralFormat};
  int top = 0;
  int left = 0;
};

// A missing or unreadable file gives the defaults; memory texts are cut to
// kMemoryTextMax characters.
Settings loadSettings(const std::filesystem::path& folder);

// Writes the memory locations (0 first), "HintOn", "ShowTape", "Display",
// "Top" and "Left", keeping everything else in the file.
[[nodiscard]] WriteResult saveSettings(const std::filesystem::path& folder,
                                       const Settings& settings);

struct CurrencyFactorsLoad {
  CurrencyFactors factors{};
  // One fault message per factor whose text is not a number (or does not fit a
  // double), for the error reporter; that factor stays 0.
  std::vector<std::string> messages;
};

// Reads every factor (default "1"), going on past a bad one.
CurrencyFactorsLoad loadCurrencyFactors(const std::filesystem::path& folder);

// The currency window's Save: the factor text, unchanged, under the currency's
// key. `position` is 0 to kCurrencyCount - 1.
[[nodiscard]] WriteResult saveCurrencyFactor(const std::filesystem::path& folder, int position,
                                             std::string_view text);

}  // namespace tivorum
