// The keypad's push button: a focusable, self-painted button whose face
// colour, bevel, caption placement and picture can be set freely.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <initializer_list>

class QFontMetrics;

namespace tivorum {

// Where the caption is drawn, and where the picture goes when it is neither
// centred nor stretched.
enum TAlignment {
  alTopLeft,
  alTopCenter,
  alTopRight,
  alMiddleLeft,
  alMiddleCenter,
  alMiddleRight,
  alBottomLeft,
  alBottomCenter,
  alBottomRight
};

enum TButtonBevel { bbLowered, bbNone, bbRaised };

enum TButtonStyle { bsAutoSize, bsCenter, bsStretch, bsShowFocus, bsShowKey };

// A set of button styles: TButtonStyles{bsCenter, bsShowKey}.
class TButtonStyles {
 public:
  constexpr TButtonStyles() = default;
  constexpr TButtonStyles(std::initializer_list<TButtonStyle> styles) {
    for (TButtonStyle s : styles) bits_ |= bit(s);
  }
  constexpr bool contains(TButtonStyle s) const { return (bits_ & bit(s)) != 0; }
  constexpr TButtonStyles& include(TButtonStyle s) {
    bits_ |= bit(s);
    return *this;
  }
  constexpr TButtonStyles& exclude(TButtonStyle s) {
    bits_ &= ~bit(s);
    return *this;
  }
  constexpr bool empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TButtonStyles a, TButtonStyles b) = default;

 private:
  static constexpr unsigned bit(TButtonStyle s) { return 1u << static_cast<unsigned>(s); }
  unsigned bits_ = 0;
};

// The light and dark frame shades of a face colour: 64 added to or taken from
// each of red, green and blue, held within 0..255.
QColor lightShade(const QColor& face);
QColor darkShade(const QColor& face);

// The caption as shown: the first "&" removed.
QString shownCaption(const QString& caption);

// The accelerator underline under the character at `index` of `shown`, drawn
// from `left` on the baseline `baseline`: as wide as the character, where the
// font puts its underline and as thick, but at least one clear pixel row
// below the character's ink, so it never joins a stem or a descender.
QRect acceleratorUnderline(const QFontMetrics& fm, const QString& shown, qsizetype index, int left,
                           int baseline);

// The same underline for a caption that has to stay above `lastRow`: below a
// descender the line may not fit, and then the caption and its line move up
// as far as they need, by at most `room` rows. `baseline` is moved with them.
QRect fittedUnderline(const QFontMetrics& fm, const QString& shown, qsizetype index, int left,
                      int& baseline, int lastRow, int room);

}  // namespace tivorum

// Clicks, focus, the mouse, the space bar and Alt and its accelerator are
// the push button's own; Return and Enter click on their press.
class TColorButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(int Alignment READ alignmentValue WRITE setAlignmentValue)
  Q_PROPERTY(int BevelStyle READ bevelStyleValue WRITE setBevelStyleValue)
  Q_PROPERTY(int BevelSize READ bevelSize WRITE setBevelSize)
  Q_PROPERTY(QColor Color READ color WRITE setColor)
  Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

 public:
  // Button states as painted.
  enum { StateUp = 0, StatePressed = 1, StateDisabled = 2 };

  explicit TColorButton(QWidget* parent = nullptr);
  TColorButton(const QString& caption, QWidget* parent = nullptr);
  ~TColorButton() override;

  tivorum::TAlignment alignment() const { return alignment_; }
  void setAlignment(tivorum::TAlignment a);

  tivorum::TButtonBevel bevelStyle() const { return bevelStyle_; }
  void setBevelStyle(tivorum::TButtonBevel b);

  // Frame width in pixels; values below 1 are stored as 1.
  int bevelSize() const { return bevelSize_; }
  void setBevelSize(int size);

  // The face colour; the frame shades and the disabled caption derive from it.
  QColor color() const { return color_; }
  void setColor(const QColor& c);

  // The optional picture, kept as a copy. A pixmap's size is taken in logical
  // pixels; an icon is drawn at `size` logical pixels, sharp at any scale.
  void setPicture(const QPixmap& picture);
  void setPicture(const QIcon& picture, QSize size);
  void clearPicture();
  const QIcon& picture() const { return picture_; }
  QSize pictureSize() const { return pictureSize_; }
  bool hasPicture() const { return !picture_.isNull() && !pictureSize_.isEmpty(); }

  // Gap between the frame and the caption, picture and focus rectangle;
  // values below 0 are stored as 0.
  int spacing() const { return spacing_; }
  void setSpacing(int s);

  // Named buttonStyle so as not to hide QWidget::style().
  tivorum::TButtonStyles buttonStyle() const { return style_; }
  void setButtonStyle(tivorum::TButtonStyles s);

  // The caption with its "&" accelerator marker: the button's text. Screen
  // readers hear it spoken, a symbol by its word.
  QString caption() const { return text(); }
  void setCaption(const QString& caption);

  // Colour of the caption and the accelerator underline (the font colour).
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor& c);

  // 0 up, 1 pressed, 2 disabled.
  int buttonState() const;

  QSize sizeHint() const override;

  int alignmentValue() const { return alignment_; }
  void setAlignmentValue(int a) { setAlignment(static_cast<tivorum::TAlignment>(a)); }
  int bevelStyleValue() const { return bevelStyle_; }
  void setBevelStyleValue(int b) { setBevelStyle(static_cast<tivorum::TButtonBevel>(b)); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applyAutoSize();

  tivorum::TAlignment alignment_ = tivorum::alMiddleCenter;
  tivorum::TButtonBevel bevelStyle_ = tivorum::bbRaised;
  int bevelSize_ = 2;
  QColor color_;
  QIcon picture_;
  QSize pictureSize_;
  int spacing_ = 2;
  tivorum::TButtonStyles style_{tivorum::bsCenter, tivorum::bsShowFocus, tivorum::bsShowKey};
  QColor fontColor_{Qt::black};
};
