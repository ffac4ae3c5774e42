// What the currency window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/settings.h"
#include "finance/window_data.h"

namespace tivorum {

namespace currency_window {

// Item 0 labels the foreign-amount row (top), item 1 the US-dollar row.
inline constexpr std::array<std::string_view, 2> kGroupItems{"Convert From",
                                                             "Convert From United States $"};
inline constexpr std::array<Spot, 2> kGroupSpots{{{8, 14}, {8, 98}}};
inline constexpr RadioGroupData kGroup{
    .name = "CurrencyGroup",
    .items = kGroupItems,
    .initialIndex = 0,
    .hint = "Select currency to convert to...",
    .accessibleName = "Direction of the conversion",
    .place = {6, 4, 417, 146},
    .itemSpots = kGroupSpots,
};

// The drop-down's names in table order. They match the settings keys
// (kCurrencyKeys) except at 3, where the list says "Frank" and the key "Franc".
inline constexpr std::array<std::string_view, kCurrencyCount> kCurrencyNames = {
    "Belgian Franc", "British Pound",  "Canadian $",     "French Frank", "German Mark",
    "Italian Lire",  "Israeli Shekel", "Japanese Yen",   "Mexican Peso", "Nigerian Naira",
    "Saudi Riyal",   "Swiss Franc",    "United States $"};

// Choice only; selected once, when the window opens.
inline constexpr int kCurrencyInitialIndex = 0;
inline constexpr DropDownData kCurrencyBox{
    .labelName = {},
    .labelCaption = {},
    .name = "CurFromDropDown",
    .items = kCurrencyNames,
    .hint = "Select foreign currency.",
    .accessibleName = "Foreign currency",
    .place = {132, 16, 140, 26},
};

// The three amount and factor fields line up on the right.
inline constexpr EntryFieldData kFrom{
    .name = "CurFromEnter",
    .maxLength = 0,
    .hint = "Enter foreign currency amount.",
    .accessibleName = kGroupItems[0],
    .place = {280, 16, 135, 26},
};
inline constexpr std::string_view kFactorLabelCaption = "Conversion Factor:";
inline constexpr LabelData kFactorLabel{
    .name = "FactorLabel",
    .caption = kFactorLabelCaption,
    .place = {132, 58, 140, 26},
    .buddy = "CurFactor",
    .align = TextAlign::Right,
};
inline constexpr EntryFieldData kFactor{
    .name = kFactorLabel.buddy,
    .maxLength = 0,
    .hint = "Enter factor for conversion \nto United States dollars.",
    .accessibleName = kFactorLabelCaption,
    .place = {280, 58, 135, 26},
};
inline constexpr EntryFieldData kTo{
    .name = "CurToEnter",
    .maxLength = 0,
    .hint = "Enter US dollars.",
    .accessibleName = kGroupItems[1],
    .place = {280, 100, 135, 26},
};

// Left to right: Save, Solve, Close, Help.
inline constexpr ButtonData kSaveButton{"SaveButton", "S&ave", "Save conversion factor.",
                                        ButtonKind::Plain, Place{6, 163, 98, 30}};
inline constexpr ButtonData kSolveButton{"SolveButton", kSolveCaption, "Perform conversion.",
                                         ButtonKind::Plain, Place{112, 163, 98, 30}};
inline constexpr ButtonData kCloseButton{"CloseButton", kCloseCaption, "Return to calculator",
                                         ButtonKind::Close, Place{218, 163, 98, 30}};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{324, 163, 99, 30}};

inline constexpr auto kControls =
    std::to_array<ModuleControl>({&kGroup, &kCurrencyBox, &kFrom, &kFactorLabel, &kFactor, &kTo,
                                  &kSaveButton, &kSolveButton, &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder = std::to_array<std::string_view>(
    {kCurrencyBox.name, kFrom.name, kFactor.name, kTo.name, kSaveButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TCurrencyForm",
    .caption = "Currency Conversion",
    .clientWidth = 429,
    .clientHeight = 205,
    .helpTopic = "Currency",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace currency_window

}  // namespace tivorum
