// Older help and settings files were written in Windows-1252. A value that is
// not valid UTF-8 is taken to be such text and converted, so "été" shows as
// written instead of as replacement marks.
#pragma once

#include <string>
#include <string_view>

namespace tivorum {

bool isValidUtf8(std::string_view text);

// Appends the UTF-8 bytes of one Unicode code point.
void appendUtf8(std::string& out, char32_t c);

// The text itself when it is valid UTF-8, else each byte read as Windows-1252
// (the five bytes that code page leaves unassigned become the C1 controls of
// the same number, as browsers read them).
std::string utf8FromLegacy(std::string_view text);

}  // namespace tivorum
