// A fresh folder under the system's temporary folder, removed with its
// content afterwards, and small helpers for whole-file reads and writes.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tivorum::testing {

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

}  // namespace tivorum::testing
