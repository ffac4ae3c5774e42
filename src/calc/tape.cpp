#include "calc/tape.h"

namespace tivorum {

void appendTape5(Tape& tape, std::string_view t1, std::string_view t2, std::string_view t3,
                 std::string_view t4, std::string_view t5) {
  constexpr size_t kShortText = 255;
  tape.append(std::string(t1.substr(0, kShortText)));
  for (std::string_view t : {t2, t3, t4, t5}) {
    if (!t.empty()) tape.append(std::string(t.substr(0, kShortText)));
  }
}

}  // namespace tivorum
