// Reading a whole file that may be anything the user named: a FIFO, a device
// or a folder is refused without waiting on it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tivorum {

struct FileRead {
  enum class Problem { None, Missing, Unreadable, NotRegular, TooBig };
  Problem problem = Problem::None;
  std::string bytes;
  bool ok() const { return problem == Problem::None; }
};

// The file's bytes, when it is a regular file of at most `maxBytes` bytes.
FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace tivorum
