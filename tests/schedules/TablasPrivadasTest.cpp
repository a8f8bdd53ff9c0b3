// Each KR917 keeps the schedule work rows of its open return to itself:
// another program on the same database neither sees nor wipes them, and
// the shared work tables stay as LUD917 made them.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/TablasTrabajo.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/JetError.h"
#include "platform/forms/Constants.h"
#include "schedules/FrmAdicionalCab.h"
#include "return/Registro.h"
#include "tests/return/DeclaracionFixture.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/Filas.h"
#include "tests/support/OtherProgram.h"

namespace app::testing {
namespace {

class TablasPrivadas : public Declaracion {
 protected:
  /// The rows of the shared work table, as a program or tool that is not KR917 sees them.
  std::vector<std::string> Compartidas() {
    dao::DBEngine motor;
    auto base = Instalacion.Open(motor);
    return kr::testing::Filas(*base, "SELECT count(*) FROM TMPF0917PATRIM");
  }

  /// Another KR917 on the same database, as its start opens it.
  std::shared_ptr<dao::Database> OtroPrograma(dao::DBEngine& motor) {
    auto base = Instalacion.Open(motor);
    CreaTablasTrabajo(*base);
    return base;
  }
};

// Fails the other program's run.
void Exige(bool condicion, const char* que) {
  if (!condicion) throw std::runtime_error(que);
}

TEST_F(TablasPrivadas, TwoProgramsEachSeeEditAndStoreOnlyTheirOwnWorkRows) {
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kQuispe, "02", "001");
  Guarda(kGarcia, {{"002", kGarcia}, {"100", "5000"}, {"896", "1"}});
  dao::DBEngine motor;
  std::shared_ptr<dao::Database> otro;
  const std::string consulta = "SELECT tip_informacion, ind_moneda, des_movimiento2 FROM TMPF0917PATRIM ORDER BY 1, 2";
  kr::testing::WithOtherProgram(
      [&] {
        // The other program opens QUISPE's return: its load empties the
        // work table and copies the return's rows in.
        otro = OtroPrograma(motor);
        otro->Execute("DELETE * FROM TMPF0917PATRIM ", dao::dbInconsistent);
        otro->Execute("INSERT INTO TMPF0917PATRIM VALUES ('02','01','01','001','DE QUISPE','','1000','2000','1')");
      },
      [&] {
        AbreGuardada(kGarcia, [&](Frm0917& f) {
          EXPECT_EQ(Filas(consulta), std::vector<std::string>{"01|001|CUENTA"});
          EXPECT_EQ(Compartidas(), std::vector<std::string>{"0"});
          // An edit through the list window touches this program's rows only.
          G().ClaveAdicional = "0101*";
          User.ExpectModal<FrmAdicionalCab>([&](FrmAdicionalCab& lista) {
            User.ChooseRow(lista.GrdAdicional, 0);
            User.ExpectMsgBox("¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada", forms::vbYes);
            User.Click(lista.CmdEliminaRec);
            User.ExpectMsgBox("La información fue grabada satisfactoriamente. ", forms::vbOK);
            User.Click(lista.CmdAceptaCab);
          });
          G().Ventanas.Open(ventana::kFrmAdicionalCab);
          EXPECT_TRUE(Filas(consulta).empty());
          // The save stores this program's rows under its return.
          User.ExpectMsgBox("Toda la información del formulario fue grabada satisfactoriamente.", forms::vbOK);
          User.Click(f.Cmdgeneral(1));
          Cierra(f);
        });
      },
      [&] {
        // Meanwhile the other program's rows stayed its own.
        Exige(kr::testing::Filas(*otro, consulta) == std::vector<std::string>{"02|001|DE QUISPE"},
              "the other program's work rows changed");
      });

  EXPECT_EQ(Filas("SELECT doc_id_d, tip_informacion FROM F0917PATRIM ORDER BY 1"),
            std::vector<std::string>{"10401234565|02"});

  // The shared tables are as LUD917 left them, for any other program or tool.
  dao::DBEngine ajeno;
  auto base = Instalacion.Open(ajeno);
  for (std::string_view tabla : kTablasTrabajo) {
    SCOPED_TRACE(tabla);
    EXPECT_EQ(kr::testing::Filas(*base, "SELECT count(*) FROM " + std::string(tabla)), std::vector<std::string>{"0"});
    EXPECT_EQ(base->TableDefs(tabla)->Indexes().at(0).Name, "PK_" + std::string(tabla));
  }
}

// A database LUD917 never prepared for the schedules: the program starts
// over it and makes no work table of its own.
class SinTablasTrabajo : public Programa {
 protected:
  void SetUp() override {
    kr::testing::CopiaBaseInstalada(Instalacion.Layout().Database);
    {
      dao::DBEngine motor;
      auto base = Instalacion.Open(motor);
      for (std::string_view tabla : kTablasTrabajo) base->Execute("DROP TABLE " + std::string(tabla));
    }
    ASSERT_TRUE(Arranca());
    RegistraFrm0917();
  }
};

TEST_F(SinTablasTrabajo, TheProgramStartsAndTheLoadTellsWhatIsMissing) {
  EXPECT_EQ(kr::testing::ErrorNumberOf([] { G().BaseDatos->TableDefs("TMPF0917PATRIM"); }), dao::ErrItemNotFound);
  User.ExpectMsgBox({"No se pudo abrir la declaración.\nError 3078: " +
                         dao::JetErrorText(dao::ErrNoSuchTable, {"TMPF0917PATRIM"}),
                     forms::vbCritical, std::string(kTituloFrm0917)},
                    forms::vbOK);
  G().Modo = 1;
  G().Ventanas.Open(ventana::kFrm0917);
  EXPECT_FALSE(Aplicacion.HasInstance<Frm0917>());
  EXPECT_TRUE(Principal().Visible());
}

}  // namespace
}  // namespace app::testing
