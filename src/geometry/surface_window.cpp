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
    {"Circular Ring",
     kCircRingFields,
     "CircRingSurfaceExp",
     kCircRingLines,
     {"CircRingSurfaceClearBtn", "CircRingSurfaceSolveBtn", "CircRingSurfaceCloseBtn",
      "CircRingSurfaceHelpBtn"},
     SolveCircularRingSurface},
    {"Cone",
     kConeFields,
     "ConeSurfaceExp",
     kTwoKnownLines,
     {"ConeSurfaceClearBtn", "ConeSurfaceSolveBtn", "ConeSurfaceCloseBtn", "ConeSurfaceHelpBtn"},
     SolveConeSurface},
    {"Cube",
     kCubeFields,
     "CubeSurfaceExp",
     kCubeLines,
     {"CubeSurfaceClearBtn", "CubeSurfaceSolveBtn", "CubeSurfaceCloseBtn", "CubeSurfaceHelpBtn"},
     SolveCubeSurface},
    {"Prism",
     kPrismFields,
     "PrismSAExp",
     kPrismLines,
     {"PrismSurfaceClearBtn", "PrismSurfaceSolveBtn", "PrismSurfaceCloseBtn",
      "PrismSurfaceHelpBtn"},
     SolvePrismSurface},
    {"Sphere",
     kSphereFields,
     "SphereSAExp",
     kSphereLines,
     {"SphereSurfaceClearBtn", "SphereSurfaceSolveBtn", "SphereSurfaceCloseBtn",
      "SphereSurfaceHelpBtn"},
     SolveSphereSurface},
    {"Spherical Segment",
     kSphSegFields,
     "SphSegSAExp",
     kTwoKnownLines,
     {"SphSegSurfaceClearBtn", "SphSegSurfaceSolveBtn", "SphSegSurfaceCloseBtn",
      "SphSegSurfaceHelpBtn"},
     SolveSphericalSegmentSurface},
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
    "TSurfaceAreaForm",
    "Surface Area",
    493,
    267,
    "SurfaceAreaNotebook",
    0,
    kPages,
    kClearList,
    "Surface",
    "The data entered is invalid for the ",
};

}  // namespace

const Notebook& surfaceNotebook() {
  return kSurfaceNotebook;
}

}  // namespace tivorum
