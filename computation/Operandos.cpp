// The reading and showing of an amount box: blank or not, its value, its
// display form. Numbers read and show with "," grouping and "." decimals
// whatever the machine's locale.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// Subtracted by the formulas whatever sign they show: deductions, losses,
// credits, payments, and the balance in favour (141, held negative).
constexpr std::int16_t kAbsolutas[] = {110, 114, 115, 117, 122, 123, 124, 125, 127, 128, 129,
                                       130, 131, 132, 133, 141, 144, 502, 505, 507, 511};
// Shown as typed.
constexpr std::int16_t kTalCual[] = {876, 877, 878, 880};
// Shown with decimals.
constexpr std::int16_t kConDecimales = 173;

bool Es(const std::int16_t* desde, const std::int16_t* hasta, std::int16_t casilla) {
  return std::find(desde, hasta, casilla) != hasta;
}

// The number at the start of `texto`: an optional "-", digits and a "."
// decimal point; 0 when the text does not start with one.
double NumeroInicial(const std::string& texto) {
  std::size_t fin = 0;
  if (fin < texto.size() && texto[fin] == '-') ++fin;
  const std::size_t cifras = fin;
  while (fin < texto.size() && ((texto[fin] >= '0' && texto[fin] <= '9') || texto[fin] == '.')) ++fin;
  double valor = 0;
  const auto leido = std::from_chars(texto.data() + cifras, texto.data() + fin, valor);
  if (leido.ec != std::errc()) return 0;
  return cifras == 1 ? -valor : valor;
}

}  // namespace

bool Frm0917::vacio(std::int16_t casilla) const { return vb::Trim(txtvalor(casilla).Text()).empty(); }

double Frm0917::Vale(std::int16_t casilla) const { return ValeTexto(casilla, txtvalor(casilla).Text()); }

void Frm0917::Forma(std::int16_t casilla) {
  forms::TextBox& caja = txtvalor(casilla);
  caja.SetText(FormaTexto(casilla, caja.Text()));
}

double Frm0917::ValeTexto(std::int16_t casilla, std::string_view texto) {
  if (vb::Trim(texto).empty()) return 0;
  // A whole number would come back from the pattern as its own digits: most
  // boxes hold one, and every change reads many of them.
  const std::optional<double> numero = vb::ParseNumber(texto);
  const double valor = numero && *numero == std::trunc(*numero) && std::fabs(*numero) < 1e15
                           ? *numero + 0.0
                           : NumeroInicial(vb::Format(vb::Variant(texto), "##############0"));
  return Es(std::begin(kAbsolutas), std::end(kAbsolutas), casilla) ? std::fabs(valor) : valor;
}

std::string Frm0917::FormaTexto(std::int16_t casilla, std::string_view texto) {
  const std::optional<double> numero = vb::ParseNumber(texto);
  if (!numero) return "";
  if (Es(std::begin(kTalCual), std::end(kTalCual), casilla)) return std::string(texto);
  if (casilla == kConDecimales) return vb::Format(vb::Variant(*numero), "##0.#000");
  if (*numero < 0) return vb::Format(vb::Variant(-*numero), "(###,###,###,##0)");
  return vb::Format(vb::Variant(*numero), "###,###,###,##0");
}

}  // namespace app
