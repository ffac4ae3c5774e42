#include "controls/color_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QShortcutEvent>
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

QChar acceleratorChar(const QString& caption) {
  const qsizetype amp = caption.indexOf(QLatin1Char('&'));
  if (amp < 0 || amp + 1 >= caption.size()) return QChar();
  return caption.at(amp + 1);
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

namespace {

bool sameLetter(QChar a, QChar b) {
  return a.toUpper() == b.toUpper();
}

bool offerTo(QWidget* parent, QWidget* window, QChar ch) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow()) continue;
    if (auto* key = qobject_cast<TColorButton*>(w)) {
      if (key->dialogChar(ch)) return true;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      const QChar accel = acceleratorChar(button->text());
      if (!accel.isNull() && sameLetter(accel, ch) && button->isEnabled() &&
          button->isVisibleTo(window)) {
        button->click();
        return true;
      }
    }
    if (offerTo(w, window, ch)) return true;
  }
  return false;
}

}  // namespace

bool dispatchDialogChar(QWidget* window, QChar ch) {
  if (!window || ch.isNull()) return false;
  return offerTo(window, window, ch);
}

}  // namespace tivorum

using namespace tivorum;

TColorButton::TColorButton(QWidget* parent) : QWidget(parent) {
  init();
}

TColorButton::TColorButton(const QString& caption, QWidget* parent) : QWidget(parent) {
  init();
  setCaption(caption);
}

TColorButton::~TColorButton() = default;

void TColorButton::init() {
  // A key is a push button to screen readers in any window that has one.
  installAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(75, 25);
  color_ = QApplication::palette().color(QPalette::Active, QPalette::Button);
  fontColor_ = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
  state_ = isEnabled() ? StateUp : StateDisabled;
}

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
  caption_ = caption;
  setAccessibleName(shownCaption(caption));
  updateShortcut();
  update();
}

void TColorButton::setFontColor(const QColor& c) {
  fontColor_ = c.toRgb();
  update();
}

bool TColorButton::isAccelerator(QChar ch) const {
  const QChar accel = acceleratorChar(caption_);
  return !accel.isNull() && !ch.isNull() && sameLetter(accel, ch);
}

bool TColorButton::dialogChar(QChar ch) {
  if (!isEnabled() || !isAccelerator(ch)) return false;
  click();
  return true;
}

void TColorButton::click() {
  emit clicked();
}

QSize TColorButton::sizeHint() const {
  return QSize(75, 25);
}

void TColorButton::applyAutoSize() {
  if (style_.contains(bsAutoSize) && hasPicture())
    resize(pictureSize_.width() + 2 * bevelSize_, pictureSize_.height() + 2 * bevelSize_);
}

void TColorButton::updateShortcut() {
  if (shortcutId_ != 0) releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const QKeySequence alt = QKeySequence::mnemonic(caption_);
  if (!alt.isEmpty()) shortcutId_ = grabShortcut(alt);
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
  if (!isEnabled())
    state_ = StateDisabled;
  else if (state_ == StateDisabled)
    state_ = StateUp;

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
    const bool swap = (state_ == StatePressed) != (bevelStyle_ == bbLowered);
    drawFrame(p, w, h, swap ? dark : light, swap ? light : dark, bevelSize_);
    inner.adjust(bevelSize_, bevelSize_, -bevelSize_, -bevelSize_);
  }

  if (hasFocus_ && style_.contains(bsShowFocus) && isEnabled()) {
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

  if (caption_.isEmpty()) return;
  const QString shown = shownCaption(caption_);
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
  if (isEnabled()) {
    p.setPen(fontColor_);
  } else {
    p.setPen(light);
    p.drawText(leftAt(1), topAt(1) + fm.ascent(), shown);
    p.setPen(dark);
  }
  const int x = leftAt(0), y = topAt(0);
  p.drawText(x, y + fm.ascent(), shown);

  const qsizetype amp = caption_.indexOf(QLatin1Char('&'));
  if (amp >= 0 && amp < shown.size() && style_.contains(bsShowKey))
    p.fillRect(acceleratorUnderline(fm, shown, amp, x, y + fm.ascent()), fontColor_);
}

void TColorButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (!isEnabled()) return;
  mouseDown_ = true;
  state_ = StatePressed;
  update();
}

void TColorButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const bool wasDown = mouseDown_;
  mouseDown_ = false;
  if (!isEnabled()) return;
  state_ = StateUp;
  update();
  if (wasDown && rect().contains(event->position().toPoint())) click();
}

void TColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) emit doubleClicked();
  // The second press of a double click still presses the key.
  mousePressEvent(event);
}

void TColorButton::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && event->key() == Qt::Key_Space) {
    if (isEnabled() && state_ != StatePressed) {
      state_ = StatePressed;
      update();
    }
    event->accept();
    return;
  }
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // Return acts on its press, once however long it is held, so that its
    // release cannot click a key it was not pressed on.
    if (isEnabled() && !event->isAutoRepeat()) click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TColorButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Space) {
    if (isEnabled() && state_ == StatePressed) {
      state_ = StateUp;
      click();
      update();
    }
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TColorButton::focusInEvent(QFocusEvent* event) {
  hasFocus_ = true;
  update();
  QWidget::focusInEvent(event);
}

void TColorButton::focusOutEvent(QFocusEvent* event) {
  hasFocus_ = false;
  // A space-bar press that loses the focus half-way does not stay down.
  if (state_ == StatePressed && !mouseDown_) state_ = StateUp;
  update();
  QWidget::focusOutEvent(event);
}

void TColorButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // An auto-sized button keeps the size of its picture.
  applyAutoSize();
}

void TColorButton::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::EnabledChange:
      state_ = isEnabled() ? StateUp : StateDisabled;
      update();
      break;
    case QEvent::FontChange:
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

bool TColorButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    auto* se = static_cast<QShortcutEvent*>(event);
    if (se->shortcutId() == shortcutId_) {
      if (!se->isAmbiguous())
        dialogChar(acceleratorChar(caption_));
      else
        dispatchDialogChar(window(), acceleratorChar(caption_));
      return true;
    }
  }
  return QWidget::event(event);
}
