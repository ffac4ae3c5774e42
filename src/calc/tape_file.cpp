#include "calc/tape_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "calc/file_write.h"

namespace tivorum {

namespace {

// One pass through a large buffer keeps a tape of a million lines quick.
bool writeLines(int fd, std::span<const std::string> lines) {
  constexpr std::size_t kChunk = 1 << 20;
  std::string buffer;
  buffer.reserve(kChunk + 4096);
  for (const std::string& line : lines) {
    buffer += line;
    buffer += "\r\n";
    if (buffer.size() >= kChunk) {
      if (!writeAll(fd, buffer)) return false;
      buffer.clear();
    }
  }
  return writeAll(fd, buffer);
}

}  // namespace

std::string tapeFileError(std::string_view step, std::string_view fileName) {
  std::string text = "Error. Cannot ";
  text += step;
  text += " file ";
  text += fileName;
  text += '.';
  return text;
}

bool tapeFileIsBig(const std::filesystem::path& folder) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(folder / kTapeFileName, ec);
  return !ec && size > kBigTapeFileSize;
}

WriteResult appendTapeText(const std::filesystem::path& path, std::span<const std::string> lines,
                           bool emptyWhenBig, std::string_view shownName) {
  auto failure = [&](std::string_view step) {
    return WriteResult::failure(tapeFileError(step, shownName));
  };
  std::error_code ec;
  int fd = -1;
  if (std::filesystem::exists(path, ec)) {
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return failure("open");
    if (emptyWhenBig) {
      struct stat st {};
      if (::fstat(fd, &st) != 0 ||
          (static_cast<std::uintmax_t>(st.st_size) > kBigTapeFileSize && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return failure("empty");
      }
    }
  } else {
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return failure("create");
  }
  const bool written = writeLines(fd, lines);
  if (::close(fd) != 0 || !written) return failure("write");
  return WriteResult::success();
}

WriteResult writeTapeFile(const std::filesystem::path& folder, std::span<const std::string> lines,
                          bool bigTapeFile) {
  return appendTapeText(folder / kTapeFileName, lines, bigTapeFile, kTapeFileName);
}

}  // namespace tivorum
