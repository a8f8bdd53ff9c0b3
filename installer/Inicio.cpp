#include "installer/Inicio.h"

#include <string>

#include "common/CuentaTrabajo.h"
#include "installer/Compartidas.h"
#include "installer/EjecutaSQL.h"
#include "installer/Parametros.h"
#include "installer/Tablas.h"
#include "platform/db/JetError.h"
#include "platform/forms/Application.h"
#include "platform/profile/Profile.h"
#include "platform/text/Strings.h"

namespace installer {
namespace {

constexpr std::string_view kArchivoConfiguracion = "KR000.INI";
constexpr std::string_view kSeccion = "Options";
constexpr long kLargoBuffer = 255;
constexpr std::string_view kTituloConexion = "Error de Conección";

// The tables whose text columns may be left empty, in the order they are set.
constexpr std::string_view kTablasPatrimonio[] = {"F0917PATRIM", "HF0917PATRIM", "TMPF0917PATRIM", "TMPF0917PATRIM1"};

std::string LeeOpcion(std::string_view clave) {
  return win::GetPrivateProfileString(kSeccion, clave, "", kLargoBuffer, kArchivoConfiguracion);
}

// Ends the program when nothing could be installed.
[[noreturn]] void TerminaSinBaseDatos() {
  G().EstadoSalida = kSalidaSinBaseDatos;
  forms::End();
}

}  // namespace

void Main() {
  std::string ruta = LeeOpcion("SysPath");
  if (vb::Trim(ruta).empty()) {
    forms::MsgBox("Debe instalar primero el QBX ", forms::vbInformation, "Mensaje");
    TerminaSinBaseDatos();
  }
  if (ruta.ends_with("\\\\")) ruta.pop_back();
  G().RutaSistema = ruta;
  AbreBaseDatos(G().RutaSistema);
  InstalaTablas(G().RutaSistema);
}

bool AbreBaseDatos(std::string_view carpeta) {
  Compartidas& g = G();
  try {
    common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
    std::string nombreBase = LeeOpcion("DBName");
    g.Motor.SetIniPath(kArchivoConfiguracion);
    g.Motor.SetSystemDB(std::string(carpeta) + "\\KR000.MDW");
    g.Motor.SetDefaultUser(cuenta.Usuario);
    g.Motor.SetDefaultPassword(cuenta.Clave);
    g.BaseDatos = g.Motor.Workspaces(0).OpenDatabase(std::string(carpeta) + nombreBase, false, false, "");
    IniciaTransaccion();
    return true;
  } catch (const vb::Error& e) {
    if (e.Number() == dao::ErrDatabaseLocked) {
      forms::MsgBox(" " + std::to_string(e.Number()) + "- Base de datos esta bloqueda", forms::vbOKOnly,
                    kTituloConexion);
    } else {
      forms::MsgBox(e.Description() + "\n" + " " + std::to_string(e.Number()), forms::vbOKOnly, kTituloConexion);
    }
    TerminaSinBaseDatos();
  }
}

void InstalaTablas(std::string_view /*carpeta*/) {
  BorraTemporales();
  CreaTablas();
  for (std::string_view tabla : kTablasPatrimonio) PermiteLongitudCero(tabla);
  CargaParametros();
}

int Ejecuta() {
  try {
    Main();
  } catch (const forms::ProgramEnd&) {
    // Main or AbreBaseDatos ended the program after its message.
  } catch (const vb::Error& e) {
    // A failure no step handles (the table list cannot be read, say) ends
    // the run, told like a failing statement.
    MuestraErrorSQL(e);
    MarcaFalla();
  }
  // Whatever stopped the run, nothing is left open.
  G().Archivos.Close();
  CierraBaseDatos();
  return G().EstadoSalida;
}

}  // namespace installer
