// Opening, reading and writing the program's own files (the settings file, the
// tape file, ...) so that nothing hangs and nothing is lost unnoticed: a
// folder, a FIFO or a device where a file is expected is never opened for
// reading or writing (a FIFO would block the program for good), a short write
// or an interruption never passes for success, and a file is replaced only as
// a whole.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace tivorum {

// An open file descriptor, closed with its owner.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() { (void)close(); }
  FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
  FileHandle& operator=(FileHandle&& other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int release();
  // False when closing reports an error (a write the system had delayed).
  bool close();

 private:
  int fd_ = -1;
};

enum class FileProblem {
  None,
  Missing,     // no such file, or a folder on its way is missing
  NotRegular,  // a folder, FIFO, device or socket: left as it is
  Refused,     // the system said no (rights, a loop of links, I/O, disk full)
};

struct OpenedFile {
  FileHandle handle;
  FileProblem problem = FileProblem::None;
  bool ok() const { return problem == FileProblem::None; }
};

// Opens `path` (through links) with the open(2) `flags` (O_RDONLY,
// O_WRONLY | O_APPEND, O_CREAT with `mode`, ...) only when it is a regular
// file: something else is not even opened, and the open itself never waits.
// (readRegularFile in regular_file.h reads a whole file through it.)
OpenedFile openRegularFile(const std::filesystem::path& path, int flags, mode_t mode = 0666);

// Writes a whole buffer through short writes and interruptions. False when
// the system refuses a write (disk full, I/O error).
bool writeAll(int fd, std::string_view data);

// The file that writing `path` writes: the end of its chain of symbolic links
// (which may not exist yet), or `path` itself when it is no link. Empty for a
// loop of links.
std::filesystem::path linkTarget(const std::filesystem::path& path);

// `path` as an absolute path (not resolving links), for messages.
std::string absoluteName(const std::filesystem::path& path);

// Replaces the content of the file `path`, through links, creating it when
// missing. The new content goes into a temporary file beside the file actually
// written, which is then renamed over it, keeping its owner, group and mode; a
// folder that allows no such rename (a shared folder whose files belong to
// others) has the file written in place instead. A file this user may not
// write, or that is no regular file, is left as it is.
FileProblem replaceFileContent(const std::filesystem::path& path, std::string_view content);

// Removes the temporary files that replaceFileContent() calls on `path`
// interrupted by a crash or a kill left behind, beside the link and beside its
// target (those of running processes stay). Returns how many went.
int removeStaleTemporaries(const std::filesystem::path& path);

}  // namespace tivorum
