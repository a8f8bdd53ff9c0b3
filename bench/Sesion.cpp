#include "bench/Sesion.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "common/CuentaTrabajo.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/forms/Input.h"

namespace kr::bench {

Muestra InstalaMuestra(std::string_view nombre) {
  CarpetaTemporal carpeta(nombre);
  dexlora::SampleLayout layout = dexlora::CreateSampleInstallation(carpeta / "sample");
  ::setenv("WINDIR", layout.WindowsFolder.c_str(), 1);
  installer::ReiniciaCompartidas();
  if (installer::Ejecuta() != 0) std::abort();
  installer::ReiniciaCompartidas();
  std::string original = carpeta / "original.db";
  std::filesystem::copy_file(layout.Database, original);
  return Muestra{std::move(carpeta), std::move(layout), std::move(original)};
}

void ArrancaKR917(const dexlora::SampleLayout& layout) {
  app::Compartidas& g = app::G();
  const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  g.Motor.SetSystemDB(layout.Workgroup);
  g.Motor.SetDefaultUser(cuenta.Usuario);
  g.Motor.SetDefaultPassword(cuenta.Clave);
  g.Periodo = "2002";
  g.Validador = std::make_unique<app::cValidador>();
  forms::Default<app::MDIFrm>().Show();
}

void SiguienteAccion() { forms::Input::Activate(forms::Default<app::MDIFrm>()); }

void ParaKR917() {
  forms::Application::Current().Reset();
  app::ReiniciaCompartidas();
}

}  // namespace kr::bench
