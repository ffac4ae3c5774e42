// What the interest window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace interest_window {

inline constexpr std::string_view kCaption = "Interest";
inline constexpr int kClientWidth = 277;
inline constexpr int kClientHeight = 222;
inline constexpr std::string_view kHelpTopic = "Interest";

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 2> kGroupItems{"Nominal Rate (%):",
                                                             "Actual Rate (%):"};
inline constexpr RadioGroupData kGroup{
    .name = "InterestGroup",
    .items = kGroupItems,
    .initialIndex = 1,
    .hint =
        "Select \"Nominal Rate\" or \"Actual Rate\" given\ncompounding period and opposite value.",
};

inline constexpr EntryFieldData kNominalRate{
    .name = "NominalRateEnter",
    .maxLength = 0,
    .hint = "",
};
inline constexpr EntryFieldData kActualRate{
    .name = "ActualRateEnter",
    .maxLength = 0,
    .hint = "",
};

// Items: the captions of kPaymentPeriods; FormActivate selects "Annual".
inline constexpr std::string_view kPeriodLabelName = "PeriodLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr std::string_view kPeriodBoxName = "PeriodDropDown";
inline constexpr int kPeriodInitialIndex = 0;
inline constexpr std::string_view kPeriodHint = "Select compounding period.";

inline constexpr ButtonData kSolveButton{"InterestSolveButton", kSolveCaption,
                                         "Solve for value selected."};
inline constexpr ButtonData kCloseButton{"CloseInterestButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"InterestHelpButton", kHelpCaption, kHelpHint};

}  // namespace interest_window

}  // namespace tivorum
