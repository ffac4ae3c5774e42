#include "geometry/surface_pictures.h"

#include <QPainter>
#include <QVector2D>
#include <cmath>
#include <numbers>

#include "geometry/solid_pictures_drawing.h"

namespace tivorum {

using namespace sketch;

namespace {}  // namespace

void drawConeSurface(QPainter& p) {
  paper(p);
  const QPointF apex(75, 12), base(75, 106);
  const double rx = 54, ry = 16;
  // The sides touch the base circle a little behind its widest points.
  const double t = std::asin(ry / (apex.y() - base.y())) * kDegree;
  const QPointF right = onEllipse(base, rx, ry, t), left = onEllipse(base, rx, ry, 180 - t);
  edge(p, apex, right);
  edge(p, apex, left);
  flatCircle(p, base, rx, ry);
  // l along the slant side, set off to its outside.
  QVector2D along(right - apex);
  along.normalize();
  const QPointF out(along.y() * 10, -along.x() * 10);
  extension(p, apex + 0.3 * out, apex + 1.3 * out);
  extension(p, right + 0.3 * out, right + 1.3 * out);
  dimension(p, apex + out, right + out);
  letter(p, (apex + right) / 2 + 2.0 * out, "l");
  dot(p, base);
  dimension(p, base, base - QPointF(rx, 0), false);
  letter(p, base - QPointF(rx * 0.5, 8), "r");
  // c round the front of the base.
  const double crx = rx + 7, cry = ry + 8;
  p.setPen(thinPen());
  p.drawPath(ellipseArc(base, {crx, 0}, {0, cry}, 40, 140));
  arrowHead(p, onEllipse(base, crx, cry, 140), onEllipse(base, crx, cry, 133));
  letter(p, base + QPointF(0, cry + 10), "c");
}

void drawSphericalSegment(QPainter& p) {
  paper(p);
  const QPointF c(66, 76);
  const double r = 56, above = 24, below = 22;  // the zone's planes from the centre
  const double topAngle = std::asin(above / r) * kDegree;
  const double bottomAngle = std::asin(below / r) * kDegree;
  // The zone's curved band solid, the rest of its sphere dashed.
  p.setPen(edgePen());
  p.drawPath(ellipseArc(c, {r, 0}, {0, r}, -topAngle, bottomAngle));
  p.drawPath(ellipseArc(c, {r, 0}, {0, r}, 180 - bottomAngle, 180 + topAngle));
  p.setPen(hiddenPen());
  p.drawPath(ellipseArc(c, {r, 0}, {0, r}, bottomAngle, 180 - bottomAngle));
  p.drawPath(ellipseArc(c, {r, 0}, {0, r}, 180 + topAngle, 360 - topAngle));
  const QPointF top = c - QPointF(0, above), bottom = c + QPointF(0, below);
  const double topRx = std::sqrt(r * r - above * above);
  const double bottomRx = std::sqrt(r * r - below * below);
  flatCircle(p, top, topRx, 12, true);
  flatCircle(p, bottom, bottomRx, 13);
  const double x = c.x() + r + 12;
  extension(p, top + QPointF(topRx + 3, 0), QPointF(x + 4, top.y()));
  extension(p, bottom + QPointF(bottomRx + 3, 0), QPointF(x + 4, bottom.y()));
  dimension(p, QPointF(x, top.y()), QPointF(x, bottom.y()));
  letter(p, QPointF(x + 9, c.y() - 1), "b");
  dot(p, c);
  const QPointF end = onEllipse(c, r, r, -145);
  dimension(p, c, end, false);
  letter(p, (c + end) / 2 + QPointF(5, -8), "r");
}

}  // namespace tivorum
