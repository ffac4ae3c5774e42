#include "finance/module_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <exception>

#include "controls/color_button.h"
#include "controls/dialog_keys.h"
#include "controls/dialogs.h"
#include "controls/numeric_edit.h"
#include "controls/shrink_close.h"
#include "controls/spin_field.h"

namespace tivorum {

namespace {

const QColor kSilver(192, 192, 192);

QFont arial(int pixelSize, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// The Help button's picture: a question mark on a yellow disc, as on the
// calculator's own Help key; drawn at the screen's pixel ratio.
QIcon helpPicture() {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pm(QSize(16, 16) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(255, 255, 0));
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  p.setFont(arial(12, true));
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
  return QIcon(pm);
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

void RadioGroup::select(int index) {
  if (index >= 0 && index < static_cast<int>(items.size())) items[index]->setChecked(true);
}

void RadioGroup::clear() {
  // An exclusive group keeps one item checked; let go of that for a moment.
  buttons->setExclusive(false);
  for (QRadioButton* item : items) item->setChecked(false);
  buttons->setExclusive(true);
}

ModuleForm::ModuleForm(ModuleHost& host, std::string_view name, std::string_view caption,
                       int clientWidth, int clientHeight)
    : QDialog(&host.hostWindow()), host_(host) {
  setObjectName(qstr(name));
  setWindowTitle(qstr(caption));
  setAccessibleName(qstr(caption));
  // Title bar with the system menu and minimise only; the size is fixed.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(clientWidth, clientHeight);
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, kSilver);
  silver.setColor(QPalette::Button, kSilver);
  silver.setColor(QPalette::WindowText, Qt::black);
  silver.setColor(QPalette::ButtonText, Qt::black);
  setPalette(silver);
  setFont(arial(13, true));

  if (QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(clientWidth / 2, clientHeight / 2));
  }
}

QLabel* ModuleForm::addLabel(QWidget* parent, std::string_view name, std::string_view caption,
                             QRect place) {
  auto* label = new QLabel(qstr(caption), parent);
  label->setObjectName(qstr(name));
  label->setAccessibleName(accessibleFromCaption(caption));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

NumericEdit* ModuleForm::addEntry(QWidget* parent, const EntryFieldData& data, QRect place,
                                  const QString& accessibleName) {
  auto* edit = new NumericEdit(parent);
  edit->setObjectName(qstr(data.name));
  edit->setAccessibleName(accessibleName);
  edit->setToolTip(qstr(data.hint));
  edit->setMaxChars(data.maxLength);
  edit->setDecimalChar(host_.decimalChar());
  edit->setResultText(data.initialText);
  edit->setGeometry(place);
  return edit;
}

ResultField* ModuleForm::addResult(QWidget* parent, const ResultFieldData& data, QRect labelPlace,
                                   QRect fieldPlace) {
  QLabel* label = addLabel(parent, data.labelName, data.labelCaption, labelPlace);
  auto* field = new ResultField(parent);
  field->setObjectName(qstr(data.name));
  field->setAccessibleName(accessibleFromCaption(data.labelCaption));
  field->setToolTip(qstr(data.hint));
  field->setDecimalChar(host_.decimalChar());
  field->setGeometry(fieldPlace);
  label->setBuddy(field);
  return field;
}

SpinField* ModuleForm::addSpin(QWidget* parent, const SpinFieldData& data, QRect labelPlace,
                               QRect fieldPlace) {
  QLabel* label = addLabel(parent, data.labelName, data.labelCaption, labelPlace);
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
  spin->setGeometry(fieldPlace);
  label->setBuddy(spin);
  return spin;
}

QComboBox* ModuleForm::addPeriodBox(QWidget* parent, std::string_view labelName,
                                    std::string_view labelCaption, std::string_view name,
                                    std::span<const PaymentPeriod> periods, std::string_view hint,
                                    QRect labelPlace, QRect boxPlace) {
  QLabel* label = addLabel(parent, labelName, labelCaption, labelPlace);
  auto* box = new QComboBox(parent);
  box->setObjectName(qstr(name));
  box->setAccessibleName(accessibleFromCaption(labelCaption));
  box->setToolTip(qstr(hint));
  box->setEditable(false);
  for (const PaymentPeriod& p : periods) box->addItem(qstr(p.caption));
  box->setMaxVisibleItems(static_cast<int>(periods.size()));
  box->setGeometry(boxPlace);
  label->setBuddy(box);
  return box;
}

QRadioButton* ModuleForm::addRadio(QWidget* parent, std::string_view name, std::string_view caption,
                                   QPoint place) {
  auto* item = new QRadioButton(qstr(caption), parent);
  if (!name.empty()) item->setObjectName(qstr(name));
  item->setAccessibleName(accessibleFromCaption(caption));
  const QSize hint = item->sizeHint();
  item->setGeometry(QRect(place, QSize(hint.width(), std::max(hint.height(), 22))));
  return item;
}

RadioGroup ModuleForm::addRadioGroup(QWidget* parent, const RadioGroupData& data, QRect place,
                                     std::initializer_list<QPoint> itemPlaces) {
  RadioGroup group;
  group.box = addFrame(parent, data.name, data.caption, place);
  group.box->setToolTip(qstr(data.hint));
  group.buttons = new QButtonGroup(group.box);
  group.buttons->setExclusive(true);
  auto at = itemPlaces.begin();
  for (std::size_t i = 0; i < data.items.size() && at != itemPlaces.end(); ++i, ++at) {
    QRadioButton* item = addRadio(group.box, {}, data.items[i], *at);
    group.buttons->addButton(item, static_cast<int>(i));
    group.items.push_back(item);
  }
  group.select(data.initialIndex);
  return group;
}

QGroupBox* ModuleForm::addFrame(QWidget* parent, std::string_view name, std::string_view caption,
                                QRect place) {
  auto* box = new QGroupBox(qstr(caption), parent);
  box->setObjectName(qstr(name));
  if (!caption.empty()) box->setAccessibleName(qstr(caption));
  box->setGeometry(place);
  return box;
}

QPushButton* ModuleForm::addButton(const ButtonData& data, ButtonKind kind, QRect place) {
  auto* button = new QPushButton(qstr(data.caption), this);
  button->setObjectName(qstr(data.name));
  button->setAccessibleName(shownCaption(qstr(data.caption)));
  button->setToolTip(qstr(data.hint));
  // Enter in a field types nothing and clicks nothing; only a focused
  // button takes it (see keyPressEvent).
  button->setAutoDefault(false);
  if (kind == ButtonKind::Close) {
    button->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  } else if (kind == ButtonKind::Help) {
    button->setIcon(helpPicture());
  }
  button->setGeometry(place);
  return button;
}

void ModuleForm::setTabOrders(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous) setTabOrder(previous, control);
    previous = control;
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

}  // namespace tivorum
