#include "calc/ini_merge.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>

#include "calc/file_write.h"
#include "calc/ini_file.h"

namespace tivorum {

namespace {

// The folder of the file a save writes (a link's target), locked as a whole:
// that leaves no lock file behind, and copies reaching the file through
// different links still meet. Closing the descriptor releases the lock, also
// when the process is killed.
class FolderLock {
 public:
  enum class State { Held, Busy, NoFolder };

  explicit FolderLock(const std::filesystem::path& file) {
    std::filesystem::path target = linkTarget(file);
    if (target.empty()) target = file;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    folder_ = FileHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder_) {
      state_ = State::NoFolder;
      return;
    }
    const auto until = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(folder_.get(), LOCK_EX | LOCK_NB) != 0) {
      if (std::chrono::steady_clock::now() >= until) {
        state_ = State::Busy;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  State state() const { return state_; }

 private:
  FileHandle folder_;
  State state_ = State::Held;
};

}  // namespace

std::string lockedMessage(const std::filesystem::path& path) {
  return "Error. Cannot write file " + absoluteName(path) + ". Another program has kept its " +
         "folder locked for " + std::to_string(kLockPatience.count()) + " seconds.";
}

WriteResult editLocked(const std::filesystem::path& path,
                       const std::function<void(IniFile&)>& edit) {
  FolderLock lock(path);
  switch (lock.state()) {
    case FolderLock::State::Busy:
      return WriteResult::lockedOut(lockedMessage(path));
    case FolderLock::State::NoFolder:
      return WriteResult::failure("Error. Cannot write file " + absoluteName(path) + ".");
    case FolderLock::State::Held:
      break;
  }
  IniFile ini(path);
  edit(ini);
  return ini.save();
}

WriteResult retryWhileLocked(const std::function<WriteResult()>& attempt,
                             const std::function<void()>& pause,
                             std::chrono::steady_clock::duration patience) {
  const auto until = std::chrono::steady_clock::now() + patience;
  WriteResult result = attempt();
  while (result.busy && std::chrono::steady_clock::now() < until) {
    pause();
    result = attempt();
  }
  return result;
}

IniMerge::Name IniMerge::nameOf(std::string_view section, std::string_view key) {
  return {folded(section), folded(key)};
}

void IniMerge::remember(const std::vector<IniEntry>& read) {
  for (const IniEntry& entry : read) remembered_[nameOf(entry.section, entry.key)] = entry.value;
}

void IniMerge::forget(std::string_view section, std::string_view key) {
  remembered_.erase(nameOf(section, key));
}

WriteResult IniMerge::save(const std::vector<IniEntry>& current) {
  WriteResult result = editLocked(path_, [&](IniFile& ini) {
    for (const IniEntry& entry : current) {
      auto it = remembered_.find(nameOf(entry.section, entry.key));
      const bool changed = it == remembered_.end() || it->second != entry.value;
      if (changed || !ini.find(entry.section, entry.key)) {
        ini.writeString(entry.section, entry.key, entry.value);
      }
    }
  });
  if (result.ok) remember(current);
  return result;
}

}  // namespace tivorum
