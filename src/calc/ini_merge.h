// Saving into an INI file that other programs may change while this one runs
// (a second copy of the calculator, an editor): a save reads the file as it is
// at that moment and writes only the values this run changed, so the other
// program's changes stay. Where both changed a key, the later save wins.
//
// Every save holds the lock of the file's folder from its read to its write,
// so that two copies never read the same file and then overwrite each
// other's change. A save never goes ahead without the lock: when another
// program holds it, the save writes nothing and says so (WriteResult::busy),
// and the caller tries again.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/write_result.h"

namespace tivorum {

class IniFile;

// How long one save waits for the lock, short enough not to hold up a window.
inline constexpr std::chrono::milliseconds kLockWait{50};
// How long the saves are retried before the user is told.
inline constexpr std::chrono::seconds kLockPatience{10};

// What the user is told when another program has held the lock of the folder
// of `path` for kLockPatience.
std::string lockedMessage(const std::filesystem::path& path);

// Takes the folder lock (waiting up to kLockWait), reads `path`, applies
// `edit` and saves the file.
[[nodiscard]] WriteResult editLocked(const std::filesystem::path& path,
                                     const std::function<void(IniFile&)>& edit);

// Runs `attempt` until it is not turned away by the lock, calling `pause`
// between attempts; after `patience` the last result (busy, with
// lockedMessage's text) is returned.
[[nodiscard]] WriteResult retryWhileLocked(
    const std::function<WriteResult()>& attempt, const std::function<void()>& pause,
    std::chrono::steady_clock::duration patience = kLockPatience);

struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};

class IniMerge {
 public:
  explicit IniMerge(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The values as this run read them from the file.
  void remember(const std::vector<IniEntry>& read);
  // The key's value is the user's latest word, to be written by the next save
  // even when it equals what this run read or saved before.
  void forget(std::string_view section, std::string_view key);

  // Re-reads the file and writes, in the given order, every entry whose value
  // differs from the one remembered or that the file lacks; a file that is
  // gone is made again with all of them. Other lines keep their bytes. The file
  // is replaced as a whole, and not at all when nothing needs writing.
  // Written values are remembered.
  [[nodiscard]] WriteResult save(const std::vector<IniEntry>& current);

 private:
  using Name = std::pair<std::string, std::string>;  // section and key, folded
  static Name nameOf(std::string_view section, std::string_view key);

  std::filesystem::path path_;
  std::map<Name, std::string> remembered_;
};

}  // namespace tivorum
