#include "controls/look.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace tivorum {

QFont arial(int pixelSize, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

void paintBevel(QPainter& p, QRect r, const QColor& topLeft, const QColor& bottomRight) {
  p.setPen(topLeft);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(bottomRight);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

void setScreenColours(QWidget* w, const QColor& text) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Base, kBlack);
    pal.setColor(group, QPalette::Text, text);
  }
  w->setPalette(pal);
}

QPixmap helpPicture(int side) {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pm(QSize(side, side) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kBlack, 1));
  p.setBrush(kYellow);
  p.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));
  // The mark three quarters of the disc high: 11 pixels on the keys' 14.
  p.setFont(arial(qRound(side * 0.75), true));
  p.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, "?");
  return pm;
}

}  // namespace tivorum
