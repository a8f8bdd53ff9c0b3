// The text forms of a stored return's values.
#include "return/FilasDeclaracion.h"

#include <iterator>
#include <optional>

#include "common/Importe.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/DisenoCasillas.h"

namespace app {
namespace {

struct Rango {
  std::int16_t Desde, Hasta;
};

// Kept exactly as they come. The telephone and the name boxes are text too:
// read as a number, "012345" would come back "12345", which the next save's
// identification check refuses.
constexpr Rango kTalCual[] = {
    {5, 5},     {12, 12},   {15, 15},   {25, 25},   {28, 28},   {208, 209}, {211, 211}, {215, 215}, {217, 219},
    {229, 230}, {234, 234}, {236, 236}, {302, 302}, {721, 721}, {801, 803}, {811, 835}, {871, 871}, {890, 890},
};

constexpr std::int16_t NumeroDe(std::string_view codigo) {
  std::int16_t n = 0;
  for (char c : codigo) {
    if (c < '0' || c > '9') return -1;
    n = static_cast<std::int16_t>(n * 10 + (c - '0'));
  }
  return n;
}

// Two lines of kCasillasEspeciales that can both be written in one save.
constexpr bool Juntas(Cuando a, Cuando b) {
  return !((a == Cuando::Rectifica && b == Cuando::NoRectifica) || (a == Cuando::NoRectifica && b == Cuando::Rectifica));
}

// The save writes every row of a return anew after deleting them all, so no
// box may come twice in one save.
constexpr bool SinRepetidas() {
  for (std::size_t i = 0; i < std::size(kCasillasEspeciales); ++i) {
    const CasillaEspecial& a = kCasillasEspeciales[i];
    for (std::int16_t n : kListaCasillas) {
      if (NumeroDe(a.Codigo) == n) return false;
    }
    for (std::size_t j = i + 1; j < std::size(kCasillasEspeciales); ++j) {
      const CasillaEspecial& b = kCasillasEspeciales[j];
      if (a.Codigo == b.Codigo && Juntas(a.Si, b.Si)) return false;
    }
  }
  for (std::size_t i = 0; i < kListaCasillas.size(); ++i) {
    for (std::size_t j = i + 1; j < kListaCasillas.size(); ++j) {
      if (kListaCasillas[i] == kListaCasillas[j]) return false;
    }
  }
  return true;
}
static_assert(SinRepetidas());

bool EsTalCual(std::int16_t n) {
  for (const Rango& r : kTalCual) {
    if (n >= r.Desde && n <= r.Hasta) return true;
  }
  return false;
}

}  // namespace

const ColumnasPago& ColumnasDePago(std::string_view formapago) {
  for (const ColumnasPago& c : kColumnasPago) {
    if (c.FormaPago == formapago) return c;
  }
  return kColumnasPago[std::size(kColumnasPago) - 1];
}

std::string CodigoCasilla(std::int16_t n) { return vb::Format(vb::Variant(static_cast<double>(n)), "000"); }

bool TieneValor(std::string_view valor) {
  const std::string t = vb::Trim(valor);
  return !t.empty() && t != "________" && t != "__/__/____";
}

std::string Entero(std::string_view valor) {
  const std::optional<double> numero = vb::ParseNumber(valor);
  if (!numero) return std::string(valor);
  return vb::Format(vb::Variant(*numero), "###########0");
}

std::string ValorGuardado(std::string_view casilla, std::string_view valor) {
  if (EsTalCual(NumeroDe(casilla))) return std::string(valor);
  return Entero(valor);
}

bool CabeEnFila(std::string_view casilla, std::string_view valor) {
  if (EsTalCual(NumeroDe(casilla))) return true;
  const std::optional<double> numero = vb::ParseNumber(valor);
  return !numero || common::CabeEnCasilla(*numero);
}

std::string_view IdCasilla(std::string_view casilla) { return casilla == "180" ? "05" : "01"; }

}  // namespace app
