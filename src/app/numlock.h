// Switching the keyboard's NumLock on, so the numeric keypad types digits.
// Only X11 has a way to do it; elsewhere this does nothing.
#pragma once

namespace tivorum {

// Switches NumLock on if it is off. Returns true when it is on afterwards.
bool switchNumLockOn();

}  // namespace tivorum
