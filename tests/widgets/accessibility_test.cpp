#include "controls/accessibility.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/about_form.h"
#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "app/help_form.h"
#include "app/module_windows.h"
#include "controls/color_button.h"
#include "controls/dialogs.h"
#include "quiet_dialogs.h"

using namespace tivorum;
using tivorum::testing::QuietDialogs;

namespace {

struct AccessibleStart {
  AccessibleStart() {
    installAccessibility();
    setDialogs(&dialogs);
    const std::filesystem::path where(folder.path().toStdString());
    window = std::make_unique<Tcalculator1>(AppPaths{where, where});
    startMainWindow(*window);
  }
  ~AccessibleStart() {
    window.reset();
    setDialogs(nullptr);
  }
  QTemporaryDir folder;
  QuietDialogs dialogs;
  std::unique_ptr<Tcalculator1> window;
};

// Roles a screen reader announces as controls; containers without a name
// (layout panes) are walked through, not announced.
bool isLayoutPane(const AccessibleFacts& f) {
  return f.role == "group" && f.name.isEmpty();
}

// Every node under `iface` that a screen reader would reach, with what it
// is told; `path` names where it was found.
struct Node {
  QString path;
  AccessibleFacts facts;
  QAccessible::State state;
  QObject* object;
};

void walk(QAccessibleInterface* iface, const QString& path, std::vector<Node>& nodes,
          int depth = 0) {
  ASSERT_LT(depth, 30) << path.toStdString();
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* child = iface->child(i);
    ASSERT_NE(child, nullptr) << path.toStdString() << " child " << i;
    QObject* object = child->object();
    const QString here =
        path + "/" +
        (object && object != iface->object() ? object->objectName() : QString::number(i));
    const AccessibleFacts facts = accessibleFacts(child);
    // Qt's tab bar lists its scroll arrows also while every tab fits; they
    // reach a screen reader as not showing, as Qt's own parts.
    if (child->state().invisible && iface->role() == QAccessible::PageTabList &&
        object->parent() == iface->object())
      continue;
    nodes.push_back({here, facts, child->state(), object});
    // A field is one stop for a screen reader; its inner parts are Qt's.
    const bool field = facts.role == "edit" || facts.role == "text" || facts.role == "combo" ||
                       facts.role == "spin";
    if (!field) walk(child, here, nodes, depth + 1);
  }
}

std::vector<Node> walkWindow(QWidget* window) {
  std::vector<Node> nodes;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
  EXPECT_NE(iface, nullptr);
  if (!iface) return nodes;
  nodes.push_back({window->objectName(), accessibleFacts(iface), iface->state(), window});
  walk(iface, window->objectName(), nodes);
  return nodes;
}

// A name a listener understands: words or digits, no accelerator mark and
// no line break.
QString nameFault(const QString& name) {
  static const QRegularExpression kWordOrDigit(QStringLiteral("[A-Za-z0-9]"));
  if (name.isEmpty()) return "unnamed";
  if (!name.contains(kWordOrDigit)) return "symbol-only name \"" + name + "\"";
  if (name.contains('&')) return "accelerator mark in \"" + name + "\"";
  if (name.contains('\n') || name.contains('\r')) return "line break in \"" + name + "\"";
  if (name != name.trimmed()) return "blanks around \"" + name + "\"";
  return {};
}

// Fails on every node that is announced without a known role or a name in
// words, and on anything shown to assistive technology that is not on screen.
void expectSpoken(const std::vector<Node>& nodes) {
  for (const Node& n : nodes) {
    if (n.state.invisible) {
      ADD_FAILURE() << n.path.toStdString() << ": not shown, yet in the tree";
      continue;
    }
    if (n.facts.role.isEmpty()) continue;  // parts of a control (scroll bars, lists)
    if (isLayoutPane(n.facts)) continue;
    const QString fault = nameFault(n.facts.name);
    if (!fault.isEmpty())
      ADD_FAILURE() << n.path.toStdString() << " (" << n.facts.role.toStdString()
                    << "): " << fault.toStdString();
  }
}

int countNamed(const std::vector<Node>& nodes, const QString& objectName) {
  int n = 0;
  for (const Node& node : nodes) {
    if (node.object && node.object->objectName() == objectName) ++n;
  }
  return n;
}

}  // namespace

TEST(Accessibility, EveryControlOfTheMainWindowHasARoleAndAName) {
  AccessibleStart s;
  const std::vector<Node> nodes = walkWindow(s.window.get());
  expectSpoken(nodes);
  int keys = 0;
  for (const Node& n : nodes) keys += qobject_cast<TColorButton*>(n.object) ? 1 : 0;
  EXPECT_EQ(keys, static_cast<int>(s.window->findChildren<TColorButton*>().size()));
}

TEST(Accessibility, EveryControlOfEveryModuleWindowAndPageHasARoleAndAName) {
  AccessibleStart s;
  const Module modules[] = {
      Module::Currency, Module::Loan,       Module::Dividend, Module::Financial, Module::Profit,
      Module::Interest, Module::Investment, Module::Area,     Module::Volume,    Module::Surface};
  for (Module m : modules) {
    std::unique_ptr<QDialog> window(createModuleWindow(m, s.window->moduleHost()));
    ASSERT_NE(window, nullptr);
    window->show();
    SCOPED_TRACE(window->objectName().toStdString());
    auto* notebook = window->findChild<QTabWidget*>();
    const int pages = notebook ? notebook->count() : 1;
    for (int page = 0; page < pages; ++page) {
      if (notebook) notebook->setCurrentIndex(page);
      SCOPED_TRACE(page);
      const std::vector<Node> nodes = walkWindow(window.get());
      expectSpoken(nodes);
      EXPECT_GT(nodes.size(), 5u);
    }
    window->hide();
  }
}

TEST(Accessibility, HelpWindowAndAboutBoxHaveRolesAndNames) {
  AccessibleStart s;
  THelpForm help(s.window.get());
  help.setLines({"Loans", "A loan is repaid by equal payments."});
  help.show();
  expectSpoken(walkWindow(&help));
  TAboutCal about(s.window.get());
  about.show();
  expectSpoken(walkWindow(&about));
}

TEST(Accessibility, WhatIsNotShownIsLeftOutOfTheTree) {
  AccessibleStart s;
  Tcalculator1& w = *s.window;
  std::vector<Node> nodes = walkWindow(&w);
  EXPECT_EQ(countNamed(nodes, "TempMemo"), 0);
  // The two Help keys lie on each other: only the one in front is there.
  EXPECT_EQ(countNamed(nodes, "SpeedButton2"), 1);
  EXPECT_EQ(countNamed(nodes, "SpeedButton1"), 0);
  EXPECT_EQ(countNamed(nodes, "Tape"), 1);

  // Help mode takes the front Help key away; the one behind shows.
  w.findChild<QAbstractButton*>("SpeedButton2")->click();
  ASSERT_TRUE(w.inHelpMode());
  nodes = walkWindow(&w);
  EXPECT_EQ(countNamed(nodes, "SpeedButton2"), 0);
  EXPECT_EQ(countNamed(nodes, "SpeedButton1"), 1);
  w.findChild<QAbstractButton*>("SpeedButton1")->click();

  // With the tape put away the window ends before the tape.
  w.findChild<TColorButton*>("TapeBut")->click();
  ASSERT_FALSE(w.tapeShown());
  nodes = walkWindow(&w);
  EXPECT_EQ(countNamed(nodes, "Tape"), 0);
  EXPECT_EQ(countNamed(nodes, "ButtonCopy"), 0);
}

TEST(Accessibility, SpokenCaptions) {
  const struct {
    const char* caption;
    const char* spoken;
  } cases[] = {
      {"X", "multiply"},
      {"-", "minus"},
      {"+", "plus"},
      {"\u00f7", "divide"},
      {".", "point"},
      {"+/-", "change sign"},
      {"=", "equals"},
      {"&%", "percent"},
      {"&|x|", "absolute value"},
      {"1&/x", "reciprocal"},
      {"&x\u00b2", "x squared"},
      {"x&^y", "x to the power y"},
      {"n&!", "factorial"},
      {"Pr&int", "Print"},
      {"Principal ($):", "Principal ($)"},
      {"Rate (APR) (%) :", "Rate (APR) (%)"},
      {"Area (A) =", "Area (A)"},
      {"Select the\namount", "Select the amount"},
      {"Down \r\n Payment", "Down Payment"},
      {" Financial ", "Financial"},
      {"E&-", "E-"},
      {"Sin", "Sin"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(spokenCaption(QString::fromUtf8(c.caption)).toStdString(), c.spoken) << c.caption;
  }
}

TEST(Accessibility, AKeyIsNamedByItsCaptionAsItChanges) {
  AccessibleStart s;
  TColorButton* key = s.window->findChild<TColorButton*>("ButDegRad");
  ASSERT_NE(key, nullptr);
  const QString before = accessibleFacts(key).name;
  key->click();
  const AccessibleFacts after = accessibleFacts(key);
  EXPECT_EQ(after.role, "button");
  EXPECT_EQ(after.name, key->text());
  EXPECT_NE(after.name, before);
}
