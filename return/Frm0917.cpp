// The return form made: its controls built from the layout tables, and its
// event procedures bound.
#include "return/Frm0917.h"

namespace app {

Frm0917::Frm0917() : Form("Frm0917") {
  SetCaption(kTituloFrm0917);
  Move(0, 0, 9615, 6825);
  SetMinButton(false);
  SetMaxButton(false);

  DisenaMarcos();
  DisenaCasillas();
  DisenaControles();
  DisenaTextos();
  OrdenaTabulacion();

  txtvalor.On(&forms::TextBox::Change, [this](int Index) { txtvalor_Change(Index); });
  cboProfesion.Click = [this] { cboProfesion_Click(); };
  CmbRuc.Click = [this] { CmbRuc_Click(); };
  CmbRuc.KeyDown = [this](int& KeyCode, int Shift) { CmbRuc_KeyDown(KeyCode, Shift); };
  cmbtipdoc.On(&forms::ComboBox::Click, [this](int Index) { cmbtipdoc_Click(Index); });
  OptAdicionalBancarias.On(&forms::OptionButton::Click, [this](int Index) { OptAdicionalBancarias_Click(Index); });
  OptEgresos.On(&forms::OptionButton::Click, [this](int Index) { OptEgresos_Click(Index); });
  OptIngresos.On(&forms::OptionButton::Click, [this](int Index) { OptIngresos_Click(Index); });
  OptPrestamos.On(&forms::OptionButton::Click, [this](int Index) { OptPrestamos_Click(Index); });
  optInmueble.On(&forms::OptionButton::Click, [this](int Index) { optInmueble_Click(Index); });
  OptRectifica.On(&forms::OptionButton::Click, [this](int Index) { OptRectifica_Click(Index); });

  txtvalor.On(&forms::TextBox::GotFocus, [this](int Index) { txtvalor_GotFocus(Index); });
  txtvalor.On(&forms::TextBox::LostFocus, [this](int Index) { txtvalor_LostFocus(Index); });
  txtvalor.On(&forms::TextBox::KeyPress, [this](int Index, int& KeyAscii) { txtvalor_KeyPress(Index, KeyAscii); });
  TxtTelefono.KeyPress = [this](int& KeyAscii) { TxtTelefono_KeyPress(KeyAscii); };
  txtOrden.KeyPress = [this](int& KeyAscii) { txtOrden_KeyPress(KeyAscii); };
  txtVerifica.KeyPress = [this](int& KeyAscii) { txtVerifica_KeyPress(KeyAscii); };
  tab0584.Click = [this](int PreviousTab) { tab0584_Click(PreviousTab); };
  SSTab1.Click = [this](int PreviousTab) { SSTab1_Click(PreviousTab); };
  SSTab2.Click = [this](int PreviousTab) { SSTab2_Click(PreviousTab); };
  SSTab3.Click = [this](int PreviousTab) { SSTab3_Click(PreviousTab); };
  hsDeuda.Change = [this] { hsDeuda_Change(); };
  hsDeuda.Scroll = [this] { hsDeuda_Scroll(); };
  MkeFecNac.LostFocus = [this] { MkeFecNac_LostFocus(); };
  Cmdgeneral.On(&forms::CommandButton::Click, [this](int Index) { Cmdgeneral_Click(Index); });
  CmdCtasBancarias.On(&forms::CommandButton::Click, [this](int Index) { CmdCtasBancarias_Click(Index); });
  CmdEgresos.On(&forms::CommandButton::Click, [this](int Index) { CmdEgresos_Click(Index); });
  CmdIngresos.On(&forms::CommandButton::Click, [this](int Index) { CmdIngresos_Click(Index); });
  CmdPrestamo.On(&forms::CommandButton::Click, [this](int Index) { CmdPrestamo_Click(Index); });

  // Every strip starts on its first page, with that page's help topic.
  for (forms::TabControl* tira : {&tab0584, &SSTab1, &SSTab2, &SSTab3}) TemaDePagina(*tira);
}

}  // namespace app
