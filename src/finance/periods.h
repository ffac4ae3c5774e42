// Payment periods per year, the drop-down list of the loan, annuity and
// interest windows, in list order.
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

}  // namespace tivorum
