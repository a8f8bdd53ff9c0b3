// A bank's name from its code, in the two slices the programs print.
#include <gtest/gtest.h>

#include "common/DescBanco.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "tests/support/TestSupport.h"

namespace common {
namespace {

TEST(DescBanco, TheNameOfACodeInEitherSlice) {
  kr::testing::TempFolder folder;
  dao::DBEngine engine;
  auto db = engine.Workspaces(0).CreateDatabase(folder / "KR000.DB");
  db->Execute("CREATE TABLE PARAM (Numero Text(3), Argumento Text(15), Funcion Text(250), Correl_Param Text(3))");
  // 36 characters of full name, a blank, 12 of short name.
  db->Execute("INSERT INTO PARAM VALUES ('004','02','BANCO DE CREDITO DEL PERU            CREDITO     ','1')");
  db->Execute("INSERT INTO PARAM VALUES ('004',' 03 ','INTERBANK                            INTERBANK   ','2')");
  db->Execute("INSERT INTO PARAM VALUES ('979','02','ABOGADO','3')");
  struct Case {
    const char* Codigo;
    TramoNombre Tramo;
    const char* Nombre;
  };
  const Case cases[] = {
      {"02", kNombreCorto, "CREDITO"},
      {"02", kNombreLargo, "BANCO DE CREDITO DEL PERU"},
      {"03", kNombreCorto, "INTERBANK"},  // the code is compared trimmed
      {"99", kNombreCorto, ""},
      {"", kNombreLargo, ""},
      {"0' OR '1'='1", kNombreCorto, ""},  // a code is a value, never SQL
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Codigo);
    EXPECT_EQ(DescBanco(*db, c.Codigo, c.Tramo), c.Nombre);
  }
  EXPECT_EQ(kr::testing::ErrorNumberOf([&] {
              db->Execute("DROP TABLE PARAM");
              DescBanco(*db, "02", kNombreCorto);
            }),
            3078);
}

}  // namespace
}  // namespace common
