// LUD917 writes in one transaction, but never while the user reads one of
// its messages: what it did is committed before the box, so another program
// saves meanwhile, and the run goes on after it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/installer/InstaladorFixture.h"

namespace kr::testing {
namespace {

// The scripted user, who also lets something happen while a box is up.
class UsuarioConOtroPrograma : public forms::testing::ScriptedUser {
 public:
  std::function<void()> AlMostrar;
  int ShowMessage(const forms::MessageBox& box) override {
    if (AlMostrar) AlMostrar();
    return ScriptedUser::ShowMessage(box);
  }
};

class Transaccion : public ::testing::Test {
 protected:
  Transaccion() { installer::ReiniciaCompartidas(); }
  ~Transaccion() override { installer::ReiniciaCompartidas(); }

  SampleInstallation Muestra;
  UsuarioConOtroPrograma Usuario;
  forms::Application Aplicacion{Usuario};
};

TEST_F(Transaccion, AnotherProgramSavesWhileABoxIsUpAndSeesWhatCameBefore) {
  std::ofstream(Muestra.Layout().SendTables, std::ios::binary) << "1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|\r\n"
                                                               << "2|DET|DET0917|TXT|2|1|\r\n"
                                                               << "6|F0917PATRIM|PAT0917|TXT|3|0|1|2|3|4|0|0|0|\r\n";
  Usuario.ExpectMsgBox("La línea 2 del archivo " + Muestra.SysPath() + "tmp\\env917.txt" +
                           " tiene menos de 13 campos terminados en \"|\"; no se cargó:\n2|DET|DET0917|TXT|2|1|",
                       forms::vbOK);
  int vistas = 0;
  Usuario.AlMostrar = [&] {
    WithOtherProgram(
        [&] {
          dao::DBEngine motor;
          motor.SetLockWaitMs(200);
          auto db = Muestra.Open(motor);
          // What the run did before the box is there to see.
          if (LeeFilas(*db, "SELECT tabla_o FROM envio_t") != Filas{{"CAB"}}) throw std::runtime_error("not committed");
          dao::Atomically(motor.Workspaces(0), [&] { db->Execute("INSERT INTO CLAVES VALUES ('OTRO', '1', 'x')"); });
        },
        [] {});
    ++vistas;
  };
  EXPECT_EQ(installer::Ejecuta(), installer::kSalidaConFallas);
  Usuario.VerifyDone();
  EXPECT_EQ(vistas, 1);

  dao::DBEngine motor;
  auto db = Muestra.Open(motor);
  EXPECT_EQ(LeeFilas(*db, "SELECT tabla_o FROM envio_t"), (Filas{{"CAB"}, {"F0917PATRIM"}}));
  EXPECT_EQ(LeeFilas(*db, "SELECT Usuario FROM CLAVES WHERE Usuario = 'OTRO'"), Filas{{"OTRO"}});
}

// Another program's rule ends the run's transaction: SQLite undoes what the
// run wrote so far. The user is told once, by the failing statement's own
// box, and the run goes on in a transaction of its own to its end.
TEST_F(Transaccion, ARunWhoseTransactionAnotherProgramEndsTellsItOnceAndGoesOn) {
  std::ofstream(Muestra.Layout().SendTables, std::ios::binary)
      << "1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|\r\n"
      << "6|F0917PATRIM|PAT0917|TXT|3|0|1|2|3|4|0|0|0|\r\n"
      << "2|DET|DET0917|TXT|2|1|1|2|3|4|5|0|6|\r\n";
  sqlite3* otro = nullptr;
  ASSERT_EQ(sqlite3_open(Muestra.Layout().Database.c_str(), &otro), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(otro,
                         "CREATE TRIGGER anula BEFORE INSERT ON envio_t WHEN new.tabla_o = 'F0917PATRIM' "
                         "BEGIN SELECT RAISE(ROLLBACK, 'Anulado por otro programa'); END",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(otro);
  Usuario.ExpectMsgBox("Error Número : 3316\nAnulado por otro programa", forms::vbOK);
  EXPECT_EQ(installer::Ejecuta(), installer::kSalidaConFallas);
  Usuario.VerifyDone();

  dao::DBEngine motor;
  auto db = Muestra.Open(motor);
  EXPECT_EQ(LeeFilas(*db, "SELECT tabla_o FROM envio_t"), Filas{{"DET"}});
}

}  // namespace
}  // namespace kr::testing
