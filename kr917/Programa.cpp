#include "kr917/Programa.h"

namespace kr917 {

void RegistraVentanas() {}

}  // namespace kr917
