// The schedules of a return stored with it: a subsection accepted in the
// list window reaches F0917PATRIM at the next save, with its control code,
// and a save that fails after the schedules were deleted keeps them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/db/JetFunctions.h"
#include "platform/forms/Constants.h"
#include "schedules/FrmAdicionalCab.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

// What the save says of these returns, which are not complete enough to be consistent.
constexpr char kGrabada[] =
    "La información del formulario fue grabada con inconsistencias.\nEn estas condiciones no podrá ser enviado a VELTA.";

class GrabaAdicional : public Declaracion {
 protected:
  /// The stored schedule rows of every return.
  std::vector<std::string> Anexos() {
    return Filas("SELECT doc_id_d, tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, mto_31122002, "
                 "ctd_movimiento, cnumero FROM F0917PATRIM ORDER BY doc_id_d, tip_informacion");
  }
  /// Runs `sql` on the database file through SQLite itself, beside the program.
  void Directo(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Instalacion.Layout().Database.c_str(), &db), SQLITE_OK);
    dao::detail::RegisterJetFunctions(db);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  /// The list window of bank accounts: deletes every row but the first
  /// (the grid's order), then accepts.
  void DejaPrimeraCuenta() {
    G().ClaveAdicional = "0101*";
    User.ExpectModal<FrmAdicionalCab>([&](FrmAdicionalCab& lista) {
      while (lista.GrdAdicional.RowCount() > 1) {
        User.ChooseRow(lista.GrdAdicional, 1);
        User.ExpectMsgBox("¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada", forms::vbYes);
        User.Click(lista.CmdEliminaRec);
      }
      User.ExpectMsgBox("La información fue grabada satisfactoriamente. ", forms::vbOK);
      User.Click(lista.CmdAceptaCab);
    });
    G().Ventanas.Open(ventana::kFrmAdicionalCab);
  }
};

TEST_F(GrabaAdicional, AnAcceptedSubsectionIsStoredWithItsControlCode) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  GuardaAnexo(kGarcia, "01", "002");
  GuardaAnexo(kGarcia, "02", "001");
  GuardaAnexo(kQuispe, "01", "001");
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Ejecuta({"INSERT INTO TMPF0917PATRIM VALUES ('01','01','01','001','','','','-1500','1')",
             "DELETE * FROM TMPF0917PATRIM WHERE tip_informacion='02'"});
    DejaPrimeraCuenta();
    User.ExpectMsgBox(kGrabada, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    Cierra(f);
  });
  EXPECT_EQ(Anexos(), (std::vector<std::string>{"10076543211|01|01|01|001|-1500|1|140783",
                                                "10401234565|01|01|01|001|2000|1|000000"}));
}

TEST_F(GrabaAdicional, AnEmptyWorkTableLeavesTheReturnNoSchedules) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kGarcia, "03", "001");
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Ejecuta({"DELETE * FROM TMPF0917PATRIM"});
    User.ExpectMsgBox(kGrabada, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    Cierra(f);
  });
  EXPECT_TRUE(Anexos().empty());
}

TEST_F(GrabaAdicional, ASaveThatFailsAfterDeletingTheSchedulesKeepsThem) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kGarcia, "03", "001");
  const std::vector<std::string> antes = Anexos();
  // The stored schedules are deleted, then the first new row is refused.
  Directo("CREATE TRIGGER rechaza BEFORE INSERT ON F0917PATRIM BEGIN SELECT RAISE(ABORT, 'fila rechazada'); END");
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Ejecuta({"UPDATE TMPF0917PATRIM SET mto_31122002='7' WHERE tip_informacion='01'"});
    User.ExpectMsgBox("Error tecnico:  3316\nfila rechazada\nIntente nuevamente por favor.", forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(Anexos(), antes);
    // The work rows are still there for the next try.
    Directo("DROP TRIGGER rechaza");
    User.ExpectMsgBox(kGrabada, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT tip_informacion, mto_31122002 FROM F0917PATRIM ORDER BY 1"),
            (std::vector<std::string>{"01|7", "03|2000"}));
}

}  // namespace
}  // namespace app::testing
