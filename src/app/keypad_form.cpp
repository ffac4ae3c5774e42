#include "app/keypad_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPushButton>

#include "app/about_form.h"
#include "controls/accessibility.h"
#include "controls/color_button.h"
#include "controls/look.h"

namespace tivorum {

namespace {

// A coloured panel with a one-pixel raised or sunken edge.
class Panel : public QWidget {
 public:
  Panel(QWidget* parent, const QColor& colour, bool sunken)
      : QWidget(parent), colour_(colour), sunken_(sunken) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    QColor light = kWhite, dark = kDarkGrey;
    if (sunken_) std::swap(light, dark);
    paintBevel(p, rect().adjusted(0, 0, -1, -1), light, dark);
  }

 private:
  QColor colour_;
  bool sunken_;
};

// A framed group with its caption on the top edge of the frame.
class KeyGroup : public QWidget {
 public:
  KeyGroup(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {
    setFont(arial(11, false));
    setAccessibleName(caption.trimmed());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kGrey);
    QFontMetrics fm(font());
    int top = fm.height() / 2;
    QRect frame = rect().adjusted(0, top, -2, -2);
    p.setPen(kDarkGrey);
    p.drawRect(frame);
    p.setPen(kSilver);
    p.drawRect(frame.translated(1, 1));
    QRect text(8, 0, fm.horizontalAdvance(caption_), fm.height());
    p.fillRect(text, kGrey);
    p.setPen(kSilver);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption_);
  }

 private:
  QString caption_;
};

// A flat button that never takes the focus, with a picture and an optional
// caption; its frame shows while the mouse is over it.
class SpeedButton : public QAbstractButton {
 public:
  SpeedButton(QWidget* parent, const QString& caption, const QPixmap& picture)
      : QAbstractButton(parent), picture_(picture) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    // Opaque in the panel's colour, so the one on top hides the one beneath.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
  }
  void setTextColor(const QColor& c) { textColour_ = c; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QRect r = rect();
    if (isDown())
      paintBevel(p, r.adjusted(0, 0, -1, -1), kDarkGrey, kWhite);
    else if (underMouse())
      paintBevel(p, r.adjusted(0, 0, -1, -1), kWhite, kDarkGrey);
    int shift = isDown() ? 1 : 0;
    QSize pic = picture_.isNull() ? QSize() : picture_.deviceIndependentSize().toSize();
    QFontMetrics fm(font());
    int textWidth = text().isEmpty() ? 0 : fm.horizontalAdvance(text());
    int gap = (!pic.isEmpty() && textWidth > 0) ? 3 : 0;
    int x = (r.width() - pic.width() - gap - textWidth) / 2 + shift;
    if (!pic.isEmpty()) {
      p.drawPixmap(QPoint(x, (r.height() - pic.height()) / 2 + shift), picture_);
      x += pic.width() + gap;
    }
    if (textWidth > 0) {
      p.setPen(textColour_);
      p.drawText(QRect(x, shift, textWidth + 1, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 text());
    }
  }

 private:
  QPixmap picture_;
  QColor textColour_ = Qt::black;
};

QPixmap aboutPicture() {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pm =
      programPicture().scaled(QSize(15, 15) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  pm.setDevicePixelRatio(ratio);
  return pm;
}

// Where each key sits and how it looks. Rows follow the key table's order,
// which is the control order.
enum class Holder { Window, Keypad, FinancialGroup, GeometryGroup, TrigGroup, DegRadPanel };

struct KeyPlace {
  Key key;
  Holder holder;
  QRect place;
  QColor face, text;
  int textSize;  // 0: the window's font
  bool bold;
};

// clang-format off
const KeyPlace kPlaces[] = {
    {Key::Tape,        Holder::Window,         {6, 32, 35, 21},    kBlack,  kWhite, 11, true},
    {Key::Places,      Holder::Window,         {44, 32, 25, 21},   kBlack,  kWhite, 11, true},
    {Key::Hints,       Holder::Window,         {72, 32, 35, 21},   kBlack,  kWhite, 11, true},
    {Key::Clear,       Holder::Window,         {110, 32, 35, 21},  kGreen,  kWhite, 11, true},
    {Key::Off,         Holder::Window,         {148, 32, 29, 21},  kRed,    kWhite, 13, true},
    {Key::Currency,    Holder::FinancialGroup, {6, 14, 55, 16},    kSilver, kBlack, 11, false},
    {Key::Loan,        Holder::FinancialGroup, {64, 14, 40, 16},   kSilver, kBlack, 11, false},
    {Key::Dividend,    Holder::FinancialGroup, {108, 14, 55, 16},  kSilver, kBlack, 11, false},
    {Key::Financial,   Holder::FinancialGroup, {6, 33, 55, 16},    kSilver, kBlack, 11, false},
    {Key::ProfitLoss,  Holder::FinancialGroup, {64, 33, 40, 16},   kSilver, kBlack, 11, false},
    {Key::Interest,    Holder::FinancialGroup, {108, 33, 55, 16},  kSilver, kBlack, 11, false},
    {Key::Investment,  Holder::FinancialGroup, {58, 52, 55, 16},   kSilver, kBlack, 11, false},
    {Key::Area,        Holder::GeometryGroup,  {5, 12, 52, 16},    kSilver, kBlack, 12, false},
    {Key::Volume,      Holder::GeometryGroup,  {59, 12, 52, 16},   kSilver, kBlack, 12, false},
    {Key::Surface,     Holder::GeometryGroup,  {113, 12, 52, 16},  kSilver, kBlack, 12, false},
    {Key::TrigType,    Holder::TrigGroup,      {6, 15, 34, 16},    kSilver, kBlack, 12, false},
    {Key::ArcSin,      Holder::TrigGroup,      {42, 15, 40, 16},   kSilver, kBlack, 12, false},
    {Key::ArcCos,      Holder::TrigGroup,      {84, 15, 40, 16},   kSilver, kBlack, 12, false},
    {Key::ArcTan,      Holder::TrigGroup,      {126, 15, 40, 16},  kSilver, kBlack, 12, false},
    {Key::DegRad,      Holder::DegRadPanel,    {2, 0, 27, 13},     kNavy,   kWhite, 11, false},
    {Key::Sin,         Holder::TrigGroup,      {42, 34, 40, 16},   kSilver, kBlack, 12, false},
    {Key::Cos,         Holder::TrigGroup,      {84, 34, 40, 16},   kSilver, kBlack, 12, false},
    {Key::Tan,         Holder::TrigGroup,      {126, 34, 40, 16},  kSilver, kBlack, 12, false},
    {Key::Hypot,       Holder::Keypad,         {4, 168, 39, 18},   kSilver, kBlack, 13, false},
    {Key::Root,        Holder::Keypad,         {46, 168, 39, 18},  kSilver, kBlack, 13, false},
    {Key::Perm,        Holder::Keypad,         {88, 168, 39, 18},  kSilver, kBlack, 13, false},
    {Key::Comb,        Holder::Keypad,         {130, 168, 39, 18}, kSilver, kBlack, 13, false},
    {Key::Pi,          Holder::Keypad,         {4, 189, 39, 18},   kSilver, kBlack, 13, false},
    {Key::Log,         Holder::Keypad,         {46, 189, 39, 18},  kSilver, kBlack, 13, false},
    {Key::XtoY,        Holder::Keypad,         {88, 189, 39, 18},  kSilver, kBlack, 13, false},
    {Key::SquareRoot,  Holder::Keypad,         {130, 189, 39, 18}, kSilver, kBlack, 13, false},
    {Key::Factorial,   Holder::Keypad,         {4, 210, 31, 18},   kSilver, kBlack, 13, false},
    {Key::Ln,          Holder::Keypad,         {37, 210, 31, 18},  kSilver, kBlack, 13, false},
    {Key::Square,      Holder::Keypad,         {70, 210, 31, 18},  kSilver, kBlack, 13, false},
    {Key::Absolute,    Holder::Keypad,         {103, 210, 31, 18}, kSilver, kBlack, 13, false},
    {Key::EMinus,      Holder::Keypad,         {136, 210, 33, 18}, kSilver, kBlack, 13, false},
    {Key::Store,       Holder::Keypad,         {4, 231, 31, 18},   kSilver, kBlack, 13, false},
    {Key::Recall,      Holder::Keypad,         {37, 231, 31, 18},  kSilver, kBlack, 13, false},
    {Key::OneOverX,    Holder::Keypad,         {70, 231, 31, 18},  kSilver, kBlack, 13, false},
    {Key::Percent,     Holder::Keypad,         {103, 231, 31, 18}, kSilver, kBlack, 13, false},
    {Key::EPlus,       Holder::Keypad,         {136, 231, 33, 18}, kSilver, kBlack, 13, false},
    {Key::Digit7,      Holder::Keypad,         {4, 252, 39, 20},   kWhite,  kBlack, 13, true},
    {Key::Digit8,      Holder::Keypad,         {46, 252, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Digit9,      Holder::Keypad,         {88, 252, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Divide,      Holder::Keypad,         {130, 252, 39, 20}, kBlack,  kWhite, 19, false},
    {Key::Digit4,      Holder::Keypad,         {4, 275, 39, 20},   kWhite,  kBlack, 13, true},
    {Key::Digit5,      Holder::Keypad,         {46, 275, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Digit6,      Holder::Keypad,         {88, 275, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Multiply,    Holder::Keypad,         {130, 275, 39, 20}, kBlack,  kWhite, 16, true},
    {Key::Digit1,      Holder::Keypad,         {4, 298, 39, 20},   kWhite,  kBlack, 13, true},
    {Key::Digit2,      Holder::Keypad,         {46, 298, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Digit3,      Holder::Keypad,         {88, 298, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::Minus,       Holder::Keypad,         {130, 298, 39, 20}, kBlack,  kWhite, 16, true},
    {Key::Digit0,      Holder::Keypad,         {4, 321, 39, 20},   kWhite,  kBlack, 13, true},
    {Key::Point,       Holder::Keypad,         {46, 321, 39, 20},  kWhite,  kBlack, 13, true},
    {Key::PlusMinus,   Holder::Keypad,         {88, 321, 39, 20},  kWhite,  kBlack, 16, true},
    {Key::Plus,        Holder::Keypad,         {130, 321, 39, 20}, kBlack,  kWhite, 16, true},
    {Key::Help,        Holder::Window,         {5, 402, 53, 19},   kTeal,   kWhite, 0,  true},
    {Key::HelpEnable,  Holder::Window,         {5, 402, 53, 19},   kTeal,   kBlack, 13, true},
    {Key::ClearMemory, Holder::Window,         {64, 402, 53, 19},  kBlack,  kWhite, 11, true},
    {Key::Equals,      Holder::Window,         {124, 402, 53, 19}, kBlack,  kWhite, 11, true},
    {Key::About,       Holder::Window,         {186, 402, 19, 17}, kTeal,   kBlack, 0,  false},
    {Key::ClearTape,   Holder::Window,         {214, 402, 51, 20}, kSilver, kBlack, 0,  false},
    {Key::Print,       Holder::Window,         {276, 402, 51, 20}, kSilver, kBlack, 0,  false},
    {Key::Copy,        Holder::Window,         {337, 402, 51, 20}, kSilver, kBlack, 0,  false},
};
// clang-format on

QString captionOf(const KeyRow& row) {
  return QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
}

QAbstractButton* makeKey(QWidget* parent, const KeyRow& row, const KeyPlace& at) {
  const QString caption = captionOf(row);
  const QString hint = QString::fromUtf8(row.hint.data(), static_cast<qsizetype>(row.hint.size()));
  QAbstractButton* made = nullptr;
  if (row.kind == KeyKind::Help || row.kind == KeyKind::About) {
    // Flat buttons with a picture, on the window's teal.
    auto* flat = new SpeedButton(parent, caption,
                                 row.kind == KeyKind::Help ? helpPicture(14) : aboutPicture());
    flat->setTextColor(at.text);
    made = flat;
  } else if (row.kind == KeyKind::TapeButton) {
    // Standard buttons keep the system's text colour, as such buttons always did.
    auto* standard = new QPushButton(caption, parent);
    standard->setPalette(QApplication::palette());
    standard->setAutoDefault(false);
    made = standard;
  } else {
    auto* key = new TColorButton(caption, parent);
    key->setColor(at.face);
    key->setFontColor(at.text);
    key->setBevelSize(1);
    key->setButtonStyle({bsCenter, bsShowFocus, bsShowKey});
    made = key;
  }
  made->setObjectName(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
  made->setAccessibleName(
      caption.isEmpty()
          ? QString::fromUtf8(row.spoken.data(), static_cast<qsizetype>(row.spoken.size()))
          : spokenCaption(caption));
  made->setGeometry(at.place);
  if (at.textSize > 0) made->setFont(arial(at.textSize, at.bold));
  if (!hint.isEmpty()) made->setToolTip(hint);
  return made;
}

// The panels and groups keys sit in, each made when its first key is.
class Holders {
 public:
  explicit Holders(QWidget* window) { made_[0] = window; }

  QWidget* get(Holder h) {
    QWidget*& w = made_[static_cast<size_t>(h)];
    if (w) return w;
    switch (h) {
      case Holder::Window:
        break;
      case Holder::Keypad:
        w = new Panel(made_[0], kGrey, false);
        w->setObjectName("KeypadPanel");
        w->setAccessibleName("Keypad");
        w->setGeometry(4, 56, 173, 343);
        break;
      case Holder::FinancialGroup:
        w = new KeyGroup(get(Holder::Keypad), " Financial ");
        w->setObjectName("FinancialGroup");
        w->setGeometry(2, 1, 169, 72);
        break;
      case Holder::GeometryGroup:
        w = new KeyGroup(get(Holder::Keypad), " Geometry ");
        w->setObjectName("GeometryGroup");
        w->setGeometry(2, 73, 169, 33);
        break;
      case Holder::TrigGroup:
        w = new KeyGroup(get(Holder::Keypad), " Trig/Hyperbolic functions ");
        w->setObjectName("TrigGroup");
        w->setGeometry(2, 110, 169, 54);
        break;
      case Holder::DegRadPanel:
        w = new Panel(get(Holder::TrigGroup), kGrey, true);
        w->setObjectName("DegRadPanel");
        w->setAccessibleName("Angle unit");
        w->setGeometry(4, 32, 35, 18);
        break;
    }
    return w;
  }

 private:
  std::array<QWidget*, 6> made_{};
};

}  // namespace

Keypad buildKeypad(QWidget* window, const std::function<void(Key)>& before) {
  Keypad keypad;
  Holders holders(window);
  for (const KeyPlace& at : kPlaces) {
    if (before) before(at.key);
    keypad.keys[static_cast<size_t>(at.key)] = makeKey(holders.get(at.holder), keyRow(at.key), at);
  }
  keypad.keys[static_cast<size_t>(Key::HelpEnable)]->raise();
  return keypad;
}

}  // namespace tivorum
