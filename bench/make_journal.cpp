// Leaves a tape journal of LINES lines in FOLDER, as a run that ended would,
// so that the start-up benchmark can start the program with it.
//
//   bench_make_journal FOLDER LINES
#include <cstdio>
#include <cstdlib>

#include "bench_tape.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER LINES\n", argv[0]);
    return 2;
  }
  bench::writeJournal(argv[1], std::atol(argv[2]));
  return 0;
}
