#include "platform/text/Variant.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>

#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"

namespace vb {
namespace {

// The number of the vb::Error that `f` raises, or 0 when it raises none.
int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.Number();
  }
  return 0;
}

TEST(Variant, KindsAndTypes) {
  EXPECT_EQ(Variant().Type(), VarType::Empty);
  EXPECT_EQ(Variant::Null().Type(), VarType::Null);
  EXPECT_EQ(Variant::Byte(7).Type(), VarType::Byte);
  EXPECT_EQ(Variant::Integer(7).Type(), VarType::Integer);
  EXPECT_EQ(Variant(7).Type(), VarType::Long);
  EXPECT_EQ(Variant(7.0f).Type(), VarType::Single);
  EXPECT_EQ(Variant(7.0).Type(), VarType::Double);
  EXPECT_EQ(Variant(Currency{70000}).Type(), VarType::Currency);
  EXPECT_EQ(Variant(DateSerial(2002, 1, 1)).Type(), VarType::Date);
  EXPECT_EQ(Variant("7").Type(), VarType::String);
  EXPECT_EQ(Variant(true).Type(), VarType::Boolean);
  EXPECT_EQ(Variant(true).NumberValue(), -1);
  EXPECT_NE(Variant::Null(), Variant(""));
  EXPECT_EQ(ErrorOf([] { Variant(3000000000L); }), ErrOverflow);
}

TEST(Variant, CStr) {
  struct Case {
    Variant Value;
    const char* Text;
  };
  const Case cases[] = {
      {Variant(), ""},
      {"abc", "abc"},
      {18.0, "18"},
      {1234.5, "1234.5"},
      {-0.5, "-0.5"},
      {0.1 + 0.2, "0.3"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.1f, "0.1"},
      {Variant::Integer(-32768), "-32768"},
      {Currency{12345}, "1.2345"},
      {true, "True"},
      {false, "False"},
      {DateSerial(2002, 12, 31), "31/12/2002"},
      {DateTimeSerial(2002, 12, 31, 8, 5, 0), "31/12/2002 08:05:00"},
      {DateTime{0.5}, "12:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(CStr(c.Value), c.Text);
  EXPECT_EQ(ErrorOf([] { CStr(Variant::Null()); }), ErrInvalidNull);
}

TEST(Variant, WholeNumberConversionsRoundHalfToEven) {
  struct Case {
    double Value;
    int Expected;
  };
  const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {-32768.5, -32768}};
  for (const Case& c : cases) {
    EXPECT_EQ(CInt(c.Value), c.Expected) << c.Value;
    EXPECT_EQ(CLng(c.Value), c.Expected) << c.Value;
  }
  EXPECT_EQ(CInt(Variant("1,234")), 1234);
  EXPECT_EQ(CLng(Variant("(1,235)")), -1235);
  EXPECT_EQ(CByte(Variant(254.5)), 254);
  EXPECT_EQ(CInt(Variant(true)), -1);
  EXPECT_EQ(CInt(Variant()), 0);
}

TEST(Variant, OverflowOutsideTheRange) {
  struct Case {
    const char* What;
    std::function<void()> Call;
    int Error;
  };
  const Case cases[] = {
      {"CInt 32767", [] { CInt(32767.0); }, 0},
      {"CInt 32768", [] { CInt(32768.0); }, ErrOverflow},
      {"CInt 32767.5", [] { CInt(32767.5); }, ErrOverflow},
      {"CInt -32768", [] { CInt(-32768.0); }, 0},
      {"CInt -32769", [] { CInt(-32769.0); }, ErrOverflow},
      {"CInt \"32768\"", [] { CInt(Variant("32768")); }, ErrOverflow},
      {"CLng 2147483647", [] { CLng(2147483647.0); }, 0},
      {"CLng 2147483648", [] { CLng(2147483648.0); }, ErrOverflow},
      {"CByte 255", [] { CByte(255.0); }, 0},
      {"CByte 256", [] { CByte(256.0); }, ErrOverflow},
      {"CByte -1", [] { CByte(-1.0); }, ErrOverflow},
      {"CSng 1E+39", [] { CSng(Variant(1e39)); }, ErrOverflow},
      {"CCur 9E+14", [] { CCur(Variant(9e14)); }, 0},
      {"CCur 1E+15", [] { CCur(Variant(1e15)); }, ErrOverflow},
      // An exponent too long for any integer, typed or read from a file.
      {"Val 1E+(20 digits)", [] { Val("1e99999999999999999999"); }, ErrOverflow},
      {"Val 1E-(20 digits)", [] { EXPECT_EQ(Val("1e-99999999999999999999"), 0); }, 0},
      {"CDbl 1E+(20 digits)", [] { CDbl(Variant("1e99999999999999999999")); }, ErrTypeMismatch},
      // Dates VB cannot hold, whatever reads them.
      {"Format 8.98E+307 dd", [] { Format(Variant(DateTime{8.98e307}), "dd"); }, ErrOverflow},
      {"Year -1E+300", [] { Year(DateTime{-1e300}); }, ErrOverflow},
      {"Hour NaN", [] { Hour(DateTime{std::nan("")}); }, ErrOverflow},
      {"CDate 1E+10", [] { CDate(Variant(1e10)); }, ErrOverflow},
      {"CDate 31/12/9999", [] { CDate(Variant(2958465.5)); }, 0},
      {"DateSerial 10000", [] { DateSerial(10000, 1, 1); }, ErrOverflow},
      {"DateSerial 100 day 0", [] { DateSerial(100, 1, 0); }, ErrOverflow},
      {"DateSerial 9999-12-31", [] { DateSerial(9999, 12, 31); }, 0},
      {"DateSerial month INT_MIN", [] { DateSerial(2002, INT_MIN, 1); }, ErrOverflow},
      {"DateSerial month INT_MAX", [] { DateSerial(2002, INT_MAX, 1); }, ErrOverflow},
      {"DateSerial day INT_MIN", [] { DateSerial(2002, 1, INT_MIN); }, ErrOverflow},
      {"DateSerial day INT_MAX", [] { DateSerial(2002, 1, INT_MAX); }, ErrOverflow},
      {"DateSerial year INT_MAX", [] { DateSerial(INT_MAX, INT_MAX, INT_MAX); }, ErrOverflow},
      {"DateSerial year INT_MIN", [] { DateSerial(INT_MIN, INT_MIN, INT_MIN); }, ErrOverflow},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.Call), c.Error) << c.What;
}

TEST(Variant, TextsThatAreNotNumbers) {
  EXPECT_EQ(CDbl(Variant(" 12 ")), 12);
  EXPECT_EQ(CDbl(Variant()), 0);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant("abc")); }), ErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant("")); }), ErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CLng(Variant("1-5")); }), ErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant::Null()); }), ErrInvalidNull);
  EXPECT_EQ(ErrorOf([] { CInt(Variant::Null()); }), ErrInvalidNull);
}

TEST(Variant, IsNumeric) {
  struct Case {
    Variant Value;
    bool Numeric;
  };
  const Case cases[] = {
      {"1,234", true},  {" 12 ", true},  {"-5", true},     {"+5", true},  {"1.5", true},
      {".5", true},     {"(1,235)", true}, {"1e3", true},  {"", false},   {"               ", false},
      {"abc", false},   {"1-5", false},  {"12.3.4", false}, {"(5", false}, {12.0, true},
      {true, true},     {Variant(), true}, {Variant::Null(), false}, {DateSerial(2002, 1, 1), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsNumeric(c.Value), c.Numeric) << TextOf(c.Value);
}

TEST(Variant, BooleansAndDates) {
  EXPECT_TRUE(CBool(Variant("True")));
  EXPECT_FALSE(CBool(Variant(" false ")));
  EXPECT_TRUE(CBool(Variant("-1")));
  EXPECT_FALSE(CBool(Variant(0.0)));
  EXPECT_EQ(ErrorOf([] { CBool(Variant("si")); }), ErrTypeMismatch);

  EXPECT_EQ(CDate(Variant("31/12/2002")), DateSerial(2002, 12, 31));
  EXPECT_EQ(CDate(Variant(37621.0)), DateSerial(2002, 12, 31));
  EXPECT_EQ(ErrorOf([] { CDate(Variant("2002-12-31")); }), ErrTypeMismatch);
  EXPECT_TRUE(IsDate(Variant("29/02/2004")));
  EXPECT_FALSE(IsDate(Variant("29/02/2003")));
  EXPECT_FALSE(IsDate(Variant(37621.0)));
}

TEST(Variant, ConcatTextOfAndNz) {
  EXPECT_EQ(Concat(Variant("A"), Variant(1234.5)), Variant("A1234.5"));
  EXPECT_EQ(Concat(Variant::Null(), Variant("x")), Variant("x"));
  EXPECT_TRUE(Concat(Variant::Null(), Variant::Null()).IsNull());
  EXPECT_EQ(TextOf(Variant::Null()), "");
  EXPECT_EQ(TextOf(Variant(-3)), "-3");
  EXPECT_EQ(Nz(Variant::Null()), Variant(""));
  EXPECT_EQ(Nz(Variant::Null(), Variant(0)), Variant(0));
  EXPECT_EQ(Nz(Variant("a")), Variant("a"));
}

}  // namespace
}  // namespace vb
