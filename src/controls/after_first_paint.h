// Work the first sight of a window does not need (a long tape read back)
// waits until the window has been painted and put on the screen, so that
// the window shows at once whatever that work costs.
#pragma once

#include <chrono>
#include <functional>

class QWidget;

namespace tivorum {

// Runs `then` once, from the event loop, after `window` was first painted,
// or after `latest` when it is not painted by then (minimised, never mapped).
// Nothing runs when the window goes first.
void afterFirstPaint(QWidget* window, std::function<void()> then,
                     std::chrono::milliseconds latest = std::chrono::seconds(1));

}  // namespace tivorum
