//===- TextoEnvio.h - The plain-text summary --------------------------===//
//
// The first output: a short text of the return, Windows-1252, lines ended by
// CR LF, an empty line written as one blank, a Chr(15) line after every 80
// lines. It is written to a new file with a random eight-digit name in the
// work folder, which Main copies under the key's name and deletes. It is the
// run's work file (vb::WorkFile): should the run be killed before deleting
// it, the work file's watcher deletes it.
//
//   DOCUMENTO      : 10076543211
//   RAZON SOCIAL   : GARCIA PEREZ JUAN C
//   ...
//   Renta         ...1,234,567 ...........0
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace summary {

/// Writes the whole text to a new ArchivoTexto in RutaTemporal; an existing
/// file of the drawn name is never touched, another name is drawn.
void GeneraTextoEnvio(const std::string& documento);

/// The header lines: document, name (20 characters), form, period,
/// rectification, payment (with the cheque and the bank, cut to 20), and an
/// empty line. Its argument is not used.
void CabeceraTexto(const std::string& documento);

/// The body lines: the heading, the amounts of boxes 146, 180 and 598, an
/// empty line, the NC number with today's date.
void CuerpoTexto();

/// Writes one line of the text ("" or blanks as one blank) and counts it.
void ImprimeLineaTexto(const std::string& texto);

}  // namespace summary
