#include "controls/look.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPainter>

using namespace tivorum;

namespace {

bool nearlyBlack(QRgb c) {
  return qAlpha(c) > 200 && qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The keys' picture is 14 pixels, the windows' Help buttons' 16.
TEST(HelpPicture, AQuestionMarkOnAYellowDiscOfTheSizeAsked) {
  for (int side : {14, 16}) {
    SCOPED_TRACE(side);
    const QPixmap picture = helpPicture(side);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(side, side));
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const int last = image.width() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    // Left of the mark the disc is yellow; its rim and the mark are black.
    EXPECT_EQ(image.pixelColor(3, image.height() / 2), kYellow);
    EXPECT_TRUE(nearlyBlack(image.pixel(image.width() / 2, 0)));
    bool mark = false;
    for (int y = 3; y < image.height() - 3; ++y)
      mark = mark || nearlyBlack(image.pixel(last / 2, y));
    EXPECT_TRUE(mark);
  }
}

// Where the edges meet at top right and bottom left, the second colour is
// drawn last and shows.
TEST(Bevel, TopLeftInOneColourBottomRightInTheOther) {
  QImage image(6, 5, QImage::Format_RGB32);
  image.fill(kSilver);
  {
    QPainter p(&image);
    paintBevel(p, QRect(0, 0, 5, 4), kWhite, kDarkGrey);
  }
  struct Case {
    int x, y;
    QColor colour;
  };
  const Case cases[] = {
      {0, 0, kWhite},    {2, 0, kWhite},    {0, 2, kWhite},    {4, 0, kDarkGrey}, {0, 3, kDarkGrey},
      {4, 3, kDarkGrey}, {2, 3, kDarkGrey}, {4, 2, kDarkGrey}, {2, 2, kSilver},   {5, 2, kSilver},
  };
  for (const Case& c : cases) EXPECT_EQ(image.pixelColor(c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST(ScreenColours, BlackWithTheTextColourInEveryStateAndNothingElse) {
  QLineEdit edit;
  const QColor window = edit.palette().color(QPalette::Active, QPalette::Window);
  setScreenColours(&edit, kYellow);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    EXPECT_EQ(edit.palette().color(group, QPalette::Base), kBlack) << group;
    EXPECT_EQ(edit.palette().color(group, QPalette::Text), kYellow) << group;
  }
  EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Window), window);
}

}  // namespace
