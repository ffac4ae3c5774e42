// The tape's lines and notes as the files made from them read them: the
// journal, a saved tape, a CSV export.
#pragma once

#include <cstddef>
#include <string_view>

namespace tivorum {

class TapeContent {
 public:
  virtual ~TapeContent() = default;
  virtual std::size_t size() const = 0;
  virtual std::string_view line(std::size_t i) const = 0;
  virtual std::string_view note(std::size_t i) const = 0;  // "" for none
};

}  // namespace tivorum
