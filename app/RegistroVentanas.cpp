#include "app/RegistroVentanas.h"

#include "app/Compartidas.h"
#include "app/frmAbrirEnv.h"
#include "app/frmBancos.h"
#include "app/frmModFor.h"

namespace app {

void RegistraVentanas() {
  Ventanas& ventanas = G().Ventanas;
  ventanas.Registra("frmModFor", [] { AbreNueva<frmModFor>(); });
  ventanas.Registra("frmAbrirEnv", [] { AbreNueva<frmAbrirEnv>(); });
  ventanas.Registra("frmBancos", [] { AbreNueva<frmBancos>(); });
}

}  // namespace app
