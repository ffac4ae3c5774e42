#include "geometry/area_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <numbers>

#include "controls/look.h"
#include "geometry/area_window.h"

namespace tivorum {

namespace {

// ---- Drawing helpers (units of the 150 x 150 box) ------------------------------------

QPen outlinePen() {
  QPen pen(Qt::black, 1.6);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

QPen thinPen() {
  return QPen(Qt::black, 0.8);
}

QPen dashedPen() {
  QPen pen(Qt::black, 0.9);
  pen.setDashPattern({4.0, 3.0});
  return pen;
}

void paper(QPainter& p) {
  p.fillRect(QRectF(0, 0, 150, 150), Qt::white);
  p.setBrush(Qt::NoBrush);
}

// The point at `degrees` (counter-clockwise from east, as on paper) and
// distance r from c.
QPointF polar(QPointF c, double r, double degrees) {
  const double t = degrees * std::numbers::pi / 180.0;
  return {c.x() + r * std::cos(t), c.y() - r * std::sin(t)};
}

QRectF circleBox(QPointF c, double r) {
  return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

void outline(QPainter& p, const QPainterPath& path) {
  p.setPen(outlinePen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void outline(QPainter& p, const QPolygonF& polygon) {
  p.setPen(outlinePen());
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(polygon);
}

void thin(QPainter& p, QPointF a, QPointF b) {
  p.setPen(thinPen());
  p.drawLine(a, b);
}

void dashed(QPainter& p, QPointF a, QPointF b) {
  p.setPen(dashedPen());
  p.drawLine(a, b);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  const QPointF d = tip - from;
  const double length = std::hypot(d.x(), d.y());
  if (length < 1e-6) return;
  const QPointF unit = d / length;
  const QPointF back = tip - 6.0 * unit;
  const QPointF side(-unit.y() * 2.2, unit.x() * 2.2);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({tip, back + side, back - side}));
  p.setBrush(Qt::NoBrush);
}

// A measure: a thin line with an arrow head at each end.
void dimension(QPainter& p, QPointF a, QPointF b) {
  thin(p, a, b);
  arrowHead(p, a, b);
  arrowHead(p, b, a);
}

// A radius or half-axis: from the centre, arrow head at the curve.
void ray(QPainter& p, QPointF from, QPointF to) {
  thin(p, from, to);
  arrowHead(p, to, from);
}

void dot(QPainter& p, QPointF at) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(at, 1.8, 1.8);
  p.setBrush(Qt::NoBrush);
}

// A small square mark in the corner c between the directions to a and b.
void rightAngle(QPainter& p, QPointF c, QPointF towardA, QPointF towardB) {
  const auto unit = [](QPointF v) { return v / std::hypot(v.x(), v.y()); };
  const QPointF da = 7.0 * unit(towardA - c);
  const QPointF db = 7.0 * unit(towardB - c);
  p.setPen(thinPen());
  p.drawPolyline(QPolygonF({c + da, c + da + db, c + db}));
}

// Thin diagonal lines over a region, to show which part is meant.
void hatch(QPainter& p, const QPainterPath& region) {
  p.save();
  p.setClipPath(region, Qt::IntersectClip);
  p.setPen(QPen(Qt::black, 0.5));
  for (double x = -150; x < 150; x += 5) p.drawLine(QPointF(x, 150), QPointF(x + 150, 0));
  p.restore();
}

// A quantity's letter centred on `at`; on a hatched region it gets a white
// patch so that it stays readable.
void letter(QPainter& p, QPointF at, const QString& text, bool onHatching = false) {
  QFont font = arial(14, true);
  font.setItalic(true);
  p.setFont(font);
  if (onHatching) {
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text) + 5;
    const double h = metrics.ascent() + 1;
    p.fillRect(QRectF(at.x() - w / 2, at.y() - h / 2, w, h), Qt::white);
  }
  p.setPen(Qt::black);
  p.drawText(QRectF(at.x() - 15, at.y() - 10, 30, 20), Qt::AlignCenter, text);
}

// ---- The figures ---------------------------------------------------------------------

void drawCircle(QPainter& p) {
  paper(p);
  const QPointF c(75, 62);
  const double r = 50;
  p.setPen(outlinePen());
  p.drawEllipse(c, r, r);
  dot(p, c);
  const QPointF end = polar(c, r, 35);
  ray(p, c, end);
  letter(p, polar(c, r / 2, 35) + QPointF(-5, -9), "r");
  letter(p, QPointF(68, 90), "A");
  // The diameter, measured under the circle.
  thin(p, QPointF(25, c.y() + 4), QPointF(25, 134));
  thin(p, QPointF(125, c.y() + 4), QPointF(125, 134));
  dimension(p, QPointF(25, 128), QPointF(125, 128));
  letter(p, QPointF(75, 140), "d");
  // The perimeter: an arrow running round the circle.
  QPainterPath around;
  around.arcMoveTo(circleBox(c, r + 7), 115);
  around.arcTo(circleBox(c, r + 7), 115, 45);
  p.setPen(thinPen());
  p.drawPath(around);
  arrowHead(p, polar(c, r + 7, 160), polar(c, r + 7, 154));
  letter(p, polar(c, r + 16, 135), "p");
}

void drawSquare(QPainter& p) {
  paper(p);
  const QRectF square(28, 16, 94, 94);
  outline(p, QPolygonF(square));
  dashed(p, square.bottomLeft(), square.topRight());
  letter(p, QPointF(66, 54), "d");
  letter(p, QPointF(97, 88), "A");
  letter(p, QPointF(75, 124), "s");
  letter(p, QPointF(134, 63), "s");
}

void drawRectangle(QPainter& p) {
  paper(p);
  const QRectF rectangle(14, 30, 106, 70);
  outline(p, QPolygonF(rectangle));
  dashed(p, rectangle.bottomLeft(), rectangle.topRight());
  letter(p, QPointF(58, 57), "d");
  letter(p, QPointF(88, 80), "A");
  letter(p, QPointF(67, 114), "a");
  letter(p, QPointF(132, 65), "b");
}

void drawParallelogram(QPainter& p) {
  paper(p);
  const QPointF a(12, 106), b(100, 106), c(138, 36), d(50, 36);
  outline(p, QPolygonF({a, b, c, d}));
  // b is the height, at right angles to the base a.
  const QPointF foot(50, 106);
  dashed(p, d, foot);
  rightAngle(p, foot, d, b);
  letter(p, QPointF(41, 74), "b");
  letter(p, QPointF(88, 74), "A");
  letter(p, QPointF(56, 120), "a");
}

void drawTrapezoid(QPainter& p) {
  paper(p);
  const QPointF bottomLeft(12, 108), bottomRight(138, 108), topRight(106, 38), topLeft(48, 38);
  outline(p, QPolygonF({bottomLeft, bottomRight, topRight, topLeft}));
  const QPointF foot(48, 108);
  dashed(p, topLeft, foot);
  rightAngle(p, foot, topLeft, bottomRight);
  letter(p, QPointF(39, 76), "h");
  letter(p, QPointF(86, 78), "A");
  letter(p, QPointF(77, 27), "a");
  letter(p, QPointF(75, 122), "b");
}

// The base is split by the feet of the two vertical sides g (left) and h
// (right) into b, a and c.
void drawTrapezium(QPainter& p) {
  paper(p);
  const double base = 112;
  const QPointF left(10, base), footG(46, base), footH(108, base), right(140, base);
  const QPointF topG(46, 38), topH(108, 60);
  outline(p, QPolygonF({left, topG, topH, right}));
  dashed(p, topG, footG);
  dashed(p, topH, footH);
  rightAngle(p, footG, topG, footH);
  rightAngle(p, footH, topH, right);
  const double measure = 124;
  for (double x : {left.x(), footG.x(), footH.x(), right.x()})
    thin(p, QPointF(x, base + 3), QPointF(x, measure + 4));
  dimension(p, QPointF(left.x(), measure), QPointF(footG.x(), measure));
  dimension(p, QPointF(footG.x(), measure), QPointF(footH.x(), measure));
  dimension(p, QPointF(footH.x(), measure), QPointF(right.x(), measure));
  letter(p, QPointF(28, 137), "b");
  letter(p, QPointF(77, 137), "a");
  letter(p, QPointF(124, 137), "c");
  letter(p, QPointF(37, 82), "g");
  letter(p, QPointF(117, 94), "h");
  letter(p, QPointF(78, 86), "A");
}

void drawTriangleBaseHeight(QPainter& p) {
  paper(p);
  const QPointF left(12, 112), right(138, 112), apex(96, 28);
  outline(p, QPolygonF({left, right, apex}));
  const QPointF foot(apex.x(), left.y());
  dashed(p, apex, foot);
  rightAngle(p, foot, apex, right);
  letter(p, QPointF(106, 80), "h");
  letter(p, QPointF(62, 90), "A");
  letter(p, QPointF(75, 126), "b");
}

// The right triangle: legs a (vertical) and b (base), hypotenuse c.
void drawTriangleAllSides(QPainter& p) {
  paper(p);
  const QPointF corner(28, 118), top(28, 22), right(132, 118);
  outline(p, QPolygonF({corner, top, right}));
  rightAngle(p, corner, top, right);
  letter(p, QPointF(17, 70), "a");
  letter(p, QPointF(80, 131), "b");
  letter(p, QPointF(90, 60), "c");
  letter(p, QPointF(56, 94), "A");
}

// R reaches a corner (the circumscribed circle), r the middle of a side (the
// inscribed circle), S is a side.
void drawRegularPolygon(QPainter& p) {
  paper(p);
  const QPointF c(75, 68);
  const double bigR = 56;
  QPolygonF hexagon;
  for (int k = 0; k < 6; ++k) hexagon << polar(c, bigR, 60.0 * k);
  p.setPen(dashedPen());
  p.drawEllipse(c, bigR, bigR);
  outline(p, hexagon);
  dot(p, c);
  ray(p, c, polar(c, bigR, 0));
  letter(p, QPointF(104, 60), "R");
  const QPointF middle = polar(c, bigR * std::sqrt(3.0) / 2, -30);
  ray(p, c, middle);
  rightAngle(p, middle, c, polar(c, bigR, 0));
  letter(p, QPointF(90, 92), "r");
  letter(p, QPointF(75, 131), "S");
  letter(p, QPointF(56, 56), "A");
}

// a and b are the half-axes.
void drawEllipse(QPainter& p) {
  paper(p);
  const QPointF c(75, 72);
  const double b = 62, a = 38;
  p.setPen(outlinePen());
  p.drawEllipse(c, b, a);
  dot(p, c);
  ray(p, c, QPointF(c.x() + b, c.y()));
  ray(p, c, QPointF(c.x(), c.y() - a));
  letter(p, QPointF(106, 63), "b");
  letter(p, QPointF(66, 52), "a");
  letter(p, QPointF(54, 92), "A");
}

void drawCircularRing(QPainter& p) {
  paper(p);
  const QPointF c(75, 72);
  const double outer = 58, inner = 26;
  QPainterPath ring;
  ring.addEllipse(c, outer, outer);
  ring.addEllipse(c, inner, inner);
  hatch(p, ring);
  outline(p, ring);
  dot(p, c);
  ray(p, c, polar(c, outer, 40));
  letter(p, polar(c, 42, 52), "R", true);
  ray(p, c, polar(c, inner, 200));
  letter(p, QPointF(70, 86), "r");
  letter(p, QPointF(75, 115), "A", true);
}

// The parabolic segment over base b with height h.
void drawParabola(QPainter& p) {
  paper(p);
  const double base = 124;
  const QPointF left(18, base), right(132, base), apex(75, 28);
  QPainterPath segment;
  segment.moveTo(left);
  // A quadratic curve through the apex: its control point lies twice as far
  // above the base.
  segment.quadTo(QPointF(apex.x(), 2 * apex.y() - base), right);
  segment.closeSubpath();
  outline(p, segment);
  const QPointF foot(apex.x(), base);
  dashed(p, apex, foot);
  rightAngle(p, foot, apex, right);
  letter(p, QPointF(84, 80), "h");
  letter(p, QPointF(52, 102), "A");
  letter(p, QPointF(75, 138), "b");
}

// The segment cut off by chord c: r the circle's radius, b the arc, h the
// height from the chord to the arc.
void drawSegment(QPainter& p) {
  paper(p);
  const QPointF centre(75, 130);
  const double r = 75, distance = 30;
  const double half = std::sqrt(r * r - distance * distance);
  const QPointF left(centre.x() - half, centre.y() - distance);
  const QPointF right(centre.x() + half, centre.y() - distance);
  const double rightEnd = std::atan2(distance, half) * 180.0 / std::numbers::pi;
  QPainterPath segment;
  segment.moveTo(right);
  segment.arcTo(circleBox(centre, r), rightEnd, 180 - 2 * rightEnd);
  segment.closeSubpath();
  hatch(p, segment);
  outline(p, segment);
  dashed(p, centre, left);
  dashed(p, centre, right);
  dot(p, centre);
  const QPointF chordMiddle(centre.x(), left.y());
  const QPointF arcTop(centre.x(), centre.y() - r);
  dashed(p, chordMiddle, arcTop);
  rightAngle(p, chordMiddle, arcTop, right);
  letter(p, QPointF(36, 124), "r");
  letter(p, QPointF(75, 112), "c");
  letter(p, QPointF(85, 79), "h", true);
  letter(p, QPointF(75, 45), "b");
  letter(p, QPointF(42, 86), "A", true);
}

// r the radius, b the arc, Ø the angle at the centre.
void drawSector(QPainter& p) {
  paper(p);
  const QPointF centre(18, 128);
  const double r = 108, angle = 55;
  QPainterPath sector;
  sector.moveTo(centre);
  sector.arcTo(circleBox(centre, r), 0, angle);
  sector.closeSubpath();
  outline(p, sector);
  dot(p, centre);
  QPainterPath mark;
  mark.arcMoveTo(circleBox(centre, 24), 0);
  mark.arcTo(circleBox(centre, 24), 0, angle);
  p.setPen(thinPen());
  p.drawPath(mark);
  letter(p, polar(centre, 36, angle / 2), QStringLiteral("\u00d8"));
  letter(p, QPointF(72, 140), "r");
  letter(p, polar(centre, r + 11, angle / 2), "b");
  letter(p, QPointF(82, 98), "A");
}

// A quarter circle of radius r; c joins the ends of its arc.
void drawQuadrant(QPainter& p) {
  paper(p);
  const QPointF centre(20, 130);
  const double r = 108;
  QPainterPath quadrant;
  quadrant.moveTo(centre);
  quadrant.arcTo(circleBox(centre, r), 0, 90);
  quadrant.closeSubpath();
  outline(p, quadrant);
  rightAngle(p, centre, polar(centre, r, 0), polar(centre, r, 90));
  dashed(p, polar(centre, r, 0), polar(centre, r, 90));
  letter(p, QPointF(74, 142), "r");
  letter(p, QPointF(84, 68), "c");
  letter(p, QPointF(48, 104), "A");
}

// Between a quarter circle of radius r and the tangents at its ends; c joins
// the ends of the arc.
void drawSpandrel(QPainter& p) {
  paper(p);
  const QPointF centre(22, 128);
  const double r = 100;
  const QPointF top = polar(centre, r, 90), side = polar(centre, r, 0);
  const QPointF corner(side.x(), top.y());
  QPainterPath spandrel;
  spandrel.moveTo(top);
  spandrel.lineTo(corner);
  spandrel.lineTo(side);
  spandrel.arcTo(circleBox(centre, r), 0, 90);
  spandrel.closeSubpath();
  hatch(p, spandrel);
  outline(p, spandrel);
  dashed(p, centre, top);
  dashed(p, centre, side);
  dashed(p, top, side);
  dot(p, centre);
  letter(p, QPointF(72, 140), "r");
  letter(p, QPointF(64, 86), "c");
  letter(p, QPointF(106, 44), "A", true);
}

// In page order.
constexpr PictureDrawing kDrawings[kAreaPageCount] = {
    drawCircle,   drawCircularRing, drawEllipse,        drawParallelogram, drawParabola,
    drawQuadrant, drawRectangle,    drawRegularPolygon, drawSector,        drawSegment,
    drawSquare,   drawSpandrel,     drawTrapezium,      drawTrapezoid,     drawTriangleBaseHeight,
};

}  // namespace

std::span<const PagePicture> areaPictures() {
  static const std::array<PagePicture, kAreaPageCount> pictures = [] {
    std::array<PagePicture, kAreaPageCount> all{};
    for (int page = 0; page < kAreaPageCount; ++page) {
      all[page] = {areaNotebook().notebook.pages[page].pictures.front(), kDrawings[page]};
    }
    return all;
  }();
  return pictures;
}

const PagePicture& areaTriangleAllSidesPicture() {
  static const PagePicture picture{areaNotebook().notebook.pages[kTrianglePage].pictures[1],
                                   drawTriangleAllSides};
  return picture;
}

}  // namespace tivorum
