#include "platform/text/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vb {
namespace {

TEST(Cp1252, CodesOfAccentedLetters) {
  struct Case {
    const char* Utf8;
    int Code;
  };
  const Case cases[] = {
      {"Ñ", 209}, {"ñ", 241}, {"á", 225}, {"é", 233}, {"í", 237}, {"ó", 243}, {"ú", 250},
      {"Á", 193}, {"É", 201}, {"Í", 205}, {"Ó", 211}, {"Ú", 218}, {"ü", 252}, {"Ü", 220},
      {"°", 176}, {"º", 186}, {"€", 128}, {"Š", 138}, {"“", 147}, {"—", 151}, {"A", 65},
  };
  for (const Case& c : cases) {
    std::u32string cp = ToCodePoints(c.Utf8);
    ASSERT_EQ(cp.size(), 1u) << c.Utf8;
    EXPECT_EQ(Cp1252Code(cp[0]), c.Code) << c.Utf8;
    EXPECT_EQ(ToCp1252(c.Utf8), std::string(1, static_cast<char>(c.Code))) << c.Utf8;
    EXPECT_EQ(FromCp1252(std::string(1, static_cast<char>(c.Code))), c.Utf8) << c.Code;
  }
}

TEST(Cp1252, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToCp1252("PEÑA 中 €"), "PE\xD1" "A ? \x80");
  EXPECT_EQ(Cp1252Code(U'中'), -1);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string utf8 = FromCp1252(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(ToCp1252(utf8), all);
}

TEST(Cp1252, DecodeTextTakesUtf8AsIsAndAnythingElseAsWindows1252) {
  EXPECT_EQ(DecodeText("A\xC3\x91O"), "AÑO");  // valid UTF-8
  EXPECT_EQ(DecodeText("A\xD1O"), "AÑO");      // a Windows-1252 file
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));       // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));   // a surrogate
  // A malformed byte stands for its Windows-1252 character.
  EXPECT_EQ(ToCodePoints("A\xD1"), U"AÑ");
}

}  // namespace
}  // namespace vb
