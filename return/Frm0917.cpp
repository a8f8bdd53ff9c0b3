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
  Cmdgeneral.On(&forms::CommandButton::Click, [this](int Index) { Cmdgeneral_Click(Index); });
  tab0584.Click = [this](int PreviousTab) { tab0584_Click(PreviousTab); };
}

}  // namespace app
