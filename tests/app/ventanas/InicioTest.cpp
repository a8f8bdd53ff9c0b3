// KR917's start: the host's window, a second copy, the settings file and the
// opening of the database, and what a started program holds.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "common/CuentaTrabajo.h"
#include "app/componentes/cValidador.h"
#include "platform/db/Engine.h"
#include "platform/db/JetError.h"
#include "platform/db/Workgroup.h"
#include "platform/profile/Profile.h"
#include "platform/text/Strings.h"
#include "tests/app/ventanas/Programa.h"
#include "tests/support/OtherProgram.h"

namespace app::testing {
namespace {

using forms::MessageBox;

const MessageBox kSinAnfitrion{"Debe ejecutar este módulo desde el Zazoridadi del QBX", forms::vbCritical,
                               "Error al ejecutar el módulo"};
const MessageBox kSegundaCopia{"La Aplicación ya se encuentra en ejecución", forms::vbInformation,
                               "Declaración Pago Anual Impuesto a la Renta"};

std::string Opcion(std::string_view clave) {
  return win::GetPrivateProfileString("Options", clave, "", 255, "KR000.INI");
}

void PonOpcion(std::string_view clave, std::string_view valor) {
  ASSERT_TRUE(win::WritePrivateProfileString("Options", clave, valor, "KR000.INI"));
}

using Inicio = Programa;

TEST_F(Inicio, StartsBesideTheHostAndFinishesTheStartUpInTheMainWindowsLoad) {
  ASSERT_TRUE(Arranca());
  const Compartidas& g = G();
  EXPECT_NE(g.Validador, nullptr);
  EXPECT_EQ(g.Periodo, "2002");
  EXPECT_EQ(g.Semana, 0);
  EXPECT_EQ(g.RutaSistema, SysPath());
  EXPECT_EQ(g.RutaBase, SysPath() + "KR000.DB");
  EXPECT_EQ(g.RutaReportes, SysPath() + "RPT");
  EXPECT_EQ(g.UsuarioSistema, "ASESOR1");
  EXPECT_EQ(g.Formulario, "0917");
  ASSERT_NE(g.BaseDatos, nullptr);
  EXPECT_GT(g.BaseDatos->TableDefs().Count(), 0);
  EXPECT_EQ(g.RsError, nullptr);  // looked at, not held
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(Instalacion.Layout().ProgramFolder));
  EXPECT_EQ(Opcion("SystemDB"), SysPath() + "KR000.MDW");
  EXPECT_EQ(forms::App().HelpFile(), SysPath() + "0917\\KR917");
  EXPECT_FALSE(forms::App().PrevInstance());

  MDIFrm& f = Principal();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(Aplicacion.ActiveForm(), &f);
  EXPECT_EQ(f.HelpContextID(), 1041);
  EXPECT_EQ(f.BarradeEstadoQBX1.numdoc(), "");
  EXPECT_EQ(f.BarradeEstadoQBX1.razonsocial(), "");
  EXPECT_EQ(f.BarradeEstadoQBX1.formulario(), "0917");
  EXPECT_EQ(f.BarradeEstadoQBX1.periodo_ejercicio(), "2002");
  EXPECT_EQ(f.BarradeEstadoQBX1.esruc(), 1);
  EXPECT_TRUE(User.Messages().empty());

  // The program holds its lock for the run.
  host::InstanceLock otra(Bloqueos.Path());
  EXPECT_FALSE(otra.TryAcquire("KR917"));
}

TEST_F(Inicio, WithoutTheHostsWindowTitledExactlyDexloraItEndsBeforeReadingAnything) {
  const std::vector<std::vector<std::string>> escritorios = {
      {},
      {"dexlora"},
      {"DEXLORA"},
      {"Dexlora - Integrador"},
      {" Dexlora"},
      {"Dexlora "},
      {"", "Terminal"},
  };
  for (const auto& titulos : escritorios) {
    SCOPED_TRACE(::testing::PrintToString(titulos));
    ReiniciaCompartidas();
    Aplicacion.Reset();
    Escritorio.SetTitles(titulos);
    User.ExpectMsgBox(kSinAnfitrion, forms::vbOK);
    EXPECT_FALSE(Arranca());
    EXPECT_TRUE(Aplicacion.Forms().empty());
    EXPECT_EQ(G().RutaSistema, "");
    EXPECT_EQ(G().BaseDatos, nullptr);
    EXPECT_EQ(Opcion("SystemDB"), "");
    host::InstanceLock otra(Bloqueos.Path());
    EXPECT_TRUE(otra.TryAcquire("KR917"));  // not taken either
  }
}

TEST_F(Inicio, TheHostsWindowAnywhereOnTheDesktopWillDo) {
  Escritorio.SetTitles({"", "Terminal", "Dexlora", "Dexlora"});
  EXPECT_TRUE(Arranca());
}

TEST_F(Inicio, ASecondCopyTellsSoAndEnds) {
  host::InstanceLock primera(Bloqueos.Path());
  ASSERT_TRUE(primera.TryAcquire("KR917"));
  User.ExpectMsgBox(kSegundaCopia, forms::vbOK);
  EXPECT_FALSE(Arranca());
  EXPECT_TRUE(forms::App().PrevInstance());
  EXPECT_TRUE(Aplicacion.Forms().empty());
  EXPECT_EQ(G().BaseDatos, nullptr);
}

TEST_F(Inicio, WithoutTheHostASecondCopyGetsTheHostsMessage) {
  host::InstanceLock primera(Bloqueos.Path());
  ASSERT_TRUE(primera.TryAcquire("KR917"));
  Escritorio.SetTitles({});
  User.ExpectMsgBox(kSinAnfitrion, forms::vbOK);
  EXPECT_FALSE(Arranca());
}

TEST_F(Inicio, ALockThatCannotBeMadeEndsTheStartWithItsReason) {
  host::InstanceLock sinCarpeta(Bloqueos / "no-existe");
  User.ExpectMsgBox("No se puede crear el archivo de bloqueo: " + (Bloqueos / "no-existe") + "/KR917.lock",
                    forms::vbOK);
  try {
    ModGen00::Main(Escritorio, sinCarpeta);
    ADD_FAILURE() << "started";
  } catch (const forms::ProgramEnd&) {
  }
  ASSERT_EQ(User.Messages().size(), 1u);
  EXPECT_EQ(User.Messages()[0].Style, forms::vbCritical);
  EXPECT_EQ(User.Messages()[0].Title, "Error al ejecutar el módulo");
}

TEST_F(Inicio, SettingsAreReadTrimmedAndJoinedAsTheyStand) {
  const std::string programa = Instalacion.Layout().ProgramFolder;
  PonOpcion("SysPath", "  " + programa + "\\  ");
  PonOpcion("DBPath", " " + programa + "\\ ");
  PonOpcion("DBName", "  KR000.DB");
  PonOpcion("SysUser", std::string(300, 'U'));
  ASSERT_TRUE(Arranca());
  EXPECT_EQ(G().RutaSistema, programa + "\\");
  EXPECT_EQ(G().RutaBase, programa + "\\KR000.DB");
  EXPECT_EQ(G().UsuarioSistema, std::string(254, 'U'));  // a 255-character buffer
  EXPECT_NE(G().BaseDatos, nullptr);
}

// Every failure of the opening: the engine's text, a line feed and the
// number in the box "Error de Conección", with the main window behind it,
// and the end of the program; SystemDB is written all the same.
TEST_F(Inicio, AFailedOpeningShowsTheEngineErrorAndEnds) {
  struct Caso {
    const char* Nombre;
    int Numero;
    // Spoils the installation; answers the name that the engine's text shows.
    std::function<std::string(const dexlora::SampleLayout&)> Prepara;
  };
  const Caso casos[] = {
      {"missing database", 3024,
       [](const dexlora::SampleLayout& l) {
         PonOpcion("DBName", "NOEXISTE.DB");
         return l.ProgramFolder + "\\NOEXISTE.DB";
       }},
      {"database folder without its final backslash", 3024,
       [](const dexlora::SampleLayout& l) {
         PonOpcion("DBPath", l.ProgramFolder);
         return l.ProgramFolder + "KR000.DB";
       }},
      {"missing workgroup file", 3028,
       [](const dexlora::SampleLayout& l) {
         std::filesystem::remove(l.Workgroup);
         return std::string();
       }},
      {"workgroup file without the program's account", 3029,
       [](const dexlora::SampleLayout& l) {
         std::filesystem::remove(l.Workgroup);
         dao::CreateWorkgroupFile(l.Workgroup);
         dao::SetWorkgroupAccount(l.Workgroup, "OTRO", "clave", false);
         return std::string();
       }},
      {"the account with another password", 3029,
       [](const dexlora::SampleLayout& l) {
         dao::SetWorkgroupAccount(l.Workgroup, common::CuentaGrupoTrabajo().Usuario, "otra", false);
         return std::string();
       }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    kr::testing::SampleInstallation instalacion;  // one of its own, with its own WINDIR
    ReiniciaCompartidas();
    G().Motor.SetLockWaitMs(100);
    Aplicacion.Reset();
    Bloqueo.Release();
    User.VentanaDetras.clear();
    const std::string nombre = c.Prepara(instalacion.Layout());
    const std::string numero = std::to_string(c.Numero);
    User.ExpectMsgBox({dao::JetErrorText(c.Numero, {nombre}) + "\n " + numero, forms::vbOKOnly, "Error de Conección"},
                      forms::vbOK);
    EXPECT_FALSE(Arranca());
    EXPECT_EQ(User.VentanaDetras, std::vector<bool>{true});
    EXPECT_TRUE(Aplicacion.Forms().empty());
    EXPECT_EQ(G().BaseDatos, nullptr);
    EXPECT_EQ(Opcion("SystemDB"), instalacion.SysPath() + "KR000.MDW");
  }
}


TEST_F(Inicio, ADatabaseAnotherProgramHoldsExclusivelyIsTheLockedMessage) {
  dao::DBEngine motor;  // the other program's
  std::shared_ptr<dao::Database> tenida;
  kr::testing::WithOtherProgram(
      [&] {
        const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
        motor.SetSystemDB(Instalacion.Layout().Workgroup);
        motor.SetDefaultUser(cuenta.Usuario);
        motor.SetDefaultPassword(cuenta.Clave);
        tenida = motor.Workspaces(0).OpenDatabase(Instalacion.Layout().Database, true);
      },
      [&] {
        User.ExpectMsgBox({" 3051- Base esta bloqueda", forms::vbOKOnly, "Error de Conección"}, forms::vbOK);
        EXPECT_FALSE(Arranca());
        EXPECT_EQ(User.VentanaDetras, std::vector<bool>{true});
      });
  EXPECT_EQ(Opcion("SystemDB"), SysPath() + "KR000.MDW");
}

// A start that cannot find its program folder ends with a message, never a crash.
TEST_F(Inicio, ASettingsFileWithoutAUsableProgramFolderEndsWithAMessage) {
  const std::string otra = Instalacion.Layout().Root + "\\NO-EXISTE\\";
  struct Caso {
    const char* Nombre;
    std::function<void()> Prepara;
    std::string Mensaje;
  };
  const Caso casos[] = {
      {"no settings file", [&] { std::filesystem::remove(Instalacion.Layout().Settings); },
       "No se ha indicado la carpeta del sistema (SysPath) en KR000.INI"},
      {"blank SysPath", [] { PonOpcion("SysPath", "   "); },
       "No se ha indicado la carpeta del sistema (SysPath) en KR000.INI"},
      {"SysPath names no folder", [&] { PonOpcion("SysPath", otra); },
       "No existe la carpeta del sistema " + otra + " indicada en KR000.INI"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    ReiniciaCompartidas();
    Aplicacion.Reset();
    Bloqueo.Release();
    User.VentanaDetras.clear();
    c.Prepara();
    User.ExpectMsgBox({c.Mensaje, forms::vbCritical, "Error al ejecutar el módulo"}, forms::vbOK);
    EXPECT_FALSE(Arranca());
    EXPECT_EQ(User.VentanaDetras, std::vector<bool>{true});
    EXPECT_EQ(G().BaseDatos, nullptr);
  }
}

TEST_F(Inicio, ADatabaseWithoutTheHostsErrorTableEndsWithTheEngineError) {
  {
    dao::DBEngine motor;
    Instalacion.Open(motor)->Execute("DROP TABLE error");
  }
  User.ExpectMsgBox({dao::JetErrorText(3078, {"error"}) + "\n 3078", forms::vbOKOnly, "Error de Conección"},
                    forms::vbOK);
  EXPECT_FALSE(Arranca());
  EXPECT_TRUE(Aplicacion.Forms().empty());
}

}  // namespace
}  // namespace app::testing
