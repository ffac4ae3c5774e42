// What the currency window does that a scenario cannot see: the direction
// group hidden while one message shows, a repaint or a new showing that
// leaves the user's choice alone, a Save that cannot write, and factors
// under the C and a decimal-comma locale.
#include "finance/currency_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "calc/ini_file.h"
#include "calc/settings.h"
#include "controls/dialogs.h"
#include "controls/numeric_edit.h"
#include "lock_holder.h"

using namespace tivorum;

namespace {

// Answers every box at once and notes what it showed and whether the
// direction group was visible meanwhile.
class CurrencyDialogs : public Dialogs {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    bool groupVisible;
  };

  void message(QWidget*, const QString& caption, const QString& text, BoxIcon) override {
    shown.push_back({caption.toStdString(), text.toStdString(), group && group->isVisible()});
  }
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }

  QWidget* group = nullptr;
  std::vector<Shown> shown;
};

class CurrencyFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setDialogs(&dialogs_);
    const std::filesystem::path folder = folder_.path().toStdString();
    calculator_ = std::make_unique<Tcalculator1>(AppPaths{folder, folder});
  }
  void TearDown() override {
    form_.reset();
    setDialogs(nullptr);
  }

  TCurrencyForm& open() {
    form_ = std::make_unique<TCurrencyForm>(calculator_->moduleHost());
    dialogs_.group = form_->CurrencyGroup.box;
    form_->show();
    QApplication::setActiveWindow(form_.get());
    return *form_;
  }

  void pick(int index) {
    form_->CurFromDropDown->setCurrentIndex(index);
    emit form_->CurFromDropDown->activated(index);
  }

  QTemporaryDir folder_;
  CurrencyDialogs dialogs_;
  std::unique_ptr<Tcalculator1> calculator_;
  std::unique_ptr<TCurrencyForm> form_;
};

// QLocale's default, which the main window's first showing reads, for one
// test.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(before_); }

 private:
  QLocale before_;
};

}  // namespace

TEST_F(CurrencyFormTest, ForeignAmountMessageHidesTheDirectionGroupMeanwhile) {
  TCurrencyForm& form = open();
  form.SolveButton->click();
  form.CurrencyGroup.items[1]->click();
  form.SolveButton->click();
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[0].caption, "ERROR!");
  EXPECT_NE(dialogs_.shown[0].text.find("[foreign currency]"), std::string::npos);
  EXPECT_FALSE(dialogs_.shown[0].groupVisible);
  EXPECT_NE(dialogs_.shown[1].text.find("United States $"), std::string::npos);
  EXPECT_TRUE(dialogs_.shown[1].groupVisible);
  EXPECT_TRUE(form.CurrencyGroup.box->isVisible());
}

TEST_F(CurrencyFormTest, RepaintKeepsTheChosenCurrencyAndTypedFactor) {
  TCurrencyForm& form = open();
  pick(5);
  form.CurFactor->setFocus(Qt::MouseFocusReason);
  form.CurFactor->pasteText("2.75");
  form.repaint();
  form.hide();
  form.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.CurFromDropDown->currentIndex(), 5);
  EXPECT_EQ(form.CurFactor->valueText(), "2.75");
}

TEST_F(CurrencyFormTest, FactorsAreTypedAndShownWithTheLocalePointAndSavedWithAFullStop) {
  struct Case {
    QLocale locale;
    const char* shown;  // the saved factor when the window opens again
    const char* to;     // 100 converted
    const char* refused;
  };
  const Case cases[] = {
      {QLocale::c(), "1.25000", "125.00", "1,25"},
      {QLocale(QLocale::German, QLocale::Germany), "1,25000", "125,00", "1.25"},
  };
  const std::filesystem::path folder = folder_.path().toStdString();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const DefaultLocale locale(c.locale);
    for (const char* typed : {"1,25", "1.25"}) {
      form_.reset();
      calculator_ = std::make_unique<Tcalculator1>(AppPaths{folder, folder});
      startMainWindow(*calculator_);
      TCurrencyForm& form = open();
      form.CurFactor->setFocus();
      form.CurFactor->selectAll();
      QTest::keyClicks(form.CurFactor, typed);
      form.SaveButton->click();
      EXPECT_EQ(IniFile(folder / "CUSTOM.INI").readString("Currency Factors", kCurrencyKeys[0], ""),
                "1.25");
      form.CurFromEnter->pasteText("100");
      form.SolveButton->click();
      EXPECT_EQ(form.CurToEnter->text(), QString(c.to));
      EXPECT_EQ(form.CurFactor->text(), QString(c.shown));
    }
    // The next start reads the file and shows the factor with the locale's point.
    form_.reset();
    calculator_ = std::make_unique<Tcalculator1>(AppPaths{folder, folder});
    startMainWindow(*calculator_);
    TCurrencyForm& form = open();
    EXPECT_EQ(form.CurFactor->text(), QString(c.shown));
    // The other point is no point here, and the box names the text as typed.
    form.CurFactor->setFocus();
    form.CurFactor->pasteText(c.refused);
    dialogs_.shown.clear();
    form.SaveButton->click();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text,
              "'" + std::string(c.refused) + "' is not a valid floating point value.");
  }
}

TEST_F(CurrencyFormTest, SaveThatCannotWriteIsReported) {
  // The settings folder is a file: nothing can be written into it.
  const QString blocker = folder_.filePath("not-a-folder");
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  calculator_ =
      std::make_unique<Tcalculator1>(AppPaths{blocker.toStdString(), blocker.toStdString()});
  TCurrencyForm& form = open();
  form.SaveButton->click();
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_NE(dialogs_.shown[0].text.find("Cannot"), std::string::npos) << dialogs_.shown[0].text;
}

TEST_F(CurrencyFormTest, SaveWaitsForAnotherCopysLockAndLosesNothing) {
  TCurrencyForm& form = open();
  pick(3);
  form.CurFactor->setText("0.25");
  test::LockHolder other(folder_.path(), "2.5");
  ASSERT_TRUE(other.held());
  form.SaveButton->click();
  ASSERT_TRUE(other.done());
  const IniFile ini(std::filesystem::path(folder_.filePath("CUSTOM.INI").toStdString()));
  EXPECT_EQ(ini.readString("Currency Factors", "French Franc", ""), "0.25");
  EXPECT_EQ(ini.readString("Other Copy", "kept", ""), "1");
  EXPECT_TRUE(dialogs_.shown.empty());
}
