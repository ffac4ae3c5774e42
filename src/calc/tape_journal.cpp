#include "calc/tape_journal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "calc/file_write.h"
#include "calc/regular_file.h"
#include "calc/tape_file.h"
#include "calc/user_folders.h"

namespace tivorum {

namespace {

constexpr std::string_view kRunEnding = ".run";
constexpr std::string_view kTemporaryEnding = ".tmp";
// Far beyond a journal of a million lines of 255 characters.
constexpr std::size_t kMaxJournalBytes = std::size_t{1} << 31;

// The folder's lock: held for the moment names change in it. Waits for
// another copy's start or end (a rewrite of a long journal takes a while),
// but not for ever: a copy stopped while holding it must not stop this one.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0 &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

bool endsWith(const std::string& name, std::string_view ending) {
  return name.size() >= ending.size() && name.compare(name.size() - ending.size(), ending.size(),
                                                      ending.data(), ending.size()) == 0;
}

// A run or temporary file of this folder whose copy is gone: nobody holds
// its lock. The open descriptor then holds it, so that nobody adopts it twice.
struct Orphan {
  std::filesystem::path path;
  timespec modified{};
  int fd = -1;
};

bool later(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

}  // namespace

TapeJournal::TapeJournal(std::filesystem::path folder, std::size_t maxLines)
    : folder_(std::move(folder)),
      settled_(folder_ / kJournalFileName),
      maxLines_(std::max<std::size_t>(maxLines, 1)) {}

TapeJournal::~TapeJournal() {
  // Left for the next start to adopt, as a kill would leave it.
  if (fd_ >= 0) ::close(fd_);
}

void TapeJournal::clearOrphans(bool keep) {
  std::error_code ec;
  std::vector<Orphan> orphans;
  const std::string prefix = std::string(kJournalFileName) + ".";
  for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
    const std::string name = entry.path().filename().string();
    const bool run = endsWith(name, kRunEnding);
    if (!name.starts_with(prefix) || !(run || endsWith(name, kTemporaryEnding))) continue;
    if (entry.path() == runPath_) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);  // its copy still runs
      continue;
    }
    // A temporary never got its name: it holds no finished tape.
    if (run && keep)
      orphans.push_back({entry.path(), st.st_mtim, fd});
    else {
      std::filesystem::remove(entry.path(), ec);
      ::close(fd);
    }
  }
  struct stat settled {};
  const bool haveSettled = keep && ::stat(settled_.c_str(), &settled) == 0;
  const Orphan* newest = nullptr;
  for (const Orphan& o : orphans) {
    if ((!haveSettled || later(o.modified, settled.st_mtim)) &&
        (!newest || later(o.modified, newest->modified)))
      newest = &o;
  }
  for (const Orphan& o : orphans) {
    if (&o == newest)
      std::filesystem::rename(o.path, settled_, ec);
    else
      std::filesystem::remove(o.path, ec);
    ::close(o.fd);
  }
  if (!keep) std::filesystem::remove(settled_, ec);
}

std::unique_ptr<JournalReplay> TapeJournal::load() {
  FileRead read;
  if (makeUserFolder(folder_)) {
    FolderLock lock(folder_);
    clearOrphans(true);
    read = readRegularFile(settled_, kMaxJournalBytes);
  }
  return std::make_unique<JournalReplay>(std::move(read.bytes), maxLines_);
}

void TapeJournal::start(const TapeContent& tape) {
  tape_ = &tape;
  const std::size_t first = tape.size() > maxLines_ ? tape.size() - maxLines_ : 0;
  const std::string snapshot = journalSnapshot(tape, first);
  if (!makeUserFolder(folder_)) return fail();
  FolderLock lock(folder_);
  // Written whole under a temporary name and then renamed, so that a run file
  // always holds a whole tape.
  std::filesystem::path temporary, run = runPath_;
  int fd = -1;
  const std::string base = settled_.string() + "." + std::to_string(::getpid()) + "-";
  for (int n = 0; fd < 0 && n < 1000; ++n) {
    temporary = base + std::to_string(n) + std::string(kTemporaryEnding);
    if (runPath_.empty()) {
      // A name no other run file has, not even one of this process.
      run = base + std::to_string(n) + std::string(kRunEnding);
      if (::access(run.c_str(), F_OK) == 0) continue;
    }
    fd = ::open(temporary.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return fail();
  std::error_code ec;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !writeAll(fd, snapshot) ||
      (std::filesystem::rename(temporary, run, ec), ec)) {
    std::filesystem::remove(temporary, ec);
    ::close(fd);
    return fail();
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  runPath_ = run;
  offset_ = first;
  lines_ = records_ = tape.size() - first;
}

void TapeJournal::write(std::string_view record) {
  if (fd_ < 0) return;
  // One write per record: a kill between two records loses neither.
  if (!writeAll(fd_, record)) return fail();
  ++records_;
}

void TapeJournal::compactIfLong() {
  if (tape_ && records_ > maxLines_ + maxLines_ / 2) start(*tape_);
}

void TapeJournal::appended(std::string_view line) {
  write(appendRecord(line));
  ++lines_;
  compactIfLong();
}

void TapeJournal::removedLast() {
  if (lines_ == 0) {
    // A line from before the journal's first one.
    if (offset_ > 0) --offset_;
    return;
  }
  write(removeLastRecord());
  --lines_;
  compactIfLong();
}

void TapeJournal::cleared() {
  offset_ = lines_ = records_ = 0;
  if (fd_ < 0) return;
  // An empty tape is the header alone; the file gets no longer for it.
  if (::ftruncate(fd_, static_cast<off_t>(kJournalHeader.size())) != 0) fail();
}

void TapeJournal::noteSet(std::size_t index, std::string_view note) {
  // A note on a line the journal no longer holds is not kept.
  if (index < offset_) return;
  write(noteRecord(index - offset_, note));
  compactIfLong();
}

void TapeJournal::closeRun() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  runPath_.clear();
  tape_ = nullptr;
}

void TapeJournal::settle() {
  if (fd_ < 0) return;
  FolderLock lock(folder_);
  // The time of the end, which tells the next start which copy ended last.
  std::error_code ec;
  if (::futimens(fd_, nullptr) != 0 || (std::filesystem::rename(runPath_, settled_, ec), ec))
    fail();
  closeRun();
}

void TapeJournal::discard() {
  std::error_code ec;
  if (fd_ >= 0) std::filesystem::remove(runPath_, ec);
  closeRun();
  if (!std::filesystem::is_directory(folder_, ec)) return;
  FolderLock lock(folder_);
  clearOrphans(false);
}

void TapeJournal::fail() {
  failed_ = true;
}

WriteResult TapeJournal::takeProblem() {
  if (!failed_ || problemShown_) return WriteResult::success();
  problemShown_ = true;
  return WriteResult::failure(tapeFileError("write", settled_.string()));
}

}  // namespace tivorum
