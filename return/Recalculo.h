//===- Recalculo.h - What a change of each box recomputes, as data --------===//
//
// A change of a box's text (txtvalor_Change) runs, in order, the steps of
// the one row that holds the box's number; a box on no row runs nothing.
// A formula's write into its box is itself a change of that box, so one
// typed amount runs down the rows depth first: 100 writes 501 to 503 and
// 113, whose row writes 515, whose row writes 120, and so on to 146 and 518.
// The computed boxes 501 to 512 and 514 have no row: the row that wrote
// them goes on to the next one itself.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <cstdint>

#include "return/Frm0917.h"

namespace app {

/// One step: a formula or a switch of boxes, a procedure of the form.
using PasoRecalculo = void (Frm0917::*)();

/// The boxes of a row (0 ends them) and its steps (nullptr ends them).
struct FilaRecalculo {
  std::array<std::int16_t, 9> Casillas;
  std::array<PasoRecalculo, 7> Pasos;
};

inline constexpr FilaRecalculo kRecalculo[] = {
    {{100, 102},
     {&Frm0917::CalcularA, &Frm0917::CalcularB, &Frm0917::CalcularC, &Frm0917::Calcular113, &Frm0917::ConmutaPerdidas}},
    {{105, 106}, {&Frm0917::CalcularD, &Frm0917::CalcularE, &Frm0917::CalcularF, &Frm0917::Calcular113}},
    {{107},
     {&Frm0917::CalcularG, &Frm0917::CalcularH, &Frm0917::CalcularI, &Frm0917::CalcularJ, &Frm0917::CalcularK,
      &Frm0917::CalcularL, &Frm0917::Calcular113}},
    {{108, 110},
     {&Frm0917::CalcularI, &Frm0917::CalcularJ, &Frm0917::CalcularK, &Frm0917::CalcularL, &Frm0917::Calcular113}},
    {{111}, {&Frm0917::CalcularJ, &Frm0917::CalcularK, &Frm0917::CalcularL, &Frm0917::Calcular113}},
    {{113}, {&Frm0917::CalcularR, &Frm0917::CalcularM, &Frm0917::CalcularN, &Frm0917::CalcularO}},
    {{114, 115}, {&Frm0917::CalcularM, &Frm0917::CalcularN, &Frm0917::CalcularO}},
    {{116}, {&Frm0917::CalcularN, &Frm0917::CalcularO, &Frm0917::CalcularR}},
    {{117}, {&Frm0917::CalcularO, &Frm0917::ConmutaAmazonia}},
    {{515}, {&Frm0917::Calcular120}},
    {{120, 122, 123, 124}, {&Frm0917::CalcularP, &Frm0917::Calcular141142}},
    {{125, 127, 128, 129, 130, 131, 132, 133}, {&Frm0917::Calcular141142}},
    {{141}, {&Frm0917::ConmutaInteresPor141}},
    {{142}, {&Frm0917::Calcular146, &Frm0917::ConmutaInteresPor142}},
    {{144, 145}, {&Frm0917::Calcular146}},
    {{180}, {&Frm0917::CalcularImporteTotal}},
    {{200}, {&Frm0917::Reingresa200}},
    {{201}, {&Frm0917::Reingresa201}},
    {{203}, {&Frm0917::CalcularR}},
    {{530, 531, 532, 533, 534, 540, 541}, {&Frm0917::Calcular201}},
    {{535, 536, 537, 538, 539}, {&Frm0917::Calcular200}},
};

/// The row of box `casilla`; nullptr when a change of it recomputes nothing.
constexpr const FilaRecalculo* FilaRecalculoDe(int casilla) {
  for (const FilaRecalculo& fila : kRecalculo) {
    for (std::int16_t n : fila.Casillas) {
      if (n == 0) break;
      if (n == casilla) return &fila;
    }
  }
  return nullptr;
}

}  // namespace app
