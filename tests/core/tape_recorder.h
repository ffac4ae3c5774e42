// Records every change a tape's observer hears of, each as one text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/tape_lines.h"

namespace tivorum {

struct TapeRecorder : TapeObserver {
  std::vector<std::string> events;
  void appended(std::string_view line) override { events.push_back("+" + std::string(line)); }
  void removedLast() override { events.push_back("-"); }
  void cleared() override { events.push_back("clear"); }
  void noteSet(std::size_t index, std::string_view note) override {
    events.push_back(std::to_string(index) + ":" + std::string(note));
  }
};

}  // namespace tivorum
