#include "geometry/area.h"

#include <initializer_list>
#include <iterator>

#include "geometry/solver_constants.h"

namespace tivorum {

namespace {

// Field indices, in the order each page reads them.
enum CircleField : int { kCircleA, kCircleR, kCircleD, kCircleP };
enum SquareField : int { kSquareA, kSquareS, kSquareD };
enum RectangleField : int { kRectA, kRectSideA, kRectSideB, kRectD };
enum ParallelField : int { kParallelA, kParallelSideA, kParallelSideB };
enum TrapezoidField : int { kTrapezoidA, kTrapezoidSideA, kTrapezoidSideB, kTrapezoidH };
enum TrapeziumField : int {
  kTrapeziumA,
  kTrapeziumSideA,
  kTrapeziumSideB,
  kTrapeziumSideC,
  kTrapeziumG,
  kTrapeziumH
};
enum TriangleField : int { kTriangleA, kTriangleB, kTriangleSideA, kTriangleH, kTriangleC };
enum PolygonField : int { kPolygonA, kPolygonShortR, kPolygonLongR, kPolygonS };
enum EllipseField : int { kEllipseA, kEllipseAxisA, kEllipseAxisB };
enum RingField : int { kRingA, kRingShortR, kRingLongR };
enum ParabolaField : int { kParabolaA, kParabolaB, kParabolaH };
enum SegmentField : int { kSegmentA, kSegmentR, kSegmentH, kSegmentC, kSegmentB };
enum SectorField : int { kSectorA, kSectorR, kSectorB, kSectorAngleField };
enum QuadrantField : int { kQuadrantA, kQuadrantR, kQuadrantC };
enum SpandrelField : int { kSpandrelA, kSpandrelR, kSpandrelC };

}  // namespace

// ---- Solvers ------------------------------------------------------------

void SolveCircle(SolverPage& page) {
  if (page.known(kCircleA)) {
    const Ext a = page.value(kCircleA);
    page.write(kCircleR, Sqrt(a * kOneOverPiExt));
    page.write(kCircleD, Sqrt(a * kOneOverPiExt) * 2);
    page.write(kCircleP, Sqrt(kPiExt * a) * 2);
  } else if (page.known(kCircleR)) {
    const Ext r = page.value(kCircleR);
    page.write(kCircleA, r * r * kPiExt);
    page.write(kCircleD, r * 2);
    page.write(kCircleP, kTwoPiExt * r);
  } else if (page.known(kCircleD)) {
    const Ext d = page.value(kCircleD);
    page.write(kCircleA, d * d * kPiExt * Ext(0.25L));
    page.write(kCircleR, d * Ext(0.5L));
    page.write(kCircleP, kPiExt * d);
  } else if (page.known(kCircleP)) {
    const Ext p = page.value(kCircleP);
    page.write(kCircleA, p * p * kOneOverFourPiExt);
    page.write(kCircleR, p * kOneOverTwoPiExt);
    page.write(kCircleD, p * kOneOverPiExt);
  }
}

void SolveSquare(SolverPage& page) {
  if (page.known(kSquareA)) {
    const Ext a = page.value(kSquareA);
    page.write(kSquareS, Sqrt(a));
    page.write(kSquareD, Sqrt(a * 2));
  } else if (page.known(kSquareS)) {
    const Ext s = page.value(kSquareS);
    page.write(kSquareA, s * s);
    page.write(kSquareD, Sqrt(2) * s);
  } else if (page.known(kSquareD)) {
    const Ext d = page.value(kSquareD);
    page.write(kSquareA, d * d * Ext(0.5L));
    page.write(kSquareS, d / Sqrt(2));
  }
}

void SolveRectangle(SolverPage& page) {
  static const std::string kName = "Rectangle";
  if (page.known({kRectA, kRectSideA})) {
    const Ext area = page.value(kRectA);
    const Ext a = page.value(kRectSideA);
    if (a == 0) page.showError(kName);
    const Ext b = page.writeReadBack(kRectSideB, area / a);
    page.write(kRectD, Sqrt(b * b + a * a));
  } else if (page.known({kRectA, kRectSideB})) {
    const Ext area = page.value(kRectA);
    const Ext b = page.value(kRectSideB);
    if (b == 0) page.showError(kName);
    const Ext a = area / b;
    page.write(kRectSideA, a);
    page.write(kRectD, Sqrt(a * a + b * b));  // the full a, not the shown one
  } else if (page.known({kRectA, kRectD})) {
    const Ext area = page.value(kRectA);
    const Ext d = page.value(kRectD);
    if (d * d * d * d - area * area * 4 < 0) page.showError(kName);
    const Ext a = page.writeReadBack(
        kRectSideA, Sqrt((d * d + Sqrt(d * d * d * d - area * area * 4)) * Ext(0.5L)));
    if (a == 0) page.showError(kName);
    page.write(kRectSideB, area / a);
  } else if (page.known({kRectSideA, kRectSideB})) {
    const Ext a = page.value(kRectSideA);
    const Ext b = page.value(kRectSideB);
    page.write(kRectA, a * b);
    page.write(kRectD, Sqrt(b * b + a * a));
  } else if (page.known({kRectSideA, kRectD})) {
    const Ext a = page.value(kRectSideA);
    const Ext d = page.value(kRectD);
    if (d * d - a * a < 0) page.showError(kName);
    page.write(kRectSideB, Sqrt(d * d - a * a));
    page.write(kRectA, Sqrt(d * d - a * a) * a);
  } else if (page.known({kRectSideB, kRectD})) {
    const Ext b = page.value(kRectSideB);
    const Ext d = page.value(kRectD);
    if (d * d - b * b < 0) page.showError(kName);
    const Ext area = page.writeReadBack(kRectA, Sqrt(d * d - b * b) * b);
    if (b == 0) page.showError(kName);
    page.write(kRectSideA, area / b);
  }
}

// a is the base and b the height.
void SolveParallelogram(SolverPage& page) {
  static const std::string kName = "Parallelogram";
  if (page.known({kParallelA, kParallelSideA})) {
    const Ext area = page.value(kParallelA);
    const Ext a = page.value(kParallelSideA);
    if (a == 0) page.showError(kName);
    page.write(kParallelSideB, area / a);
  } else if (page.known({kParallelA, kParallelSideB})) {
    const Ext area = page.value(kParallelA);
    const Ext b = page.value(kParallelSideB);
    if (b == 0) page.showError(kName);
    page.write(kParallelSideA, area / b);
  } else if (page.known({kParallelSideA, kParallelSideB})) {
    page.write(kParallelA, page.value(kParallelSideA) * page.value(kParallelSideB));
  }
}

void SolveTrapezoid(SolverPage& page) {
  static const std::string kName = "Trapezoid";
  if (page.known({kTrapezoidA, kTrapezoidSideA, kTrapezoidSideB})) {
    const Ext area = page.value(kTrapezoidA);
    const Ext a = page.value(kTrapezoidSideA);
    const Ext b = page.value(kTrapezoidSideB);
    if (a + b == 0) page.showError(kName);
    page.write(kTrapezoidH, area * 2 / (a + b));
  } else if (page.known({kTrapezoidA, kTrapezoidSideA, kTrapezoidH})) {
    const Ext area = page.value(kTrapezoidA);
    const Ext a = page.value(kTrapezoidSideA);
    const Ext h = page.value(kTrapezoidH);
    if (h == 0) page.showError(kName);
    page.write(kTrapezoidSideB, area * 2 / h - a);
  } else if (page.known({kTrapezoidA, kTrapezoidSideB, kTrapezoidH})) {
    const Ext area = page.value(kTrapezoidA);
    const Ext b = page.value(kTrapezoidSideB);
    const Ext h = page.value(kTrapezoidH);
    if (h == 0) page.showError(kName);
    page.write(kTrapezoidSideA, area * 2 / h - b);
  } else if (page.known({kTrapezoidSideA, kTrapezoidSideB, kTrapezoidH})) {
    const Ext a = page.value(kTrapezoidSideA);
    const Ext b = page.value(kTrapezoidSideB);
    const Ext h = page.value(kTrapezoidH);
    page.write(kTrapezoidA, (a + b) * h * Ext(0.5L));
  }
}

// The base is split by the feet of the vertical sides g (left) and h (right)
// into b, a and c: A = ((g + h) a + b g + c h) / 2. Case 5 has no check: g + h
// = 0 is a division fault.
void SolveTrapezium(SolverPage& page) {
  static const std::string kName = "Trapezium";
  const auto v = [&page](int field) { return page.value(field); };
  if (page.known({kTrapeziumA, kTrapeziumSideA, kTrapeziumSideB, kTrapeziumSideC, kTrapeziumG})) {
    const Ext area = v(kTrapeziumA), a = v(kTrapeziumSideA), b = v(kTrapeziumSideB),
              c = v(kTrapeziumSideC), g = v(kTrapeziumG);
    if (a + c == 0) page.showError(kName);
    page.write(kTrapeziumH, (area * 2 - b * g - a * g) / (a + c));
  } else if (page.known(
                 {kTrapeziumA, kTrapeziumSideA, kTrapeziumSideB, kTrapeziumSideC, kTrapeziumH})) {
    const Ext area = v(kTrapeziumA), a = v(kTrapeziumSideA), b = v(kTrapeziumSideB),
              c = v(kTrapeziumSideC), h = v(kTrapeziumH);
    if (a + b == 0) page.showError(kName);
    page.write(kTrapeziumG, (area * 2 - c * h - a * h) / (a + b));
  } else if (page.known(
                 {kTrapeziumA, kTrapeziumSideA, kTrapeziumSideB, kTrapeziumG, kTrapeziumH})) {
    const Ext area = v(kTrapeziumA), a = v(kTrapeziumSideA), b = v(kTrapeziumSideB),
              g = v(kTrapeziumG), h = v(kTrapeziumH);
    if (h == 0) page.showError(kName);
    page.write(kTrapeziumSideC, (area * 2 - (g + h) * a - b * g) / h);
  } else if (page.known(
                 {kTrapeziumA, kTrapeziumSideA, kTrapeziumSideC, kTrapeziumG, kTrapeziumH})) {
    const Ext area = v(kTrapeziumA), a = v(kTrapeziumSideA), c = v(kTrapeziumSideC),
              g = v(kTrapeziumG), h = v(kTrapeziumH);
    if (g == 0) page.showError(kName);
    page.write(kTrapeziumSideB, (area * 2 - (g + h) * a - c * h) / g);
  } else if (page.known(
                 {kTrapeziumA, kTrapeziumSideB, kTrapeziumSideC, kTrapeziumG, kTrapeziumH})) {
    const Ext area = v(kTrapeziumA), b = v(kTrapeziumSideB), c = v(kTrapeziumSideC),
              g = v(kTrapeziumG), h = v(kTrapeziumH);
    page.write(kTrapeziumSideA, (area * 2 - b * g - c * h) / (g + h));
  } else if (page.known(
                 {kTrapeziumSideA, kTrapeziumSideB, kTrapeziumSideC, kTrapeziumG, kTrapeziumH})) {
    const Ext a = v(kTrapeziumSideA), b = v(kTrapeziumSideB), c = v(kTrapeziumSideC),
              g = v(kTrapeziumG), h = v(kTrapeziumH);
    page.write(kTrapeziumA, ((g + h) * a + b * g + c * h) * Ext(0.5L));
  }
}

// Base and height: no checks, so a zero divisor is a division fault. All
// sides: a right triangle with legs a and b and hypotenuse c.
void SolveTriangle(SolverPage& page, int type) {
  static const std::string kName = "Triangle";
  if (type == kTriangleBaseHeight) {
    if (page.known({kTriangleA, kTriangleB})) {
      page.write(kTriangleH, page.value(kTriangleA) * 2 / page.value(kTriangleB));
    } else if (page.known({kTriangleA, kTriangleH})) {
      page.write(kTriangleB, page.value(kTriangleA) * 2 / page.value(kTriangleH));
    } else if (page.known({kTriangleB, kTriangleH})) {
      page.write(kTriangleA, page.value(kTriangleB) * page.value(kTriangleH) * Ext(0.5L));
    }
    return;
  }
  if (page.known({kTriangleA, kTriangleSideA})) {
    const Ext area = page.value(kTriangleA);
    const Ext a = page.value(kTriangleSideA);
    if (a == 0) page.showError(kName);
    const Ext b = page.writeReadBack(kTriangleB, area * 2 / a);
    page.write(kTriangleC, Sqrt(b * b + a * a));
  } else if (page.known({kTriangleA, kTriangleB})) {
    const Ext area = page.value(kTriangleA);
    const Ext b = page.value(kTriangleB);
    if (b == 0) page.showError(kName);
    const Ext a = page.writeReadBack(kTriangleSideA, area * 2 / b);
    page.write(kTriangleC, Sqrt(b * b + a * a));
  } else if (page.known({kTriangleSideA, kTriangleB})) {
    const Ext a = page.value(kTriangleSideA);
    const Ext b = page.value(kTriangleB);
    page.write(kTriangleA, a * b * Ext(0.5L));
    page.write(kTriangleC, Sqrt(b * b + a * a));
  } else if (page.known({kTriangleSideA, kTriangleC})) {
    const Ext a = page.value(kTriangleSideA);
    const Ext c = page.value(kTriangleC);
    if (c * c - a * a < 0) page.showError(kName);
    const Ext b = Sqrt(c * c - a * a);
    page.write(kTriangleA, a * b * Ext(0.5L));
    page.write(kTriangleB, b);
  } else if (page.known({kTriangleB, kTriangleC})) {
    const Ext b = page.value(kTriangleB);
    const Ext c = page.value(kTriangleC);
    if (c * c - b * b < 0) page.showError(kName);
    const Ext a = Sqrt(c * c - b * b);
    page.write(kTriangleA, a * b * Ext(0.5L));
    page.write(kTriangleSideA, a);
  }
}

// r is the inscribed radius, R the circumscribed one, S the side.
void SolveRegularPolygon(SolverPage& page, int sides) {
  const Ext n(sides);
  const Ext theta = Ext(180) / n * kPiOver180Ext;
  const Ext phi = Ext(360) / n * kPiOver180Ext;
  const auto tanTheta = [&] { return Sin(theta) / Cos(theta); };
  const auto cotTheta = [&] { return Cos(theta) / Sin(theta); };
  const auto shortR = [&](Ext area) { return Sqrt(area / (tanTheta() * n)); };
  const auto longR = [&](Ext area) { return Sqrt(area * 2 / (Sin(phi) * n)); };
  const auto side = [&](Ext area) { return Sqrt(area * 4 / (cotTheta() * n)); };
  if (page.known(kPolygonA)) {
    const Ext area = page.value(kPolygonA);
    page.write(kPolygonShortR, shortR(area));
    page.write(kPolygonLongR, longR(area));
    page.write(kPolygonS, side(area));
  } else if (page.known(kPolygonShortR)) {
    const Ext r = page.value(kPolygonShortR);
    const Ext area = page.writeReadBack(kPolygonA, tanTheta() * (r * r * n));
    page.write(kPolygonLongR, longR(area));
    page.write(kPolygonS, side(area));
  } else if (page.known(kPolygonLongR)) {
    const Ext r = page.value(kPolygonLongR);
    const Ext area = page.writeReadBack(kPolygonA, Sin(phi) * (r * r * (n * Ext(0.5L))));
    page.write(kPolygonShortR, shortR(area));
    page.write(kPolygonS, side(area));
  } else if (page.known(kPolygonS)) {
    const Ext s = page.value(kPolygonS);
    const Ext area = page.writeReadBack(kPolygonA, cotTheta() * (s * s * (n * Ext(0.25L))));
    page.write(kPolygonShortR, shortR(area));
    page.write(kPolygonLongR, longR(area));
  }
}

// a and b are the half-axes. No checks: a zero axis is a division fault.
void SolveEllipse(SolverPage& page) {
  if (page.known({kEllipseA, kEllipseAxisA})) {
    page.write(kEllipseAxisB, page.value(kEllipseA) / (kPiExt * page.value(kEllipseAxisA)));
  } else if (page.known({kEllipseA, kEllipseAxisB})) {
    page.write(kEllipseAxisA, page.value(kEllipseA) / (kPiExt * page.value(kEllipseAxisB)));
  } else if (page.known({kEllipseAxisA, kEllipseAxisB})) {
    page.write(kEllipseA, kPiExt * page.value(kEllipseAxisA) * page.value(kEllipseAxisB));
  }
}

void SolveCircularRing(SolverPage& page) {
  static const std::string kName = "Circular Ring";
  if (page.known({kRingA, kRingShortR})) {
    const Ext area = page.value(kRingA);
    const Ext r = page.value(kRingShortR);
    if (r * r + area * kOneOverPiExt < 0) page.showError(kName);
    page.write(kRingLongR, Sqrt(r * r + area * kOneOverPiExt));
  } else if (page.known({kRingA, kRingLongR})) {
    const Ext area = page.value(kRingA);
    const Ext bigR = page.value(kRingLongR);
    if (bigR * bigR - area * kOneOverPiExt < 0) page.showError(kName);
    page.write(kRingShortR, Sqrt(bigR * bigR - area * kOneOverPiExt));
  } else if (page.known({kRingShortR, kRingLongR})) {
    const Ext r = page.value(kRingShortR);
    const Ext bigR = page.value(kRingLongR);
    if (!(r < bigR)) page.showError(kName);
    page.write(kRingA, (bigR * bigR - r * r) * kPiExt);
  }
}

// The parabolic segment of base b and height h. No checks.
void SolveParabola(SolverPage& page) {
  if (page.known({kParabolaA, kParabolaB})) {
    page.write(kParabolaH, page.value(kParabolaA) * 3 / (page.value(kParabolaB) * 2));
  } else if (page.known({kParabolaA, kParabolaH})) {
    page.write(kParabolaB, page.value(kParabolaA) * 3 / (page.value(kParabolaH) * 2));
  } else if (page.known({kParabolaB, kParabolaH})) {
    page.write(kParabolaA, page.value(kParabolaB) * 2 * page.value(kParabolaH) * kOneThird);
  }
}

// A = (b r - c r + c h) / 2 with r the radius, c the chord, b the arc and h
// the height from the chord to the arc.
void SolveSegment(SolverPage& page) {
  static const std::string kName = "Segment";
  const auto v = [&page](int field) { return page.value(field); };
  if (page.known({kSegmentA, kSegmentR, kSegmentH, kSegmentC})) {
    const Ext area = v(kSegmentA), r = v(kSegmentR), h = v(kSegmentH), c = v(kSegmentC);
    if (!(r > 0)) page.showError(kName);
    page.write(kSegmentB, (area * 2 - c * h + c * r) / r);
  } else if (page.known({kSegmentA, kSegmentR, kSegmentH, kSegmentB})) {
    const Ext area = v(kSegmentA), r = v(kSegmentR), h = v(kSegmentH), b = v(kSegmentB);
    if (h - r == 0) page.showError(kName);
    page.write(kSegmentC, (area * 2 - b * r) / (h - r));
  } else if (page.known({kSegmentA, kSegmentR, kSegmentC, kSegmentB})) {
    const Ext area = v(kSegmentA), r = v(kSegmentR), c = v(kSegmentC), b = v(kSegmentB);
    if (!(c > 0)) page.showError(kName);
    page.write(kSegmentH, (area * 2 - b * r + c * r) / c);
  } else if (page.known({kSegmentA, kSegmentH, kSegmentC, kSegmentB})) {
    const Ext area = v(kSegmentA), h = v(kSegmentH), c = v(kSegmentC), b = v(kSegmentB);
    if (b - c == 0) page.showError(kName);
    page.write(kSegmentR, (area * 2 - c * h) / (b - c));
  } else if (page.known({kSegmentR, kSegmentH, kSegmentC, kSegmentB})) {
    const Ext r = v(kSegmentR), h = v(kSegmentH), c = v(kSegmentC), b = v(kSegmentB);
    // The area is shown before it is checked.
    const Ext area = page.writeReadBack(kSegmentA, (b * r - c * r + c * h) * Ext(0.5L));
    if (!(area >= 0)) page.showError(kName);
  }
}

// The field of the other mode is converted with the page but not used.
void SolveSector(SolverPage& page, int type) {
  static const std::string kName = "Sector";
  if (type == kSectorArc) {
    if (page.known({kSectorA, kSectorR})) {
      const Ext area = page.value(kSectorA);
      const Ext r = page.value(kSectorR);
      if (r == 0) page.showError(kName);
      page.write(kSectorB, area * 2 / r);
    } else if (page.known({kSectorA, kSectorB})) {
      const Ext area = page.value(kSectorA);
      const Ext b = page.value(kSectorB);
      if (b == 0) page.showError(kName);
      page.write(kSectorR, area * 2 / b);
    } else if (page.known({kSectorR, kSectorB})) {
      page.write(kSectorA, page.value(kSectorB) * page.value(kSectorR) * Ext(0.5L));
    }
    return;
  }
  // The angle is in degrees.
  if (page.known({kSectorA, kSectorR})) {
    const Ext area = page.value(kSectorA);
    const Ext r = page.value(kSectorR);
    if (r == 0) page.showError(kName);
    page.write(kSectorAngleField, area * 360 / (r * r * kPiExt));
  } else if (page.known({kSectorA, kSectorAngleField})) {
    const Ext area = page.value(kSectorA);
    const Ext angle = page.value(kSectorAngleField);
    if (kPiExt * angle == 0) page.showError(kName);
    page.write(kSectorR, Sqrt(area * 360 / (kPiExt * angle)));
  } else if (page.known({kSectorR, kSectorAngleField})) {
    const Ext r = page.value(kSectorR);
    const Ext angle = page.value(kSectorAngleField);
    page.write(kSectorA, r * r * kPiExt * angle * kOneOver360);
  }
}

// A quarter circle of radius r; c is the chord joining the arc's ends.
void SolveQuadrant(SolverPage& page) {
  static const std::string kName = "Quadrant";
  if (page.known(kQuadrantA)) {
    const Ext area = page.value(kQuadrantA);
    if (!(area * 8 * kOneOverPiExt >= 0 && area * 4 * kOneOverPiExt >= 0)) page.showError(kName);
    page.write(kQuadrantC, Sqrt(area * 8 * kOneOverPiExt));
    page.write(kQuadrantR, Sqrt(area * 4 * kOneOverPiExt));
  } else if (page.known(kQuadrantR)) {
    const Ext r = page.value(kQuadrantR);
    const Ext area = page.writeReadBack(kQuadrantA, r * r * kPiExt * Ext(0.25L));
    if (!(area * 8 * kOneOverPiExt >= 0)) page.showError(kName);
    page.write(kQuadrantC, Sqrt(area * 8 * kOneOverPiExt));
  } else if (page.known(kQuadrantC)) {
    const Ext c = page.value(kQuadrantC);
    const Ext area = page.writeReadBack(kQuadrantA, c * c * kPiExt * Ext(0.125L));
    // Unlike the other cases this refuses a zero area.
    if (area * 4 * kOneOverPiExt == 0) page.showError(kName);
    page.write(kQuadrantR, Sqrt(area * 4 * kOneOverPiExt));
  }
}

// The region between a quarter circle of radius r and the tangents at its
// ends; c is the chord joining the arc's ends. No checks.
void SolveSpandrel(SolverPage& page) {
  const Ext fourLessPi = Ext(4) - kPiExt;
  const Ext overFourLessPi = Ext(1) / fourLessPi;
  if (page.known(kSpandrelA)) {
    const Ext area = page.value(kSpandrelA);
    page.write(kSpandrelR, Sqrt(area * 4 * overFourLessPi));
    page.write(kSpandrelC, Sqrt(area * 8 * overFourLessPi));
  } else if (page.known(kSpandrelR)) {
    const Ext r = page.value(kSpandrelR);
    const Ext area = page.writeReadBack(kSpandrelA, r * r * fourLessPi * Ext(0.25L));
    page.write(kSpandrelC, Sqrt(area * 8 * overFourLessPi));
  } else if (page.known(kSpandrelC)) {
    const Ext c = page.value(kSpandrelC);
    const Ext area = page.writeReadBack(kSpandrelA, c * c * fourLessPi * Ext(0.125L));
    page.write(kSpandrelR, Sqrt(area * 4 * overFourLessPi));
  }
}

int PolygonSides(std::string_view spinText) {
  constexpr int kMin = 4, kMax = 50;
  if (spinText.empty() || spinText.size() > 9) return kMin;
  int n = 0;
  for (char ch : spinText) {
    if (ch < '0' || ch > '9') return kMin;
    n = n * 10 + (ch - '0');
  }
  return n < kMin ? kMin : n > kMax ? kMax : n;
}

}  // namespace tivorum
