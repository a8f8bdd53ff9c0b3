// The general buttons of the return form: check, save, leave.
#include "return/Frm0917.h"

namespace app {

void Frm0917::Cmdgeneral_Click(int Index) {
  switch (Index) {
    case 0:
      ValidaTodo("0");
      break;
    case 1:
      GrabarForm();
      break;
    case 2:
      Salir();
      break;
    default:
      break;
  }
}

}  // namespace app
