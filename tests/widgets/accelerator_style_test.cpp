#include "controls/accelerator_style.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <string>

using namespace tivorum;

namespace {

struct Drawn {
  QImage image;
  int left = 0, baseline = 0;
};

// Draws `text` at the top left of a white picture as a standard button's
// caption is drawn, through the style's item text.
Drawn drawCaption(const QString& text, const QFont& font, int flags) {
  AcceleratorStyle style;
  Drawn d;
  d.image = QImage(160, 80, QImage::Format_RGB32);
  d.image.fill(Qt::white);
  QPainter p(&d.image);
  p.setFont(font);
  QPalette palette;
  palette.setColor(QPalette::ButtonText, Qt::black);
  const QRect rect(10, 10, 140, 60);
  style.drawItemText(&p, rect, Qt::AlignLeft | Qt::AlignTop | flags, palette, true, text,
                     QPalette::ButtonText);
  d.left = rect.left();
  d.baseline = rect.top() + QFontMetrics(font).ascent();
  return d;
}

bool rowIs(const QImage& img, int x0, int x1, int y, QRgb c) {
  for (int x = x0; x < x1; ++x)
    if (img.pixel(x, y) != c) return false;
  return true;
}

}  // namespace

TEST(AcceleratorStyle, UnderlineOfStandardCaptionsClearsTheLetters) {
  const struct {
    const char* caption;
    const char* before;
    const char* letter;
  } cases[] = {{"Pr&int", "Pr", "i"}, {"Cop&y", "Cop", "y"}, {"&Solve", "", "S"}};
  for (int size : {12, 13, 18, 26}) {
    QFont f("Liberation Sans");
    f.setPixelSize(size);
    const QFontMetrics fm(f);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.caption) + " at " + std::to_string(size));
      const Drawn d = drawCaption(c.caption, f, Qt::TextShowMnemonic);
      const int x0 = d.left + fm.horizontalAdvance(c.before);
      const int x1 = d.left + fm.horizontalAdvance(QString(c.before) + c.letter);
      int row = -1;
      for (int y = d.baseline; y < d.image.height() && row < 0; ++y)
        if (rowIs(d.image, x0, x1, y, qRgb(0, 0, 0))) row = y;
      ASSERT_GE(row, 0) << "no underline";
      // As high as the font's underline place allows with a blank row
      // between it and the letter.
      int expected = d.baseline + std::max(1, fm.underlinePos());
      while (!rowIs(d.image, x0, x1, expected - 1, qRgb(255, 255, 255))) ++expected;
      EXPECT_EQ(row, expected);
      EXPECT_NE(d.image.pixel(x0 - 1, row), qRgb(0, 0, 0));
      EXPECT_NE(d.image.pixel(x1, row), qRgb(0, 0, 0));
    }
  }
}

TEST(AcceleratorStyle, CaptionWithoutMarkOrHiddenMarkHasNoLine) {
  QFont f("Liberation Sans");
  f.setPixelSize(13);
  const QFontMetrics fm(f);
  const struct {
    const char* caption;
    int flags;
  } cases[] = {{"Print", Qt::TextShowMnemonic}, {"Pr&int", Qt::TextHideMnemonic}};
  for (const auto& c : cases) {
    const Drawn d = drawCaption(c.caption, f, c.flags);
    const int x0 = d.left + fm.horizontalAdvance("Pr");
    const int x1 = x0 + fm.horizontalAdvance("i");
    for (int y = d.baseline; y < d.image.height(); ++y)
      EXPECT_FALSE(rowIs(d.image, x0, x1, y, qRgb(0, 0, 0))) << c.caption << " row " << y;
    // The "&" itself is never shown.
    const Drawn plain = drawCaption("Print", f, 0);
    EXPECT_EQ(d.image, plain.image) << c.caption;
  }
}
