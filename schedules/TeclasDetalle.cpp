// The schedule row window's fields: raw numbers while edited, grouped
// after; the keys each field takes; Enter moving on. Bank-account amounts
// (section "01") may be negative, the minus always in front.
#include <cmath>
#include <optional>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/ModGen00.h"
#include "platform/forms/Constants.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "schedules/FrmAdicionalDet.h"

namespace app {
namespace {

constexpr int kEnter = forms::vbKeyReturn;
constexpr int kRetroceso = forms::vbKeyBack;
constexpr int kMenos = '-';
constexpr long kLargoEdicion = 12;

void PasaTab() {
  std::string tecla = "TAB";
  ModFuncionesGenerales::PasaTab(tecla);
}

bool TieneMenos(const std::string& texto) { return vb::InStr(texto, "-") > 0; }

// The unsigned raw number; a text that is no number stays.
void NumeroSinSigno(forms::TextBox& caja) {
  if (caja.Text().empty()) return;
  const std::string entero = vb::Format(vb::Variant(caja.Text()), "###########0");
  const std::optional<double> numero = vb::ParseNumber(entero);
  if (!numero) return;
  std::string texto = vb::NumberText(std::fabs(*numero));
  texto = ModGen00::QuitaComas(texto);
  caja.SetText(texto == "0.00" ? "0" : texto);
}

// The signed raw number; "(250)" becomes "-250".
void NumeroConSigno(forms::TextBox& caja) {
  if (caja.Text().empty()) return;
  std::string texto = caja.Text();
  const long menos = vb::InStr(texto, "-");
  if (menos == 0 || menos == 1) {
    texto = vb::Format(vb::Variant(texto), "###########0");
    texto = ModGen00::QuitaComas(texto);
  }
  caja.SetText(texto == "0.00" ? "0" : texto);
}

void Selecciona(forms::TextBox& caja) {
  caja.SetSelStart(0);
  caja.SetSelLength(std::min<long>(kLargoEdicion, vb::Len(caja.Text())));
}

}  // namespace

bool FrmAdicionalDet::EsCuenta(const forms::TextBox& caja) const {
  return &caja != &TxtCantidad && vb::Left(G().ClaveAdicional, 2) == "01";
}

void FrmAdicionalDet::Numero_GotFocus(forms::TextBox& caja) {
  if (EsCuenta(caja)) {
    NumeroConSigno(caja);
  } else {
    NumeroSinSigno(caja);
  }
  caja.SetMaxLength(kLargoEdicion);
  Selecciona(caja);
}

void FrmAdicionalDet::Numero_KeyPress(forms::TextBox& caja, int& KeyAscii) {
  const cValidador& validador = Validador();
  if (!EsCuenta(caja)) {
    if (KeyAscii == kEnter) PasaTab();
    if (!validador.FiltraNumero(KeyAscii)) KeyAscii = 0;
    return;
  }
  // A bank-account amount judges the key on the text before it.
  const std::string texto = caja.Text();
  const bool lleno = vb::Len(texto) == kLargoEdicion;
  // A full box: Enter moves on, and nothing more.
  if (KeyAscii == kEnter && lleno) {
    PasaTab();
    KeyAscii = 0;
    return;
  }
  // A full box still takes no letters over a selection.
  if (lleno && KeyAscii != kRetroceso && !TieneMenos(texto)) {
    if (!validador.FiltraNumero(KeyAscii)) KeyAscii = 0;
    return;
  }
  // The minus goes in front, once; into an empty box it is typed as any key.
  if (KeyAscii == kMenos) {
    if (TieneMenos(texto)) {
      KeyAscii = 0;
      return;
    }
    if (!vb::Trim(texto).empty()) {
      KeyAscii = 0;
      caja.SetText("-" + texto);
      caja.SetSelStart(vb::Len(caja.Text()));
      return;
    }
  }
  // What the number filter refuses is dropped, an Enter moving on first.
  if (!validador.FiltraNumero(KeyAscii) && KeyAscii != kMenos) {
    if (KeyAscii == kEnter) PasaTab();
    KeyAscii = 0;
  }
}

void FrmAdicionalDet::Numero_LostFocus(forms::TextBox& caja) {
  caja.SetMaxLength(16);
  if (!EsCuenta(caja)) {
    caja.SetText(vb::Format(vb::Variant(caja.Text()), "###,###,###,##0"));
    return;
  }
  // A negative balance shows in parentheses, which take two characters more.
  const std::optional<double> numero = vb::ParseNumber(caja.Text());
  if (!numero) return;
  if (*numero < 0) {
    caja.SetText(vb::Format(vb::Variant(std::fabs(*numero)), "(###,###,###,##0)"));
    caja.SetMaxLength(17);
  } else {
    caja.SetText(vb::Format(vb::Variant(caja.Text()), "###,###,###,##0"));
  }
}

void FrmAdicionalDet::TxtMovimiento2_KeyPress(int& KeyAscii) {
  const cValidador& validador = Validador();
  KeyAscii = validador.ConvierteTecla(KeyAscii);
  if (KeyAscii == kEnter) PasaTab();
  if (!validador.FiltraTexto(KeyAscii)) KeyAscii = 0;
}

}  // namespace app
