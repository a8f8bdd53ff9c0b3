#include "common/CodigoControl.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/db/Recordset.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace common {
namespace {

// A number as the code writes it: "." decimals, no zero before the point.
std::string TextoDeNumero(double valor, int significativas) {
  std::string texto = vb::NumberText(valor, significativas);
  if (texto.starts_with("0.")) return texto.substr(1);
  if (texto.starts_with("-0.")) return "-" + texto.substr(2);
  return texto;
}

std::string TextoDeValor(const vb::Variant& v) {
  switch (v.Type()) {
    case vb::VarType::Byte:
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Double:
    case vb::VarType::Currency:
      return TextoDeNumero(v.NumberValue(), 15);
    case vb::VarType::Single:
      return TextoDeNumero(v.NumberValue(), 7);
    case vb::VarType::Date:
      return vb::Format(v, "yyyymmdd");
    case vb::VarType::String:
      return vb::Trim(v.StringValue());
    default:
      return "";
  }
}

// An optional sign, digits, an optional point and decimals: at least one digit.
bool EsNumeroSimple(std::string_view t) {
  std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
  bool digitos = false;
  bool punto = false;
  for (; i < t.size(); ++i) {
    if (t[i] >= '0' && t[i] <= '9') {
      digitos = true;
    } else if (t[i] == '.' && !punto) {
      punto = true;
    } else {
      return false;
    }
  }
  return digitos;
}

// The sum of each character's Windows-1252 code times its position from 1.
std::int64_t SumaPonderada(std::string_view texto) {
  std::int64_t suma = 0;
  std::int64_t posicion = 0;
  for (char32_t c : vb::ToCodePoints(texto)) {
    const int codigo = vb::Cp1252Code(c);
    suma += (codigo >= 0 ? codigo : '?') * ++posicion;
  }
  return suma;
}

std::string UltimosTres(std::int64_t suma) {
  const std::int64_t resto = std::llabs(suma) % 1000;
  std::string texto = std::to_string(resto);
  return std::string(3 - texto.size(), '0') + texto;
}

}  // namespace

std::string CodigoControl(dao::Recordset& rs, int n) {
  const int columnas = rs.Fields().Count();
  double clave = 0;
  for (int i = 0; i < n && i < columnas; ++i) {
    const std::string texto = TextoDeValor(rs.Fields(i).Value());
    if (EsNumeroSimple(texto)) clave += vb::Val(texto);
  }
  std::int64_t datos = 0;
  for (int i = n; i < columnas - 1; ++i) datos += SumaPonderada(TextoDeValor(rs.Fields(i).Value()));
  // Rounded, halves away from zero, and cut to three digits in the double
  // itself, so that no key part is too large to round.
  const double redondeada = std::round(std::fabs(clave));
  return UltimosTres(static_cast<std::int64_t>(std::fmod(redondeada, 1000.0))) + UltimosTres(datos);
}

}  // namespace common
