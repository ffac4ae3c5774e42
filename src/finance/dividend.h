// The dividend window's solver: dividend per share, price per share and the
// percentage yield, any one from the other two. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/module_solve.h"
#include "finance/window_data.h"

namespace tivorum {

namespace dividend_window {

inline constexpr std::string_view kCaption = "Dividend Calculator";
inline constexpr int kClientWidth = 295;
inline constexpr int kClientHeight = 175;
inline constexpr bool kStaysOnTop = true;  // a fixed-size dialog
inline constexpr std::string_view kHelpTopic = "Dividend";

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 3> kGroupItems{
    "Dividend ($):", "Price per Share ($):", "Yield (%):"};
inline constexpr RadioGroupData kGroup{"DividendGroup", "Dividend", kGroupItems, 2,
                                       "Select one to calculate after entering other two."};

inline constexpr EntryFieldData kDividend{"DivEnter", 13, "",
                                          "Enter/Show amount of dividend per share."};
inline constexpr EntryFieldData kPrice{"PriceEnter", 13, "", "Enter/Show price per share."};
inline constexpr EntryFieldData kYield{"YieldEnter", 7, "", "Enter/Show % yield per share."};

inline constexpr ButtonData kSolveButton{"DivSolveButton", kSolveCaption,
                                         "Solve for selected value given other amounts."};
inline constexpr ButtonData kCloseButton{"DivExitButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"DivHelpButton", kHelpCaption, kHelpHint};

}  // namespace dividend_window

// The DividendGroup item: the quantity to compute.
enum class DividendSolveFor { Dividend, Price, Yield };

struct DividendInput {
  std::string dividend;  // DivEnter, D per share
  std::string price;     // PriceEnter, P per share
  std::string yield;     // YieldEnter, Y percent
  DividendSolveFor solveFor = DividendSolveFor::Yield;
  int dividendMaxLength = dividend_window::kDividend.maxLength;
  int priceMaxLength = dividend_window::kPrice.maxLength;
  int yieldMaxLength = dividend_window::kYield.maxLength;
};

// DivSolveButtonClick without the window. Reads the non-empty fields as
// doubles, stops with a message when an input is empty or exactly "0",
// writes the result (amounts fixed(10,2), yield general(10), fitted to the
// field) and appends the tape block. Faults are thrown before anything is
// written.
void SolveDividend(const DividendInput& in, ModuleSolve& out, Tape& tape);

}  // namespace tivorum
