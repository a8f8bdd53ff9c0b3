// Leaving the identification page: the return's identification is checked
// before the user works on its other pages.
#include "return/Frm0917.h"

namespace app {

void Frm0917::tab0584_Click(int PreviousTab) {
  // 1. Registering an order number changes nothing of the identification.
  if (EnRegistro()) return;
  // 2.
  if (!CompruebaSalidaIdentificacion(PreviousTab)) return;
}

bool Frm0917::CompruebaSalidaIdentificacion(int PreviousTab) {
  if (PreviousTab != 0) return true;
  return ValIdent("1");
}

}  // namespace app
