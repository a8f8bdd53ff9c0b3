#include "common/Importe.h"

#include <cmath>

#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Variant.h"

namespace common {

bool CabeEnCasilla(double valor) { return std::round(std::fabs(valor)) <= kImporteMaximo; }

std::string ImporteExcedido(int casilla) {
  return "El importe de la casilla " + vb::Format(vb::Variant(static_cast<double>(casilla)), "000") +
         " excede los 12 dígitos que puede contener.";
}

void CompruebaImporte(int casilla, double valor) {
  if (!CabeEnCasilla(valor)) vb::Raise(vb::ErrOverflow, ImporteExcedido(casilla));
}

}  // namespace common
