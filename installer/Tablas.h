//===- Tablas.h - The schedule tables and the work tables of form 917 ---===//
//
// F0917PATRIM keeps the schedule rows of saved returns and HF0917PATRIM
// those of sent ones (with Correl); both are made once and never dropped.
// TMPF0917PATRIM and TMPF0917PATRIM1 are KR917's work copies, dropped and
// made anew at every run. The statements are Jet DDL, run by EjecutaSQL.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace installer {

/// True when BaseDatos has a table whose name, upper-cased, is `nombre`
/// (callers pass it in upper case).
bool ExisteTabla(std::string_view nombre);

/// Drops TMPF0917PATRIM and TMPF0917PATRIM1 when they exist.
void BorraTemporales();

/// Creates each of the four tables that is missing together with its
/// primary key, as one unit: never one without the other. A table that
/// exists keeps its columns and rows; when it has no primary key it gets
/// one, and when its rows break the key a critical box names the table
/// (MarcaFalla) and the table stays as it is.
void CreaTablas();

/// Lets the description and amount columns of table `nombre` (one of the
/// four) hold empty text; any failure is passed over.
void PermiteLongitudCero(std::string_view nombre);

}  // namespace installer
