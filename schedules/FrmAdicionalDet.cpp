// The schedule row window: its design, its load, the layout per schedule
// kind, the row of the list window loaded for a change, and the clearing
// for the next new row.
#include "schedules/FrmAdicionalDet.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/servicios/ListasParametros.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "app/ventanas/mod_Combo.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/DataGrid.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "schedules/DisenoDetalle.h"
#include "schedules/FrmAdicionalCab.h"

namespace app {
namespace {

constexpr long kIzquierda = 360;
constexpr long kDerecha = 4200;
constexpr long kAnchoIzquierda = 3600;
constexpr long kAnchoDerecha = 4560;
constexpr long kAltoCaja = 285;
constexpr long kAltoEtiqueta = 240;

// Where a label and its field stand.
void Coloca(forms::Label& etiqueta, forms::Control& campo, long x, Altura a, long ancho, long alto) {
  etiqueta.Move(x, a.Etiqueta, ancho, kAltoEtiqueta);
  campo.Move(x, a.Campo, ancho, alto);
}

void Sube(forms::Label& etiqueta, forms::Control& campo, Altura a) {
  if (a.Etiqueta == 0 && a.Campo == 0) return;
  etiqueta.SetTop(a.Etiqueta);
  campo.SetTop(a.Campo);
}

std::string ConPeriodo(const char* texto, bool conPeriodo) {
  std::string caption = texto;
  if (conPeriodo) caption += G().Periodo;
  return caption;
}

// A column of the list window's current grid row, as text.
std::string Columna(const forms::DataGrid& grilla, int indice) { return vb::TextOf(grilla.Columns(indice).Value()); }

// A bank-account amount as the list shows it: "(1,500)" for -1500.
void MuestraCuenta(forms::TextBox& caja, const std::string& valor) {
  const std::optional<double> numero = vb::ParseNumber(valor);
  if (!numero) {
    caja.SetText("");
  } else if (*numero >= 0) {
    caja.SetText(vb::Format(vb::Variant(*numero), "###,###,###,##0"));
  } else {
    caja.SetText(vb::Format(vb::Variant(std::fabs(*numero)), "(###,###,###,##0)"));
    caja.SetMaxLength(17);
  }
}

}  // namespace

FrmAdicionalDet::FrmAdicionalDet() : Form("FrmAdicionalDet") {
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 9570, 6420);
  FrameDetalle.Move(210, 120, 9060, 5295);
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &LblMovimiento1, &CboTipoMovimiento2, &LblOtroTipo, &TxtMovimiento2, &LblMoneda, &Lstmoneda,
           &LblCodigoMoneda, &TxtCodigoMoneda, &LblDescMoneda, &TxtMoneda, &LblPais, &TxtPais, &LblMonto1, &TxtMonto1,
           &LblMonto2, &TxtMonto2, &LblCantidad, &TxtCantidad}) {
    c->SetContainer(FrameDetalle);
  }
  Coloca(LblMovimiento1, CboTipoMovimiento2, kIzquierda, {360, 600}, kAnchoIzquierda, kAltoCaja);
  LblMovimiento1.SetCaption("Tipo de cuenta");
  CboTipoMovimiento2.SetStyle(forms::vbComboDropdownList);
  Coloca(LblOtroTipo, TxtMovimiento2, kDerecha, {360, 600}, kAnchoDerecha, kAltoCaja);
  LblOtroTipo.SetCaption("Otro tipo");
  LblOtroTipo.SetVisible(false);
  TxtMovimiento2.SetVisible(false);
  TxtMovimiento2.SetMaxLength(20);
  Coloca(LblMoneda, Lstmoneda, kIzquierda, {1080, 1320}, kAnchoIzquierda, 1620);
  LblMoneda.SetCaption("Monedas");
  Coloca(LblCodigoMoneda, TxtCodigoMoneda, kDerecha, {1080, 1320}, kAnchoDerecha, kAltoCaja);
  TxtCodigoMoneda.SetWidth(900);
  LblCodigoMoneda.SetCaption("Código de moneda");
  Coloca(LblDescMoneda, TxtMoneda, kDerecha, {1680, 1920}, kAnchoDerecha, kAltoCaja);
  LblDescMoneda.SetCaption("Descripción de moneda");
  Coloca(LblPais, TxtPais, kDerecha, {2280, 2520}, kAnchoDerecha, kAltoCaja);
  LblPais.SetCaption("País de la moneda");
  for (forms::TextBox* c : {&TxtCodigoMoneda, &TxtMoneda, &TxtPais}) c->SetEnabled(false);
  Coloca(LblMonto1, TxtMonto1, kIzquierda, {3120, 3360}, 8000, kAltoCaja);
  LblMonto1.SetCaption("Monto al 01/01/2002");
  Coloca(LblMonto2, TxtMonto2, kIzquierda, {3840, 4080}, 8000, kAltoCaja);
  LblMonto2.SetCaption("Monto al 31/12/2002");
  Coloca(LblCantidad, TxtCantidad, kIzquierda, {4560, 4800}, 8000, kAltoCaja);
  LblCantidad.SetCaption("Cantidad de cuentas");
  for (forms::TextBox* c : {&TxtMonto1, &TxtMonto2, &TxtCantidad}) {
    c->SetWidth(2400);
    c->SetAlignment(forms::vbRightJustify);
    c->SetMaxLength(12);
  }
  for (forms::TextBox* c : {&TxtMovimiento2, &TxtMonto1, &TxtMonto2, &TxtCantidad}) c->SetRefusesPaste(true);
  CmdAceptaDet.Move(6120, 5520, 1455, 375);
  CmdAceptaDet.SetCaption("&Aceptar");
  CmdSalirDet.Move(7815, 5520, 1455, 375);
  CmdSalirDet.SetCaption("&Salir");
  LblAyuda.Move(210, 5520, 4000, 255);
  LblAyuda.SetCaption("Si desea ayuda, presione F1");

  int orden = 0;
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&CboTipoMovimiento2, &TxtMovimiento2, &Lstmoneda, &TxtCodigoMoneda,
                                              &TxtMonto1, &TxtMonto2, &TxtCantidad, &CmdAceptaDet, &CmdSalirDet}) {
    c->SetTabIndex(orden++);
  }

  CboTipoMovimiento2.Click = [this] { CboTipoMovimiento2_Click(); };
  Lstmoneda.Click = [this] { Lstmoneda_Click(); };
  CboTipoMovimiento2.KeyPress = [this](int& KeyAscii) { Lista_KeyPress(KeyAscii); };
  Lstmoneda.KeyPress = [this](int& KeyAscii) { Lista_KeyPress(KeyAscii); };
  TxtMovimiento2.KeyPress = [this](int& KeyAscii) { TxtMovimiento2_KeyPress(KeyAscii); };
  for (forms::TextBox* c : {&TxtMonto1, &TxtMonto2, &TxtCantidad}) {
    c->GotFocus = [this, c] { Numero_GotFocus(*c); };
    c->KeyPress = [this, c](int& KeyAscii) { Numero_KeyPress(*c, KeyAscii); };
    c->LostFocus = [this, c] { Numero_LostFocus(*c); };
  }
  CmdAceptaDet.Click = [this] { CmdAceptaDet_Click(); };
  CmdSalirDet.Click = [this] { CmdSalirDet_Click(); };
}

void FrmAdicionalDet::Form_Load() {
  Compartidas& g = G();
  FrmAdicionalCab& lista = forms::Default<FrmAdicionalCab>();
  // F1 shows the list window's help topic.
  SetHelpContextID(lista.HelpContextID());
  // The subsection's types, each item ending in its code.
  LlenaComboCodigo(CboTipoMovimiento2, "884", g.ClaveAdicional, 80, 1);
  // Every currency, each item beginning with its code.
  LlenaComboCodDesc(Lstmoneda, "883", "*", 40, 1);
  // The type list drops down wider than its box, wider still for 0201.
  std::int16_t ancho = g.ClaveAdicional == "0201*" ? 82 : 40;
  mod_Combo::AnchoCombo(*this, CboTipoMovimiento2, ancho);
  SetCaption(lista.Caption());
  // The second caption is the one shown: the frame is named as the list window's.
  FrameDetalle.SetCaption("Registro de información adicional");
  FrameDetalle.SetCaption(lista.FrameAdicional.Caption());
  if (g.ModoDetalle == "MODIFICA") Captura_Datos();
  // The kind's captions and layout come last, over what the loaded row set.
  SetEtiquetas();
}

void FrmAdicionalDet::SetEtiquetas() {
  const std::string clave = vb::Left(G().ClaveAdicional, 4);
  for (const EtiquetasDetalle& e : kEtiquetasDetalle) {
    if (clave != e.Claves[0] && clave != e.Claves[1]) continue;
    LblMoneda.SetCaption("Moneda");
    if (e.Movimiento1 != nullptr) LblMovimiento1.SetCaption(e.Movimiento1);
    if (e.OtroTipo != nullptr) LblOtroTipo.SetCaption(e.OtroTipo);
    LblMonto1.SetCaption(ConPeriodo(e.Monto1, e.ConPeriodo));
    LblMonto2.SetCaption(ConPeriodo(e.Monto2, e.ConPeriodo));
    LblCantidad.SetCaption(ConPeriodo(e.Cantidad, e.ConPeriodo));
  }
  for (const GeometriaDetalle& d : kGeometriaDetalle) {
    bool es = false;
    for (std::string_view c : d.Claves) es = es || (!c.empty() && c == clave);
    if (!es) continue;
    LblMovimiento1.SetVisible(d.FilaTipo);
    CboTipoMovimiento2.SetVisible(d.FilaTipo);
    LblMonto1.SetVisible(d.Monto1);
    TxtMonto1.SetVisible(d.Monto1);
    TxtMonto2.SetVisible(d.Monto2);
    LblMonto2.SetVisible(d.EtiquetaMonto2);
    Sube(LblMoneda, Lstmoneda, d.Moneda);
    Sube(LblCodigoMoneda, TxtCodigoMoneda, d.Codigo);
    Sube(LblDescMoneda, TxtMoneda, d.Nombre);
    Sube(LblPais, TxtPais, d.Pais);
    Sube(LblMonto1, TxtMonto1, d.PrimerMonto);
    Sube(LblMonto2, TxtMonto2, d.SegundoMonto);
    Sube(LblCantidad, TxtCantidad, d.Cantidad);
    FrameDetalle.SetHeight(d.AltoMarco);
    CmdAceptaDet.SetTop(d.TopBotones);
    CmdSalirDet.SetTop(d.TopBotones);
    SetHeight(d.AltoVentana);
  }
  LblAyuda.SetTop(CmdAceptaDet.Top());
}

void FrmAdicionalDet::CboTipoMovimiento2_Click() {
  const int i = CboTipoMovimiento2.ListIndex();
  const std::string codigo = i < 0 ? std::string() : vb::Right(vb::Trim(CboTipoMovimiento2.List(i)), 6);
  bool otro = false;
  for (std::string_view t : kTiposOtro) otro = otro || codigo == t;
  if (otro) {
    TxtMovimiento2.SetVisible(true);
    LblOtroTipo.SetVisible(true);
    if (codigo == kOtroTipoCuenta) LblOtroTipo.SetCaption(kEtiquetaOtroTipoCuenta);
  } else {
    TxtMovimiento2.SetVisible(false);
    LblOtroTipo.SetVisible(false);
    TxtMovimiento2.SetText("");
  }
}

void FrmAdicionalDet::Lstmoneda_Click() {
  const int i = Lstmoneda.ListIndex();
  if (i < 0) return;
  const std::string t = Lstmoneda.List(i);
  TxtCodigoMoneda.SetText(vb::Left(t, 3));
  const std::string d = vb::Mid(t, 7);
  const long guion = vb::InStr(d, "-");
  // A description without "-" names the currency alone.
  if (guion == 0) {
    TxtMoneda.SetText(vb::Trim(d));
    TxtPais.SetText("");
    return;
  }
  TxtMoneda.SetText(vb::Trim(vb::Left(d, guion - 1)));
  TxtPais.SetText(vb::Left(vb::Trim(vb::Mid(d, guion + 1)), 60));
}

void FrmAdicionalDet::Lista_KeyPress(int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) {
    std::string tecla = "TAB";
    ModFuncionesGenerales::PasaTab(tecla);
  }
}

void FrmAdicionalDet::Captura_Datos() {
  const forms::DataGrid& grilla = forms::Default<FrmAdicionalCab>().GrdAdicional;
  FilaTipo_ = Columna(grilla, 0);
  FilaMoneda_ = Columna(grilla, 3);
  // A type no longer listed selects nothing.
  for (int i = 0; i < CboTipoMovimiento2.ListCount(); ++i) {
    if (vb::Trim(vb::Right(CboTipoMovimiento2.List(i), 2)) == FilaTipo_) {
      CboTipoMovimiento2.SetListIndex(i);  // the free description follows
      break;
    }
  }
  // The currency by its three-digit code; the currency boxes follow.
  for (int i = 0; i < Lstmoneda.ListCount(); ++i) {
    if (vb::Trim(vb::Left(Lstmoneda.List(i), 3)) == FilaMoneda_) {
      Lstmoneda.SetListIndex(i);
      break;
    }
  }
  TxtMovimiento2.SetText(Columna(grilla, 2));
  for (forms::TextBox* c : {&TxtMonto1, &TxtMonto2, &TxtCantidad}) c->SetMaxLength(15);
  // Bank accounts show their balances grouped; single-amount kinds keep theirs as of 31 December.
  const std::string seccion = vb::Left(G().ClaveAdicional, 2);
  if (seccion == "01") {
    MuestraCuenta(TxtMonto1, Columna(grilla, 6));
    MuestraCuenta(TxtMonto2, Columna(grilla, 7));
  } else if (seccion == "04") {
    TxtMonto1.SetText(Columna(grilla, 6));
    TxtMonto2.SetText(Columna(grilla, 7));
  } else {
    TxtMonto1.SetText(Columna(grilla, 7));
  }
  TxtCantidad.SetText(Columna(grilla, 8));
  // The row's key cannot change in place.
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&CboTipoMovimiento2, &Lstmoneda, &TxtMovimiento2, &TxtMoneda}) {
    c->SetEnabled(false);
  }
}

void FrmAdicionalDet::Limpia_variables() {
  CboTipoMovimiento2.SetListIndex(-1);
  Lstmoneda.SetListIndex(-1);
  for (forms::TextBox* c :
       {&TxtCodigoMoneda, &TxtMovimiento2, &TxtMoneda, &TxtPais, &TxtMonto1, &TxtMonto2, &TxtCantidad}) {
    c->SetText("");
  }
}

void RegistraFrmAdicionalDet() {
  G().Ventanas.Register(ventana::kFrmAdicionalDet, [] { AbreNueva<FrmAdicionalDet>(); });
}

}  // namespace app
