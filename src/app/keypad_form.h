// The main window's keys, made from the key table with their places and
// colours: the colour keys, the flat Help and About keys and the tape's
// standard buttons, inside the keypad panel and its framed groups.
#pragma once

#include <array>
#include <functional>

#include "calc/keys.h"

class QAbstractButton;
class QWidget;

namespace tivorum {

struct Keypad {
  std::array<QAbstractButton*, kKeyCount> keys{};
};

// Makes every key inside `window` in control order; `before` runs before
// each key is made, so the window can put its own controls in between.
Keypad buildKeypad(QWidget* window, const std::function<void(Key)>& before);

}  // namespace tivorum
