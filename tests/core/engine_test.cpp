#include "calc/engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace tivorum;

namespace {

using Lines = std::vector<std::string>;

struct FakeHost : EngineHost {
  void showErrorBox(std::string_view caption, std::string_view text) override {
    boxes.push_back(std::string(caption) + "|" + std::string(text));
  }
  bool confirm(std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }
  void reportFault(std::string_view message) override { faults.emplace_back(message); }

  bool answer = true;
  Lines boxes, questions, faults;
};

// Drives the engine with a line of keys: numbers are typed on the digit and
// point buttons, "#12" types on the keyboard, the rest name keys.
class Keypad {
 public:
  Keypad() {
    engine.startUp('.');
    engine.firstActivation("%g");
  }

  // Keys are named by their captions without "&" ("Clr Mem" as "ClrMem"),
  // or by the short names below.
  void press(const std::string& keys) {
    static const std::map<std::string, std::string> shortNames = {
        {"x", "X"},     {"/", "\u00f7"}, {"CE", "CE/C"},        {"x2", "x\u00b2"},
        {"Abs", "|x|"}, {"Fin", "Sci"},  {"ClrMem", "Clr Mem"},
    };
    std::istringstream in(keys);
    std::string name;
    while (in >> name) {
      if (auto it = shortNames.find(name); it != shortNames.end()) name = it->second;
      if (name == "BS") {
        engine.backspace();
      } else if (const KeyRow* row = keyNamed(name)) {
        EXPECT_TRUE(engine.press(row->key)) << name;
      } else if (name[0] == '#') {
        for (char c : name.substr(1)) c == '.' ? engine.typePoint() : engine.typeDigit(c);
      } else {
        for (char c : name) c == '.' ? engine.ButDotClick() : engine.But0Click(c);
      }
    }
  }

  // A key of the keypad by its caption; digits and the point are typed as
  // numbers instead.
  static const KeyRow* keyNamed(const std::string& name) {
    for (const KeyRow& row : keyTable()) {
      if (row.kind == KeyKind::Digit || row.kind == KeyKind::Point) continue;
      std::string caption(row.caption);
      std::erase(caption, '&');
      if (caption == name) return &row;
    }
    return nullptr;
  }

  MemoryTape tape;
  FakeHost host;
  CalcEngine engine{tape, host};
};

struct KeyCase {
  std::string keys;
  const char* display;
  Lines tape;
};

void runCases(const std::vector<KeyCase>& cases) {
  for (const auto& c : cases) {
    Keypad pad;
    pad.press(c.keys);
    EXPECT_EQ(pad.engine.display(), c.display) << c.keys;
    EXPECT_EQ(pad.tape.lines, c.tape) << c.keys;
  }
}

TEST(EngineKeys, ArithmeticAndTapeLines) {
  runCases({
      {"12 + 3.5 =", "15.5", {"12", "+", "3.5", "= 15.5"}},
      {"7 x 6 = + 1 =", "43", {"7", "x", "6", "= 42", "42", "+", "1", "= 43"}},
      {"12 + 3.5 = =", "15.5", {"12", "+", "3.5", "= 15.5", "15.5", "= 15.5"}},
      {"5 + =", "5", {"5", "= 5"}},
      {"5 + + 3 =", "8", {"5", "+", "3", "= 8"}},
      {"5 + - 3 =", "2", {"5", "+", "3", "= 2"}},
      {"5 + 3 CE =", "5", {"5", "+", "Clear Entry", "0", "= 5"}},
      {"2 + 3 CE CE 4 =", "4", {"2", "+", "Clear Entry", "All Clear", "4", "= 4"}},
      {"9 / 0 =", "ERROR", {"9", "/", "0", "= ERROR"}},
      {"9 / 0 = 7 +/- Sto", "ERROR", {"9", "/", "0", "= ERROR"}},
      {"9 / 0 = CE 2 + 2 =", "4", {"9", "/", "0", "= ERROR", "All Clear", "2", "+", "2", "= 4"}},
      {"7 = 5 + 1 =", "6", {"7", "= 7", "5", "+", "1", "= 6"}},
      {"1 E+ 4932 x 10 =", "ERROR", {"1E+4932", "x", "10", "= ERROR"}},
  });
}

TEST(EngineKeys, TypedDigitsAndPoint) {
  runCases({
      {".", ".", {}},
      {"0 0", "00", {}},
      {"1 . 0", "1.0", {}},
      {"1 . 0 5", "1.05", {}},
      {"1 . . 5", "1.5", {}},
      {"1234567890123456", "1.23456789012346E15", {}},
      {"#3 . #.5", "3.5", {}},
      {"123 BS", "12", {}},
      {"1 BS BS 7", "7", {}},
      {"5 +/-", "-5", {"= -5"}},
      {"5 +/- 3", "-53", {"= -5"}},
      {"5 +/- 3 + 3 =", "-50", {"= -5", "-53", "+", "3", "= -50"}},
      {"1 . 0 +/- 5", "-1.05", {"= -1"}},
      {"5 +/- BS 8", "8", {"= -5"}},
  });
}

TEST(EngineKeys, EightyTypedCharactersAtMost) {
  Keypad pad;
  pad.press(std::string(85, '1'));
  EXPECT_EQ(pad.engine.display(), "1.11111111111111E79");
}

TEST(EngineKeys, SignChangeOfAFullEntryKeepsEveryDigit) {
  const std::string full = "1" + std::string(79, '0');
  runCases({
      {full + " +/-", "-1E79", {"= -1E79"}},
      {full + " +/- +/-", "1E79", {"= -1E79", "= 1E79"}},
      {std::string(80, '9') + " +/- + 1 =", "-1E80", {"= -1E80", "-1E80", "+", "1", "= -1E80"}},
  });
}

TEST(EngineKeys, PercentUsesTheAccumulator) {
  runCases({
      {"200 + 10 % =", "220", {"200", "+", "0.1%", "= 220"}},
      {"200 - 10 % =", "180", {"200", "-", "0.1%", "= 180"}},
      {"200 / 10 % =", "2000", {"200", "/", "0.1%", "= 2000"}},
      {"10 % x 200 =", "20", {"0.1%", "x", "200", "= 20"}},
      // A cleared percentage plays no part in what follows.
      {"200 + 10 % CE CE 5 + 5 =",
       "10",
       {"200", "+", "0.1%", "Clear Entry", "All Clear", "5", "+", "5", "= 10"}},
      {"200 + 10 % CE 5 =", "205", {"200", "+", "0.1%", "Clear Entry", "5", "= 205"}},
  });
}

TEST(EngineKeys, UnaryResultIsTheNextOperand) {
  runCases({
      {"9 = Sqrt + 1 =", "4", {"9", "= 9", "Sqrt(9)", "= 3", "3", "+", "1", "= 4"}},
      {"5 + 4 1/x =", "5.25", {"5", "+", "1/4", "= 0.25", "0.25", "= 5.25"}},
      {"5 + 9 Sqrt 4 =", "9", {"5", "+", "Sqrt(9)", "= 3", "4", "= 9"}},
      {"9 Sqrt 0", "0", {"Sqrt(9)", "= 3"}},
      {"3 x2", "9", {"(3)\u00b2", "= 9"}},
      {"4 +/- Abs", "4", {"= -4", "Abs(-4)", "= 4"}},
      {"Pi", "3.14159265358979", {}},
      {"Pi x 2 =", "6.28318530717959", {"3.14159265358979", "x", "2", "= 6.28318530717959"}},
      {"1 +/- Ln", "ERROR", {"= -1", "ERROR"}},
      {"1 +/- Ln Sqrt", "ERROR", {"= -1", "ERROR", "ERROR"}},
      // The "ERROR" line is not an operator line that "=" takes back.
      {"1 +/- Ln =", "ERROR", {"= -1", "ERROR", "= ERROR"}},
  });
}

TEST(EngineKeys, ReciprocalOfZeroIsRefusedWithABox) {
  Keypad pad;
  pad.press("0 1/x");
  EXPECT_EQ(pad.engine.display(), "0");
  EXPECT_TRUE(pad.tape.lines.empty());
  EXPECT_FALSE(pad.engine.ErrorFlag());
  EXPECT_EQ(pad.host.boxes, Lines{"ERROR!|Can't divide by 0!"});
  pad.press("+ 2 =");
  EXPECT_EQ(pad.engine.display(), "2");
}

TEST(EngineKeys, FinancialFormatOnlyForTheResult) {
  Keypad pad;
  pad.press("Fin 1 / 3");
  EXPECT_EQ(pad.engine.display(), "3");
  pad.press("=");
  EXPECT_EQ(pad.engine.display(), "           0.33");
  EXPECT_EQ(pad.tape.lines.back(), "= " + std::string(11, ' ') + "0.33");
  pad.press("+ 1 . 5 + ");
  EXPECT_EQ(pad.engine.display(), "1.83333333333333");
}

TEST(EngineKeys, ResultFormatIsChosenBeforeHelp) {
  Keypad pad;
  pad.press("Fin");
  pad.engine.setResultFormat();  // "=" in help mode
  pad.press("5");
  EXPECT_EQ(pad.engine.display(), "           5.00");
  EXPECT_TRUE(pad.tape.lines.empty());
}

TEST(EngineKeys, ClearKey) {
  Keypad pad;
  EXPECT_EQ(pad.engine.display(), "0");
  // Start-up writes nothing and leaves the first clear a Clear Entry.
  EXPECT_TRUE(pad.tape.lines.empty());
  pad.press("CE");
  EXPECT_EQ(pad.tape.lines, Lines{"Clear Entry"});
  pad.tape.lines.clear();
  pad.press("5 CE CE CE");
  EXPECT_EQ(pad.tape.lines, (Lines{"Clear Entry", "All Clear", "All Clear"}));
  // Keyboard digits leave the next clear an All Clear, buttons do not.
  pad.press("#4 CE 4 CE");
  EXPECT_EQ(pad.tape.lines,
            (Lines{"Clear Entry", "All Clear", "All Clear", "All Clear", "Clear Entry"}));
}

TEST(EngineKeys, EqualsKeepsLinesItDidNotWrite) {
  Keypad pad;
  pad.engine.appendTape5("Loan", "Payment 10.00");
  pad.press("=");
  EXPECT_EQ(pad.tape.lines, (Lines{"Loan", "Payment 10.00", "= 0"}));
  pad.press("5 + ");
  pad.engine.appendTape5("Block");
  pad.press("=");
  EXPECT_EQ(pad.tape.lines.end()[-2], "Block");
}

TEST(EngineKeys, ScientificFunctions) {
  runCases({
      {"30 Sin", "0.5", {"Sin(30)", "= 0.5"}},
      {"1 aSin", "90", {"ArcSin(1)", "= 90"}},
      {"1 aCos", "0", {"ArcCos(1)", "= 0"}},
      {"1 +/- aCos", "180", {"= -1", "ArcCos(-1)", "= 180"}},
      {"0.5 aSin", "30", {"ArcSin(0.5)", "= 30"}},
      {"2 aSin", "ERROR", {"ERROR"}},
      {"Deg 1 aTan", "0.785398163397448", {"ArcTan(1)", "= 0.785398163397448"}},
      {"Deg Deg 1 aTan", "50", {"ArcTan(1)", "= 50"}},
      {"180 Sin", "0", {"Sin(180)", "= 0"}},
      {"90 Cos", "0", {"Cos(90)", "= 0"}},
      {"90 Tan", "ERROR", {"ERROR"}},
      {"45 Tan", "1", {"Tan(45)", "= 1"}},
      {"180 +/- Sin", "0", {"= -180", "Sin(-180)", "= 0"}},
      {"450 Sin", "1", {"Sin(450)", "= 1"}},
      {"Deg Deg 200 Cos", "-1", {"Cos(200)", "= -1"}},
      {"Deg Deg 300 Tan", "ERROR", {"ERROR"}},
      {"Deg 1 E+ 22 Sin", "-0.852200849767189", {"Sin(1E+22)", "= -0.852200849767189"}},
      {"5 n!", "120", {"(5)!", "= 120"}},
      {"0 n!", "1", {"(0)!", "= 1"}},
      {"1 n!", "1", {"(1)!", "= 1"}},
      {"2.5 n!", "ERROR", {"ERROR"}},
      {"3 +/- n!", "ERROR", {"= -3", "ERROR"}},
      {"1755 n!", "ERROR", {"ERROR"}},
      {"0 Ln", "ERROR", {"ERROR"}},
      {"0 Log", "ERROR", {"ERROR"}},
      {"1000 Log", "3", {"Log(1000)", "= 3"}},
      {"Type Type 1 Sin", "1.1752011936438", {"Sinh(1)", "= 1.1752011936438"}},
      {"Type Type 0.00001 Sin", "1.00000000001667E-5", {"Sinh(1E-5)", "= 1.00000000001667E-5"}},
      {"Type Type 1 Tan", "0.761594155955765", {"Tanh(1)", "= 0.761594155955765"}},
      {"Type Type 1 aSin", "0.881373587019543", {"ArcSinh(1)", "= 0.881373587019543"}},
      {"Type Type 1 aCos", "0", {"ArcCosh(1)", "= 0"}},
      {"Type Type 0.5 aCos", "ERROR", {"ERROR"}},
      {"Type Type 1 aTan", "ERROR", {"ERROR"}},
      {"Type Type 0.5 aTan", "0.549306144334055", {"ArcTanh(0.5)", "= 0.549306144334055"}},
  });
}

TEST(EngineKeys, BinaryFunctions) {
  runCases({
      {"2 x^y 10 =", "1024", {"2", "x^y", "10", "= 1024"}},
      {"2 +/- x^y 3 =", "-8", {"= -2", "-2", "x^y", "3", "= -8"}},
      {"0 x^y 0 =", "1", {"0", "x^y", "0", "= 1"}},
      {"3 Hypot 4 =", "5", {"3", "hypoteneuse of x/y", "4", "= 5"}},
      {"27 Root 3 =", "3", {"27", "yth root of x", "3", "= 3"}},
      {"2 Root 0 =", "ERROR", {"2", "yth root of x", "0", "= ERROR"}},
      {"8 +/- Root 3 =", "-2", {"= -8", "-8", "yth root of x", "3", "= -2"}},
      {"8 +/- Root 2 =", "ERROR", {"= -8", "-8", "yth root of x", "2", "= ERROR"}},
      {"5 Perm 2 =", "20", {"5", "Permutations of x/y", "2", "= 20"}},
      {"5 Comb 2 =", "10", {"5", "Combinations of x/y", "2", "= 10"}},
      {"5.5 Perm 2 =",
       "2",
       {"5.5", "Permutations of x/y", "2", "ERROR - Permutations possible on whole numbers only!"}},
      {"5 Comb 2.5 =",
       "2.5",
       {"5", "Combinations of x/y", "2.5", "ERROR - Combinations possible on whole numbers only!"}},
      // Only the "=" that ran the refused count loses its result line.
      {"5.5 Perm 2 + 3 =",
       "8.5",
       {"5.5", "Permutations of x/y", "ERROR - Permutations possible on whole numbers only!", "2",
        "+", "3", "= 8.5"}},
      {"20 Perm 20 =", "ERROR", {"20", "Permutations of x/y", "20", "= ERROR"}},
      {"2 Perm 3 =", "ERROR", {"2", "Permutations of x/y", "3", "ERROR", "= ERROR"}},
      {"30 Comb 15 =", "155117520", {"30", "Combinations of x/y", "15", "= 155117520"}},
  });
}

TEST(EngineKeys, AngleUnitKey) {
  Keypad pad;
  pad.press("180 Deg");
  EXPECT_EQ(pad.engine.display(), "3.14159265358979");
  EXPECT_EQ(pad.engine.degRadCaption(), "Rad");
  pad.press("Deg");
  EXPECT_EQ(pad.engine.display(), "200");
  pad.press("Deg");
  EXPECT_EQ(pad.engine.display(), "180");
  EXPECT_EQ(pad.engine.degRadCaption(), "Deg");
  EXPECT_TRUE(pad.tape.lines.empty());
}

// The display is converted, the value an operator completes with is not.
TEST(EngineKeys, AngleUnitKeyLeavesTheOperand) {
  runCases({
      {"180 Deg + 1 =", "181", {"3.14159265358979", "+", "1", "= 181"}},
      {"180 Deg Sqrt", "1.77245385090552", {"Sqrt(3.14159265358979)", "= 1.77245385090552"}},
  });
}

TEST(EngineKeys, TrigTypeKey) {
  Keypad pad;
  EXPECT_EQ(pad.engine.trigTypeCaption(), "Type");
  pad.press("Type");
  EXPECT_EQ(pad.engine.trigTypeCaption(), "Trig");
  EXPECT_EQ(pad.engine.trigCaption(TrigKey::ArcCos), "aCos");
  pad.press("Type");
  EXPECT_EQ(pad.engine.trigTypeCaption(), "Hyp");
  EXPECT_EQ(pad.engine.trigCaption(TrigKey::Sin), "Sinh");
  EXPECT_EQ(pad.engine.trigCaption(TrigKey::ArcTan), "aTanh");
}

TEST(EngineKeys, ExponentEntry) {
  runCases({
      {"1.5 E+ 3", "1.5E+3", {}},
      {"1.5 E+ 3 =", "1500", {"1.5E+3", "= 1500"}},
      {"2 E- 2 + 1 =", "1.02", {"2E-2", "+", "1", "= 1.02"}},
      {"1.5 E+ 3 . 1", "1.5E+31", {}},
      {"Fin 1.5 E+ 3", "1.53", {}},
      {"5 E+ =", "5", {"5", "= 5"}},
      {"5 E+ Sqrt", "2.23606797749979", {"Sqrt(5)", "= 2.23606797749979"}},
      {"1.5 E+ 3 +/-", "-1500", {"= -1500"}},
      {"1.5 E+ 3 BS BS", "1.5", {}},
      {"1.5 E+ 3 BS BS 2", "1.52", {}},
      {"1 E+ 20 = E+ 5", "5", {"1E+20", "= 1E20"}},
      {"1 E+ 99999", "ERROR", {}},
      {"CE E+ CE 5", "5", {"Clear Entry", "All Clear"}},
      // A completed store ends exponent entry as it ends any entry.
      {"2 E+ 2 Sto 1 5", "5", {}},
      {"2 E+ 2 Sto 1 Rec 1", "200", {}},
      {"5 E+ Sto 3 7", "7", {}},
      {"5 E+ Sto 3 Rec 3", "5", {}},
      {"2 E+ 2 Sto 1 + 1 =", "201", {"2E+2", "+", "1", "= 201"}},
      {"2 E- 1 Sto + 4 3 =", "3", {"3", "= 3"}},
  });
}

TEST(EngineMemory, StoreAndRecall) {
  runCases({
      {"12 Sto 3 CE CE Rec 3", "12", {"Clear Entry", "All Clear"}},
      {"5 Sto 1 CE CE 3 Sto + 1 CE CE Rec 1",
       "8",
       {"Clear Entry", "All Clear", "Clear Entry", "All Clear"}},
      {"Rec 7", "0", {}},
      {"6 Sto x 4 3 =", "18", {"6", "x", "3", "= 18"}},
      {"6 Sto 4 + Rec 4 =", "12", {"6", "+", "6", "= 12"}},
      {"2.5 Sto . CE CE Rec .", "2.5", {"Clear Entry", "All Clear"}},
      {"12 Sto 1 Rec 1 5", "125", {}},
      // A store ends the entry: the next digits start a new number.
      {"5 Sto 1 3 Sto + 1 Rec 1", "8", {}},
      {"5 Sto 1 3", "3", {}},
      {"5 + 3 Sto 1 =", "8", {"5", "+", "3", "= 8"}},
  });
}

TEST(EngineMemory, AddAndSubtractWriteTheScientificForm) {
  Keypad pad;
  pad.press("5 Sto 1 CE CE 3 Sto + 1");
  EXPECT_EQ(pad.engine.MemoryLoc(1), " 8.00000000000000E+0000");
  EXPECT_EQ(pad.engine.display(), "3");
  pad.press("CE 2 Sto - 4");
  EXPECT_EQ(pad.engine.MemoryLoc(4), "-2.00000000000000E+0000");
  // The later of "+" and "-" wins, and a plain store afterwards is plain.
  pad.press("Sto + - 5 Sto 6");
  EXPECT_EQ(pad.engine.MemoryLoc(5), "-2.00000000000000E+0000");
  EXPECT_EQ(pad.engine.MemoryLoc(6), "2");
  pad.press("Rec 1 1");
  EXPECT_EQ(pad.engine.display(), "81");
}

TEST(EngineMemory, TextsWrittenUnderEitherLocaleAreRecalled) {
  struct Case {
    char point;
    const char* stored;
    const char* keys;
    const char* display;
  };
  const Case cases[] = {
      {'.', "1,5", "Rec 1", "1.5"},
      {',', "1.5", "Rec 1", "1,5"},
      {',', "1,5", "Rec 1", "1,5"},
      {'.', " 8,00000000000000E+0000", "Rec 1", "8"},
      {',', "-2.50000000000000E-0001", "Rec 1", "-0,25"},
      {'.', "1,5", "2 Sto + 1 Rec 1", "3.5"},
      {',', "1.5", "2 Sto - 1 Rec 1", "-0,5"},
  };
  for (const Case& c : cases) {
    Keypad pad;
    pad.engine.startUp(c.point);
    pad.engine.setMemoryLoc(1, c.stored);
    pad.press(c.keys);
    EXPECT_EQ(pad.engine.display(), c.display) << c.stored << " " << c.keys;
    EXPECT_TRUE(pad.host.faults.empty()) << c.stored;
  }
}

TEST(EngineMemory, ClearMemoryAsksFirst) {
  Keypad pad;
  pad.press("5 Sto 2");
  pad.host.answer = false;
  pad.press("ClrMem");
  EXPECT_EQ(pad.engine.MemoryLoc(2), "5");
  pad.host.answer = true;
  pad.press("ClrMem Rec 2");
  EXPECT_EQ(pad.engine.MemoryLoc(2), "0");
  EXPECT_EQ(pad.engine.display(), "0");
  EXPECT_EQ(pad.host.questions,
            Lines(2, "You are about to clear all memory locations.  Continue?"));
}

TEST(EngineMemory, TextThatIsNotANumberIsReported) {
  Keypad pad;
  pad.engine.setMemoryLoc(2, "abc");
  pad.press("7 Rec 2");
  EXPECT_EQ(pad.host.faults, Lines{"'abc' is not a valid floating point value"});
  EXPECT_EQ(pad.engine.display(), "7");
  pad.press("Sto + 2");
  EXPECT_EQ(pad.engine.MemoryLoc(2), "abc");
  EXPECT_EQ(pad.host.faults.size(), 2u);
  EXPECT_FALSE(pad.engine.ErrorFlag());
}

TEST(EngineMemory, IgnoredWhileInError) {
  Keypad pad;
  pad.press("1 / 0 = Sto 3");
  EXPECT_FALSE(pad.engine.StorePending());
  EXPECT_EQ(pad.engine.MemoryLoc(3), "0");
}

TEST(EngineStartUp, FirstActivationAppliesTheStoredFormat) {
  Keypad pad;
  pad.engine.firstActivation("%15.2f");
  EXPECT_EQ(pad.engine.placesCaption(), "Fin");
  pad.engine.firstActivation("%8.3f");
  EXPECT_EQ(pad.engine.placesCaption(), "Sci");
  pad.press("1 / 3 =");
  EXPECT_EQ(pad.engine.display(), "0.333333333333333");
}

// Any key in any state leaves a display that is "ERROR" or a number text
// (allowing the literal forms of an entry in progress).
TEST(EngineKeys, EveryKeySequenceLeavesANumberOrError) {
  // Every key of the table, then the keyboard's digit, point and backspace
  // and a run of digits long enough to reach the entry's limit.
  const std::vector<std::string> typed = {"#9", "#.", "BS", "99999"};
  const size_t choices = keyTable().size() + typed.size();
  std::mt19937 random(12345);
  for (int run = 0; run < 400; ++run) {
    Keypad pad;
    std::string sequence;
    for (int i = 0; i < 30; ++i) {
      const size_t pick = random() % choices;
      if (pick < keyTable().size()) {
        pad.engine.press(keyTable()[pick].key);
        sequence += std::string(keyTable()[pick].name) + " ";
      } else {
        pad.press(typed[pick - keyTable().size()]);
        sequence += typed[pick - keyTable().size()] + " ";
      }
      std::string shown = pad.engine.display();
      if (shown == "ERROR") continue;
      if (pad.engine.ExponentEntry() && shown.size() >= 2 && shown[shown.size() - 2] == 'E') {
        shown.resize(shown.size() - 2);
      }
      Real v = 0;
      ASSERT_TRUE(tryTextToNumber(shown, v)) << sequence << "-> '" << pad.engine.display() << "'";
    }
  }
}

// A number entered by value (a paste) is one operand, like a recalled one:
// it replaces the entry, shows in the general format whatever the result
// format, goes on the tape before the next operator, and never picks a
// memory location.
TEST(EngineKeys, AnOperandEnteredByValue) {
  const struct {
    const char* before;
    Real value;
    const char* after;
    const char* display;
    Lines tape;
  } cases[] = {
      {"", 2.5L, "", "2.5", {}},
      {"12", 3, "", "3", {}},    // replaces the entry being typed
      {"12", 3, "4", "34", {}},  // digits typed next extend the number shown
      {"1 +", 2, "=", "3", {"1", "+", "2", "= 3"}},
      {"", 1000, "x 2 =", "2000", {"1000", "x", "2", "= 2000"}},
      {"Fin", 1000, "=", "1000", {"1000", "= 1000"}},  // as a typed 1000
      {"Fin 1 +", 1e3L, "=", "        1001.00", {"1", "+", "1000", "=         1001.00"}},
      {"", -1000, "", "-1000", {}},  // no sign-change line
      {"", 1e99L, "", "1E99", {}},
      {"5 E+", 7, "=", "7", {"7", "= 7"}},  // ends an exponent being typed
      {"Sto", 42, "", "42", {}},            // the paste picks no memory location
      {"Sto", 42, "4", "424", {}},
      {"Rec", 42, "", "42", {}},
      {"Rec", 42, "5", "425", {}},  // the digit recalls nothing
      {"Sto +", 42, "1", "421", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " [" + std::to_string(static_cast<double>(c.value)) +
                 "] " + c.after);
    Keypad pad;
    pad.press(c.before);
    pad.engine.enterOperand(c.value);
    pad.press(c.after);
    EXPECT_EQ(pad.engine.display(), c.display);
    EXPECT_EQ(pad.tape.lines, c.tape);
    EXPECT_FALSE(pad.engine.StorePending());
    for (int i = 0; i < CalcEngine::kMemoryCount; ++i) EXPECT_EQ(pad.engine.MemoryLoc(i), "0");
  }
}

TEST(EngineKeys, AnOperandIsIgnoredWhileInError) {
  Keypad pad;
  pad.press("9 / 0 =");
  pad.engine.enterOperand(5);
  EXPECT_EQ(pad.engine.display(), "ERROR");
  pad.press("+ 1 =");
  EXPECT_EQ(pad.engine.display(), "ERROR");
}

}  // namespace
