// Plain descriptions of the financial windows' controls, so each window only
// lays them out. Hints hold real line breaks.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "calc/button_captions.h"

namespace tivorum {

// A numeric entry field with the label or radio item in front of it.
struct EntryFieldData {
  std::string_view name;
  int maxLength;  // 0: no limit
  std::string_view initialText = {};
  std::string_view hint;
};

// A caption label and the read-only result field beside it.
struct ResultFieldData {
  std::string_view labelName;
  std::string_view labelCaption;
  std::string_view name;
  std::string_view hint;
};

// A caption label and a whole-number spin field.
struct SpinFieldData {
  std::string_view labelName;
  std::string_view labelCaption;
  std::string_view name;
  int minimum;
  int maximum;
  int maxLength;
  int initialValue;
  std::string_view hint = {};
};

struct ButtonData {
  std::string_view name;
  std::string_view caption;  // "&" marks the access key
  std::string_view hint;
};

// A radio group; an empty caption draws no frame title.
struct RadioGroupData {
  std::string_view name;
  std::string_view caption = {};
  std::span<const std::string_view> items;
  int initialIndex;
  std::string_view hint;
};

inline constexpr std::string_view kCloseHint = "Return to calculator.";
inline constexpr std::string_view kHelpHint = "Get help...";

}  // namespace tivorum
