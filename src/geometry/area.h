// The area notebook without its window: one solver per plane figure and the
// description of the fifteen pages, their modes and the ClearEmAll list.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "geometry/notebook.h"
#include "geometry/solver_page.h"

namespace tivorum {

// Items of the two radio groups.
enum TriangleType : int { kTriangleBaseHeight = 0, kTriangleAllSides = 1 };
enum SectorType : int { kSectorArc = 0, kSectorAngle = 1 };

// Each solver reads its page's fields in the order the page lists them (see
// areaNotebook()) and writes its results there.
void SolveCircle(SolverPage& page);
void SolveSquare(SolverPage& page);
void SolveRectangle(SolverPage& page);
void SolveParallelogram(SolverPage& page);
void SolveTrapezoid(SolverPage& page);
void SolveTrapezium(SolverPage& page);
void SolveTriangle(SolverPage& page, int type);
void SolveRegularPolygon(SolverPage& page, int sides);
void SolveEllipse(SolverPage& page);
void SolveCircularRing(SolverPage& page);
void SolveParabola(SolverPage& page);
void SolveSegment(SolverPage& page);
void SolveSector(SolverPage& page, int type);
void SolveQuadrant(SolverPage& page);
void SolveSpandrel(SolverPage& page);

// The window's selections that some pages solve with.
struct AreaModes {
  int triangleType = kTriangleBaseHeight;
  int sectorType = kSectorArc;
  int polygonSides = 4;
};

using AreaSolver = void (*)(SolverPage&, const AreaModes&);

// Pages in tab order.
enum AreaPageIndex : int {
  kCirclePage,
  kCircularRingPage,
  kEllipsePage,
  kParallelogramPage,
  kParabolaPage,
  kQuadrantPage,
  kRectanglePage,
  kPolygonPage,
  kSectorPage,
  kSegmentPage,
  kSquarePage,
  kSpandrelPage,
  kTrapeziumPage,
  kTrapezoidPage,
  kTrianglePage,
  kAreaPageCount
};

// What the area window needs of a page beyond the shared page description.
struct AreaPageExtras {
  std::string_view shapeName;  // ShowError's name; empty where the page never reports one
  std::span<const std::string_view> pictures;  // 150 x 150 pictures, objectNames
  AreaSolver solve;
};

// What picking one item of a mode group does, before it runs ClearEmAll.
// A field that is shown or hidden takes its label with it.
struct AreaModeView {
  std::span<const std::string_view> show;  // fields and pictures
  std::span<const std::string_view> hide;
  std::string_view tabMoved;  // this field moves to tabPosition
  int tabPosition;
  std::string_view tabStopOff;
  std::string_view tabStopOn;
  // Replaces the explanation pane's lines; empty: the pane keeps its text.
  std::span<const std::string_view> explanation;
};

struct AreaModeGroup {
  int page;
  std::string_view name;  // objectName of the radio group
  std::string_view caption;
  std::array<std::string_view, 2> items;
  std::array<AreaModeView, 2> views;  // per item
};

// The polygon page's number of sides.
struct AreaSpinField {
  int page;
  std::string_view panelName;
  std::string_view labelName;
  std::string_view labelText;
  std::string_view name;
  int minimum;
  int maximum;
  int initial;
  int maxLength;
};

struct AreaNotebook {
  // The pages' solve members are null: area pages solve through
  // AreaPageExtras::solve, which takes the window's modes. The window size
  // given there is the area window's overall size.
  Notebook notebook;
  std::span<const AreaPageExtras> pages;  // same order as notebook.pages
  std::span<const AreaModeGroup> modeGroups;
  AreaSpinField polygonSpin;
};

// TAreaForm: fifteen pages in tab order, the ClearEmAll list (every field of
// every page), the triangle and sector mode groups and the polygon's spin.
const AreaNotebook& areaNotebook();

// The number of sides the polygon solves with for the spin field's text:
// a whole number is held to 4..50; anything else counts as 4.
int PolygonSides(std::string_view spinText);

// Runs one page's Solve over `page` (built with makeSolverPage) with the
// window's modes. pageIndex is an AreaPageIndex.
SolveOutcome solveAreaPage(int pageIndex, SolverPage& page, const AreaModes& modes);

}  // namespace tivorum
