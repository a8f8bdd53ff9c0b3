//===- Familias.h - The box families of entry, and the kept typing limits ===//
//
// Entering a box and typing in it follow its family: the raw number shown
// while it has the focus, the display form after, and the keys it takes
// (Foco.cpp, Teclas.cpp). A box on no line of kFamilias is of the family
// Otra. The boxes of kLargoConservado keep the typing limit they were made
// with when the focus enters them; every other box takes 12 characters.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>

namespace app {

enum class Familia : std::uint8_t {
  Ingreso,     // incomes: "1,234"
  Deduccion,   // deductions and credits: "(1,234)"
  Documento,   // a document number, of the type chosen in the list beside it
  Texto811,    // names 811 to 825
  Texto890,    // names 890 to 892
  Ruc,         // the RUC of a beneficiary
  Codigo,      // the one-digit answer of box 140
  Desglose,    // the totals broken down in a window of their own
  Otra,        // every other box
};

struct FamiliaCasillas {
  std::int16_t Desde, Hasta;
  Familia Es;
};

inline constexpr FamiliaCasillas kFamilias[] = {
    {100, 100, Familia::Ingreso},   {102, 102, Familia::Ingreso},   {105, 108, Familia::Ingreso},
    {111, 111, Familia::Ingreso},   {116, 116, Familia::Ingreso},   {145, 145, Familia::Ingreso},
    {110, 110, Familia::Deduccion}, {114, 115, Familia::Deduccion}, {117, 117, Familia::Deduccion},
    {122, 125, Familia::Deduccion}, {127, 133, Familia::Deduccion}, {144, 144, Familia::Deduccion},
    {208, 209, Familia::Documento}, {211, 211, Familia::Documento}, {215, 215, Familia::Documento},
    {217, 219, Familia::Documento}, {236, 236, Familia::Documento}, {302, 302, Familia::Documento},
    {811, 825, Familia::Texto811},  {890, 892, Familia::Texto890},  {229, 230, Familia::Ruc},
    {140, 140, Familia::Codigo},    {200, 201, Familia::Desglose},
};

/// The family of box `casilla`.
constexpr Familia FamiliaDe(std::int16_t casilla) {
  for (const FamiliaCasillas& f : kFamilias) {
    if (casilla >= f.Desde && casilla <= f.Hasta) return f.Es;
  }
  return Familia::Otra;
}

/// The boxes whose typing limit the focus entry leaves as it is.
inline constexpr std::int16_t kLargoConservado[] = {
    302, 236, 208, 209, 211, 229, 230, 215, 217, 218, 219, 811, 812, 813, 814, 815, 817, 818, 819, 820,
    821, 822, 823, 824, 825, 140, 890, 891, 892, 200, 201, 827, 829, 831, 832, 833, 834, 835,
};

constexpr bool ConservaLargo(std::int16_t casilla) {
  for (std::int16_t n : kLargoConservado) {
    if (n == casilla) return true;
  }
  return false;
}

}  // namespace app
