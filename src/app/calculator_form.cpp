#include "app/calculator_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QToolTip>
#include <system_error>

#include "app/about_form.h"
#include "app/calculator_module_host.h"
#include "app/help_mode.h"
#include "app/key_translation.h"
#include "app/keypad_form.h"
#include "calc/paste_number.h"
#include "calc/tape_journal.h"
#include "controls/color_button.h"
#include "controls/dialogs.h"
#include "controls/look.h"
#include "controls/qt_text.h"
#include "controls/settings_keeper.h"
#include "controls/tape_output.h"
#include "controls/tape_pane.h"

using namespace tivorum;

namespace {

// Widths the keys set are those of the whole window, frame included; the
// client area is this much narrower.
constexpr int kFrameAllowance = 7;
constexpr int kClientWidth = 396;
constexpr int kClientHeight = 426;

constexpr std::pair<Key, TrigKey> kTrigKeys[] = {
    {Key::Sin, TrigKey::Sin},       {Key::Cos, TrigKey::Cos},       {Key::Tan, TrigKey::Tan},
    {Key::ArcSin, TrigKey::ArcSin}, {Key::ArcCos, TrigKey::ArcCos}, {Key::ArcTan, TrigKey::ArcTan},
};

}  // namespace

Tcalculator1::Tcalculator1(const AppPaths& paths, QWidget* parent)
    : QWidget(parent), paths_(paths) {
  buildWindow();
  tapeOutput_ = std::make_unique<TapeOutput>(*this, *Tape);
  engine_ = std::make_unique<CalcEngine>(*Tape, static_cast<EngineHost&>(*this));
  helpMode_ = std::make_unique<HelpMode>(*this, *keyWidget(Key::HelpEnable), paths.helpFolder);
  modules_ = std::make_unique<CalculatorModuleHost>(*this, *engine_, *Tape, *helpMode_,
                                                    paths.settingsFolder);
  journal_ = std::make_unique<TapeJournal>(paths.journalFolder.empty() ? paths.settingsFolder
                                                                       : paths.journalFolder);
  qApp->installEventFilter(this);
  settings_ = std::make_unique<SettingsKeeper>(*this, *engine_, paths.settingsFolder,
                                               [this] { return currentSettings(); });
  FormCreate();
}

Tcalculator1::~Tcalculator1() {
  // The tape outlives the journal it tells of its changes.
  Tape->setObserver(nullptr);
  qApp->removeEventFilter(this);
}

void Tcalculator1::setModuleWindows(ModuleWindowFactory factory) {
  modules_->setFactory(std::move(factory));
}

ModuleHost& Tcalculator1::moduleHost() {
  return *modules_;
}

// ---- Building --------------------------------------------------------------

void Tcalculator1::buildWindow() {
  setObjectName("Tcalculator1");
  setWindowTitle("Tivorum");
  setAccessibleName("Tivorum");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(programPicture()));
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette teal = palette();
  teal.setColor(QPalette::Window, kTeal);
  teal.setColor(QPalette::WindowText, Qt::white);
  setPalette(teal);
  setFont(arial(11, true));

  display = new QLineEdit(this);
  display->setObjectName("display");
  display->setAccessibleName("Display");
  display->setGeometry(6, 4, 169, 25);
  display->setReadOnly(true);
  display->setFocusPolicy(Qt::NoFocus);
  display->setContextMenuPolicy(Qt::NoContextMenu);
  display->setAttribute(Qt::WA_TransparentForMouseEvents);
  display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display->setFont(arial(12, true));
  setScreenColours(display, kYellow);

  Keypad keypad = buildKeypad(this, [this](Key key) {
    // The tape comes between the keypad and the keys below it.
    if (key == Key::Help) buildTape();
  });
  keys_ = keypad.keys;
  for (size_t i = 0; i < keys_.size(); ++i) {
    connect(keys_[i], &QAbstractButton::clicked, this,
            [this, key = static_cast<Key>(i)] { keyClicked(key); });
  }
}

void Tcalculator1::buildTape() {
  Tape = new TapePane(this);
  Tape->setObjectName("Tape");
  Tape->setAccessibleName("Tape");
  Tape->setGeometry(180, 6, 209, 395);
  QFont tapeFont = QApplication::font();
  tapeFont.setBold(true);
  Tape->setFont(tapeFont);
  QPalette paper = Tape->palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  Tape->setPalette(paper);
  buildTapeMenu();
}

QString Tcalculator1::displayText() const {
  return display->text();
}

QAbstractButton* Tcalculator1::keyWidget(Key key) const {
  return keys_[static_cast<size_t>(key)];
}

TColorButton* Tcalculator1::key(Key key) const {
  return qobject_cast<TColorButton*>(keyWidget(key));
}

void Tcalculator1::pressKey(Key key) {
  keyWidget(key)->click();
}

std::string Tcalculator1::helpTopic(Key key) const {
  const KeyRow& row = keyRow(key);
  const bool hyperbolic = engine_->trigTypeCaption() == "Hyp";
  return std::string(hyperbolic && !row.hyperbolicTopic.empty() ? row.hyperbolicTopic : row.topic);
}

void Tcalculator1::keyClicked(Key key) {
  const KeyRow& row = keyRow(key);
  if (row.kind == KeyKind::Help) return SpeedButton1Click();
  if (key == Key::Equals) {
    // "=" picks its result format even when help mode then shows its help.
    runReportingErrors(this, [this] { engine_->setResultFormat(); });
  }
  if (helpMode_->on() && !row.topic.empty()) {
    helpMode_->show(helpTopic(key));
  } else {
    runReportingErrors(this, [this, key] { act(key); });
  }
  afterKey();
}

void Tcalculator1::act(Key key) {
  if (const std::optional<Module> module = CalculatorModuleHost::moduleOf(key))
    return modules_->open(*module);
  switch (key) {
    case Key::Tape:
      return TapeButClick();
    case Key::Hints:
      return HintButClick();
    case Key::Off:
      return ColorButton9Click();
    case Key::About:
      return AboutButtonClick();
    case Key::Print:
      return ButtonPrintClick();
    case Key::Copy:
      return ButtonCopyClick();
    default:
      engine_->press(key);
  }
}

void Tcalculator1::afterKey() {
  refresh();
  focusEquals();
  keepChanges();
  reportJournalProblem();
}

void Tcalculator1::focusEquals() {
  keyWidget(Key::Equals)->setFocus(Qt::OtherFocusReason);
}

void Tcalculator1::refresh() {
  display->setText(QString::fromStdString(engine_->display()));
  auto show = [](TColorButton* key, const std::string& caption) {
    QString c = QString::fromStdString(caption);
    if (key->caption() == c) return;
    key->setCaption(c);
  };
  show(key(Key::DegRad), engine_->degRadCaption());
  show(key(Key::TrigType), engine_->trigTypeCaption());
  for (const auto& [k, trig] : kTrigKeys) show(key(k), engine_->trigCaption(trig));
  show(key(Key::Places), engine_->placesCaption());
}

// ---- Start-up and closing ----------------------------------------------------

void Tcalculator1::FormCreate() {
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, kYellow);
  tips.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(tips);
}

void Tcalculator1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tcalculator1::FormShow() {
  const QString point = QLocale().decimalPoint();
  const char decimalChar = (point.size() == 1 && point.at(0).unicode() < 128)
                               ? static_cast<char>(point.at(0).unicode())
                               : '.';
  engine_->startUp(decimalChar);
  refresh();
  focusEquals();
  modules_->loadCurrencyFactors();
}

void Tcalculator1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

// ---- Engine host ---------------------------------------------------------------

void Tcalculator1::showErrorBox(std::string_view caption, std::string_view text) {
  dialogs().message(this, QString::fromUtf8(caption.data(), caption.size()), qstr(text),
                    BoxIcon::Error);
}

bool Tcalculator1::confirm(std::string_view text) {
  return dialogs().confirm(this, "Confirm", qstr(text));
}

void Tcalculator1::reportFault(std::string_view message) {
  reportError(this, message);
}

// ---- Setting keys, help and the modules ---------------------------------------

void Tcalculator1::setOnOffLook(TColorButton* key, bool on) {
  QFont f = key->font();
  f.setStrikeOut(!on);
  key->setFont(f);
  key->setColor(on ? kBlack : kGrey);
  key->setFontColor(on ? kWhite : kSilver);
}

void Tcalculator1::applyHints() {
  if (!HintsOn) QToolTip::hideText();
}

int Tcalculator1::outerWidth() const {
  return width() + kFrameAllowance;
}

void Tcalculator1::slideTo(std::initializer_list<int> widths) {
  const bool onScreen = QGuiApplication::platformName() != QLatin1String("offscreen");
  for (int w : widths) {
    setFixedSize(w - kFrameAllowance, kClientHeight);
    if (onScreen) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      QThread::msleep(10);
    }
  }
}

void Tcalculator1::TapeButClick() {
  TapeShown = !TapeShown;
  setOnOffLook(key(Key::Tape), TapeShown);
  if (outerWidth() > 185)
    slideTo({350, 300, 200, 184});
  else
    slideTo({200, 300, 403});
}

void Tcalculator1::HintButClick() {
  HintsOn = !HintsOn;
  setOnOffLook(key(Key::Hints), HintsOn);
  applyHints();
}

void Tcalculator1::ColorButton9Click() {
  close();
}

void Tcalculator1::SpeedButton1Click() {
  helpMode_->helpKey();
  focusEquals();
}

bool Tcalculator1::inHelpMode() const {
  return helpMode_->on();
}

void Tcalculator1::AboutButtonClick() {
  TAboutCal box(this);
  dialogs().showAbout(box);
}

// ---- The tape's buttons ----------------------------------------------------------

void Tcalculator1::ButtonCopyClick() {
  tapeOutput_->copy();
}

void Tcalculator1::ButtonPrintClick() {
  tapeOutput_->print();
}

// ---- Keyboard -------------------------------------------------------------------

Focus Tcalculator1::focusOf(QWidget* target) const {
  QWidget* window = target->window();
  if (window == this) {
    if (target == this) return Focus::MainWindow;
    return target == Tape ? Focus::Tape : Focus::MainKey;
  }
  return modules_->isOpen(window) ? Focus::ModuleControl : Focus::Dialog;
}

bool Tcalculator1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ToolTip) return !HintsOn;  // hints are off for every window
  // X11 also turns the Menu key into a context menu request, to whatever has
  // the focus and at no useful place; the key itself opens the tape's menu,
  // by the caret, alike everywhere.
  if (type == QEvent::ContextMenu && (watched == Tape || watched == Tape->viewport()))
    return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
    return false;
  if (!watched->isWidgetType()) return false;
  auto* target = static_cast<QWidget*>(watched);
  // A key event travels up to the parents; act on its first delivery only.
  QWidget* focus = QApplication::focusWidget();
  if (focus ? target != focus : !target->isWindow()) return false;
  const KeyEvent key = translateKey(*static_cast<QKeyEvent*>(event), type != QEvent::KeyRelease,
                                    focusOf(target), helpMode_->on());
  if (type == QEvent::ShortcutOverride) {
    // A key the program acts on is not a shortcut.
    if (InputRouter::decide(key).kind == Action::PassThrough) return false;
    event->accept();
    return true;
  }
  const Action action = router_.route(key);
  if (action.kind == Action::PassThrough) return false;
  event->accept();
  perform(action, target->window());
  return true;
}

void Tcalculator1::perform(const Action& action, QWidget* window) {
  switch (action.kind) {
    case Action::Press:
      return pressKey(action.key);
    case Action::Type:
      return typeKey(action.key);
    case Action::Backspace:
      runReportingErrors(this, [this] { engine_->backspace(); });
      return afterKey();
    case Action::Paste: {
      // Read once and not copied: a huge clipboard is refused by its length.
      const QString text = QGuiApplication::clipboard()->text();
      const PastedNumber pasted =
          readPastedNumber(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<size_t>(text.size())),
                           engine_->DecimalChar());
      if (pasted.value)
        engine_->enterOperand(*pasted.value);
      else
        reportError(this, pasted.refusal);
      return afterKey();
    }
    case Action::Copy:
      // A selection on the tape is what the user means to copy.
      return tapeOutput_->copySelectionOr(displayText().remove(' '));
    case Action::Help:
      return SpeedButton1Click();
    case Action::ModuleHelp:
      return CalculatorModuleHost::clickHelpOf(*window);
    case Action::TapeMenu:
      return TapeMenuKey();
    case Action::PassThrough:
    case Action::Swallow:
      return;
  }
}

// Typed digits and points go into the entry as typed characters, which the
// engine tells from clicks; every other key is pressed as if clicked.
void Tcalculator1::typeKey(Key key) {
  switch (keyRow(key).kind) {
    case KeyKind::Digit:
      runReportingErrors(this, [this, key] { engine_->typeDigit(keyDigit(key)); });
      return afterKey();
    case KeyKind::Point:
      runReportingErrors(this, [this] { engine_->typePoint(); });
      return afterKey();
    default:
      return pressKey(key);
  }
}
