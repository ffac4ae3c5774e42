// The engine's keys by Key, for the window, the tests and the fuzzer alike.
#include <utility>

#include "calc/engine.h"

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

}  // namespace tivorum
