#include "controls/shrink_close.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

namespace tivorum {

std::array<int, 6> shrinkHeights(int height) {
  const int h = height / 5;
  return {5 * h, 4 * h, 3 * h, 2 * h, h, 0};
}

void shrinkClose(QWidget* window, int stepMs) {
  static const char* const kRunning = "tivorumShrinking";
  if (!window || window->isHidden() || window->property(kRunning).toBool()) return;
  window->setProperty(kRunning, true);

  // Fixed-size windows must be allowed to shrink for the moment.
  const QSize minSize = window->minimumSize();
  const QSize maxSize = window->maximumSize();
  const QSize size = window->size();
  window->setMinimumSize(0, 0);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

  for (int height : shrinkHeights(size.height())) {
    window->resize(size.width(), height);
    window->repaint();
    // Show each step without taking the user's clicks or keys meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (stepMs > 0) QThread::msleep(static_cast<unsigned long>(stepMs));
  }

  // Gone first, then its size back, so nothing flashes at full height.
  window->hide();
  window->setMinimumSize(minSize);
  window->setMaximumSize(maxSize);
  window->resize(size);
  window->setProperty(kRunning, false);
}

}  // namespace tivorum
