// The currency window's logic: amounts converted between a listed currency
// and US dollars through the shared factor table (US dollars per unit of the
// currency), and how the factor field shows and stores a factor.
// Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/settings.h"
#include "calc/tape.h"
#include "finance/currency_window.h"
#include "finance/module_solve.h"
#include "finance/window_data.h"

namespace tivorum {

// Opening and Solve: a factor that is not above 0 becomes 1, so no conversion
// works with one.
void makeFactorsPositive(CurrencyFactors& factors);

// The factor field's text: fixed(10,5) when that reads back as the same
// factor, else the shortest text that does, so leaving the field, Solve and
// Save keep the very factor the file or the user gave (0.000516 is never
// rounded away, and the largest double never shows beyond the range).
std::string factorText(double factor);

// CurFactorExit: the field's text stored as a double at `position`, as typed
// (0 and negatives too). An empty or bad text is the conversion fault, a
// number beyond the double range overflow; the table is then unchanged.
void storeFactor(CurrencyFactors& factors, int position, std::string_view text);

// The CurrencyGroup item: the direction of the conversion.
enum class CurrencyDirection { ToDollars, FromDollars };

struct CurrencyInput {
  std::string from;    // CurFromEnter, amount in the selected currency
  std::string factor;  // CurFactor (rewritten by the solve before it is read)
  std::string to;      // CurToEnter, US dollars
  CurrencyDirection direction = CurrencyDirection::ToDollars;
  int position = currency_window::kCurrencyInitialIndex;  // selected currency
  int fromMaxLength = currency_window::kFrom.maxLength;
  int factorMaxLength = currency_window::kFactor.maxLength;
  int toMaxLength = currency_window::kTo.maxLength;
};

// SolveButtonClick without the window (after CurFactorExit has stored a typed
// factor). Makes the factors positive, writes the selected factor's text into
// CurFactor, then converts the amount of the chosen direction at the factor
// that text reads as, writes the result in fixed(10,2) and appends the tape
// block; an empty amount stops with a message. Faults are thrown with the
// factor write already recorded in `out`.
void SolveCurrency(const CurrencyInput& in, CurrencyFactors& factors, ModuleSolve& out, Tape& tape);

// While the message of a Solve is shown, CurrencyGroup is hidden in the
// ToDollars direction only.
inline constexpr bool messageHidesGroup(CurrencyDirection d) {
  return d == CurrencyDirection::ToDollars;
}

}  // namespace tivorum
