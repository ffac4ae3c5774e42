#include "geometry/volume_pictures.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "geometry/solid_pictures_drawing.h"

namespace tivorum {

using namespace sketch;

namespace {

// Where the lines from a point on the axis, `d` below the centre of a flat
// circle (negative: above it), touch the circle's outline: the angle of the
// right-hand touching point.
double touchAngle(double ry, double d) {
  return std::asin(ry / d) * kDegree;
}

}  // namespace

void drawCircularRing(QPainter& p) {
  paper(p);
  const QPointF c(75, 72);
  const double bigR = 48, tube = 14, tilt = 0.55;
  // Outline: the tube swept round the centre line.
  p.setPen(edgePen());
  p.drawPath(ellipseArc(c, {bigR + tube, 0}, {0, bigR * tilt + tube}, 0, 360));
  // The hole: the near tube's top edge below, the far tube's inner side above.
  p.drawPath(ellipseArc(c, {36, 0}, {0, 14}, 0, 180));
  p.drawPath(ellipseArc(c + QPointF(0, 10.4), {24, 0}, {0, 12}, 180, 360));
  // Centre line of the tube, and its cross-section at the right.
  p.setPen(hiddenPen());
  p.drawPath(ellipseArc(c, {bigR, 0}, {0, bigR * tilt}, 0, 360));
  const QPointF tubeCentre = c + QPointF(bigR, 0);
  p.drawPath(ellipseArc(tubeCentre, {tube, 0}, {0, tube * 0.84}, 0, 360));
  dot(p, c);
  dot(p, tubeCentre);
  dimension(p, c, tubeCentre, false);
  dimension(p, tubeCentre, tubeCentre + QPointF(tube, 0), false);
  letter(p, c + QPointF(bigR * 0.62, -8), "R");
  letter(p, tubeCentre + QPointF(tube + 7, -1), "r");
}

void drawConeVolume(QPainter& p) {
  paper(p);
  const QPointF apex(75, 14), base(75, 116);
  const double rx = 56, ry = 17;
  const double t = touchAngle(ry, apex.y() - base.y());
  edge(p, apex, onEllipse(base, rx, ry, t));
  edge(p, apex, onEllipse(base, rx, ry, 180 - t));
  p.setPen(edgePen());
  p.drawPath(ellipseArc(base, {rx, 0}, {0, ry}, t, 180 - t));
  p.setPen(hiddenPen());
  p.drawPath(ellipseArc(base, {rx, 0}, {0, ry}, 180 - t, 360 + t));
  hidden(p, apex, base);
  dot(p, base);
  rightAngle(p, base, apex, base + QPointF(rx, 0));
  dimension(p, base, base + QPointF(rx, 0), false);
  letter(p, base + QPointF(rx * 0.55, -8), "r");
  letter(p, QPointF(apex.x() - 8, (apex.y() + base.y()) / 2 + 10), "h");
}

void drawCube(QPainter& p) {
  paper(p);
  const double s = 70;
  const QPointF depth(28, -24);
  const QPointF f0(32, 52);  // front face, top left
  const QPointF f1 = f0 + QPointF(s, 0), f2 = f0 + QPointF(s, s), f3 = f0 + QPointF(0, s);
  p.setPen(edgePen());
  p.drawPolygon(QPolygonF({f0, f1, f2, f3}));
  p.drawPolyline(QPolygonF({f0, f0 + depth, f1 + depth, f1}));
  p.drawPolyline(QPolygonF({f1 + depth, f2 + depth, f2}));
  const QPointF back = f3 + depth;
  hidden(p, back, f0 + depth);
  hidden(p, back, f2 + depth);
  hidden(p, back, f3);
  extension(p, f0 - QPointF(3, 0), f0 - QPointF(17, 0));
  extension(p, f3 - QPointF(3, 0), f3 - QPointF(17, 0));
  dimension(p, f0 - QPointF(12, 0), f3 - QPointF(12, 0));
  letter(p, QPointF(f0.x() - 22, f0.y() + s / 2), "h");
}

void drawCylinder(QPainter& p) {
  paper(p);
  const QPointF top(68, 26), bottom(68, 118);
  const double rx = 46, ry = 14;
  p.setPen(edgePen());
  p.drawPath(ellipseArc(top, {rx, 0}, {0, ry}, 0, 360));
  flatCircle(p, bottom, rx, ry);
  edge(p, top - QPointF(rx, 0), bottom - QPointF(rx, 0));
  edge(p, top + QPointF(rx, 0), bottom + QPointF(rx, 0));
  dot(p, top);
  dimension(p, top, top + QPointF(rx, 0), false);
  letter(p, top + QPointF(rx * 0.5, -7), "r");
  hidden(p, top, bottom);
  extension(p, top + QPointF(rx + 3, 0), top + QPointF(rx + 20, 0));
  extension(p, bottom + QPointF(rx + 3, 0), bottom + QPointF(rx + 20, 0));
  const double x = top.x() + rx + 15;
  dimension(p, QPointF(x, top.y()), QPointF(x, bottom.y()));
  letter(p, QPointF(x + 9, (top.y() + bottom.y()) / 2), "h");
}

void drawEllipsoid(QPainter& p) {
  paper(p);
  const QPointF c(75, 73);
  const QPointF u(60, 0), v(-26, 18), w(0, -42);  // semi-axes: a, r (towards us), b
  // The outline of the projected ellipsoid: the ellipse whose shape matrix is
  // u·uᵀ + v·vᵀ + w·wᵀ, drawn from its Cholesky factor.
  const double sxx = u.x() * u.x() + v.x() * v.x() + w.x() * w.x();
  const double sxy = u.x() * u.y() + v.x() * v.y() + w.x() * w.y();
  const double syy = u.y() * u.y() + v.y() * v.y() + w.y() * w.y();
  const double l11 = std::sqrt(sxx), l21 = sxy / l11, l22 = std::sqrt(syy - l21 * l21);
  p.setPen(edgePen());
  p.drawPath(ellipseArc(c, {l11, l21}, {0, l22}, 0, 360));
  // The a-r section: its near half shows.
  p.drawPath(ellipseArc(c, u, v, 0, 180));
  p.setPen(hiddenPen());
  p.drawPath(ellipseArc(c, u, v, 180, 360));
  dimension(p, c - u, c + u);
  dimension(p, c + w, c - w);
  dimension(p, c, c + v, false);
  dot(p, c);
  letter(p, c + QPointF(u.x() * 0.62, -8), "a");
  letter(p, c + QPointF(9, w.y() * 0.62), "b");
  letter(p, c + 0.5 * v + QPointF(6, 8), "r");
}

void drawParaboloid(QPainter& p) {
  paper(p);
  const QPointF rim(70, 28), vertex(70, 126);
  const double rx = 48, ry = 13;
  const double h = vertex.y() - rim.y();
  QPainterPath side;
  for (int i = -40; i <= 40; ++i) {
    const double s = i / 40.0;  // x = rx·s, depth grows with s²
    const QPointF pt(rim.x() + rx * s, vertex.y() - h * s * s);
    if (i == -40)
      side.moveTo(pt);
    else
      side.lineTo(pt);
  }
  p.setPen(edgePen());
  p.drawPath(side);
  p.drawPath(ellipseArc(rim, {rx, 0}, {0, ry}, 0, 360));
  hidden(p, rim, vertex);
  dot(p, rim);
  dimension(p, rim, rim + QPointF(rx, 0), false);
  letter(p, rim + QPointF(rx * 0.5, -7), "r");
  const double x = rim.x() + rx + 17;
  extension(p, rim + QPointF(rx + 3, 0), QPointF(x + 4, rim.y()));
  extension(p, vertex + QPointF(4, 0), QPointF(x + 4, vertex.y()));
  dimension(p, QPointF(x, rim.y()), QPointF(x, vertex.y()));
  letter(p, QPointF(x - 9, (rim.y() + vertex.y()) / 2 + 10), "h");
}

void drawPyramid(QPainter& p) {
  paper(p);
  const QPointF frontLeft(20, 122), frontRight(102, 122), backRight(132, 96), backLeft(50, 96);
  const QPointF centre = (frontLeft + backRight) / 2;
  const QPointF apex(centre.x(), 14);
  p.setPen(edgePen());
  p.drawPolyline(QPolygonF({frontLeft, frontRight, backRight}));
  edge(p, apex, frontLeft);
  edge(p, apex, frontRight);
  edge(p, apex, backRight);
  hidden(p, apex, backLeft);
  hidden(p, backLeft, frontLeft);
  hidden(p, backLeft, backRight);
  hidden(p, apex, centre);
  dot(p, centre);
  rightAngle(p, centre, apex, frontRight);
  letter(p, QPointF(apex.x() - 8, (apex.y() + centre.y()) / 2 + 8), "h");
  letter(p, centre + QPointF(-18, 3), "A");
}

void drawRectPrism(QPainter& p) {
  paper(p);
  const double a = 78, h = 58;
  const QPointF depth(30, -28);
  const QPointF f0(28, 62);
  const QPointF f1 = f0 + QPointF(a, 0), f2 = f0 + QPointF(a, h), f3 = f0 + QPointF(0, h);
  p.setPen(edgePen());
  p.drawPolygon(QPolygonF({f0, f1, f2, f3}));
  p.drawPolyline(QPolygonF({f0, f0 + depth, f1 + depth, f1}));
  p.drawPolyline(QPolygonF({f1 + depth, f2 + depth, f2}));
  const QPointF back = f3 + depth;
  hidden(p, back, f0 + depth);
  hidden(p, back, f2 + depth);
  hidden(p, back, f3);
  // a along the front, b into the depth, h up the side.
  extension(p, f3 + QPointF(0, 3), f3 + QPointF(0, 17));
  extension(p, f2 + QPointF(0, 3), f2 + QPointF(0, 17));
  dimension(p, f3 + QPointF(0, 12), f2 + QPointF(0, 12));
  letter(p, (f2 + f3) / 2 + QPointF(0, 22), "a");
  const QPointF out(7, 7);
  extension(p, f2 + QPointF(2, 2), f2 + out + QPointF(3, 3));
  extension(p, f2 + depth + QPointF(2, 2), f2 + depth + out + QPointF(3, 3));
  dimension(p, f2 + out, f2 + depth + out);
  letter(p, f2 + depth / 2 + QPointF(17, 14), "b");
  extension(p, f0 - QPointF(3, 0), f0 - QPointF(17, 0));
  extension(p, f3 - QPointF(3, 0), f3 - QPointF(17, 0));
  dimension(p, f0 - QPointF(12, 0), f3 - QPointF(12, 0));
  letter(p, QPointF(f0.x() - 22, f0.y() + h / 2), "h");
}

void drawSphere(QPainter& p) {
  paper(p);
  const QPointF c(75, 75);
  const double r = 60;
  p.setPen(edgePen());
  p.drawPath(ellipseArc(c, {r, 0}, {0, r}, 0, 360));
  flatCircle(p, c, r, 16);
  dot(p, c);
  const QPointF end = onEllipse(c, r, r, -32);
  dimension(p, c, end, false);
  letter(p, (c + end) / 2 + QPointF(-5, -9), "r");
}

void drawSphericalSector(QPainter& p) {
  paper(p);
  const QPointF centre(75, 98);
  const double r = 60, capHeight = 34;
  const double below = r - capHeight;  // from the centre up to the cap's base
  const QPointF rim(centre.x(), centre.y() - below);
  const double rx = std::sqrt(r * r - below * below), ry = 12;
  const double edgeAngle = std::asin(below / r) * kDegree;
  // The cap's dome, then the rest of the sphere it is cut from.
  p.setPen(edgePen());
  p.drawPath(ellipseArc(centre, {r, 0}, {0, r}, 180 + edgeAngle, 360 - edgeAngle));
  p.setPen(hiddenPen());
  p.drawPath(ellipseArc(centre, {r, 0}, {0, r}, -edgeAngle, 180 + edgeAngle));
  // The cap's base circle; the cone from the centre touches its near side.
  flatCircle(p, rim, rx, ry);
  const double t = touchAngle(ry, centre.y() - rim.y());
  edge(p, centre, onEllipse(rim, rx, ry, t));
  edge(p, centre, onEllipse(rim, rx, ry, 180 - t));
  hidden(p, centre, rim);
  dot(p, centre);
  const QPointF top(centre.x(), centre.y() - r);
  dimension(p, rim, top);
  letter(p, QPointF(rim.x() + 9, (rim.y() + top.y()) / 2 - 2), "h");
  const QPointF end = onEllipse(centre, r, r, 28);
  dimension(p, centre, end, false);
  letter(p, (centre + end) / 2 + QPointF(-3, 10), "r");
}

}  // namespace tivorum
