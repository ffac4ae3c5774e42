#include "geometry/surface_window.h"

#include <string_view>

#include "geometry/surface.h"

namespace tivorum {

namespace {

constexpr int kFieldLength = 15;

constexpr NotebookField kCircRingFields[] = {
    {"CircRingSurfaceSAEdit", "Surface Area (S) =", kFieldLength},
    {"CircRingSurfaceBigREdit", "Radius (R) =", kFieldLength},
    {"CircRingSurfaceLittleREdit", "Radius (r) =", kFieldLength},
};
constexpr NotebookField kConeFields[] = {
    {"ConeSurfaceSAEdit", "Surface Area (S) =", kFieldLength},
    {"ConeSurfaceSideEdit", "Side (l) =", kFieldLength},
    {"ConeSurfaceRadiusEdit", "Radius (r) =", kFieldLength},
    {"ConeSurfaceCircumEdit", "Circumference (c) =", kFieldLength},
};
constexpr NotebookField kCubeFields[] = {
    {"CubeSurfaceSAEdit", "Surface Area (S) =", kFieldLength},
    {"CubeSurfaceSideEdit", "Side (h) =", kFieldLength},
};
constexpr NotebookField kPrismFields[] = {
    {"PrismSASurfaceEdit", "Surface Area (S) =", kFieldLength},
    {"PrismSASideAEdit", "Side (a) =", kFieldLength},
    {"PrismSASideBEdit", "Side (b) =", kFieldLength},
    {"PrismSAHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kSphereFields[] = {
    {"SphereSASurfaceEdit", "Surface Area (S) =", kFieldLength},
    {"SphereSARadiusEdit", "Radius (r) =", kFieldLength},
};
constexpr NotebookField kSphSegFields[] = {
    {"SphSegSASurfaceEdit", "Surface Area (S) =", kFieldLength},
    {"SphSegSARadiusEdit", "Radius (r) =", kFieldLength},
    {"SphSegSAHeightEdit", "Height (b) =", kFieldLength},
};

constexpr std::string_view kCircRingLines[] = {"Enter two known ", "values, then ", "'Solve'."};
constexpr std::string_view kTwoKnownLines[] = {"Enter two ", "known values, ", "then 'Solve'."};
constexpr std::string_view kCubeLines[] = {"Enter any ", "known value, ", "then 'Solve'."};
constexpr std::string_view kPrismLines[] = {"Enter three ", "known values, ", "then 'Solve'."};
constexpr std::string_view kSphereLines[] = {"Enter any ", "known ", "value, then ", "'Solve'."};

constexpr NotebookPage kPages[] = {
    {
        .caption = "Circular Ring",
        .fields = kCircRingFields,
        .explanationName = "CircRingSurfaceExp",
        .explanationLines = kCircRingLines,
        .buttons = {.clear = "CircRingSurfaceClearBtn",
                    .solve = "CircRingSurfaceSolveBtn",
                    .close = "CircRingSurfaceCloseBtn",
                    .help = "CircRingSurfaceHelpBtn"},
        .solve = SolveCircularRingSurface,
    },
    {
        .caption = "Cone",
        .fields = kConeFields,
        .explanationName = "ConeSurfaceExp",
        .explanationLines = kTwoKnownLines,
        .buttons = {.clear = "ConeSurfaceClearBtn",
                    .solve = "ConeSurfaceSolveBtn",
                    .close = "ConeSurfaceCloseBtn",
                    .help = "ConeSurfaceHelpBtn"},
        .solve = SolveConeSurface,
    },
    {
        .caption = "Cube",
        .fields = kCubeFields,
        .explanationName = "CubeSurfaceExp",
        .explanationLines = kCubeLines,
        .buttons = {.clear = "CubeSurfaceClearBtn",
                    .solve = "CubeSurfaceSolveBtn",
                    .close = "CubeSurfaceCloseBtn",
                    .help = "CubeSurfaceHelpBtn"},
        .solve = SolveCubeSurface,
    },
    {
        .caption = "Prism",
        .fields = kPrismFields,
        .explanationName = "PrismSAExp",
        .explanationLines = kPrismLines,
        .buttons = {.clear = "PrismSurfaceClearBtn",
                    .solve = "PrismSurfaceSolveBtn",
                    .close = "PrismSurfaceCloseBtn",
                    .help = "PrismSurfaceHelpBtn"},
        .solve = SolvePrismSurface,
    },
    {
        .caption = "Sphere",
        .fields = kSphereFields,
        .explanationName = "SphereSAExp",
        .explanationLines = kSphereLines,
        .buttons = {.clear = "SphereSurfaceClearBtn",
                    .solve = "SphereSurfaceSolveBtn",
                    .close = "SphereSurfaceCloseBtn",
                    .help = "SphereSurfaceHelpBtn"},
        .solve = SolveSphereSurface,
    },
    {
        .caption = "Spherical Segment",
        .fields = kSphSegFields,
        .explanationName = "SphSegSAExp",
        .explanationLines = kTwoKnownLines,
        .buttons = {.clear = "SphSegSurfaceClearBtn",
                    .solve = "SphSegSurfaceSolveBtn",
                    .close = "SphSegSurfaceCloseBtn",
                    .help = "SphSegSurfaceHelpBtn"},
        .solve = SolveSphericalSegmentSurface,
    },
};

constexpr std::string_view kClearList[] = {
    "CircRingSurfaceSAEdit", "CircRingSurfaceBigREdit", "CircRingSurfaceLittleREdit",
    "ConeSurfaceSAEdit",     "ConeSurfaceSideEdit",     "ConeSurfaceRadiusEdit",
    "ConeSurfaceCircumEdit", "CubeSurfaceSAEdit",       "CubeSurfaceSideEdit",
    "PrismSASurfaceEdit",    "PrismSASideAEdit",        "PrismSASideBEdit",
    "PrismSAHeightEdit",     "SphereSASurfaceEdit",     "SphereSARadiusEdit",
    "SphSegSASurfaceEdit",   "SphSegSARadiusEdit",      "SphSegSAHeightEdit",
};

constexpr Notebook kSurfaceNotebook{
    .formName = "TSurfaceAreaForm",
    .caption = "Surface Area",
    .clientWidth = 493,
    .clientHeight = 267,
    .notebookName = "SurfaceAreaNotebook",
    .tabsPerRow = 0,
    .pages = kPages,
    .clearList = kClearList,
    .helpTopic = "Surface",
    .errorPrefix = "The data entered is invalid for the ",
};

}  // namespace

const Notebook& surfaceNotebook() {
  return kSurfaceNotebook;
}

}  // namespace tivorum
