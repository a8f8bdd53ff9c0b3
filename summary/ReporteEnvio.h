//===- ReporteEnvio.h - The page-command summary ------------------------===//
//
// The second output: the same summary as a one-page page-command report
// (common/ArchivoComandos.h), registered in SPOOL under "RP0007" so that the
// host's spool and KR917's preview show it. Its lines are running text at
// the left edge, 175 twips apart, after the four header tags:
//
//   <!font!>Courier New<!/font!>
//   <!nHojas!>1<!/nHojas!>
//   pPos|10|175||False|8|0|
//   <!Orientacion!>V<!/Orientacion!>
//   <!Color!>&H80000005&<!/Color!>
//   ...
//   pPos|10|1050|          01/04/2003 ... Pag. 01/01|False|8|0|
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace summary {

/// Registers the report in SPOOL for the trimmed `documento` and writes it
/// whole to ArchivoSalida in RutaReportes, as one unit: when either fails,
/// neither the row nor the file is there.
void GeneraReporteEnvio(const std::string& documento);

/// The tags, the date and time, the title and the header lines: document,
/// name and bank whole, form, period, rectification, payment. Its argument
/// is not used.
void CabeceraReporte(const std::string& documento);

/// The body lines: the heading, the amounts of boxes 146, 180 and 598, the
/// NC number with today's date.
void CuerpoReporte();

}  // namespace summary
