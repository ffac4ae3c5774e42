#include "finance/double_value.h"

#include <cmath>

namespace tivorum {

double textToDouble(std::string_view text) {
  const double v = static_cast<double>(textToNumber(text));
  if (std::isinf(v)) raiseFault(FaultKind::Overflow);
  return v;
}

}  // namespace tivorum
