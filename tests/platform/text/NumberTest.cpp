#include "platform/text/Number.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/text/Error.h"

namespace vb {
namespace {

TEST(Number, ParseNumberReadsWholeTexts) {
  struct Case {
    const char* Text;
    std::optional<double> Expected;
  };
  const Case cases[] = {
      {"1234", 1234},
      {" 12 ", 12},
      {"1,234", 1234},
      {"1,234,567.25", 1234567.25},
      {"(1,235)", -1235},
      {"-5", -5},
      {"+5", 5},
      {"- 5", -5},
      {".5", 0.5},
      {"1.", 1},
      {"1e3", 1000},
      {"2D2", 200},
      {"1e-400", 0},
      {"", std::nullopt},
      {"               ", std::nullopt},
      {"abc", std::nullopt},
      {"1-5", std::nullopt},
      {"12.3.4", std::nullopt},
      {",123", std::nullopt},
      {"1.234,5", std::nullopt},
      {"(5", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1e", std::nullopt},
      {"1e400", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(Number, ValReadsTheLeadingNumber) {
  struct Case {
    const char* Text;
    double Expected;
  };
  const Case cases[] = {
      {"1,234", 1},      {"(5)", 0},        {"  12  ", 12},  {"1 2 3", 123}, {" - 5", -5},
      {"12abc", 12},     {"abc", 0},        {"", 0},         {".5", 0.5},    {"-.5", -0.5},
      {"1.2.3", 1.2},    {"1e3x", 1000},    {"1e", 1},       {"-", 0},       {"3\t4", 34},
      {"1e-400", 0},     {"0917", 917},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.Text), c.Expected) << '"' << c.Text << '"';
  EXPECT_THROW(Val("1e400"), Error);
}

TEST(Number, NumberTextAndStr) {
  struct Case {
    double Value;
    const char* Text;
    const char* StrText;
  };
  const Case cases[] = {
      {0, "0", " 0"},
      {18.0, "18", " 18"},
      {-3, "-3", "-3"},
      {0.5, "0.5", " .5"},
      {-0.25, "-0.25", "-.25"},
      {1234.5, "1234.5", " 1234.5"},
      {0.1 + 0.2, "0.3", " .3"},
      {1.0 / 3.0, "0.333333333333333", " .333333333333333"},
      {123456789012345.0, "123456789012345", " 123456789012345"},
      {1e15, "1E+15", " 1E+15"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberText(c.Value), c.Text);
    EXPECT_EQ(Str(c.Value), c.StrText);
  }
  EXPECT_EQ(NumberText(0.1f, 7), "0.1");
  EXPECT_EQ(NumberText(12345678.0, 7), "1.234568E+07");
}

TEST(Number, Rounding) {
  struct Case {
    double Value;
    double HalfEven;
    double IntOf;
    double FixOf;
  };
  const Case cases[] = {
      {2.5, 2, 2, 2},    {3.5, 4, 3, 3},     {-2.5, -2, -3, -2}, {-3.5, -4, -4, -3},
      {2.4, 2, 2, 2},    {2.6, 3, 2, 2},     {-0.5, 0, -1, 0},   {7, 7, 7, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.Value), c.HalfEven) << c.Value;
    EXPECT_EQ(Round(c.Value), c.HalfEven) << c.Value;
    EXPECT_EQ(Int(c.Value), c.IntOf) << c.Value;
    EXPECT_EQ(Fix(c.Value), c.FixOf) << c.Value;
  }
  EXPECT_DOUBLE_EQ(Round(1.25, 1), 1.2);
  EXPECT_DOUBLE_EQ(Round(1.35, 1), 1.4);
  EXPECT_THROW(Round(1.5, -1), Error);
  EXPECT_EQ(Abs(-1234.5), 1234.5);
}

}  // namespace
}  // namespace vb
