#include "summary/Configuracion.h"

#include <string>
#include <string_view>

#include "common/CuentaTrabajo.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/profile/Profile.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"
#include "summary/Compartidas.h"

namespace summary {
namespace {

constexpr std::string_view kArchivoConfiguracion = "KR000.INI";
constexpr std::string_view kSeccion = "Options";
constexpr long kLargoBuffer = 255;
constexpr std::string_view kGrupoTrabajo = "KR000.MDW";

std::string LeeOpcion(std::string_view clave) {
  return vb::Trim(win::GetPrivateProfileString(kSeccion, clave, "", kLargoBuffer, kArchivoConfiguracion));
}

}  // namespace

void LeeConfiguracionEnvio() {
  Compartidas& g = G();
  g.CarpetaBase = LeeOpcion("DBPath");
  g.RutaBase = g.CarpetaBase + LeeOpcion("DBName");
  g.UsuarioSistema = LeeOpcion("SysUser");
  g.RutaReportes = g.CarpetaBase + "RPT";
  g.RutaTemporal = g.CarpetaBase + "TMP";
}

void AbreBaseDatos() {
  Compartidas& g = G();
  try {
    // The settings always get a "\" before the file name; the engine does not.
    win::WritePrivateProfileString(kSeccion, "SystemDB", g.CarpetaBase + "\\" + std::string(kGrupoTrabajo),
                                   kArchivoConfiguracion);
    const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
    g.Motor.SetIniPath(kArchivoConfiguracion);
    g.Motor.SetSystemDB(g.CarpetaBase.ends_with("\\") ? g.CarpetaBase + std::string(kGrupoTrabajo)
                                                      : g.CarpetaBase + "\\" + std::string(kGrupoTrabajo));
    g.Motor.SetDefaultUser(cuenta.Usuario);
    g.Motor.SetDefaultPassword(cuenta.Clave);
    g.BaseDatos = g.Motor.Workspaces(0).OpenDatabase(g.RutaBase, false, false);
  } catch (const vb::Error& e) {
    if (e.Number() > 0) {
      forms::MsgBox("\n" + e.Description() + "\n" + "Intente nuevamente por favor.", forms::vbCritical, "Mensaje");
    }
    g.EstadoSalida = kSalidaSinBaseDatos;
    forms::End();
  }
}

}  // namespace summary
