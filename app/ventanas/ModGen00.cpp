#include "app/ventanas/ModGen00.h"

#include "platform/forms/Application.h"
#include "platform/forms/MDIForm.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
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

void MuestraErrorMotor(const vb::Error& e, std::string_view titulo) {
  forms::MsgBox(e.Description() + vb::Chr(10) + vb::Str(e.Number()), forms::vbOKOnly, titulo);
}

void ErrorBaseDatos(const vb::Error& e, std::int16_t& bandera) {
  struct Texto {
    int Numero;
    std::string_view Mensaje;
  };
  static constexpr Texto kTextos[] = {
      {3020, "Registro ha sido eliminado por otro usuario"},
      {3022, "Registro ya existe lo ingresaron en ese momento"},
      {3167, "Registro ha sido modificado o eliminado por otro usuario"},
      {3186, "No puede grabarlo. Actualmente bloqueado"},
      {3197, "La data ha cambiado"},
      {3260, "Registro bloqueado. Intente luego"},
  };
  if (e.Number() > 0) {
    std::string mensaje = "Error tecnico: " + vb::Str(e.Number()) + vb::Chr(10) + e.Description() + vb::Chr(10) +
                          "Intente nuevamente por favor.";
    for (const Texto& t : kTextos) {
      if (t.Numero == e.Number()) mensaje = std::string(t.Mensaje);
    }
    forms::MsgBox(mensaje, forms::vbOKOnly + forms::vbInformation, "Mensaje");
  }
  if (bandera != 0) bandera = 0;
}

void ErrorBaseDatos(const vb::Error& e) {
  std::int16_t bandera = 0;
  ErrorBaseDatos(e, bandera);
}

}  // namespace ModGen00
