// The area notebook without its window: one solver per plane figure.
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
// areaNotebook() in area_window.h) and writes its results there.
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

// The number of sides the polygon solves with for the spin field's text:
// a whole number is held to 4..50; anything else counts as 4.
int PolygonSides(std::string_view spinText);

}  // namespace tivorum
