//===- frmImprimir.h - The print window: a return chosen, printed or previewed ===//
//
// Lists the registered returns (CAB) or, with Enviadas, the sent ones (HCAB
// rows with estado 1) of the user's taxpayers, every user's for a user of
// type "0". "&Imprimir" and "&Preliminar" load the chosen return's boxes
// and header fields (CargarCasillas), register a report file "RP0006" in
// the spool and have the report driver write it; "&Imprimir" then prints it
// whole, "&Preliminar" asks for a page range and previews it. What the
// report holds goes by the options: "Declaración" (chosen at load) is pages
// 1 to 3, "Anexo" only the ticked annexes, "Declaración y anexo" both.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/OptionButton.h"

namespace app {

/// The window from which a saved or sent return is printed or previewed.
class frmImprimir : public forms::Form {
 public:
  frmImprimir();

  forms::Frame Frame2{this, "Frame2"};
  forms::DataControl Dta1{this, "Dta1"};
  forms::DataGrid grdContrib{this, "grdContrib"};
  forms::Frame Frame4{this, "Frame4"};
  forms::Frame Frame5{this, "Frame5"};
  forms::Frame Frame1{this, "Frame1"};
  forms::Frame Frame3{this, "Frame3"};
  forms::ControlArray<forms::OptionButton> OptImp{this, "OptImp"};
  forms::ControlArray<forms::CheckBox> chkAnexos{this, "chkAnexos"};
  forms::ControlArray<forms::CommandButton> CmdImprimir{this, "CmdImprimir"};

  /// Loads the boxes and header fields of the return in the shared key
  /// (RucDeclarante, Periodo, Formulario, Semana, and Correlativo for a sent
  /// one) into G().ImpRep and BancoCheque, NumeroCheque, Rectificatoria.
  void CargarCasillas();
  /// Empties both box arrays.
  void BorraArray();

  /// The current row's report as both actions write it: the row copied,
  /// its boxes loaded, a file registered in the spool and written, as one
  /// unit. Answers the file's name, or nothing when the registration or the
  /// report failed (and was told): then neither the row nor the file is there.
  std::optional<std::string> EscribeReporte();
  /// Loads the page-range dialog for the report `archivo` just written:
  /// its caption and page count from the pages written, the file in its tag.
  void CargaRango(const std::string& archivo);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void grdContrib_RowColChange(long LastRow, int LastCol);
  void grdContrib_KeyPress(int& KeyAscii);
  void OptImp_Click(int Index);
  void CmdImprimir_Click(int Index);

  /// Copies the current row into the shared return key.
  void CopiaFila();
  /// Shows the current row in the main window's status bar.
  void MuestraEnBarra();
  /// The text of column `indice` of the current row, as shown.
  std::string Celda(int indice) const;
  /// The week of the current row; 0 for a blank cell.
  std::int16_t SemanaDeFila() const;
  /// Whether the grid has a current row.
  bool HayFila() const;
};

}  // namespace app
