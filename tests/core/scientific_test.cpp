#include "calc/scientific.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace tivorum;

namespace {

// Either the general text of the result or the fault it raised.
std::string outcome(const std::function<Ext()>& f) {
  try {
    return generalText(f().value(), 15);
  } catch (const FactorialDomainError&) {
    return "factorial domain";
  } catch (const Fault& fault) {
    return fault.what();
  }
}

struct Case {
  const char* name;
  std::function<Ext()> f;
  const char* expected;
};

TEST(Scientific, CountsFitASigned32BitWholeNumber) {
  const Case cases[] = {
      {"12 perm 12", [] { return permutations(12, 12); }, "479001600"},
      {"13 perm 12", [] { return permutations(13, 12); }, "Invalid floating point operation"},
      {"33 comb 16", [] { return combinations(33, 16); }, "1166803110"},
      {"34 comb 17", [] { return combinations(34, 17); }, "Invalid floating point operation"},
      {"1000 comb 2", [] { return combinations(1000, 2); }, "499500"},
      {"5 perm 0", [] { return permutations(5, 0); }, "1"},
      {"5 perm -1", [] { return permutations(5, -1); }, "factorial domain"},
      {"5 comb -1", [] { return combinations(5, -1); }, "factorial domain"},
      {"1755 perm 1", [] { return permutations(1755, 1); }, "Floating point overflow"},
  };
  for (const auto& c : cases) EXPECT_EQ(outcome(c.f), c.expected) << c.name;
}

TEST(Scientific, FactorialLimits) {
  const Case cases[] = {
      {"1754!", [] { return factorial(1754); }, "1.97926189010501E4930"},
      {"1755!", [] { return factorial(1755); }, "Floating point overflow"},
      {"1e30!", [] { return factorial(Ext(1e30L)); }, "Floating point overflow"},
      {"-0.5!", [] { return factorial(Ext(-0.5L)); }, "factorial domain"},
  };
  for (const auto& c : cases) EXPECT_EQ(outcome(c.f), c.expected) << c.name;
}

TEST(Scientific, RootsOfNegativeNumbers) {
  const Case cases[] = {
      {"-8 root 3", [] { return rootOf(-8, 3); }, "-2"},
      {"-8 root -3", [] { return rootOf(-8, -3); }, "-0.5"},
      {"-32 root 5", [] { return rootOf(-32, 5); }, "-2"},
      {"-8 root 1", [] { return rootOf(-8, 1); }, "-8"},
      {"-16 root 4", [] { return rootOf(-16, 4); }, "Invalid floating point operation"},
      {"-8 root 2.5", [] { return rootOf(-8, 2.5L); }, "Invalid floating point operation"},
      {"0 root -2", [] { return rootOf(0, -2); }, "Floating point division by zero"},
      {"16 root 4", [] { return rootOf(16, 4); }, "2"},
  };
  for (const auto& c : cases) EXPECT_EQ(outcome(c.f), c.expected) << c.name;
}

TEST(Scientific, RightAnglesAreExactInDegreesAndGrads) {
  const Case cases[] = {
      {"sin 360000090 deg",
       [] { return unaryResult(FunctionCode::Sin, 360000090, AngleMode::Deg); }, "1"},
      {"cos -90 deg", [] { return unaryResult(FunctionCode::Cos, -90, AngleMode::Deg); }, "0"},
      {"tan -270 deg", [] { return unaryResult(FunctionCode::Tan, -270, AngleMode::Deg); },
       "Floating point division by zero"},
      {"sin -100 gra", [] { return unaryResult(FunctionCode::Sin, -100, AngleMode::Gra); }, "-1"},
      {"cos 400 gra", [] { return unaryResult(FunctionCode::Cos, 400, AngleMode::Gra); }, "1"},
      {"sin 360*2^40+30 deg",
       [] { return unaryResult(FunctionCode::Sin, Ext(395824185999390.0L), AngleMode::Deg); },
       "0.5"},
      {"sin 50 gra", [] { return unaryResult(FunctionCode::Sin, 50, AngleMode::Gra); },
       "0.707106781186548"},
      {"cos pi rad", [] { return unaryResult(FunctionCode::Cos, kPi, AngleMode::Rad); }, "-1"},
      {"tan 2^1000 rad",
       [] { return unaryResult(FunctionCode::Tan, ldexpl(1, 1000), AngleMode::Rad); },
       "-0.161258379950658"},
  };
  for (const auto& c : cases) EXPECT_EQ(outcome(c.f), c.expected) << c.name;
}

TEST(Scientific, HyperbolicFunctionsKeepTheirDigits) {
  const Case cases[] = {
      {"sinh 1e-10", [] { return unaryResult(FunctionCode::Sinh, Ext(1e-10L), AngleMode::Deg); },
       "1E-10"},
      {"tanh 1e-10", [] { return unaryResult(FunctionCode::Tanh, Ext(1e-10L), AngleMode::Deg); },
       "1E-10"},
      {"asinh -1e10",
       [] { return unaryResult(FunctionCode::ArcSinh, Ext(-1e10L), AngleMode::Deg); },
       "-23.7189981105004"},
      {"tanh 6000", [] { return unaryResult(FunctionCode::Tanh, 6000, AngleMode::Deg); }, "1"},
      {"cosh 12000", [] { return unaryResult(FunctionCode::Cosh, 12000, AngleMode::Deg); },
       "Floating point overflow"},
      {"atanh -1", [] { return unaryResult(FunctionCode::ArcTanh, -1, AngleMode::Deg); },
       "Floating point division by zero"},
      {"atanh 2", [] { return unaryResult(FunctionCode::ArcTanh, 2, AngleMode::Deg); },
       "Invalid floating point operation"},
  };
  for (const auto& c : cases) EXPECT_EQ(outcome(c.f), c.expected) << c.name;
}

}  // namespace
