#include "app/componentes/BarradeEstadoQBX.h"

#include "platform/text/Strings.h"

namespace app {
namespace {

// The labels' places in a bar 375 twips high.
struct Casilla {
  forms::Label BarradeEstadoQBX::*Etiqueta;
  long Left;
  long Width;
};
constexpr Casilla kCasillas[] = {
    {&BarradeEstadoQBX::lblTipoDoc, 90, 1020},     {&BarradeEstadoQBX::lblNumdoc, 1110, 1350},
    {&BarradeEstadoQBX::lblRazonsocial, 2520, 4200}, {&BarradeEstadoQBX::lblFormulario, 6780, 1380},
    {&BarradeEstadoQBX::lblPeriodo, 8220, 1320},
};

}  // namespace

std::string SinTeclaAcceso(std::string_view texto) { return vb::Replace(texto, "&", "&&"); }

BarradeEstadoQBX::BarradeEstadoQBX(forms::Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {
  for (const Casilla& c : kCasillas) {
    forms::Label& etiqueta = this->*c.Etiqueta;
    etiqueta.SetContainer(*this);
    etiqueta.Move(c.Left, 60, c.Width, 255);
  }
  Muestra();
}

void BarradeEstadoQBX::Setesruc(std::int16_t valor) {
  EsRuc_ = valor;
  Muestra();
}

void BarradeEstadoQBX::Setformulario(std::string_view valor) {
  Formulario_ = std::string(valor);
  Muestra();
}

void BarradeEstadoQBX::Setperiodo_ejercicio(std::string_view valor) {
  Periodo_ = std::string(valor);
  Muestra();
}

void BarradeEstadoQBX::Setrazonsocial(std::string_view valor) {
  RazonSocial_ = std::string(valor);
  Muestra();
}

void BarradeEstadoQBX::Setnumdoc(std::string_view valor) {
  NumDoc_ = std::string(valor);
  Muestra();
}

void BarradeEstadoQBX::Muestra() {
  lblTipoDoc.SetCaption(EsRuc_ == 1 ? "RUC:" : "Documento:");
  lblNumdoc.SetCaption(SinTeclaAcceso(NumDoc_));
  lblRazonsocial.SetCaption(SinTeclaAcceso(RazonSocial_));
  lblFormulario.SetCaption(Formulario_.empty() ? "" : "Formulario " + SinTeclaAcceso(Formulario_));
  lblPeriodo.SetCaption(Periodo_.empty() ? "" : "Ejercicio " + SinTeclaAcceso(Periodo_));
  Changed(forms::Property::Custom);
}

}  // namespace app
