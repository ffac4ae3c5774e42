// The key table: the keyboard map and the accelerators agree, no character
// presses two keys, and every keypad key reaches the engine.
#include "calc/keys.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>

#include "calc/engine.h"

using namespace tivorum;

namespace {

struct SilentHost : EngineHost {
  void showErrorBox(std::string_view, std::string_view) override {}
  bool confirm(std::string_view) override { return false; }
  void reportFault(std::string_view) override {}
};

}  // namespace

// The rows' order is checked where the table is written.
TEST(KeyTable, RowsHaveUniqueNamesAndSpokenNames) {
  std::set<std::string_view> names;
  for (const KeyRow& row : keyTable()) {
    EXPECT_TRUE(names.insert(row.name).second) << "twice: " << row.name;
    EXPECT_FALSE(row.spoken.empty()) << row.name;
    EXPECT_EQ(row.spoken.find('&'), std::string_view::npos) << row.name;
  }
}

TEST(KeyTable, NoCharacterPressesTwoKeys) {
  const struct {
    const char* focus;
    std::string_view KeyRow::*column;
  } columns[] = {
      {"key", &KeyRow::typed}, {"tape", &KeyRow::typedOnTape}, {"keypad", &KeyRow::keypad}};
  for (const auto& c : columns) {
    std::map<char, std::string_view> owner;
    for (const KeyRow& row : keyTable()) {
      for (char ch : row.*c.column) {
        auto [it, fresh] = owner.emplace(ch, row.name);
        EXPECT_TRUE(fresh) << "'" << ch << "' on " << c.focus << " presses " << it->second
                           << " and " << row.name;
      }
    }
  }
}

TEST(KeyTable, TypedCharacterFindsItsKey) {
  const struct {
    char16_t ch;
    bool tape;
    std::optional<Key> key;
  } cases[] = {
      {'+', false, Key::EPlus},   {'+', true, Key::Plus},           {'-', false, Key::EMinus},
      {'-', true, Key::Minus},    {'/', false, Key::OneOverX},      {'/', true, Key::Divide},
      {'x', false, Key::Square},  {'X', true, Key::XtoY},           {'s', false, Key::Store},
      {'s', true, Key::Recall},   {'R', false, Key::Recall},        {'r', true, Key::Store},
      {'!', true, std::nullopt},  {'i', true, std::nullopt},        {'y', false, Key::Copy},
      {'y', true, std::nullopt},  {',', true, Key::Point},          {'7', true, Key::Digit7},
      {'z', false, std::nullopt}, {u'\u00e9', false, std::nullopt}, {0, false, std::nullopt},
      {'=', false, Key::Equals},  {'=', true, Key::Equals},         {'\x1b', false, Key::Clear},
      {'\x1b', true, Key::Clear},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyForTyped(c.ch, c.tape), c.key) << static_cast<int>(c.ch) << " tape " << c.tape;
  }
}

// The numeric keypad computes: its operators are the four operations, not
// the exponent and reciprocal keys that typed "+", "-" and "/" press.
TEST(KeyTable, KeypadCharacterFindsItsKey) {
  const struct {
    char16_t ch;
    std::optional<Key> key;
  } cases[] = {
      {'+', Key::Plus},    {'-', Key::Minus},   {'*', Key::Multiply}, {'/', Key::Divide},
      {'\r', Key::Equals}, {'.', Key::Point},   {',', Key::Point},    {'0', Key::Digit0},
      {'9', Key::Digit9},  {'=', std::nullopt}, {'x', std::nullopt},  {0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(keyForKeypad(c.ch), c.key) << static_cast<int>(c.ch);
}

// A typed accelerator character and the keyboard map press the same key:
// the first key in control order that carries the accelerator.
TEST(KeyTable, AcceleratorsAgreeWithTheKeyboardMap) {
  std::set<char> seen;
  for (const KeyRow& row : keyTable()) {
    const size_t amp = row.caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= row.caption.size()) continue;
    const char accel = row.caption[amp + 1];
    if (!seen.insert(static_cast<char>(std::tolower(accel))).second) continue;
    EXPECT_EQ(keyForTyped(static_cast<char16_t>(std::tolower(accel)), false), row.key) << row.name;
    EXPECT_EQ(keyForTyped(static_cast<char16_t>(std::toupper(accel)), false), row.key) << row.name;
  }
  EXPECT_GE(seen.size(), 19u);
}

TEST(KeyTable, TheEngineTakesEveryKeypadKeyAndNoWindowKey) {
  for (const KeyRow& row : keyTable()) {
    MemoryTape tape;
    SilentHost host;
    CalcEngine engine(tape, host);
    engine.startUp('.');
    const bool engineKey = row.kind == KeyKind::Function || row.kind == KeyKind::Digit ||
                           row.kind == KeyKind::Point || row.kind == KeyKind::Operator ||
                           row.key == Key::Places || row.key == Key::ClearTape;
    EXPECT_EQ(engine.press(row.key), engineKey) << row.name;
  }
}

TEST(KeyTable, DigitKeysPressTheirDigit) {
  for (const KeyRow& row : keyTable()) {
    if (row.kind != KeyKind::Digit) {
      EXPECT_EQ(keyDigit(row.key), '\0') << row.name;
      continue;
    }
    MemoryTape tape;
    SilentHost host;
    CalcEngine engine(tape, host);
    engine.startUp('.');
    engine.press(Key::Digit1);
    engine.press(row.key);
    EXPECT_EQ(engine.display(), "1" + std::string(row.caption)) << row.name;
  }
}
