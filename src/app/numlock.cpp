#include "app/numlock.h"

#include <QGuiApplication>

#ifdef TIVORUM_HAVE_XKB
// Xlib's macros (None, Bool, KeyPress, ...) clash with Qt's names; keep them
// below every Qt header.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace tivorum {

bool switchNumLockOn() {
#ifdef TIVORUM_HAVE_XKB
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return false;
  const unsigned int mask = XkbKeysymToModifiers(display, XK_Num_Lock);
  if (mask == 0) return false;
  XkbStateRec state;
  if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) return false;
  if ((state.locked_mods & mask) == 0) {
    XkbLockModifiers(display, XkbUseCoreKbd, mask, mask);
    XFlush(display);
  }
  return true;
#else
  return false;
#endif
}

}  // namespace tivorum
