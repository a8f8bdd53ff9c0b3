#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vb {
namespace {

struct FormatCase {
  Variant Value;
  const char* Pattern;
  const char* Expected;
};

void ExpectAll(const std::vector<FormatCase>& cases) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.Value, c.Pattern), c.Expected) << "value " << TextOf(c.Value) << " pattern " << c.Pattern;
  }
}

TEST(Format, AmountPatterns) {
  ExpectAll({
      {1234.5, "###,###,###,##0", "1,235"},
      {1234567.0, "###,###,###,##0", "1,234,567"},
      {0.0, "###,###,###,##0", "0"},
      {0.4, "###,###,###,##0", "0"},
      {999.5, "###,###,###,##0", "1,000"},
      {-1500.0, "###,###,###,##0", "-1,500"},
      {1234567890123.0, "###,###,###,##0", "1,234,567,890,123"},
      {1234.0, "#,###,###,###,##0", "1,234"},
      {1234.0, "(#,###,###,##0)", "(1,234)"},
      {1234.0, "(###,###,###,##0)", "(1,234)"},
      {0.4, "(###,###,###,##0)", "(0)"},
      {3100.0, "###,###", "3,100"},
      {0.0, "###,###", ""},
      {2002.0, "####", "2002"},
  });
}

TEST(Format, StoredWholeNumbers) {
  ExpectAll({
      {"(1,235)", "##############0", "-1235"},
      {"1,234.5", "##############0", "1235"},
      {-1234.5, "##############0", "-1235"},
      {"1,234", "###########0", "1234"},
      {0.0, "###########0", "0"},
      {1234.4, "###########0", "1234"},
      {1500.0, "############", "1500"},
      {0.0, "############", ""},
      {0.4, "############", ""},
  });
}

TEST(Format, HalvesRoundAwayFromZero) {
  ExpectAll({
      {2.5, "0", "3"},
      {3.5, "0", "4"},
      {-2.5, "0", "-3"},
      {0.125, "0.00", "0.13"},
      // 1.005 is held as 1.00499999...; it rounds as the 1.005 it prints as.
      {1.005, "0.00", "1.01"},
  });
}

TEST(Format, SectionsAndTheMinusSign) {
  ExpectAll({
      // One section: the minus goes in front of everything, literals included.
      {-1234.5, "(###,###,###,##0)", "-(1,235)"},
      // A negative section is written without a minus sign.
      {-1234.5, "###,###,###,##0;(###,###,###,##0)", "(1,235)"},
      {1234.5, "###,###,###,##0;(###,###,###,##0)", "1,235"},
      {0.0, "###,###,###,##0;(###,###,###,##0)", "0"},
      {-1234.0, "##,###,###,##0;(##,###,###,##0)", "(1,234)"},
      {1234.0, "##,###,###,##0;(##,###,###,##0)", "1,234"},
      // The section goes by the sign before rounding.
      {-0.4, "##############0", "-0"},
      {-0.4, "0;(0)", "(0)"},
      // A zero section, and an empty negative section falling back to the first.
      {0.0, "0;(0);\\Z\\e\\r\\o", "Zero"},
      {-5.0, "0;;\"nada\"", "-5"},
      {0.0, "0;;\"nada\"", "nada"},
  });
}

TEST(Format, DigitPlaceholders) {
  ExpectAll({
      {6.0, "00", "06"},
      {123.0, "00", "123"},
      {5.0, "0#", "05"},
      {123.0, "0#", "123"},
      {7.0, "000000", "000007"},
      {42.0, "00000000", "00000042"},
      {31122002.0, "0#/0#/####", "31/12/2002"},
      {"01012002", "0#/0#/####", "01/01/2002"},
      {12.5, "##0.#000", "12.5000"},
      {0.1234, "##0.#000", "0.1234"},
      {12.34567, "##0.#000", "12.3457"},
      {999.99996, "##0.#000", "1000.0000"},
      {5.0, "#.##", "5."},
      {0.5, "#.##", ".5"},
      {1234.0, "\\#0", "#1234"},
  });
}

TEST(Format, TextsThatAreNotNumbersComeBackUnchanged) {
  ExpectAll({
      {std::string(15, ' '), "###,###,###,##0", "               "},
      {"", "###########0", ""},
      {"abc", "0", "abc"},
      {"1-5", "###,###,###,##0", "1-5"},
      {"12.3.4", "##############0", "12.3.4"},
      {" 12 ", "00", "12"},
  });
}

TEST(Format, ValueKinds) {
  ExpectAll({
      {Variant::Null(), "###,###,###,##0", ""},
      {Variant(), "###,###,###,##0", ""},
      {Variant(), "dd/mm/yyyy", ""},
      {true, "0", "-1"},
      {Variant::Integer(-32768), "###,###,###,##0", "-32,768"},
      {Variant::Byte(255), "0000", "0255"},
      {Currency{12345000}, "###,###,###,##0", "1,235"},
      {2.5f, "0.0", "2.5"},
      {DateSerial(2002, 12, 31), "###########0", "37621"},
      {1234.5, "", "1234.5"},
      {"texto", "", "texto"},
  });
}

TEST(Format, DatePatterns) {
  DateTime d = DateTimeSerial(2002, 1, 5, 7, 8, 9);
  ExpectAll({
      {d, "dd/mm/yyyy", "05/01/2002"},
      {d, "yyyymmdd", "20020105"},
      {d, "hh:mm:ss", "07:08:09"},
      {d, "d/m/yy", "5/1/02"},
      {d, "hh:nn", "07:08"},
      {DateTimeSerial(2002, 12, 31, 23, 59, 58), "dd/mm/yyyy hh:mm:ss", "31/12/2002 23:59:58"},
      // A number is a serial date, a "dd/mm/yyyy" text a date.
      {37621.0, "dd/mm/yyyy", "31/12/2002"},
      {"31/12/2002", "yyyymmdd", "20021231"},
      {" 31/12/2002 ", "dd/mm/yyyy", "31/12/2002"},
      // Not a date: unchanged, and a number beyond the year 9999 as its text.
      {"31/02/2002", "dd/mm/yyyy", "31/02/2002"},
      {"20021231", "dd/mm/yyyy", "20021231"},
      {-657434.0, "dd/mm/yyyy", "01/01/0100"},
      {2958465.0, "dd/mm/yyyy", "31/12/9999"},
      {2958466.0, "dd/mm/yyyy", "2958466"},
      {"", "dd/mm/yyyy", ""},
      {d, "ddd \"de\" yyyy", "ddd de 2002"},
  });
}

}  // namespace
}  // namespace vb
