// What the finance solver tests share: a solve's field writes as (control,
// text) pairs, one run of a solver that keeps its writes, its tape and the
// message of a fault it threw, and the payment periods by list position.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/number.h"
#include "calc/tape.h"
#include "finance/module_solve.h"

namespace tivorum::test {

using Writes = std::vector<std::pair<std::string, std::string>>;

inline Writes writesOf(const ModuleSolve& out) {
  Writes w;
  for (const FieldWrite& f : out.writes) w.emplace_back(f.control, f.text);
  return w;
}

struct SolveRun {
  ModuleSolve out;
  MemoryTape tape;
  std::string fault;  // message of a thrown fault
};

template <class Input>
SolveRun runSolver(void (*solve)(const Input&, ModuleSolve&, Tape&), const Input& in) {
  SolveRun r;
  try {
    solve(in, r.out, r.tape);
  } catch (const Fault& f) {
    r.fault = f.what();
  }
  return r;
}

// Positions in kPaymentPeriods.
enum PaymentPeriodIndex : int {
  kAnnual,
  kDay360,
  kDay365,
  kMonthly,
  kQuarterly,
  kSemiAnnual,
  kWeekly
};

}  // namespace tivorum::test
