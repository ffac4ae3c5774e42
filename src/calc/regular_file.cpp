#include "calc/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tivorum {

FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileRead result;
  // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    result.problem = errno == ENOENT ? FileRead::Problem::Missing : FileRead::Problem::Unreadable;
    return result;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    result.problem = FileRead::Problem::Unreadable;
  } else if (!S_ISREG(st.st_mode)) {
    result.problem = FileRead::Problem::NotRegular;
  } else if (static_cast<std::size_t>(st.st_size) > maxBytes) {
    result.problem = FileRead::Problem::TooBig;
  } else {
    result.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    // The file may grow or shrink while it is read: read to its end.
    for (;;) {
      if (got == result.bytes.size()) result.bytes.resize(got + 65536);
      const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result.problem = FileRead::Problem::Unreadable;
        break;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
      if (got > maxBytes) {
        result.problem = FileRead::Problem::TooBig;
        break;
      }
    }
    result.bytes.resize(result.ok() ? got : 0);
  }
  ::close(fd);
  return result;
}

}  // namespace tivorum
