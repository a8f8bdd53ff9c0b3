#include "app/ventanas/ModGen00.h"

#include "platform/forms/Application.h"
#include "platform/forms/MDIForm.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace ModGen00 {

void CierraFormularios() {
  forms::Application& aplicacion = forms::Application::Current();
  while (forms::MDIForm* marco = aplicacion.MDIFrame()) {
    forms::Form* hijo = marco->ActiveForm();
    if (hijo == nullptr) return;
    try {
      aplicacion.Unload(*hijo);
    } catch (const vb::Error&) {
    }
    // A child that cancels its unload would stay active for ever.
    if (aplicacion.MDIFrame() == marco && marco->ActiveForm() == hijo) return;
  }
}

std::string QuitaComas(std::string& numero) {
  for (long coma = vb::InStr(numero, ","); coma > 0; coma = vb::InStr(numero, ",")) {
    numero = vb::UCase(vb::Left(numero, coma - 1)) + vb::Mid(numero, coma + 1);
  }
  std::string recortado = vb::Trim(numero);
  if (recortado.empty() || recortado == "0" || recortado == ".") return "0.00";
  return numero;
}

int MensajeError(std::string_view mensaje, std::string_view titulo) {
  return forms::MsgBox(mensaje, forms::vbOKOnly + forms::vbCritical, titulo);
}

int MensajeInfo(std::string_view mensaje, std::string_view titulo) {
  return forms::MsgBox(mensaje, forms::vbOKOnly + forms::vbInformation, titulo);
}

}  // namespace ModGen00
