#include "calc/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "calc/file_write.h"

namespace tivorum {

FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileRead result;
  OpenedFile opened = openRegularFile(path, O_RDONLY | O_NOCTTY);
  switch (opened.problem) {
    case FileProblem::None:
      break;
    case FileProblem::Missing:
      result.problem = FileRead::Problem::Missing;
      return result;
    case FileProblem::NotRegular:
      result.problem = FileRead::Problem::NotRegular;
      return result;
    case FileProblem::Refused:
      result.problem = FileRead::Problem::Unreadable;
      return result;
  }
  const int fd = opened.handle.get();
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    result.problem = FileRead::Problem::Unreadable;
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
  return result;
}

}  // namespace tivorum
