#include "calc/ini_merge.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "calc/file_write.h"
#include "calc/ini_file.h"
#include "calc/settings.h"
#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::inodeOf;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

// A file as another program (or a person) left it: a comment, a section this
// program does not know, odd spacing and a Windows-1252 byte.
constexpr const char* kOnDisk =
    "; my calculator\r\n"
    "[Calculator Memory]\r\n"
    "Memory Loc. 0 = 5\r\n"
    "Memory Loc. 1=7\r\n"
    "\r\n"
    "[Notes]\r\n"
    "Caf\xE9=open\r\n"
    "\r\n"
    "[Hints]\r\n"
    "HintOn=1\r\n";

std::vector<IniEntry> entries(const std::string& m0, const std::string& m1,
                              const std::string& hint) {
  return {{"Calculator Memory", "Memory Loc. 0", m0},
          {"Calculator Memory", "Memory Loc. 1", m1},
          {"Hints", "HintOn", hint}};
}

// A run that has read kOnDisk: locations 0 and 1 hold 5 and 7, hints on.
class IniMergeRun : public ::testing::Test {
 protected:
  IniMergeRun() {
    writeFile(path, kOnDisk);
    run.remember(entries("5", "7", "1"));
  }
  TempFolder dir;
  const std::filesystem::path path = dir / "CUSTOM.INI";
  IniMerge run{path};
};

TEST_F(IniMergeRun, WritesOnlyTheKeysThisRunChanged) {
  // Meanwhile another program changes location 1 and the hints.
  IniFile other(path);
  other.writeString("Calculator Memory", "Memory Loc. 1", "99");
  other.writeString("Hints", "HintOn", "0");
  ASSERT_TRUE(other.save().ok);

  // This run changes location 0 only; its stale 7 and 1 must not come back.
  ASSERT_TRUE(run.save(entries("12", "7", "1")).ok);
  EXPECT_EQ(readFile(path),
            "; my calculator\r\n"
            "[Calculator Memory]\r\n"
            "Memory Loc. 0 = 12\r\n"
            "Memory Loc. 1=99\r\n"
            "\r\n"
            "[Notes]\r\n"
            "Caf\xE9=open\r\n"
            "\r\n"
            "[Hints]\r\n"
            "HintOn=0\r\n");
}

TEST_F(IniMergeRun, NothingChangedLeavesTheFileAlone) {
  const ino_t before = inodeOf(path);
  ASSERT_TRUE(run.save(entries("5", "7", "1")).ok);
  EXPECT_EQ(inodeOf(path), before);  // not replaced
  EXPECT_EQ(readFile(path), kOnDisk);
}

TEST(IniMerge, AKeyBothRunsChangedTakesTheLaterValue) {
  struct Case {
    const char* what;
    bool firstSavesLast;
    const char* expected;
  };
  const Case cases[] = {{"second run saves last", false, "Memory Loc. 0 = 222\r\n"},
                        {"first run saves last", true, "Memory Loc. 0 = 111\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    const auto path = dir / "CUSTOM.INI";
    writeFile(path, kOnDisk);
    IniMerge first(path);
    IniMerge second(path);
    first.remember(entries("5", "7", "1"));
    second.remember(entries("5", "7", "1"));
    if (c.firstSavesLast) {
      ASSERT_TRUE(second.save(entries("222", "7", "1")).ok);
      ASSERT_TRUE(first.save(entries("111", "7", "0")).ok);
    } else {
      ASSERT_TRUE(first.save(entries("111", "7", "0")).ok);
      ASSERT_TRUE(second.save(entries("222", "7", "1")).ok);
    }
    const std::string text = readFile(path);
    EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    // The first run's hint change is its own; the second never touched it.
    EXPECT_NE(text.find("HintOn=0\r\n"), std::string::npos) << text;
  }
}

TEST_F(IniMergeRun, ChangesSinceTheLastSaveOnly) {
  ASSERT_TRUE(run.save(entries("12", "7", "1")).ok);
  // Another program sets location 0 after our save; saving again unchanged
  // must keep its value.
  IniFile other(path);
  other.writeString("Calculator Memory", "Memory Loc. 0", "33");
  ASSERT_TRUE(other.save().ok);
  ASSERT_TRUE(run.save(entries("12", "8", "1")).ok);
  const IniFile after(path);
  EXPECT_EQ(after.readString("Calculator Memory", "Memory Loc. 0", ""), "33");
  EXPECT_EQ(after.readString("Calculator Memory", "Memory Loc. 1", ""), "8");
}

TEST_F(IniMergeRun, AFileDeletedMeanwhileIsMadeAgainWithThisRunsValues) {
  std::filesystem::remove(path);
  ASSERT_TRUE(run.save(entries("5", "8", "1")).ok);
  EXPECT_EQ(readFile(path),
            "[Calculator Memory]\r\nMemory Loc. 0=5\r\nMemory Loc. 1=8\r\n"
            "\r\n[Hints]\r\nHintOn=1\r\n");
}

TEST(IniMerge, KeysTheFileLacksAreWrittenUnchangedOrNot) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  writeFile(path, "[Hints]\r\nHintOn=1\r\n");
  IniMerge run(path);
  run.remember(entries("0", "0", "1"));
  ASSERT_TRUE(run.save(entries("0", "0", "1")).ok);
  EXPECT_EQ(readFile(path),
            "[Hints]\r\nHintOn=1\r\n"
            "\r\n[Calculator Memory]\r\nMemory Loc. 0=0\r\nMemory Loc. 1=0\r\n");
}

TEST(IniMerge, AReadOnlyFileIsNeverReplaced) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  writeFile(path, kOnDisk);
  ::chmod(path.c_str(), 0444);
  ::chmod(dir.path().c_str(), 0777);
  // Root may write anything; the refusal is for an ordinary user, so the
  // save runs in a child that has become one.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    IniMerge run(path);
    run.remember(entries("5", "7", "1"));
    const WriteResult r = run.save(entries("6", "7", "1"));
    ::_exit(!r.ok && r.message == "Error. Cannot write file " + path.string() + "." ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readFile(path), kOnDisk);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "CUSTOM.INI");  // no temporary left
  }
}

TEST(IniFileTemporaries, OnlyThoseOfEndedProcessesAreRemoved) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  // A process that has ended: its number is free until reused.
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ::waitpid(ended, nullptr, 0);
  const std::string stale = ".CUSTOM.INI.tmp" + std::to_string(ended) + "-1";
  const std::string live = ".CUSTOM.INI.tmp" + std::to_string(::getpid()) + "-1";
  const std::vector<std::string> kept = {live, ".CUSTOM.INI.tmpx-1", ".OTHER.INI.tmp1-1",
                                         "CUSTOM.INI"};
  writeFile(dir / stale, "half");
  for (const std::string& name : kept) writeFile(dir / name, "x");
  EXPECT_EQ(removeStaleTemporaries(path), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / stale));
  for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
}

// Another program's hold on the folder lock, from this process: flock locks
// of separate opens exclude each other even within one process.
class FolderHold {
 public:
  explicit FolderHold(const std::filesystem::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
  }
  ~FolderHold() { release(); }
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;
  bool held() const { return held_; }
  void release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
  bool held_ = false;
};

TEST_F(IniMergeRun, ASaveNeverGoesAheadWithoutTheLock) {
  FolderHold other(dir.path());
  ASSERT_TRUE(other.held());

  WriteResult r = run.save(entries("6", "7", "1"));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.busy);
  EXPECT_EQ(r.message, "Error. Cannot write file " + path.string() +
                           ". Another program has kept its folder locked for 10 seconds.");
  EXPECT_EQ(readFile(path), kOnDisk);
  // The currency window's Save as well.
  EXPECT_TRUE(saveCurrencyFactor(dir.path(), 3, "2").busy);
  EXPECT_EQ(readFile(path), kOnDisk);

  // Retried until the other program lets go; the turned-away change is kept.
  int pauses = 0;
  r = retryWhileLocked([&] { return run.save(entries("6", "7", "1")); },
                       [&] {
                         if (++pauses == 3) other.release();
                       });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(pauses, 3);
  EXPECT_EQ(IniFile(path).readString("Calculator Memory", "Memory Loc. 0", ""), "6");
}

TEST(IniMergeLock, RetriesEndAfterThePatienceWithTheMessage) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  FolderHold other(dir.path());
  ASSERT_TRUE(other.held());
  IniMerge run(path);
  int pauses = 0;
  const auto start = std::chrono::steady_clock::now();
  const WriteResult r = retryWhileLocked([&] { return run.save(entries("1", "2", "3")); },
                                         [&] { ++pauses; }, std::chrono::milliseconds(300));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  EXPECT_TRUE(r.busy);
  EXPECT_GT(pauses, 0);
  EXPECT_FALSE(std::filesystem::exists(path));
  // A result that is no lock problem ends the retries at once.
  pauses = 0;
  const WriteResult failed = retryWhileLocked(
      [] { return WriteResult::failure("Error. Cannot write file x."); }, [&] { ++pauses; });
  EXPECT_FALSE(failed.busy);
  EXPECT_EQ(pauses, 0);
}

TEST(IniMergeLock, ALinkedFileIsLockedInItsTargetsFolder) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "real");
  std::filesystem::create_symlink("real/CUSTOM.INI", dir / "CUSTOM.INI");
  FolderHold other(dir / "real");
  ASSERT_TRUE(other.held());
  IniMerge run(dir / "CUSTOM.INI");
  EXPECT_TRUE(run.save(entries("1", "2", "3")).busy);
  other.release();
  EXPECT_TRUE(run.save(entries("1", "2", "3")).ok);
}

}  // namespace
