// Qt's key events in the input router's terms. The keypad is known from the
// key's keysym where the window system gives one (X11 and Wayland do), and
// from Qt's keypad flag only where it does not.
#pragma once

#include "calc/input_router.h"

class QKeyEvent;

namespace tivorum {

// `press` is false for a release; a shortcut override is a press.
KeyEvent translateKey(const QKeyEvent& event, bool press, Focus focus, bool helpMode);

}  // namespace tivorum
