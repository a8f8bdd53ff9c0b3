//===- Envios.h - The import of the send-table list into envio_t --------===//
//
// The host lists in env917.txt, below the program folder's tmp folder, the
// tables it sends for form 917. The import writes each line into envio_t
// (updating the row of the same origin table, else adding one), up to the
// first blank line, and then closes the file and the database: it is the
// installer's last step.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

#include "installer/LineaEnvio.h"

namespace installer {

/// True when envio_t has a row of form "0917" for origin table `tablaOrigen`.
bool ExisteEnvio(std::string_view tablaOrigen);

/// The statement that writes a read line into envio_t: an update of the row
/// of its origin table when ExisteEnvio finds it, an insert otherwise.
std::string SentenciaEnvio(const LineaEnvio& linea);

/// The send-table list: RutaSistema & "tmp\env917.txt".
std::string ArchivoEnvios();

/// Imports the list (CargaParametros' second part). A missing file and each
/// line that breaks the format are shown in a critical box naming the file
/// and the line, and counted (MarcaFalla); bad lines are skipped. Closes
/// the file and BaseDatos in every case.
void CargaEnvios();

}  // namespace installer
