#include "controls/accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include "calc/keys.h"
#include "controls/color_button.h"  // shownCaption
#include "controls/qt_text.h"
#include "controls/tape_accessible.h"
#include "controls/tape_pane.h"

namespace tivorum {

namespace {

// Lines joined by one blank: a caption broken over two lines is one phrase.
QString joinLines(const QString& text) {
  static const QRegularExpression kBreak(QStringLiteral("\\s*[\\r\\n]+\\s*"));
  QString joined = text;
  joined.replace(kBreak, QStringLiteral(" "));
  return joined.trimmed();
}

// A label without the ":" or "=" that leads on to its field.
QString withoutLead(QString text) {
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')))
    text = text.chopped(1).trimmed();
  return text;
}

// The first Qt class of a widget's class chain: what Qt's own accessibility
// knows it as.
QLatin1String qtClassOf(const QObject* object) {
  for (const QMetaObject* mo = object->metaObject(); mo; mo = mo->superClass()) {
    const QLatin1String name(mo->className());
    if (name.startsWith(QLatin1Char('Q'))) return name;
  }
  return {};
}

// A widget a user can see: not hidden, inside its parent, and not covered by
// an opaque sibling in front of it.
bool isShown(const QWidget* w) {
  if (w->isWindow()) return !w->isHidden();
  const QWidget* parent = w->parentWidget();
  if (!w->isVisibleTo(parent)) return false;
  if (!parent->rect().intersects(w->geometry())) return false;
  const QObjectList& siblings = parent->children();
  for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
    const auto* front = qobject_cast<const QWidget*>(siblings[i]);
    if (!front || front->isWindow() || !front->isVisibleTo(parent)) continue;
    const bool opaque =
        front->autoFillBackground() || front->testAttribute(Qt::WA_OpaquePaintEvent);
    if (opaque && front->geometry().contains(w->geometry())) return false;
  }
  return true;
}

// The notebook whose page `w` is, with the page's index; otherwise null.
QTabWidget* notebookOfPage(const QWidget* w, int* index) {
  auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
  auto* notebook = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  if (!notebook) return nullptr;
  *index = notebook->indexOf(const_cast<QWidget*>(w));
  return *index < 0 ? nullptr : notebook;
}

// Where a picture is: its notebook page's caption, else its window's title.
QString placeName(const QWidget* w) {
  for (const QWidget* up = w; up; up = up->parentWidget()) {
    int index = -1;
    if (QTabWidget* notebook = notebookOfPage(up, &index))
      return spokenCaption(notebook->tabText(index));
    if (up->isWindow()) return spokenCaption(up->windowTitle());
  }
  return {};
}

// The windows, panels, frames, group boxes and notebook pages, and the
// pictures drawn by plain widgets. The interface is made once, maybe before
// the widget has its children or its place, so the role is decided as asked.
// Only the controls that are shown are listed.
class Plain : public QAccessibleWidget {
 public:
  explicit Plain(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> list = shown();
    if (index < 0 || index >= list.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(list[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
  }

  QAccessible::Role role() const override {
    const QWidget* w = widget();
    if (w->isWindow())
      return qobject_cast<const QDialog*>(w) ? QAccessible::Dialog : QAccessible::Window;
    if (qobject_cast<const QGroupBox*>(w)) return QAccessible::Grouping;
    if (qobject_cast<const QTabWidget*>(w)) return QAccessible::PageTabList;
    if (qobject_cast<const QStackedWidget*>(w)) return QAccessible::LayeredPane;
    int index = -1;
    if (notebookOfPage(w, &index)) return QAccessible::PageTab;
    if (!hasControls()) return QAccessible::Graphic;
    return text(QAccessible::Name).isEmpty() ? QAccessible::Client : QAccessible::Grouping;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QWidget* w = widget();
    if (!w->accessibleName().isEmpty()) return joinLines(w->accessibleName());
    if (w->isWindow()) return spokenCaption(w->windowTitle());
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return spokenCaption(box->title());
    int index = -1;
    if (QTabWidget* notebook = notebookOfPage(w, &index))
      return spokenCaption(notebook->tabText(index));
    if (qobject_cast<const QTabWidget*>(w)) return placeName(w);
    if (!hasControls() && !qobject_cast<const QStackedWidget*>(w))
      return placeName(w) + QStringLiteral(" picture");
    return {};
  }

 private:
  bool hasControls() const {
    return widget()->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
  }
  QList<QWidget*> shown() const {
    QList<QWidget*> list;
    for (QObject* o : widget()->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w && !w->isWindow() && isShown(w)) list.append(w);
    }
    return list;
  }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  // Decided once, for the most derived class; Qt's own interfaces serve the
  // standard controls and the inner parts of Qt's widgets.
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  auto* w = static_cast<QWidget*>(object);
  if (auto* tape = qobject_cast<TapePane*>(w)) return new TapeAccessible(tape);
  const QLatin1String qtClass = qtClassOf(object);
  // A scroll area's viewport and bar holders belong to it.
  const bool inner = object->objectName().startsWith(QLatin1String("qt_"));
  if (inner && (qtClass == QLatin1String("QWidget") || qtClass == QLatin1String("QFrame")))
    return nullptr;
  for (const char* plain :
       {"QWidget", "QDialog", "QFrame", "QGroupBox", "QTabWidget", "QStackedWidget"}) {
    if (qtClass == QLatin1String(plain)) return new Plain(w);
  }
  return nullptr;
}

// The label just under a radio item or check box, in line with its caption:
// the second line of its caption.
QLabel* captionContinuation(const QAbstractButton* button) {
  const QRect r = button->geometry();
  for (QLabel* label : button->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect l = label->geometry();
    if (label->buddy() || label->text().isEmpty() || !label->isVisibleTo(button->parentWidget()))
      continue;
    if (l.top() > r.center().y() && l.top() <= r.bottom() + 8 && l.left() >= r.left() &&
        l.left() < r.right())
      return label;
  }
  return nullptr;
}

// The label whose buddy `field` is.
QLabel* labelOf(const QWidget* field) {
  const QWidget* window = field->window();
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == field) return label;
  }
  return nullptr;
}

// A label's words: "&" marks an accelerator only on a label of a field.
QString labelName(const QLabel* label, const QString& text) {
  if (label->buddy()) return spokenCaption(text);
  return withoutLead(joinLines(text));
}

QString fieldName(const QWidget* field) {
  if (!field->accessibleName().isEmpty()) return joinLines(field->accessibleName());
  if (const QLabel* label = labelOf(field)) return labelName(label, label->text());
  return {};
}

QString comboName(QAccessibleInterface* iface) {
  for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
    if (label) return label->text(QAccessible::Name);
  }
  if (auto* w = qobject_cast<QWidget*>(iface->object()); w && !w->accessibleName().isEmpty())
    return joinLines(w->accessibleName());
  return iface->text(QAccessible::Name);
}

class ShowWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (w->isWindow()) describeControls(w);
    }
    return false;
  }
};

}  // namespace

QString spokenSymbol(const QString& shownCaption) {
  // The keypad's table says how each key is read; a key read as its
  // caption needs no word of its own.
  for (const KeyRow& row : keyTable()) {
    const QString caption = tivorum::shownCaption(qstr(row.caption));
    const QString spoken = qstr(row.spoken);
    if (caption == shownCaption && spoken != caption) return spoken;
  }
  return {};
}

QString spokenCaption(const QString& caption) {
  QString text = joinLines(shownCaption(caption));
  const QString word = spokenSymbol(text);
  if (!word.isEmpty()) return word;
  return withoutLead(text);
}

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(makeInterface);
  qApp->installEventFilter(new ShowWatcher(qApp));
}

void describeControls(QWidget* window) {
  QList<QWidget*> controls = window->findChildren<QWidget*>();
  for (QWidget* w : controls) {
    if (w->window() != window) continue;
    if (w->toolTip().contains(QLatin1Char('\n')) && w->accessibleDescription().isEmpty())
      w->setAccessibleDescription(joinLines(w->toolTip()));
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      QString name = spokenCaption(button->text());
      if (qobject_cast<QRadioButton*>(button) || button->isCheckable()) {
        if (const QLabel* more = captionContinuation(button))
          name += QLatin1Char(' ') + spokenCaption(more->text());
      }
      button->setAccessibleName(name);
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTextEdit*>(w) ||
               qobject_cast<QPlainTextEdit*>(w)) {
      if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;  // the spin's own edit
      const QString name = fieldName(w);
      if (!name.isEmpty()) w->setAccessibleName(name);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      const QString text =
          label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
      if (!text.isEmpty()) label->setAccessibleName(labelName(label, text));
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      if (bar->accessibleName().isEmpty()) bar->setAccessibleName(placeName(bar));
    }
  }
}

AccessibleFacts accessibleFacts(QWidget* control) {
  return accessibleFacts(QAccessible::queryAccessibleInterface(control));
}

AccessibleFacts accessibleFacts(QAccessibleInterface* iface) {
  AccessibleFacts facts;
  if (!iface) return facts;
  facts.name = iface->text(QAccessible::Name);
  facts.description = iface->text(QAccessible::Description);
  const QAccessible::State state = iface->state();
  auto shownText = [iface] {
    if (QAccessibleTextInterface* text = iface->textInterface())
      return text->text(0, text->characterCount());
    return iface->text(QAccessible::Value);
  };
  switch (iface->role()) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
      facts.role = QStringLiteral("button");
      break;
    case QAccessible::RadioButton:
      facts.role = QStringLiteral("radio");
      facts.value = state.checked ? QStringLiteral("1") : QStringLiteral("0");
      break;
    case QAccessible::CheckBox:
      facts.role = QStringLiteral("check");
      facts.value = state.checked ? QStringLiteral("1") : QStringLiteral("0");
      break;
    case QAccessible::ComboBox:
      // Qt on Linux names a drop-down list by its current item and points a
      // screen reader at the list's label instead; that label is its name.
      facts.role = QStringLiteral("combo");
      facts.name = comboName(iface);
      break;
    case QAccessible::SpinBox:
      facts.role = QStringLiteral("spin");
      break;
    case QAccessible::EditableText:
      facts.role = state.readOnly ? QStringLiteral("text") : QStringLiteral("edit");
      facts.value = shownText();
      break;
    case QAccessible::StaticText:
      facts.role = QStringLiteral("label");
      break;
    case QAccessible::Grouping:
    case QAccessible::Client:
    case QAccessible::LayeredPane:
    case QAccessible::Pane:
      facts.role = QStringLiteral("group");
      break;
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
      facts.role = QStringLiteral("tab");
      break;
    case QAccessible::Graphic:
      facts.role = QStringLiteral("picture");
      break;
    case QAccessible::Window:
    case QAccessible::Dialog:
      facts.role = QStringLiteral("window");
      break;
    default:
      break;
  }
  return facts;
}

}  // namespace tivorum
