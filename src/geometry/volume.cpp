#include "geometry/volume.h"

#include <initializer_list>
#include <string_view>

#include "geometry/solver_constants.h"

namespace tivorum {

// A torus: V = 2 pi^2 R r^2. No checks: a zero R or r is a division fault.
void SolveCircularRingVolume(SolverPage& page) {
  if (page.known({kCircRingV, kCircRingBigR})) {
    const Ext v = page.value(kCircRingV);
    const Ext bigR = page.value(kCircRingBigR);
    page.write(kCircRingLittleR, Sqrt(v / (kPiExt * kPiExt * 2 * bigR)));
  } else if (page.known({kCircRingV, kCircRingLittleR})) {
    const Ext v = page.value(kCircRingV);
    const Ext r = page.value(kCircRingLittleR);
    page.write(kCircRingBigR, v / (r * r * (kPiExt * kPiExt * 2)));
  } else if (page.known({kCircRingBigR, kCircRingLittleR})) {
    const Ext bigR = page.value(kCircRingBigR);
    const Ext r = page.value(kCircRingLittleR);
    page.write(kCircRingV, r * r * (kPiExt * kPiExt * 2 * bigR));
  }
}

// V = pi r^2 h / 3.
void SolveConeVolume(SolverPage& page) {
  static const std::string kName = "Volume of Cone";
  if (page.known({kConeV, kConeR})) {
    const Ext v = page.value(kConeV);
    const Ext r = page.value(kConeR);
    const Ext base = r * r * kPiExt;
    if (base == 0) page.showError(kName);
    page.write(kConeH, 3 * v / base);
  } else if (page.known({kConeV, kConeH})) {
    const Ext v = page.value(kConeV);
    const Ext h = page.value(kConeH);
    const Ext piH = kPiExt * h;
    if (piH == 0) page.showError(kName);
    const Ext q = 3 * v / piH;
    if (q < 0) page.showError(kName);
    page.write(kConeR, Sqrt(q));
  } else if (page.known({kConeR, kConeH})) {
    const Ext r = page.value(kConeR);
    const Ext h = page.value(kConeH);
    page.write(kConeV, r * r * (h * kPiExt) * kOneThird);
  }
}

// V = h^3. A known volume wins over a known edge.
void SolveCubeVolume(SolverPage& page) {
  if (page.known(kCubeV)) {
    const Ext v = page.value(kCubeV);
    if (v <= 0) page.showError("Volume of Cube");
    page.write(kCubeH, Power(v, kOneThird));
  } else if (page.known(kCubeH)) {
    const Ext h = page.value(kCubeH);
    page.write(kCubeV, h * h * h);
  }
}

// V = pi r^2 h.
void SolveCylinderVolume(SolverPage& page) {
  static const std::string kName = "Volume of Cylinder";
  if (page.known({kCylinderV, kCylinderR})) {
    const Ext v = page.value(kCylinderV);
    const Ext r = page.value(kCylinderR);
    const Ext base = r * r * kPiExt;
    if (base == 0) page.showError(kName);
    page.write(kCylinderH, v / base);
  } else if (page.known({kCylinderV, kCylinderH})) {
    const Ext v = page.value(kCylinderV);
    const Ext h = page.value(kCylinderH);
    const Ext q = v / (kPiExt * h);
    if (q < 0) page.showError(kName);
    page.write(kCylinderR, Sqrt(q));
  } else if (page.known({kCylinderR, kCylinderH})) {
    const Ext r = page.value(kCylinderR);
    const Ext h = page.value(kCylinderH);
    page.write(kCylinderV, r * r * kPiExt * h);
  }
}

// V = pi r a b / 3 with r a semi-axis and a, b full axes. No checks.
void SolveEllipsoidVolume(SolverPage& page) {
  if (page.known({kEllipsoidV, kEllipsoidR, kEllipsoidA})) {
    const Ext v = page.value(kEllipsoidV);
    const Ext r = page.value(kEllipsoidR);
    const Ext a = page.value(kEllipsoidA);
    page.write(kEllipsoidB, 3 * v / (kPiExt * r * a));
  } else if (page.known({kEllipsoidV, kEllipsoidR, kEllipsoidB})) {
    const Ext v = page.value(kEllipsoidV);
    const Ext r = page.value(kEllipsoidR);
    const Ext b = page.value(kEllipsoidB);
    page.write(kEllipsoidA, 3 * v / (kPiExt * r * b));
  } else if (page.known({kEllipsoidV, kEllipsoidA, kEllipsoidB})) {
    const Ext v = page.value(kEllipsoidV);
    const Ext a = page.value(kEllipsoidA);
    const Ext b = page.value(kEllipsoidB);
    page.write(kEllipsoidR, 3 * v / (kPiExt * a * b));
  } else if (page.known({kEllipsoidR, kEllipsoidA, kEllipsoidB})) {
    const Ext r = page.value(kEllipsoidR);
    const Ext a = page.value(kEllipsoidA);
    const Ext b = page.value(kEllipsoidB);
    page.write(kEllipsoidV, kPiExt * r * a * b * kOneThird);
  }
}

// V = pi r^2 h / 2.
void SolveParaboloidVolume(SolverPage& page) {
  static const std::string kName = "Volume of Paraboloid";
  if (page.known({kParaboloidV, kParaboloidR})) {
    const Ext v = page.value(kParaboloidV);
    const Ext r = page.value(kParaboloidR);
    const Ext base = r * r * kPiExt;
    if (base == 0) page.showError(kName);
    page.write(kParaboloidH, v * 2 / base);
  } else if (page.known({kParaboloidV, kParaboloidH})) {
    const Ext v = page.value(kParaboloidV);
    const Ext h = page.value(kParaboloidH);
    if (h == 0) page.showError(kName);
    page.write(kParaboloidR, Sqrt(v * 2 / (kPiExt * h)));
  } else if (page.known({kParaboloidR, kParaboloidH})) {
    const Ext r = page.value(kParaboloidR);
    const Ext h = page.value(kParaboloidH);
    page.write(kParaboloidV, r * r * kPiExt * h * kHalf);
  }
}

// V = A h / 3. Only the height is checked; a zero base area is a division
// fault.
void SolvePyramidVolume(SolverPage& page) {
  if (page.known({kPyramidV, kPyramidA})) {
    const Ext v = page.value(kPyramidV);
    const Ext a = page.value(kPyramidA);
    page.write(kPyramidH, v * 3 / a);
  } else if (page.known({kPyramidV, kPyramidH})) {
    const Ext v = page.value(kPyramidV);
    const Ext h = page.value(kPyramidH);
    if (h == 0) page.showError("Volume of Pyramid");
    page.write(kPyramidA, v * 3 / h);
  } else if (page.known({kPyramidA, kPyramidH})) {
    const Ext a = page.value(kPyramidA);
    const Ext h = page.value(kPyramidH);
    page.write(kPyramidV, a * h * kOneThird);
  }
}

// V = a b h. No checks.
void SolveRectPrismVolume(SolverPage& page) {
  if (page.known({kRectPrismV, kRectPrismA, kRectPrismB})) {
    const Ext v = page.value(kRectPrismV);
    const Ext a = page.value(kRectPrismA);
    const Ext b = page.value(kRectPrismB);
    page.write(kRectPrismH, v / (a * b));
  } else if (page.known({kRectPrismV, kRectPrismA, kRectPrismH})) {
    const Ext v = page.value(kRectPrismV);
    const Ext a = page.value(kRectPrismA);
    const Ext h = page.value(kRectPrismH);
    page.write(kRectPrismB, v / (a * h));
  } else if (page.known({kRectPrismV, kRectPrismB, kRectPrismH})) {
    const Ext v = page.value(kRectPrismV);
    const Ext b = page.value(kRectPrismB);
    const Ext h = page.value(kRectPrismH);
    page.write(kRectPrismA, v / (b * h));
  } else if (page.known({kRectPrismA, kRectPrismB, kRectPrismH})) {
    const Ext a = page.value(kRectPrismA);
    const Ext b = page.value(kRectPrismB);
    const Ext h = page.value(kRectPrismH);
    page.write(kRectPrismV, a * b * h);
  }
}

// V = 4 pi r^3 / 3. Here a known radius wins over a known volume.
void SolveSphereVolume(SolverPage& page) {
  if (page.known(kSphereR)) {
    const Ext r = page.value(kSphereR);
    page.write(kSphereV, kFourPiExt * r * r * r * kOneThird);
  } else if (page.known(kSphereV)) {
    const Ext v = page.value(kSphereV);
    const Ext q = v * 3 * kOneOverFourPiExt;
    if (q <= 0) page.showError("Volume of Sphere");
    page.write(kSphereR, Power(q, kOneThird));
  }
}

// V = 2 pi r^2 h / 3, h the height of the bounding cap.
void SolveSphericalSectorVolume(SolverPage& page) {
  static const std::string kName = "Volume of Spherical Sector";
  if (page.known({kSphSectV, kSphSectR})) {
    const Ext v = page.value(kSphSectV);
    const Ext r = page.value(kSphSectR);
    if (r == 0) page.showError(kName);
    page.write(kSphSectH, v * 3 / (r * r * kTwoPiExt));
  } else if (page.known({kSphSectV, kSphSectH})) {
    const Ext v = page.value(kSphSectV);
    const Ext h = page.value(kSphSectH);
    const Ext q = v * 3 / (h * 2 * kPiExt);
    if (q <= 0) page.showError(kName);
    page.write(kSphSectR, Sqrt(q));
  } else if (page.known({kSphSectR, kSphSectH})) {
    const Ext r = page.value(kSphSectR);
    const Ext h = page.value(kSphSectH);
    page.write(kSphSectV, r * r * kTwoPiExt * h * kOneThird);
  }
}

}  // namespace tivorum
