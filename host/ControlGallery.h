//===- ControlGallery.h - A window with one control of every kind -------===//
//
// For looking at the Qt front end: each kind of control the window model has,
// filled with sample values, the data grid over the sample installation's
// banks. The screenshots include it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/MaskEdBox.h"
#include "platform/forms/Menu.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Toolbar.h"

namespace dexlora {

class frmMuestrario : public forms::Form {
 public:
  frmMuestrario();

  /// The database whose banks the grid lists (set before the window loads).
  inline static std::string Database;

  forms::Menu mnuArchivo{this, "mnuArchivo"};
  forms::Menu mnuNuevo{this, "mnuNuevo"};
  forms::Menu mnuRaya{this, "mnuRaya"};
  forms::Menu mnuSalir{this, "mnuSalir"};
  forms::Menu mnuAyuda{this, "mnuAyuda"};
  forms::ImageList imlBotones{this, "imlBotones"};
  forms::Toolbar tlbBotones{this, "tlbBotones"};
  forms::Label lblNombre{this, "lblNombre"};
  forms::TextBox txtNombre{this, "txtNombre"};
  forms::Label lblFecha{this, "lblFecha"};
  forms::MaskEdBox mskFecha{this, "mskFecha"};
  forms::Label lblBanco{this, "lblBanco"};
  forms::ComboBox cboBanco{this, "cboBanco"};
  forms::ListBox lstDocumentos{this, "lstDocumentos"};
  forms::CheckBox chkRectifica{this, "chkRectifica"};
  forms::Frame fraPago{this, "fraPago"};
  forms::ControlArray<forms::OptionButton> optPago{this, "optPago"};
  forms::TabControl tabSecciones{this, "tabSecciones"};
  forms::Label lblSeccion{this, "lblSeccion"};
  forms::TextBox txtNotas{this, "txtNotas"};
  forms::HScrollBar hsbPagina{this, "hsbPagina"};
  forms::PictureBox picHoja{this, "picHoja"};
  forms::Image imgLogo{this, "imgLogo"};
  forms::Line linRaya{this, "linRaya"};
  forms::CommandButton cmdAceptar{this, "cmdAceptar"};
  forms::CommandButton cmdCancelar{this, "cmdCancelar"};
  forms::DataControl datBancos{this, "datBancos"};
  forms::DataGrid grdBancos{this, "grdBancos"};
  forms::StatusBar sbrEstado{this, "sbrEstado"};
  forms::CommonDialog dlgAyuda{this, "dlgAyuda"};

 protected:
  void Form_Load() override;
};

}  // namespace dexlora
