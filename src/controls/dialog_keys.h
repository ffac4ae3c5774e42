// Keys of the module windows: Escape does not close them (only Close and the
// close box do, so typed values are not lost by accident), and Enter presses
// only the button that has the focus.
#pragma once

class QKeyEvent;
class QWidget;

namespace tivorum {

// True when the key was taken; otherwise the window handles it as usual.
bool handleDialogKey(QKeyEvent* event, QWidget* focus);

}  // namespace tivorum
