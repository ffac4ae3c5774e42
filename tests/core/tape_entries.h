// A tape as a list of lines with their notes, for the tests of the files
// made from the tape.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/tape_content.h"

namespace tivorum::testing {

using Entries = std::vector<std::pair<std::string, std::string>>;  // line, note

struct EntriesTape : TapeContent {
  EntriesTape() = default;
  explicit EntriesTape(Entries e) : entries(std::move(e)) {}
  std::size_t size() const override { return entries.size(); }
  std::string_view line(std::size_t i) const override { return entries[i].first; }
  std::string_view note(std::size_t i) const override { return entries[i].second; }
  Entries entries;
};

}  // namespace tivorum::testing
