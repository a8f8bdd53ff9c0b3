#include "kr917/Programa.h"

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "printing/FrmConsist.h"

namespace kr917 {

void RegistraVentanas() {
  forms::WindowRegistry& ventanas = app::G().Ventanas;
  ventanas.Register(app::ventana::kFrmConsist, [] { app::AbreNueva<app::FrmConsist>(); });
}

}  // namespace kr917
