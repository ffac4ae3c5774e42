#include "geometry/surface.h"

#include <initializer_list>
#include <string>

#include "geometry/solver_constants.h"

namespace tivorum {

// A torus: S = 4 pi^2 R r.
void SolveCircularRingSurface(SolverPage& page) {
  static const std::string kName = "Surface Area of a Circular Ring.";
  if (page.known({kCircRingS, kCircRingSurfBigR})) {
    const Ext s = page.value(kCircRingS);
    const Ext bigR = page.value(kCircRingSurfBigR);
    if (bigR == 0) page.showError(kName);
    page.write(kCircRingSurfLittleR, s / (kPiExt * kPiExt * 4 * bigR));
  } else if (page.known({kCircRingS, kCircRingSurfLittleR})) {
    const Ext s = page.value(kCircRingS);
    const Ext r = page.value(kCircRingSurfLittleR);
    if (r == 0) page.showError(kName);
    page.write(kCircRingSurfBigR, s / (kPiExt * kPiExt * 4 * r));
  } else if (page.known({kCircRingSurfBigR, kCircRingSurfLittleR})) {
    const Ext bigR = page.value(kCircRingSurfBigR);
    const Ext r = page.value(kCircRingSurfLittleR);
    page.write(kCircRingS, kPiExt * kPiExt * 4 * bigR * r);
  }
}

// Lateral surface S = pi r l, base circumference c = 2 pi r. A radius taken
// from the circumference is read back from its field, so the later formula
// sees the written (cut) text.
void SolveConeSurface(SolverPage& page) {
  static const std::string kName = "Surface Area of a Cone.";
  if (page.known({kConeS, kConeL})) {
    const Ext s = page.value(kConeS);
    const Ext l = page.value(kConeL);
    if (l == 0) page.showError(kName);
    const Ext r = s / (kPiExt * l);
    page.write(kConeSurfR, r);
    page.write(kConeC, kTwoPiExt * r);
  } else if (page.known({kConeS, kConeSurfR})) {
    const Ext s = page.value(kConeS);
    const Ext r = page.value(kConeSurfR);
    if (r == 0) page.showError(kName);
    page.write(kConeL, s / (kPiExt * r));
    page.write(kConeC, kTwoPiExt * r);
  } else if (page.known({kConeS, kConeC})) {
    const Ext s = page.value(kConeS);
    const Ext c = page.value(kConeC);
    const Ext r = page.writeReadBack(kConeSurfR, c * kOneOverTwoPiExt);
    if (r == 0) page.showError(kName);
    page.write(kConeL, s / (kPiExt * r));
  } else if (page.known({kConeL, kConeSurfR})) {
    const Ext l = page.value(kConeL);
    const Ext r = page.value(kConeSurfR);
    page.write(kConeC, kTwoPiExt * r);
    page.write(kConeS, kPiExt * r * l);
  } else if (page.known({kConeL, kConeC})) {
    const Ext l = page.value(kConeL);
    const Ext c = page.value(kConeC);
    const Ext r = page.writeReadBack(kConeSurfR, c * kOneOverTwoPiExt);
    page.write(kConeS, kPiExt * r * l);
  } else if (page.known({kConeSurfR, kConeC})) {
    page.showInformation(std::string(kConeRadiusAndCircumferenceText));
  }
}

// S = 6 h^2. A known surface wins over a known edge.
void SolveCubeSurface(SolverPage& page) {
  if (page.known(kCubeS)) {
    const Ext sixth = page.value(kCubeS) * kOneSixth;
    if (sixth <= 0) page.showError("Surface Area of a Cube.");
    page.write(kCubeSurfH, Sqrt(sixth));
  } else if (page.known(kCubeSurfH)) {
    const Ext h = page.value(kCubeSurfH);
    page.write(kCubeS, h * h * 6);
  }
}

// A rectangular box: S = 2 (ab + ah + bh). A surface too small for the given
// sides gives a negative side, written as it comes out.
void SolvePrismSurface(SolverPage& page) {
  static const std::string kName = "Surface Area of a Prism.";
  // The third side from the surface and the two others.
  auto side = [&](int x, int y, int result) {
    const Ext s = page.value(kPrismS);
    const Ext p = page.value(x);
    const Ext q = page.value(y);
    if (p + q == 0) page.showError(kName);
    page.write(result, (s * kHalf - p * q) / (p + q));
  };
  if (page.known({kPrismS, kPrismA, kPrismB})) {
    side(kPrismA, kPrismB, kPrismH);
  } else if (page.known({kPrismS, kPrismA, kPrismH})) {
    side(kPrismA, kPrismH, kPrismB);
  } else if (page.known({kPrismS, kPrismB, kPrismH})) {
    side(kPrismB, kPrismH, kPrismA);
  } else if (page.known({kPrismA, kPrismB, kPrismH})) {
    const Ext a = page.value(kPrismA);
    const Ext b = page.value(kPrismB);
    const Ext h = page.value(kPrismH);
    page.write(kPrismS, (a * b + a * h + b * h) * 2);
  }
}

// S = 4 pi r^2. A known surface wins over a known radius.
void SolveSphereSurface(SolverPage& page) {
  if (page.known(kSphereS)) {
    const Ext q = page.value(kSphereS) * kOneOverFourPiExt;
    if (q <= 0) page.showError("Surface Area of a Sphere.");
    page.write(kSphereSurfR, Sqrt(q));
  } else if (page.known(kSphereSurfR)) {
    const Ext r = page.value(kSphereSurfR);
    page.write(kSphereS, r * r * kFourPiExt);
  }
}

// The zone of a sphere: S = 2 pi r b.
void SolveSphericalSegmentSurface(SolverPage& page) {
  static const std::string kName = "Surface Area of a Spherical Segment.";
  if (page.known({kSphSegS, kSphSegR})) {
    const Ext s = page.value(kSphSegS);
    const Ext r = page.value(kSphSegR);
    if (r == 0) page.showError(kName);
    page.write(kSphSegB, s / (kTwoPiExt * r));
  } else if (page.known({kSphSegS, kSphSegB})) {
    const Ext s = page.value(kSphSegS);
    const Ext b = page.value(kSphSegB);
    if (b == 0) page.showError(kName);
    page.write(kSphSegR, s / (kTwoPiExt * b));
  } else if (page.known({kSphSegR, kSphSegB})) {
    const Ext r = page.value(kSphSegR);
    const Ext b = page.value(kSphSegB);
    page.write(kSphSegS, kTwoPiExt * r * b);
  }
}

}  // namespace tivorum
