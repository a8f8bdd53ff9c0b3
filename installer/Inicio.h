//===- Inicio.h - LUD917's start, its database connection, its steps ----===//
//
// LUD917 has no window: it reads the program folder from KR000.INI, opens
// the database, runs the install steps and ends, showing a message box only
// when something fails. The program's main sets up the application and its
// front end and calls Ejecuta; tests call Ejecuta the same way.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace installer {

/// Runs the whole installer on the current shared variables (G()) under the
/// current forms::Application, and answers the exit status: 0 when every
/// step succeeded, 1 when a statement or a line of the send-table list
/// failed, 2 when SysPath is missing or the database could not be opened.
/// The database is closed when it returns.
int Ejecuta();

/// The start: reads SysPath (a box titled "Mensaje" when it is empty, and
/// the end), drops one of two final backslashes, keeps it in RutaSistema,
/// opens the database and runs InstalaTablas.
void Main();

/// Opens BaseDatos: the database `carpeta` & DBName, with the workgroup
/// file `carpeta` & "\KR000.MDW" and the programs' account. On a failure it
/// shows one box titled "Error de Conección" and ends the program
/// (forms::End), so it answers only True.
bool AbreBaseDatos(std::string_view carpeta);

/// The install steps in their fixed order; each runs even when the one
/// before it failed. `carpeta` is not used.
void InstalaTablas(std::string_view carpeta);

}  // namespace installer
