// What the interest window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace interest_window {

// Each item labels the field beside it; the period list lines up with the
// fields.
inline constexpr std::array<std::string_view, 2> kGroupItems{"Nominal Rate (%):",
                                                             "Actual Rate (%):"};
inline constexpr std::array<Spot, 2> kGroupSpots{{{8, 18}, {8, 58}}};
inline constexpr RadioGroupData kGroup{
    .name = "InterestGroup",
    .items = kGroupItems,
    .initialIndex = 1,
    .hint =
        "Select \"Nominal Rate\" or \"Actual Rate\" given\ncompounding period and opposite value.",
    .accessibleName = "Rate to solve for",
    .place = {4, 4, 269, 98},
    .itemSpots = kGroupSpots,
};

inline constexpr EntryFieldData kNominalRate{
    .name = "NominalRateEnter",
    .maxLength = 0,
    .hint = "",
    .accessibleName = kGroupItems[0],
    .place = {158, 20, 109, 26},
};
inline constexpr EntryFieldData kActualRate{
    .name = "ActualRateEnter",
    .maxLength = 0,
    .hint = "",
    .accessibleName = kGroupItems[1],
    .place = {158, 60, 109, 26},
};

// Items: the captions of kPaymentPeriods; FormActivate selects "Annual".
inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr int kPeriodInitialIndex = 0;
inline constexpr DropDownData kPeriodBox{
    .labelName = "PeriodLabel",
    .labelCaption = kPeriodLabelCaption,
    .name = "PeriodDropDown",
    .periods = kPaymentPeriods,
    .hint = "Select compounding period.",
    .labelPlace = {12, 122, 142, 26},
    .place = {158, 122, 109, 26},
};

inline constexpr ButtonData kSolveButton{"InterestSolveButton", kSolveCaption,
                                         "Solve for value selected.", ButtonKind::Plain,
                                         Place{4, 178, 85, 30}};
inline constexpr ButtonData kCloseButton{"CloseInterestButton", kCloseCaption, kCloseHint,
                                         ButtonKind::Close, Place{96, 178, 85, 30}};
inline constexpr ButtonData kHelpButton{"InterestHelpButton", kHelpCaption, kHelpHint,
                                        ButtonKind::Help, Place{188, 178, 85, 30}};

inline constexpr auto kControls =
    std::to_array<ModuleControl>({&kGroup, &kNominalRate, &kActualRate, &kPeriodBox, &kSolveButton,
                                  &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder = std::to_array<std::string_view>(
    {kNominalRate.name, kActualRate.name, kPeriodBox.name, kSolveButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TInterestForm",
    .caption = "Interest",
    .clientWidth = 277,
    .clientHeight = 222,
    .helpTopic = "Interest",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace interest_window

}  // namespace tivorum
