//===- frmImpxPag.h - The page-range dialog before a preview -------------===//
//
// The print window fills the caption ("Impresión de 4 páginas"), the page
// count and the tag (the report's file name) and shows it modally. Each
// "&Preliminar" checks the range, keeps it in G().ImpRep.ImpLinea and previews the
// report within it; the dialog stays until "&Cancelar".
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

namespace app {

/// Asks for the pages to preview, warning that long previews exhaust memory.
class frmImpxPag : public forms::Form {
 public:
  frmImpxPag();

  forms::Frame Frame1{this, "Frame1"};
  forms::Label Label2{this, "Label2"};
  forms::TextBox txtPagDesde{this, "txtPagDesde"};
  forms::Label Label1{this, "Label1"};
  forms::TextBox txtPagHasta{this, "txtPagHasta"};
  forms::TextBox Text1{this, "Text1"};
  forms::TextBox txtTotPaginas{this, "txtTotPaginas"};
  forms::ControlArray<forms::CommandButton> cmdAccion{this, "cmdAccion"};

 protected:
  void Form_Load() override;

 private:
  void txtPag_KeyPress(int& KeyAscii);
  void cmdAccion_Click(int Index);
};

}  // namespace app
