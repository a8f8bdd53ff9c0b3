#include "schedules/FrmDesglose.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr ParteDesglose kExoneradas[] = {
    {535,
     "a) Las remuneraciones que perciban, por el ejercicio de su cargo en el país, los funcionarios y empleados "
     "considerados como tales dentro de la estructura organizacional de los gobiernos extranjeros, instituciones "
     "oficiales extranjeras y organismos internacionales",
     4},
    {536, "b) Las rentas a que se refiere el inciso g) del Artículo 24º de la Ley del Impuesto a la Renta", 2},
    {537,
     "c) Cualquier tipo de interés de tasa fija o variable, en moneda nacional o extranjera, que se pague con "
     "ocasión de un depósito conforme a la Ley General del Sistema Financiero",
     2},
    {538,
     "d) La ganancia de capital proveniente de la venta de valores mobiliarios inscritos en el Registro Público "
     "del Mercado de Valores a través de mecanismos centralizados de negociación, de la venta de valores "
     "efectuada en la Bolsa de Productos y de la redención o rescate de valores mobiliarios representativos de "
     "deudas emitidos mediante oferta pública",
     5},
    {539, "e) Otras rentas exoneradas"},
};

constexpr ParteDesglose kInafectas[] = {
    {530, "a) Las indemnizaciones previstas por las disposiciones laborales vigentes"},
    {531,
     "b) Las indemnizaciones que se reciban por causa de muerte o incapacidad producidas por acidentes o "
     "enfermedades",
     2},
    {532, "c) Las compensaciones por tiempo de servicios, previstas por las disposiciones laborales vigentes", 2},
    {533,
     "d) Las rentas vitalicias y las pensiones que tengan su origen en el trabajo personal, tales como "
     "jubilación, montepío e invalidez",
     2},
    {534, "e) El resultado de la venta no habitual de un bien inmueble"},
    {540, "f) Otras rentas inafectas"},
};

constexpr DisenoDesglose kDisenoExoneradas{ventana::kFrmExoneradas,
                                           "Casilla 200 - Rentas exoneradas",
                                           "Detalle de Rentas Exoneradas",
                                           "Total Rentas Exoneradas:",
                                           kExoneradas,
                                           &Frm0917::Calcular200};

constexpr DisenoDesglose kDisenoInafectas{ventana::kFrmInafectas,
                                          "Casilla 201 - Rentas Inafectas",
                                          "Detalle de Rentas Inafectas",
                                          "Total Rentas Inafectas:",
                                          kInafectas,
                                          &Frm0917::Calcular201};

// The amounts' patterns: plain while edited, grouped when shown.
constexpr std::string_view kPlano = "#########0";
constexpr std::string_view kAgrupado = "#,###,###,##0";
constexpr long kLargoPlano = 10;
constexpr long kLargoAgrupado = 13;

// Geometry (twips): the wording at the left, the amounts in a column at the
// right, each row as high as its wording.
constexpr long kMargen = 120;
constexpr long kAnchoMarco = 9000;
constexpr long kIzquierdaTexto = 240;
constexpr long kAnchoTexto = 6600;
constexpr long kIzquierdaMonto = 7020;
constexpr long kAnchoMonto = 1740;
constexpr long kAltoCaja = 285;
constexpr long kAltoLinea = 195;
constexpr long kSeparacion = 120;
constexpr long kPrimeraFila = 840;
constexpr long kAnchoBoton = 1215;
constexpr long kAltoBoton = 375;

void PasaTab() {
  std::string tecla = "TAB";
  ModFuncionesGenerales::PasaTab(tecla);
}

Frm0917& Declaracion() { return forms::Default<Frm0917>(); }

}  // namespace

FrmDesglose::FrmDesglose(const DisenoDesglose& diseno) : Form(std::string(diseno.Nombre)), Diseno_(diseno) {
  SetCaption(diseno.Titulo);
  SetMinButton(false);
  SetMaxButton(false);

  lblTitulo.SetContainer(fraDeduccion);
  lblTitulo.Move(kIzquierdaTexto, 240, kAnchoMarco - 2 * kIzquierdaTexto, 255);
  lblTitulo.SetAlignment(forms::vbCenter);
  lblTitulo.SetFont({"MS Sans Serif", 8, true});
  lblTitulo.SetCaption(diseno.Encabezado);
  lblMonto.SetContainer(fraDeduccion);
  lblMonto.Move(kIzquierdaMonto, kPrimeraFila - 300, kAnchoMonto, 255);
  lblMonto.SetAlignment(forms::vbCenter);
  lblMonto.SetCaption("Monto");

  long y = kPrimeraFila;
  int indice = 0;
  for (const ParteDesglose& parte : diseno.Partes) {
    const long alto = std::max(parte.Lineas * kAltoLinea, kAltoCaja);
    forms::Label& descripcion = lblDescripcion.Add(indice);
    descripcion.SetContainer(fraDeduccion);
    descripcion.Move(kIzquierdaTexto, y, kAnchoTexto, alto);
    descripcion.SetCaption(parte.Descripcion);
    forms::TextBox& monto = TxtMonto.Add(indice);
    monto.SetContainer(fraDeduccion);
    monto.Move(kIzquierdaMonto, y, kAnchoMonto, kAltoCaja);
    monto.SetAlignment(forms::vbRightJustify);
    monto.SetMaxLength(kLargoAgrupado);
    monto.SetRefusesPaste(true);
    monto.SetTabIndex(indice);
    y += alto + kSeparacion;
    ++indice;
  }

  lblTotal.SetContainer(fraDeduccion);
  lblTotal.Move(kIzquierdaTexto, y + 45, kAnchoTexto, 255);
  lblTotal.SetAlignment(forms::vbRightJustify);
  lblTotal.SetFont({"MS Sans Serif", 8, true});
  lblTotal.SetCaption(diseno.EtiquetaTotal);
  TxtTotal.SetContainer(fraDeduccion);
  TxtTotal.Move(kIzquierdaMonto, y, kAnchoMonto, kAltoCaja);
  TxtTotal.SetAlignment(forms::vbRightJustify);
  TxtTotal.SetLocked(true);
  TxtTotal.SetTabStop(false);
  const long altoMarco = y + kAltoCaja + 240;
  fraDeduccion.Move(kMargen, kMargen, kAnchoMarco, altoMarco);

  const long yBotones = kMargen + altoMarco + 180;
  CmdGrabar.Move(kMargen + kAnchoMarco - 2 * kAnchoBoton - 120, yBotones, kAnchoBoton, kAltoBoton);
  CmdGrabar.SetCaption("&Aceptar");
  CmdGrabar.SetTabIndex(indice);
  cmdCancelar.Move(kMargen + kAnchoMarco - kAnchoBoton, yBotones, kAnchoBoton, kAltoBoton);
  cmdCancelar.SetCaption("&Cancelar");
  cmdCancelar.SetTabIndex(indice + 1);
  Move(0, 0, kAnchoMarco + 2 * kMargen + 120, yBotones + kAltoBoton + 600);

  TxtMonto.On(&forms::TextBox::Change, [this](int Index) { TxtMonto_Change(Index); });
  TxtMonto.On(&forms::TextBox::GotFocus, [this](int Index) { TxtMonto_GotFocus(Index); });
  TxtMonto.On(&forms::TextBox::LostFocus, [this](int Index) { TxtMonto_LostFocus(Index); });
  TxtMonto.On(&forms::TextBox::KeyPress, [this](int Index, int& KeyAscii) { TxtMonto_KeyPress(Index, KeyAscii); });
  CmdGrabar.Click = [this] { CmdGrabar_Click(); };
  cmdCancelar.Click = [this] { cmdCancelar_Click(); };
}

void FrmDesglose::Form_Load() {
  const Frm0917& f = Declaracion();
  for (int i = 0; i < TxtMonto.Count(); ++i) {
    TxtMonto(i).SetText(f.txtvalor(Diseno_.Partes[static_cast<std::size_t>(i)].Casilla).Text());
  }
}

void FrmDesglose::TxtMonto_Change(int /*Index*/) {
  double total = 0;
  for (int i = 0; i < TxtMonto.Count(); ++i) {
    // A text that is no number counts nothing.
    total += vb::ParseNumber(vb::Format(vb::Variant(TxtMonto(i).Text()), kPlano)).value_or(0);
  }
  TxtTotal.SetText(vb::Format(vb::Variant(total), kAgrupado));
}

void FrmDesglose::TxtMonto_GotFocus(int Index) {
  forms::TextBox& monto = TxtMonto(Index);
  monto.SetMaxLength(kLargoPlano);
  monto.SetText(vb::Format(vb::Variant(monto.Text()), kPlano));
}

void FrmDesglose::TxtMonto_LostFocus(int Index) {
  forms::TextBox& monto = TxtMonto(Index);
  monto.SetMaxLength(kLargoAgrupado);
  monto.SetText(vb::Format(vb::Variant(monto.Text()), kAgrupado));
}

void FrmDesglose::TxtMonto_KeyPress(int /*Index*/, int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) PasaTab();
  if (!Validador().FiltraNumero(KeyAscii)) KeyAscii = 0;
}

void FrmDesglose::CmdGrabar_Click() {
  Frm0917& f = Declaracion();
  // Each part back into its box of the return, as shown.
  for (int i = 0; i < TxtMonto.Count(); ++i) {
    f.txtvalor(Diseno_.Partes[static_cast<std::size_t>(i)].Casilla).SetText(TxtMonto(i).Text());
  }
  // The box's total of its parts, then the year's total income.
  (f.*Diseno_.CalcularTotal)();
  f.CalcularR();
  forms::Unload(*this);
}

void FrmDesglose::cmdCancelar_Click() { forms::Unload(*this); }

FrmExoneradas::FrmExoneradas() : FrmDesglose(kDisenoExoneradas) {}

FrmInafectas::FrmInafectas() : FrmDesglose(kDisenoInafectas) {}

void RegistraDesgloses() {
  forms::WindowRegistry& ventanas = G().Ventanas;
  ventanas.Register(ventana::kFrmExoneradas, [] { AbreNueva<FrmExoneradas>(); });
  ventanas.Register(ventana::kFrmInafectas, [] { AbreNueva<FrmInafectas>(); });
}

}  // namespace app
