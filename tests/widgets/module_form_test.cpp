// What the financial windows' builder makes of a description: each kind of
// control where it says, with its parent, name, buddy and tab stop; the
// Close and Help buttons, which ask the window first; and the Solve of the
// windows whose group picks one of three fields.
#include "finance/module_form.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <array>
#include <string>

#include "controls/numeric_edit.h"
#include "fake_host.h"

using namespace tivorum;
using tivorum::test::FakeHost;

namespace {

constexpr std::array<std::string_view, 3> kItems{"First:", "Second:", "Third:"};
constexpr std::array<Spot, 3> kSpots{{{8, 10}, {8, 34}, {8, 58}}};
constexpr RadioGroupData kGroup{
    .name = "Group",
    .items = kItems,
    .initialIndex = 1,
    .hint = "Pick one.",
    .place = {4, 4, 260, 86},
    .itemSpots = kSpots,
};
constexpr LabelData kMarkLabel{
    .name = "MarkLabel",
    .caption = "second line",
    .place = {8, 28, 100, 18},
    .parent = kGroup.name,
    .start = LabelStart::BesideMark,
};
constexpr std::array<EntryFieldData, 3> kFields{{
    {.name = "One",
     .maxLength = 0,
     .hint = {},
     .accessibleName = kItems[0],
     .place = {150, 10, 100, 22},
     .parent = kGroup.name},
    {.name = "Two",
     .maxLength = 0,
     .hint = {},
     .accessibleName = kItems[1],
     .place = {150, 34, 100, 22},
     .parent = kGroup.name},
    {.name = "Three",
     .maxLength = 0,
     .hint = {},
     .accessibleName = kItems[2],
     .place = {150, 58, 100, 22},
     .parent = kGroup.name},
}};
constexpr FrameData kFrame{.name = "Frame", .caption = "Frame", .place = {4, 94, 260, 60}};
constexpr RadioData kRadio{
    .name = "Radio",
    .caption = "Alone ",
    .spot = {4, 20},
    .minHeight = 30,
    .accessibleName = "Alone amount",
    .parent = kFrame.name,
};
constexpr LabelData kAfterLabel{
    .name = "AfterLabel",
    .caption = "amount:",
    .place = {2, 20, 60, 24},
    .parent = kFrame.name,
    .buddy = "Amount",
    .start = LabelStart::AfterPrevious,
};
constexpr EntryFieldData kAmount{
    .name = kAfterLabel.buddy,
    .maxLength = 5,
    .initialText = "1.5",
    .hint = "Type it.",
    .accessibleName = "Amount ($):",
    .place = {150, 20, 100, 24},
    .parent = kFrame.name,
};
constexpr ButtonData kSolve{"Solve", kSolveCaption, "Solve it.", ButtonKind::Plain,
                            Place{4, 160, 80, 28}};
constexpr ButtonData kClose{"Close", kCloseCaption, kCloseHint, ButtonKind::Close,
                            Place{90, 160, 80, 28}};
constexpr ButtonData kHelp{"Help", kHelpCaption, kHelpHint, ButtonKind::Help,
                           Place{176, 160, 80, 28}};
constexpr auto kControls = std::to_array<ModuleControl>(
    {&kGroup, &kMarkLabel, &kFields[0], &kFields[1], &kFields[2], &kFrame, &kRadio, &kAfterLabel,
     &kAmount, &kSolve, &kClose, &kHelp});
constexpr auto kTabOrder =
    std::to_array<std::string_view>({kAmount.name, kFields[0].name, kHelp.name, kClose.name});
constexpr ModuleWindowData kWindow{
    .formName = "TTestForm",
    .caption = "Test",
    .clientWidth = 268,
    .clientHeight = 194,
    .helpTopic = "Testing",
    .controls = kControls,
    .tabOrder = kTabOrder,
    .fixedDialog = true,
};

// The window, with the Close and Help buttons allowed or not.
class TestForm : public PickOneForm {
 public:
  explicit TestForm(ModuleHost& host)
      : PickOneForm(host, kWindow, kGroup, {&kFields[0], &kFields[1], &kFields[2]}, kSolve,
                    record) {}

  bool mayLeave() override { return leave; }
  const RadioGroup& group() const { return radioGroup(kGroup.name); }

  static void record(const std::array<std::string, 3>& texts, int item, ModuleSolve& out, Tape&) {
    solved.push_back(texts[0] + "|" + texts[1] + "|" + texts[2] + "|" + std::to_string(item));
    out.writes.push_back({std::string(kFields[static_cast<std::size_t>(item)].name), "2.5"});
  }

  bool leave = true;
  static inline std::vector<std::string> solved;
};

template <class T>
T* find(const QWidget& form, std::string_view name) {
  T* found = form.findChild<T*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

}  // namespace

TEST(ModuleForm, MakesEachControlWhereItsDescriptionSays) {
  FakeHost host;
  host.point = ',';
  TestForm form(host);
  EXPECT_EQ(form.objectName(), QString("TTestForm"));
  EXPECT_EQ(form.size(), QSize(268, 194));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

  auto* amount = find<NumericEdit>(form, kAmount.name);
  EXPECT_EQ(amount->geometry(), QRect(150, 20, 100, 24));
  EXPECT_EQ(amount->parentWidget()->objectName(), QString("Frame"));
  EXPECT_EQ(amount->accessibleName(), QString("Amount ($)"));
  EXPECT_EQ(amount->maxChars(), 5);
  EXPECT_EQ(amount->text(), QString("1,5"));                         // the host's separator
  EXPECT_EQ(find<QLabel>(form, kAfterLabel.name)->buddy(), amount);  // made before it

  // The group's items at their spots, in order, the initial one checked.
  const RadioGroup& group = form.group();
  ASSERT_EQ(group.items.size(), 3u);
  EXPECT_EQ(group.box->geometry(), QRect(4, 4, 260, 86));
  EXPECT_EQ(group.items[2]->pos(), QPoint(8, 58));
  EXPECT_EQ(group.items[2]->text(), QString("Third:"));
  EXPECT_EQ(group.selected(), 1);

  // Beside the radio mark: moved right by it, the right edge kept.
  const QRect mark = find<QLabel>(form, kMarkLabel.name)->geometry();
  const int indent = form.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                     form.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  EXPECT_GT(indent, 0);
  EXPECT_EQ(mark, QRect(8 + indent, 28, 100 - indent, 18));
  // Right after the control before it, at least as high as asked.
  const QRect radio = find<QRadioButton>(form, kRadio.name)->geometry();
  EXPECT_EQ(radio.height(), 30);
  EXPECT_EQ(find<QLabel>(form, kAfterLabel.name)->geometry(),
            QRect(radio.right() + 1 + 2, 20, 60, 24));

  // The tab order as listed.
  QWidget* stop = amount;
  for (std::string_view next : {kFields[0].name, kHelp.name, kClose.name}) {
    stop = stop->nextInFocusChain();
    EXPECT_EQ(stop->objectName().toStdString(), next);
  }
}

TEST(ModuleForm, CloseAndHelpActOnlyWhenTheWindowLetsThem) {
  FakeHost host;
  TestForm form(host);
  form.show();
  form.leave = false;
  find<QPushButton>(form, kHelp.name)->click();
  find<QPushButton>(form, kClose.name)->click();
  EXPECT_TRUE(host.helpTopics.empty());
  EXPECT_TRUE(form.isVisible());
  form.leave = true;
  find<QPushButton>(form, kHelp.name)->click();
  EXPECT_EQ(host.helpTopics, std::vector<std::string>{"Testing"});
  find<QPushButton>(form, kClose.name)->click();
  EXPECT_FALSE(form.isVisible());
}

TEST(ModuleForm, PickOneSolveReadsTheFieldsInItemOrder) {
  FakeHost host;
  host.point = ',';
  TestForm form(host);
  TestForm::solved.clear();
  find<NumericEdit>(form, "One")->pasteText("1,5");
  find<NumericEdit>(form, "Three")->pasteText("3");
  find<QPushButton>(form, kSolve.name)->click();
  // With no item checked, the one checked at the start.
  form.group().clear();
  find<QPushButton>(form, kSolve.name)->click();
  form.group().select(2);
  find<QPushButton>(form, kSolve.name)->click();
  EXPECT_EQ(TestForm::solved, (std::vector<std::string>{"1.5||3|1", "1.5|2.5|3|1", "1.5|2.5|3|2"}));
  EXPECT_EQ(find<NumericEdit>(form, "Three")->text(), QString("2,5"));
}
