#include "controls/shrink_close.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <vector>

using namespace tivorum;

TEST(ShrinkHeights, SixStepsOfAFifth) {
  struct Case {
    int height;
    std::array<int, 6> steps;
  };
  const Case cases[] = {
      {452, {450, 360, 270, 180, 90, 0}},
      {425, {425, 340, 255, 170, 85, 0}},
      {4, {0, 0, 0, 0, 0, 0}},
      {9, {5, 4, 3, 2, 1, 0}},
      {0, {0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(shrinkHeights(c.height), c.steps) << c.height;
}

namespace {

// A fixed-size modal window that shrinks as it closes and notes every height.
class ShrinkingDialog : public QDialog {
 public:
  ShrinkingDialog() { setFixedSize(281, 452); }
  std::vector<int> heights;
  int closeEvents = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closeEvents;
    shrinkClose(this, 0);
    QDialog::closeEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    if (isVisible()) heights.push_back(height());
    QDialog::resizeEvent(event);
  }
};

}  // namespace

TEST(ShrinkClose, ModalWindowShrinksAndCloses) {
  ShrinkingDialog dialog;
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
  dialog.exec();  // returns only if the window really closed
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.closeEvents, 1);
  // Each step reached the window (the last, 0, may be held at one pixel).
  ASSERT_GE(dialog.heights.size(), 5u);
  EXPECT_EQ(std::vector<int>(dialog.heights.begin(), dialog.heights.begin() + 5),
            (std::vector<int>{450, 360, 270, 180, 90}));
  EXPECT_LE(dialog.heights.back(), 90);
  // Its size and fixed-size bounds are back for a window that is reused.
  EXPECT_EQ(dialog.size(), QSize(281, 452));
  EXPECT_EQ(dialog.minimumSize(), QSize(281, 452));
  EXPECT_EQ(dialog.maximumSize(), QSize(281, 452));
}

TEST(ShrinkClose, HiddenWindowIsLeftAlone) {
  ShrinkingDialog dialog;
  shrinkClose(&dialog, 0);
  EXPECT_TRUE(dialog.heights.empty());
  EXPECT_EQ(dialog.size(), QSize(281, 452));
  shrinkClose(nullptr, 0);  // nothing to do, no crash
}
