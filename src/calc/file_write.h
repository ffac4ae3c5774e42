// Writing a whole buffer to a file descriptor, through short writes and
// interruptions.
#pragma once

#include <string_view>

namespace tivorum {

// False when the system refuses a write (disk full, I/O error).
bool writeAll(int fd, std::string_view data);

}  // namespace tivorum
