// The debt: the tax on box 515 by the UIT bands, the credits, the balance in
// favour of the declarant (141, negative) or owed (142), the balance of the
// debt (146); beside them the year's total income (518), the totals of the
// breakdowns (200, 201), the amount paid shown in the payment control, and
// the limits of the credits of boxes 122 and 123 for the check.
#include <cmath>
#include <optional>
#include <string>

#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::Calcular120() {
  if (TodasVacias({515})) return Blanquea(120);
  // Without the UIT the bands are unknown: no tax rather than a wrong one.
  const std::optional<double> uit = ValorUit();
  if (!uit) return Blanquea(120);
  const double x = Vale(515);
  const double U = *uit;
  // A loss (x below 0) falls in the first band and gives a negative tax;
  // only a box 110 or 117 beyond its limit gets here, and the check then
  // refuses the return.
  if (x <= 27 * U) {
    EscribeNumero(120, x * 0.15);
  } else if (x <= 54 * U) {
    EscribeNumero(120, (x - 27 * U) * 0.21 + 27 * U * 0.15);
  } else {
    EscribeNumero(120, 27 * U * 0.21 + 27 * U * 0.15 + (x - 54 * U) * 0.27);
  }
  Forma(120);
}

void Frm0917::CalcularP() {
  if (TodasVacias({120, 122, 123, 124})) return Blanquea(516);
  const double valor = Vale(120) - Vale(122) - Vale(123) - Vale(124);
  if (valor < 0) {
    txtvalor(516).SetText("0");
  } else {
    EscribeNumero(516, valor);
  }
  Forma(516);
}

void Frm0917::Calcular141142() {
  // Nothing to balance: both balances go blank, and box 140 keeps its state.
  if (TodasVacias({516, 125, 127, 128, 129, 130, 131, 132, 133})) {
    Blanquea(141);
    Blanquea(142);
    return;
  }
  // What the credits with right of refund leave of the subtotal.
  const double d =
      Vale(516) - Vale(125) - Vale(127) - Vale(128) - Vale(129) - Vale(130) - Vale(131) - Vale(132) - Vale(133);
  if (d >= 0) {
    // Owed or even: with no balance in favour, box 140 has nothing to decide.
    txtvalor(141).SetText("0");
    EscribeNumero(142, d);
    Descasilla(140);
  } else {
    // A balance in favour: the declarant says in box 140 how it is used.
    EscribeNumero(141, d);
    txtvalor(142).SetText("0");
    Habcasilla(140);
  }
  Forma(141);
  Forma(142);
}

void Frm0917::Calcular146() {
  if (TodasVacias({142, 144})) return Blanquea(146);
  EscribeNumero(146, Vale(142) - Vale(144) + Vale(145));
  if (Vale(146) < 0) txtvalor(146).SetText("0");
  Forma(146);
}

void Frm0917::CalcularR() {
  if (TodasVacias({113, 116, 200, 201, 203})) return Blanquea(518);
  EscribeNumero(518, Vale(113) + Vale(116) + Vale(200) + Vale(201) + Vale(203));
  Forma(518);
}

void Frm0917::Calcular200() {
  if (TodasVacias({535, 536, 537, 538, 539})) return Blanquea(200);
  EscribeNumero(200, Vale(535) + Vale(536) + Vale(537) + Vale(538) + Vale(539));
  if (Vale(200) < 0) txtvalor(200).SetText("0");
  Forma(200);
}

void Frm0917::Calcular201() {
  if (TodasVacias({530, 531, 532, 533, 534, 540})) return Blanquea(201);
  EscribeNumero(201, Vale(530) + Vale(531) + Vale(532) + Vale(533) + Vale(534) + Vale(540));
  if (Vale(201) < 0) txtvalor(201).SetText("0");
  Forma(201);
}

void Frm0917::CalcularImporteTotal() {
  // A blank box, or a text that is no number, shows no amount rather than a 0.
  if (vacio(180) || !vb::ParseNumber(txtvalor(180).Text())) return FormaDePagoQBX1.Setimporte("");
  // The plain number first; the control's reading of it decides the display.
  FormaDePagoQBX1.Setimporte(vb::NumberText(Vale(180)));
  // Read back and grouped; a negative amount shows in parentheses.
  const std::optional<double> importe = vb::ParseNumber(FormaDePagoQBX1.importe());
  if (!importe) {
    FormaDePagoQBX1.Setimporte("");
  } else if (*importe >= 0) {
    FormaDePagoQBX1.Setimporte(vb::Format(vb::Variant(*importe), "###,###,###,##0"));
  } else {
    FormaDePagoQBX1.Setimporte(vb::Format(vb::Variant(-*importe), "(###,###,###,##0)"));
  }
}

std::string Frm0917::Calcular122() const {
  // Nothing the limit depends on is typed: no limit.
  if (TodasVacias({116, 120, 515, 115})) return "";
  // Box 515 signed: a loss as large as 511 and 115 together leaves nothing to share.
  const double S = Vale(511) + Vale(115) + Vale(515);
  if (S == 0) return "";
  // The divisor is at least |S|.
  const double L = (std::fabs(Vale(120)) * std::fabs(Vale(116))) / (Vale(511) + Vale(115) + std::fabs(Vale(515)));
  // Whole units without grouping; a limit of 0 comes out "", which the check skips.
  return vb::Format(vb::Variant(L), "############");
}

std::string Frm0917::Calcular123() const {
  // Nothing the limit depends on is typed: no limit.
  if (TodasVacias({515, 511, 115, 120})) return "";
  // Box 515 signed, as for box 122.
  const double S = Vale(511) + Vale(115) + Vale(515);
  if (S == 0) return "";
  // A tenth of the tax, in the share of box 515; the divisor is at least |S|.
  const double L = (std::fabs(Vale(515)) * 0.1 * std::fabs(Vale(120))) / (Vale(511) + Vale(115) + std::fabs(Vale(515)));
  // Whole units without grouping; a limit of 0 comes out "", which the check skips.
  return vb::Format(vb::Variant(L), "############");
}

}  // namespace app
