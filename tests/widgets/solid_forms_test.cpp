#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "geometry/surface_form.h"
#include "geometry/surface_pictures.h"
#include "geometry/surface_window.h"
#include "geometry/volume_form.h"
#include "geometry/volume_pictures.h"
#include "geometry/volume_window.h"

using namespace tivorum;
using tivorum::test::FakeHost;

namespace {

struct Window {
  const char* name;
  const char* caption;
  QSize client;
  std::function<std::unique_ptr<NotebookForm>(ModuleHost&)> make;
  std::vector<const char*> pictures;  // in page order
  const Notebook& (*notebook)();
};

const std::vector<Window>& windows() {
  static const std::vector<Window> kWindows = {
      {"TVolumeForm",
       "Volume Calculation",
       {499, 283},
       [](ModuleHost& host) { return std::make_unique<TVolumeForm>(host); },
       {"CircularRingImage", "ConeImage", "CubeImage", "CylinderImage", "EllipsoidImage",
        "ParaboloidImage", "PyramidImage", "PrismImage", "SphereImage", "SphericalSectorImage"},
       volumeNotebook},
      {"TSurfaceAreaForm",
       "Surface Area",
       {493, 267},
       [](ModuleHost& host) { return std::make_unique<TSurfaceAreaForm>(host); },
       {"CircRingSurfaceImage", "ConeSurfaceImage", "CubeSurfaceImage", "PrismSurfaceImage",
        "SphereSurfaceImage", "SphSegSurfaceImage"},
       surfaceNotebook},
  };
  return kWindows;
}

class SolidFormTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    form_ = window().make(host_);
    form_->show();
    // Every page gets laid out once it has been shown.
    for (int page = 0; page < form_->pageCount(); ++page) form_->tabs()->setCurrentIndex(page);
    form_->tabs()->setCurrentIndex(0);
  }

  const Window& window() const { return windows().at(static_cast<std::size_t>(GetParam())); }
  std::string pageName(int page) const {
    return std::string(window().name) + " " + form_->tabs()->tabText(page).toStdString();
  }

  FakeHost host_;
  std::unique_ptr<NotebookForm> form_;
};

TEST_P(SolidFormTest, CaptionAndFixedClientArea) {
  EXPECT_EQ(form_->objectName().toStdString(), window().name);
  EXPECT_EQ(form_->windowTitle().toStdString(), window().caption);
  EXPECT_EQ(form_->size(), window().client);
  EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
}

// Every control of a page lies inside the page and clear of the others.
TEST_P(SolidFormTest, ControlsInsideThePageAndApart) {
  for (int index = 0; index < form_->pageCount(); ++index) {
    QWidget* page = form_->page(index);
    std::vector<QWidget*> shown;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisibleTo(page)) shown.push_back(child);
    }
    ASSERT_GE(shown.size(), 8u) << pageName(index);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_TRUE(page->rect().contains(shown[i]->geometry()))
          << pageName(index) << ": " << shown[i]->objectName().toStdString() << " leaves the page";
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
            << pageName(index) << ": " << shown[i]->objectName().toStdString() << " and "
            << shown[j]->objectName().toStdString() << " overlap";
      }
    }
  }
}

// Each page shows its own solid's picture at the top left, at full size.
TEST_P(SolidFormTest, EveryPageShowsItsPicture) {
  ASSERT_EQ(static_cast<std::size_t>(form_->pageCount()), window().pictures.size());
  for (int index = 0; index < form_->pageCount(); ++index) {
    ShapePicture* picture = form_->picture(window().pictures[static_cast<std::size_t>(index)]);
    ASSERT_NE(picture, nullptr) << pageName(index);
    EXPECT_EQ(picture->parentWidget(), form_->page(index)) << pageName(index);
    EXPECT_TRUE(picture->isVisibleTo(form_->page(index))) << pageName(index);
    EXPECT_EQ(picture->size(), QSize(ShapePicture::kSize, ShapePicture::kSize)) << pageName(index);
    EXPECT_LT(picture->x(), form_->page(index)->width() / 4) << pageName(index);
  }
}

// Nothing the user must read is cut off: the labels hold their whole text and
// the explanation pane all of its lines.
// What the window shows comes from its description: tab captions, each
// field's label, and the Help key's topic.
TEST_P(SolidFormTest, ShowsItsDescription) {
  const Notebook& notebook = window().notebook();
  ASSERT_EQ(form_->pageCount(), static_cast<int>(notebook.pages.size()));
  for (int index = 0; index < form_->pageCount(); ++index) {
    const NotebookPage& described = notebook.pages[static_cast<std::size_t>(index)];
    EXPECT_EQ(form_->tabs()->tabText(index).toStdString(), described.caption);
    for (const NotebookField& field : described.fields) {
      const QString name = QString::fromUtf8(field.name.data(), field.name.size()) + "Label";
      auto* label = form_->page(index)->findChild<QLabel*>(name);
      ASSERT_NE(label, nullptr) << name.toStdString();
      EXPECT_EQ(label->text().toStdString(), field.label) << name.toStdString();
    }
  }
  form_->HelpBtnClick();
  EXPECT_EQ(host_.helpTopics, std::vector<std::string>{std::string(notebook.helpTopic)});
}

TEST_P(SolidFormTest, LabelsAndExplanationsFit) {
  for (int index = 0; index < form_->pageCount(); ++index) {
    QWidget* page = form_->page(index);
    for (QLabel* label : page->findChildren<QLabel*>()) {
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      EXPECT_LE(needed, label->contentsRect().width())
          << pageName(index) << ": " << label->text().toStdString();
      EXPECT_GE(label->contentsRect().height(), label->fontMetrics().height())
          << pageName(index) << ": " << label->text().toStdString();
    }
    QTextEdit* pane = form_->explanation(index);
    ASSERT_NE(pane, nullptr);
    pane->document()->setTextWidth(pane->viewport()->width());
    // The last line's bottom, not the empty margin below it, must show.
    const double textBottom =
        pane->document()->size().height() - pane->document()->documentMargin();
    EXPECT_LE(textBottom, pane->viewport()->height())
        << pageName(index) << ": " << pane->toPlainText().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(SolidNotebooks, SolidFormTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(windows().at(info.param).name);
                         });

QImage render(void (*draw)(QPainter&), double scale) {
  const int size = static_cast<int>(ShapePicture::kSize * scale);
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::red);  // shows through wherever the drawing leaves a hole
  QPainter painter(&image);
  painter.scale(scale, scale);
  draw(painter);
  return image;
}

// The solids are black on white (greys only where edges are smoothed), cover
// their whole box, carry lines and letters, and no two look alike.
TEST(SolidPictures, MonochromeFilledAndDistinct) {
  struct Drawing {
    const char* name;
    void (*draw)(QPainter&);
  };
  const Drawing drawings[] = {
      {"circular ring", drawCircularRing},
      {"cone (volume)", drawConeVolume},
      {"cube", drawCube},
      {"cylinder", drawCylinder},
      {"ellipsoid", drawEllipsoid},
      {"paraboloid", drawParaboloid},
      {"pyramid", drawPyramid},
      {"rectangular prism", drawRectPrism},
      {"sphere", drawSphere},
      {"spherical sector", drawSphericalSector},
      {"cone (surface)", drawConeSurface},
      {"spherical segment", drawSphericalSegment},
  };
  QSet<QByteArray> seen;
  for (const Drawing& drawing : drawings) {
    const QImage image = render(drawing.draw, 2.0);
    int colour = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++colour;
        if (qGray(p) < 96) ++dark;
      }
    }
    EXPECT_EQ(colour, 0) << drawing.name;
    EXPECT_GT(dark, 1500) << drawing.name;
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_FALSE(seen.contains(bits)) << drawing.name << " looks like another picture";
    seen.insert(bits);
  }
}

// Drawn as vectors: at twice the size the lines are as sharp, so the share of
// smoothed grey pixels along them does not grow.
TEST(SolidPictures, StaySharpWhenScaled) {
  const auto greyShare = [](const QImage& image) {
    int grey = 0, drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const int g = qGray(image.pixel(x, y));
        if (g < 250) ++drawn;
        if (g >= 64 && g < 192) ++grey;
      }
    }
    return drawn ? double(grey) / drawn : 1.0;
  };
  for (void (*draw)(QPainter&) : {drawEllipsoid, drawSphericalSegment, drawCircularRing}) {
    EXPECT_LE(greyShare(render(draw, 3.0)), greyShare(render(draw, 1.0)) + 0.02);
  }
}

}  // namespace
