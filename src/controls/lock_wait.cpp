#include "controls/lock_wait.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

#include "calc/ini_merge.h"

namespace tivorum {

namespace {

constexpr std::chrono::milliseconds kRetryPause{100};

// Returns after kRetryPause, having run the event loop without user input.
// Once the application is ending no event loop runs any more, and the pause
// just sleeps.
void pauseKeepingWindowsAlive() {
  constexpr int kPaused = 1;
  QEventLoop loop;
  QTimer::singleShot(kRetryPause, &loop, [&loop] { loop.exit(kPaused); });
  if (loop.exec(QEventLoop::ExcludeUserInputEvents) != kPaused) {
    std::this_thread::sleep_for(kRetryPause);
  }
}

}  // namespace

WriteResult saveWaitingForLock(const std::function<WriteResult()>& attempt) {
  return retryWhileLocked(attempt, pauseKeepingWindowsAlive);
}

}  // namespace tivorum
