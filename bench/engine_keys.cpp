// A million key presses into the calculation engine, without a window: a
// round of everyday sums, scientific keys and memory keys, over and over.
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/engine.h"
#include "calc/keys.h"

using namespace tivorum;

namespace {

class Host : public EngineHost {
 public:
  void showErrorBox(std::string_view, std::string_view) override {}
  bool confirm(std::string_view) override { return true; }
  void reportFault(std::string_view) override {}
};

}  // namespace

int main() {
  MemoryTape tape;
  Host host;
  CalcEngine e(tape, host);
  e.startUp('.');
  e.firstActivation(kGeneralFormat);

  // The round's keys by their captions without "&"; a number is typed one
  // digit key at a time.
  std::vector<Key> round;
  auto add = [&round](std::string_view keys) {
    std::istringstream words{std::string(keys)};
    for (std::string word; words >> word;) {
      std::vector<std::string> captions{word};
      if (word.find_first_not_of("0123456789.") == std::string::npos) {
        captions.clear();
        for (char c : word) captions.emplace_back(1, c);
      }
      for (const std::string& caption : captions) {
        for (const KeyRow& row : keyTable()) {
          std::string shown(row.caption);
          std::erase(shown, '&');
          if (shown == caption) round.push_back(row.key);
        }
      }
    }
  };
  add("1234.5 + 67.89 X 3 = 2 Sqrt Sto 1 12 % = Sin 5 x^y 3 = 1.5 E+ 3");
  add("\u00f7 Rec 1 = 7 n! CE/C CE/C");

  constexpr long kKeys = 1000000;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < kKeys; ++i) {
    e.press(round[static_cast<size_t>(i) % round.size()]);
    // The tape is cleared now and then, as a user would.
    if (tape.lines.size() > 100000) e.clearTape();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("engine keys without a window: %ld keys in %.2f s: %.0f keys/s (display %s)\n", kKeys,
              seconds, kKeys / seconds, e.display().c_str());
  return 0;
}
