#include "finance/module_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <variant>

#include "controls/color_button.h"
#include "controls/dialog_keys.h"
#include "controls/dialogs.h"
#include "controls/look.h"
#include "controls/numeric_edit.h"
#include "controls/shrink_close.h"
#include "controls/spin_field.h"

namespace tivorum {

namespace {

QRect rectOf(Place place) {
  return QRect(place.left, place.top, place.width, place.height);
}

// Radio items are at least this high, so that they are easy to hit.
constexpr int kRadioHeight = 22;

QLabel* addLabel(QWidget* parent, std::string_view name, std::string_view caption, QRect place) {
  auto* label = new QLabel(qstr(caption), parent);
  label->setObjectName(qstr(name));
  label->setAccessibleName(accessibleFromCaption(caption));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

}  // namespace

QString accessibleFromCaption(std::string_view caption) {
  QString text = qstr(caption).trimmed();
  while (text.endsWith(':')) text.chop(1);
  return text.trimmed();
}

int RadioGroup::selected() const {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void RadioGroup::select(int index) const {
  if (index >= 0 && index < static_cast<int>(items.size())) items[index]->setChecked(true);
}

void RadioGroup::clear() const {
  // An exclusive group keeps one item checked; let go of that for a moment.
  buttons->setExclusive(false);
  for (QRadioButton* item : items) item->setChecked(false);
  buttons->setExclusive(true);
}

ModuleForm::ModuleForm(ModuleHost& host, const ModuleWindowData& window)
    : QDialog(&host.hostWindow()), host_(host), window_(window) {
  setObjectName(qstr(window.formName));
  setWindowTitle(qstr(window.caption));
  setAccessibleName(qstr(window.caption));
  // Title bar with the system menu and, unless a fixed dialog, minimise;
  // the size is fixed.
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  flags |= window.fixedDialog ? Qt::WindowStaysOnTopHint : Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setFixedSize(window.clientWidth, window.clientHeight);
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, kSilver);
  silver.setColor(QPalette::Button, kSilver);
  silver.setColor(QPalette::WindowText, kBlack);
  silver.setColor(QPalette::ButtonText, kBlack);
  setPalette(silver);
  setFont(arial(13, true));

  QWidget* previous = nullptr;
  for (const ModuleControl& control : window.controls) {
    previous = std::visit([&](const auto* data) { return make(*data, previous); }, control);
  }
  for (const auto& [label, buddy] : buddies_) {
    this->control<QLabel>(label)->setBuddy(this->control<QWidget>(buddy));
  }
  setTabOrders(window.tabOrder);

  if (QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(window.clientWidth / 2, window.clientHeight / 2));
  }
}

QWidget* ModuleForm::parentNamed(std::string_view name) {
  return name.empty() ? this : control<QWidget>(name);
}

const RadioGroup& ModuleForm::radioGroup(std::string_view name) const {
  for (const auto& [groupName, group] : groups_) {
    if (groupName == name) return group;
  }
  throw std::out_of_range("no radio group " + std::string(name));
}

std::string ModuleForm::valueText(const EntryFieldData& field) const {
  return control<NumericEdit>(field.name)->valueText();
}

void ModuleForm::onClick(std::string_view button, std::function<void()> handler) {
  connect(control<QPushButton>(button), &QPushButton::clicked, this, std::move(handler));
}

QWidget* ModuleForm::make(const LabelData& data, QWidget* previous) {
  QRect place = rectOf(data.place);
  if (data.start == LabelStart::BesideMark) {
    place.setLeft(place.left() + style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                  style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
  } else if (data.start == LabelStart::AfterPrevious && previous) {
    place.moveLeft(previous->geometry().right() + 1 + data.place.left);
  }
  QLabel* label = addLabel(parentNamed(data.parent), data.name, data.caption, place);
  if (data.align == TextAlign::Right) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setWordWrap(data.wrap);
  if (!data.buddy.empty()) buddies_.emplace_back(data.name, data.buddy);
  return label;
}

QWidget* ModuleForm::make(const EntryFieldData& data, QWidget*) {
  auto* edit = new NumericEdit(parentNamed(data.parent));
  edit->setObjectName(qstr(data.name));
  edit->setAccessibleName(accessibleFromCaption(data.accessibleName));
  edit->setToolTip(qstr(data.hint));
  edit->setMaxChars(data.maxLength);
  edit->setDecimalChar(host_.decimalChar());
  edit->setResultText(data.initialText);
  edit->setGeometry(rectOf(data.place));
  return edit;
}

QWidget* ModuleForm::make(const ResultFieldData& data, QWidget*) {
  QWidget* parent = parentNamed(data.parent);
  QLabel* label = addLabel(parent, data.labelName, data.labelCaption, rectOf(data.labelPlace));
  auto* field = new ResultField(parent);
  field->setObjectName(qstr(data.name));
  field->setAccessibleName(accessibleFromCaption(data.labelCaption));
  field->setToolTip(qstr(data.hint));
  field->setDecimalChar(host_.decimalChar());
  field->setGeometry(rectOf(data.place));
  label->setBuddy(field);
  return field;
}

QWidget* ModuleForm::make(const SpinFieldData& data, QWidget*) {
  QWidget* parent = parentNamed(data.parent);
  QLabel* label = addLabel(parent, data.labelName, data.labelCaption, rectOf(data.labelPlace));
  auto* spin = new SpinField(data.minimum, data.maximum, data.maxLength, parent);
  spin->setObjectName(qstr(data.name));
  spin->setAccessibleName(accessibleFromCaption(data.labelCaption));
  if (!data.hint.empty()) spin->setToolTip(qstr(data.hint));
  spin->setValue(data.initialValue);
  spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // A white field with black digits and arrows, whatever colours its group has.
  QPalette pal = spin->palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::black);
  pal.setColor(QPalette::ButtonText, Qt::black);
  spin->setPalette(pal);
  spin->setGeometry(rectOf(data.place));
  label->setBuddy(spin);
  return spin;
}

QWidget* ModuleForm::make(const DropDownData& data, QWidget*) {
  QWidget* parent = parentNamed(data.parent);
  QLabel* label = nullptr;
  if (!data.labelName.empty()) {
    label = addLabel(parent, data.labelName, data.labelCaption, rectOf(data.labelPlace));
  }
  auto* box = new QComboBox(parent);
  box->setObjectName(qstr(data.name));
  box->setAccessibleName(
      accessibleFromCaption(data.accessibleName.empty() ? data.labelCaption : data.accessibleName));
  box->setToolTip(qstr(data.hint));
  box->setEditable(false);
  for (const PaymentPeriod& p : data.periods) box->addItem(qstr(p.caption));
  for (std::string_view item : data.items) box->addItem(qstr(item));
  box->setMaxVisibleItems(box->count());
  box->setGeometry(rectOf(data.place));
  if (label) label->setBuddy(box);
  return box;
}

QWidget* ModuleForm::make(const RadioData& data, QWidget*) {
  auto* item = new QRadioButton(qstr(data.caption), parentNamed(data.parent));
  if (!data.name.empty()) item->setObjectName(qstr(data.name));
  item->setAccessibleName(
      accessibleFromCaption(data.accessibleName.empty() ? data.caption : data.accessibleName));
  const QSize hint = item->sizeHint();
  item->setGeometry(QRect(QPoint(data.spot.left, data.spot.top),
                          QSize(hint.width(), std::max(hint.height(), data.minHeight))));
  return item;
}

QWidget* ModuleForm::make(const RadioGroupData& data, QWidget*) {
  RadioGroup group;
  group.box = static_cast<QGroupBox*>(
      make(FrameData{data.name, data.caption, data.place, data.hint, data.parent}, nullptr));
  if (!data.accessibleName.empty()) group.box->setAccessibleName(qstr(data.accessibleName));
  group.buttons = new QButtonGroup(group.box);
  group.buttons->setExclusive(true);
  for (std::size_t i = 0; i < data.items.size() && i < data.itemSpots.size(); ++i) {
    auto* item = static_cast<QRadioButton*>(make(
        RadioData{{}, data.items[i], data.itemSpots[i], kRadioHeight, {}, data.name}, nullptr));
    group.buttons->addButton(item, static_cast<int>(i));
    group.items.push_back(item);
  }
  group.select(data.initialIndex);
  groups_.emplace_back(data.name, group);
  return group.box;
}

QWidget* ModuleForm::make(const FrameData& data, QWidget*) {
  auto* box = new QGroupBox(qstr(data.caption), parentNamed(data.parent));
  box->setObjectName(qstr(data.name));
  if (!data.caption.empty()) box->setAccessibleName(qstr(data.caption));
  if (!data.hint.empty()) box->setToolTip(qstr(data.hint));
  box->setGeometry(rectOf(data.place));
  return box;
}

QWidget* ModuleForm::make(const ButtonData& data, QWidget*) {
  auto* button = new QPushButton(qstr(data.caption), this);
  button->setObjectName(qstr(data.name));
  button->setAccessibleName(shownCaption(qstr(data.caption)));
  button->setToolTip(qstr(data.hint));
  // Enter in a field types nothing and clicks nothing; only a focused
  // button takes it (see keyPressEvent).
  button->setAutoDefault(false);
  if (data.kind == ButtonKind::Close) {
    button->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(button, &QPushButton::clicked, this, [this] {
      if (mayLeave()) close();
    });
  } else if (data.kind == ButtonKind::Help) {
    button->setIcon(QIcon(helpPicture(16)));
    connect(button, &QPushButton::clicked, this, [this] {
      if (mayLeave()) host_.showHelp(window_.helpTopic);
    });
  }
  button->setGeometry(rectOf(data.place));
  return button;
}

void ModuleForm::setTabOrders(std::span<const std::string_view> names) {
  QWidget* previous = nullptr;
  for (std::string_view name : names) {
    QWidget* next = control<QWidget>(name);
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
}

void ModuleForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (opened_) return;
  opened_ = true;
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
    auto* edit = qobject_cast<NumericEdit*>(w);
    if (edit && edit->isVisibleTo(this) && edit->isEnabled() &&
        (edit->focusPolicy() & Qt::TabFocus)) {
      edit->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

void ModuleForm::onEnter(QWidget* control, std::function<void()> handler) {
  control->installEventFilter(this);
  focusHandlers_.push_back({control, true, std::move(handler)});
}

void ModuleForm::onExit(QWidget* control, std::function<void()> handler) {
  control->installEventFilter(this);
  focusHandlers_.push_back({control, false, std::move(handler)});
}

bool ModuleForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Focus that only follows the window's activation or a popup is not a
    // move between this window's controls.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      const bool enter = event->type() == QEvent::FocusIn;
      for (const FocusHandler& h : focusHandlers_) {
        if (h.control == watched && h.enter == enter) h.handler();
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ModuleForm::applyWrites(const ModuleSolve& result) {
  for (const SpinWrite& s : result.spins) {
    if (auto* spin = findChild<SpinField*>(qstr(s.control))) spin->setValue(s.value);
  }
  for (const FieldWrite& w : result.writes) {
    const QString name = qstr(w.control);
    if (auto* edit = findChild<NumericEdit*>(name)) {
      edit->setResultText(w.text);
    } else if (auto* shown = findChild<ResultField*>(name)) {
      shown->setResultText(w.text);
    }
  }
}

void ModuleForm::runSolve(const std::function<void(ModuleSolve&)>& solve) {
  ModuleSolve result;
  try {
    solve(result);
  } catch (const std::exception& fault) {
    // What was written before the fault stays.
    applyWrites(result);
    reportFault(fault.what());
    return;
  }
  applyWrites(result);
  if (result.stopped()) {
    host().message(this, qstr(kModuleErrorCaption), qstr(result.message), BoxIcon::Error);
  }
}

void ModuleForm::reportFault(std::string_view message) {
  reportError(this, tradePoint(message, host_.decimalChar()));
}

void ModuleForm::closeEvent(QCloseEvent* event) {
  shrinkClose(this);
  QDialog::closeEvent(event);
}

void ModuleForm::keyPressEvent(QKeyEvent* event) {
  if (!handleDialogKey(event, focusWidget())) QDialog::keyPressEvent(event);
}

PickOneForm::PickOneForm(ModuleHost& host, const ModuleWindowData& window,
                         const RadioGroupData& group,
                         const std::array<const EntryFieldData*, 3>& fields,
                         const ButtonData& solveButton, PickOneSolve solve)
    : ModuleForm(host, window), group_(group), fields_(fields), solve_(solve) {
  onClick(solveButton.name, [this] { SolveButtonClick(); });
}

void PickOneForm::SolveButtonClick() {
  std::array<std::string, 3> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = valueText(*fields_[i]);
  // With no item checked, the one checked at the start.
  const int item = radioGroup(group_.name).selected();
  const int solveFor = item < 0 ? group_.initialIndex : item;
  runSolve([&](ModuleSolve& out) { solve_(texts, solveFor, out, host().tape()); });
}

}  // namespace tivorum
