//===- Spool.h - Registering report files in the host's spool ----------===//
//
// Every report file that KR917 or 0917SND writes is registered in SPOOL,
// where the host lists and prints it. A row carries its report code, its
// sequence within that code ("000001" upwards), the file name numbered over
// all rows ("00000042.PRN"), the moment, the user and the declarant.
//
// The two programs may register at the same moment: the highest numbers
// are read and the row added inside one transaction that holds the write
// lock from its start, so the other program waits its turn and never takes
// the same number. Names that do not begin with eight digits (written by
// some other program) take no part in the numbering.
//
// A row and its file are one unit: the file is written inside the same
// transaction, after the row is added and before it is committed. A failure
// leaves neither; a program killed between the file and the commit leaves
// a file that no row names (the next report of its number replaces it),
// never a row that names no file.
//
//   common::RegistraSpool(ws, db, usuario, "RP0007", 6, ruc, carpeta,
//                         [&](const std::string& ruta) { EscribeReporte(ruta); });
//
// A full series (the file 99999999.PRN, or the sequence 999999 of a code)
// is error 6, with a text that says which series is full; the rows already
// there are never renumbered.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace common {

/// Writes the whole report file at the program path it is given.
using EscribeArchivo = std::function<void(const std::string& ruta)>;

/// Adds the SPOOL row of a new report of code `codigo` for the declarant
/// (`tipoDocumento`, `documento`), registered by `usuario`, through `db`
/// opened in `ws`, and has `escribe` write its file in the folder `carpeta`
/// (a program path), the row committed only once the file is there; answers
/// the report's file name. The engine's errors, a full series and the errors
/// of `escribe` reach the caller, and then neither the row nor the file is
/// left.
std::string RegistraSpool(dao::Workspace& ws, dao::Database& db, std::string_view usuario, std::string_view codigo,
                          std::int16_t tipoDocumento, std::string_view documento, std::string_view carpeta,
                          const EscribeArchivo& escribe);

/// The text of error 6 when the spool's file numbering is full.
std::string SpoolSinArchivos();
/// The text of error 6 when the sequence of report code `codigo` is full.
std::string SpoolSinSecuencia(std::string_view codigo);

/// Advances the line cursor by `paso` and answers its new value as text
/// ("1575"); error 6, with the cursor unchanged, beyond a 16-bit integer.
std::string SumaLinea(std::int16_t& cursor, std::int16_t paso);

}  // namespace common
