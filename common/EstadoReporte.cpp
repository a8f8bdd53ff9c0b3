#include "common/EstadoReporte.h"

namespace common {

const std::string& EstadoReporte::Casilla(int n) const {
  static const std::string kSinElemento;
  if (n >= 1 && n <= 700) return ValorCasilla[static_cast<std::size_t>(n - 1)];
  if (n >= 800 && n <= 999) return ValorCasilla800[static_cast<std::size_t>(n - 800)];
  return kSinElemento;
}

}  // namespace common
