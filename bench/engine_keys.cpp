// A million key presses into the calculation engine, without a window: a
// round of everyday sums, scientific keys and memory keys, over and over.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

#include "calc/engine.h"

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
  TapeLines tape;
  Host host;
  CalcEngine e(tape, host);
  e.startUp('.');
  e.firstActivation(kGeneralFormat);

  auto digits = [&e](std::string_view text) {
    std::vector<std::function<void()>> keys;
    for (char c : text) {
      if (c == '.')
        keys.push_back([&e] { e.ButDotClick(); });
      else
        keys.push_back([&e, c] { e.But0Click(c); });
    }
    return keys;
  };
  std::vector<std::function<void()>> round;
  auto add = [&round](std::vector<std::function<void()>> keys) {
    round.insert(round.end(), keys.begin(), keys.end());
  };
  // 1234.5 + 67.89 x 3 = ; 2 Sqrt ; Sto 1 ; 12 % ; = ; Sin ; 5 x^y 3 = ;
  // 1.5 E+ 3 / Rec 1 = ; 7 n! ; CE/C CE/C
  add(digits("1234.5"));
  add({[&e] { e.ButPlusClick(); }});
  add(digits("67.89"));
  add({[&e] { e.ButMultiplyClick(); }});
  add(digits("3"));
  add({[&e] { e.ButtonEnteClick(); }});
  add(digits("2"));
  add({[&e] { e.ButSquareRootClick(); }, [&e] { e.ButStoreClick(); }, [&e] { e.But0Click('1'); }});
  add(digits("12"));
  add({[&e] { e.ButPercentClick(); }, [&e] { e.ButtonEnteClick(); }, [&e] { e.ButSinClick(); }});
  add(digits("5"));
  add({[&e] { e.ButXtoYClick(); }});
  add(digits("3"));
  add({[&e] { e.ButtonEnteClick(); }});
  add(digits("1.5"));
  add({[&e] { e.EPlusButClick(); }});
  add(digits("3"));
  add({[&e] { e.ButDivideClick(); }, [&e] { e.ButRecallClick(); }, [&e] { e.But0Click('1'); },
       [&e] { e.ButtonEnteClick(); }});
  add(digits("7"));
  add({[&e] { e.ButFactorialClick(); }, [&e] { e.ButClearClick(); }, [&e] { e.ButClearClick(); }});

  constexpr long kKeys = 1000000;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < kKeys; ++i) {
    round[static_cast<size_t>(i) % round.size()]();
    // The tape is cleared now and then, as a user would.
    if (tape.lines.size() > 100000) e.clearTape();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("engine keys without a window: %ld keys in %.2f s: %.0f keys/s (display %s)\n", kKeys,
              seconds, kKeys / seconds, e.display().c_str());
  return 0;
}
