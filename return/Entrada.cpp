// Box entry: what a change of a box's text does.
#include "app/inicio/Compartidas.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::txtvalor_Change(int /*Index*/) {
  FormularioModificado = true;
  if (G().CargandoFormulario) return;
  // The recalculation of the boxes computed from this one goes here.
}

}  // namespace app
