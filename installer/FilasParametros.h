//===- FilasParametros.h - The reference rows the installer writes ------===//
//
// The PARAM rows of form 917 (the form, its schedule table for the host,
// professions, currencies and schedule item types) and its two rows of the
// report catalogue, as data: CargaParametros writes them in this order.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <span>
#include <string_view>

namespace installer {

/// One PARAM row: group, key within the group, text and second code.
struct FilaParametro {
  std::string_view Numero;
  std::string_view Argumento;
  std::string_view Funcion;
  std::string_view CorrelParam;
};

/// One row of the report catalogue `reportes`: code and title.
struct FilaReporte {
  std::string_view CodRep;
  std::string_view Descripcion;
};

/// The 146 PARAM rows, groups 992, 996, 979, 883 and 884 in that order.
std::span<const FilaParametro> FilasParametros();

/// The reports of the form: RP0006, the printed return; RP0007, the submission summary.
std::span<const FilaReporte> FilasReportes();

}  // namespace installer
