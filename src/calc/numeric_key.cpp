#include "calc/numeric_key.h"

#include <bitset>

namespace tivorum {

namespace {

constexpr std::uint16_t kFirstCode = kVkBackspace;
constexpr std::uint16_t kLastCode = 191;

// The accepted codes as a set over 8..191.
std::bitset<kLastCode - kFirstCode + 1> makeAccepted() {
  std::bitset<kLastCode - kFirstCode + 1> set;
  auto add = [&set](int from, int to) {
    for (int c = from; c <= to; ++c) set.set(c - kFirstCode);
  };
  add(kVkBackspace, kVkTab);
  add(33, 40);    // Page Up, Page Down, End, Home, arrows
  add(45, 46);    // Insert, Delete
  add(48, 57);    // digits
  add(96, 105);   // keypad digits
  add(110, 110);  // keypad point
  add(190, 190);  // full stop
  return set;
}

const auto kAccepted = makeAccepted();

}  // namespace

bool NumericKeyAllowed(std::uint16_t code, std::string_view text) {
  if (code < kFirstCode || code > kLastCode) return false;
  if (!kAccepted.test(code - kFirstCode)) return false;
  if (code == kVkKeypadDecimal || code == kVkPeriod) {
    // The point just typed is the last character; any earlier one is a second.
    text = text.substr(0, 255);
    if (text.size() > 1 && text.substr(0, text.size() - 1).find('.') != std::string_view::npos)
      return false;
  }
  return true;
}

}  // namespace tivorum
