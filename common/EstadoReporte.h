//===- EstadoReporte.h - The report module's state: writer and box values -===//
//
// A program that prints a return keeps, for its whole run, the writer's
// state (ImpLinea.h, the page range included) and the box values of the
// return being printed, filled before each report:
//
//   ValorCasilla     boxes 1 to 700, box n at n - 1
//   ValorCasilla800  boxes 800 to 999, box n at n - 800
//
// Boxes 701 to 799 have no element. A box the return does not hold is "".
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <string>

#include "common/ImpLinea.h"

namespace common {

/// One program's report module: the writer's state and the printed return's boxes.
struct EstadoReporte {
  explicit EstadoReporte(LargoPagina largo) : ImpLinea(largo) {}

  /// The writer's state, and the page range the preview applies.
  EstadoImpresion ImpLinea;
  /// Boxes 1 to 700, box n at n - 1.
  std::array<std::string, 700> ValorCasilla;
  /// Boxes 800 to 999, box n at n - 800.
  std::array<std::string, 200> ValorCasilla800;

  /// The text of box `n` from whichever array holds it; "" for a box without
  /// an element (701 to 799, or outside 1 to 999).
  const std::string& Casilla(int n) const;
};

}  // namespace common
