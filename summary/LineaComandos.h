//===- LineaComandos.h - 0917SND's command line: checked, then cut ------===//
//
// The host names the return with one argument of fixed positions, counted
// from 1 (characters 1 and 2 are not read):
//
//   3-17   the document number, left-aligned, blank-filled
//   18-21  the form            22-25  the period (22-27 go into the key)
//   28     the week, a digit   29-36  the NC number
//
// Positions 18 to 36 also name the copies of the summary
// (form, period and its two more characters, week, NC number): they may not
// hold a path's separators, a wildcard or a control character.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace summary {

/// Raises error 5, "La línea de órdenes no es válida: " & `linea`, unless
/// the line has at least 28 characters, a digit at 28 and nothing that
/// could not stand in a file name at 18 to 36.
void CompruebaLineaComandos(std::string_view linea);

/// Cuts LineaComandos into RucDeclarante, Formulario, Periodo, Semana and
/// NumeroNC, and builds ClaveEnvio: Formulario & positions 22-27 & Semana &
/// NumeroNC.
void CortaLineaComandos();

}  // namespace summary
