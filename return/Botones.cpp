// The general buttons of the return form.
#include "return/Frm0917.h"

namespace app {

void Frm0917::Cmdgeneral_Click(int Index) {
  if (Index == 0) ValidaTodo("0");
}

}  // namespace app
