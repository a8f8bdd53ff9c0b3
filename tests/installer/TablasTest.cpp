// The schedule tables and the work tables as a first run leaves them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/Constants.h"
#include "platform/text/Strings.h"
#include "tests/installer/InstaladorFixture.h"

namespace kr::testing {
namespace {

struct Columna {
  const char* Nombre;
  int Tipo;
  long Largo;
  bool AdmiteVacio;
};

struct TablaEsperada {
  const char* Nombre;
  const char* Clave;  // the primary key's name; "" to leave it unchecked
  std::vector<Columna> Columnas;
  std::vector<std::string> CamposClave;
};

constexpr int T = dao::dbText;
constexpr int B = dao::dbByte;

const std::vector<TablaEsperada> kTablas = {
    {"F0917PATRIM",
     "PK_F0917PATRIM",
     {
         {"tip_doc_d", B, 1, false},
         {"doc_id_d", T, 15, false},
         {"periodo", T, 6, false},
         {"formulario", T, 4, false},
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 20, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
         {"cnumero", T, 6, false},
     },
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "tip_informacion", "tip_movimiento1", "tip_movimiento2",
      "ind_moneda"}},
    {"HF0917PATRIM",
     "",
     {
         {"tip_doc_d", B, 1, false},
         {"doc_id_d", T, 15, false},
         {"periodo", T, 6, false},
         {"formulario", T, 4, false},
         {"Correl", T, 3, false},
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 20, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
         {"cnumero", T, 6, false},
     },
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Correl", "tip_informacion", "tip_movimiento1",
      "tip_movimiento2", "ind_moneda"}},
    {"TMPF0917PATRIM",
     "PK_TMPF0917PATRIM",
     {
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 40, true},
         {"des_moneda", T, 40, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
     },
     {"tip_informacion", "tip_movimiento1", "tip_movimiento2", "ind_moneda"}},
    {"TMPF0917PATRIM1",
     "PK_TMPF0917PATRIM1",
     {
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_informacion", T, 90, true},
         {"des_moneda1", T, 40, true},
         {"des_movimiento2", T, 40, true},
         {"des_moneda2", T, 40, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
     },
     {"tip_informacion", "tip_movimiento1", "tip_movimiento2", "ind_moneda"}},
};

std::vector<std::string> EnMayusculas(const std::vector<std::string>& nombres) {
  std::vector<std::string> out;
  for (const std::string& n : nombres) out.push_back(vb::UCase(n));
  return out;
}

TEST_F(Instalador, FirstRunCreatesTheFourTablesWithTheirColumnsKeysAndEmptyTextRules) {
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  for (const TablaEsperada& esperada : kTablas) {
    SCOPED_TRACE(esperada.Nombre);
    auto tabla = db->TableDefs(esperada.Nombre);
    ASSERT_EQ(tabla->Fields().Count(), static_cast<int>(esperada.Columnas.size()));
    for (std::size_t i = 0; i < esperada.Columnas.size(); ++i) {
      const Columna& c = esperada.Columnas[i];
      dao::FieldDef& f = tabla->Fields(static_cast<int>(i));
      EXPECT_EQ(f.Name(), c.Nombre);
      EXPECT_EQ(f.Type(), c.Tipo) << c.Nombre;
      EXPECT_EQ(f.Size(), c.Largo) << c.Nombre;
      EXPECT_EQ(f.AllowZeroLength(), c.AdmiteVacio) << c.Nombre;
    }
    const dao::IndexDef* primaria = nullptr;
    for (const dao::IndexDef& index : tabla->Indexes()) {
      if (index.Primary) primaria = &index;
    }
    ASSERT_NE(primaria, nullptr);
    if (*esperada.Clave != '\0') {
      EXPECT_EQ(primaria->Name, esperada.Clave);
    }
    EXPECT_EQ(EnMayusculas(primaria->Fields), EnMayusculas(esperada.CamposClave));
  }
}

TEST_F(Instalador, TablesThatExistInAnotherCaseAreNotMadeAgain) {
  {
    auto db = Abre();
    db->Execute("CREATE TABLE f0917patrim ([a] Text(5))", dao::dbFailOnError);
  }
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  EXPECT_EQ(db->TableDefs("F0917PATRIM")->Fields().Count(), 1);
}

}  // namespace
}  // namespace kr::testing
