#include "controls/color_button.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "controls/accessibility.h"

namespace tivorum {

namespace {

int shade(int channel, int delta) {
  return std::clamp(channel + delta, 0, 255);
}

QColor shaded(const QColor& face, int delta) {
  const QColor rgb = face.toRgb();
  return QColor(shade(rgb.red(), delta), shade(rgb.green(), delta), shade(rgb.blue(), delta));
}

}  // namespace

QColor lightShade(const QColor& face) {
  return shaded(face, 64);
}
QColor darkShade(const QColor& face) {
  return shaded(face, -64);
}

QString shownCaption(const QString& caption) {
  QString shown = caption;
  const qsizetype amp = shown.indexOf(QLatin1Char('&'));
  if (amp >= 0) shown.remove(amp, 1);
  return shown;
}

QRect acceleratorUnderline(const QFontMetrics& fm, const QString& shown, qsizetype index, int left,
                           int baseline) {
  const int from = left + fm.horizontalAdvance(shown.left(index));
  const int to = left + fm.horizontalAdvance(shown.left(index + 1));
  const int thickness = std::max(1, fm.lineWidth());
  int top = baseline + std::max(1, fm.underlinePos());
  const QRect ink = fm.tightBoundingRect(shown.mid(index, 1));
  if (!ink.isEmpty()) top = std::max(top, baseline + ink.bottom() + 2);
  return QRect(from, top, to - from, thickness);
}

QRect fittedUnderline(const QFontMetrics& fm, const QString& shown, qsizetype index, int left,
                      int& baseline, int lastRow, int room) {
  QRect line = acceleratorUnderline(fm, shown, index, left, baseline);
  const int overflow = std::min(line.bottom() - lastRow, room);
  if (overflow > 0) {
    baseline -= overflow;
    line.translate(0, -overflow);
  }
  return line;
}

}  // namespace tivorum

using namespace tivorum;

TColorButton::TColorButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(75, 25);
  color_ = QApplication::palette().color(QPalette::Active, QPalette::Button);
  fontColor_ = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

TColorButton::TColorButton(const QString& caption, QWidget* parent) : TColorButton(parent) {
  setCaption(caption);
}

TColorButton::~TColorButton() = default;

void TColorButton::setAlignment(TAlignment a) {
  alignment_ = a;
  update();
}

void TColorButton::setBevelStyle(TButtonBevel b) {
  bevelStyle_ = b;
  update();
}

void TColorButton::setBevelSize(int size) {
  bevelSize_ = std::max(size, 1);
  applyAutoSize();
  update();
}

void TColorButton::setColor(const QColor& c) {
  color_ = c.toRgb();
  update();
}

void TColorButton::setPicture(const QPixmap& picture) {
  if (picture.isNull()) {
    clearPicture();
    return;
  }
  setPicture(QIcon(picture), picture.deviceIndependentSize().toSize());
}

void TColorButton::setPicture(const QIcon& picture, QSize size) {
  if (picture.cacheKey() == picture_.cacheKey() && size == pictureSize_) return;
  picture_ = picture;
  pictureSize_ = picture.isNull() ? QSize() : size;
  applyAutoSize();
  update();
}

void TColorButton::clearPicture() {
  if (picture_.isNull()) return;
  picture_ = QIcon();
  pictureSize_ = QSize();
  update();
}

void TColorButton::setSpacing(int s) {
  s = std::max(s, 0);
  if (s == spacing_) return;
  spacing_ = s;
  update();
}

void TColorButton::setButtonStyle(TButtonStyles s) {
  if (s == style_) return;
  style_ = s;
  applyAutoSize();
  update();
}

void TColorButton::setCaption(const QString& caption) {
  setText(caption);
  setAccessibleName(spokenCaption(caption));
}

void TColorButton::setFontColor(const QColor& c) {
  fontColor_ = c.toRgb();
  update();
}

int TColorButton::buttonState() const {
  if (!isEnabled()) return StateDisabled;
  return isDown() ? StatePressed : StateUp;
}

QSize TColorButton::sizeHint() const {
  return QSize(75, 25);
}

void TColorButton::applyAutoSize() {
  if (style_.contains(bsAutoSize) && hasPicture())
    resize(pictureSize_.width() + 2 * bevelSize_, pictureSize_.height() + 2 * bevelSize_);
}

namespace {

// The 3-D frame, `width` rings from the outside in, each ring as a classic
// line frame draws it: the top-left corner to the top-right one exclusive in
// the top colour, the bottom and right edges (corners included) in the bottom
// colour.
void drawFrame(QPainter& p, int w, int h, const QColor& top, const QColor& bottom, int width) {
  for (int i = 0; i < width; ++i) {
    const int l = i, t = i, r = w - 1 - i, b = h - 1 - i;
    if (r < l || b < t) break;
    p.fillRect(QRect(l, t, 1, b - t), top);
    p.fillRect(QRect(l, t, r - l, 1), top);
    p.fillRect(QRect(r, t, 1, b - t + 1), bottom);
    p.fillRect(QRect(l, b, r - l + 1, 1), bottom);
  }
}

// A dotted focus rectangle on the border of [l, r) x [t, b): every other pixel
// in the face's inverse colour.
void drawFocusRect(QPainter& p, int l, int t, int r, int b, const QColor& face) {
  if (r <= l || b <= t) return;
  const QColor rgb = face.toRgb();
  const QColor dot(255 - rgb.red(), 255 - rgb.green(), 255 - rgb.blue());
  auto plot = [&](int x, int y) {
    if (((x + y) & 1) == 0) p.fillRect(QRect(x, y, 1, 1), dot);
  };
  for (int x = l; x < r; ++x) {
    plot(x, t);
    if (b - 1 != t) plot(x, b - 1);
  }
  for (int y = t + 1; y < b - 1; ++y) {
    plot(l, y);
    if (r - 1 != l) plot(r - 1, y);
  }
}

bool isLeft(TAlignment a) {
  return a == alTopLeft || a == alMiddleLeft || a == alBottomLeft;
}
bool isRight(TAlignment a) {
  return a == alTopRight || a == alMiddleRight || a == alBottomRight;
}
bool isTop(TAlignment a) {
  return a == alTopLeft || a == alTopCenter || a == alTopRight;
}
bool isBottom(TAlignment a) {
  return a == alBottomLeft || a == alBottomCenter || a == alBottomRight;
}

}  // namespace

void TColorButton::paintEvent(QPaintEvent*) {
  // Auto-sizing happens when the picture, bevel or style changes, never
  // while painting.
  const int w = width(), h = height();

  QPainter p(this);
  p.fillRect(QRect(0, 0, w, h), color_);
  p.setFont(font());

  const QColor light = lightShade(color_);
  const QColor dark = darkShade(color_);
  QRect inner(0, 0, w, h);
  if (bevelStyle_ != bbNone) {
    const bool swap = (buttonState() == StatePressed) != (bevelStyle_ == bbLowered);
    drawFrame(p, w, h, swap ? dark : light, swap ? light : dark, bevelSize_);
    inner.adjust(bevelSize_, bevelSize_, -bevelSize_, -bevelSize_);
  }

  if (hasFocus() && style_.contains(bsShowFocus) && isEnabled()) {
    // Exclusive right and bottom edges, as the inner rectangle's.
    const int l = inner.left() + spacing_ - 1, t = inner.top() + spacing_ - 1;
    const int r = inner.left() + inner.width() - spacing_ + 1;
    const int b = inner.top() + inner.height() - spacing_ + 1;
    drawFocusRect(p, l, t, r, b, color_);
  }

  const int d = bevelSize_ + spacing_;
  if (hasPicture()) {
    const int pw = pictureSize_.width(), ph = pictureSize_.height();
    QRect target;
    if (style_.contains(bsStretch)) {
      target = QRect(d, d, w - 2 * d, h - 2 * d);
    } else if (style_.contains(bsCenter) || alignment_ == alMiddleCenter) {
      target = QRect((w - pw) / 2, (h - ph) / 2, pw, ph);
    } else if (isTop(alignment_)) {
      target = QRect((w - pw) / 2, h - d - ph, pw, ph);
    } else if (alignment_ == alMiddleLeft) {
      target = QRect(w - d - pw, (h - ph) / 2, pw, ph);
    } else if (alignment_ == alMiddleRight) {
      target = QRect(d, (h - ph) / 2, pw, ph);
    } else {
      target = QRect((w - pw) / 2, d, pw, ph);
    }
    if (!target.isEmpty())
      p.drawPixmap(target, picture_.pixmap(target.size(), devicePixelRatioF()));
  }

  const QString caption = text();
  if (caption.isEmpty()) return;
  const QString shown = shownCaption(caption);
  const QFontMetrics fm(font());
  const int tw = fm.horizontalAdvance(shown);
  const int th = fm.height();
  auto leftAt = [&](int o) {
    if (isLeft(alignment_)) return d + o;
    if (isRight(alignment_)) return w - d - tw + o;
    return (w - 2 * d - tw) / 2 + d + o;
  };
  auto topAt = [&](int o) {
    if (isTop(alignment_)) return d + o;
    if (isBottom(alignment_)) return h - d - th + o;
    return (h - 2 * d - th) / 2 + d + o;
  };
  const int x = leftAt(0), y = topAt(0);
  int baseline = y + fm.ascent();
  const qsizetype amp = caption.indexOf(QLatin1Char('&'));
  const bool underlined = amp >= 0 && amp < shown.size() && style_.contains(bsShowKey);
  // A line under a descender may not fit inside the frame: then the caption
  // moves up, into the rows its font leaves free above the letters.
  const QRect line =
      underlined ? fittedUnderline(fm, shown, amp, x, baseline, inner.bottom(), y - inner.top() + 2)
                 : QRect();
  const int lift = y + fm.ascent() - baseline;
  if (isEnabled()) {
    p.setPen(fontColor_);
  } else {
    p.setPen(light);
    p.drawText(leftAt(1), topAt(1) + fm.ascent() - lift, shown);
    p.setPen(dark);
  }
  p.drawText(x, baseline, shown);
  if (underlined) p.fillRect(line, fontColor_);
}

namespace {

bool isReturn(const QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  return plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

bool isArrow(const QKeyEvent* event) {
  const int k = event->key();
  return k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
}

}  // namespace

void TColorButton::keyPressEvent(QKeyEvent* event) {
  if (isReturn(event)) {
    // Return acts on its press, once however long it is held, so that its
    // release cannot click a key it was not pressed on.
    if (!event->isAutoRepeat()) click();
    event->accept();
    return;
  }
  // The arrows do not move the focus from key to key.
  if (isArrow(event)) return QWidget::keyPressEvent(event);
  QAbstractButton::keyPressEvent(event);
}

void TColorButton::keyReleaseEvent(QKeyEvent* event) {
  if (isReturn(event)) {
    event->accept();
    return;
  }
  QAbstractButton::keyReleaseEvent(event);
}

void TColorButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // An auto-sized button keeps the size of its picture.
  applyAutoSize();
}
