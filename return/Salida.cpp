// Leaving the return form: by Salir or by the close box, a changed return
// (or a typed order number) is offered for saving first.
#include "app/inicio/Compartidas.h"
#include "common/NumeroOrden.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Strings.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::Salir() {
  if (ConfirmaSalida() != Salida::Sale) return;
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<Frm0917>();
}

void Frm0917::Form_QueryUnload(int& Cancel, int UnloadMode) {
  // Only the user's close asks; Salir and the save's closing step have asked already.
  if (UnloadMode != forms::vbFormControlMenu) return;
  if (ConfirmaSalida() == Salida::Queda) Cancel = 1;
}

Frm0917::Salida Frm0917::ConfirmaSalida() {
  const Compartidas& g = G();
  // A return being entered or modified.
  if (!EnRegistro()) {
    if (!FormularioModificado) return Salida::Sale;
    switch (forms::MsgBox("¿El formulario ha sido modificado, desea guardar los cambios?",
                          forms::vbYesNoCancel + forms::vbQuestion, Caption())) {
      case forms::vbYes:
        // A completed save closes the form itself; a refused one keeps it.
        SalirAlGrabar = true;
        return GrabarForm() ? Salida::Cerrada : Salida::Queda;
      case forms::vbNo:
        SalirAlGrabar = true;
        return Salida::Sale;
      default:
        return Salida::Queda;
    }
  }

  // The order-number registration of a sent return.
  if (!g.OrdenModificado) return Salida::Sale;
  if (forms::MsgBox(" El número de orden ha cambiado. ¿Desea guardar los cambios?", forms::vbYesNo + forms::vbQuestion,
                    Caption()) == forms::vbNo) {
    return Salida::Sale;
  }
  if (vb::Len(txtOrden.Text()) != 8) {
    forms::MsgBox("El número de orden es incorrecto", forms::vbCritical, Caption());
    return Salida::Queda;
  }
  if (!common::ValidaOrden(g.NumeroControl, txtOrden.Text(), txtVerifica.Text())) {
    forms::MsgBox("Digito verificador incorrecto", forms::vbCritical, Caption());
    return Salida::Queda;
  }
  return GrabarForm() ? Salida::Sale : Salida::Queda;
}

}  // namespace app
