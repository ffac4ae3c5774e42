#include "calc/calculator_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QToolTip>
#include <system_error>

#include "app/about_form.h"
#include "app/dialogs.h"
#include "app/help_form.h"
#include "app/module_windows.h"
#include "app/numlock.h"
#include "app/tape_pane.h"
#include "calc/tape_file.h"
#include "controls/color_button.h"
#include "controls/qt_text.h"

using namespace tivorum;

namespace {

// Widths the keys set are those of the whole window, frame included; the
// client area is this much narrower.
constexpr int kFrameAllowance = 7;
constexpr int kClientWidth = 396;
constexpr int kClientHeight = 426;

const QColor kTeal(0, 128, 128);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

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

// A coloured panel with a one-pixel raised or sunken edge.
class Panel : public QWidget {
 public:
  Panel(QWidget* parent, const QColor& colour, bool sunken)
      : QWidget(parent), colour_(colour), sunken_(sunken) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    QColor light = Qt::white, dark(64, 64, 64);
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
    p.setPen(QColor(64, 64, 64));
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
      paintBevel(p, r.adjusted(0, 0, -1, -1), QColor(64, 64, 64), Qt::white);
    else if (underMouse())
      paintBevel(p, r.adjusted(0, 0, -1, -1), Qt::white, QColor(64, 64, 64));
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

// The Help keys' picture: a question mark on a yellow disc.
QPixmap helpPicture() {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pm(QSize(14, 14) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kYellow);
  p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
  p.setFont(arial(11, true));
  p.drawText(QRectF(0, 0, 14, 14), Qt::AlignCenter, "?");
  return pm;
}

QPixmap aboutPicture() {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pm =
      programPicture().scaled(QSize(15, 15) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  pm.setDevicePixelRatio(ratio);
  return pm;
}

// Presses a key as if clicked, so that help mode and the focus rules apply.
void press(TColorButton* key) {
  key->click();
}

}  // namespace

namespace {

// The modules' way onto the tape: through the engine, so that "=" never
// takes back a line a module wrote.
class ModuleTape : public Tape {
 public:
  ModuleTape(CalcEngine& engine, TapePane& pane) : engine_(engine), pane_(pane) {}
  void append(const std::string& line) override { engine_.appendTape5(line); }
  void removeLast() override { pane_.removeLast(); }
  void clear() override { engine_.clearTape(); }

 private:
  CalcEngine& engine_;
  TapePane& pane_;
};

}  // namespace

Tcalculator1::Tcalculator1(const AppPaths& paths, QWidget* parent)
    : QWidget(parent), paths_(paths) {
  buildWindow();
  engine_ = std::make_unique<CalcEngine>(*Tape, static_cast<EngineHost&>(*this));
  moduleTape_ = std::make_unique<ModuleTape>(*engine_, *Tape);
  qApp->installEventFilter(this);
  FormCreate();
}

Tcalculator1::~Tcalculator1() {
  qApp->removeEventFilter(this);
}

Tape& Tcalculator1::tape() {
  return *moduleTape_;
}

// ---- Building --------------------------------------------------------------

TColorButton* Tcalculator1::makeKey(QWidget* parent, const char* name, const QString& caption,
                                    QRect place, const QColor& face, const QColor& text,
                                    int textSize, bool bold, const char* hint) {
  auto* key = new TColorButton(caption, parent);
  key->setObjectName(name);
  key->setAccessibleName(shownCaption(caption));
  key->setGeometry(place);
  key->setColor(face);
  key->setFontColor(text);
  key->setFont(arial(textSize, bold));
  key->setBevelSize(1);
  key->setButtonStyle({bsCenter, bsShowFocus, bsShowKey});
  if (hint && *hint) key->setToolTip(hint);
  return key;
}

void Tcalculator1::buildWindow() {
  setObjectName("Tcalculator1");
  setWindowTitle("Tivorum");
  setAccessibleName("Tivorum");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(programPicture()));
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette teal = palette();
  teal.setColor(QPalette::Window, kTeal);
  teal.setColor(QPalette::WindowText, Qt::white);
  setPalette(teal);
  setFont(arial(11, true));

  display = new QLineEdit(this);
  display->setObjectName("display");
  display->setAccessibleName("Display");
  display->setGeometry(6, 4, 169, 25);
  display->setReadOnly(true);
  display->setFocusPolicy(Qt::NoFocus);
  display->setContextMenuPolicy(Qt::NoContextMenu);
  display->setAttribute(Qt::WA_TransparentForMouseEvents);
  display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display->setFont(arial(12, true));
  QPalette screen = display->palette();
  screen.setColor(QPalette::Base, Qt::black);
  screen.setColor(QPalette::Text, kYellow);
  display->setPalette(screen);

  const QColor black = Qt::black, white = Qt::white;
  TapeBut = makeKey(this, "TapeBut", "Tape", {6, 32, 35, 21}, black, white, 11, true,
                    "Show/Hide the calculator tape");
  PlacesBut = makeKey(this, "PlacesBut", "Sci", {44, 32, 25, 21}, black, white, 11, true,
                      "Switch between scientific and financial display");
  HintBut = makeKey(this, "HintBut", "Hint", {72, 32, 35, 21}, black, white, 11, true,
                    "Turn hint feature on/off");
  ButClear = makeKey(this, "ButClear", "CE/C", {110, 32, 35, 21}, kGreen, white, 11, true,
                     "Clear the display/Clear calculator");
  ColorButton9 =
      makeKey(this, "ColorButton9", "Off", {148, 32, 29, 21}, kRed, white, 13, true, nullptr);

  KeypadPanel = new Panel(this, kGrey, false);
  KeypadPanel->setObjectName("KeypadPanel");
  KeypadPanel->setAccessibleName("Keypad");
  KeypadPanel->setGeometry(4, 56, 173, 343);

  auto* financial = new KeyGroup(KeypadPanel, " Financial ");
  financial->setObjectName("FinancialGroup");
  financial->setGeometry(2, 1, 169, 72);
  auto moduleKey = [&](QWidget* group, const char* name, const char* caption, QRect place, int size,
                       const char* hint) {
    return makeKey(group, name, caption, place, kSilver, black, size, false, hint);
  };
  CurrencyBut = moduleKey(financial, "CurrencyBut", "Currency", {6, 14, 55, 16}, 11,
                          "Display currency module");
  LoanBut = moduleKey(financial, "LoanBut", "Loan", {64, 14, 40, 16}, 11, "Display loan module");
  ColorButton3 = moduleKey(financial, "ColorButton3", "Dividend", {108, 14, 55, 16}, 11,
                           "Display dividend module");
  ColorButton5 = moduleKey(financial, "ColorButton5", "Financial", {6, 33, 55, 16}, 11,
                           "Display financial module");
  ProfitLossBut = moduleKey(financial, "ProfitLossBut", "P/L", {64, 33, 40, 16}, 11,
                            "Display profit/loss module");
  ColorButton7 = moduleKey(financial, "ColorButton7", "Interest", {108, 33, 55, 16}, 11,
                           "Display interest module");
  ColorButton8 = moduleKey(financial, "ColorButton8", "Investment", {58, 52, 55, 16}, 11,
                           "Display investment module");

  auto* geometry = new KeyGroup(KeypadPanel, " Geometry ");
  geometry->setObjectName("GeometryGroup");
  geometry->setGeometry(2, 73, 169, 33);
  AreaBut = moduleKey(geometry, "AreaBut", "Area", {5, 12, 52, 16}, 12,
                      "Display area calculation notebook");
  VolumeBut = moduleKey(geometry, "VolumeBut", "Volume", {59, 12, 52, 16}, 12,
                        "Display volume calculation notebook");
  SurfaceAreaBut = moduleKey(geometry, "SurfaceAreaBut", "Surface", {113, 12, 52, 16}, 12,
                             "Display surface area calculation notebook");

  auto* trig = new KeyGroup(KeypadPanel, " Trig/Hyperbolic functions ");
  trig->setObjectName("TrigGroup");
  trig->setGeometry(2, 110, 169, 54);
  ButTrigType = moduleKey(trig, "ButTrigType", "Type", {6, 15, 34, 16}, 12,
                          "Switch between trigonometric and hyperbolic calculation mode");
  ButarcSin =
      moduleKey(trig, "ButarcSin", "aSin", {42, 15, 40, 16}, 12, "Calculate arcSine or arcSinh");
  ButArcCos =
      moduleKey(trig, "ButArcCos", "aCos", {84, 15, 40, 16}, 12, "Calculate arcCosine or arcCosh");
  ButArcTan = moduleKey(trig, "ButArcTan", "aTan", {126, 15, 40, 16}, 12,
                        "Calculate arcTangent or arcTanh");
  auto* degRadPanel = new Panel(trig, kGrey, true);
  degRadPanel->setObjectName("DegRadPanel");
  degRadPanel->setAccessibleName("Angle unit");
  degRadPanel->setGeometry(4, 32, 35, 18);
  ButDegRad = makeKey(degRadPanel, "ButDegRad", "Deg", {2, 0, 27, 13}, kNavy, white, 11, false,
                      "Switch between degrees, radians, and grads");
  ButSin = moduleKey(trig, "ButSin", "Sin", {42, 34, 40, 16}, 12, "Calculate sine or sinh");
  ButCos = moduleKey(trig, "ButCos", "Cos", {84, 34, 40, 16}, 12, "Calculate cosine or cosh");
  ButTan = moduleKey(trig, "ButTan", "Tan", {126, 34, 40, 16}, 12, "Calculate tangent or tanh");

  auto sci = [&](const char* name, const QString& caption, QRect place, const char* hint) {
    return makeKey(KeypadPanel, name, caption, place, kSilver, black, 13, false, hint);
  };
  ButHypot = sci("ButHypot", "&Hypot", {4, 168, 39, 18},
                 "Calculate hypotnuese or rt. triangle given two sides");
  ButRoot = sci("ButRoot", "R&oot", {46, 168, 39, 18}, "Calculate nth root of value");
  ButPerm = sci("ButPerm", "&Perm", {88, 168, 39, 18}, "Calculate permutations");
  ButComb = sci("ButComb", "Co&mb", {130, 168, 39, 18}, "Calculate combinations");
  ButPi = sci("ButPi", "P&i", {4, 189, 39, 18}, "Display pi");
  ButLog = sci("ButLog", "&Log", {46, 189, 39, 18}, "Calculate logrithm");
  ButXtoY = sci("ButXtoY", "x&^y", {88, 189, 39, 18}, "Calculate x to the y power");
  ButSquareRoot =
      sci("ButSquareRoot", "S&qrt", {130, 189, 39, 18}, "Calculate square root of value");
  ButFactorial = sci("ButFactorial", "n&!", {4, 210, 31, 18}, "Calculate factorial");
  ButLn = sci("ButLn", "L&n", {37, 210, 31, 18}, "Calculate natural logrithm");
  ButSquare =
      sci("ButSquare", QString::fromUtf8("&x\u00b2"), {70, 210, 31, 18}, "Calculate square");
  ButAbsolute = sci("ButAbsolute", "&|x|", {103, 210, 31, 18}, "Calculate absolute value");
  EMinusBut = sci("EMinusBut", "E&-", {136, 210, 33, 18}, "Enter exponential value");
  ButStore = sci("ButStore", "&Sto", {4, 231, 31, 18}, "Store displayed value to memory location");
  ButRecall = sci("ButRecall", "&Rec", {37, 231, 31, 18}, "Recall value from memory location");
  ButOneOverX = sci("ButOneOverX", "1&/x", {70, 231, 31, 18}, "Calculate reciprocal");
  ButPercent = sci("ButPercent", "&%", {103, 231, 31, 18}, "Calculate percent");
  EPlusBut = sci("EPlusBut", "E&+", {136, 231, 33, 18}, "Enter exponential value");

  auto digit = [&](const char* name, const QString& caption, int left, int top) {
    return makeKey(KeypadPanel, name, caption, {left, top, 39, 20}, white, black, 13, true,
                   nullptr);
  };
  auto op = [&](const char* name, const QString& caption, int top, int size, bool bold) {
    return makeKey(KeypadPanel, name, caption, {130, top, 39, 20}, black, white, size, bold,
                   nullptr);
  };
  But7 = digit("But7", "7", 4, 252);
  But8 = digit("But8", "8", 46, 252);
  But9 = digit("But9", "9", 88, 252);
  ButDivide = op("ButDivide", QString::fromUtf8("\u00f7"), 252, 19, false);
  But4 = digit("But4", "4", 4, 275);
  But5 = digit("But5", "5", 46, 275);
  But6 = digit("But6", "6", 88, 275);
  ButMultiply = op("ButMultiply", "X", 275, 16, true);
  But1 = digit("But1", "1", 4, 298);
  But2 = digit("But2", "2", 46, 298);
  But3 = digit("But3", "3", 88, 298);
  ButMinus = op("ButMinus", "-", 298, 16, true);
  But0 = digit("But0", "0", 4, 321);
  ButDot = digit("ButDot", ".", 46, 321);
  ButPlusMinus = digit("ButPlusMinus", "+/-", 88, 321);
  ButPlusMinus->setFont(arial(16, true));
  ButPlus = op("ButPlus", "+", 321, 16, true);

  Tape = new TapePane(this);
  Tape->setObjectName("Tape");
  Tape->setAccessibleName("Tape");
  Tape->setGeometry(180, 6, 209, 395);
  QFont tapeFont = QApplication::font();
  tapeFont.setBold(true);
  Tape->setFont(tapeFont);
  QPalette paper = Tape->palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  Tape->setPalette(paper);

  auto* help1 = new SpeedButton(this, "Help", helpPicture());
  help1->setObjectName("SpeedButton1");
  help1->setAccessibleName("Help");
  help1->setGeometry(5, 402, 53, 19);
  help1->setTextColor(Qt::white);
  SpeedButton1 = help1;
  auto* help2 = new SpeedButton(this, "Help", helpPicture());
  help2->setObjectName("SpeedButton2");
  help2->setAccessibleName("Help");
  help2->setGeometry(5, 402, 53, 19);
  help2->setFont(arial(13, true));
  help2->setTextColor(Qt::black);
  help2->setToolTip("Enable help function.");
  SpeedButton2 = help2;
  SpeedButton2->raise();

  ClearMemBut = makeKey(this, "ClearMemBut", "Clr Mem", {64, 402, 53, 19}, black, white, 11, true,
                        "Clear all memory locations");
  ButtonEnte =
      makeKey(this, "ButtonEnte", "=", {124, 402, 53, 19}, black, white, 11, true, nullptr);

  auto* about = new SpeedButton(this, QString(), aboutPicture());
  about->setObjectName("AboutButton");
  about->setAccessibleName("About");
  about->setGeometry(186, 402, 19, 17);
  about->setToolTip("Show \"About\" screen.");
  AboutButton = about;

  // Standard buttons keep the system's text colour, as such buttons always did.
  auto standard = [&](const char* name, const QString& caption, int left, const char* hint) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAccessibleName(shownCaption(caption));
    b->setGeometry(left, 402, 51, 20);
    b->setPalette(QApplication::palette());
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
  };
  ButtonClearTape = standard("ButtonClearTape", "CT", 214, "Clear the tape.");
  ButtonPrint = standard("ButtonPrint", "Pr&int", 276, "Print the tape.");
  ButtonCopy = standard("ButtonCopy", "Cop&y", 337, "Copy tape to clipboard and file.");

  TempMemo = new QPlainTextEdit(this);
  TempMemo->setObjectName("TempMemo");
  TempMemo->hide();

  // ---- Handlers ----
  auto topic = [](const char* t) { return [t] { return std::string(t); }; };
  auto captionTopic = [](TColorButton* key) {
    return [key] { return key->caption().toStdString(); };
  };
  // The engine is made after the window; the handlers run only later.
  auto eng = [this] { return engine_.get(); };

  onKey(TapeBut, topic("Tape"), [this] { TapeButClick(); });
  onKey(PlacesBut, topic("Display"), [this] { PlacesButClick(); });
  onKey(HintBut, topic("Hint"), [this] { HintButClick(); });
  onKey(ButClear, topic("CE/C"), [eng] { eng()->ButClearClick(); });
  onKey(ColorButton9, [this] { ColorButton9Click(); });

  auto module = [this](TColorButton* key, Module m, const char* helpTopic) {
    connect(key, &TColorButton::clicked, this, [this, m, helpTopic] { openModule(m, helpTopic); });
  };
  module(CurrencyBut, Module::Currency, "Currency");
  module(LoanBut, Module::Loan, "Loans");
  module(ColorButton3, Module::Dividend, "Dividend");
  module(ColorButton5, Module::Financial, "Financial");
  module(ProfitLossBut, Module::Profit, "Profit");
  module(ColorButton7, Module::Interest, "Interest");
  module(ColorButton8, Module::Investment, "Investment");
  module(AreaBut, Module::Area, "Area");
  module(VolumeBut, Module::Volume, "Volume");
  module(SurfaceAreaBut, Module::Surface, "Surface");

  onKey(ButTrigType, topic("Trig"), [eng] { eng()->ButTrigTypeClick(); });
  onKey(ButDegRad, topic("Deg/Rad/Gra"), [eng] { eng()->ButDegRadClick(); });
  onKey(ButSin, captionTopic(ButSin), [eng] { eng()->ButSinClick(); });
  onKey(ButCos, captionTopic(ButCos), [eng] { eng()->ButCosClick(); });
  onKey(ButTan, captionTopic(ButTan), [eng] { eng()->ButTanClick(); });
  onKey(ButarcSin, captionTopic(ButarcSin), [eng] { eng()->ButarcSinClick(); });
  onKey(ButArcCos, captionTopic(ButArcCos), [eng] { eng()->ButArcCosClick(); });
  onKey(ButArcTan, captionTopic(ButArcTan), [eng] { eng()->ButArcTanClick(); });

  onKey(ButHypot, topic("Hypot"), [eng] { eng()->ButHypotClick(); });
  onKey(ButRoot, topic("Root"), [eng] { eng()->ButRootClick(); });
  onKey(ButPerm, topic("Perm"), [eng] { eng()->ButPermClick(); });
  onKey(ButComb, topic("Comb"), [eng] { eng()->ButCombClick(); });
  onKey(ButPi, topic("pi"), [eng] { eng()->ButPiClick(); });
  onKey(ButLog, topic("Log"), [eng] { eng()->ButLogClick(); });
  onKey(ButXtoY, topic("x^y"), [eng] { eng()->ButXtoYClick(); });
  onKey(ButSquareRoot, topic("square root"), [eng] { eng()->ButSquareRootClick(); });
  onKey(ButFactorial, topic("n!"), [eng] { eng()->ButFactorialClick(); });
  onKey(ButLn, topic("Ln"), [eng] { eng()->ButLnClick(); });
  onKey(ButSquare, topic("square"), [eng] { eng()->ButSquareClick(); });
  onKey(ButAbsolute, topic("Absolute of x"), [eng] { eng()->ButAbsoluteClick(); });
  onKey(EMinusBut, topic("EE"), [eng] { eng()->EMinusButClick(); });
  onKey(ButStore, topic("Sto"), [eng] { eng()->ButStoreClick(); });
  onKey(ButRecall, topic("Rec"), [eng] { eng()->ButRecallClick(); });
  onKey(ButOneOverX, topic("1/x"), [eng] { eng()->ButOneOverXClick(); });
  onKey(ButPercent, topic("%"), [eng] { eng()->ButPercentClick(); });
  onKey(EPlusBut, topic("EE"), [eng] { eng()->EPlusButClick(); });

  for (TColorButton* key : {But0, But1, But2, But3, But4, But5, But6, But7, But8, But9}) {
    const char digitChar = key->caption().at(0).toLatin1();
    onKey(key, [eng, digitChar] { eng()->But0Click(digitChar); });
  }
  onKey(ButDot, [eng] { eng()->ButDotClick(); });
  onKey(ButPlusMinus, topic("+/-"), [eng] { eng()->ButPlusMinusClick(); });
  onKey(ButDivide, [eng] { eng()->ButDivideClick(); });
  onKey(ButMultiply, [eng] { eng()->ButMultiplyClick(); });
  onKey(ButMinus, [eng] { eng()->ButMinusClick(); });
  onKey(ButPlus, [eng] { eng()->ButPlusClick(); });

  onKey(ClearMemBut, topic("Clr Mem"), [eng] { eng()->ClearMemButClick(); });
  // "=" picks its result format even when help mode then shows its help.
  connect(ButtonEnte, &TColorButton::clicked, this, [this] {
    runReportingErrors(this, [this] {
      engine_->setResultFormat();
      if (HelpMode)
        ShowButtonHelp("=!");
      else
        engine_->ButtonEnteClick();
    });
    afterKey();
  });

  connect(SpeedButton1, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(AboutButton, &QAbstractButton::clicked, this, [this] { AboutButtonClick(); });
  connect(ButtonClearTape, &QPushButton::clicked, this, [this] { ButtonClearTapeClick(); });
  connect(ButtonPrint, &QPushButton::clicked, this, [this] { ButtonPrintClick(); });
  connect(ButtonCopy, &QPushButton::clicked, this, [this] { ButtonCopyClick(); });
}

void Tcalculator1::onKey(TColorButton* key, std::function<std::string()> topic,
                         std::function<void()> action) {
  connect(key, &TColorButton::clicked, this, [this, topic, action] {
    if (HelpMode && topic) {
      ShowButtonHelp(topic());
    } else {
      runReportingErrors(this, action);
    }
    afterKey();
  });
}

void Tcalculator1::onKey(TColorButton* key, std::function<void()> action) {
  onKey(key, nullptr, std::move(action));
}

void Tcalculator1::afterKey() {
  refresh();
  focusEquals();
}

void Tcalculator1::focusEquals() {
  ButtonEnte->setFocus(Qt::OtherFocusReason);
}

void Tcalculator1::refresh() {
  display->setText(QString::fromStdString(engine_->display()));
  auto show = [](TColorButton* key, const std::string& caption) {
    QString c = QString::fromStdString(caption);
    if (key->caption() == c) return;
    key->setCaption(c);
    key->setAccessibleName(c);
  };
  show(ButDegRad, engine_->degRadCaption());
  show(ButTrigType, engine_->trigTypeCaption());
  show(ButSin, engine_->trigCaption(TrigKey::Sin));
  show(ButCos, engine_->trigCaption(TrigKey::Cos));
  show(ButTan, engine_->trigCaption(TrigKey::Tan));
  show(ButarcSin, engine_->trigCaption(TrigKey::ArcSin));
  show(ButArcCos, engine_->trigCaption(TrigKey::ArcCos));
  show(ButArcTan, engine_->trigCaption(TrigKey::ArcTan));
  show(PlacesBut, engine_->placesCaption());
}

// ---- Start-up and closing ----------------------------------------------------

void Tcalculator1::FormCreate() {
  HelpFromHelpKey = false;
  switchNumLockOn();
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, kYellow);
  tips.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(tips);
}

void Tcalculator1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tcalculator1::FormShow() {
  const QString point = QLocale().decimalPoint();
  const char decimalChar = (point.size() == 1 && point.at(0).unicode() < 128)
                               ? static_cast<char>(point.at(0).unicode())
                               : '.';
  engine_->startUp(decimalChar);
  refresh();
  focusEquals();
  CurrencyFactorsLoad load = loadCurrencyFactors(paths_.settingsFolder);
  currencyFactors_ = load.factors;
  // Loading stops being reported at the first factor that is not a number.
  if (!load.messages.empty()) reportError(this, load.messages.front());
}

void Tcalculator1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void Tcalculator1::FormActivate() {
  if (activated_) return;
  activated_ = true;
  Settings stored = loadSettings(paths_.settingsFolder);
  engine_->firstActivation(stored.placeFormat);
  for (int i = 0; i < kMemoryCount; ++i) engine_->setMemoryLoc(i, stored.memory[i]);
  std::error_code ec;
  std::filesystem::path here = std::filesystem::current_path(ec);
  BigTapeFile = tapeFileIsBig(ec ? std::filesystem::path(".") : here);
  HintsOn = stored.hintsOn;
  TapeShown = stored.tapeShown;
  move(stored.left, stored.top);
  refresh();
  setOnOffLook(HintBut, HintsOn);
  applyHints();
  setOnOffLook(TapeBut, TapeShown);
  if (!TapeShown) slideTo({350, 300, 200, 184});
}

void Tcalculator1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void Tcalculator1::FormClose() {
  if (closed_) return;  // the settings are written, and a failure shown, once
  closed_ = true;
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) s.memory[i] = engine_->MemoryLoc[i];
  s.hintsOn = HintsOn;
  s.tapeShown = TapeShown;
  s.placeFormat =
      PlacesBut->caption() == "Sci" ? std::string(kGeneralFormat) : std::string(kFinancialFormat);
  s.top = pos().y();
  s.left = pos().x();
  WriteResult result = saveSettings(paths_.settingsFolder, s);
  if (!result.ok) reportError(this, result.message);
}

// ---- Engine host ---------------------------------------------------------------

void Tcalculator1::showErrorBox(std::string_view caption, std::string_view text) {
  dialogs().message(this, QString::fromUtf8(caption.data(), caption.size()), qstr(text),
                    BoxIcon::Error);
}

bool Tcalculator1::confirm(std::string_view text) {
  return dialogs().confirm(this, "Confirm", qstr(text));
}

void Tcalculator1::reportFault(std::string_view message) {
  reportError(this, message);
}

// ---- Setting keys, help and the modules ---------------------------------------

void Tcalculator1::setOnOffLook(TColorButton* key, bool on) {
  QFont f = key->font();
  f.setStrikeOut(!on);
  key->setFont(f);
  key->setColor(on ? QColor(Qt::black) : kGrey);
  key->setFontColor(on ? QColor(Qt::white) : kSilver);
}

void Tcalculator1::applyHints() {
  if (!HintsOn) QToolTip::hideText();
}

int Tcalculator1::outerWidth() const {
  return width() + kFrameAllowance;
}

void Tcalculator1::slideTo(std::initializer_list<int> widths) {
  const bool onScreen = QGuiApplication::platformName() != QLatin1String("offscreen");
  for (int w : widths) {
    setFixedSize(w - kFrameAllowance, kClientHeight);
    if (onScreen) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      QThread::msleep(10);
    }
  }
}

void Tcalculator1::TapeButClick() {
  TapeShown = !TapeShown;
  setOnOffLook(TapeBut, TapeShown);
  if (outerWidth() > 185)
    slideTo({350, 300, 200, 184});
  else
    slideTo({200, 300, 403});
}

void Tcalculator1::HintButClick() {
  HintsOn = !HintsOn;
  setOnOffLook(HintBut, HintsOn);
  applyHints();
}

void Tcalculator1::PlacesButClick() {
  engine_->PlacesButClick();
}

void Tcalculator1::ColorButton9Click() {
  close();
}

void Tcalculator1::SpeedButton1Click() {
  if (!HelpMode) {
    SpeedButton2->hide();
    HelpMode = true;
  } else {
    HelpFromHelpKey = true;
    ShowButtonHelp("Help");
    HelpFromHelpKey = false;
    SpeedButton2->show();
    HelpMode = false;
  }
  focusEquals();
}

void Tcalculator1::ShowButtonHelp(std::string_view topic) {
  {
    THelpForm form(this);
    form.fill(topic, paths_.helpFolder);
    dialogs().showHelp(form);
  }
  if (HelpMode && !HelpFromHelpKey) {
    SpeedButton2->show();
    HelpMode = false;
  }
}

void Tcalculator1::AboutButtonClick() {
  {
    TAboutCal box(this);
    dialogs().showAbout(box);
  }
  focusEquals();
}

void Tcalculator1::openModule(Module module, std::string_view topic) {
  if (HelpMode) {
    ShowButtonHelp(topic);
  } else if (QPointer<QDialog> window = createModuleWindow(module, *this)) {
    window->exec();
    delete window.data();
  }
  focusEquals();
}

// ---- The tape's buttons ----------------------------------------------------------

void Tcalculator1::ButtonClearTapeClick() {
  if (HelpMode)
    ShowButtonHelp("CT");
  else
    engine_->clearTape();
  focusEquals();
}

void Tcalculator1::ButtonCopyClick() {
  if (HelpMode)
    ShowButtonHelp("Copy");
  else
    Tape->copyToClipboard();
  focusEquals();
}

void Tcalculator1::ButtonPrintClick() {
  if (HelpMode) {
    ShowButtonHelp("Print");
    focusEquals();
    return;
  }
  const bool selected = Tape->hasSelection();
  PrintAnswer answer = dialogs().askPrint(this, selected);
  if (answer.accepted) {
    std::vector<std::string> lines;
    const bool useSelection = answer.toFile ? selected : (answer.selectionOnly && selected);
    if (useSelection) {
      TempMemo->setPlainText(Tape->selection());
      lines = textLines(TempMemo->toPlainText());
    } else {
      lines = Tape->lines();
    }
    if (answer.toFile) {
      std::error_code ec;
      std::filesystem::path here = std::filesystem::current_path(ec);
      WriteResult result =
          writeTapeFile(ec ? std::filesystem::path(".") : here, lines, BigTapeFile);
      if (!result.ok)
        dialogs().message(this, "Error", QString::fromStdString(result.message), BoxIcon::Error);
    } else if (answer.printer) {
      printLines(*answer.printer, Tape->font(), lines);
    }
  }
  focusEquals();
}

// ---- Keyboard -------------------------------------------------------------------

bool Tcalculator1::tapeHasFocus() const {
  return Tape->hasFocus();
}

bool Tcalculator1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ToolTip) return !HintsOn;  // hints are off for every window
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  if (!watched->isWidgetType()) return false;
  auto* target = static_cast<QWidget*>(watched);
  if (target->window() != this) return false;
  // A key event travels up to the parents; act on its first delivery only.
  QWidget* focus = QApplication::focusWidget();
  if (focus ? target != focus : target != this) return false;

  auto* key = static_cast<QKeyEvent*>(event);
  QChar ch;
  if (key->key() == Qt::Key_Backspace)
    ch = QChar('\b');
  else if (!key->text().isEmpty())
    ch = key->text().at(0);
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  const bool alt = mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier);

  if (type == QEvent::ShortcutOverride) {
    // Alt and a key's letter is that key's accelerator, here rather than
    // through the shortcut map, so that the first key in control order wins.
    if (alt && ch.isPrint() && !ch.isSpace()) {
      event->accept();
      return true;
    }
    return false;
  }
  if (ch.isNull()) return false;
  if (alt) return dispatchDialogChar(this, ch);
  if (!tapeHasFocus() && dispatchDialogChar(this, ch)) return true;
  FormKeyPress(ch);
  return false;  // the focused control gets the character too, and ignores it
}

void Tcalculator1::FormKeyPress(QChar ch) {
  const bool tape = tapeHasFocus();
  const char16_t c = ch.unicode();
  if (c >= '0' && c <= '9') {
    runReportingErrors(this, [&] { engine_->typeDigit(static_cast<char>(c)); });
    afterKey();
    return;
  }
  switch (c) {
    case '.':
    case ',':
      runReportingErrors(this, [&] { engine_->typePoint(); });
      afterKey();
      return;
    case '\b':
      runReportingErrors(this, [&] { engine_->backspace(); });
      afterKey();
      return;
    case '*':
      return press(ButMultiply);
    case '+':
      return press(tape ? ButPlus : EPlusBut);
    case '-':
      return press(tape ? ButMinus : EMinusBut);
    case '/':
      return press(tape ? ButDivide : ButOneOverX);
    case '%':
      return press(ButPercent);
    case 'A':
    case 'a':
    case 'C':
    case 'c':
      return press(ButClear);
    case 'F':
    case 'f':
      return press(ButFactorial);
    case '!':
      if (!tape) press(ButFactorial);
      return;
    case 'O':
    case 'o':
      return press(ButRoot);
    case 'H':
    case 'h':
      return press(ButHypot);
    case 'P':
    case 'p':
      return press(ButPerm);
    case 'M':
    case 'm':
      return press(ButComb);
    case 'X':
    case 'x':
      return press(tape ? ButXtoY : ButSquare);
    case '^':
      if (!tape) press(ButXtoY);
      return;
    case 'L':
    case 'l':
      return press(ButLog);
    case 'N':
    case 'n':
      return press(ButLn);
    case 'R':
    case 'r':
      return press(tape ? ButStore : ButRecall);
    case 'S':
    case 's':
      return press(tape ? ButRecall : ButStore);
    case 'I':
    case 'i':
      if (!tape) press(ButPi);
      return;
    case 'Q':
    case 'q':
      if (!tape) press(ButSquareRoot);
      return;
    case '|':
      if (!tape) press(ButAbsolute);
      return;
    case 'Y':
    case 'y':
      if (!tape) ButtonCopy->click();
      return;
    default:
      return;
  }
}
