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

constexpr NotebookPage kPages[] = {
    {
        .caption = "Circle",
        .fields = kCircleFields,
        .explanationName = "CircleMemo",
        .explanationLines = kCircleLines,
        .buttons = {.clear = "CircleClearBtn",
                    .solve = "CircleSolveBtn",
                    .close = "AreaCloseBtn",
                    .help = "AreaHelpBtn"},
        .solve = SolveCircle,
        .pictures = kCirclePictures,
    },
    {
        .caption = "Circular Ring",
        .fields = kCircRingFields,
        .explanationName = "CircRingExp",
        .explanationLines = kCircRingLines,
        .buttons = {.clear = "CircRingClearBtn",
                    .solve = "CircRingSolveBtn",
                    .close = "CircRingCloseBtn",
                    .help = "CircRingHelpBtn"},
        .solve = SolveCircularRing,
        .shapeName = "Circular Ring",
        .pictures = kCircRingPictures,
    },
    {
        .caption = "Ellipse",
        .fields = kEllipseFields,
        .explanationName = "EllipseExp",
        .explanationLines = kEllipseLines,
        .buttons = {.clear = "EllipseClearBtn",
                    .solve = "EllipseSolveBtn",
                    .close = "EllipseCloseBtn",
                    .help = "EllipseHelpBtn"},
        .solve = SolveEllipse,
        .pictures = kEllipsePictures,
    },
    {
        .caption = "Parallelogram",
        .fields = kParallelFields,
        .explanationName = "ParallelMemo",
        .explanationLines = kParallelLines,
        .buttons = {.clear = "ParallelClearBtn",
                    .solve = "ParallelSolveBtn",
                    .close = "ParallelCloseBtn",
                    .help = "ParallelHelpBtn"},
        .solve = SolveParallelogram,
        .shapeName = "Parallelogram",
        .pictures = kParallelPictures,
    },
    {
        .caption = "Parabola",
        .fields = kParabolaFields,
        .explanationName = "ParabolaExp",
        .explanationLines = kParabolaLines,
        .buttons = {.clear = "ParabolaClearBtn",
                    .solve = "ParabolaSolveBtn",
                    .close = "ParabolaCloseBtn",
                    .help = "ParabolaHelpBtn"},
        .solve = SolveParabola,
        .pictures = kParabolaPictures,
    },
    {
        .caption = "Quadrant",
        .fields = kQuadrantFields,
        .explanationName = "QuadrantExp",
        .explanationLines = kQuadrantLines,
        .buttons = {.clear = "QuadrantClearBtn",
                    .solve = "QuadrantSolveBtn",
                    .close = "QuadrantCloseBtn",
                    .help = "QuadrantHelpBtn"},
        .solve = SolveQuadrant,
        .shapeName = "Quadrant",
        .pictures = kQuadrantPictures,
    },
    {
        .caption = "Rectangle",
        .fields = kRectangleFields,
        .explanationName = "Memo1",
        .explanationLines = kRectangleLines,
        .buttons = {.clear = "RectangleClearBtn",
                    .solve = "RectangleSolveBtn",
                    .close = "BitBtn1",
                    .help = "RectangleHelpBtn"},
        .solve = SolveRectangle,
        .shapeName = "Rectangle",
        .pictures = kRectanglePictures,
    },
    {
        .caption = "Reg. Polygon",
        .fields = kPolygonFields,
        .explanationName = "PolygonExp",
        .explanationLines = kPolygonLines,
        .buttons = {.clear = "PolygonClearBtn",
                    .solve = "PolygonSolveBtn",
                    .close = "PolygonCloseBtn",
                    .help = "PolygonHelpBtn"},
        .pictures = kPolygonPictures,
    },
    {
        .caption = "Sector",
        .fields = kSectorFields,
        .explanationName = "SectorExp",
        .explanationLines = kSectorLines,
        .buttons = {.clear = "SectorClearBtn",
                    .solve = "SectorSolveBtn",
                    .close = "SectorCloseBtn",
                    .help = "SectorHelpBtn"},
        .shapeName = "Sector",
        .pictures = kSectorPictures,
    },
    {
        .caption = "Segment",
        .fields = kSegmentFields,
        .explanationName = "SegmentExp",
        .explanationLines = kSegmentLines,
        .buttons = {.clear = "SegmentClearBtn",
                    .solve = "SegmentSolveBtn",
                    .close = "SegmentCloseBtn",
                    .help = "SegmentHelpBtn"},
        .solve = SolveSegment,
        .shapeName = "Segment",
        .pictures = kSegmentPictures,
    },
    {
        .caption = "Square",
        .fields = kSquareFields,
        .explanationName = "SquareMemo",
        .explanationLines = kSquareLines,
        .buttons = {.clear = "SquareClearBtn",
                    .solve = "SquareSolveBtn",
                    .close = "SquareCloseButton",
                    .help = "SquareHelpButton"},
        .solve = SolveSquare,
        .pictures = kSquarePictures,
    },
    {
        .caption = "Spandrel",
        .fields = kSpandrelFields,
        .explanationName = "Memo2",
        .explanationLines = kSpandrelLines,
        .buttons = {.clear = "SpandrelClearBtn",
                    .solve = "SpandrelSolveBtn",
                    .close = "SpandrelCloseBtn",
                    .help = "SpandrelHelpBtn"},
        .solve = SolveSpandrel,
        .pictures = kSpandrelPictures,
    },
    {
        .caption = "Trapezium",
        .fields = kTrapeziumFields,
        .explanationName = "TrapeziumExp",
        .explanationLines = kTrapeziumLines,
        .buttons = {.clear = "TrapeziumClearBtn",
                    .solve = "TrapeziumSolveBtn",
                    .close = "TrapeziumCloseBtn",
                    .help = "TrapeziumHelpBtn"},
        .solve = SolveTrapezium,
        .shapeName = "Trapezium",
        .pictures = kTrapeziumPictures,
    },
    {
        .caption = "Trapezoid",
        .fields = kTrapezoidFields,
        .explanationName = "TrapezoidLabel",
        .explanationLines = kTrapezoidLines,
        .buttons = {.clear = "TrapezoidClearBtn",
                    .solve = "TrapezoidSolveBtn",
                    .close = "TrapezoidCloseBtn",
                    .help = "TrapezoidHelpBtn"},
        .solve = SolveTrapezoid,
        .shapeName = "Trapezoid",
        .pictures = kTrapezoidPictures,
    },
    {
        .caption = "Triangle",
        .fields = kTriangleFields,
        .explanationName = "TriangleExp",
        .explanationLines = kTriangleLines,
        .buttons = {.clear = "TriangleClearBtn",
                    .solve = "TriangleSolveBtn",
                    .close = "TriangleCloseBtn",
                    .help = "TriangleHelpBtn"},
        .shapeName = "Triangle",
        .pictures = kTrianglePictures,
    },
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
    {
        .page = kTrianglePage,
        .name = "TriangleTypeGroup",
        .caption = "Triangle Type",
        .items = {"Triangle with base and height", "Triangle with all sides"},
        .views = {{
            {
                .show = kTriangleBaseHeightShow,
                .hide = kTriangleBaseHeightHide,
                .tabMoved = "Triangle2ASideEdit",
                .tabPosition = 1,
                .tabStopOff = "Triangle2ASideEdit",
                .tabStopOn = "TriangleHeightEdit",
                .explanation = kTriangleBaseHeightLines,
            },
            {
                .show = kTriangleBaseHeightHide,
                .hide = kTriangleBaseHeightShow,
                .tabMoved = "TriangleHeightEdit",
                .tabPosition = 1,
                .tabStopOff = "TriangleHeightEdit",
                .tabStopOn = "Triangle2ASideEdit",
                .explanation = kTriangleAllSidesLines,
            },
        }},
    },
    {
        .page = kSectorPage,
        .name = "SectorGroup",
        .caption = "Sector Type",
        .items = {"Sector with radius and arc length", "Sector with radius and angle"},
        .views = {{
            {
                .show = kSectorArcShow,
                .hide = kSectorAngleShow,
                .tabMoved = "SectorArcEdit",
                .tabPosition = 2,
                .tabStopOff = "SectorAngleEdit",
                .tabStopOn = "SectorArcEdit",
            },
            {
                .show = kSectorAngleShow,
                .hide = kSectorArcShow,
                .tabMoved = "SectorAngleEdit",
                .tabPosition = 2,
                .tabStopOff = "SectorArcEdit",
                .tabStopOn = "SectorAngleEdit",
            },
        }},
    },
};

constexpr AreaNotebook kAreaNotebook{
    .notebook =
        {
            .formName = "TAreaForm",
            .caption = "Area Calculation",
            .clientWidth = 493,
            .clientHeight = 334,
            .notebookName = "AreaNotebook",
            .tabsPerRow = 5,
            .pages = kPages,
            .clearList = kClearList,
            .helpTopic = "Area",
            .errorPrefix = "The data entered is invalid for a ",
        },
    .modeGroups = kModeGroups,
    .polygonSpin =
        {
            .page = kPolygonPage,
            .panelName = "PolygonSpinPanel",
            .labelName = "PolygonSpinLabel",
            .labelText = "Number of sides:",
            .name = "PolygonSpinEdit",
            .minimum = 4,
            .maximum = 50,
            .initial = 4,
            .maxLength = 2,
        },
};

static_assert(std::size(kPages) == kAreaPageCount);

}  // namespace

const AreaNotebook& areaNotebook() {
  return kAreaNotebook;
}

SolveOutcome solveAreaPage(int pageIndex, SolverPage& page, const AreaModes& modes) {
  return runSolve(page, [&](SolverPage& p) {
    switch (pageIndex) {
      case kTrianglePage:
        SolveTriangle(p, modes.triangleType);
        break;
      case kSectorPage:
        SolveSector(p, modes.sectorType);
        break;
      case kPolygonPage:
        SolveRegularPolygon(p, modes.polygonSides);
        break;
      default:
        kPages[pageIndex].solve(p);
    }
  });
}

}  // namespace tivorum
