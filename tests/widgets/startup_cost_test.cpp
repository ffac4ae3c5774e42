// What start-up leaves for later must still be there when it is needed: the
// help window's check-mark picture once the window shows, and the program
// picture read without the image plugins' help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "app/about_form.h"
#include "app/help_form.h"

TEST(StartupCost, HelpWindowGetsItsCheckMarkWhenShown) {
  THelpForm form;
  form.show();
  QApplication::processEvents();
  EXPECT_FALSE(form.HelpOK->icon().isNull());
  EXPECT_EQ(form.HelpOK->text(), "OK");
}

TEST(StartupCost, ProgramPictureIsReadOnceAndWhole) {
  const QPixmap first = tivorum::programPicture();
  const QPixmap second = tivorum::programPicture();
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.size(), QSize(128, 128));
  EXPECT_EQ(first.toImage(), second.toImage());
  // Not a blank square: the picture has both opaque and clear pixels.
  const QImage image = first.toImage();
  EXPECT_LT(qAlpha(image.pixel(0, 0)), 255);
  bool opaque = false;
  for (int y = 0; y < image.height() && !opaque; ++y)
    for (int x = 0; x < image.width() && !opaque; ++x) opaque = qAlpha(image.pixel(x, y)) == 255;
  EXPECT_TRUE(opaque);
}
