//===- FrmDesglose.h - The breakdown windows of boxes 200 and 201 --------===//
//
// Box 200 (exempt income) is the sum of boxes 535 to 539, box 201
// (non-taxable income) that of boxes 530 to 534 and 540. Enter in either box
// of the return form opens its breakdown by name (FrmExoneradas,
// FrmInafectas), modally: one amount field per part, beside its legal
// wording, and a running total. Aceptar writes the fields into the part
// boxes (each write a change of that box), has the return form recompute
// the total box and box 518, and closes; Cancelar and the close box write
// nothing.
//
// The two windows differ only in their table (DisenoDesglose); they share
// the controls and the event procedures of FrmDesglose. An amount shows its
// plain number while its field has the focus and the grouped form after.
// The fields refuse pasting, and leave the clipboard as it is.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

namespace app {

class Frm0917;

/// One part of a breakdown: its box on the return form, its wording and how
/// many lines that wording takes in the window.
struct ParteDesglose {
  std::int16_t Casilla;
  std::string_view Descripcion;
  int Lineas = 1;
};

/// What sets one breakdown window apart.
struct DisenoDesglose {
  std::string_view Nombre;
  std::string_view Titulo;         // the window's caption
  std::string_view Encabezado;     // the title label
  std::string_view EtiquetaTotal;  // the label of the total
  std::span<const ParteDesglose> Partes;
  /// The return form's recomputation of the total box.
  void (Frm0917::*CalcularTotal)();
};

/// The window of a breakdown, laid out from its table.
class FrmDesglose : public forms::Form {
 public:
  explicit FrmDesglose(const DisenoDesglose& diseno);

  forms::Frame fraDeduccion{this, "fraDeduccion"};
  forms::Label lblTitulo{this, "lblTitulo"};
  forms::Label lblMonto{this, "lblMonto"};
  /// The wording of each part, by the index of its field.
  forms::ControlArray<forms::Label> lblDescripcion{this, "lblDescripcion"};
  /// The amounts, indexed from 0 in the table's order.
  forms::ControlArray<forms::TextBox> TxtMonto{this, "TxtMonto"};
  forms::Label lblTotal{this, "lblTotal"};
  forms::TextBox TxtTotal{this, "TxtTotal"};
  forms::CommandButton CmdGrabar{this, "CmdGrabar"};
  forms::CommandButton cmdCancelar{this, "cmdCancelar"};

 protected:
  void Form_Load() override;

 private:
  void TxtMonto_Change(int Index);
  void TxtMonto_GotFocus(int Index);
  void TxtMonto_LostFocus(int Index);
  void TxtMonto_KeyPress(int Index, int& KeyAscii);
  void CmdGrabar_Click();
  void cmdCancelar_Click();

  const DisenoDesglose& Diseno_;
};

/// Box 200's breakdown: "Casilla 200 - Rentas exoneradas", boxes 535 to 539.
class FrmExoneradas final : public FrmDesglose {
 public:
  FrmExoneradas();
};

/// Box 201's breakdown: "Casilla 201 - Rentas Inafectas", boxes 530 to 534 and 540.
class FrmInafectas final : public FrmDesglose {
 public:
  FrmInafectas();
};

/// Registers both windows with G().Ventanas under their names.
void RegistraDesgloses();

}  // namespace app
