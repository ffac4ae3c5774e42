// The closing animation of the financial, currency and pricing windows: the
// window shrinks in six steps before it goes.
#pragma once

#include <array>

class QWidget;

namespace tivorum {

// Heights the window takes in turn: with h = height / 5 (whole pixels),
// 5h, 4h, 3h, 2h, h and 0.
std::array<int, 6> shrinkHeights(int height);

// Shrinks `window` through shrinkHeights, then hides it and gives it its size
// back while hidden (so a reused window does not come back flat). Call it from
// the window's closeEvent before accepting; it does nothing for a hidden
// window or while it is already running. `stepMs` pauses between steps.
void shrinkClose(QWidget* window, int stepMs = 15);

}  // namespace tivorum
