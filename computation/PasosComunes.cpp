// The steps every formula shares: the presence test, the plain number text
// written before the display form, and the UIT the limits are counted in.
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "app/inicio/Compartidas.h"
#include "platform/text/Number.h"
#include "return/Frm0917.h"

namespace app {

bool Frm0917::TodasVacias(std::initializer_list<std::int16_t> presencia) const {
  for (std::int16_t n : presencia) {
    if (!vacio(n)) return false;
  }
  return true;
}

void Frm0917::EscribeNumero(std::int16_t casilla, double valor) { txtvalor(casilla).SetText(vb::NumberText(valor)); }

void Frm0917::Blanquea(std::int16_t casilla) { txtvalor(casilla).SetText(""); }

std::optional<double> Frm0917::ValorUit() { return vb::ParseNumber(G().Uit); }

}  // namespace app
