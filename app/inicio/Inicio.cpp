// ModGen00::Main: KR917's start, beside its host and alone.
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/ModGen00.h"
#include "app/inicio/Producto.h"
#include "app/inicio/RegistroVentanas.h"
#include "app/componentes/cValidador.h"
#include "app/componentes/cWindows.h"
#include "platform/forms/Application.h"
#include "platform/host/InstanceLock.h"
#include "platform/text/Error.h"

namespace ModGen00 {

void Main(const host::WindowList& escritorio, host::InstanceLock& bloqueo) {
  const app::cWindows ventanas(escritorio);
  app::Compartidas& g = app::G();
  g.Validador = std::make_unique<app::cValidador>();
  app::RegistraVentanas();
  g.Periodo = "2002";
  g.Semana = 0;

  if (!ventanas.CorreApp("Dexlora")) {
    forms::MsgBox("Debe ejecutar este módulo desde el Zazoridadi del QBX", forms::vbOKOnly + forms::vbCritical,
                  "Error al ejecutar el módulo");
    forms::End();
  }

  bool solo = false;
  try {
    solo = bloqueo.TryAcquire("KR917");
  } catch (const vb::Error& e) {
    ModFuncionesGenerales::FallaInicio(e.Description());
  }
  forms::App().SetPrevInstance(!solo);
  if (!solo) {
    forms::MsgBox("La Aplicación ya se encuentra en ejecución", forms::vbOKOnly + forms::vbInformation,
                  app::kTituloProducto);
    forms::End();
  }

  forms::Default<app::MDIFrm>().Show();
}

}  // namespace ModGen00
