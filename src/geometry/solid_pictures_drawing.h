// Line-drawing helpers for the solids' pictures: visible edges solid, hidden
// edges dashed, dimension arrows and the quantities' letters. Everything is
// drawn as vectors in a 150 x 150 box, so a picture stays crisp at any scale.
#pragma once

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector2D>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/look.h"

namespace tivorum::sketch {

inline constexpr double kSize = 150.0;  // the picture box, in drawing units
inline constexpr double kDegree = 180.0 / std::numbers::pi;

// The point of an axis-aligned ellipse at an angle in degrees.
inline QPointF onEllipse(QPointF c, double rx, double ry, double degrees) {
  const double t = degrees / kDegree;
  return c + QPointF(rx * std::cos(t), ry * std::sin(t));
}

inline QPen edgePen() {
  QPen pen(Qt::black, 1.3);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

inline QPen hiddenPen() {
  QPen pen(Qt::black, 0.9);
  pen.setDashPattern({4.0, 3.0});
  return pen;
}

inline QPen thinPen() {
  QPen pen(Qt::black, 0.8);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// White paper with a black frame, and the painter set up for line art.
inline void paper(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRectF(0, 0, kSize, kSize), Qt::white);
  p.setBrush(Qt::NoBrush);
}

// The part of the ellipse c + cos(t)·u + sin(t)·v for t from t0 to t1
// (degrees). u and v need not be perpendicular, so one helper draws every
// circle seen at a slant.
inline QPainterPath ellipseArc(QPointF c, QPointF u, QPointF v, double t0, double t1) {
  QPainterPath path;
  const int steps = std::max(8, static_cast<int>(std::abs(t1 - t0) / 3.0));
  for (int i = 0; i <= steps; ++i) {
    const double t = (t0 + (t1 - t0) * i / steps) * std::numbers::pi / 180.0;
    const QPointF pt = c + std::cos(t) * u + std::sin(t) * v;
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  return path;
}

// A horizontal circle seen from above: the front half (towards the viewer,
// below the centre) solid, the back half dashed unless it shows as well.
inline void flatCircle(QPainter& p, QPointF c, double rx, double ry, bool backVisible = false) {
  p.setPen(edgePen());
  p.drawPath(ellipseArc(c, {rx, 0}, {0, ry}, 0, 180));
  p.setPen(backVisible ? edgePen() : hiddenPen());
  p.drawPath(ellipseArc(c, {rx, 0}, {0, ry}, 180, 360));
}

inline void edge(QPainter& p, QPointF a, QPointF b) {
  p.setPen(edgePen());
  p.drawLine(a, b);
}

inline void hidden(QPainter& p, QPointF a, QPointF b) {
  p.setPen(hiddenPen());
  p.drawLine(a, b);
}

inline void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  QVector2D d(tip - from);
  if (d.length() < 1e-6) return;
  d.normalize();
  const QPointF back = tip - 6.0 * d.toPointF();
  const QPointF side(-d.y() * 2.2, d.x() * 2.2);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({tip, back + side, back - side}));
  p.setBrush(Qt::NoBrush);
}

// A dimension: a thin line with an arrow head at each end (or only at b).
inline void dimension(QPainter& p, QPointF a, QPointF b, bool bothEnds = true) {
  p.setPen(thinPen());
  p.drawLine(a, b);
  arrowHead(p, b, a);
  if (bothEnds) arrowHead(p, a, b);
}

// A thin extension line that carries a dimension away from the solid.
inline void extension(QPainter& p, QPointF a, QPointF b) {
  p.setPen(thinPen());
  p.drawLine(a, b);
}

// A quantity's letter, centred on `at`.
inline void letter(QPainter& p, QPointF at, const QString& text) {
  QFont font = arial(14, true);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(Qt::black);
  const QRectF box(at.x() - 12, at.y() - 10, 24, 20);
  p.drawText(box, Qt::AlignCenter, text);
}

inline void dot(QPainter& p, QPointF at) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(at, 1.8, 1.8);
  p.setBrush(Qt::NoBrush);
}

// A small right-angle mark at corner c between the directions to a and b.
inline void rightAngle(QPainter& p, QPointF c, QPointF towardA, QPointF towardB) {
  QVector2D da(towardA - c), db(towardB - c);
  da.normalize();
  db.normalize();
  const double s = 6.0;
  const QPointF pa = c + s * da.toPointF();
  const QPointF pb = c + s * db.toPointF();
  p.setPen(thinPen());
  p.drawPolyline(QPolygonF({pa, pa + (pb - c), pb}));
}

}  // namespace tivorum::sketch
