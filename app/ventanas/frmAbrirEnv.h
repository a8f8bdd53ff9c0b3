//===- frmAbrirEnv.h - The sent returns, to record their order number ----===//
//
// Lists every sent return (HCAB) of the user's taxpayers, whatever its
// estado; Registrar copies the chosen row into the return key (with
// Correlativo, NumeroControl and NumeroOrden), sets ModoRegistro and opens
// the return form through the window factory. The list is read again each
// time the window comes back to the front, and the chosen row is made
// current again, so a number just recorded shows at once. However the
// window goes, it leaves ModoRegistro and OrdenModificado False.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"

namespace app {

/// The list of sent returns, for recording the order number of one.
class frmAbrirEnv : public forms::Form {
 public:
  frmAbrirEnv();

  forms::Frame Frame1{this, "Frame1"};
  forms::Label Label1{this, "Label1"};
  forms::DataControl DtaNew{this, "DtaNew"};
  forms::DataGrid grdContrib{this, "grdContrib"};
  forms::ControlArray<forms::CommandButton> CmdOpciones{this, "CmdOpciones"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(int& Cancel) override;

 private:
  void CmdOpciones_Click(int Index);
  void grdContrib_RowColChange(long LastRow, int LastCol);

  /// The text of column `indice` of the current row, as shown.
  std::string Celda(int indice) const;
};

}  // namespace app
