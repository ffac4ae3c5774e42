// What the pricing window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/window_data.h"

namespace tivorum {

namespace pricing_window {

inline constexpr std::string_view kCaption = "Pricing and Profit";
inline constexpr int kClientWidth = 303;
inline constexpr int kClientHeight = 184;
inline constexpr std::string_view kHelpTopic = "Profit";

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 3> kGroupItems{
    "Cost ($):", "Selling Price ($):", "Profit Margin (%):"};
inline constexpr RadioGroupData kGroup{
    .name = "ProfitGroup",
    .caption = "Profit/Loss",
    .items = kGroupItems,
    .initialIndex = 0,
    .hint = "Select one to calculate after other two.",
};

inline constexpr EntryFieldData kCost{
    .name = "CostEnter",
    .maxLength = 0,
    .hint = "Enter/Show Cost of item.",
};
inline constexpr EntryFieldData kSell{
    .name = "SellEnter",
    .maxLength = 0,
    .hint = "Enter/Show selling price of item.",
};
inline constexpr EntryFieldData kMargin{
    .name = "ProfitEnter",
    .maxLength = 0,
    .hint = "Enter/Show % gross profit margin (GPM).",
};

// Left to right: Solve, Close, Help.
inline constexpr ButtonData kSolveButton{"SolveButton", kSolveCaption,
                                         "Calculate selected item given other two."};
inline constexpr ButtonData kCloseButton{"CloseButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint};

}  // namespace pricing_window

}  // namespace tivorum
