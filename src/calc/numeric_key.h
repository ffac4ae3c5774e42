// The key filter of the numeric entry fields: which virtual-key codes may
// reach a field. Window-free so it can be tested and shared by every field.
#pragma once

#include <cstdint>
#include <string_view>

namespace tivorum {

// Virtual-key codes the filter knows by name.
inline constexpr std::uint16_t kVkBackspace = 8;
inline constexpr std::uint16_t kVkTab = 9;
inline constexpr std::uint16_t kVkKeypadDecimal = 110;
inline constexpr std::uint16_t kVkPeriod = 190;

// True when the key `code` is accepted in a field whose first line is `text`:
// digits of the main keyboard and keypad, the editing and navigation keys,
// and a decimal point (main keyboard or keypad) as long as no character of
// `text` before its last is already a ".". `text` is the line as it stands
// with the typed point at its end; only its first 255 characters count.
bool NumericKeyAllowed(std::uint16_t code, std::string_view text);

}  // namespace tivorum
