//===- frmModFor.h - The saved returns, to modify or to delete -------------===//
//
// Lists the registered returns (CAB) or, with Enviadas, the sent ones (HCAB
// rows with estado 1) of the user's taxpayers; Modo 2 opens the chosen one
// in the return form, through the window factory, Modo 3 deletes it. The
// chosen row goes to the shared return key (RucDeclarante, NombreDeclarante,
// Correlativo, Semana, Periodo "2002") and to the main window's status bar.
// A return is deleted whole or not at all: its box, header and schedule rows
// go in one transaction.
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

/// The list of saved returns, for modifying or deleting one (Modo 2 or 3).
class frmModFor : public forms::Form {
 public:
  frmModFor();

  forms::Frame fradecreg{this, "fradecreg"};
  forms::ControlArray<forms::Label> Label1{this, "Label1"};
  forms::DataControl Dta1{this, "Dta1"};
  forms::DataGrid grdContrib{this, "grdContrib"};
  forms::ControlArray<forms::CommandButton> CmdOpciones{this, "CmdOpciones"};
  forms::Label LblAbrir{this, "LblAbrir"};
  forms::Label LblSalir{this, "LblSalir"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(int& Cancel) override;

 private:
  void CmdOpciones_Click(int Index);
  void grdContrib_RowColChange(long LastRow, int LastCol);
  void grdContrib_KeyPress(int& KeyAscii);

  /// Copies the current row into the return key.
  void CopiaFila();
  /// Asks twice, then deletes the current row's return.
  void EliminaDeclaracion();
  /// Opens the current row's return in the return form.
  void ModificaDeclaracion();
  /// Shows the current row in the main window's status bar.
  void MuestraEnBarra();
  /// The text of column `indice` of the current row, as shown.
  std::string Celda(int indice) const;
};

}  // namespace app
