#include "kr917/Programa.h"

#include "return/Registro.h"

namespace kr917 {

void RegistraVentanas() { app::RegistraFrm0917(); }

}  // namespace kr917
