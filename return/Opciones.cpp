// The option pairs: the schedule answers, the rented premises, the
// rectification.
#include <cstddef>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "return/Adicionales.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::RespuestaAdicional(std::size_t adicional, int Index) {
  const Adicional& a = kAdicionales[adicional];
  forms::ControlArray<forms::CommandButton>& botones = this->*a.Botones;
  if (Index == 1) {
    for (int i : botones.Indexes()) botones(i).SetEnabled(true);
  } else if (Index == 0) {
    // The load chooses No before it fills the work table with the return's
    // own rows; only the user's No empties the schedule.
    if (!G().CargandoFormulario) Elimina_Adicional(a.Tipo);
    for (int i : botones.Indexes()) botones(i).SetEnabled(false);
  }
}

void Frm0917::OptAdicionalBancarias_Click(int Index) { RespuestaAdicional(0, Index); }
void Frm0917::OptEgresos_Click(int Index) { RespuestaAdicional(1, Index); }
void Frm0917::OptIngresos_Click(int Index) { RespuestaAdicional(2, Index); }
void Frm0917::OptPrestamos_Click(int Index) { RespuestaAdicional(3, Index); }

void Frm0917::optInmueble_Click(int Index) {
  if (Index == 1) {
    HabAlquiler();
  } else if (Index == 2) {
    DesAlquiler();
  }
}

void Frm0917::OptRectifica_Click(int Index) {
  FormularioModificado = true;
  if (Index == 1 && !G().CargandoFormulario) {
    forms::MsgBox(
        "Recuerde que debe consignar información en todas las casillas inclusive aquellas que no está rectificando.",
        forms::vbExclamation, kTituloFrm0917);
  }
}

}  // namespace app
