#include "controls/color_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <string>

#include "controls/accessibility.h"

using namespace tivorum;

namespace {

// A shown window holding one button, as keys live in the calculator.
struct Shown {
  Shown() {
    window = std::make_unique<QWidget>();
    window->resize(200, 100);
    button = new TColorButton(window.get());
    button->move(10, 10);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  std::unique_ptr<QWidget> window;
  TColorButton* button = nullptr;
};

QImage render(TColorButton& b) {
  return b.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor pixel(const QImage& img, int x, int y) {
  return QColor(img.pixel(x, y));
}

bool contains(const QImage& img, const QColor& c) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == c.rgb()) return true;
  return false;
}

bool rowIs(const QImage& img, int x0, int x1, int y, const QColor& c) {
  for (int x = x0; x < x1; ++x)
    if (img.pixel(x, y) != c.rgb()) return false;
  return true;
}

// Checks the accelerator underline of the character drawn over [x0, x1) on
// `baseline`: one solid line in `ink`, exactly that wide, as high as the
// font's underline place allows while a blank row separates it from every
// pixel of the letters above. Returns its row.
int expectClearUnderline(const QImage& img, int x0, int x1, int baseline, const QFontMetrics& fm,
                         const QColor& ink, const QColor& face) {
  int row = -1;
  for (int y = baseline; y < img.height() && row < 0; ++y)
    if (rowIs(img, x0, x1, y, ink)) row = y;
  EXPECT_GE(row, 0) << "no underline";
  if (row < 0) return row;
  int expected = baseline + std::max(1, fm.underlinePos());
  while (!rowIs(img, x0, x1, expected - 1, face)) ++expected;
  EXPECT_EQ(row, expected);
  EXPECT_NE(QColor(img.pixel(x0 - 1, row)), ink);
  EXPECT_NE(QColor(img.pixel(x1, row)), ink);
  for (int t = 0; t < std::max(1, fm.lineWidth()); ++t)
    EXPECT_TRUE(rowIs(img, x0, x1, row + t, ink));
  return row;
}

// Records any resize of the watched widget.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QObject* parent, QSize* seen) : QObject(parent), seen_(seen) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) *seen_ = static_cast<QResizeEvent*>(event)->size();
    return false;
  }

 private:
  QSize* seen_;
};

}  // namespace

// What a fresh button draws: a raised frame two pixels wide around a face in
// the system's button colour.
TEST(ColorButton, ANewButtonIsARaisedFaceInTheSystemsButtonColour) {
  TColorButton b;
  const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
  const QImage img = render(b);
  const int w = img.width(), h = img.height();
  for (int ring : {0, 1}) {
    EXPECT_EQ(pixel(img, ring, h / 2), lightShade(face)) << ring;
    EXPECT_EQ(pixel(img, w / 2, ring), lightShade(face)) << ring;
    EXPECT_EQ(pixel(img, w - 1 - ring, h / 2), darkShade(face)) << ring;
    EXPECT_EQ(pixel(img, w / 2, h - 1 - ring), darkShade(face)) << ring;
  }
  EXPECT_EQ(pixel(img, 2, h / 2), face);
  EXPECT_EQ(b.buttonState(), TColorButton::StateUp);
}

TEST(ColorButton, SizesAreHeldToTheirMinimum) {
  struct Case {
    int given, bevel, spacing;
  };
  const Case cases[] = {{0, 1, 0}, {-3, 1, 0}, {1, 1, 1}, {5, 5, 5}};
  for (const Case& c : cases) {
    TColorButton b;
    b.setBevelSize(c.given);
    b.setSpacing(c.given);
    EXPECT_EQ(b.bevelSize(), c.bevel) << c.given;
    EXPECT_EQ(b.spacing(), c.spacing) << c.given;
  }
}

TEST(ColorButton, ShadesOfTheFace) {
  struct Case {
    QColor face, light, dark;
  };
  const Case cases[] = {
      {QColor(0, 0, 0), QColor(64, 64, 64), QColor(0, 0, 0)},
      {QColor(255, 255, 255), QColor(255, 255, 255), QColor(191, 191, 191)},
      {QColor(100, 200, 30), QColor(164, 255, 94), QColor(36, 136, 0)},
      {QColor(192, 192, 192), QColor(255, 255, 255), QColor(128, 128, 128)},
      {QColor(0, 128, 128), QColor(64, 192, 192), QColor(0, 64, 64)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lightShade(c.face), c.light) << c.face.name().toStdString();
    EXPECT_EQ(darkShade(c.face), c.dark) << c.face.name().toStdString();
  }
}

TEST(ColorButton, CaptionShownAndSpoken) {
  struct Case {
    const char* caption;
    const char* shown;
    const char* spoken;
  };
  const Case cases[] = {
      {"&Sto", "Sto", "Sto"},
      {"Pr&int", "Print", "Print"},
      {"1&/x", "1/x", "reciprocal"},
      {"Tape", "Tape", "Tape"},
      {"E&", "E", "E"},
      {"a&b&c", "ab&c", "ab&c"},
      {"X", "X", "multiply"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shownCaption(c.caption), QString(c.shown)) << c.caption;
    TColorButton b(c.caption);
    EXPECT_EQ(b.caption(), QString(c.caption));
    EXPECT_EQ(accessibleFacts(&b).name, QString(c.spoken)) << c.caption;
    EXPECT_EQ(accessibleFacts(&b).role, "button") << c.caption;
  }
}

TEST(ColorButton, FaceAndBevelPixels) {
  // Grey face: light 192, dark 64. Raised shows light top-left; pressed or
  // lowered swaps; pressed and lowered swaps back.
  const QColor face(128, 128, 128), light(192, 192, 192), dark(64, 64, 64);
  struct Case {
    TButtonBevel bevel;
    bool pressed;
    QColor topLeft, bottomRight;
  };
  const Case cases[] = {
      {bbRaised, false, light, dark},  {bbRaised, true, dark, light},
      {bbLowered, false, dark, light}, {bbLowered, true, light, dark},
      {bbNone, false, face, face},     {bbNone, true, face, face},
  };
  for (const Case& c : cases) {
    Shown s;
    TColorButton& b = *s.button;
    b.setColor(face);
    b.setBevelStyle(c.bevel);
    b.setBevelSize(2);
    b.setButtonStyle({bsCenter});  // the shown window gives it the focus: no dots here
    if (c.pressed) QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(b.buttonState(), c.pressed ? 1 : 0);
    const QImage img = render(b);
    const int w = img.width(), h = img.height();
    ASSERT_EQ(QSize(w, h), QSize(75, 25));
    const std::string name = std::to_string(c.bevel) + (c.pressed ? " pressed" : " up");
    // Both rings of the frame, on every edge.
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(pixel(img, i, h / 2), c.topLeft) << name << " left " << i;
      EXPECT_EQ(pixel(img, w / 2, i), c.topLeft) << name << " top " << i;
      EXPECT_EQ(pixel(img, w - 1 - i, h / 2), c.bottomRight) << name << " right " << i;
      EXPECT_EQ(pixel(img, w / 2, h - 1 - i), c.bottomRight) << name << " bottom " << i;
    }
    // The outer corners away from the top-left belong to the bottom-right edges.
    EXPECT_EQ(pixel(img, 0, 0), c.topLeft) << name;
    EXPECT_EQ(pixel(img, w - 1, 0), c.bottomRight) << name;
    EXPECT_EQ(pixel(img, 0, h - 1), c.bottomRight) << name;
    // Inside the frame: the face.
    EXPECT_EQ(pixel(img, 2, h / 2), face) << name;
    EXPECT_EQ(pixel(img, w / 2, h / 2), face) << name;
    if (c.pressed) QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(30, 12));
  }
}

TEST(ColorButton, BlackButtonFrame) {
  TColorButton b;
  b.setColor(Qt::black);
  b.setBevelSize(0);  // drawn as 1
  const QImage img = render(b);
  EXPECT_EQ(pixel(img, 0, 10), QColor(64, 64, 64));
  EXPECT_EQ(pixel(img, 1, 10), QColor(0, 0, 0));
  EXPECT_EQ(pixel(img, 74, 10), QColor(0, 0, 0));
  EXPECT_EQ(pixel(img, 30, 0), QColor(64, 64, 64));
  EXPECT_EQ(pixel(img, 30, 1), QColor(0, 0, 0));
}

TEST(ColorButton, FocusRectangleFollowsBevelAndSpacing) {
  const QColor face(0, 0, 128), dot(255, 255, 127);
  struct Case {
    int bevel, spacing;
    TButtonStyles style;
    bool enabled, drawn;
  };
  const Case cases[] = {
      {2, 2, {bsShowFocus}, true, true},   {1, 3, {bsShowFocus}, true, true},
      {1, 0, {bsShowFocus}, true, true},   {2, 2, {bsCenter}, true, false},
      {2, 2, {bsShowFocus}, false, false},
  };
  for (const Case& c : cases) {
    Shown s;
    TColorButton& b = *s.button;
    b.setColor(face);
    b.setBevelSize(c.bevel);
    b.setSpacing(c.spacing);
    b.setButtonStyle(c.style);
    b.setFocus();
    ASSERT_TRUE(b.hasFocus());
    b.setEnabled(c.enabled);
    const QImage img = render(b);
    // Top-left corner of the dotted rectangle and its neighbours.
    const int at = c.bevel + c.spacing - 1;
    const int far = 75 - 1 - at;  // right edge column (exclusive right + 1 - 1)
    const std::string name = std::to_string(c.bevel) + "/" + std::to_string(c.spacing);
    EXPECT_EQ(pixel(img, at, at) == dot, c.drawn) << name;
    EXPECT_EQ(pixel(img, at + 2, at) == dot, c.drawn) << name;
    EXPECT_NE(pixel(img, at + 1, at), dot) << name;  // dotted, not solid
    EXPECT_EQ(pixel(img, at + 1, at + 1), face) << name;
    // Right edge: one of two neighbouring pixels is a dot.
    EXPECT_EQ(pixel(img, far, 10) == dot || pixel(img, far, 11) == dot, c.drawn) << name;
    if (far + 1 < 75) {
      EXPECT_NE(pixel(img, far + 1, 10), dot) << name;
    }
  }
}

TEST(ColorButton, TheFocusRectangleGoesWithTheFocus) {
  Shown s;
  auto* other = new TColorButton(s.window.get());
  other->move(10, 50);
  other->show();
  s.button->setColor(Qt::black);  // dots in white
  s.button->setFocus();
  EXPECT_EQ(pixel(render(*s.button), 3, 3), QColor(Qt::white));
  other->setFocus();
  EXPECT_EQ(pixel(render(*s.button), 3, 3), QColor(Qt::black));
}

TEST(ColorButton, PicturePlacement) {
  QPixmap red(10, 6);
  red.fill(Qt::red);
  // W 75, H 25, d = 2 + 2 = 4.
  struct Case {
    TButtonStyles style;
    TAlignment alignment;
    QPoint topLeft;
  };
  const Case cases[] = {
      {{bsCenter}, alTopLeft, {32, 9}},  // centred whatever the alignment
      {{}, alTopLeft, {32, 15}},         // above: picture below the caption
      {{}, alTopRight, {32, 15}},       {{}, alMiddleLeft, {61, 9}},  // right of the caption
      {{}, alMiddleCenter, {32, 9}},    {{}, alMiddleRight, {4, 9}},  // left of the caption
      {{}, alBottomCenter, {32, 4}},                                  // above the caption
  };
  for (const Case& c : cases) {
    TColorButton b;
    b.setColor(Qt::white);
    b.setButtonStyle(c.style);
    b.setAlignment(c.alignment);
    b.setPicture(red);
    const QImage img = render(b);
    const std::string name = std::to_string(c.alignment);
    const QPoint p = c.topLeft;
    EXPECT_EQ(pixel(img, p.x(), p.y()), QColor(Qt::red)) << name;
    EXPECT_EQ(pixel(img, p.x() + 9, p.y() + 5), QColor(Qt::red)) << name;
    EXPECT_EQ(pixel(img, p.x() - 1, p.y()), QColor(Qt::white)) << name;
    EXPECT_EQ(pixel(img, p.x() + 10, p.y() + 5), QColor(Qt::white)) << name;
    EXPECT_EQ(pixel(img, p.x(), p.y() - 1), QColor(Qt::white)) << name;
    EXPECT_EQ(pixel(img, p.x(), p.y() + 6), QColor(Qt::white)) << name;
  }
}

TEST(ColorButton, StretchedPictureFillsInsideFrameAndSpacing) {
  QPixmap red(3, 3);
  red.fill(Qt::red);
  TColorButton b;
  b.setColor(Qt::white);
  b.setButtonStyle({bsStretch});
  b.setPicture(red);
  const QImage img = render(b);
  EXPECT_EQ(pixel(img, 4, 4), QColor(Qt::red));
  EXPECT_EQ(pixel(img, 70, 20), QColor(Qt::red));
  EXPECT_EQ(pixel(img, 3, 10), QColor(Qt::white));
  EXPECT_EQ(pixel(img, 71, 10), QColor(Qt::white));
}

TEST(ColorButton, AutoSizeFitsThePicture) {
  QPixmap pic(30, 20);
  pic.fill(Qt::blue);
  TColorButton b;
  b.setBevelSize(3);
  b.setPicture(pic);
  EXPECT_EQ(b.size(), QSize(75, 25));  // not without the style
  b.setButtonStyle({bsAutoSize, bsCenter});
  EXPECT_EQ(b.size(), QSize(36, 26));
  b.setBevelSize(1);
  EXPECT_EQ(b.size(), QSize(32, 22));
}

TEST(ColorButton, DisabledCaptionIsEngraved) {
  QFont f("Liberation Sans");
  f.setPixelSize(20);
  f.setBold(true);
  const QColor face(128, 128, 128), ink(255, 0, 0);
  for (bool enabled : {true, false}) {
    TColorButton b("MW");
    b.setFont(f);
    b.setColor(face);
    b.setBevelStyle(bbNone);
    b.setFontColor(ink);
    b.setEnabled(enabled);
    EXPECT_EQ(b.buttonState(), enabled ? 0 : 2);
    const QImage img = render(b);
    EXPECT_EQ(contains(img, ink), enabled);
    EXPECT_EQ(contains(img, QColor(192, 192, 192)), !enabled);
    EXPECT_EQ(contains(img, QColor(64, 64, 64)), !enabled);
  }
}

TEST(ColorButton, CaptionPlacementByAlignment) {
  QFont f("Liberation Sans");
  f.setPixelSize(12);
  const QFontMetrics fm(f);
  const int tw = fm.horizontalAdvance("Sto"), th = fm.height();
  // d = 4 on a 75 x 25 button; the underline of "S" marks x and the baseline.
  struct Case {
    TAlignment alignment;
    int x, y;
  };
  const Case cases[] = {
      {alTopLeft, 4, 4},
      {alMiddleCenter, (75 - 8 - tw) / 2 + 4, (25 - 8 - th) / 2 + 4},
      {alBottomRight, 75 - 4 - tw, 25 - 4 - th},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alignment);
    TColorButton b("&Sto");
    b.setFont(f);
    b.setColor(Qt::white);
    b.setFontColor(Qt::black);
    b.setAlignment(c.alignment);
    const QImage img = render(b);
    expectClearUnderline(img, c.x, c.x + fm.horizontalAdvance("S"), c.y + fm.ascent(), fm,
                         Qt::black, Qt::white);
  }
}

TEST(ColorButton, UnderlineClearsStemsAndDescenders) {
  // "i" and "y" are where a line at the baseline would read as "j" or
  // strike the tail.
  const struct {
    const char* caption;
    const char* before;
    const char* letter;
  } cases[] = {{"Pr&int", "Pr", "i"}, {"Cop&y", "Cop", "y"}, {"&Sto", "", "S"}};
  for (int size : {11, 13, 16, 26}) {
    QFont f("Liberation Sans");
    f.setPixelSize(size);
    const QFontMetrics fm(f);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.caption) + " at " + std::to_string(size));
      TColorButton b(c.caption);
      b.resize(120, 60);
      b.setFont(f);
      b.setColor(Qt::white);
      b.setFontColor(Qt::black);
      b.setAlignment(alTopLeft);
      const QImage img = render(b);
      const int x = 4 + fm.horizontalAdvance(c.before);
      const int to = 4 + fm.horizontalAdvance(QString(c.before) + c.letter);
      const int row = expectClearUnderline(img, x, to, 4 + fm.ascent(), fm, Qt::black, Qt::white);
      EXPECT_LT(row, 60);
    }
  }
}

TEST(ColorButton, UnderlineOnlyWithShowKey) {
  QFont f("Liberation Sans");
  f.setPixelSize(12);
  const QFontMetrics fm(f);
  const int tw = fm.horizontalAdvance("Sto"), th = fm.height();
  const int x = (75 - 8 - tw) / 2 + 4, baseline = (25 - 8 - th) / 2 + 4 + fm.ascent();
  const int sw = fm.horizontalAdvance("S");
  for (bool showKey : {true, false}) {
    TColorButton b("&Sto");
    b.setFont(f);
    b.setColor(Qt::white);
    b.setFontColor(Qt::black);
    b.setButtonStyle(showKey ? TButtonStyles{bsCenter, bsShowKey} : TButtonStyles{bsCenter});
    const QImage img = render(b);
    int lines = 0;
    for (int y = baseline; y < 25; ++y) lines += rowIs(img, x, x + sw, y, Qt::black);
    EXPECT_EQ(lines, showKey ? std::max(1, fm.lineWidth()) : 0) << showKey;
  }
}

TEST(ColorButton, PaintingNeverResizes) {
  QPixmap pic(30, 20);
  pic.fill(Qt::blue);
  Shown s;
  TColorButton& b = *s.button;
  b.setButtonStyle({bsAutoSize, bsCenter});
  b.setPicture(pic);
  EXPECT_EQ(b.size(), QSize(34, 24));
  // Set from outside, the size snaps back to the picture's at once, not at
  // the next paint.
  b.resize(80, 40);
  EXPECT_EQ(b.size(), QSize(34, 24));
  QSize seen;
  b.installEventFilter(new ResizeWatch(&b, &seen));
  b.repaint();
  render(b);
  EXPECT_FALSE(seen.isValid());
  EXPECT_EQ(b.size(), QSize(34, 24));
}

TEST(ColorButton, ClickOnReleaseOverTheButtonOnly) {
  struct Case {
    const char* name;
    QPoint press, release;
    bool pressFirst;
    int clicks;
  };
  const Case cases[] = {
      {"inside", {5, 5}, {6, 6}, true, 1},
      {"released outside", {5, 5}, {80, 5}, true, 0},
      {"released below", {5, 5}, {5, 26}, true, 0},
      {"release without press", {5, 5}, {5, 5}, false, 0},
  };
  for (const Case& c : cases) {
    Shown s;
    QSignalSpy spy(s.button, &TColorButton::clicked);
    if (c.pressFirst) {
      QTest::mousePress(s.button, Qt::LeftButton, {}, c.press);
      EXPECT_EQ(s.button->buttonState(), 1) << c.name;
      EXPECT_EQ(spy.count(), 0) << c.name;  // nothing fires on the press
    }
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, c.release);
    EXPECT_EQ(spy.count(), c.clicks) << c.name;
    EXPECT_EQ(s.button->buttonState(), 0) << c.name;
  }
}

TEST(ColorButton, KeyboardInput) {
  Shown s;
  TColorButton& b = *s.button;
  QSignalSpy spy(&b, &TColorButton::clicked);
  QTest::keyPress(&b, Qt::Key_Space);
  EXPECT_EQ(b.buttonState(), 1);
  EXPECT_EQ(spy.count(), 0);
  QTest::keyRelease(&b, Qt::Key_Space);
  EXPECT_EQ(b.buttonState(), 0);
  EXPECT_EQ(spy.count(), 1);
  // Return and Enter click on their press, once however long they are held;
  // a release clicks nothing, also one whose press went elsewhere.
  QTest::keyPress(&b, Qt::Key_Return);
  EXPECT_EQ(spy.count(), 2);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
  QApplication::sendEvent(&b, &held);
  EXPECT_EQ(spy.count(), 2);
  QTest::keyRelease(&b, Qt::Key_Return);
  EXPECT_EQ(spy.count(), 2);
  QTest::keyClick(&b, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(spy.count(), 3);
  QTest::keyRelease(&b, Qt::Key_Space);  // pressed elsewhere
  EXPECT_EQ(spy.count(), 3);
  QTest::keyClick(&b, Qt::Key_A);
  EXPECT_EQ(spy.count(), 3);
}

TEST(ColorButton, DisabledIgnoresMouseAndSpace) {
  Shown s;
  TColorButton& b = *s.button;
  b.setEnabled(false);
  EXPECT_EQ(b.buttonState(), 2);
  QSignalSpy spy(&b, &TColorButton::clicked);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(b.buttonState(), 2);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::keyClick(&b, Qt::Key_Space);
  QTest::keyClick(&b, Qt::Key_Return);
  EXPECT_EQ(spy.count(), 0);
  EXPECT_EQ(b.buttonState(), 2);
  b.setEnabled(true);
  EXPECT_EQ(b.buttonState(), 0);
}

TEST(ColorButton, AltLetterClicks) {
  QWidget window;
  auto* sto = new TColorButton("&Sto", &window);
  auto* rec = new TColorButton("&Rec", &window);
  rec->move(0, 30);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  rec->setFocus();
  QSignalSpy stoSpy(sto, &TColorButton::clicked);
  QSignalSpy recSpy(rec, &TColorButton::clicked);
  QTest::keyClick(rec, Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return stoSpy.count() == 1; }));  // as a push button clicks
  EXPECT_EQ(recSpy.count(), 0);
  sto->setEnabled(false);
  rec->setFocus();
  QTest::keyClick(rec, Qt::Key_S, Qt::AltModifier);
  QTest::qWait(300);
  EXPECT_EQ(stoSpy.count(), 1);
}
