// The check digit and the verification code of a sent return's order number.
#include <gtest/gtest.h>

#include "common/NumeroOrden.h"

namespace common {
namespace {

TEST(NumeroOrden, DigitoVerifica) {
  struct Case {
    const char* Texto;
    const char* Resultado;
  };
  const Case cases[] = {
      {"0", "01"},  // r = 0: 11 gives 1
      {"1", "19"},
      {"12345678", "123456785"},  // 138 mod 11 = 6
      {"00000000", "000000001"},
      {"12345678000012345", "123456780000123457"},   // 224 mod 11 = 4
      {"1234 678", "1234 6788"},                     // a blank counts 0 in its place
      {"  1234  ", "12343"},                         // surrounding blanks go
      {"123456789012345678", "123456789012345673"},  // only the first 17
      {"", ""},
      {"   ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DigitoVerifica(c.Texto), c.Resultado) << "'" << c.Texto << "'";
}

TEST(NumeroOrden, VerificationCodes) {
  struct Case {
    const char* Control;
    const char* Orden;
    const char* Codigo;
  };
  const Case cases[] = {
      {"12345678", "00001234", "57"},
      {"00000000", "00000000", "19"},
      {"40721385", "12345678", "84"},
      {"1234567", "00001234", "3"},  // a short control number: no digit of its own
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VerificadorOrden(c.Control, c.Orden), c.Codigo) << c.Control;
    EXPECT_TRUE(ValidaOrden(c.Control, c.Orden, c.Codigo)) << c.Control;
  }
  // Typed codes compare exactly.
  for (const char* typed : {"57 ", " 57", "75", "5", ""}) EXPECT_FALSE(ValidaOrden("12345678", "00001234", typed));
  for (const char* typed : {"00", "01", "09"}) EXPECT_FALSE(ValidaOrden("1234567", "00001234", typed));
}

}  // namespace
}  // namespace common
