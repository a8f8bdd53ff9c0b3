#include "platform/text/Strings.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/text/Error.h"

namespace vb {
namespace {

TEST(Strings, CountCharactersNotBytes) {
  EXPECT_EQ(Len("AÑO"), 3);
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Mid("PEÑA SAC", 3, 2), "ÑA");
  EXPECT_EQ(Left("ÁÉÍ", 2), "ÁÉ");
  EXPECT_EQ(Right("canción", 3), "ión");
  EXPECT_EQ(InStr("MUÑOZ-PÉREZ", "-"), 6);
}

TEST(Strings, MidLeftRight) {
  struct Case {
    std::string Got;
    const char* Expected;
  };
  const Case cases[] = {
      {Mid("ABCDEF", 2, 3), "BCD"},   {Mid("ABCDEF", 4), "DEF"},   {Mid("ABCDEF", 5, 10), "EF"},
      {Mid("ABCDEF", 7, 2), ""},      {Mid("ABCDEF", 2, 0), ""},   {Mid("AÑOS", 2), "ÑOS"},
      {Left("ABC", 0), ""},           {Left("ABC", 5), "ABC"},     {Right("ABC", 0), ""},
      {Right("ABC", 5), "ABC"},       {Right("AÑO", 2), "ÑO"},     {Left("AÑO", 2), "AÑ"},
      // A slice that ends before, at or after the first accented letter.
      {Mid("PEÑA SAC", 1, 2), "PE"},  {Mid("PEÑA SAC", 2, 2), "EÑ"}, {Mid("PEÑA SAC", 4, 1), "A"},
      {Left("PEÑA", 2), "PE"},        {Left("PEÑA", 3), "PEÑ"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.Got, c.Expected);
}

TEST(Strings, InvalidArgumentsRaiseError5) {
  const std::function<void()> calls[] = {
      [] { Mid("ABC", 0); },     [] { Mid("ABC", 1, -2); }, [] { Left("ABC", -1); },
      [] { Right("ABC", -1); },  [] { Space(-1); },         [] { String(2, ""); },
      [] { String(-1, "x"); },   [] { Asc(""); },           [] { Chr(256); },
      [] { Chr(-1); },           [] { InStr(0, "ABC", "B"); },
  };
  for (const auto& call : calls) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), ErrInvalidCall);
    }
  }
}

TEST(Strings, InStr) {
  EXPECT_EQ(InStr("ABCABC", "C"), 3);
  EXPECT_EQ(InStr(4, "ABCABC", "C"), 6);
  EXPECT_EQ(InStr("ABC", "X"), 0);
  EXPECT_EQ(InStr(7, "ABCABC", "C"), 0);
  EXPECT_EQ(InStr(2, "ABC", ""), 2);
  EXPECT_EQ(InStr("peña", "ÑA"), 0);
  EXPECT_EQ(InStr("peña", "ÑA", Compare::Text), 3);
}

TEST(Strings, TrimOnlyBlanks) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(LTrim("  a  "), "a  ");
  EXPECT_EQ(RTrim("  a  "), "  a");
  EXPECT_EQ(Trim(std::string(15, ' ')), "");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(Strings, CaseOfAccentedLetters) {
  EXPECT_EQ(UCase("peña núñez, josé ángel"), "PEÑA NÚÑEZ, JOSÉ ÁNGEL");
  EXPECT_EQ(LCase("PEÑA NÚÑEZ ÜÇ"), "peña núñez üç");
  EXPECT_EQ(UCase("ÿ š œ ž ß µ ÷"), "Ÿ Š Œ Ž ß µ ÷");
  EXPECT_EQ(LCase("Ÿ Š Œ Ž × 123"), "ÿ š œ ž × 123");
}

TEST(Strings, SpaceStringReplace) {
  EXPECT_EQ(Space(3), "   ");
  EXPECT_EQ(String(3, "Ñx"), "ÑÑÑ");
  EXPECT_EQ(String(2, 48), "00");
  EXPECT_EQ(String(2, 256 + 65), "AA");
  EXPECT_EQ(Replace("1,234,567", ",", ""), "1234567");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(Strings, WindowsCodes) {
  EXPECT_EQ(Asc("Ñ"), 209);
  EXPECT_EQ(Asc("ó"), 243);
  EXPECT_EQ(Asc("óscar"), 243);
  EXPECT_EQ(Asc("中"), '?');
  EXPECT_EQ(Chr(209), "Ñ");
  EXPECT_EQ(Chr(10), "\n");
  EXPECT_EQ(Asc(Chr(128)), 128);  // the euro sign
  for (int code = 0; code < 256; ++code) EXPECT_EQ(Asc(Chr(code)), code) << code;
}

}  // namespace
}  // namespace vb
