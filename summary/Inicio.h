//===- Inicio.h - 0917SND's run: the summary of one saved return --------===//
//
// 0917SND has no window. The host names one saved return on its command
// line; the program reads it and writes its summary twice, as plain text
// and as a page-command report registered in the spool, then copies both
// under the key's name:
//
//   RPT\nnnnnnnn.PRN       the registered report (stays)
//   RPT\<key>.PRN          its copy
//   TMP\<key>.txt          the plain text (its temporary file is deleted)
//
// where <key> is the form, positions 22-27, the week and the NC number.
// Every failure is a message box and the end of the run. The program's main
// sets up the application and its front end and calls Ejecuta; tests call
// Ejecuta the same way.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace summary {

/// Runs the summary of the return `lineaComandos` names on the current
/// shared variables (G()) under the current forms::Application, and answers
/// the exit status: 0 when both files were written and copied, 1 for no
/// data or any failure after the database was opened, 2 when the database
/// could not be opened. Nothing is left open, nor the temporary text, when
/// it returns.
int Ejecuta(std::string_view lineaComandos);

/// The start: ProcesaResumen, then the copies and the deletion of the
/// temporary text; any error ends the program after a box "Error tecnico: ".
void Main();

/// Checks the command line, reads the settings, opens the database, cuts
/// the command line, reads the return and writes both summaries. Without
/// the return's CAB row or its declarant in CONT, a box titled "Error" and
/// the end, with nothing written.
void ProcesaResumen();

}  // namespace summary
