// What the dividend window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/window_data.h"

namespace tivorum {

namespace dividend_window {

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 3> kGroupItems{
    "Dividend ($):", "Price per Share ($):", "Yield (%):"};
inline constexpr std::array<Spot, 3> kGroupSpots{{{8, 20}, {8, 52}, {8, 84}}};
inline constexpr RadioGroupData kGroup{
    .name = "DividendGroup",
    .caption = "Dividend",
    .items = kGroupItems,
    .initialIndex = 2,
    .hint = "Select one to calculate after entering other two.",
    .place = {6, 2, 283, 122},
    .itemSpots = kGroupSpots,
};

inline constexpr EntryFieldData kDividend{
    .name = "DivEnter",
    .maxLength = 13,
    .hint = "Enter/Show amount of dividend per share.",
    .accessibleName = kGroupItems[0],
    .place = {170, 22, 113, 26},
};
inline constexpr EntryFieldData kPrice{
    .name = "PriceEnter",
    .maxLength = 13,
    .hint = "Enter/Show price per share.",
    .accessibleName = kGroupItems[1],
    .place = {170, 54, 113, 26},
};
inline constexpr EntryFieldData kYield{
    .name = "YieldEnter",
    .maxLength = 7,
    .hint = "Enter/Show % yield per share.",
    .accessibleName = kGroupItems[2],
    .place = {170, 86, 113, 26},
};

inline constexpr ButtonData kSolveButton{"DivSolveButton", kSolveCaption,
                                         "Solve for selected value given other amounts.",
                                         ButtonKind::Plain, Place{6, 136, 89, 30}};
inline constexpr ButtonData kCloseButton{"DivExitButton", kCloseCaption, kCloseHint,
                                         ButtonKind::Close, Place{103, 136, 89, 30}};
inline constexpr ButtonData kHelpButton{"DivHelpButton", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{200, 136, 89, 30}};

inline constexpr auto kControls = std::to_array<ModuleControl>(
    {&kGroup, &kDividend, &kPrice, &kYield, &kSolveButton, &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder =
    std::to_array<std::string_view>({kDividend.name, kPrice.name, kYield.name, kSolveButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TDividendForm",
    .caption = "Dividend Calculator",
    .clientWidth = 295,
    .clientHeight = 175,
    .helpTopic = "Dividend",
    .controls = kControls,
    .tabOrder = kTabOrder,
    .fixedDialog = true,
};

}  // namespace dividend_window

}  // namespace tivorum
