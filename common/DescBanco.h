//===- DescBanco.h - A bank's name from its code --------------------------===//
//
// Banks are the host's PARAM rows of group "004": the two-character code in
// ARGUMENTO, the full name in characters 1-36 of FUNCION and the short name
// in 38-49. KR917's printed return shows the short name, 0917SND's summary
// the full one; both read it the same way.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace dao {
class Database;
}

namespace common {

/// Where a bank's name lies in FUNCION.
struct TramoNombre {
  int Inicio;
  int Largo;
};
inline constexpr TramoNombre kNombreCorto{38, 12};  // the printed return
inline constexpr TramoNombre kNombreLargo{1, 36};   // the submission summary

/// The name (the `tramo` of FUNCION, trimmed) of the bank whose trimmed
/// ARGUMENTO is `codigo`; "" when there is none. The engine's errors reach
/// the caller.
std::string DescBanco(dao::Database& db, std::string_view codigo, TramoNombre tramo);

}  // namespace common
