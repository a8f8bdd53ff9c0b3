//===- FormaDePagoQBX.h - The return's payment method, bank and cheque ---===//
//
// The return form reads and writes its properties by name; the user picks
// cheque or cash, the bank and the cheque number in the controls it holds,
// which always show the properties:
//
//   formapago  "C" cheque, "E" cash, "XX" (or anything else) none chosen
//   banco      the bank's 2-character code, "XX" none chosen
//   numcheque  the cheque number
//   importe    the amount shown, already formatted; "" for none
//   habilitado whether the user may change it
//
// The banks are PARAM group 004 (row "00" left out), read from the open
// database the first time they are needed; a code that is not in the list
// is kept and shown as no bank.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/ComboBox.h"
#include "platform/forms/Control.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"

namespace app {

class FormaDePagoQBX : public forms::Control {
 public:
  FormaDePagoQBX(forms::Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "FormaDePagoQBX"; }

  const std::string& numcheque() const { return NumCheque_; }
  void Setnumcheque(std::string_view valor);
  const std::string& banco() const { return Banco_; }
  void Setbanco(std::string_view valor);
  const std::string& formapago() const { return FormaPago_; }
  void Setformapago(std::string_view valor);
  const std::string& importe() const { return Importe_; }
  void Setimporte(std::string_view valor);
  bool habilitado() const { return Habilitado_; }
  void Sethabilitado(bool valor);

  // What the user works with.
  forms::OptionButton optCheque{&Parent(), Name() + ".optCheque"};
  forms::OptionButton optEfectivo{&Parent(), Name() + ".optEfectivo"};
  forms::Label lblBanco{&Parent(), Name() + ".lblBanco"};
  forms::ComboBox cboBanco{&Parent(), Name() + ".cboBanco"};
  forms::Label lblCheque{&Parent(), Name() + ".lblCheque"};
  forms::TextBox txtCheque{&Parent(), Name() + ".txtCheque"};
  forms::Label lblImporte{&Parent(), Name() + ".lblImporte"};
  forms::Label lblMonto{&Parent(), Name() + ".lblMonto"};

 private:
  /// Fills the bank list from the open database, once.
  void CargaBancos();
  /// Puts the properties into the controls (without taking them back).
  void Muestra();
  void optCheque_Click();
  void optEfectivo_Click();
  void cboBanco_Click();
  void txtCheque_Change();

  std::string NumCheque_;
  std::string Banco_ = "XX";
  std::string FormaPago_ = "XX";
  std::string Importe_;
  bool Habilitado_ = true;

  std::vector<std::string> CodigosBanco_;  // by list index
  bool BancosCargados_ = false;
  bool Mostrando_ = false;
};

}  // namespace app
