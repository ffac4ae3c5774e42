// Plain descriptions of the financial windows: every control with its place,
// caption and hint, in the order the window makes them, and the tab order,
// so that one builder makes every window. Hints hold real line breaks.
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "calc/button_captions.h"
#include "finance/periods.h"

namespace tivorum {

// A control's place in its parent, in pixels.
struct Place {
  int left;
  int top;
  int width;
  int height;
};

// Where a radio item starts in its group; it is as wide as its caption, so
// that a click beside it misses, as on a real radio button.
struct Spot {
  int left;
  int top;
};

// Where a caption label's left edge is.
enum class LabelStart {
  Placed,
  BesideMark,     // in line with the captions of radio items: right of the mark
  AfterPrevious,  // `left` pixels after the control made just before it
};

enum class TextAlign { Left, Right };

// A control's parent is a frame or radio group of its window named by
// `parent`, or the window itself when that is empty. Accessible names given
// as captions lose their trailing colon.

struct LabelData {
  std::string_view name;
  std::string_view caption;
  Place place;
  std::string_view parent = {};
  std::string_view buddy = {};  // the control it labels
  TextAlign align = TextAlign::Left;
  LabelStart start = LabelStart::Placed;
  bool wrap = false;
};

// A numeric entry field; its label or radio item is a control of its own.
struct EntryFieldData {
  std::string_view name;
  int maxLength;  // 0: no limit
  std::string_view initialText = {};
  std::string_view hint;
  std::string_view accessibleName = {};
  Place place = {};
  std::string_view parent = {};
};

// A caption label and the read-only result field beside it.
struct ResultFieldData {
  std::string_view labelName;
  std::string_view labelCaption;
  std::string_view name;
  std::string_view hint;
  Place labelPlace = {};
  Place place = {};
  std::string_view parent = {};
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
  Place labelPlace = {};
  Place place = {};
  std::string_view parent = {};
};

// A drop-down list, choice only, of period captions or of plain items, with
// a caption label in front of it when `labelName` is not empty.
struct DropDownData {
  std::string_view labelName;
  std::string_view labelCaption;
  std::string_view name;
  std::span<const PaymentPeriod> periods = {};
  std::span<const std::string_view> items = {};
  std::string_view hint;
  std::string_view accessibleName = {};  // the label's caption when empty
  Place labelPlace = {};
  Place place = {};
  std::string_view parent = {};
};

// Close closes the window and Help shows its help topic; a Plain button's
// click is the window's own.
enum class ButtonKind { Plain, Close, Help };

struct ButtonData {
  std::string_view name;
  std::string_view caption;  // "&" marks the access key
  std::string_view hint;
  ButtonKind kind = ButtonKind::Plain;
  Place place = {};
};

// A radio group; an empty caption draws no frame title.
struct RadioGroupData {
  std::string_view name;
  std::string_view caption = {};
  std::span<const std::string_view> items;
  int initialIndex;
  std::string_view hint;
  std::string_view accessibleName = {};  // the caption when empty
  Place place = {};
  std::span<const Spot> itemSpots = {};
  std::string_view parent = {};
};

// A radio button of its own, outside any group.
struct RadioData {
  std::string_view name;
  std::string_view caption;
  Spot spot;
  int minHeight;
  std::string_view accessibleName;
  std::string_view parent = {};
};

// A frame around other controls.
struct FrameData {
  std::string_view name;
  std::string_view caption;
  Place place;
  std::string_view hint = {};
  std::string_view parent = {};
};

using ModuleControl = std::variant<const LabelData*, const EntryFieldData*, const ResultFieldData*,
                                   const SpinFieldData*, const DropDownData*, const RadioGroupData*,
                                   const RadioData*, const FrameData*, const ButtonData*>;

struct ModuleWindowData {
  std::string_view formName;  // class and objectName of the window
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  std::string_view helpTopic;
  // In the order they are made: a frame or group before what it holds.
  std::span<const ModuleControl> controls;
  std::span<const std::string_view> tabOrder;
  bool fixedDialog = false;  // no minimise box, above the other windows
};

inline constexpr std::string_view kCloseHint = "Return to calculator.";
inline constexpr std::string_view kHelpHint = "Get help...";

}  // namespace tivorum
