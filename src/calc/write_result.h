// The outcome of writing one of the program's files.
#pragma once

#include <string>
#include <utility>

namespace tivorum {

struct WriteResult {
  bool ok = true;
  std::string message;  // what the error box shows when !ok
  // Another program held the file's folder locked: nothing was written, and
  // trying again later may succeed.
  bool busy = false;

  static WriteResult success() { return {}; }
  static WriteResult failure(std::string text) { return {false, std::move(text)}; }
  static WriteResult lockedOut(std::string text) { return {false, std::move(text), true}; }
};

}  // namespace tivorum
