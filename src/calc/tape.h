// The tape as the engine and the modules see it: lines appended at the end,
// the last one removed, all cleared. The main window's text pane implements
// it; MemoryTape keeps the lines in memory (tests, solvers).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tivorum {

class Tape {
 public:
  virtual ~Tape() = default;
  virtual void append(const std::string& line) = 0;
  virtual void removeLast() = 0;
  virtual void clear() = 0;
};

class MemoryTape : public Tape {
 public:
  void append(const std::string& line) override { lines.push_back(line); }
  void removeLast() override {
    if (!lines.empty()) lines.pop_back();
  }
  void clear() override { lines.clear(); }

  std::vector<std::string> lines;
};

// The modules' block writer: t1 is always appended, t2..t5 only when not
// empty. Each text is a short text of at most 255 characters.
void appendTape5(Tape& tape, std::string_view t1, std::string_view t2 = {},
                 std::string_view t3 = {}, std::string_view t4 = {}, std::string_view t5 = {});

}  // namespace tivorum
