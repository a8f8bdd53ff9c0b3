// The spouse's date of birth: checked when the entry is complete, that is
// when the box loses the focus. A text that is no date from 1850 to 2500
// empties the box, silently.
#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::MkeFecNac_LostFocus() {
  if (!Validador().ValidaFecha(MkeFecNac.Text(), "01/01/1850", "01/01/2500")) MkeFecNac.SetText("__/__/____");
}

}  // namespace app
