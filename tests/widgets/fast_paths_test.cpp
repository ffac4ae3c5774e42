// The quick ways must give what the slow ones gave: the help window's
// check-mark picture once the window shows, the program picture read without
// the image plugins' help, and the tape's lines read in one pass.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/about_form.h"
#include "app/help_form.h"
#include "controls/tape_pane.h"

TEST(FastPaths, HelpWindowGetsItsCheckMarkWhenShown) {
  THelpForm form;
  form.show();
  QApplication::processEvents();
  EXPECT_FALSE(form.HelpOK->icon().isNull());
  EXPECT_EQ(form.HelpOK->text(), "OK");
}

TEST(FastPaths, ProgramPictureIsWhole) {
  const QPixmap picture = tivorum::programPicture();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(128, 128));
  // Not a blank square: the picture has both opaque and clear pixels.
  const QImage image = picture.toImage();
  EXPECT_LT(qAlpha(image.pixel(0, 0)), 255);
  bool opaque = false;
  for (int y = 0; y < image.height() && !opaque; ++y)
    for (int x = 0; x < image.width() && !opaque; ++x) opaque = qAlpha(image.pixel(x, y)) == 255;
  EXPECT_TRUE(opaque);
}

TEST(FastPaths, TapeLinesKeepEveryCharacterOfEveryLine) {
  const std::vector<std::string> lines = {"12",
                                          "",
                                          "\xc3\xb7 x\xc2\xb2",  // UTF-8 stays UTF-8
                                          "a\xc2\xa0"
                                          "b",  // a no-break space is not turned into a blank
                                          "tab\there",
                                          "  = 15.5",
                                          ""};
  tivorum::TapePane pane;
  for (const std::string& line : lines) pane.append(line);
  EXPECT_EQ(pane.lines(), lines);
  pane.removeLast();
  EXPECT_EQ(pane.lines(), std::vector<std::string>(lines.begin(), lines.end() - 1));
}
