#include "platform/text/Strings.h"

#include <gtest/gtest.h>

#include "platform/text/Error.h"

namespace vb {
namespace {

TEST(Strings, CountCharactersNotBytes) {
  EXPECT_EQ(Len("AÑO"), 3);
  EXPECT_EQ(Mid("PEÑA SAC", 3, 2), "ÑA");
  EXPECT_EQ(Left("ÁÉÍ", 2), "ÁÉ");
  EXPECT_EQ(Right("canción", 3), "ión");
  EXPECT_EQ(InStr("MUÑOZ-PÉREZ", "-"), 6);
}

TEST(Strings, WindowsCodes) {
  EXPECT_EQ(Asc("Ñ"), 209);
  EXPECT_EQ(Asc("ó"), 243);
  EXPECT_EQ(Chr(209), "Ñ");
  EXPECT_EQ(Asc(Chr(128)), 128);  // the euro sign
  EXPECT_THROW(Asc(""), Error);
}

}  // namespace
}  // namespace vb
