// ModFuncionesGenerales: the settings file and the opening of the database.
#include "app/ventanas/ModGen00.h"
#include "app/inicio/Compartidas.h"
#include "app/inicio/TablasTrabajo.h"
#include "common/CuentaTrabajo.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Application.h"
#include "platform/profile/Profile.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace ModFuncionesGenerales {
namespace {

constexpr std::string_view kConfiguracion = "KR000.INI";
constexpr std::string_view kSeccion = "Options";
constexpr long kLargoBuffer = 255;
constexpr int kBaseBloqueada = 3051;

std::string LeeOpcion(std::string_view clave) {
  return vb::Trim(win::GetPrivateProfileString(kSeccion, clave, "", kLargoBuffer, kConfiguracion));
}

}  // namespace

void LeeConfiguracion() {
  app::Compartidas& g = app::G();
  g.RutaSistema = LeeOpcion("SysPath");
  // Every path of the run hangs from the program folder: without it nothing can work.
  if (g.RutaSistema.empty()) {
    FallaInicio("No se ha indicado la carpeta del sistema (SysPath) en " + std::string(kConfiguracion));
  }
  try {
    vb::ChDir(g.RutaSistema);
  } catch (const vb::Error&) {
    FallaInicio("No existe la carpeta del sistema " + g.RutaSistema + " indicada en " + std::string(kConfiguracion));
  }
  LeeOpcion("SysVersion");  // nothing depends on it
  g.RutaBase = LeeOpcion("DBPath");
  g.RutaBase += LeeOpcion("DBName");
  LeeOpcion("SysMenu");  // nothing depends on it
  g.RutaReportes = g.RutaSistema + "RPT";
  g.UsuarioSistema = LeeOpcion("SysUser");
}

bool AbreBaseDatos() {
  app::Compartidas& g = app::G();
  try {
    const std::string grupoTrabajo = g.RutaSistema + "KR000.MDW";
    win::WritePrivateProfileString(kSeccion, "SystemDB", grupoTrabajo, kConfiguracion);
    const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
    g.Motor.SetSystemDB(grupoTrabajo);
    g.Motor.SetDefaultUser(cuenta.Usuario);
    g.Motor.SetDefaultPassword(cuenta.Clave);
    g.BaseDatos = g.Motor.Workspaces(0).OpenDatabase(g.RutaBase, false, false);
    app::CreaTablasTrabajo(*g.BaseDatos);
    return true;
  } catch (const vb::Error& e) {
    if (e.Number() == kBaseBloqueada) {
      forms::MsgBox(vb::Str(e.Number()) + "- Base esta bloqueda", forms::vbOKOnly, "Error de Conección");
    } else {
      ModGen00::MuestraErrorMotor(e, "Error de Conección");
    }
    forms::End();
  }
}

void FallaInicio(std::string_view mensaje) {
  forms::MsgBox(mensaje, forms::vbOKOnly + forms::vbCritical, "Error al ejecutar el módulo");
  forms::End();
}

}  // namespace ModFuncionesGenerales
