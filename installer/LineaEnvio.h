//===- LineaEnvio.h - One line of the host's send-table list ------------===//
//
// env917.txt holds one table to send a line: 13 fields, each ended by "|"
// (whatever follows the 13th is ignored). Field 0 is not used; 1 to 3 are
// the origin table, the destination table and the extension; 4 to 12 the
// numbers of envio_t's columns indice to c_semana.
//
//   1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace installer {

/// A line's values as they go into envio_t.
struct LineaEnvio {
  /// Field 1 without blanks around it: the origin table, the row's key.
  std::string TablaO;
  /// Field 2 as it stands, blanks included; one blank when empty.
  std::string TablaD;
  /// Field 3 without blanks around it.
  std::string TablaExt;
  /// Fields 4 to 12 as numeric literals ("917" for "0917"): 4 to 6 whole
  /// numbers from 0 to 255, the rest any number, written with ".".
  std::array<std::string, 9> Numeros;
};

/// Reads `linea`; when it breaks the format, answers nothing and puts into
/// `motivo` what is wrong with it (a text to show the user).
std::optional<LineaEnvio> LeeLineaEnvio(std::string_view linea, std::string& motivo);

}  // namespace installer
