//===- FrmAdicionalDet.h - One row of a schedule, entered or changed -----===//
//
// The list window FrmAdicionalCab opens this dialog modally with ModoDetalle
// "NUEVO" (a new row; the dialog clears itself after each stored row and
// stays open) or "MODIFICA" (the grid's current row, loaded with its key
// fields locked; the dialog closes once the row is stored). It takes its
// captions, fields and geometry from the schedule kind (DisenoDetalle.h),
// its type list from PARAM 884 and its currencies from PARAM 883, checks
// the row (Valida_Datos) and stores it in TMPF0917PATRIM1 (Graba_Datos),
// then has the list window show it.
//
// Amounts show their raw number while edited and grouped otherwise;
// bank-account amounts (section "01") may be negative, with the minus
// always in front. The entry fields refuse pasting and leave the clipboard
// as it is.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"

namespace app {

class FrmAdicionalDet : public forms::Form {
 public:
  FrmAdicionalDet();

  forms::Frame FrameDetalle{this, "FrameDetalle"};
  forms::Label LblMovimiento1{this, "LblMovimiento1"};
  forms::ComboBox CboTipoMovimiento2{this, "CboTipoMovimiento2"};
  forms::Label LblOtroTipo{this, "LblOtroTipo"};
  forms::TextBox TxtMovimiento2{this, "TxtMovimiento2"};
  forms::Label LblMoneda{this, "LblMoneda"};
  forms::ListBox Lstmoneda{this, "Lstmoneda"};
  forms::Label LblCodigoMoneda{this, "LblCodigoMoneda"};
  forms::TextBox TxtCodigoMoneda{this, "TxtCodigoMoneda"};
  forms::Label LblDescMoneda{this, "LblDescMoneda"};
  forms::TextBox TxtMoneda{this, "TxtMoneda"};
  forms::Label LblPais{this, "LblPais"};
  forms::TextBox TxtPais{this, "TxtPais"};
  forms::Label LblMonto1{this, "LblMonto1"};
  forms::TextBox TxtMonto1{this, "TxtMonto1"};
  forms::Label LblMonto2{this, "LblMonto2"};
  forms::TextBox TxtMonto2{this, "TxtMonto2"};
  forms::Label LblCantidad{this, "LblCantidad"};
  forms::TextBox TxtCantidad{this, "TxtCantidad"};
  forms::CommandButton CmdAceptaDet{this, "CmdAceptaDet"};
  forms::CommandButton CmdSalirDet{this, "CmdSalirDet"};
  forms::Label LblAyuda{this, "LblAyuda"};

  /// Captions, fields and geometry for the schedule kind.
  void SetEtiquetas();
  /// Loads the list window's current grid row and locks its key fields.
  void Captura_Datos();
  /// Clears the choices and the fields for the next new row.
  void Limpia_variables();
  /// True when the row may be stored; else the message of the first fault,
  /// the focus on its field.
  bool Valida_Datos();
  /// True when the row was stored; false on a duplicate key, or after an
  /// engine error (told, the dialog closed and the list refreshed).
  bool Graba_Datos();

 protected:
  void Form_Load() override;

 private:
  // Load and lists (FrmAdicionalDet.cpp)
  void CboTipoMovimiento2_Click();
  void Lstmoneda_Click();
  void Lista_KeyPress(int& KeyAscii);
  // Checks and storing (GrabaDetalle.cpp)
  void CmdAceptaDet_Click();
  void CmdSalirDet_Click();
  // Field key rules (TeclasDetalle.cpp)
  void Numero_GotFocus(forms::TextBox& caja);
  void Numero_KeyPress(forms::TextBox& caja, int& KeyAscii);
  void Numero_LostFocus(forms::TextBox& caja);
  void TxtMovimiento2_KeyPress(int& KeyAscii);
  /// True for the amounts of a bank-account row (section "01").
  bool EsCuenta(const forms::TextBox& caja) const;

  // The codes of the grid row being changed: its type and its currency.
  std::string FilaTipo_;
  std::string FilaMoneda_;
};

/// Registers the window as ventana::kFrmAdicionalDet with G().Ventanas: it
/// opens afresh and modally in the mode ModoDetalle names.
void RegistraFrmAdicionalDet();

}  // namespace app
