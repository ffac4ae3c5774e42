#include "calc/tape_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "calc/file_write.h"
#include "calc/user_folders.h"

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

std::filesystem::path tapeFileFolder(const std::filesystem::path& working) {
  const bool writable = ::faccessat(AT_FDCWD, working.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
  return writable ? working : homeFolder();
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
  OpenedFile file = openRegularFile(path, O_WRONLY | O_APPEND);
  if (file.problem == FileProblem::Missing) {
    file = openRegularFile(path, O_WRONLY | O_APPEND | O_CREAT);
    if (file.problem == FileProblem::NotRegular) return failure("write");
    if (!file.ok()) return failure("create");
  } else if (file.problem == FileProblem::NotRegular) {
    // A folder, a FIFO or a device is left as it is.
    return failure("write");
  } else if (!file.ok()) {
    return failure("open");
  } else if (emptyWhenBig) {
    struct stat st {};
    if (::fstat(file.handle.get(), &st) != 0 ||
        (static_cast<std::uintmax_t>(st.st_size) > kBigTapeFileSize &&
         ::ftruncate(file.handle.get(), 0) != 0)) {
      return failure("empty");
    }
  }
  const bool written = writeLines(file.handle.get(), lines);
  if (!file.handle.close() || !written) return failure("write");
  return WriteResult::success();
}

WriteResult writeTapeFile(const std::filesystem::path& folder, std::span<const std::string> lines,
                          bool bigTapeFile) {
  return appendTapeText(folder / kTapeFileName, lines, bigTapeFile, kTapeFileName);
}

}  // namespace tivorum
