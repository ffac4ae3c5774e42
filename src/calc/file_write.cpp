#include "calc/file_write.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <set>
#include <system_error>

namespace tivorum {

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    (void)close();
    fd_ = other.release();
  }
  return *this;
}

int FileHandle::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

bool FileHandle::close() {
  if (fd_ < 0) return true;
  const int fd = release();
  return ::close(fd) == 0;
}

namespace {

FileProblem problemOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileProblem::Missing;
    case EISDIR:
    case ENXIO:  // a FIFO nobody reads
    case ENODEV:
      return FileProblem::NotRegular;
    default:
      return FileProblem::Refused;
  }
}

}  // namespace

OpenedFile openRegularFile(const std::filesystem::path& path, int flags, mode_t mode) {
  OpenedFile opened;
  // Look before opening: opening a device can do things of its own.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    opened.problem = FileProblem::NotRegular;
    return opened;
  }
  // Without O_NONBLOCK a FIFO put there meanwhile would hold the open.
  opened.handle = FileHandle(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode));
  if (!opened.handle) {
    opened.problem = problemOf(errno);
    return opened;
  }
  if (::fstat(opened.handle.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    opened.handle.close();
    opened.problem = FileProblem::NotRegular;
    return opened;
  }
  const int status = ::fcntl(opened.handle.get(), F_GETFL);
  if (status >= 0) ::fcntl(opened.handle.get(), F_SETFL, status & ~O_NONBLOCK);
  return opened;
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::filesystem::path linkTarget(const std::filesystem::path& path) {
  std::filesystem::path p = path;
  // As many links as the system itself follows before it gives up (ELOOP).
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
    const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
    if (ec) return p;
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return {};
}

std::string absoluteName(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return (ec ? path : full).lexically_normal().string();
}

namespace {

// Temporary files are named ".NAME.tmp<pid>-<n>", so that the next start can
// tell which ones an interrupted save left behind.
std::string temporaryPrefix(const std::filesystem::path& target) {
  return "." + target.filename().string() + ".tmp";
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

void syncFolder(const std::filesystem::path& folder) {
  FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir) ::fsync(dir.get());
}

enum class RenameOutcome { Done, Failed, NotAllowed };

// Writes `content` into a temporary file beside `target` and renames it over
// `target`. NotAllowed: the folder or the owner rules forbid it, nothing was
// changed, and an in-place write may still work.
RenameOutcome replaceByRename(const std::filesystem::path& target, std::string_view content,
                              const struct stat* old) {
  const std::filesystem::path folder = folderOf(target);
  static unsigned counter = 0;
  std::filesystem::path temp;
  FileHandle file;
  for (int attempt = 0; attempt < 100 && !file; ++attempt) {
    temp = folder /
           (temporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    // Private until it has the old file's owner and mode.
    file = FileHandle(
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666));
    if (!file && errno != EEXIST) return RenameOutcome::NotAllowed;
  }
  if (!file) return RenameOutcome::NotAllowed;
  auto discard = [&](RenameOutcome outcome) {
    file.close();
    ::unlink(temp.c_str());
    return outcome;
  };
  if (old) {
    // One run as root must not leave a user's file root's: a file whose
    // owner the rename would change is written in place instead.
    struct stat made {};
    const bool sameOwner =
        ::fstat(file.get(), &made) == 0 && made.st_uid == old->st_uid && made.st_gid == old->st_gid;
    if (!sameOwner && ::fchown(file.get(), old->st_uid, old->st_gid) != 0) {
      return discard(RenameOutcome::NotAllowed);
    }
    if (::fchmod(file.get(), old->st_mode & 07777) != 0) return discard(RenameOutcome::NotAllowed);
  }
  if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0) {
    return discard(RenameOutcome::Failed);
  }
  if (!file.close()) {
    ::unlink(temp.c_str());
    return RenameOutcome::Failed;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return RenameOutcome::NotAllowed;
  }
  // Make the rename itself durable; the file is already complete either way.
  syncFolder(folder);
  return RenameOutcome::Done;
}

// Overwrites the file where it is. The space is claimed first, so that a full
// disk refuses before the old content is touched.
FileProblem writeInPlace(const std::filesystem::path& target, std::string_view content) {
  OpenedFile opened = openRegularFile(target, O_WRONLY);
  if (!opened.ok()) return opened.problem;
  const int fd = opened.handle.get();
  const auto size = static_cast<off_t>(content.size());
  const int claimed = size > 0 ? ::posix_fallocate(fd, 0, size) : 0;
  if (claimed != 0 && claimed != EOPNOTSUPP && claimed != EINVAL) return FileProblem::Refused;
  if (::ftruncate(fd, 0) != 0 || !writeAll(fd, content) || ::fsync(fd) != 0) {
    return FileProblem::Refused;
  }
  return opened.handle.close() ? FileProblem::None : FileProblem::Refused;
}

}  // namespace

FileProblem replaceFileContent(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path target = linkTarget(path);
  if (target.empty()) return FileProblem::Refused;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return problemOf(errno);
  if (exists && !S_ISREG(old.st_mode)) return FileProblem::NotRegular;
  // The rename would replace a file its owner made read-only; a file this
  // user may not write is left alone, as an in-place write would have to.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return FileProblem::Refused;
  }
  switch (replaceByRename(target, content, exists ? &old : nullptr)) {
    case RenameOutcome::Done:
      return FileProblem::None;
    case RenameOutcome::Failed:
      return FileProblem::Refused;
    case RenameOutcome::NotAllowed:
      break;
  }
  return exists ? writeInPlace(target, content) : FileProblem::Refused;
}

namespace {

int removeStaleIn(const std::filesystem::path& file) {
  const std::string prefix = temporaryPrefix(file);
  std::error_code ec;
  std::filesystem::directory_iterator it(folderOf(file), ec);
  int removed = 0;
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    long pid = 0;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc() || end == rest.data() || *end != '-' || pid <= 0) continue;
    // A running copy of the program may be writing this one just now.
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) continue;
    if (::unlink(it->path().c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace

int removeStaleTemporaries(const std::filesystem::path& path) {
  std::set<std::filesystem::path> places = {path};
  const std::filesystem::path target = linkTarget(path);
  if (!target.empty()) places.insert(target);
  int removed = 0;
  for (const std::filesystem::path& place : places) removed += removeStaleIn(place);
  return removed;
}

}  // namespace tivorum
