#include "finance/module_solve.h"

namespace tivorum {

std::optional<std::string> ModuleSolve::written(std::string_view control) const {
  for (auto it = writes.rbegin(); it != writes.rend(); ++it) {
    if (it->control == control) return it->text;
  }
  return std::nullopt;
}

std::string ModuleSolve::write(std::string_view control, Real value, std::string_view text,
                               int maxLength) {
  std::string shown = fieldText(value, text, maxLength);
  writes.push_back({std::string(control), shown});
  return shown;
}

}  // namespace tivorum
