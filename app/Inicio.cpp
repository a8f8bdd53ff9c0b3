// ModGen00::Main: KR917's start, beside its host and alone.
#include "app/Compartidas.h"
#include "app/MDIFrm.h"
#include "app/ModFuncionesGenerales.h"
#include "app/ModGen00.h"
#include "app/Producto.h"
#include "app/RegistroVentanas.h"
#include "app/cValidador.h"
#include "app/cWindows.h"
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
