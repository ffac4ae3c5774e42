#include "calc/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace tivorum {

namespace {

const char* systemEnvironment(const char* name) {
  return std::getenv(name);
}

}  // namespace

std::filesystem::path homeFolder(const Environment& environment) {
  const char* home = environment("HOME");
  if (home && std::filesystem::path(home).is_absolute()) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/";
}

std::filesystem::path homeFolder() {
  return homeFolder(systemEnvironment);
}

std::filesystem::path userFolder(UserFolder which, const Environment& environment) {
  const bool config = which == UserFolder::Config;
  const char* value = environment(config ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME");
  std::filesystem::path base;
  if (value && std::filesystem::path(value).is_absolute()) {
    base = value;
  } else {
    base = homeFolder(environment) / (config ? ".config" : ".local/state");
  }
  return base / "tivorum";
}

std::filesystem::path userFolder(UserFolder which) {
  return userFolder(which, systemEnvironment);
}

bool makeUserFolder(const std::filesystem::path& folder) {
  std::filesystem::path made;
  for (const auto& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace tivorum
