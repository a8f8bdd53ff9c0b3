#include "app/ventanas/frmAcercade.h"

#include "app/inicio/Producto.h"
#include "platform/forms/Application.h"

namespace app {

frmAcercade::frmAcercade() : Form("frmAcercade") {
  SetCaption("Acerca de Dexlora ");
  Move(0, 0, 7515, 4380);
  SetMinButton(false);
  SetMaxButton(false);

  Image1.Move(0, 0, 7320, 1785);  // 488 x 119 pixels
  Image1.SetPicture("acercade");
  Image1.SetStretch(true);
  Text3.Move(240, 1920, 6960, 330);
  Text3.SetCaption("Dexlora");
  Text3.SetFont({"MS Sans Serif", 12, true});
  Text1.Move(240, 2280, 6960, 285);
  Text1.SetCaption(kTituloProducto);
  Text1.SetFont({"MS Sans Serif", 9.75, true});
  txtVersion.Move(240, 2610, 6960, 255);
  txtVersion.SetCaption("Versión 1.0");
  Text4.Move(240, 2910, 6960, 255);
  Text4.SetCaption(kTextoFabricante);
  Line1.SetPoints(240, 3300, 7200, 3300);
  cmdAceptar.Move(5880, 3480, 1320, 375);
  cmdAceptar.SetCaption("&Aceptar");
  cmdAceptar.SetDefault(true);
  cmdAceptar.SetCancel(true);
  cmdAceptar.Click = [this] { cmdAceptar_Click(); };
}

void frmAcercade::Form_Load() {
  txtVersion.SetCaption("Versión 1.0");
  forms::Screen().SetMousePointer(forms::vbDefault);
}

void frmAcercade::cmdAceptar_Click() {
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<frmAcercade>();
}

}  // namespace app
