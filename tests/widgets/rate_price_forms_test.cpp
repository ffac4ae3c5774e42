// The interest, dividend, currency and pricing windows as windows: their
// frame, that every caption fits and no control covers another, and the
// shrinking close from their Close buttons.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/calculator_form.h"
#include "controls/numeric_edit.h"
#include "finance/currency_form.h"
#include "finance/dividend_form.h"
#include "finance/interest_form.h"
#include "finance/profit_form.h"

using namespace tivorum;

namespace {

struct WindowCase {
  const char* name;
  std::function<QDialog*(ModuleHost&)> create;
  const char* caption;
  QSize client;
  bool staysOnTop;
  bool minimiseBox;
  const char* closeButton;
};

const WindowCase kWindows[] = {
    {"TInterestForm",
     [](ModuleHost& o) { return new TInterestForm(o); },
     "Interest",
     {277, 222},
     false,
     true,
     "CloseInterestButton"},
    {"TDividendForm",
     [](ModuleHost& o) { return new TDividendForm(o); },
     "Dividend Calculator",
     {295, 175},
     true,
     false,
     "DivExitButton"},
    {"TCurrencyForm",
     [](ModuleHost& o) { return new TCurrencyForm(o); },
     "Currency Conversion",
     {429, 205},
     false,
     true,
     "CloseButton"},
    {"TPricingForm",
     [](ModuleHost& o) { return new TPricingForm(o); },
     "Pricing and Profit",
     {303, 184},
     false,
     true,
     "CloseButton"},
};

class RatePriceFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // As the program does: the metric twin of Arial, so captions measure the same.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    const std::filesystem::path folder = folder_.path().toStdString();
    calculator_ = std::make_unique<Tcalculator1>(AppPaths{folder, folder});
  }

  QTemporaryDir folder_;
  std::unique_ptr<Tcalculator1> calculator_;
};

// A control's place in the window's coordinates.
QRect placeInWindow(QWidget* w) {
  return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Heights a window takes while it is visible.
class HeightRecorder : public QObject {
 public:
  std::vector<int> heights;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* w = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Resize && w->isVisible()) heights.push_back(w->height());
    return false;
  }
};

}  // namespace

TEST_F(RatePriceFormsTest, FixedSilverFrameWithBoldArial) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QDialog> form(c.create(calculator_->moduleHost()));
    EXPECT_EQ(form->objectName().toStdString(), c.name);
    EXPECT_EQ(form->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(form->size(), c.client);
    EXPECT_EQ(form->minimumSize(), c.client);
    EXPECT_EQ(form->maximumSize(), c.client);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(form->font().pixelSize(), 13);
    EXPECT_TRUE(form->font().bold());
    EXPECT_EQ(form->font().family().toStdString(), "Arial");
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowStaysOnTopHint), c.staysOnTop);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimiseBox);
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  }
}

// Every caption is shown whole, every control lies inside the window (radio
// items inside their group), and no two controls cover each other.
TEST_F(RatePriceFormsTest, ControlsFitAndDoNotOverlap) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QDialog> form(c.create(calculator_->moduleHost()));
    form->show();
    std::vector<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>()) {
      if (w->isWindow() || !w->isVisible() || qobject_cast<QGroupBox*>(w)) continue;
      // Parts of a control (a drop-down's inner widgets) are not controls.
      QWidget* parent = w->parentWidget();
      if (parent != form.get() && !qobject_cast<QGroupBox*>(parent)) continue;
      controls.push_back(w);
    }
    ASSERT_GE(controls.size(), 8u);
    const QRect window = form->rect();
    for (QWidget* w : controls) {
      SCOPED_TRACE(w->objectName().isEmpty() ? w->accessibleName().toStdString()
                                             : w->objectName().toStdString());
      const QRect place = placeInWindow(w);
      EXPECT_TRUE(window.contains(place)) << place.x() << "," << place.y();
      if (auto* group = qobject_cast<QGroupBox*>(w->parentWidget())) {
        EXPECT_TRUE(group->rect().contains(w->geometry()));
      }
      if (qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) ||
          qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w)) {
        EXPECT_LE(w->sizeHint().width(), w->width());
        EXPECT_LE(w->sizeHint().height(), w->height() + 4);
      }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        EXPECT_FALSE(placeInWindow(controls[i]).intersects(placeInWindow(controls[j])))
            << controls[i]->objectName().toStdString() << " / "
            << controls[j]->objectName().toStdString()
            << controls[i]->accessibleName().toStdString();
      }
    }
  }
}

// Each radio item labels the field on its row: the two share a middle line.
TEST_F(RatePriceFormsTest, RadioItemsLabelTheFieldBesideThem) {
  struct Row {
    const char* window;
    int item;
    const char* field;
  };
  const Row rows[] = {
      {"TInterestForm", 0, "NominalRateEnter"}, {"TInterestForm", 1, "ActualRateEnter"},
      {"TDividendForm", 0, "DivEnter"},         {"TDividendForm", 1, "PriceEnter"},
      {"TDividendForm", 2, "YieldEnter"},       {"TCurrencyForm", 0, "CurFromEnter"},
      {"TCurrencyForm", 1, "CurToEnter"},       {"TPricingForm", 0, "CostEnter"},
      {"TPricingForm", 1, "SellEnter"},         {"TPricingForm", 2, "ProfitEnter"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.window) + " " + row.field);
    const WindowCase* c = nullptr;
    for (const WindowCase& w : kWindows) {
      if (std::string(w.name) == row.window) c = &w;
    }
    ASSERT_NE(c, nullptr);
    std::unique_ptr<QDialog> form(c->create(calculator_->moduleHost()));
    const auto items = form->findChildren<QRadioButton*>();
    ASSERT_GT(items.size(), row.item);
    auto* field = form->findChild<NumericEdit*>(row.field);
    ASSERT_NE(field, nullptr);
    const QRect item = placeInWindow(items[row.item]);
    const QRect edit = placeInWindow(field);
    EXPECT_NEAR(item.center().y(), edit.center().y(), 2);
    EXPECT_LT(item.right(), edit.left());
  }
}

TEST_F(RatePriceFormsTest, CloseButtonShrinksTheWindowInSixSteps) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QDialog> form(c.create(calculator_->moduleHost()));
    HeightRecorder recorder;
    form->installEventFilter(&recorder);
    auto* close = form->findChild<QPushButton*>(c.closeButton);
    ASSERT_NE(close, nullptr);
    QTimer::singleShot(0, close, &QPushButton::click);
    form->exec();  // returns only once the window has really closed
    EXPECT_FALSE(form->isVisible());
    // 5h, 4h, 3h, 2h and h, each a resize unless it is the height already
    // (the last step, 0, may be held at one pixel).
    const int h = c.client.height() / 5;
    std::vector<int> expected;
    for (int step : {5 * h, 4 * h, 3 * h, 2 * h, h}) {
      if (step != c.client.height()) expected.push_back(step);
    }
    ASSERT_GT(recorder.heights.size(), expected.size());
    EXPECT_EQ(std::vector<int>(recorder.heights.begin(),
                               recorder.heights.begin() + static_cast<long>(expected.size())),
              expected);
    // Back to its size once hidden.
    EXPECT_EQ(form->size(), c.client);
  }
}
