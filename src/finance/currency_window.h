// What the currency window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/settings.h"
#include "finance/window_data.h"

namespace tivorum {

namespace currency_window {

inline constexpr std::string_view kCaption = "Currency Conversion";
inline constexpr int kClientWidth = 429;
inline constexpr int kClientHeight = 205;
inline constexpr std::string_view kHelpTopic = "Currency";

// Item 0 labels the foreign-amount row (top), item 1 the US-dollar row.
inline constexpr std::array<std::string_view, 2> kGroupItems{"Convert From",
                                                             "Convert From United States $"};
inline constexpr RadioGroupData kGroup{
    .name = "CurrencyGroup",
    .items = kGroupItems,
    .initialIndex = 0,
    .hint = "Select currency to convert to...",
};

// Items: kCurrencyNames, choice only. Selected once, when the window opens.
inline constexpr std::string_view kCurrencyBoxName = "CurFromDropDown";
inline constexpr int kCurrencyInitialIndex = 0;
inline constexpr std::string_view kCurrencyHint = "Select foreign currency.";

inline constexpr EntryFieldData kFrom{
    .name = "CurFromEnter",
    .maxLength = 0,
    .hint = "Enter foreign currency amount.",
};
inline constexpr std::string_view kFactorLabelName = "FactorLabel";
inline constexpr std::string_view kFactorLabelCaption = "Conversion Factor:";
inline constexpr EntryFieldData kFactor{
    .name = "CurFactor",
    .maxLength = 0,
    .hint = "Enter factor for conversion \nto United States dollars.",
};
inline constexpr EntryFieldData kTo{
    .name = "CurToEnter",
    .maxLength = 0,
    .hint = "Enter US dollars.",
};

// Left to right: Save, Solve, Close, Help.
inline constexpr ButtonData kSaveButton{"SaveButton", "S&ave", "Save conversion factor."};
inline constexpr ButtonData kSolveButton{"SolveButton", kSolveCaption, "Perform conversion."};
inline constexpr ButtonData kCloseButton{"CloseButton", kCloseCaption, "Return to calculator"};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint};

}  // namespace currency_window

}  // namespace tivorum
