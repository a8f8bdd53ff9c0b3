//===- Parametros.h - The form's reference rows in PARAM and reportes ---===//
//
// A small upsert of PARAM rows by group and key, and CargaParametros, which
// writes the rows of FilasParametros.h, rewrites the form's two rows of the
// report catalogue and then imports the send-table list (Envios.h).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace installer {

/// True when PARAM has a row of group `numero` and key `argumento`.
/// The query's own failure (no PARAM table) is raised to the caller.
bool ExisteParametro(std::string_view numero, std::string_view argumento);

/// Updates the row's Funcion and Correl_Param when it exists, else inserts it.
void GrabaParametro(std::string_view numero, std::string_view argumento, std::string_view funcion,
                    std::string_view correl);

/// Writes every PARAM row of the form, then the reportes rows, then runs
/// the import of the send-table list, which closes the database. When PARAM
/// cannot be queried at all, that is shown once and its rows are left out.
void CargaParametros();

}  // namespace installer
