#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "geometry/area_window.h"

using namespace tivorum;

namespace {

const AreaNotebook& book() {
  return areaNotebook();
}

// The letter a field's label names: "Radius (r) =" gives "r".
std::string letterOf(const NotebookField& field) {
  const auto open = field.label.find('(');
  const auto close = field.label.find(')');
  return std::string(field.label.substr(open + 1, close - open - 1));
}

int fieldByLetter(int pageIndex, const std::string& letter) {
  const NotebookPage& page = book().notebook.pages[pageIndex];
  for (size_t i = 0; i < page.fields.size(); ++i) {
    if (letterOf(page.fields[i]) == letter) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no field " << letter << " on " << page.caption;
  return 0;
}

constexpr SolveEnd kOk = SolveEnd::Normal;
constexpr SolveEnd kError = SolveEnd::ShowError;
constexpr SolveEnd kFault = SolveEnd::Fault;

const char* const kDivZero = "Floating point division by zero";
const char* const kInvalid = "Invalid floating point operation";
const char* const kOverflow = "Floating point overflow";

struct AreaCase {
  int page;
  int mode;                         // the triangle's or sector's item, or the polygon's sides
  std::vector<std::string> inputs;  // "letter=text"
  std::vector<std::string> writes;  // "letter=text", in the order written
  SolveEnd end = kOk;
  std::string detail = {};  // ShowError's shape name or the fault's message
};

void runCases(const std::vector<AreaCase>& cases) {
  for (const AreaCase& c : cases) {
    const NotebookPage& desc = book().notebook.pages[c.page];
    std::string what = std::string(desc.caption) + " mode " + std::to_string(c.mode) + ":";
    std::vector<std::string> texts(desc.fields.size());
    for (const std::string& in : c.inputs) {
      const auto eq = in.find('=');
      texts[fieldByLetter(c.page, in.substr(0, eq))] = in.substr(eq + 1);
      what += " " + in;
    }
    SolverPage page = makeSolverPage(desc, texts);
    AreaModes modes;
    modes.triangleType = c.mode;
    modes.sectorType = c.mode;
    modes.polygonSides = c.mode;
    const SolveOutcome outcome = solveAreaPage(c.page, page, modes);

    std::vector<std::string> writes;
    for (const auto& [field, text] : page.writes()) {
      writes.push_back(letterOf(desc.fields[field]) + "=" + text);
    }
    EXPECT_EQ(writes, c.writes) << what;
    EXPECT_EQ(outcome.end, c.end) << what;
    if (c.end == kError) {
      EXPECT_EQ(outcome.shapeName, c.detail) << what;
      EXPECT_EQ(book().notebook.pages[c.page].shapeName, c.detail) << what;
    } else if (c.end == kFault) {
      EXPECT_EQ(outcome.message, c.detail) << what;
    }
  }
}

TEST(AreaSolve, Circle) {
  runCases({
      {kCirclePage, 0, {"r=1"}, {"A=3.14159265", "d=2", "p=6.28318530"}},
      // The area wins over a typed radius.
      {kCirclePage, 0, {"A=1", "r=5"}, {"r=0.56418958", "d=1.12837916", "p=3.54490770"}},
      {kCirclePage, 0, {"d=2"}, {"A=3.14159265", "r=1", "p=6.28318530"}},
      {kCirclePage, 0, {"p=1"}, {"A=0.07957747", "r=0.15915494", "d=0.31830988"}},
      // Integer digits that do not fit keep the magnitude.
      {kCirclePage, 0, {"r=100000"}, {"A=3.14159E10", "d=200000", "p=628318.530"}},
      // A lone point is known and reads as 0.
      {kCirclePage, 0, {"A=."}, {"r=0", "d=0", "p=0"}},
      {kCirclePage, 0, {"A=-1"}, {}, kFault, kInvalid},
      // Results written before a fault stay.
      {kCirclePage, 0, {"A=1E4932"}, {"r=5.642E2465", "d=1.128E2466"}, kFault, kOverflow},
      {kCirclePage,
       0,
       {"A=1.2.3", "r=1"},
       {},
       kFault,
       "'1.2.3' is not a valid floating point value"},
      {kCirclePage, 0, {}, {}},
  });
}

TEST(AreaSolve, Square) {
  runCases({
      {kSquarePage, 0, {"A=2"}, {"s=1.41421356", "d=2"}},
      {kSquarePage, 0, {"s=3"}, {"A=9", "d=4.24264068"}},
      {kSquarePage, 0, {"d=2"}, {"A=2", "s=1.41421356"}},
      {kSquarePage, 0, {"s=123456"}, {"A=1.52414E10", "d=174593.149"}},
      {kSquarePage, 0, {"s=1E3000"}, {}, kFault, kOverflow},
      {kSquarePage, 0, {}, {}},
  });
}

TEST(AreaSolve, Rectangle) {
  runCases({
      {kRectanglePage, 0, {"A=12", "a=3"}, {"b=4", "d=5"}},
      {kRectanglePage, 0, {"A=12", "b=4"}, {"a=3", "d=5"}},
      {kRectanglePage, 0, {"A=12", "d=5"}, {"a=4", "b=3"}},
      {kRectanglePage, 0, {"a=3", "b=4"}, {"A=12", "d=5"}},
      {kRectanglePage, 0, {"a=3", "d=5"}, {"b=4", "A=12"}},
      {kRectanglePage, 0, {"b=4", "d=5"}, {"A=12", "a=3"}},
      {kRectanglePage, 0, {"a=3", "d=2"}, {}, kError, "Rectangle"},
      {kRectanglePage, 0, {"A=12", "a=0"}, {}, kError, "Rectangle"},
      {kRectanglePage, 0, {"A=12", "b=0"}, {}, kError, "Rectangle"},
      {kRectanglePage, 0, {"A=12", "d=2"}, {}, kError, "Rectangle"},
      {kRectanglePage, 0, {"b=5", "d=3"}, {}, kError, "Rectangle"},
      // The second checks come after a result is shown.
      {kRectanglePage, 0, {"A=0", "d=0"}, {"a=0"}, kError, "Rectangle"},
      {kRectanglePage, 0, {"b=0", "d=0"}, {"A=0"}, kError, "Rectangle"},
      // b is read back before d; a is not (d differs in the last place).
      {kRectanglePage, 0, {"A=1000", "a=7"}, {"b=142.857142", "d=143.028539"}},
      {kRectanglePage, 0, {"A=1000", "b=7"}, {"a=142.857142", "d=143.028540"}},
      // a, and A, are read back before the division.
      {kRectanglePage, 0, {"A=12", "d=6"}, {"a=5.60503415", "b=2.14093254"}},
      {kRectanglePage, 0, {"b=3", "d=6"}, {"A=15.5884572", "a=5.1961524"}},
      {kRectanglePage, 0, {"A=12"}, {}},
      {kRectanglePage, 0, {"d=5"}, {}},
  });
}

TEST(AreaSolve, Parallelogram) {
  runCases({
      {kParallelogramPage, 0, {"A=10", "a=4"}, {"b=2.5"}},
      {kParallelogramPage, 0, {"A=10", "b=4"}, {"a=2.5"}},
      {kParallelogramPage, 0, {"a=4", "b=2.5"}, {"A=10"}},
      {kParallelogramPage, 0, {"A=10", "a=0"}, {}, kError, "Parallelogram"},
      {kParallelogramPage, 0, {"A=10", "b=0"}, {}, kError, "Parallelogram"},
      {kParallelogramPage, 0, {"A=1", "a=3"}, {"b=0.3333333333333"}},
      {kParallelogramPage, 0, {"a=4"}, {}},
  });
}

TEST(AreaSolve, Trapezoid) {
  runCases({
      {kTrapezoidPage, 0, {"a=3", "b=5", "h=2"}, {"A=8"}},
      {kTrapezoidPage, 0, {"A=8", "a=3", "b=5"}, {"h=2"}},
      {kTrapezoidPage, 0, {"A=8", "a=3", "h=2"}, {"b=5"}},
      {kTrapezoidPage, 0, {"A=8", "b=5", "h=2"}, {"a=3"}},
      {kTrapezoidPage, 0, {"A=8", "a=0", "b=0"}, {}, kError, "Trapezoid"},
      {kTrapezoidPage, 0, {"A=8", "a=3", "h=0"}, {}, kError, "Trapezoid"},
      {kTrapezoidPage, 0, {"A=8", "b=5", "h=0"}, {}, kError, "Trapezoid"},
      // A negative result is cut like any other.
      {kTrapezoidPage, 0, {"A=1", "a=5", "h=3"}, {"b=-4.333333333333"}},
      {kTrapezoidPage, 0, {"A=8", "a=3"}, {}},
  });
}

TEST(AreaSolve, Trapezium) {
  runCases({
      {kTrapeziumPage, 0, {"a=4", "b=1", "c=2", "g=3", "h=5"}, {"A=22.5"}},
      {kTrapeziumPage, 0, {"A=22.5", "a=4", "b=1", "c=2", "g=3"}, {"h=5"}},
      {kTrapeziumPage, 0, {"A=22.5", "a=4", "b=1", "c=2", "h=5"}, {"g=3"}},
      {kTrapeziumPage, 0, {"A=22.5", "a=4", "b=1", "g=3", "h=5"}, {"c=2"}},
      {kTrapeziumPage, 0, {"A=22.5", "a=4", "c=2", "g=3", "h=5"}, {"b=1"}},
      {kTrapeziumPage, 0, {"A=22.5", "b=1", "c=2", "g=3", "h=5"}, {"a=4"}},
      {kTrapeziumPage, 0, {"A=10", "a=1", "b=2", "c=3", "g=1.5"}, {"h=3.875"}},
      {kTrapeziumPage, 0, {"A=1", "a=0", "b=1", "c=0", "g=1"}, {}, kError, "Trapezium"},
      {kTrapeziumPage, 0, {"A=1", "a=0", "b=0", "c=1", "h=1"}, {}, kError, "Trapezium"},
      {kTrapeziumPage, 0, {"A=1", "a=1", "b=1", "g=1", "h=0"}, {}, kError, "Trapezium"},
      {kTrapeziumPage, 0, {"A=1", "a=1", "c=1", "g=0", "h=1"}, {}, kError, "Trapezium"},
      // The fifth case divides by g + h unchecked.
      {kTrapeziumPage, 0, {"A=1", "b=1", "c=1", "g=0", "h=0"}, {}, kFault, kDivZero},
      {kTrapeziumPage, 0, {"A=0", "b=1", "c=1", "g=0", "h=0"}, {}, kFault, kInvalid},
      {kTrapeziumPage, 0, {"A=22.5", "a=4", "b=1", "c=2"}, {}},
  });
}

TEST(AreaSolve, TriangleWithBaseAndHeight) {
  runCases({
      {kTrianglePage, kTriangleBaseHeight, {"A=6", "b=4"}, {"h=3"}},
      {kTrianglePage, kTriangleBaseHeight, {"A=6", "h=3"}, {"b=4"}},
      {kTrianglePage, kTriangleBaseHeight, {"b=4", "h=3"}, {"A=6"}},
      {kTrianglePage, kTriangleBaseHeight, {"A=10", "b=3"}, {"h=6.6666666666666"}},
      {kTrianglePage, kTriangleBaseHeight, {"A=6", "b=0"}, {}, kFault, kDivZero},
      {kTrianglePage, kTriangleBaseHeight, {"A=0", "b=0"}, {}, kFault, kInvalid},
      {kTrianglePage, kTriangleBaseHeight, {"A=6", "h=0"}, {}, kFault, kDivZero},
      // The other mode's fields are read but not used.
      {kTrianglePage, kTriangleBaseHeight, {"A=6", "a=3", "b=4"}, {"h=3"}},
      {kTrianglePage, kTriangleBaseHeight, {"a=3", "c=5"}, {}},
      {kTrianglePage,
       kTriangleBaseHeight,
       {"A=6", "b=4", "c=x"},
       {},
       kFault,
       "'x' is not a valid floating point value"},
  });
}

TEST(AreaSolve, TriangleWithAllSides) {
  runCases({
      {kTrianglePage, kTriangleAllSides, {"a=3", "b=4"}, {"A=6", "c=5"}},
      {kTrianglePage, kTriangleAllSides, {"a=3", "c=5"}, {"A=6", "b=4"}},
      {kTrianglePage, kTriangleAllSides, {"b=4", "c=5"}, {"A=6", "a=3"}},
      {kTrianglePage, kTriangleAllSides, {"A=6", "a=3"}, {"b=4", "c=5"}},
      {kTrianglePage, kTriangleAllSides, {"A=6", "b=4"}, {"a=3", "c=5"}},
      {kTrianglePage,
       kTriangleAllSides,
       {"a=1", "c=2"},
       {"A=0.8660254037844", "b=1.7320508075688"}},
      // The computed leg is read back before the hypotenuse.
      {kTrianglePage,
       kTriangleAllSides,
       {"A=7", "a=3"},
       {"b=4.6666666666666", "c=5.5477723256976"}},
      {kTrianglePage,
       kTriangleAllSides,
       {"A=7", "b=3"},
       {"a=4.6666666666666", "c=5.5477723256976"}},
      {kTrianglePage, kTriangleAllSides, {"a=5", "c=3"}, {}, kError, "Triangle"},
      {kTrianglePage, kTriangleAllSides, {"b=5", "c=3"}, {}, kError, "Triangle"},
      {kTrianglePage, kTriangleAllSides, {"A=6", "a=0"}, {}, kError, "Triangle"},
      {kTrianglePage, kTriangleAllSides, {"A=6", "b=0"}, {}, kError, "Triangle"},
      {kTrianglePage, kTriangleAllSides, {"A=6", "h=3"}, {}},
  });
}

TEST(AreaSolve, RegularPolygon) {
  runCases({
      {kPolygonPage, 4, {"S=2"}, {"A=4", "r=1", "R=1.4142135623731"}},
      {kPolygonPage, 4, {"A=4"}, {"r=1", "R=1.4142135623731", "S=2"}},
      // The cut area is what r and S come from: S falls short of 1.
      {kPolygonPage, 6, {"R=1"}, {"A=2.5980762113533", "r=0.8660254037844", "S=0.9999999999999"}},
      {kPolygonPage, 6, {"r=1"}, {"A=3.4641016151377", "R=1.1547005383792", "S=1.1547005383792"}},
      {kPolygonPage, 5, {"A=10"}, {"r=1.6591455153006", "R=2.0508166414755", "S=2.4108795540306"}},
      {kPolygonPage, 50, {"R=1"}, {"A=3.1333308391076", "r=0.9980267284282", "S=0.1255810390586"}},
      {kPolygonPage, 7, {"S=3"}, {"A=32.705211996014", "r=3.1147820948584", "R=3.4571473064437"}},
      {kPolygonPage, 4, {"A=-4"}, {}, kFault, kInvalid},
      {kPolygonPage, 4, {}, {}},
  });
}

TEST(AreaSolve, Ellipse) {
  runCases({
      {kEllipsePage, 0, {"a=1", "b=2"}, {"A=6.2831853071795"}},
      {kEllipsePage, 0, {"A=10", "a=2"}, {"b=1.5915494309189"}},
      {kEllipsePage, 0, {"A=10", "b=2"}, {"a=1.5915494309189"}},
      {kEllipsePage, 0, {"A=1", "a=0"}, {}, kFault, kDivZero},
      {kEllipsePage, 0, {"A=0", "a=0"}, {}, kFault, kInvalid},
      {kEllipsePage, 0, {"A=1", "b=0"}, {}, kFault, kDivZero},
      // An exponent that does not fit costs digits, not the exponent.
      {kEllipsePage, 0, {"a=1E10", "b=1E10"}, {"A=3.1415926536E20"}},
      // Rounded at every step in the order pi x a x b: the exact product
      // would show ...413.
      {kEllipsePage, 0, {"a=7384972", "b=17107683"}, {"A=396908061683412"}},
      {kEllipsePage, 0, {"A=1"}, {}},
  });
}

TEST(AreaSolve, CircularRing) {
  runCases({
      {kCircularRingPage, 0, {"r=1", "R=2"}, {"A=9.4247779607693"}},
      {kCircularRingPage, 0, {"A=3", "r=1"}, {"R=1.3981879911340"}},
      {kCircularRingPage, 0, {"A=3", "R=2"}, {"r=1.7450129917707"}},
      {kCircularRingPage, 0, {"r=2", "R=2"}, {}, kError, "Circular Ring"},
      {kCircularRingPage, 0, {"r=3", "R=2"}, {}, kError, "Circular Ring"},
      {kCircularRingPage, 0, {"A=20", "R=2"}, {}, kError, "Circular Ring"},
      {kCircularRingPage, 0, {"A=-10", "r=1"}, {}, kError, "Circular Ring"},
      {kCircularRingPage, 0, {"R=2"}, {}},
  });
}

TEST(AreaSolve, Parabola) {
  runCases({
      {kParabolaPage, 0, {"b=3", "h=2"}, {"A=4"}},
      {kParabolaPage, 0, {"A=4", "b=3"}, {"h=2"}},
      {kParabolaPage, 0, {"A=4", "h=2"}, {"b=3"}},
      {kParabolaPage, 0, {"b=1", "h=1"}, {"A=0.6666666666666"}},
      {kParabolaPage, 0, {"A=0.001", "b=7"}, {"h=0.0002142857142"}},
      {kParabolaPage, 0, {"A=4", "b=0"}, {}, kFault, kDivZero},
      {kParabolaPage, 0, {"A=0", "b=0"}, {}, kFault, kInvalid},
      {kParabolaPage, 0, {"A=4", "h=0"}, {}, kFault, kDivZero},
      {kParabolaPage, 0, {"h=2"}, {}},
  });
}

TEST(AreaSolve, Segment) {
  runCases({
      // A half circle.
      {kSegmentPage, 0, {"r=2", "h=2", "c=4", "b=6.2831853071796"}, {"A=6.2831853071796"}},
      {kSegmentPage, 0, {"A=6.2831853071796", "r=2", "h=2", "c=4"}, {"b=6.2831853071796"}},
      {kSegmentPage, 0, {"A=10", "r=2", "h=3", "c=4"}, {"b=8"}},
      {kSegmentPage, 0, {"A=10", "r=2", "h=3", "b=8"}, {"c=4"}},
      {kSegmentPage, 0, {"A=10", "r=2", "c=4", "b=8"}, {"h=3"}},
      {kSegmentPage, 0, {"A=10", "h=3", "c=4", "b=8"}, {"r=2"}},
      {kSegmentPage, 0, {"r=2", "h=3", "c=4", "b=8"}, {"A=10"}},
      // A quarter of the circle cut off by its chord.
      {kSegmentPage,
       0,
       {"r=2", "h=0.5857864376269", "c=2.8284271247461", "b=3.1415926535897"},
       {"A=1.1415926535897"}},
      {kSegmentPage, 0, {"A=10", "r=0", "h=3", "c=4"}, {}, kError, "Segment"},
      {kSegmentPage, 0, {"A=10", "r=-1", "h=3", "c=4"}, {}, kError, "Segment"},
      {kSegmentPage, 0, {"A=10", "r=2", "h=2", "b=8"}, {}, kError, "Segment"},
      {kSegmentPage, 0, {"A=10", "r=2", "c=0", "b=8"}, {}, kError, "Segment"},
      {kSegmentPage, 0, {"A=10", "h=3", "c=4", "b=4"}, {}, kError, "Segment"},
      // The area is shown before it is checked.
      {kSegmentPage, 0, {"r=2", "h=0", "c=4", "b=1"}, {"A=-3"}, kError, "Segment"},
      {kSegmentPage, 0, {"A=10", "r=2", "h=3"}, {}},
  });
}

TEST(AreaSolve, SectorWithArc) {
  runCases({
      {kSectorPage, kSectorArc, {"r=2", "b=3"}, {"A=3"}},
      {kSectorPage, kSectorArc, {"A=3", "r=2"}, {"b=3"}},
      {kSectorPage, kSectorArc, {"A=3", "b=3"}, {"r=2"}},
      {kSectorPage, kSectorArc, {"A=3", "r=0"}, {}, kError, "Sector"},
      {kSectorPage, kSectorArc, {"A=3", "b=0"}, {}, kError, "Sector"},
      // The hidden angle is converted but never used.
      {kSectorPage, kSectorArc, {"r=2", "\u00d8=90"}, {}},
      {kSectorPage,
       kSectorArc,
       {"r=2", "b=3", "\u00d8=9x"},
       {},
       kFault,
       "'9x' is not a valid floating point value"},
  });
}

TEST(AreaSolve, SectorWithAngle) {
  runCases({
      {kSectorPage, kSectorAngle, {"r=2", "\u00d8=90"}, {"A=3.1415926535897"}},
      {kSectorPage, kSectorAngle, {"A=10", "r=2"}, {"\u00d8=286.47889756541"}},
      {kSectorPage, kSectorAngle, {"A=3", "\u00d8=90"}, {"r=1.9544100476116"}},
      {kSectorPage, kSectorAngle, {"A=3", "\u00d8=0"}, {}, kError, "Sector"},
      {kSectorPage, kSectorAngle, {"A=3", "r=0"}, {}, kError, "Sector"},
      // r x r x pi x angle x 1/360, rounded at each step from the left.
      {kSectorPage, kSectorAngle, {"r=8806134", "\u00d8=992"}, {"A=671320058052299"}},
      {kSectorPage, kSectorAngle, {"r=2", "b=3"}, {}},
      {kSectorPage, kSectorAngle, {"A=1", "b=3"}, {}},
  });
}

TEST(AreaSolve, Quadrant) {
  runCases({
      {kQuadrantPage, 0, {"r=2"}, {"A=3.1415926535897", "c=2.8284271247461"}},
      {kQuadrantPage, 0, {"A=4"}, {"c=3.1915382432114", "r=2.2567583341910"}},
      // r comes from the shown area, which is above pi/2.
      {kQuadrantPage, 0, {"c=2"}, {"A=1.5707963267949", "r=1.4142135623731"}},
      {kQuadrantPage, 0, {"c=0"}, {"A=0"}, kError, "Quadrant"},
      {kQuadrantPage, 0, {"A=-1"}, {}, kError, "Quadrant"},
      {kQuadrantPage, 0, {}, {}},
  });
}

TEST(AreaSolve, Spandrel) {
  runCases({
      {kSpandrelPage, 0, {"r=2"}, {"A=0.8584073464102", "c=2.8284271247461"}},
      {kSpandrelPage, 0, {"A=1"}, {"r=2.1586552217354", "c=3.0527994910657"}},
      // r comes from the cut area, so it falls short of the square root of 2.
      {kSpandrelPage, 0, {"c=2"}, {"A=0.4292036732051", "r=1.4142135623730"}},
      {kSpandrelPage, 0, {"A=-1"}, {}, kFault, kInvalid},
      {kSpandrelPage, 0, {}, {}},
  });
}

TEST(AreaNotebookDescription, PagesInTabOrderWithTheirFieldLengths) {
  const std::vector<std::string> captions = {
      "Circle",   "Circular Ring", "Ellipse",      "Parallelogram", "Parabola",
      "Quadrant", "Rectangle",     "Reg. Polygon", "Sector",        "Segment",
      "Square",   "Spandrel",      "Trapezium",    "Trapezoid",     "Triangle"};
  const Notebook& nb = book().notebook;
  ASSERT_EQ(nb.pages.size(), captions.size());
  for (size_t i = 0; i < captions.size(); ++i) {
    EXPECT_EQ(nb.pages[i].caption, captions[i]);
    const bool shortFields = i == kCirclePage || i == kSquarePage || i == kRectanglePage;
    for (const NotebookField& field : nb.pages[i].fields) {
      EXPECT_EQ(field.maxLength, shortFields ? 10 : 15) << field.name;
    }
    // Only the pages that solve with the window's modes go without a solver.
    const bool withModes = i == kTrianglePage || i == kSectorPage || i == kPolygonPage;
    EXPECT_EQ(nb.pages[i].solve == nullptr, withModes) << captions[i];
  }
}

TEST(AreaNotebookDescription, ClearEmAllReachesEveryFieldInListOrder) {
  // The first thirteen figures in the list's order, then sector and quadrant.
  const int order[] = {kCirclePage,    kSquarePage,       kRectanglePage, kParallelogramPage,
                       kTrapezoidPage, kTrapeziumPage,    kTrianglePage,  kPolygonPage,
                       kEllipsePage,   kCircularRingPage, kParabolaPage,  kSegmentPage,
                       kSpandrelPage,  kSectorPage,       kQuadrantPage};
  std::vector<std::string_view> expected;
  for (int page : order) {
    for (const NotebookField& field : book().notebook.pages[page].fields) {
      expected.push_back(field.name);
    }
  }
  const auto& list = book().notebook.clearList;
  EXPECT_EQ(std::vector<std::string_view>(list.begin(), list.end()), expected);
  EXPECT_EQ(list.size(), 57u);
}

TEST(AreaNotebookDescription, ObjectNamesAreUnique) {
  std::set<std::string_view> seen;
  auto add = [&](std::string_view name) { EXPECT_TRUE(seen.insert(name).second) << name; };
  for (size_t i = 0; i < book().notebook.pages.size(); ++i) {
    const NotebookPage& page = book().notebook.pages[i];
    for (const NotebookField& field : page.fields) add(field.name);
    add(page.explanationName);
    add(page.buttons.clear);
    add(page.buttons.solve);
    add(page.buttons.close);
    add(page.buttons.help);
    for (std::string_view picture : book().notebook.pages[i].pictures) add(picture);
  }
  for (const AreaModeGroup& group : book().modeGroups) add(group.name);
  const AreaSpinField& spin = book().polygonSpin;
  add(spin.panelName);
  add(spin.labelName);
  add(spin.name);
  add(book().notebook.notebookName);
}

// Which of a page's fields and pictures are visible after picking an item.
std::set<std::string_view> visibleAfter(const AreaModeGroup& group, int item) {
  std::set<std::string_view> visible;
  for (const NotebookField& field : book().notebook.pages[group.page].fields) {
    visible.insert(field.name);
  }
  for (std::string_view picture : book().notebook.pages[group.page].pictures)
    visible.insert(picture);
  for (std::string_view name : group.views[item].hide) visible.erase(name);
  for (std::string_view name : group.views[item].show) visible.insert(name);
  return visible;
}

TEST(AreaNotebookDescription, ModeSwitchesShowTheFieldsTheModeSolvesWith) {
  struct ModeCase {
    std::string_view group;
    int item;
    std::set<std::string_view> visible;
    std::string_view tabStopOn, tabStopOff;
  };
  const ModeCase cases[] = {
      {"TriangleTypeGroup",
       kTriangleBaseHeight,
       {"TriangleAreaEdit", "TriangleBSideEdit", "TriangleHeightEdit", "TriangleImage1"},
       "TriangleHeightEdit",
       "Triangle2ASideEdit"},
      {"TriangleTypeGroup",
       kTriangleAllSides,
       {"TriangleAreaEdit", "TriangleBSideEdit", "Triangle2ASideEdit", "Triangle2CSideEdit",
        "TriangleImage2"},
       "Triangle2ASideEdit",
       "TriangleHeightEdit"},
      {"SectorGroup",
       kSectorArc,
       {"SectorAreaEdit", "SectorRadiusEdit", "SectorArcEdit", "SectorImage"},
       "SectorArcEdit",
       "SectorAngleEdit"},
      {"SectorGroup",
       kSectorAngle,
       {"SectorAreaEdit", "SectorRadiusEdit", "SectorAngleEdit", "SectorImage"},
       "SectorAngleEdit",
       "SectorArcEdit"},
  };
  ASSERT_EQ(book().modeGroups.size(), 2u);
  for (const ModeCase& c : cases) {
    const auto group = std::find_if(book().modeGroups.begin(), book().modeGroups.end(),
                                    [&](const AreaModeGroup& g) { return g.name == c.group; });
    ASSERT_NE(group, book().modeGroups.end()) << c.group;
    EXPECT_EQ(visibleAfter(*group, c.item), c.visible) << c.group << " " << c.item;
    EXPECT_EQ(group->views[c.item].tabStopOn, c.tabStopOn);
    EXPECT_EQ(group->views[c.item].tabStopOff, c.tabStopOff);
  }
}

TEST(AreaNotebookDescription, OnlyTheTriangleModesRewriteTheExplanation) {
  const auto& groups = book().modeGroups;
  const AreaModeGroup& triangle = groups[0].page == kTrianglePage ? groups[0] : groups[1];
  const AreaModeGroup& sector = groups[0].page == kSectorPage ? groups[0] : groups[1];
  ASSERT_EQ(triangle.views[0].explanation.size(), 1u);
  EXPECT_EQ(triangle.views[0].explanation[0], "Enter two known values, then 'Solve'.");
  ASSERT_EQ(triangle.views[1].explanation.size(), 1u);
  EXPECT_EQ(triangle.views[1].explanation[0],
            "Enter area and a or b, or enter a and b, a and c, or b and c, then 'Solve'.");
  EXPECT_TRUE(sector.views[0].explanation.empty());
  EXPECT_TRUE(sector.views[1].explanation.empty());
}

TEST(AreaNotebookDescription, ShowErrorMessage) {
  EXPECT_EQ(showErrorMessage(book().notebook, "Rectangle"),
            "The data entered is invalid for a Rectangle!");
  EXPECT_EQ(showErrorMessage(book().notebook, "Circular Ring"),
            "The data entered is invalid for a Circular Ring!");
}

TEST(PolygonSides, HeldToFourToFiftyAndFourWhenNotWhole) {
  const struct {
    const char* text;
    int sides;
  } cases[] = {{"4", 4}, {"7", 7}, {"50", 50}, {"51", 50}, {"99", 50}, {"3", 4},
               {"0", 4}, {"", 4},  {"x", 4},   {"1.", 4},  {"-5", 4},  {"07", 7}};
  for (const auto& c : cases) EXPECT_EQ(PolygonSides(c.text), c.sides) << c.text;
}

}  // namespace
