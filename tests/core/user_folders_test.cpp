#include "calc/user_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>
#include <string_view>

#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

TEST(UserFolders, FollowTheXdgRules) {
  struct Case {
    std::map<std::string, std::string> environment;
    const char* config;
    const char* state;
  };
  const Case cases[] = {
      {{{"HOME", "/home/u"}}, "/home/u/.config/tivorum", "/home/u/.local/state/tivorum"},
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_STATE_HOME", "/s"}},
       "/c/tivorum",
       "/s/tivorum"},
      // Relative or empty values are ignored, as the rules say.
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "rel"}, {"XDG_STATE_HOME", "./s"}},
       "/home/u/.config/tivorum",
       "/home/u/.local/state/tivorum"},
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", ""}, {"XDG_STATE_HOME", ""}},
       "/home/u/.config/tivorum",
       "/home/u/.local/state/tivorum"},
  };
  for (const Case& c : cases) {
    const Environment environment = [&c](const char* name) -> const char* {
      const auto it = c.environment.find(name);
      return it == c.environment.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(userFolder(UserFolder::Config, environment), c.config);
    EXPECT_EQ(userFolder(UserFolder::State, environment), c.state);
  }
  // Without HOME, or with a HOME that is no absolute path, the password
  // database names the home folder.
  const auto none = [](const char*) -> const char* { return nullptr; };
  EXPECT_TRUE(userFolder(UserFolder::State, none).is_absolute());
  for (const char* home : {"", "relative/home"}) {
    const auto relative = [home](const char* name) -> const char* {
      return std::string_view(name) == "HOME" ? home : nullptr;
    };
    EXPECT_TRUE(homeFolder(relative).is_absolute()) << home;
    EXPECT_EQ(homeFolder(relative), homeFolder(none));
  }
}

TEST(UserFolders, MadeForTheUserOnly) {
  TempFolder dir;
  const auto folder = dir / ".local/state/tivorum";
  ASSERT_TRUE(makeUserFolder(folder));
  ASSERT_TRUE(makeUserFolder(folder));  // already there
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  writeFile(dir / "file", "");
  EXPECT_FALSE(makeUserFolder(dir / "file" / "tivorum"));
}

}  // namespace
