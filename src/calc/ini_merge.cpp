#include "calc/ini_merge.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <thread>

#include "calc/ini_file.h"

namespace tivorum {

namespace {

std::string folded(const std::string& s) {
  std::string out = s;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Keeps two copies of the program from reading and replacing the file at the
// same moment: the folder itself is locked, which leaves no lock file behind.
// A lock that cannot be had within a second is done without.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

IniMerge::Name IniMerge::nameOf(const IniEntry& entry) {
  return {folded(entry.section), folded(entry.key)};
}

void IniMerge::remember(const std::vector<IniEntry>& read) {
  for (const IniEntry& entry : read) remembered_[nameOf(entry)] = entry.value;
}

WriteResult IniMerge::save(const std::vector<IniEntry>& current) {
  FolderLock lock(path_);
  IniFile ini(path_);
  for (const IniEntry& entry : current) {
    auto it = remembered_.find(nameOf(entry));
    const bool changed = it == remembered_.end() || it->second != entry.value;
    if (changed || !ini.find(entry.section, entry.key)) {
      ini.writeString(entry.section, entry.key, entry.value);
    }
  }
  WriteResult result = ini.save();
  if (result.ok) remember(current);
  return result;
}

}  // namespace tivorum
