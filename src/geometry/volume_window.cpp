#include "geometry/volume_window.h"

#include <string_view>

#include "geometry/volume.h"

namespace tivorum {

namespace {

constexpr int kFieldLength = 15;

constexpr NotebookField kCircRingFields[] = {
    {"CircRingVolumeEdit", "Volume (V) =", kFieldLength},
    {"CircRingBigREdit", "Radius (R) =", kFieldLength},
    {"CircRingLittleREdit", "Radius (r) =", kFieldLength},
};
constexpr NotebookField kConeFields[] = {
    {"ConeVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"ConeVolRadiusEdit", "Radius (r) =", kFieldLength},
    {"ConeVolHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kCubeFields[] = {
    {"CubeVolumeEdit", "Volume (V) =", kFieldLength},
    {"CubeHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kCylinderFields[] = {
    {"CylinderVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"CylinderVolRadiusEdit", "Radius (r) =", kFieldLength},
    {"CylinderVolHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kEllipsoidFields[] = {
    {"EllipsoidVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"EllipsoidVolRadiusEdit", "Radius (r) =", kFieldLength},
    {"EllipsoidVolLongDEdit", "Diameter (a) =", kFieldLength},
    {"EllipsoidVolShortDEdit", "Diameter (b) =", kFieldLength},
};
constexpr NotebookField kParaboloidFields[] = {
    {"ParaboloidVolumeEdit", "Volume (V) =", kFieldLength},
    {"ParaboloidRadiusEdit", "Radius (r) =", kFieldLength},
    {"ParaboloidHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kPyramidFields[] = {
    {"PyramidVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"PyramidVolAreaEdit", "Area of base (A) =", kFieldLength},
    {"PyramidVolHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kRectPrismFields[] = {
    {"RectPrismVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"RectPrismVolSideAEdit", "Side (a) =", kFieldLength},
    {"RectPrismVolSideBEdit", "Side (b) =", kFieldLength},
    {"RectPrismVolHeightEdit", "Height (h) =", kFieldLength},
};
constexpr NotebookField kSphereFields[] = {
    {"SphereVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"SphereVolRadiusEdit", "Radius (r) =", kFieldLength},
};
constexpr NotebookField kSphSectFields[] = {
    {"SphSectVolVolumeEdit", "Volume (V) =", kFieldLength},
    {"SphSectVolRadiusEdit", "Radius (r) =", kFieldLength},
    {"SphSectVolHeightEdit", "Height (h) =", kFieldLength},
};

constexpr std::string_view kAnyTwoKnown[] = {"Enter any two ", "known values, ", "then 'Solve'."};
constexpr std::string_view kCubeLines[] = {"Enter any ", "known ", "value, then ", "'Solve'."};
constexpr std::string_view kCylinderLines[] = {"Enter any ", "two values, ", "then 'Solve'."};
constexpr std::string_view kEllipsoidLines[] = {"Enter three ", "known ", "values, then ",
                                                "'Solve'."};
constexpr std::string_view kParaboloidLines[] = {"Enter two ", "known ", "values, then ",
                                                 "'Solve'."};
// No blank after "two" on this page.
constexpr std::string_view kPyramidLines[] = {"Enter any two", "known values, ", "then 'Solve'."};
constexpr std::string_view kRectPrismLines[] = {"Enter any ", "three known ", "values, then ",
                                                "'Solve'."};
constexpr std::string_view kSphereLines[] = {"Enter any ", "known value, ", "then 'Solve'."};
constexpr std::string_view kSphSectLines[] = {"Enter any ", "two known ", "values, then ",
                                              "'Solve'."};

constexpr NotebookPage kPages[] = {
    {"Circular Ring",
     kCircRingFields,
     "CircRingExp",
     kAnyTwoKnown,
     {"CircularRingClearBtn", "CircularRingSolveBtn", "CircularRingCloseBtn",
      "CircularRingHelpBtn"},
     SolveCircularRingVolume},
    {"Cone",
     kConeFields,
     "ConeVolumeExp",
     kAnyTwoKnown,
     {"ConeClearBtn", "ConeSolveBtn", "ConeCloseBtn", "ConeHelpBtn"},
     SolveConeVolume},
    {"Cube",
     kCubeFields,
     "CubeVolumeExp",
     kCubeLines,
     {"CubeClearBtn", "CubeSolveBtn", "CubeCloseBtn", "CubeHelpBtn"},
     SolveCubeVolume},
    {"Cylinder",
     kCylinderFields,
     "CylinderVolExp",
     kCylinderLines,
     {"CylinderClearBtn", "CylinderSolveBtn", "CylinderCloseBtn", "CylinderHelpBtn"},
     SolveCylinderVolume},
    {"Ellipsoid",
     kEllipsoidFields,
     "EllipsoidVolumeExp",
     kEllipsoidLines,
     {"EllipsoidClearBtn", "EllipsoidSolveBtn", "EllipsoidCloseBtn", "EllipsoidHelpBtn"},
     SolveEllipsoidVolume},
    {"Paraboloid",
     kParaboloidFields,
     "ParaboloidExp",
     kParaboloidLines,
     {"ParaboloidClearBtn", "ParaboloidSolveBtn", "ParaboloidCloseBtn", "ParaboloidHelpBtn"},
     SolveParaboloidVolume},
    {"Pyramid",
     kPyramidFields,
     "PyramidVExp",
     kPyramidLines,
     {"PyramidClearBtn", "PyramidSolveBtn", "PyramidCloseBtn", "PyramidHelpBtn"},
     SolvePyramidVolume},
    {"Rect. Prism",
     kRectPrismFields,
     "RecPrismVolExp",
     kRectPrismLines,
     {"PrismClearBtn", "PrismSolveBtn", "PrismCloseBtn", "PrismHelpBtn"},
     SolveRectPrismVolume},
    {"Sphere",
     kSphereFields,
     "SphereVolExp",
     kSphereLines,
     {"SphereClearBtn", "SphereSolveBtn", "SphereCloseBtn", "SphereHelpBtn"},
     SolveSphereVolume},
    {"Spherical Sector",
     kSphSectFields,
     "SpherSectVolExp",
     kSphSectLines,
     {"SphericalSectorClearBtn", "SphericalSectorSolveBtn", "SphericalSectorCloseBtn",
      "SphericalSectorHelpBtn"},
     SolveSphericalSectorVolume},
};

constexpr std::string_view kClearList[] = {
    "CircRingVolumeEdit",     "CircRingBigREdit",      "CircRingLittleREdit",
    "ConeVolVolumeEdit",      "ConeVolRadiusEdit",     "ConeVolHeightEdit",
    "CubeVolumeEdit",         "CubeHeightEdit",        "CylinderVolVolumeEdit",
    "CylinderVolRadiusEdit",  "CylinderVolHeightEdit", "EllipsoidVolVolumeEdit",
    "EllipsoidVolRadiusEdit", "EllipsoidVolLongDEdit", "EllipsoidVolShortDEdit",
    "ParaboloidVolumeEdit",   "ParaboloidRadiusEdit",  "ParaboloidHeightEdit",
    "PyramidVolVolumeEdit",   "PyramidVolAreaEdit",    "PyramidVolHeightEdit",
    "RectPrismVolVolumeEdit", "RectPrismVolSideAEdit", "RectPrismVolSideBEdit",
    "RectPrismVolHeightEdit", "SphereVolVolumeEdit",   "SphereVolRadiusEdit",
    "SphSectVolVolumeEdit",   "SphSectVolRadiusEdit",  "SphSectVolHeightEdit",
};

constexpr Notebook kVolumeNotebook{
    "TVolumeForm",
    "Volume Calculation",
    499,
    283,
    "VolumeNotebook",
    5,
    kPages,
    kClearList,
    "Volume",
    "The data entered is invalid for the ",
};

}  // namespace

const Notebook& volumeNotebook() {
  return kVolumeNotebook;
}

}  // namespace tivorum
