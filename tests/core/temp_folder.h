// A fresh folder under the system's temporary folder, removed with its
// content afterwards, and small helpers for whole-file reads and writes.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace tivorum::testing {

// The file's inode number, 0 when it is not there: the same number after a
// save means the file was written in place, not replaced.
inline ino_t inodeOf(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tivorum-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Sets or clears an inode flag (FS_APPEND_FL, FS_IMMUTABLE_FL). These hold
// even for root, so failures can be provoked whoever runs the tests. False
// when the file system or the process's rights do not allow it.
inline bool setInodeFlag(const std::filesystem::path& path, int flag, bool on) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? flags | flag : flags & ~flag;
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

// Holds an inode flag for the lifetime of the guard.
class InodeFlag {
 public:
  InodeFlag(std::filesystem::path path, int flag)
      : path_(std::move(path)), flag_(flag), set_(setInodeFlag(path_, flag_, true)) {}
  ~InodeFlag() {
    if (set_) setInodeFlag(path_, flag_, false);
  }
  InodeFlag(const InodeFlag&) = delete;
  InodeFlag& operator=(const InodeFlag&) = delete;
  bool set() const { return set_; }

 private:
  std::filesystem::path path_;
  int flag_;
  bool set_;
};

// Runs `check` in a child process and gives it `limit` to finish: a call
// that hangs (a FIFO opened for reading) fails instead of holding the suite.
// `asUser` runs it as nobody when the tests run as root, since root may write
// anything. True when the child ended in time and `check` returned true.
inline bool passesInChild(const std::function<bool()>& check, bool asUser = false,
                          std::chrono::seconds limit = std::chrono::seconds(5)) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    if (asUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    ::_exit(check() ? 0 : 1);
  }
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A full disk, as far as this process can tell: writes past `bytes` into any
// file fail (EFBIG) while the guard lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

}  // namespace tivorum::testing
