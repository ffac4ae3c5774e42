// Another copy of the program in the middle of a slow save, as the settings
// file sees it: a process that takes the lock of the settings folder, reads
// CUSTOM.INI, keeps the lock for a while, then writes the file back as it read
// it with a section of its own added, and lets go. A save that went ahead
// without the lock meanwhile is lost.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

namespace tivorum::test {

class LockHolder {
 public:
  LockHolder(const QString& folder, const QString& seconds) : folder_(folder) {
    process_.setWorkingDirectory(folder);
    process_.start("flock", {folder, "sh", "-c",
                             "cat CUSTOM.INI >.snapshot 2>/dev/null; : >.read; sleep " + seconds +
                                 "; { cat .snapshot; printf '[Other Copy]\\r\\nkept=1\\r\\n'; }"
                                 " >CUSTOM.INI; rm .snapshot .read"});
  }
  ~LockHolder() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  // Waits until the process holds the lock and has read the file.
  bool held() {
    return QTest::qWaitFor([this] { return QFile::exists(folder_ + "/.read") && !lockIsFree(); },
                           5000);
  }
  // Waits until it has written and let go.
  bool done() {
    // An event loop run meanwhile (a save waiting for the lock) may have
    // seen it end already.
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(15000)) return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
  }

 private:
  bool lockIsFree() const {
    const int fd = ::open(folder_.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);  // lets go again at once
    return free;
  }

  QString folder_;
  QProcess process_;
};

}  // namespace tivorum::test
