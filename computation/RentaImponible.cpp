// The taxable income: the incomes typed by category, their deductions and
// losses, down to the net taxable income of box 515. Deductions are written
// negative; Vale reads them back as their size.
#include <optional>

#include "return/Frm0917.h"

namespace app {

void Frm0917::CalcularA() {
  if (TodasVacias({100, 102})) return Blanquea(501);
  EscribeNumero(501, Vale(100) + Vale(102));
  Forma(501);
}

void Frm0917::CalcularB() {
  if (TodasVacias({501})) return Blanquea(502);
  EscribeNumero(502, Vale(501) * 0.2 * -1);
  Forma(502);
}

void Frm0917::CalcularC() {
  if (TodasVacias({501, 502})) return Blanquea(503);
  EscribeNumero(503, Vale(501) - Vale(502));
  Forma(503);
}

void Frm0917::CalcularD() {
  if (TodasVacias({105, 106})) return Blanquea(504);
  EscribeNumero(504, Vale(105) + Vale(106));
  Forma(504);
}

void Frm0917::CalcularE() {
  if (TodasVacias({504})) return Blanquea(505);
  EscribeNumero(505, Vale(504) * 0.1 * -1);
  Forma(505);
}

void Frm0917::CalcularF() {
  if (TodasVacias({504, 505})) return Blanquea(506);
  EscribeNumero(506, Vale(504) - Vale(505));
  Forma(506);
}

void Frm0917::CalcularG() {
  if (TodasVacias({107})) return Blanquea(507);
  // Without the UIT there is no cap to compare with: no deduction rather than a wrong one.
  const std::optional<double> uit = ValorUit();
  if (!uit) return Blanquea(507);
  if (Vale(107) * 0.2 > 24 * *uit) {
    EscribeNumero(507, 24 * *uit * -1);
  } else {
    EscribeNumero(507, Vale(107) * 0.2 * -1);
  }
  Forma(507);
}

void Frm0917::CalcularH() {
  if (TodasVacias({107, 507})) return Blanquea(508);
  EscribeNumero(508, Vale(107) - Vale(507));
  Forma(508);
}

void Frm0917::CalcularI() {
  if (TodasVacias({508, 108, 110})) return Blanquea(509);
  EscribeNumero(509, Vale(508) + Vale(108) - Vale(110));
  Forma(509);
}

void Frm0917::CalcularJ() {
  if (TodasVacias({509, 111})) return Blanquea(510);
  EscribeNumero(510, Vale(509) + Vale(111));
  Forma(510);
}

void Frm0917::CalcularK() {
  if (TodasVacias({510})) return Blanquea(511);
  const std::optional<double> uit = ValorUit();
  if (!uit) return Blanquea(511);
  // A loss in box 510 is not capped: 511 turns positive and 512 doubles the
  // loss. Only a box 110 beyond its limit gets here, and the check then
  // refuses the return.
  if (Vale(510) >= 7 * *uit) {
    EscribeNumero(511, 7 * *uit * -1);
  } else {
    EscribeNumero(511, Vale(510) * -1);
  }
  Forma(511);
}

void Frm0917::CalcularL() {
  if (TodasVacias({510, 511})) return Blanquea(512);
  EscribeNumero(512, Vale(510) - Vale(511));
  Forma(512);
}

void Frm0917::Calcular113() {
  if (TodasVacias({503, 506, 512})) return Blanquea(113);
  EscribeNumero(113, Vale(503) + Vale(506) + Vale(512));
  Forma(113);
}

void Frm0917::CalcularM() {
  if (TodasVacias({113, 114, 115})) return Blanquea(513);
  EscribeNumero(513, Vale(113) - Vale(114) - Vale(115));
  // "0" is already in display form.
  if (Vale(513) < 0) return txtvalor(513).SetText("0");
  Forma(513);
}

void Frm0917::CalcularN() {
  if (TodasVacias({513, 116})) return Blanquea(514);
  EscribeNumero(514, Vale(513) + Vale(116));
  Forma(514);
}

void Frm0917::CalcularO() {
  if (TodasVacias({514, 117})) return Blanquea(515);
  EscribeNumero(515, Vale(514) - Vale(117));
  Forma(515);
}

}  // namespace app
