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
    {
        .caption = "Circular Ring",
        .fields = kCircRingFields,
        .explanationName = "CircRingExp",
        .explanationLines = kAnyTwoKnown,
        .buttons = {.clear = "CircularRingClearBtn",
                    .solve = "CircularRingSolveBtn",
                    .close = "CircularRingCloseBtn",
                    .help = "CircularRingHelpBtn"},
        .solve = SolveCircularRingVolume,
    },
    {
        .caption = "Cone",
        .fields = kConeFields,
        .explanationName = "ConeVolumeExp",
        .explanationLines = kAnyTwoKnown,
        .buttons = {.clear = "ConeClearBtn",
                    .solve = "ConeSolveBtn",
                    .close = "ConeCloseBtn",
                    .help = "ConeHelpBtn"},
        .solve = SolveConeVolume,
    },
    {
        .caption = "Cube",
        .fields = kCubeFields,
        .explanationName = "CubeVolumeExp",
        .explanationLines = kCubeLines,
        .buttons = {.clear = "CubeClearBtn",
                    .solve = "CubeSolveBtn",
                    .close = "CubeCloseBtn",
                    .help = "CubeHelpBtn"},
        .solve = SolveCubeVolume,
    },
    {
        .caption = "Cylinder",
        .fields = kCylinderFields,
        .explanationName = "CylinderVolExp",
        .explanationLines = kCylinderLines,
        .buttons = {.clear = "CylinderClearBtn",
                    .solve = "CylinderSolveBtn",
                    .close = "CylinderCloseBtn",
                    .help = "CylinderHelpBtn"},
        .solve = SolveCylinderVolume,
    },
    {
        .caption = "Ellipsoid",
        .fields = kEllipsoidFields,
        .explanationName = "EllipsoidVolumeExp",
        .explanationLines = kEllipsoidLines,
        .buttons = {.clear = "EllipsoidClearBtn",
                    .solve = "EllipsoidSolveBtn",
                    .close = "EllipsoidCloseBtn",
                    .help = "EllipsoidHelpBtn"},
        .solve = SolveEllipsoidVolume,
    },
    {
        .caption = "Paraboloid",
        .fields = kParaboloidFields,
        .explanationName = "ParaboloidExp",
        .explanationLines = kParaboloidLines,
        .buttons = {.clear = "ParaboloidClearBtn",
                    .solve = "ParaboloidSolveBtn",
                    .close = "ParaboloidCloseBtn",
                    .help = "ParaboloidHelpBtn"},
        .solve = SolveParaboloidVolume,
    },
    {
        .caption = "Pyramid",
        .fields = kPyramidFields,
        .explanationName = "PyramidVExp",
        .explanationLines = kPyramidLines,
        .buttons = {.clear = "PyramidClearBtn",
                    .solve = "PyramidSolveBtn",
                    .close = "PyramidCloseBtn",
                    .help = "PyramidHelpBtn"},
        .solve = SolvePyramidVolume,
    },
    {
        .caption = "Rect. Prism",
        .fields = kRectPrismFields,
        .explanationName = "RecPrismVolExp",
        .explanationLines = kRectPrismLines,
        .buttons = {.clear = "PrismClearBtn",
                    .solve = "PrismSolveBtn",
                    .close = "PrismCloseBtn",
                    .help = "PrismHelpBtn"},
        .solve = SolveRectPrismVolume,
    },
    {
        .caption = "Sphere",
        .fields = kSphereFields,
        .explanationName = "SphereVolExp",
        .explanationLines = kSphereLines,
        .buttons = {.clear = "SphereClearBtn",
                    .solve = "SphereSolveBtn",
                    .close = "SphereCloseBtn",
                    .help = "SphereHelpBtn"},
        .solve = SolveSphereVolume,
    },
    {
        .caption = "Spherical Sector",
        .fields = kSphSectFields,
        .explanationName = "SpherSectVolExp",
        .explanationLines = kSphSectLines,
        .buttons = {.clear = "SphericalSectorClearBtn",
                    .solve = "SphericalSectorSolveBtn",
                    .close = "SphericalSectorCloseBtn",
                    .help = "SphericalSectorHelpBtn"},
        .solve = SolveSphericalSectorVolume,
    },
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
    .formName = "TVolumeForm",
    .caption = "Volume Calculation",
    .clientWidth = 499,
    .clientHeight = 283,
    .notebookName = "VolumeNotebook",
    .tabsPerRow = 5,
    .pages = kPages,
    .clearList = kClearList,
    .helpTopic = "Volume",
    .errorPrefix = "The data entered is invalid for the ",
};

}  // namespace

const Notebook& volumeNotebook() {
  return kVolumeNotebook;
}

}  // namespace tivorum
