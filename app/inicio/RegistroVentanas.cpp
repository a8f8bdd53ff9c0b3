#include "app/inicio/RegistroVentanas.h"

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmBancos.h"
#include "app/ventanas/frmModFor.h"

namespace app {

void RegistraVentanas() {
  forms::WindowRegistry& ventanas = G().Ventanas;
  ventanas.Register(ventana::kFrmModFor, [] { AbreNueva<frmModFor>(); });
  ventanas.Register(ventana::kFrmAbrirEnv, [] { AbreNueva<frmAbrirEnv>(); });
  ventanas.Register(ventana::kFrmBancos, [] { AbreNueva<frmBancos>(); });
}

}  // namespace app
