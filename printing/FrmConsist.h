//===- FrmConsist.h - The inconsistencies of a return, and their print ---===//
//
// The consistency check lists a return's inconsistencies in the file named
// by ArchivoSalida (Mens.txt) and opens this window, which shows the file
// whole and prints it as a boxed, numbered list: 40 rows a sheet, each sheet
// under its own heading and frame, the count of messages on the last.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"
#include "platform/print/Canvas.h"
#include "platform/text/DateTime.h"

namespace app {

/// "Inconsistencias detectadas".
class FrmConsist : public forms::Form {
 public:
  FrmConsist();

  forms::Label Label1{this, "Label1"};
  forms::TextBox TxtPreliminar{this, "TxtPreliminar"};
  forms::CommandButton CmdImprimir{this, "CmdImprimir"};
  forms::CommandButton CmdGrabar{this, "CmdGrabar"};

  /// Prints the list of ArchivoSalida.
  void RepInconsist();
  /// Prints `texto` at (x, y) in "Courier new" of `tamano` points.
  void pPosImprime(int x, int y, const std::string& texto, bool negrita, int tamano);
  /// Prints the rectangle from corner (x1, y1) to corner (x2, y2).
  void pImprimeCuadro(int x1, int y1, int x2, int y2);

 protected:
  void Form_Load() override;

 private:
  void CmdGrabar_Click();
  void CmdImprimir_Click();
  // The heading of sheet `hoja`, dated `momento`.
  void Cabecera(int hoja, vb::DateTime momento);

  std::shared_ptr<print::Canvas> Impresora_;
};

}  // namespace app
