// Where an installed copy keeps the user's files, by the XDG base directory
// rules: settings in $XDG_CONFIG_HOME/tivorum (by default ~/.config/tivorum),
// the tape journal in $XDG_STATE_HOME/tivorum (~/.local/state/tivorum).
#pragma once

#include <filesystem>
#include <functional>

namespace tivorum {

enum class UserFolder { Config, State };

// Looks an environment variable up; null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// The folder's path (not made). A variable that is empty or not an absolute
// path is ignored, as the rules say; without HOME the password database
// names the home folder.
std::filesystem::path userFolder(UserFolder which, const Environment& environment);
std::filesystem::path userFolder(UserFolder which);

// The user's home folder: HOME when it is an absolute path, else the one the
// password database names.
std::filesystem::path homeFolder(const Environment& environment);
std::filesystem::path homeFolder();

// Makes the folder and its parents as needed, new ones readable by the user
// only. False when it cannot be made.
bool makeUserFolder(const std::filesystem::path& folder);

}  // namespace tivorum
