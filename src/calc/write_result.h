// The outcome of writing one of the program's files.
#pragma once

#include <string>
#include <utility>

namespace tivorum {

struct WriteResult {
  bool ok = true;
  std::string message;  // what the error box shows when !ok

  static WriteResult success() { return {}; }
  static WriteResult failure(std::string text) { return {false, std::move(text)}; }
};

}  // namespace tivorum
