// What the dividend window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

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
inline constexpr RadioGroupData kGroup{
    .name = "DividendGroup",
    .caption = "Dividend",
    .items = kGroupItems,
    .initialIndex = 2,
    .hint = "Select one to calculate after entering other two.",
};

inline constexpr EntryFieldData kDividend{
    .name = "DivEnter",
    .maxLength = 13,
    .hint = "Enter/Show amount of dividend per share.",
};
inline constexpr EntryFieldData kPrice{
    .name = "PriceEnter",
    .maxLength = 13,
    .hint = "Enter/Show price per share.",
};
inline constexpr EntryFieldData kYield{
    .name = "YieldEnter",
    .maxLength = 7,
    .hint = "Enter/Show % yield per share.",
};

inline constexpr ButtonData kSolveButton{"DivSolveButton", kSolveCaption,
                                         "Solve for selected value given other amounts."};
inline constexpr ButtonData kCloseButton{"DivExitButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"DivHelpButton", kHelpCaption, kHelpHint};

}  // namespace dividend_window

}  // namespace tivorum
