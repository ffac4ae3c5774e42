// Tape lines for the benchmarks: a running sum as a desk calculator prints
// it, and a tape journal of such lines as a run that ended would leave it.
#pragma once

#include <filesystem>
#include <string>

#include "calc/tape_journal.h"
#include "calc/tape_lines.h"

namespace bench {

inline std::string lineFor(long i) {
  switch (i % 4) {
    case 0:
      return std::to_string(1000 + i % 9000) + ".25";
    case 1:
      return "+";
    case 2:
      return std::to_string(i % 977);
    default:
      return "= " + std::to_string(1000 + i % 9000 + i % 977) + ".25";
  }
}

// The journal the next start in `folder` reads: `lines` lines, a note on
// every thousandth.
inline void writeJournal(const std::filesystem::path& folder, long lines) {
  tivorum::TapeLines tape;
  for (long i = 0; i < lines; ++i) {
    tape.append(lineFor(i));
    if (i % 1000 == 999) tape.setNote(static_cast<std::size_t>(i), "rent");
  }
  tivorum::TapeJournal journal(folder);
  journal.start(tape);
  journal.settle();
}

}  // namespace bench
