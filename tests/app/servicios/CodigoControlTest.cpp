// The control code of a row about to be stored.
#include <gtest/gtest.h>

#include "common/CodigoControl.h"
#include "platform/text/DateTime.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

class CodigoControl : public Servicios {};

TEST_F(CodigoControl, OfTheRowInTheEditBuffer) {
  struct Case {
    const char* Why;
    const char* Tabla;
    const char* Columnas;              // nullptr: a table of the installation
    std::vector<vb::Variant> Valores;  // column by column; Empty leaves it Null
    int N;
    const char* Codigo;
  };
  const Case cases[] = {
      {"a digit text and a number in the key, letters in the data",
       "EJ1",
       "(a Text(4), b Integer, c Text(10), cNumero Text(6))",
       {"2002", 6, "AB"},
       2,
       "008197"},
      {"a date in the key part as yyyymmdd, a Null in the data part",
       "EJ2",
       "(a Text(4), b DateTime, c Text(10), d Text(10), cNumero Text(6))",
       {"0917", vb::DateSerial(2002, 12, 31), vb::Variant(), "1500"},
       2,
       "148491"},
      {"a key part of texts that are no numbers",
       "T1",
       "(a Text(10), b Text(10), c Text(10), cNumero Text(6))",
       {"ABC", "12-3", "A"},
       2,
       "000065"},
      {"an empty data part",
       "T2",
       "(a Text(4), b Text(10), c Text(10), cNumero Text(6))",
       {"12", vb::Variant(), ""},
       1,
       "012000"},
      {"accented letters by their Windows-1252 codes",
       "T3",
       "(a Text(4), b Text(10), cNumero Text(6))",
       {"1", "Ñá"},
       1,
       "001659"},  // 209 x 1 + 225 x 2
      {"each column's positions start at 1",
       "T4",
       "(a Text(4), b Text(10), c Text(10), cNumero Text(6))",
       {"1", "AB", "AB"},
       1,
       "001394"},
      {"decimals, and a half written .5",
       "T5",
       "(a Double, b Double, c Double, cNumero Text(6))",
       {0.5, 2.5, 0.5},
       2,
       "003152"},  // "." 46 x 1 + "5" 53 x 2
      {"a half rounds away from zero", "T6", "(a Double, b Text(4), cNumero Text(6))", {2.5, ""}, 1, "003000"},
      {"a negative key and a text's surrounding blanks",
       "T7",
       "(a Long, b Text(10), cNumero Text(6))",
       {-1234, "  AB  "},
       1,
       "234197"},
      {"the code column itself is never read",
       "T8",
       "(a Text(4), b Text(10), cNumero Text(6))",
       {"7", "A", "ZZZZZZ"},
       1,
       "007065"},
      {"a box row of DET", "DET", nullptr, {6, "10076543211", "2002", "0917", 0, "100", "24000", "01", 0}, 6, "236924"},
  };
  for (const Case& c : cases) {
    if (c.Columnas) Run({std::string("CREATE TABLE ") + c.Tabla + " " + c.Columnas});
    auto rs = G().BaseDatos->OpenRecordset(std::string("SELECT * FROM ") + c.Tabla, dao::dbOpenDynaset);
    rs->AddNew();
    for (std::size_t i = 0; i < c.Valores.size(); ++i) {
      if (!c.Valores[i].IsEmpty()) rs->Fields(static_cast<int>(i)).SetValue(c.Valores[i]);
    }
    EXPECT_EQ(common::CodigoControl(*rs, c.N), c.Codigo) << c.Why;
    rs->CancelUpdate();
  }
}

TEST_F(CodigoControl, OfAStoredRow) {
  auto rs =
      G().BaseDatos->OpenRecordset("SELECT * FROM HDET WHERE Correl='001' AND Casilla='100'", dao::dbOpenSnapshot);
  ASSERT_FALSE(rs->EOF_());
  // 6 + 10076543211 + 2002 + 917 + 0 + 1 (Correl) + 100; "24000" 730, "01" 146, 0 48.
  EXPECT_EQ(common::CodigoControl(*rs, 7), "237924");
}

}  // namespace
}  // namespace app::testing
