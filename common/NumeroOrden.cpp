#include "common/NumeroOrden.h"

#include <array>

#include "platform/text/Cp1252.h"
#include "platform/text/Strings.h"

namespace common {
namespace {

constexpr std::array<int, 17> kPesos = {2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6};

}  // namespace

std::string DigitoVerifica(std::string_view texto) {
  const std::string t = vb::Trim(vb::Left(texto, static_cast<long>(kPesos.size())));
  if (t.empty()) return "";
  const std::u32string caracteres = vb::ToCodePoints(t);
  int suma = 0;
  for (std::size_t i = 0; i < caracteres.size(); ++i) {
    const char32_t c = caracteres[caracteres.size() - 1 - i];
    if (c >= U'0' && c <= U'9') suma += static_cast<int>(c - U'0') * kPesos[i];
  }
  int digito = 11 - suma % 11;
  if (digito == 11) digito = 1;
  if (digito == 10) digito = 0;
  return t + std::to_string(digito);
}

std::string VerificadorOrden(std::string_view control, std::string_view orden) {
  const std::string a = vb::Mid(DigitoVerifica(control), 9, 1);
  const std::string x = std::string(control) + std::string(orden) + a;
  return a + vb::Right(DigitoVerifica(x), 1);
}

bool ValidaOrden(std::string_view control, std::string_view orden, std::string_view codigo) {
  return VerificadorOrden(control, orden) == codigo;
}

}  // namespace common
