#include "app/key_translation.h"

#include <QKeyEvent>
#include <utility>

namespace tivorum {

namespace {

constexpr std::pair<int, KeyName> kNamed[] = {
    {Qt::Key_Return, KeyName::Return}, {Qt::Key_Enter, KeyName::Enter},
    {Qt::Key_Escape, KeyName::Escape}, {Qt::Key_Backspace, KeyName::Backspace},
    {Qt::Key_Tab, KeyName::Tab},       {Qt::Key_Backtab, KeyName::Tab},
    {Qt::Key_Space, KeyName::Space},   {Qt::Key_F1, KeyName::F1},
    {Qt::Key_Insert, KeyName::Insert}, {Qt::Key_Delete, KeyName::Delete},
    {Qt::Key_Home, KeyName::Home},     {Qt::Key_End, KeyName::End},
    {Qt::Key_Left, KeyName::Left},     {Qt::Key_Right, KeyName::Right},
    {Qt::Key_Up, KeyName::Up},         {Qt::Key_Down, KeyName::Down},
    {Qt::Key_PageUp, KeyName::PageUp}, {Qt::Key_PageDown, KeyName::PageDown},
    {Qt::Key_Clear, KeyName::Begin},   {Qt::Key_Copy, KeyName::Copy},
    {Qt::Key_Paste, KeyName::Paste},   {Qt::Key_Menu, KeyName::Menu},
    {Qt::Key_F10, KeyName::F10},
};

}  // namespace

KeyEvent translateKey(const QKeyEvent& event, bool press, Focus focus, bool helpMode) {
  KeyEvent e;
  const int key = event.key();
  for (const auto& [code, name] : kNamed) {
    if (code == key) e.name = name;
  }
  if (e.name == KeyName::Other && key > 0x20 && key <= 0xff) {
    // Qt's codes of the printable keys are their (upper-case) characters.
    e.name = KeyName::Character;
    e.symbol = static_cast<char16_t>(key);
  }
  if (!event.text().isEmpty()) e.text = event.text().at(0).unicode();
  const Qt::KeyboardModifiers mods = event.modifiers();
  e.shift = mods.testFlag(Qt::ShiftModifier);
  e.control = mods.testFlag(Qt::ControlModifier);
  e.alt = mods.testFlag(Qt::AltModifier);
  e.keysym = event.nativeVirtualKey();
  e.keypadHint = mods.testFlag(Qt::KeypadModifier);
  e.press = press;
  e.autoRepeat = event.isAutoRepeat();
  // Without a scan code (a synthesised event) the key and the keypad flag
  // stand for the physical key.
  e.physical = event.nativeScanCode() != 0 ? event.nativeScanCode()
                                           : (static_cast<std::uint32_t>(key) & 0x3fffffffu) |
                                                 (e.keypadHint ? 1u << 30 : 0u);
  e.focus = focus;
  e.helpMode = helpMode;
  return e;
}

}  // namespace tivorum
