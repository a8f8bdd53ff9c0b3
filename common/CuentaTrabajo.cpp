#include "common/CuentaTrabajo.h"

#include <array>

#include "platform/text/Strings.h"

namespace common {
namespace {

std::string DeCodigos(const std::array<int, 8>& codigos) {
  std::string texto;
  for (int c : codigos) texto += vb::Chr(c);
  return texto;
}

}  // namespace

CuentaTrabajo CuentaGrupoTrabajo() {
  return {DeCodigos({68, 69, 67, 76, 65, 57, 49, 55}), DeCodigos({112, 52, 90, 33, 107, 57, 81, 101})};
}

}  // namespace common
