// Box entry: what a change of a box's text does.
#include "app/inicio/Compartidas.h"
#include "return/Frm0917.h"
#include "return/Recalculo.h"

namespace app {

void Frm0917::txtvalor_Change(int Index) {
  FormularioModificado = true;
  // Counted so that the change a total's own recomputation makes does not run it again.
  if (Reingreso200 < 2) ++Reingreso200;
  if (Reingreso201 < 2) ++Reingreso201;
  // The load fills the boxes in its own order and computes nothing.
  if (G().CargandoFormulario) return;
  // The box's row of the recalculation table, step by step.
  const FilaRecalculo* fila = FilaRecalculoDe(Index);
  if (fila == nullptr) return;
  for (PasoRecalculo paso : fila->Pasos) {
    if (paso == nullptr) break;
    (this->*paso)();
  }
}

void Frm0917::ConmutaPerdidas() {
  // A typed 0 closes the box, though the load leaves it open for any stored text.
  if (Vale(100) > 0 || Vale(102) > 0) {
    Habcasilla(114);
  } else {
    Descasilla(114);
  }
}

void Frm0917::ConmutaAmazonia() {
  if (Vale(117) > 0) {
    HabAmazonia();
  } else {
    DesAmazonia();
  }
}

void Frm0917::ConmutaInteresPor141() {
  if (Vale(141) > 0 || (Vale(141) == 0 && Vale(142) == 0)) Descasilla(145);
}

void Frm0917::ConmutaInteresPor142() {
  if (Vale(142) > 0) {
    Habcasilla(145);
  } else if (Vale(142) == 0 && Vale(141) == 0) {
    Descasilla(145);
  }
}

void Frm0917::Reingresa200() {
  if (Reingreso200 >= 2) return;
  Calcular200();
  Reingreso200 = 0;
}

void Frm0917::Reingresa201() {
  if (Reingreso201 >= 2) return;
  Calcular201();
  Reingreso201 = 0;
}

}  // namespace app
