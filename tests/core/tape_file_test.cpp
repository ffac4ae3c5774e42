#include "calc/tape_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::FileSizeLimit;
using tivorum::testing::InodeFlag;
using tivorum::testing::passesInChild;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

const std::vector<std::string> kTape = {"12", "+", "3.5", "= 15.5"};
const std::string kTapeText = "12\r\n+\r\n3.5\r\n= 15.5\r\n";

TEST(TapeFile, StartUpSizeCheck) {
  struct SizeCase {
    long size;  // -1: no file
    bool big;
  };
  const SizeCase cases[] = {{-1, false},     {0, false},     {100000, false},
                            {125000, false}, {125001, true}, {130000, true}};
  TempFolder dir;
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.size);
    std::filesystem::remove(dir / "CALCULAT.TXT");
    if (c.size >= 0) writeFile(dir / "CALCULAT.TXT", std::string(c.size, 'x'));
    EXPECT_EQ(tapeFileIsBig(dir.path()), c.big);
  }
  std::filesystem::remove(dir / "CALCULAT.TXT");
  std::filesystem::create_directory(dir / "CALCULAT.TXT");
  EXPECT_FALSE(tapeFileIsBig(dir.path()));
}

TEST(TapeFile, AppendsEmptiesOrCreates) {
  struct PrintCase {
    const char* what;
    long before;  // size of an existing file of 'x', -1: none
    bool bigAtStartUp;
    std::string after;
  };
  const PrintCase cases[] = {
      {"created when missing", -1, false, kTapeText},
      {"created when missing, big flag irrelevant", -1, true, kTapeText},
      {"appended to an empty file", 0, false, kTapeText},
      {"appended to a 100000-byte file", 100000, true, std::string(100000, 'x') + kTapeText},
      {"appended at exactly the limit", 125000, true, std::string(125000, 'x') + kTapeText},
      {"big now but small at start-up: appended", 130000, false,
       std::string(130000, 'x') + kTapeText},
      {"big at start-up: emptied first", 130000, true, kTapeText},
  };
  TempFolder dir;
  for (const PrintCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir / "CALCULAT.TXT");
    if (c.before >= 0) writeFile(dir / "CALCULAT.TXT", std::string(c.before, 'x'));
    const WriteResult r = writeTapeFile(dir.path(), kTape, c.bigAtStartUp);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readFile(dir / "CALCULAT.TXT"), c.after);
  }
}

TEST(TapeFile, PrintingTwiceAppendsTwice) {
  TempFolder dir;
  ASSERT_TRUE(writeTapeFile(dir.path(), kTape, false).ok);
  ASSERT_TRUE(writeTapeFile(dir.path(), kTape, false).ok);
  ASSERT_TRUE(writeTapeFile(dir.path(), {}, false).ok);
  EXPECT_EQ(readFile(dir / "CALCULAT.TXT"), kTapeText + kTapeText);
}

TEST(TapeFile, EmptyLinesAreWritten) {
  TempFolder dir;
  const std::vector<std::string> lines = {"", "Payment", "", ""};
  ASSERT_TRUE(writeTapeFile(dir.path(), lines, false).ok);
  EXPECT_EQ(readFile(dir / "CALCULAT.TXT"), "\r\nPayment\r\n\r\n\r\n");
}

TEST(TapeFile, FileThatCannotBeOpenedIsReported) {
  TempFolder dir;
  writeFile(dir / "CALCULAT.TXT", "mine\r\n");
  // Immutable holds even for root: the file is there but may not be written.
  InodeFlag immutable(dir / "CALCULAT.TXT", FS_IMMUTABLE_FL);
  if (!immutable.set()) GTEST_SKIP() << "cannot make a file immutable here";
  const WriteResult r = writeTapeFile(dir.path(), kTape, true);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Error. Cannot open file CALCULAT.TXT.");
}

TEST(TapeFile, SpecialFilesAreLeftAsTheyAre) {
  struct SpecialCase {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    std::filesystem::file_type type;  // what must still be there afterwards
  };
  const SpecialCase cases[] = {
      {"folder", [](const auto& p) { std::filesystem::create_directory(p); },
       std::filesystem::file_type::directory},
      {"FIFO nobody reads", [](const auto& p) { ::mkfifo(p.c_str(), 0666); },
       std::filesystem::file_type::fifo},
      {"device", [](const auto& p) { std::filesystem::create_symlink("/dev/null", p); },
       std::filesystem::file_type::character},
  };
  for (const SpecialCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    c.make(dir / "CALCULAT.TXT");
    // Each big flag: neither may open, empty or hang.
    for (bool big : {false, true}) {
      EXPECT_TRUE(passesInChild([&] {
        const WriteResult r = writeTapeFile(dir.path(), kTape, big);
        return !r.ok && r.message == "Error. Cannot write file CALCULAT.TXT.";
      }));
    }
    EXPECT_EQ(std::filesystem::status(dir / "CALCULAT.TXT").type(), c.type);
  }
}

TEST(TapeFile, FileThatCannotBeCreatedIsReported) {
  TempFolder dir;
  writeFile(dir / "not a folder", "");
  for (const auto& folder : {dir / "absent", dir / "not a folder"}) {
    SCOPED_TRACE(folder.string());
    const WriteResult r = writeTapeFile(folder, kTape, false);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Error. Cannot create file CALCULAT.TXT.");
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "absent"));
}

TEST(TapeFile, FileThatCannotBeEmptiedIsReportedAndKept) {
  TempFolder dir;
  const std::string before(130000, 'x');
  writeFile(dir / "CALCULAT.TXT", before);
  // An append-only file can be opened for appending but not truncated.
  InodeFlag appendOnly(dir / "CALCULAT.TXT", FS_APPEND_FL);
  if (!appendOnly.set()) GTEST_SKIP() << "cannot make a file append-only here";
  const WriteResult r = writeTapeFile(dir.path(), kTape, true);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Error. Cannot empty file CALCULAT.TXT.");
  EXPECT_EQ(readFile(dir / "CALCULAT.TXT"), before);
  // Not big at start-up: appending still works.
  EXPECT_TRUE(writeTapeFile(dir.path(), kTape, false).ok);
  EXPECT_EQ(readFile(dir / "CALCULAT.TXT"), before + kTapeText);
}

TEST(TapeFile, FullDiskIsReported) {
  TempFolder dir;
  std::vector<std::string> lines(100, std::string(30, '7'));
  {
    FileSizeLimit full(1000);
    const WriteResult r = writeTapeFile(dir.path(), lines, false);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Error. Cannot write file CALCULAT.TXT.");
  }
  EXPECT_LE(std::filesystem::file_size(dir / "CALCULAT.TXT"), 1000u);
}

TEST(TapeFile, AnotherTextFileIsAppendedWithoutTheSizeRule) {
  TempFolder dir;
  const std::string before(130000, 'x');
  writeFile(dir / "tape.txt", before);
  ASSERT_TRUE(appendTapeText(dir / "tape.txt", kTape, false, "tape.txt").ok);
  ASSERT_TRUE(appendTapeText(dir / "tape.txt", kTape, false, "tape.txt").ok);
  EXPECT_EQ(readFile(dir / "tape.txt"), before + kTapeText + kTapeText);
  EXPECT_FALSE(std::filesystem::exists(dir / "CALCULAT.TXT"));
}

TEST(TapeFile, EveryFailureNamesTheFile) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "folder.txt");
  const std::string absent = (dir / "absent" / "tape.txt").string();
  const std::string folder = (dir / "folder.txt").string();
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {absent, "Error. Cannot create file " + absent + "."},
      {folder, "Error. Cannot write file " + folder + "."},
      {"/dev/full", "Error. Cannot write file /dev/full."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    if (c.path == "/dev/full" && !std::filesystem::exists(c.path)) continue;
    const WriteResult r = appendTapeText(c.path, kTape, false, c.path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, c.message);
  }
}

TEST(TapeFile, MillionLinesInOrder) {
  std::vector<std::string> lines;
  lines.reserve(1000000);
  std::string expected;
  for (int i = 0; i < 1000000; ++i) {
    // Uneven lengths so lines straddle the writer's buffer boundaries.
    lines.push_back(std::to_string(i) + std::string(i % 7, '.'));
    expected += lines.back();
    expected += "\r\n";
  }
  TempFolder dir;
  ASSERT_TRUE(writeTapeFile(dir.path(), lines, false).ok);
  EXPECT_TRUE(readFile(dir / "CALCULAT.TXT") == expected);
}

}  // namespace
