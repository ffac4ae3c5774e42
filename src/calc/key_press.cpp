// The engine's keys by Key, for the window, the tests and the fuzzer alike,
// and a pasted number typed into it.
#include <string>
#include <string_view>
#include <utility>

#include "calc/engine.h"
#include "calc/paste_number.h"

namespace tivorum {

namespace {

using Click = void (CalcEngine::*)();

constexpr std::pair<Key, Click> kClicks[] = {
    {Key::Places, &CalcEngine::PlacesButClick},
    {Key::Clear, &CalcEngine::ButClearClick},
    {Key::TrigType, &CalcEngine::ButTrigTypeClick},
    {Key::ArcSin, &CalcEngine::ButarcSinClick},
    {Key::ArcCos, &CalcEngine::ButArcCosClick},
    {Key::ArcTan, &CalcEngine::ButArcTanClick},
    {Key::DegRad, &CalcEngine::ButDegRadClick},
    {Key::Sin, &CalcEngine::ButSinClick},
    {Key::Cos, &CalcEngine::ButCosClick},
    {Key::Tan, &CalcEngine::ButTanClick},
    {Key::Hypot, &CalcEngine::ButHypotClick},
    {Key::Root, &CalcEngine::ButRootClick},
    {Key::Perm, &CalcEngine::ButPermClick},
    {Key::Comb, &CalcEngine::ButCombClick},
    {Key::Pi, &CalcEngine::ButPiClick},
    {Key::Log, &CalcEngine::ButLogClick},
    {Key::XtoY, &CalcEngine::ButXtoYClick},
    {Key::SquareRoot, &CalcEngine::ButSquareRootClick},
    {Key::Factorial, &CalcEngine::ButFactorialClick},
    {Key::Ln, &CalcEngine::ButLnClick},
    {Key::Square, &CalcEngine::ButSquareClick},
    {Key::Absolute, &CalcEngine::ButAbsoluteClick},
    {Key::EMinus, &CalcEngine::EMinusButClick},
    {Key::Store, &CalcEngine::ButStoreClick},
    {Key::Recall, &CalcEngine::ButRecallClick},
    {Key::OneOverX, &CalcEngine::ButOneOverXClick},
    {Key::Percent, &CalcEngine::ButPercentClick},
    {Key::EPlus, &CalcEngine::EPlusButClick},
    {Key::Divide, &CalcEngine::ButDivideClick},
    {Key::Multiply, &CalcEngine::ButMultiplyClick},
    {Key::Minus, &CalcEngine::ButMinusClick},
    {Key::Plus, &CalcEngine::ButPlusClick},
    {Key::Point, &CalcEngine::ButDotClick},
    {Key::PlusMinus, &CalcEngine::ButPlusMinusClick},
    {Key::ClearMemory, &CalcEngine::ClearMemButClick},
    {Key::Equals, &CalcEngine::ButtonEnteClick},
    {Key::ClearTape, &CalcEngine::clearTape},
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool CalcEngine::press(Key key) {
  if (const char digit = keyDigit(key)) {
    But0Click(digit);
    return true;
  }
  for (const auto& [k, click] : kClicks) {
    if (k == key) {
      (this->*click)();
      return true;
    }
  }
  return false;
}

std::optional<std::string> pasteNumber(CalcEngine& engine, std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  const std::string_view trimmed =
      first == std::string_view::npos
          ? std::string_view()
          : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
  const char point = engine.DecimalChar();
  std::string number(trimmed);
  for (char& c : number) {
    if (c == '.' || c == ',') c = point;
  }
  Real value = 0;
  if (!tryTextToNumber(number, value, point)) {
    try {
      raiseConversionFault(trimmed);
    } catch (const Fault& fault) {
      return fault.what();
    }
  }
  const bool negative = number.front() == '-';
  for (size_t i = (number.front() == '-' || number.front() == '+') ? 1 : 0; i < number.size();
       ++i) {
    const char c = number[i];
    if (isDigit(c)) {
      engine.typeDigit(c);
    } else if (c == point) {
      engine.typePoint();
    } else if (c == 'e' || c == 'E') {
      const bool minus = i + 1 < number.size() && number[i + 1] == '-';
      if (i + 1 < number.size() && (number[i + 1] == '-' || number[i + 1] == '+')) ++i;
      // A marker without digits reads as no exponent.
      if (i + 1 < number.size()) minus ? engine.EMinusButClick() : engine.EPlusButClick();
    }
  }
  if (negative) engine.ButPlusMinusClick();
  return std::nullopt;
}

}  // namespace tivorum
