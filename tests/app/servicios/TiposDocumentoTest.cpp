// Identity document types: names, lengths, the list items and the number check.
#include <gtest/gtest.h>

#include "app/servicios/TiposDocumento.h"
#include "platform/db/Quote.h"
#include "platform/text/Strings.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class TiposDocumento : public Servicios {};

TEST_F(TiposDocumento, NamesAndLengthsWithTheirDefaults) {
  EXPECT_EQ(DescripcionDocumento("6", 1), "REG. UNICO DE CONTRIBUYENTES");
  EXPECT_EQ(DescripcionDocumento(" 1 ", 1), "DOC. NACIONAL DE IDENTIDAD");
  EXPECT_EQ(DescripcionDocumento("4", 2), "CARNET EXT.");
  EXPECT_EQ(DescripcionDocumento("9", 1), "");
  EXPECT_EQ(LongitudDocumento("6"), 11);
  EXPECT_EQ(LongitudDocumento("1"), 8);
  EXPECT_EQ(LongitudDocumento("7"), 12);
  EXPECT_EQ(LongitudDocumento("9"), 8);  // no row
}

TEST_F(TiposDocumento, ListItemsCarryTheirCodesAtFixedPositions) {
  frmLista& f = Lista();
  f.cboLista.AddItem("de antes");
  LlenaTiposDocumento(f.cboLista, 81, true);
  const std::vector<std::string> items = Items(f.cboLista);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0], std::string(75, ' '));
  // In the order of positions 56-57: RUC, DNI, carnet, passport.
  struct Expected {
    const char* Codigo;
    const char* Nombre;
    const char* Largo;
    const char* Dato;
    const char* Clase;
  };
  const Expected expected[] = {
      {"06", "REG. UNICO DE CONTRIBUYENTES", "11", "5", "1"},
      {"01", "DOC. NACIONAL DE IDENTIDAD", "08", "1", "1"},
      {"04", "CARNET DE EXTRANJERIA", "12", "0", "0"},
      {"07", "PASAPORTE", "12", "0", "0"},
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const std::string& item = items[i + 1];
    const Expected& e = expected[i];
    EXPECT_EQ(vb::Len(item), 73) << item;
    EXPECT_EQ(vb::Mid(item, 1, 2), e.Codigo);
    EXPECT_EQ(vb::Mid(item, 3, 5), "  -  ");
    EXPECT_EQ(vb::RTrim(vb::Mid(item, 8, 60)), e.Nombre);
    EXPECT_EQ(vb::Mid(item, 68, 2), e.Largo);
    EXPECT_EQ(vb::Mid(item, 71, 1), e.Dato);
    EXPECT_EQ(vb::Mid(item, 73, 1), e.Clase);
  }

  // A use no type is offered for leaves the list empty.
  LlenaTiposDocumento(f.cboLista, 59, false);
  EXPECT_EQ(f.cboLista.ListCount(), 0);
}

TEST_F(TiposDocumento, NumbersAreCheckedByTheirTypesLengthAndKind) {
  // Type 8 as the RUC's row, but with length kind "0": at most 11 characters.
  std::string funcion = Rows("SELECT Funcion FROM PARAM WHERE Numero='044' AND Argumento='6'").at(0);
  funcion.back() = '0';
  Run({"INSERT INTO PARAM VALUES ('044','8'," + dao::Quote(funcion) + ",'')"});
  struct Case {
    const char* Tipo;
    const char* Numero;
    bool Valid;
  };
  const Case cases[] = {
      {"06", "10076543211", true},
      {"6", "10076543211", true},
      {"06", "1007654321", false},    // exactly 11
      {"06", "1007654321X", false},   // numeric kind
      {"06", " 10076543211 ", true},  // measured without its blanks
      {"08", "1007654321", true},     // at most 11
      {"08", "100765432112", false},
      {"01", "40123456", true},
      {"04", "AB-123", true},  // free kind
      {"04", "AB 123", false},
      {"04", "ABCDEFGHIJKLM", false},  // at most 12
      {"09", "123", false},            // no such type
      {"06", "", false},
      {"  ", "10076543211", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidaDocumento(c.Tipo, c.Numero), c.Valid) << c.Tipo << " " << c.Numero;
}

TEST_F(TiposDocumento, CodesFromOutsideAreQuoted) {
  EXPECT_EQ(DescripcionDocumento("6' OR Numero<>'", 1), "");
  EXPECT_EQ(LongitudDocumento("6' OR '1'='1"), 8);
}

TEST_F(TiposDocumento, DatabaseErrorsReachTheCaller) {
  Run({"DROP TABLE PARAM"});
  EXPECT_EQ(ErrorNumberOf([] { LongitudDocumento("6"); }), 3078);
  EXPECT_EQ(ErrorNumberOf([] { ValidaDocumento("06", "10076543211"); }), 3078);
}

}  // namespace
}  // namespace app::testing
