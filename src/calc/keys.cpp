#include "calc/keys.h"

#include <array>

namespace tivorum {

namespace {

using enum Key;
using K = KeyKind;

// clang-format off
constexpr std::array kKeys = {
//        key         kind        name              caption      hint
//        topic            hyperbolic  typed    on tape  keypad  spoken
  KeyRow{Tape,        K::Setting,    "TapeBut",        "Tape",      "Show/Hide the calculator tape",
         "Tape",          "",         "",      "",      "",     "Tape"},
  KeyRow{Places,      K::Setting,    "PlacesBut",      "Sci",       "Switch between scientific and financial display",
         "Display",       "",         "",      "",      "",     "Sci"},
  KeyRow{Hints,       K::Setting,    "HintBut",        "Hint",      "Turn hint feature on/off",
         "Hint",          "",         "",      "",      "",     "Hint"},
  KeyRow{Clear,       K::Function,   "ButClear",       "CE/C",      "Clear the display/Clear calculator",
         "CE/C",          "",         "AaCc\x1b", "AaCc\x1b", "",     "CE/C"},
  KeyRow{Off,         K::Off, "ColorButton9", "Off",       "",
         "",              "",         "",      "",      "",     "Off"},
  KeyRow{Currency,    K::Module,     "CurrencyBut",    "Currency",  "Display currency module",
         "Currency",      "",         "",      "",      "",     "Currency"},
  KeyRow{Loan,        K::Module,     "LoanBut",        "Loan",      "Display loan module",
         "Loans",         "",         "",      "",      "",     "Loan"},
  KeyRow{Dividend,    K::Module,     "ColorButton3",   "Dividend",  "Display dividend module",
         "Dividend",      "",         "",      "",      "",     "Dividend"},
  KeyRow{Financial,   K::Module,     "ColorButton5",   "Financial", "Display financial module",
         "Financial",     "",         "",      "",      "",     "Financial"},
  KeyRow{ProfitLoss,  K::Module,     "ProfitLossBut",  "P/L",       "Display profit/loss module",
         "Profit",        "",         "",      "",      "",     "P/L"},
  KeyRow{Interest,    K::Module,     "ColorButton7",   "Interest",  "Display interest module",
         "Interest",      "",         "",      "",      "",     "Interest"},
  KeyRow{Investment,  K::Module,     "ColorButton8",   "Investment", "Display investment module",
         "Investment",    "",         "",      "",      "",     "Investment"},
  KeyRow{Area,        K::Module,     "AreaBut",        "Area",      "Display area calculation notebook",
         "Area",          "",         "",      "",      "",     "Area"},
  KeyRow{Volume,      K::Module,     "VolumeBut",      "Volume",    "Display volume calculation notebook",
         "Volume",        "",         "",      "",      "",     "Volume"},
  KeyRow{Surface,     K::Module,     "SurfaceAreaBut", "Surface",   "Display surface area calculation notebook",
         "Surface",       "",         "",      "",      "",     "Surface"},
  KeyRow{TrigType,    K::Function,   "ButTrigType",    "Type",      "Switch between trigonometric and hyperbolic calculation mode",
         "Trig",          "",         "",      "",      "",     "Type"},
  KeyRow{ArcSin,      K::Function,   "ButarcSin",      "aSin",      "Calculate arcSine or arcSinh",
         "aSin",          "aSinh",    "",      "",      "",     "aSin"},
  KeyRow{ArcCos,      K::Function,   "ButArcCos",      "aCos",      "Calculate arcCosine or arcCosh",
         "aCos",          "aCosh",    "",      "",      "",     "aCos"},
  KeyRow{ArcTan,      K::Function,   "ButArcTan",      "aTan",      "Calculate arcTangent or arcTanh",
         "aTan",          "aTanh",    "",      "",      "",     "aTan"},
  KeyRow{DegRad,      K::Function,   "ButDegRad",      "Deg",       "Switch between degrees, radians, and grads",
         "Deg/Rad/Gra",   "",         "",      "",      "",     "Deg"},
  KeyRow{Sin,         K::Function,   "ButSin",         "Sin",       "Calculate sine or sinh",
         "Sin",           "Sinh",     "",      "",      "",     "Sin"},
  KeyRow{Cos,         K::Function,   "ButCos",         "Cos",       "Calculate cosine or cosh",
         "Cos",           "Cosh",     "",      "",      "",     "Cos"},
  KeyRow{Tan,         K::Function,   "ButTan",         "Tan",       "Calculate tangent or tanh",
         "Tan",           "Tanh",     "",      "",      "",     "Tan"},
  KeyRow{Hypot,       K::Function,   "ButHypot",       "&Hypot",    "Calculate hypotnuese or rt. triangle given two sides",
         "Hypot",         "",         "Hh",    "Hh",    "",     "Hypot"},
  KeyRow{Root,        K::Function,   "ButRoot",        "R&oot",     "Calculate nth root of value",
         "Root",          "",         "Oo",    "Oo",    "",     "Root"},
  KeyRow{Perm,        K::Function,   "ButPerm",        "&Perm",     "Calculate permutations",
         "Perm",          "",         "Pp",    "Pp",    "",     "Perm"},
  KeyRow{Comb,        K::Function,   "ButComb",        "Co&mb",     "Calculate combinations",
         "Comb",          "",         "Mm",    "Mm",    "",     "Comb"},
  KeyRow{Pi,          K::Function,   "ButPi",          "P&i",       "Display pi",
         "pi",            "",         "Ii",    "",      "",     "Pi"},
  KeyRow{Log,         K::Function,   "ButLog",         "&Log",      "Calculate logrithm",
         "Log",           "",         "Ll",    "Ll",    "",     "Log"},
  KeyRow{XtoY,        K::Function,   "ButXtoY",        "x&^y",      "Calculate x to the y power",
         "x^y",           "",         "^",     "Xx",    "",     "x to the power y"},
  KeyRow{SquareRoot,  K::Function,   "ButSquareRoot",  "S&qrt",     "Calculate square root of value",
         "square root",   "",         "Qq",    "",      "",     "Sqrt"},
  KeyRow{Factorial,   K::Function,   "ButFactorial",   "n&!",       "Calculate factorial",
         "n!",            "",         "Ff!",   "Ff",    "",     "factorial"},
  KeyRow{Ln,          K::Function,   "ButLn",          "L&n",       "Calculate natural logrithm",
         "Ln",            "",         "Nn",    "Nn",    "",     "Ln"},
  KeyRow{Square,      K::Function,   "ButSquare",      "&x\u00b2",  "Calculate square",
         "square",        "",         "Xx",    "",      "",     "x squared"},
  KeyRow{Absolute,    K::Function,   "ButAbsolute",    "&|x|",      "Calculate absolute value",
         "Absolute of x", "",         "|",     "",      "",     "absolute value"},
  KeyRow{EMinus,      K::Function,   "EMinusBut",      "E&-",       "Enter exponential value",
         "EE",            "",         "-",     "",      "",     "E-"},
  KeyRow{Store,       K::Function,   "ButStore",       "&Sto",      "Store displayed value to memory location",
         "Sto",           "",         "Ss",    "Rr",    "",     "Sto"},
  KeyRow{Recall,      K::Function,   "ButRecall",      "&Rec",      "Recall value from memory location",
         "Rec",           "",         "Rr",    "Ss",    "",     "Rec"},
  KeyRow{OneOverX,    K::Function,   "ButOneOverX",    "1&/x",      "Calculate reciprocal",
         "1/x",           "",         "/",     "",      "",     "reciprocal"},
  KeyRow{Percent,     K::Function,   "ButPercent",     "&%",        "Calculate percent",
         "%",             "",         "%",     "%",     "",     "percent"},
  KeyRow{EPlus,       K::Function,   "EPlusBut",       "E&+",       "Enter exponential value",
         "EE",            "",         "+",     "",      "",     "E+"},
  KeyRow{Digit7,      K::Digit,      "But7",           "7",         "", "", "", "7", "7", "7", "7"},
  KeyRow{Digit8,      K::Digit,      "But8",           "8",         "", "", "", "8", "8", "8", "8"},
  KeyRow{Digit9,      K::Digit,      "But9",           "9",         "", "", "", "9", "9", "9", "9"},
  KeyRow{Divide,      K::Operator,   "ButDivide",      "\u00f7",    "",
         "",              "",         "",      "/",     "/",     "divide"},
  KeyRow{Digit4,      K::Digit,      "But4",           "4",         "", "", "", "4", "4", "4", "4"},
  KeyRow{Digit5,      K::Digit,      "But5",           "5",         "", "", "", "5", "5", "5", "5"},
  KeyRow{Digit6,      K::Digit,      "But6",           "6",         "", "", "", "6", "6", "6", "6"},
  KeyRow{Multiply,    K::Operator,   "ButMultiply",    "X",         "",
         "",              "",         "*",     "*",     "*",     "multiply"},
  KeyRow{Digit1,      K::Digit,      "But1",           "1",         "", "", "", "1", "1", "1", "1"},
  KeyRow{Digit2,      K::Digit,      "But2",           "2",         "", "", "", "2", "2", "2", "2"},
  KeyRow{Digit3,      K::Digit,      "But3",           "3",         "", "", "", "3", "3", "3", "3"},
  KeyRow{Minus,       K::Operator,   "ButMinus",       "-",         "",
         "",              "",         "",      "-",     "-",     "minus"},
  KeyRow{Digit0,      K::Digit,      "But0",           "0",         "", "", "", "0", "0", "0", "0"},
  KeyRow{Point,       K::Point, "ButDot",     ".",         "",
         "",              "",         ".,",    ".,",    ".,",   "point"},
  KeyRow{PlusMinus,   K::Function,   "ButPlusMinus",   "+/-",       "",
         "+/-",           "",         "",      "",      "",     "change sign"},
  KeyRow{Plus,        K::Operator,   "ButPlus",        "+",         "",
         "",              "",         "",      "+",     "+",     "plus"},
  KeyRow{Help,        K::Help, "SpeedButton1", "Help",     "",
         "Help",          "",         "",      "",      "",     "Help"},
  KeyRow{HelpEnable,  K::Help, "SpeedButton2", "Help",     "Enable help function.",
         "Help",          "",         "",      "",      "",     "Help"},
  KeyRow{ClearMemory, K::Function,   "ClearMemBut",    "Clr Mem",   "Clear all memory locations",
         "Clr Mem",       "",         "",      "",      "",     "Clr Mem"},
  KeyRow{Equals,      K::Function,   "ButtonEnte",     "=",         "",
         "=!",            "",         "=",     "=",     "\r",   "equals"},
  KeyRow{About,       K::About, "AboutButton", "",         "Show \"About\" screen.",
         "",              "",         "",      "",      "",     "About"},
  KeyRow{ClearTape,   K::TapeButton, "ButtonClearTape", "CT",       "Clear the tape.",
         "CT",            "",         "",      "",      "",     "CT"},
  KeyRow{Print,       K::TapeButton, "ButtonPrint",    "Pr&int",    "Print the tape.",
         "Print",         "",         "",      "",      "",     "Print"},
  KeyRow{Copy,        K::TapeButton, "ButtonCopy",     "Cop&y",     "Copy tape to clipboard and file.",
         "Copy",          "",         "Yy",    "",      "",     "Copy"},
};
// clang-format on

// The table is indexed by Key.
constexpr bool inKeyOrder() {
  for (size_t i = 0; i < kKeys.size(); ++i) {
    if (static_cast<size_t>(kKeys[i].key) != i) return false;
  }
  return kKeys.back().key == Key::Copy;
}
static_assert(inKeyOrder(), "key table rows must follow the order of Key");

std::optional<Key> findTyped(char16_t ch, std::string_view KeyRow::*column) {
  if (ch == 0 || ch > 0x7f) return std::nullopt;
  for (const KeyRow& row : kKeys) {
    if ((row.*column).find(static_cast<char>(ch)) != std::string_view::npos) return row.key;
  }
  return std::nullopt;
}

}  // namespace

std::span<const KeyRow> keyTable() {
  return kKeys;
}

const KeyRow& keyRow(Key key) {
  return kKeys[static_cast<size_t>(key)];
}

char keyDigit(Key key) {
  const KeyRow& row = keyRow(key);
  return row.kind == KeyKind::Digit ? row.caption.front() : '\0';
}

std::optional<Key> keyForTyped(char16_t ch, bool tapeFocused) {
  return findTyped(ch, tapeFocused ? &KeyRow::typedOnTape : &KeyRow::typed);
}

std::optional<Key> keyForKeypad(char16_t ch) {
  return findTyped(ch, &KeyRow::keypad);
}

std::optional<Key> keyForAccelerator(char16_t ch) {
  auto lower = [](char16_t c) { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c; };
  if (ch == 0 || ch > 0x7f) return std::nullopt;
  for (const KeyRow& row : kKeys) {
    const size_t amp = row.caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= row.caption.size()) continue;
    if (lower(static_cast<unsigned char>(row.caption[amp + 1])) == lower(ch)) return row.key;
  }
  return std::nullopt;
}

}  // namespace tivorum
