// Inputs the dividend, currency and pricing windows hold in double precision.
#pragma once

#include <string_view>

#include "calc/number.h"

namespace tivorum {

// A field's text read at extended precision and stored as a double, as the
// hardware would: the conversion fault for a text that is not a number, and
// overflow for a number beyond the double range.
double textToDouble(std::string_view text);

// The extended value of a double, for formulas evaluated in extended.
inline Ext extOf(double v) {
  return Ext(static_cast<Real>(v));
}

}  // namespace tivorum
