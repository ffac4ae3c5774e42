// What a screen reader is told about the windows' controls. Names come from
// what the user sees: a caption without its "&", a field's label, a key's
// spoken word; hints become descriptions. Controls that are not shown (hidden,
// covered by another, or outside their parent) are left out of the tree.
#pragma once

#include <QString>
#include <string_view>

class QAccessibleInterface;
class QWidget;

namespace tivorum {

// Installs the interfaces Qt lacks (the colour keys, the windows and panels
// that leave out unshown controls) and names every window's controls as it
// is first shown. Call once, after the application object exists.
void installAccessibility();

// Names and describes the controls of `window` from their captions, labels
// and hints. Runs by itself when a window is shown; safe to repeat.
void describeControls(QWidget* window);

// A caption as spoken: without its "&", its lines joined by a blank, a
// trailing colon dropped, a symbol key's caption replaced by its word.
QString spokenCaption(const QString& caption);

// The word a symbol caption ("X", "1/x", ...) is read as; empty for a caption
// that is already words.
QString spokenSymbol(const QString& shownCaption);

// What assistive technology is told about one control, through the same
// interface a screen reader gets.
struct AccessibleFacts {
  // button, radio, check, combo, spin, edit, text, label, group, tab,
  // picture or window; empty when the control has no interface or an
  // unknown role.
  QString role;
  QString name;
  QString description;
  // The shown text for edit and text, "1"/"0" for radio and check.
  QString value;
};
AccessibleFacts accessibleFacts(QWidget* control);
AccessibleFacts accessibleFacts(QAccessibleInterface* iface);

}  // namespace tivorum
