#include "app/ventanas/FrmConsTasas.h"

#include <string>
#include <string_view>

#include "app/servicios/Tasas.h"
#include "platform/forms/Application.h"
#include "platform/text/DateTime.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"

namespace app {
namespace {

using forms::Screen;

// The rows: the tax's text and its label, the rate's label and code.
struct Fila {
  int Texto;
  std::string_view Tributo;
  int Valor;
  std::string_view Codigo;
};
constexpr Fila kFilas[] = {
    {0, "   ISC - LOTERIAS, BINGOS, RIFAS", 5, "020702"}, {1, "   EVENTOS HIPICOS", 6, "020704"},
    {2, "   APEND IV-LIT B-CERVEZAS", 7, "020301"},       {3, "   APEND IV - LIT A - 10%", 8, "020501"},
    {11, "   APEND IV - LIT A - 17%", 10, "020201"},
};
constexpr int kEncabezadoTributo = 4, kEncabezadoTasa = 9;

constexpr long kIzquierdaTexto = 240, kIzquierdaValor = 4080, kPrimeraFila = 600, kAltoFila = 330;

}  // namespace

FrmConsTasas::FrmConsTasas() : Form("FrmConsTasas") {
  SetCaption("Tasas Vigentes");
  Move(0, 0, 5760, 3330);
  SetMinButton(false);
  SetMaxButton(false);

  forms::Label& tributo = lblTasas.Add(kEncabezadoTributo);
  tributo.SetCaption("Tributo");
  tributo.Move(kIzquierdaTexto, 180, 3600, 255);
  tributo.SetFont({"MS Sans Serif", 8, true});
  forms::Label& tasa = lblTasas.Add(kEncabezadoTasa);
  tasa.SetCaption("Tasa");
  tasa.Move(kIzquierdaValor, 180, 1200, 255);
  tasa.SetFont({"MS Sans Serif", 8, true});
  tasa.SetAlignment(forms::vbRightJustify);

  long arriba = kPrimeraFila;
  for (const Fila& f : kFilas) {
    forms::Label& texto = lblTasas.Add(f.Texto);
    texto.SetCaption(f.Tributo);
    texto.Move(kIzquierdaTexto, arriba, 3600, 255);
    forms::Label& valor = lblTasas.Add(f.Valor);
    valor.Move(kIzquierdaValor, arriba, 1200, 255);
    valor.SetAlignment(forms::vbRightJustify);
    arriba += kAltoFila;
  }

  Command1.SetCaption("&Salir");
  Command1.Move(4065, 2340, 1215, 375);
  Command1.Click = [this] { Command1_Click(); };
}

void FrmConsTasas::Form_Load() {
  Screen().SetMousePointer(forms::vbDefault);
  // The month's own period: the return windows rely on Periodo being the tax year.
  const vb::DateTime hoy = vb::Now();
  const std::string periodo = vb::NumberText(vb::Year(hoy)) + vb::Format(vb::Variant(vb::Month(hoy)), "0#");
  for (const Fila& f : kFilas) {
    const std::string tasa = LeeTasa(f.Codigo, periodo);
    if (!vb::Trim(tasa).empty()) lblTasas(f.Valor).SetCaption(vb::CStr(vb::CDbl(vb::Variant(tasa)) * 100) + "%");
  }
}

void FrmConsTasas::Form_Unload(int& /*Cancel*/) { Screen().SetMousePointer(forms::vbDefault); }

void FrmConsTasas::Command1_Click() {
  Screen().SetMousePointer(forms::vbHourglass);
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<FrmConsTasas>();
}

}  // namespace app
