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

#include "calc/ini_merge.h"
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
  // Section "Tape Journal", key "KeepTape": the tape is kept between runs.
  // Written only when the user switches it (saveKeepTape), so that a first
  // run's file has the five sections it always had.
  bool keepTape = true;
  // kGeneralFormat or kFinancialFormat; anything else is taken as general.
  std::string placeFormat{kGeneralFormat};
  int top = 0;
  int left = 0;
  bool operator==(const Settings&) const = default;
};

// A missing or unreadable file gives the defaults; memory texts are cut to
// kMemoryTextMax characters.
Settings loadSettings(const std::filesystem::path& folder);

// Writes the memory locations (0 first), "HintOn", "ShowTape", "Display",
// "Top" and "Left", keeping everything else in the file.
[[nodiscard]] WriteResult saveSettings(const std::filesystem::path& folder,
                                       const Settings& settings);

// The keys saveSettings writes, with their values, in its order.
std::vector<IniEntry> settingsEntries(const Settings& settings);

// This run's CUSTOM.INI. Another copy of the program (or an editor) may change
// the file meanwhile: a save writes only the keys whose values this run
// changed since it loaded or last saved them, and keeps everything else.
class SettingsFile {
 public:
  explicit SettingsFile(const std::filesystem::path& folder);

  // As loadSettings. Also clears away what an interrupted save left behind.
  Settings load();
  // The file could not be read by load(); it is then never written.
  bool unreadable() const { return !readProblem_.ok; }
  const WriteResult& readProblem() const { return readProblem_; }

  // A store into `location` (Sto, Sto+, Sto-, Clr Mem) is the user's latest
  // word: the next save writes it even when its value is what this run read
  // or saved before, so that it wins over another copy's store.
  void stored(int location);

  // Writes the changed keys (see above) under the folder lock; busy when
  // another program held the lock (nothing written, try again).
  [[nodiscard]] WriteResult save(const Settings& settings);

 private:
  IniMerge merge_;
  WriteResult readProblem_;
};

struct CurrencyFactorsLoad {
  CurrencyFactors factors{};
  // One fault message per factor whose text is not a number (or does not fit a
  // double), for the error reporter; that factor stays 0.
  std::vector<std::string> messages;
};

// Reads every factor (default "1"), going on past a bad one.
CurrencyFactorsLoad loadCurrencyFactors(const std::filesystem::path& folder);

// Keep Tape Between Runs switched: written at once.
[[nodiscard]] WriteResult saveKeepTape(const std::filesystem::path& folder, bool keep);

// The currency window's Save: the factor text, unchanged, under the currency's
// key, always written (it is the user's latest word), under the folder lock:
// busy when another program held it. `position` is 0 to kCurrencyCount - 1.
[[nodiscard]] WriteResult saveCurrencyFactor(const std::filesystem::path& folder, int position,
                                             std::string_view text);

}  // namespace tivorum
