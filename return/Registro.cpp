#include "return/Registro.h"

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "return/Frm0917.h"

namespace app {

void RegistraFrm0917() { G().Ventanas.Register(ventana::kFrm0917, [] { AbreNueva<Frm0917>(); }); }

}  // namespace app
