#include "calc/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::FileSizeLimit;
using tivorum::testing::InodeFlag;
using tivorum::testing::inodeOf;
using tivorum::testing::passesInChild;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

struct ReadCase {
  const char* what;
  std::string content;
  const char* section;
  const char* key;
  const char* expected;  // nullptr: not found
};

TEST(IniFileRead, FollowsTheProfileFileRules) {
  const std::string longValue(100000, 'x');
  const ReadCase cases[] = {
      {"plain", "[Hints]\r\nHintOn=0\r\n", "Hints", "HintOn", "0"},
      {"section case", "[HINTS]\r\nHintOn=0\r\n", "hints", "HintOn", "0"},
      {"key case", "[Hints]\r\nhinton=0\r\n", "Hints", "HINTON", "0"},
      {"missing key", "[Hints]\r\nOther=0\r\n", "Hints", "HintOn", nullptr},
      {"missing section", "[Tape]\r\nHintOn=0\r\n", "Hints", "HintOn", nullptr},
      {"key of the next section", "[Hints]\r\n[Tape]\r\nHintOn=0\r\n", "Hints", "HintOn", nullptr},
      {"empty file", "", "Hints", "HintOn", nullptr},
      {"LF line ends", "[Location]\nTop=12\nLeft=7\n", "Location", "Left", "7"},
      {"CR line ends", "[Location]\rTop=12\rLeft=7\r", "Location", "Left", "7"},
      {"no final line end", "[Location]\r\nTop=12", "Location", "Top", "12"},
      {"byte-order mark", "\xEF\xBB\xBF[Location]\r\nTop=12\r\n", "Location", "Top", "12"},
      {"blanks around names and =", "  [ Location ]  \r\n \t Top \t=\t 12 \t\r\n", "Location",
       "Top", "12"},
      {"blanks inside names kept", "[Calculator Memory]\r\nMemory Loc. 3=15.5\r\n",
       "calculator memory", "memory loc. 3", "15.5"},
      {"dollar in key", "[Currency Factors]\r\nCanadian $=0.75\r\n", "Currency Factors",
       "Canadian $", "0.75"},
      {"junk lines skipped", "garbage before\r\n[Location]\r\nnot a key\r\nTop=12\r\n!!\r\n",
       "Location", "Top", "12"},
      {"comment is not a key", "[Location]\r\n;Top=99\r\nTop=12\r\n", "Location", "Top", "12"},
      {"commented key only", "[Location]\r\n ; Top=99\r\n", "Location", "Top", nullptr},
      {"key before any section", "Top=99\r\n[Location]\r\n", "Location", "Top", nullptr},
      {"first of repeated keys", "[Location]\r\nTop=1\r\ntop=2\r\n", "Location", "Top", "1"},
      {"first of repeated sections", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "k", "1"},
      {"keys of a repeated section are hidden", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j", nullptr},
      {"unclosed header is junk", "[A]\r\n[B\r\nk=1\r\n", "A", "k", "1"},
      {"text after header ignored", "[A] ; first\r\nk=1\r\n", "A", "k", "1"},
      {"value holds =", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
      {"empty value is present", "[A]\r\nk=\r\n", "A", "k", ""},
      {"double quotes taken off", "[A]\r\nk=\"  12.5 \"\r\n", "A", "k", "  12.5 "},
      {"single quotes taken off", "[A]\r\nk='x'\r\n", "A", "k", "x"},
      {"unmatched quotes kept", "[A]\r\nk=\"x'\r\n", "A", "k", "\"x'"},
      {"lone quote kept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
      {"long line", "[A]\r\nk=" + longValue + "\r\n", "A", "k", longValue.c_str()},
  };
  TempFolder dir;
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir / "CUSTOM.INI", c.content);
    IniFile ini(dir / "CUSTOM.INI");
    EXPECT_FALSE(ini.readFailed());
    std::optional<std::string> value = ini.find(c.section, c.key);
    if (c.expected == nullptr) {
      EXPECT_FALSE(value.has_value()) << *value;
      EXPECT_EQ(ini.readString(c.section, c.key, "dflt"), "dflt");
    } else {
      ASSERT_TRUE(value.has_value());
      EXPECT_EQ(*value, c.expected);
      EXPECT_EQ(ini.readString(c.section, c.key, "dflt"), c.expected);
    }
  }
}

TEST(IniFileRead, MissingFileOrFolderGivesDefaults) {
  TempFolder dir;
  for (const auto& path : {dir / "CUSTOM.INI", dir / "absent" / "CUSTOM.INI"}) {
    IniFile ini(path);
    EXPECT_FALSE(ini.readFailed());
    EXPECT_EQ(ini.readString("Hints", "HintOn", "x"), "x");
    EXPECT_EQ(ini.readInteger("Location", "Top", -3), -3);
    EXPECT_TRUE(ini.readBool("Hints", "HintOn", true));
    EXPECT_FALSE(ini.readBool("Hints", "HintOn", false));
  }
}

struct NumberCase {
  const char* value;
  int integer;  // read with default -7
  bool flagWhenDefaultTrue;
  bool flagWhenDefaultFalse;
};

TEST(IniFileRead, IntegersAndBooleans) {
  const NumberCase cases[] = {
      {"0", 0, false, false},
      {"1", 1, true, true},
      {"2", 2, true, true},
      {"-1", -1, true, true},
      {"+7", 7, true, true},
      {" 12 ", 12, true, true},
      {"-20", -20, true, true},
      {"2147483647", 2147483647, true, true},
      {"2147483648", -7, true, false},
      {"12abc", -7, true, false},
      {"1.5", -7, true, false},
      {"0x10", -7, true, false},
      {"true", -7, true, false},
      {"", -7, true, false},
      {"+", -7, true, false},
      {"-", -7, true, false},
      {"+-3", -7, true, false},
      {"1 2", -7, true, false},
  };
  TempFolder dir;
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(std::string("value '") + c.value + "'");
    writeFile(dir / "x.ini", std::string("[S]\nk=") + c.value + "\n");
    IniFile ini(dir / "x.ini");
    EXPECT_EQ(ini.readInteger("S", "k", -7), c.integer);
    EXPECT_EQ(ini.readBool("S", "k", true), c.flagWhenDefaultTrue);
    EXPECT_EQ(ini.readBool("S", "k", false), c.flagWhenDefaultFalse);
  }
}

struct WriteCase {
  const char* what;
  std::string before;  // "" and absent are the same to the writer
  std::function<void(IniFile&)> edit;
  std::string after;
};

TEST(IniFileWrite, ChangesOnlyWhatItWrites) {
  const WriteCase cases[] = {
      {"new file", "", [](IniFile& f) { f.writeString("Hints", "HintOn", "1"); },
       "[Hints]\r\nHintOn=1\r\n"},
      {"value replaced in place, spacing kept", "[Hints]\nHintOn = 1 \n; note\n",
       [](IniFile& f) { f.writeBool("Hints", "HintOn", false); }, "[Hints]\nHintOn = 0\n; note\n"},
      {"file's spelling of names kept", "[hints]\r\nhinton=1\r\n",
       [](IniFile& f) { f.writeString("Hints", "HintOn", "0"); }, "[hints]\r\nhinton=0\r\n"},
      {"empty value replaced", "[A]\r\nk=\r\n", [](IniFile& f) { f.writeString("A", "k", "5"); },
       "[A]\r\nk=5\r\n"},
      {"only the first of repeated keys", "[A]\r\nk=1\r\nk=2\r\n",
       [](IniFile& f) { f.writeInteger("A", "k", 9); }, "[A]\r\nk=9\r\nk=2\r\n"},
      {"new key after the section's last key", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
       [](IniFile& f) { f.writeString("A", "z", "3"); }, "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
      {"new key before a trailing comment", "[A]\nx=1\n; about B\n[B]\n",
       [](IniFile& f) { f.writeString("a", "z", "3"); }, "[A]\nx=1\nz=3\n; about B\n[B]\n"},
      {"new key under an empty header", "[A]\n\n[B]\n",
       [](IniFile& f) { f.writeString("A", "z", "3"); }, "[A]\nz=3\n\n[B]\n"},
      {"new key after a header without line end", "[A]",
       [](IniFile& f) { f.writeString("A", "z", "3"); }, "[A]\r\nz=3\r\n"},
      {"new section after a blank line, LF kept", "[A]\nx=1\n",
       [](IniFile& f) { f.writeString("B", "y", "2"); }, "[A]\nx=1\n\n[B]\ny=2\n"},
      {"new section when the last line has no end", "[A]\nx=1",
       [](IniFile& f) { f.writeString("B", "y", "2"); }, "[A]\nx=1\n\n[B]\ny=2\n"},
      {"no second blank line", "[A]\r\nx=1\r\n\r\n",
       [](IniFile& f) { f.writeString("B", "y", "2"); }, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
      {"names written as given", "",
       [](IniFile& f) {
         f.writeString("Calculator Memory", "Memory Loc. 0", "15.5");
         f.writeString("Currency Factors", "Canadian $", "0.75");
       },
       "[Calculator Memory]\r\nMemory Loc. 0=15.5\r\n\r\n[Currency Factors]\r\nCanadian "
       "$=0.75\r\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF[A]\r\nx=1\r\n",
       [](IniFile& f) { f.writeString("A", "x", "2"); }, "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
      {"byte-order mark alone", "\xEF\xBB\xBF", [](IniFile& f) { f.writeString("A", "x", "2"); },
       "\xEF\xBB\xBF\r\n[A]\r\nx=2\r\n"},
      {"blanks kept by quoting", "", [](IniFile& f) { f.writeString("A", "m", "   15.50"); },
       "[A]\r\nm=\"   15.50\"\r\n"},
      {"quoted text kept by quoting", "", [](IniFile& f) { f.writeString("A", "m", "'q'"); },
       "[A]\r\nm=\"'q'\"\r\n"},
      {"keys in the order written", "",
       [](IniFile& f) {
         f.writeInteger("Location", "Top", 10);
         f.writeInteger("Location", "Left", -20);
         f.writeInteger("Location", "Top", 11);
       },
       "[Location]\r\nTop=11\r\nLeft=-20\r\n"},
  };
  TempFolder dir;
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.what);
    const auto path = dir / "CUSTOM.INI";
    std::filesystem::remove(path);
    if (!c.before.empty()) writeFile(path, c.before);
    IniFile ini(path);
    c.edit(ini);
    EXPECT_EQ(ini.text(), c.after);
    EXPECT_TRUE(ini.modified());
    ASSERT_TRUE(ini.save().ok);
    EXPECT_EQ(readFile(path), c.after);
  }
}

TEST(IniFileWrite, ValuesReadBackAsWritten) {
  const std::vector<std::string> values = {"0",
                                           "15.5",
                                           "          15.50",
                                           " 8.00000000000000E+0000",
                                           "",
                                           "\"q\"",
                                           "'a'",
                                           "x\"",
                                           "a=b",
                                           ";x",
                                           "[y]",
                                           "tab\tinside",
                                           "\t",
                                           "\"",
                                           std::string(5000, 'z')};
  TempFolder dir;
  {
    IniFile ini(dir / "CUSTOM.INI");
    for (std::size_t i = 0; i < values.size(); ++i) {
      ini.writeString("Values", "v" + std::to_string(i), values[i]);
    }
    ASSERT_TRUE(ini.save().ok);
  }
  IniFile again(dir / "CUSTOM.INI");
  for (std::size_t i = 0; i < values.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(again.readString("values", "V" + std::to_string(i), "missing"), values[i]);
  }
}

TEST(IniFileWrite, HandEditedFileKeepsEverythingElse) {
  const std::string before =
      "; Tivorum settings, edited by hand\r\n"
      "\r\n"
      "[My Own]\r\n"
      "colour = blue\r\n"
      "\r\n"
      "[hints]\r\n"
      "  HintOn = 1   \r\n"
      "junk line\n"
      "[Location]\r\n"
      "Top=5\r\n"
      "; trailing remark";
  const std::string after =
      "; Tivorum settings, edited by hand\r\n"
      "\r\n"
      "[My Own]\r\n"
      "colour = blue\r\n"
      "\r\n"
      "[hints]\r\n"
      "  HintOn = 0\r\n"
      "junk line\n"
      "[Location]\r\n"
      "Top=40\r\n"
      "Left=30\r\n"
      "; trailing remark\r\n"
      "\r\n"
      "[Tape]\r\n"
      "ShowTape=1\r\n";
  TempFolder dir;
  writeFile(dir / "CUSTOM.INI", before);
  IniFile ini(dir / "CUSTOM.INI");
  ini.writeBool("Hints", "HintOn", false);
  ini.writeInteger("Location", "Top", 40);
  ini.writeInteger("Location", "Left", 30);
  ini.writeBool("Tape", "ShowTape", true);
  ASSERT_TRUE(ini.save().ok);
  EXPECT_EQ(readFile(dir / "CUSTOM.INI"), after);
}

TEST(IniFileWrite, UnchangedValueLeavesFileAlone) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  writeFile(path, "[A]\r\nk = 5\r\n");
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  IniFile ini(path);
  ini.writeInteger("a", "K", 5);
  EXPECT_FALSE(ini.modified());
  EXPECT_TRUE(ini.save().ok);
  // A save replaces the file by a new one; an unmodified file is not rewritten.
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST(IniFileWrite, RejectsNamesThatWouldBreakTheFile) {
  TempFolder dir;
  IniFile ini(dir / "CUSTOM.INI");
  EXPECT_THROW(ini.writeString("A]", "k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.writeString("A\nB", "k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.writeString("A", "k=1", "v"), std::invalid_argument);
  EXPECT_THROW(ini.writeString("A", "k\r", "v"), std::invalid_argument);
  // Such key lines would read back as a section or a comment.
  EXPECT_THROW(ini.writeString("A", "[k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.writeString("A", " ;k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.writeString("A", "k", "v\r\n[B]"), std::invalid_argument);
  EXPECT_EQ(ini.text(), "");
}

TEST(IniFileSave, AtomicKeepsModeAndLeavesNoTemporaryFile) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  writeFile(path, "[A]\nk=1\n");
  ::chmod(path.c_str(), 0640);
  IniFile ini(path);
  ini.writeString("A", "k", "2");
  ASSERT_TRUE(ini.save().ok);
  EXPECT_EQ(readFile(path), "[A]\nk=2\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"CUSTOM.INI"});
}

TEST(IniFileSave, WritesThroughALink) {
  struct LinkCase {
    const char* what;
    const char* linkTo;        // relative to the folder of the link
    const char* targetBefore;  // nullptr: the target does not exist yet
    const char* targetAfter;
  };
  const LinkCase cases[] = {
      {"to a file beside it", "real.ini", "[A]\r\nk=1\r\n", "[A]\r\nk=2\r\n"},
      {"to a file not there yet", "real.ini", nullptr, "[A]\r\nk=2\r\n"},
      {"to a file in another folder", "elsewhere/real.ini", nullptr, "[A]\r\nk=2\r\n"},
      {"through a second link", "second.ini", "[A]\r\nk=1\r\n", "[A]\r\nk=2\r\n"},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    std::filesystem::create_directory(dir / "elsewhere");
    std::filesystem::create_symlink("real.ini", dir / "second.ini");
    std::filesystem::create_symlink(c.linkTo, dir / "CUSTOM.INI");
    const std::filesystem::path target =
        std::string(c.linkTo) == "second.ini" ? dir / "real.ini" : dir.path() / c.linkTo;
    if (c.targetBefore) writeFile(target, c.targetBefore);
    IniFile ini(dir / "CUSTOM.INI");
    EXPECT_FALSE(ini.readFailed());
    EXPECT_EQ(ini.readString("A", "k", "none"), c.targetBefore ? "1" : "none");
    ini.writeString("A", "k", "2");
    ASSERT_TRUE(ini.save().ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "CUSTOM.INI"));
    EXPECT_EQ(readFile(target), c.targetAfter);
    // The temporary file was made, and is gone, beside the target.
    for (const auto& folder : {dir.path(), dir / "elsewhere"}) {
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
      }
    }
  }
}

TEST(IniFileSave, ALoopOfLinksIsReported) {
  TempFolder dir;
  std::filesystem::create_symlink("CUSTOM.INI", dir / "CUSTOM.INI");
  IniFile ini(dir / "CUSTOM.INI");
  ini.writeString("A", "k", "2");
  const WriteResult r = ini.save();
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "CUSTOM.INI"));
}

TEST(IniFileSave, FailureIsReportedWithTheFullPath) {
  TempFolder dir;
  writeFile(dir / "plain file", "x");
  std::filesystem::create_directory(dir / "CUSTOM.INI");
  struct FailCase {
    const char* what;
    std::filesystem::path path;
    const char* message;  // followed by the path and "."
  };
  const FailCase cases[] = {
      {"missing folder", dir / "absent" / "CUSTOM.INI", "Error. Cannot write file "},
      {"folder is a file", dir / "plain file" / "CUSTOM.INI", "Error. Cannot write file "},
      {"file is a folder", dir / "CUSTOM.INI", "Error. Cannot read file "},
  };
  for (const FailCase& c : cases) {
    SCOPED_TRACE(c.what);
    IniFile ini(c.path);
    ini.writeString("Hints", "HintOn", "1");
    WriteResult r = ini.save();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, c.message + c.path.string() + ".");
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / "CUSTOM.INI"));

  // A name relative to the working folder is shown from the root.
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  IniFile relative("plain file/CUSTOM.INI");
  relative.writeString("Hints", "HintOn", "1");
  const WriteResult r = relative.save();
  std::filesystem::current_path(here);
  EXPECT_EQ(r.message,
            "Error. Cannot write file " + (dir / "plain file/CUSTOM.INI").string() + ".");
}

TEST(IniFileSpecial, NeitherReadNorWrittenNorWaitedFor) {
  struct SpecialCase {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    std::filesystem::file_type type;
  };
  const SpecialCase cases[] = {
      {"FIFO", [](const auto& p) { ::mkfifo(p.c_str(), 0666); }, std::filesystem::file_type::fifo},
      {"link to a FIFO",
       [](const auto& p) {
         ::mkfifo((p.parent_path() / "fifo").c_str(), 0666);
         std::filesystem::create_symlink("fifo", p);
       },
       std::filesystem::file_type::fifo},
      {"device", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); },
       std::filesystem::file_type::character},
      {"folder", [](const auto& p) { std::filesystem::create_directory(p); },
       std::filesystem::file_type::directory},
  };
  for (const SpecialCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    const auto path = dir / "CUSTOM.INI";
    c.make(path);
    EXPECT_TRUE(passesInChild([&] {
      IniFile ini(path);
      const std::string readMessage = "Error. Cannot read file " + path.string() + ".";
      if (!ini.readFailed() || ini.readFailure().message != readMessage) return false;
      ini.writeString("Hints", "HintOn", "1");
      const WriteResult r = ini.save();
      return !r.ok && r.message == readMessage;
    }));
    EXPECT_EQ(std::filesystem::status(path).type(), c.type);
  }
}

TEST(IniFileSave, AFullDiskKeepsTheOldFile) {
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  const std::string before = "[A]\r\nk=1\r\n";
  writeFile(path, before);
  IniFile ini(path);
  ini.writeString("A", "k", std::string(5000, '2'));
  {
    FileSizeLimit full(1000);
    const WriteResult r = ini.save();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Error. Cannot write file " + path.string() + ".");
  }
  EXPECT_EQ(readFile(path), before);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "CUSTOM.INI");
  }
}

TEST(IniFileSave, AFolderThatCannotBeWrittenHasTheFileWrittenInPlace) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "locked");
  const auto path = dir / "locked" / "CUSTOM.INI";
  writeFile(path, "[A]\r\nk=1\r\n");
  const ino_t before = inodeOf(path);
  {
    InodeFlag immutable(dir / "locked", FS_IMMUTABLE_FL);
    if (!immutable.set()) GTEST_SKIP() << "cannot make a folder immutable here";
    IniFile ini(path);
    ini.writeString("A", "k", "2");
    ini.writeString("B", "new", "3");
    ASSERT_TRUE(ini.save().ok);
    EXPECT_EQ(readFile(path), "[A]\r\nk=2\r\n\r\n[B]\r\nnew=3\r\n");
    EXPECT_EQ(inodeOf(path), before);

    // Shorter content leaves nothing of the longer one behind.
    IniFile shorter(path);
    shorter.writeString("A", "k", "");
    ASSERT_TRUE(shorter.save().ok);
    EXPECT_EQ(readFile(path), "[A]\r\nk=\r\n\r\n[B]\r\nnew=3\r\n");
  }
  // Only when the file itself cannot be written either, the message.
  InodeFlag folderLocked(dir / "locked", FS_IMMUTABLE_FL);
  InodeFlag fileLocked(path, FS_IMMUTABLE_FL);
  ASSERT_TRUE(folderLocked.set() && fileLocked.set());
  IniFile ini(path);
  ini.writeString("A", "k", "4");
  const WriteResult r = ini.save();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Error. Cannot write file " + path.string() + ".");
  EXPECT_EQ(readFile(path), "[A]\r\nk=\r\n\r\n[B]\r\nnew=3\r\n");
}

struct Owner {
  uid_t uid;
  gid_t gid;
  mode_t mode;
  bool operator==(const Owner&) const = default;
};

Owner ownerOf(const std::filesystem::path& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return {st.st_uid, st.st_gid, st.st_mode & 07777};
}

constexpr uid_t kNobody = 65534;

TEST(IniFileSave, RootKeepsTheUsersOwnerGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  TempFolder dir;
  const auto path = dir / "CUSTOM.INI";
  writeFile(path, "[A]\r\nk=1\r\n");
  for (const Owner& before : {Owner{kNobody, kNobody, 0640}, Owner{kNobody, 0, 0604}}) {
    ASSERT_EQ(::chown(path.c_str(), before.uid, before.gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), before.mode), 0);
    IniFile ini(path);
    ini.writeString("A", "k", std::to_string(before.mode));
    ASSERT_TRUE(ini.save().ok);
    EXPECT_EQ(readFile(path), "[A]\r\nk=" + std::to_string(before.mode) + "\r\n");
    EXPECT_TRUE(ownerOf(path) == before) << ownerOf(path).uid << ":" << ownerOf(path).gid;
  }
}

TEST(IniFileSave, AUserWritesAnothersSharedFileInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
  // Folders nobody may not write in, or only into files of their own.
  for (const mode_t folderMode : {0755, 01777}) {
    SCOPED_TRACE(folderMode);
    TempFolder dir;
    ::chmod(dir.path().c_str(), folderMode);
    const auto path = dir / "CUSTOM.INI";
    writeFile(path, "; shared\r\n[A]\r\nk=1\r\n");
    ::chmod(path.c_str(), 0666);
    const Owner before = ownerOf(path);
    const ino_t inode = inodeOf(path);
    EXPECT_TRUE(passesInChild(
        [&] {
          IniFile ini(path);
          ini.writeString("A", "k", "2");
          return ini.save().ok;
        },
        true));
    EXPECT_EQ(readFile(path), "; shared\r\n[A]\r\nk=2\r\n");
    EXPECT_TRUE(ownerOf(path) == before);
    EXPECT_EQ(inodeOf(path), inode);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      EXPECT_EQ(entry.path().filename(), "CUSTOM.INI");
    }
  }
}

}  // namespace
