// Periods per year: the drop-down lists of the loan, annuity and interest
// windows, and of the investment window, in list order.
#pragma once

#include <array>
#include <string_view>

namespace tivorum {

struct PaymentPeriod {
  std::string_view caption;
  int perYear;
};

inline constexpr std::array<PaymentPeriod, 7> kPaymentPeriods{{
    {"Annual", 1},
    {"Day (360)", 360},
    {"Day (365)", 365},
    {"Monthly", 12},
    {"Quarterly", 4},
    {"Semi-Annual", 2},
    {"Weekly", 52},
}};

// How often additions are made (and the return compounded), in list order.
inline constexpr std::array<PaymentPeriod, 9> kInvestmentPeriods{{
    {"Annually", 1},
    {"Bi-Monthly", 6},
    {"Bi-Weekly", 26},
    {"Monthly", 12},
    {"Quarterly", 4},
    {"Semi-Annually", 2},
    {"Semi-Monthly", 24},
    {"Semi-Weekly", 104},
    {"Weekly", 52},
}};

}  // namespace tivorum
