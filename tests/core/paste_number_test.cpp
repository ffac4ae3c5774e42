// A pasted text read as one number, with "." and with "," as the locale's
// decimal separator.
#include "calc/paste_number.h"

#include <gtest/gtest.h>

#include <string>

using namespace tivorum;

namespace {

struct Read {
  std::u16string text;
  std::optional<Real> point;  // read with "." as the decimal separator
  std::optional<Real> comma;  // read with ","
};

constexpr std::optional<Real> no = std::nullopt;

std::u16string u16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

std::string shown(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

void expectRead(const Read& c) {
  for (char decimal : {'.', ','}) {
    const std::optional<Real> want = decimal == '.' ? c.point : c.comma;
    const PastedNumber got = readPastedNumber(c.text, decimal);
    const std::string what = "'" + shown(c.text) + "' with '" + decimal + "'";
    ASSERT_EQ(got.value.has_value(), want.has_value()) << what << ": " << got.refusal;
    if (want) {
      EXPECT_EQ(*got.value, *want) << what;
      EXPECT_TRUE(got.refusal.empty()) << what;
    } else {
      EXPECT_NE(got.refusal.find("is not a valid floating point value"), std::string::npos)
          << what << ": " << got.refusal;
    }
  }
}

}  // namespace

TEST(PasteNumber, PlainNumbersSignsAndExponents) {
  const Read cases[] = {
      {u"42", 42, 42},         {u"0", 0, 0},
      {u"007", 7, 7},          {u"+7", 7, 7},
      {u"-3", -3, -3},         {u"\u22123", -3, -3},  // a typographic minus sign
      {u"2.5", 2.5L, no},                             // with ",", "." only groups thousands
      {u"2,5", no, 2.5L},      {u".5", 0.5L, no},
      {u"5.", 5, no},          {u"-.25", -0.25L, no},
      {u"1e3", 1000, 1000},    {u"-1E3", -1000, -1000},
      {u"1.5e-2", 0.015L, no}, {u"1,5E+2", no, 150},
      {u"2E-2", 0.02L, 0.02L},
  };
  for (const Read& c : cases) expectRead(c);
}

TEST(PasteNumber, BlanksAndLineEndsAroundTheNumberAreDropped) {
  const Read cases[] = {
      {u"  42\n", 42, 42},
      {u"\t42\r\n", 42, 42},
      {u"\u00a042\u00a0", 42, 42},  // no-break spaces
      {u"\u202f42\u202f", 42, 42},  // narrow no-break spaces
      {u"\r\n\r\n-1.5\n\n", -1.5L, no},
  };
  for (const Read& c : cases) expectRead(c);
}

TEST(PasteNumber, ThousandsSeparatorsOnlyInGroupsOfThree) {
  const Read cases[] = {
      {u"1,000", 1000, 1},  // with ",": one, as typed
      {u"1.000", 1, 1000},
      {u"1,234.50", 1234.5L, no},
      {u"1.234,50", no, 1234.5L},
      {u"1,234,567", 1234567, no},
      {u"1.234.567", no, 1234567},
      {u"-1,234,567.125", -1234567.125L, no},
      {u"1 234.50", 1234.5L, no},  // blanks between groups of three
      {u"1 234,50", no, 1234.5L},
      {u"1\u00a0234\u00a0567", 1234567, 1234567},
      {u"1\u202f234,5", no, 1234.5L},  // French
      {u"12 345 678", 12345678, 12345678},
      {u"1,234e3", 1234000, 1234},
      // Ambiguous or malformed: never guessed.
      {u"1,5", no, 1.5L},  // with ".": not a group of three
      {u"1,23", no, 1.23L},
      {u"1,2345", no, 1.2345L},
      {u"1,234,56", no, no},
      {u"1234,567", no, 1234.567L},  // a first group of more than three
      {u"0,123", no, 0.123L},        // a first group of 0
      {u",123", no, 0.123L},
      {u"1,234 567", no, no},  // two kinds of separator
      {u"1 234,567", no, 1234.567L},
      {u"1,,234", no, no},
      {u"1,234,", no, no},
      {u"1 234", 1234, 1234},
      {u"1  234", no, no},
      {u"1.234,567.5", no, no},
      {u"1,234.567,8", no, no},  // no groups after the point
  };
  for (const Read& c : cases) expectRead(c);
}

TEST(PasteNumber, WhatIsNoNumberIsRefused) {
  const Read cases[] = {
      {u"", no, no},       {u" \n", no, no},        {u"abc", no, no},    {u"1.2.3", no, no},
      {u"5e", no, no},     {u"e5", no, no},         {u"1e+", no, no},    {u"--5", no, no},
      {u"+-5", no, no},    {u"- 5", no, no},        {u"5-", no, no},     {u"(5)", no, no},
      {u"$5", no, no},     {u"5 EUR", no, no},      {u"12\n34", no, no}, {u"12\t34", no, no},
      {u"0x10", no, no},   {u"1e99999", no, no},    {u"inf", no, no},    {u"nan", no, no},
      {u"\u0665", no, no}, {u"\U0001D7D3", no, no}, {u".", no, no},      {u",", no, no},
  };
  for (const Read& c : cases) expectRead(c);
}

TEST(PasteNumber, LongNumbersKeepTheirValue) {
  // 1 and 99 zeros: more than the 80 characters an entry holds.
  EXPECT_EQ(readPastedNumber(u16("1" + std::string(99, '0')), '.').value, 1e99L);
  std::string grouped = "1";
  for (int i = 0; i < 33; ++i) grouped += ",000";
  EXPECT_EQ(readPastedNumber(u16(grouped), '.').value, 1e99L);
  // At most 1000 characters after trimming: blanks around do not count.
  const std::string limit = "1" + std::string(kPasteLimit - 3, '0') + "e0";
  ASSERT_EQ(limit.size(), kPasteLimit);
  EXPECT_EQ(readPastedNumber(u16("  \n" + limit + "\n  "), '.').value, 1e997L);
  const std::string small = "0." + std::string(kPasteLimit - 3, '0') + "5";
  ASSERT_EQ(small.size(), kPasteLimit);
  EXPECT_EQ(readPastedNumber(u16("\n" + small + "\t"), '.').value, 5e-998L);
}

TEST(PasteNumber, TooLongTextIsRefusedWithoutQuotingIt) {
  const std::string longer(kPasteLimit + 1, '1');
  std::u16string pairs;  // 1001 characters of two UTF-16 units each
  for (size_t i = 0; i <= kPasteLimit; ++i) pairs += u"\U0001D7D9";
  for (const std::u16string& text :
       {u16(longer), u16("  " + longer + "  "), std::u16string(10'000'000, u'7'), pairs}) {
    const PastedNumber got = readPastedNumber(text, '.');
    EXPECT_FALSE(got.value);
    EXPECT_EQ(got.refusal,
              "The clipboard holds no number: its text is longer than 1000 characters");
  }
  // 1000 characters of two units each are not too long, only no number.
  pairs.resize(2 * kPasteLimit);
  EXPECT_NE(readPastedNumber(pairs, '.').refusal.find("is not a valid floating point value"),
            std::string::npos);
  // Ten million blanks around a number are only blanks.
  const std::u16string padded =
      std::u16string(5'000'000, u' ') + u"12" + std::u16string(5'000'000, u'\n');
  EXPECT_EQ(readPastedNumber(padded, '.').value, 12);
}

TEST(PasteNumber, TheRefusalQuotesTheTextOnOneLineCutShort) {
  const std::u16string forty(kPasteQuoted, u'x');
  const struct {
    std::u16string text;
    std::string quoted;
  } cases[] = {
      {u"two", "two"},
      {u"  two\n", "two"},
      {u"12\r\n34", "12 34"},
      {u"a\tb", "a b"},
      {u"\u20ac 5", "\u20ac 5"},
      {u"\U0001D7D9", "\U0001D7D9"},  // outside the basic plane
      {u"1\xd835", "1\ufffd"},        // half a surrogate pair
      {forty, std::string(kPasteQuoted, 'x')},
      {forty + u"y", std::string(kPasteQuoted, 'x') + "\u2026"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readPastedNumber(c.text, '.').refusal,
              "'" + c.quoted + "' is not a valid floating point value")
        << shown(c.text);
  }
}
