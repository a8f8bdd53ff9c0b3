//===- MDIFrm.h - KR917's main window --------------------------------------===//
//
// A frame of fixed size with the menus and toolbar that start every task
// and the status bar of the return at hand. Its load finishes the
// start-up: settings, database, form number, help file, status bar. Each
// command sets the shared purpose variables and opens its window afresh,
// modally, through the window factory (Ventanas.h), by name; Salir and
// toolbar button 5 close the database and end the program.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>

#include "app/componentes/BarradeEstadoQBX.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/MDIForm.h"
#include "platform/forms/Menu.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Toolbar.h"

namespace app {

class MDIFrm : public forms::MDIForm {
 public:
  MDIFrm();

  // The menu bar, in its order.
  forms::Menu mnuDeclara{this, "mnuDeclara"};
  forms::Menu mnuNueva{this, "mnuNueva"};
  forms::Menu mnuModificar{this, "mnuModificar"};
  forms::Menu mnuEliminar{this, "mnuEliminar"};
  forms::Menu Rayita1{this, "Rayita1"};
  forms::Menu mnuImprimir{this, "mnuImprimir"};
  forms::Menu Rayita{this, "Rayita"};
  forms::Menu mnuSalir{this, "mnuSalir"};
  forms::Menu mnuDeclaraE{this, "mnuDeclaraE"};
  forms::Menu mnuRegistrar{this, "mnuRegistrar"};
  forms::Menu mnuEliminarE{this, "mnuEliminarE"};
  forms::Menu Raya{this, "Raya"};
  forms::Menu mnuImprimirE{this, "mnuImprimirE"};
  forms::Menu mnuConsultas{this, "mnuConsultas"};
  forms::Menu mnuPro{this, "mnuPro"};
  forms::Menu mnuBancos{this, "mnuBancos"};
  forms::Menu mnuUit{this, "mnuUit"};
  forms::Menu mnuayuda{this, "mnuayuda"};
  forms::Menu mnuContenido{this, "mnuContenido"};
  forms::Menu mnuRaya{this, "mnuRaya"};
  forms::Menu mnuAcerca{this, "mnuAcerca"};

  forms::ImageList ImageList1{this, "ImageList1"};
  forms::Toolbar Toolbar1{this, "Toolbar1"};
  forms::PictureBox Picture1{this, "Picture1"};
  forms::Image Image1{this, "Image1"};
  BarradeEstadoQBX BarradeEstadoQBX1{this, "BarradeEstadoQBX1"};
  forms::CommonDialog CMDlgHlp{this, "CMDlgHlp"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void mnuNueva_Click();
  void mnuModificar_Click();
  void mnuEliminar_Click();
  void mnuImprimir_Click();
  void mnuSalir_Click();
  void mnuRegistrar_Click();
  void mnuEliminarE_Click();
  void mnuImprimirE_Click();
  void mnuPro_Click();
  void mnuBancos_Click();
  void mnuUit_Click();
  void mnuContenido_Click();
  void mnuAcerca_Click();
  void Toolbar1_ButtonClick(forms::ToolbarButton& Button);

  /// Puts the window back in its fixed place and size.
  void pCuadra();
  /// Opens the lookup window on the lookup `tipo` (1 professions, 2 banks, 3 UIT).
  void AbreConsulta(std::uint8_t tipo);
  /// Shows the contents of the program's help file.
  void MuestraContenido();
};

}  // namespace app
