#include "geometry/area_window.h"

#include <iterator>
#include <string_view>

namespace tivorum {

namespace {

constexpr int kShort = 10;  // the first four figures' fields
constexpr int kLong = 15;

constexpr NotebookField kCircleFields[] = {
    {"CircleAreaEdit", "Area (A) =", kShort},
    {"CircleRadiusEdit", "Radius (r) =", kShort},
    {"CircleDiameterEdit", "Diameter (d) =", kShort},
    {"CirclePerimeterEdit", "Perimeter (p) =", kShort},
};
constexpr NotebookField kSquareFields[] = {
    {"SquareAreaEdit", "Area (A) =", kShort},
    {"SquareSideEdit", "side (s) =", kShort},
    {"SquareDiagonalEdit", "diagonal (d) =", kShort},
};
constexpr NotebookField kRectangleFields[] = {
    {"RectangleAreaEdit", "Area (A) =", kShort},
    {"RectangleASideEdit", "Side (a) =", kShort},
    {"RectangleBSideEdit", "Side (b) =", kShort},
    {"RectangleDiagonalEdit", "Diagonal (d) =", kShort},
};
constexpr NotebookField kParallelFields[] = {
    {"ParallelAreaEdit", "Area (A) =", kLong},
    {"ParallelASideEdit", "side (a) =", kLong},
    {"ParallelBSideEdit", "side (b) =", kLong},
};
constexpr NotebookField kTrapezoidFields[] = {
    {"TrapezoidAreaEdit", "Area (A) =", kLong},
    {"TrapezoidASideEdit", "Side (a) =", kLong},
    {"TrapezoidBSideEdit", "Side (b) =", kLong},
    {"TrapezoidHeightEdit", "Height (h) =", kLong},
};
constexpr NotebookField kTrapeziumFields[] = {
    {"TrapeziumAreaEdit", "Area (A) =", kLong},    {"TrapeziumASideEdit", "Length (a) =", kLong},
    {"TrapeziumBSideEdit", "Length (b) =", kLong}, {"TrapeziumCSideEdit", "Length (c) =", kLong},
    {"TrapeziumGSideEdit", "Height (g) =", kLong}, {"TrapeziumHSideEdit", "Height (h) =", kLong},
};
constexpr NotebookField kTriangleFields[] = {
    {"TriangleAreaEdit", "Area (A) =", kLong},   {"TriangleBSideEdit", "Base (b) =", kLong},
    {"Triangle2ASideEdit", "Side (a) =", kLong}, {"TriangleHeightEdit", "Height (h) =", kLong},
    {"Triangle2CSideEdit", "Side (c) =", kLong},
};
constexpr NotebookField kPolygonFields[] = {
    {"PolygonAreaEdit", "Area (A) =", kLong},
    {"PolygonShortREdit", "Radius (r) =", kLong},
    {"PolygonLongREdit", "Radius (R) =", kLong},
    {"PolygonSideEdit", "Side (S) =", kLong},
};
constexpr NotebookField kEllipseFields[] = {
    {"EllipseAreaEdit", "Area (A) =", kLong},
    {"EllipseAEdit", "Minor Axis (a) =", kLong},
    {"EllipseBEdit", "Major Axis (b) =", kLong},
};
constexpr NotebookField kCircRingFields[] = {
    {"CircRingAreaEdit", "Area (A) =", kLong},
    {"CircRingShortREdit", "Inner Radius (r) =", kLong},
    {"CircRingLongREdit", "Outer Radius (R) =", kLong},
};
constexpr NotebookField kParabolaFields[] = {
    {"ParabolaAreaEdit", "Area (A) =", kLong},
    {"ParabolaBaseEdit", "Base (b) =", kLong},
    {"ParabolaHeightEdit", "Height (h) =", kLong},
};
constexpr NotebookField kSegmentFields[] = {
    {"SegmentAreaEdit", "Area (A) =", kLong},      {"SegmentRadiusEdit", "Radius (r) =", kLong},
    {"SegmentHeightEdit", "Height (h) =", kLong},  {"SegmentChordEdit", "Chord (c) =", kLong},
    {"SegmentArcEdit", "Arc length (b) =", kLong},
};
constexpr NotebookField kSectorFields[] = {
    {"SectorAreaEdit", "Area (A) =", kLong},
    {"SectorRadiusEdit", "Radius (r) =", kLong},
    {"SectorArcEdit", "Arc length (b) =", kLong},
    {"SectorAngleEdit", "Angle (\u00d8) =", kLong},
};
constexpr NotebookField kQuadrantFields[] = {
    {"QuadrantAreaEdit", "Area (A) =", kLong},
    {"QuadrantRadiusEdit", "Radius (r) =", kLong},
    {"QuadrantChordEdit", "Chord (c) =", kLong},
};
constexpr NotebookField kSpandrelFields[] = {
    {"SpandrelAreaEdit", "Area (A) =", kLong},
    {"SpandrelRadiusEdit", "Radius (r) =", kLong},
    {"SpandrelChordEdit", "Chord (c) =", kLong},
};

constexpr std::string_view kCircleLines[] = {"Enter any known ", "value, then ", "'Solve'."};
constexpr std::string_view kCircRingLines[] = {"Enter two known ", "value, then ", "'Solve'."};
constexpr std::string_view kEllipseLines[] = {"Enter two known ", "values, then ", "'Solve'."};
constexpr std::string_view kParallelLines[] = {"Enter two ", "known values, ", "then 'Solve'."};
constexpr std::string_view kParabolaLines[] = {"Enter two ", "known ", "values, then ", "'Solve'."};
constexpr std::string_view kQuadrantLines[] = {"Enter any ", "known value, ", "then 'Solve'."};
constexpr std::string_view kRectangleLines[] = {"Enter two ", "known ", "values, then ",
                                                "'Solve'."};
constexpr std::string_view kPolygonLines[] = {"Enter any known ", "value, then ", "'Solve'."};
constexpr std::string_view kSectorLines[] = {"Enter any ", "two known ", "values, then ",
                                             "'Solve'."};
constexpr std::string_view kSegmentLines[] = {"Enter any ", "four known ", "values, then ",
                                              "'Solve'."};
constexpr std::string_view kSquareLines[] = {"Enter any ", "known ", "value, ", "then 'Solve'."};
constexpr std::string_view kSpandrelLines[] = {"Enter any ", "value, then ", "'Solve'."};
constexpr std::string_view kTrapeziumLines[] = {"Enter five known ", "values,", "then 'Solve'."};
constexpr std::string_view kTrapezoidLines[] = {"Enter three ", "known values, ", "then 'Solve'."};
// Shown until the first mode switch gives the pane its one-line text.
constexpr std::string_view kTriangleLines[] = {"Enter two known ", "values, then ", "'Solve'."};

constexpr NotebookPage kPages[] = {
    {"Circle",
     kCircleFields,
     "CircleMemo",
     kCircleLines,
     {"CircleClearBtn", "CircleSolveBtn", "AreaCloseBtn", "AreaHelpBtn"},
     nullptr},
    {"Circular Ring",
     kCircRingFields,
     "CircRingExp",
     kCircRingLines,
     {"CircRingClearBtn", "CircRingSolveBtn", "CircRingCloseBtn", "CircRingHelpBtn"},
     nullptr},
    {"Ellipse",
     kEllipseFields,
     "EllipseExp",
     kEllipseLines,
     {"EllipseClearBtn", "EllipseSolveBtn", "EllipseCloseBtn", "EllipseHelpBtn"},
     nullptr},
    {"Parallelogram",
     kParallelFields,
     "ParallelMemo",
     kParallelLines,
     {"ParallelClearBtn", "ParallelSolveBtn", "ParallelCloseBtn", "ParallelHelpBtn"},
     nullptr},
    {"Parabola",
     kParabolaFields,
     "ParabolaExp",
     kParabolaLines,
     {"ParabolaClearBtn", "ParabolaSolveBtn", "ParabolaCloseBtn", "ParabolaHelpBtn"},
     nullptr},
    {"Quadrant",
     kQuadrantFields,
     "QuadrantExp",
     kQuadrantLines,
     {"QuadrantClearBtn", "QuadrantSolveBtn", "QuadrantCloseBtn", "QuadrantHelpBtn"},
     nullptr},
    {"Rectangle",
     kRectangleFields,
     "Memo1",
     kRectangleLines,
     {"RectangleClearBtn", "RectangleSolveBtn", "BitBtn1", "RectangleHelpBtn"},
     nullptr},
    {"Reg. Polygon",
     kPolygonFields,
     "PolygonExp",
     kPolygonLines,
     {"PolygonClearBtn", "PolygonSolveBtn", "PolygonCloseBtn", "PolygonHelpBtn"},
     nullptr},
    {"Sector",
     kSectorFields,
     "SectorExp",
     kSectorLines,
     {"SectorClearBtn", "SectorSolveBtn", "SectorCloseBtn", "SectorHelpBtn"},
     nullptr},
    {"Segment",
     kSegmentFields,
     "SegmentExp",
     kSegmentLines,
     {"SegmentClearBtn", "SegmentSolveBtn", "SegmentCloseBtn", "SegmentHelpBtn"},
     nullptr},
    {"Square",
     kSquareFields,
     "SquareMemo",
     kSquareLines,
     {"SquareClearBtn", "SquareSolveBtn", "SquareCloseButton", "SquareHelpButton"},
     nullptr},
    {"Spandrel",
     kSpandrelFields,
     "Memo2",
     kSpandrelLines,
     {"SpandrelClearBtn", "SpandrelSolveBtn", "SpandrelCloseBtn", "SpandrelHelpBtn"},
     nullptr},
    {"Trapezium",
     kTrapeziumFields,
     "TrapeziumExp",
     kTrapeziumLines,
     {"TrapeziumClearBtn", "TrapeziumSolveBtn", "TrapeziumCloseBtn", "TrapeziumHelpBtn"},
     nullptr},
    {"Trapezoid",
     kTrapezoidFields,
     "TrapezoidLabel",
     kTrapezoidLines,
     {"TrapezoidClearBtn", "TrapezoidSolveBtn", "TrapezoidCloseBtn", "TrapezoidHelpBtn"},
     nullptr},
    {"Triangle",
     kTriangleFields,
     "TriangleExp",
     kTriangleLines,
     {"TriangleClearBtn", "TriangleSolveBtn", "TriangleCloseBtn", "TriangleHelpBtn"},
     nullptr},
};

// Pictures, one per page but two on the triangle's (one per mode).
constexpr std::string_view kCirclePictures[] = {"CircleImage"};
constexpr std::string_view kCircRingPictures[] = {"CircRingImage"};
constexpr std::string_view kEllipsePictures[] = {"EllipseImage"};
constexpr std::string_view kParallelPictures[] = {"ParallelImage"};
constexpr std::string_view kParabolaPictures[] = {"ParabolaImage"};
constexpr std::string_view kQuadrantPictures[] = {"QuadrantImage"};
constexpr std::string_view kRectanglePictures[] = {"RectangleImage"};
constexpr std::string_view kPolygonPictures[] = {"PolygonImage"};
constexpr std::string_view kSectorPictures[] = {"SectorImage"};
constexpr std::string_view kSegmentPictures[] = {"SegmentImage"};
constexpr std::string_view kSquarePictures[] = {"SquareImage"};
constexpr std::string_view kSpandrelPictures[] = {"SpandrelImage"};
constexpr std::string_view kTrapeziumPictures[] = {"TrapeziumImage"};
constexpr std::string_view kTrapezoidPictures[] = {"TrapezoidImage"};
constexpr std::string_view kTrianglePictures[] = {"TriangleImage1", "TriangleImage2"};

constexpr AreaPageExtras kExtras[] = {
    {"", kCirclePictures, [](SolverPage& p, const AreaModes&) { SolveCircle(p); }},
    {"Circular Ring", kCircRingPictures,
     [](SolverPage& p, const AreaModes&) { SolveCircularRing(p); }},
    {"", kEllipsePictures, [](SolverPage& p, const AreaModes&) { SolveEllipse(p); }},
    {"Parallelogram", kParallelPictures,
     [](SolverPage& p, const AreaModes&) { SolveParallelogram(p); }},
    {"", kParabolaPictures, [](SolverPage& p, const AreaModes&) { SolveParabola(p); }},
    {"Quadrant", kQuadrantPictures, [](SolverPage& p, const AreaModes&) { SolveQuadrant(p); }},
    {"Rectangle", kRectanglePictures, [](SolverPage& p, const AreaModes&) { SolveRectangle(p); }},
    {"", kPolygonPictures,
     [](SolverPage& p, const AreaModes& m) { SolveRegularPolygon(p, m.polygonSides); }},
    {"Sector", kSectorPictures,
     [](SolverPage& p, const AreaModes& m) { SolveSector(p, m.sectorType); }},
    {"Segment", kSegmentPictures, [](SolverPage& p, const AreaModes&) { SolveSegment(p); }},
    {"", kSquarePictures, [](SolverPage& p, const AreaModes&) { SolveSquare(p); }},
    {"", kSpandrelPictures, [](SolverPage& p, const AreaModes&) { SolveSpandrel(p); }},
    {"Trapezium", kTrapeziumPictures, [](SolverPage& p, const AreaModes&) { SolveTrapezium(p); }},
    {"Trapezoid", kTrapezoidPictures, [](SolverPage& p, const AreaModes&) { SolveTrapezoid(p); }},
    {"Triangle", kTrianglePictures,
     [](SolverPage& p, const AreaModes& m) { SolveTriangle(p, m.triangleType); }},
};

// Every field of every page: the fifty of the first thirteen figures, then
// the sector's and the quadrant's, so that Clear, ShowError and the mode
// switches empty those pages as well.
constexpr std::string_view kClearList[] = {
    "CircleAreaEdit",     "CircleRadiusEdit",    "CircleDiameterEdit",    "CirclePerimeterEdit",
    "SquareAreaEdit",     "SquareSideEdit",      "SquareDiagonalEdit",    "RectangleAreaEdit",
    "RectangleASideEdit", "RectangleBSideEdit",  "RectangleDiagonalEdit", "ParallelAreaEdit",
    "ParallelASideEdit",  "ParallelBSideEdit",   "TrapezoidAreaEdit",     "TrapezoidASideEdit",
    "TrapezoidBSideEdit", "TrapezoidHeightEdit", "TrapeziumAreaEdit",     "TrapeziumASideEdit",
    "TrapeziumBSideEdit", "TrapeziumCSideEdit",  "TrapeziumGSideEdit",    "TrapeziumHSideEdit",
    "TriangleAreaEdit",   "TriangleBSideEdit",   "Triangle2ASideEdit",    "TriangleHeightEdit",
    "Triangle2CSideEdit", "PolygonAreaEdit",     "PolygonShortREdit",     "PolygonLongREdit",
    "PolygonSideEdit",    "EllipseAreaEdit",     "EllipseAEdit",          "EllipseBEdit",
    "CircRingAreaEdit",   "CircRingShortREdit",  "CircRingLongREdit",     "ParabolaAreaEdit",
    "ParabolaBaseEdit",   "ParabolaHeightEdit",  "SegmentAreaEdit",       "SegmentRadiusEdit",
    "SegmentHeightEdit",  "SegmentChordEdit",    "SegmentArcEdit",        "SpandrelAreaEdit",
    "SpandrelRadiusEdit", "SpandrelChordEdit",   "SectorAreaEdit",        "SectorRadiusEdit",
    "SectorArcEdit",      "SectorAngleEdit",     "QuadrantAreaEdit",      "QuadrantRadiusEdit",
    "QuadrantChordEdit",
};

constexpr std::string_view kTriangleBaseHeightShow[] = {"TriangleImage1", "TriangleHeightEdit"};
constexpr std::string_view kTriangleBaseHeightHide[] = {"TriangleImage2", "Triangle2ASideEdit",
                                                        "Triangle2CSideEdit"};
constexpr std::string_view kTriangleBaseHeightLines[] = {"Enter two known values, then 'Solve'."};
constexpr std::string_view kTriangleAllSidesLines[] = {
    "Enter area and a or b, or enter a and b, a and c, or b and c, then 'Solve'."};
constexpr std::string_view kSectorArcShow[] = {"SectorArcEdit"};
constexpr std::string_view kSectorAngleShow[] = {"SectorAngleEdit"};

constexpr AreaModeGroup kModeGroups[] = {
    {kTrianglePage,
     "TriangleTypeGroup",
     "Triangle Type",
     {"Triangle with base and height", "Triangle with all sides"},
     {{
         {kTriangleBaseHeightShow, kTriangleBaseHeightHide, "Triangle2ASideEdit", 1,
          "Triangle2ASideEdit", "TriangleHeightEdit", kTriangleBaseHeightLines},
         {kTriangleBaseHeightHide, kTriangleBaseHeightShow, "TriangleHeightEdit", 1,
          "TriangleHeightEdit", "Triangle2ASideEdit", kTriangleAllSidesLines},
     }}},
    {kSectorPage,
     "SectorGroup",
     "Sector Type",
     {"Sector with radius and arc length", "Sector with radius and angle"},
     {{
         {kSectorArcShow,
          kSectorAngleShow,
          "SectorArcEdit",
          2,
          "SectorAngleEdit",
          "SectorArcEdit",
          {}},
         {kSectorAngleShow,
          kSectorArcShow,
          "SectorAngleEdit",
          2,
          "SectorArcEdit",
          "SectorAngleEdit",
          {}},
     }}},
};

constexpr AreaNotebook kAreaNotebook{
    {
        "TAreaForm",
        "Area Calculation",
        493,
        334,
        "AreaNotebook",
        5,
        kPages,
        kClearList,
        "Area",
        "The data entered is invalid for a ",
    },
    kExtras,
    kModeGroups,
    {kPolygonPage, "PolygonSpinPanel", "PolygonSpinLabel", "Number of sides:", "PolygonSpinEdit", 4,
     50, 4, 2},
};

static_assert(std::size(kPages) == kAreaPageCount && std::size(kExtras) == kAreaPageCount);

}  // namespace

const AreaNotebook& areaNotebook() {
  return kAreaNotebook;
}

SolveOutcome solveAreaPage(int pageIndex, SolverPage& page, const AreaModes& modes) {
  const AreaSolver solve = kExtras[pageIndex].solve;
  return runSolve(page, [&](SolverPage& p) { solve(p, modes); });
}

}  // namespace tivorum
