//===- BarradeEstadoQBX.h - The main window's status bar of the return ---===//
//
// Shows the declarant, the form and the tax year that the program works on.
// The windows only write its properties, by name; it draws them as labels
// inside itself, so any front end shows it:
//
//   MDIFrm.BarradeEstadoQBX1.Setnumdoc(RucDeclarante);
//
// esruc 1 says the number is a RUC; any other value shows it as a document
// number.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/Control.h"
#include "platform/forms/Label.h"

namespace app {

class BarradeEstadoQBX : public forms::Control {
 public:
  BarradeEstadoQBX(forms::Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "BarradeEstadoQBX"; }

  std::int16_t esruc() const { return EsRuc_; }
  void Setesruc(std::int16_t valor);
  /// The form number.
  const std::string& formulario() const { return Formulario_; }
  void Setformulario(std::string_view valor);
  /// The tax year.
  const std::string& periodo_ejercicio() const { return Periodo_; }
  void Setperiodo_ejercicio(std::string_view valor);
  /// The declarant's name.
  const std::string& razonsocial() const { return RazonSocial_; }
  void Setrazonsocial(std::string_view valor);
  /// The declarant's number.
  const std::string& numdoc() const { return NumDoc_; }
  void Setnumdoc(std::string_view valor);

  // What it shows.
  forms::Label lblTipoDoc{&Parent(), Name() + ".lblTipoDoc"};
  forms::Label lblNumdoc{&Parent(), Name() + ".lblNumdoc"};
  forms::Label lblRazonsocial{&Parent(), Name() + ".lblRazonsocial"};
  forms::Label lblFormulario{&Parent(), Name() + ".lblFormulario"};
  forms::Label lblPeriodo{&Parent(), Name() + ".lblPeriodo"};

 private:
  /// Shows the properties in the labels and tells the front end.
  void Muestra();

  std::int16_t EsRuc_ = 0;
  std::string Formulario_;
  std::string Periodo_;
  std::string RazonSocial_;
  std::string NumDoc_;
};

/// `texto` for a label caption: an "&" stays an "&", not an access key.
std::string SinTeclaAcceso(std::string_view texto);

}  // namespace app
