#include "geometry/area_form.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/calculator_form.h"
#include "geometry/area.h"
#include "geometry/area_pictures.h"

using namespace tivorum;

namespace {

class AreaFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path folder = folder_.path().toStdString();
    calculator_ = std::make_unique<Tcalculator1>(AppPaths{folder, folder});
    form_ = std::make_unique<TAreaForm>(calculator_->moduleHost());
    form_->show();
  }

  // The centre of the tab cell in `row` (0 at the top) and `column` of the
  // three rows of five.
  QPoint cell(int row, int column) const {
    QTabBar* bar = form_->tabs()->tabBar();
    const double rowHeight = (bar->height() - 4) / 3.0;
    return {static_cast<int>(bar->width() * (column + 0.5) / 5),
            static_cast<int>(2 + rowHeight * (row + 0.5))};
  }

  QTemporaryDir folder_;
  std::unique_ptr<Tcalculator1> calculator_;
  std::unique_ptr<TAreaForm> form_;
};

// A click on a tab chooses it, and its row turns round to sit next to the
// page: the rows above follow in their cyclic order.
TEST_F(AreaFormTest, ClickedTabsRowMovesNextToThePage) {
  struct Click {
    int row;
    int column;
    const char* page;
  };
  // Rows from the top before each click; the chosen tab's row is the lowest.
  const Click clicks[] = {
      {2, 0, "Circle"},     // Square.. / Quadrant.. / Circle..
      {0, 2, "Trapezium"},  // Square.. / Quadrant.. / Circle..
      {0, 0, "Quadrant"},   // Quadrant.. / Circle.. / Square..
      {0, 4, "Parabola"},   // Circle.. / Square.. / Quadrant..
      {1, 3, "Sector"},     // Square.. / Quadrant.. / Circle..
      {2, 1, "Rectangle"},  // Circle.. / Square.. / Quadrant..
      {1, 4, "Triangle"},   // Circle.. / Square.. / Quadrant..
  };
  QTabWidget* tabs = form_->tabs();
  for (const Click& click : clicks) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      cell(click.row, click.column));
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()).toStdString(), click.page)
        << "row " << click.row << " column " << click.column;
  }
}

TEST_F(AreaFormTest, PagesInTabOrder) {
  const char* captions[] = {"Circle",    "Circular Ring", "Ellipse",   "Parallelogram",
                            "Parabola",  "Quadrant",      "Rectangle", "Reg. Polygon",
                            "Sector",    "Segment",       "Square",    "Spandrel",
                            "Trapezium", "Trapezoid",     "Triangle"};
  ASSERT_EQ(form_->tabs()->count(), 15);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(form_->tabs()->tabText(i).toStdString(), captions[i]);
}

// Every control a page shows lies inside the page and clear of the others,
// in each mode of the triangle and the sector.
TEST_F(AreaFormTest, ShownControlsDoNotOverlap) {
  auto check = [&](const std::string& when) {
    for (int index = 0; index < form_->pageCount(); ++index) {
      QWidget* page = form_->page(index);
      std::vector<QWidget*> shown;
      for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(page)) shown.push_back(child);
      }
      const std::string name = form_->tabs()->tabText(index).toStdString() + when;
      for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(page->rect().contains(shown[i]->geometry()))
            << name << ": " << shown[i]->objectName().toStdString() << " leaves the page";
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
          EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
              << name << ": " << shown[i]->objectName().toStdString() << " and "
              << shown[j]->objectName().toStdString() << " overlap";
        }
      }
    }
  };
  for (int index = 0; index < form_->pageCount(); ++index) form_->tabs()->setCurrentIndex(index);
  check(" (first modes)");
  form_->TriangleTypeGroup->findChildren<QRadioButton*>().at(1)->click();
  form_->SectorGroup->findChildren<QRadioButton*>().at(1)->click();
  check(" (second modes)");
}

TEST_F(AreaFormTest, TrianglePictureFollowsTheMode) {
  QWidget* page = form_->page(kTrianglePage);
  ShapePicture* baseHeight = form_->picture("TriangleImage1");
  ShapePicture* allSides = form_->picture("TriangleImage2");
  ASSERT_TRUE(baseHeight && allSides);
  EXPECT_TRUE(baseHeight->isVisibleTo(page));
  EXPECT_FALSE(allSides->isVisibleTo(page));
  form_->TriangleTypeGroup->findChildren<QRadioButton*>().at(1)->click();
  EXPECT_FALSE(baseHeight->isVisibleTo(page));
  EXPECT_TRUE(allSides->isVisibleTo(page));
  EXPECT_EQ(baseHeight->geometry(), allSides->geometry());
  form_->TriangleTypeGroup->findChildren<QRadioButton*>().at(0)->click();
  EXPECT_TRUE(baseHeight->isVisibleTo(page));
  EXPECT_FALSE(allSides->isVisibleTo(page));
}

QImage render(const PagePicture& picture, double scale) {
  const int size = static_cast<int>(ShapePicture::kSize * scale);
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::red);  // shows through wherever the drawing leaves a hole
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(scale, scale);
  picture.draw(painter);
  return image;
}

// The pictures are black on white (greys only where edges are smoothed),
// cover their whole box, and each shows a drawing of its own.
TEST(AreaPictures, MonochromeFilledAndDistinct) {
  std::vector<PagePicture> pictures(areaPictures().begin(), areaPictures().end());
  pictures.push_back(areaTriangleAllSidesPicture());
  ASSERT_EQ(pictures.size(), 16u);
  QSet<QByteArray> seen;
  for (const PagePicture& picture : pictures) {
    const std::string name(picture.name);
    ASSERT_NE(picture.draw, nullptr) << name;
    const QImage image = render(picture, 2.0);
    int colour = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++colour;
        if (qGray(p) < 96) ++dark;
      }
    }
    EXPECT_EQ(colour, 0) << name;
    // Outline and letters: well over a few hundred dark pixels at twice the size.
    EXPECT_GT(dark, 1500) << name;
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_FALSE(seen.contains(bits)) << name << " looks like another picture";
    seen.insert(bits);
  }
}

TEST(AreaPictures, NamedAfterTheirPages) {
  const std::span<const PagePicture> pictures = areaPictures();
  ASSERT_EQ(pictures.size(), static_cast<std::size_t>(kAreaPageCount));
  EXPECT_EQ(pictures[kCirclePage].name, "CircleImage");
  EXPECT_EQ(pictures[kSpandrelPage].name, "SpandrelImage");
  EXPECT_EQ(pictures[kTrianglePage].name, "TriangleImage1");
  EXPECT_EQ(areaTriangleAllSidesPicture().name, "TriangleImage2");
}

}  // namespace
