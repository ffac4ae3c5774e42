// What the pricing window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/window_data.h"

namespace tivorum {

namespace pricing_window {

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 3> kGroupItems{
    "Cost ($):", "Selling Price ($):", "Profit Margin (%):"};
inline constexpr std::array<Spot, 3> kGroupSpots{{{8, 20}, {8, 54}, {8, 88}}};
inline constexpr RadioGroupData kGroup{
    .name = "ProfitGroup",
    .caption = "Profit/Loss",
    .items = kGroupItems,
    .initialIndex = 0,
    .hint = "Select one to calculate after other two.",
    .place = {6, 2, 291, 128},
    .itemSpots = kGroupSpots,
};

inline constexpr EntryFieldData kCost{
    .name = "CostEnter",
    .maxLength = 0,
    .hint = "Enter/Show Cost of item.",
    .accessibleName = kGroupItems[0],
    .place = {172, 22, 117, 26},
};
inline constexpr EntryFieldData kSell{
    .name = "SellEnter",
    .maxLength = 0,
    .hint = "Enter/Show selling price of item.",
    .accessibleName = kGroupItems[1],
    .place = {172, 56, 117, 26},
};
inline constexpr EntryFieldData kMargin{
    .name = "ProfitEnter",
    .maxLength = 0,
    .hint = "Enter/Show % gross profit margin (GPM).",
    .accessibleName = kGroupItems[2],
    .place = {172, 90, 117, 26},
};

// Left to right: Solve, Close, Help.
inline constexpr ButtonData kSolveButton{"SolveButton", kSolveCaption,
                                         "Calculate selected item given other two.",
                                         ButtonKind::Plain, Place{6, 144, 91, 30}};
inline constexpr ButtonData kCloseButton{"CloseButton", kCloseCaption, kCloseHint,
                                         ButtonKind::Close, Place{106, 144, 91, 30}};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{206, 144, 91, 30}};

inline constexpr auto kControls = std::to_array<ModuleControl>(
    {&kGroup, &kCost, &kSell, &kMargin, &kSolveButton, &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder =
    std::to_array<std::string_view>({kCost.name, kSell.name, kMargin.name, kSolveButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TPricingForm",
    .caption = "Pricing and Profit",
    .clientWidth = 303,
    .clientHeight = 184,
    .helpTopic = "Profit",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace pricing_window

}  // namespace tivorum
