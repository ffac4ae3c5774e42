#include "controls/after_first_paint.h"

#include <QBasicTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tivorum {

namespace {

// Lives as the window's child, so it goes with the window.
class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget* window, std::function<void()> then, std::chrono::milliseconds latest)
      : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
    latest_.start(static_cast<int>(latest.count()), this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The paint is put on the screen when the paint events are through: the
    // work waits for the next turn of the event loop.
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] { run(); });
    }
    return false;
  }
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() == latest_.timerId()) run();
  }

 private:
  void run() {
    if (!then_) return;
    latest_.stop();
    parent()->removeEventFilter(this);
    const std::function<void()> then = std::move(then_);
    then_ = nullptr;
    deleteLater();
    then();
  }

  std::function<void()> then_;
  QBasicTimer latest_;
  bool painted_ = false;
};

}  // namespace

void afterFirstPaint(QWidget* window, std::function<void()> then,
                     std::chrono::milliseconds latest) {
  new FirstPaintWatch(window, std::move(then), latest);
}

}  // namespace tivorum
