//===- Compartidas.h - The shared run-time variables of LUD917 ----------===//
//
// Every step of the installer reads and writes these variables, which live
// for the whole run. They are one object, made anew at start and between
// tests (ReiniciaCompartidas); G() is the program's one.
//
//   G().BaseDatos->Execute(sql, dao::dbInconsistent);
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/db/Engine.h"
#include "platform/db/Transaction.h"
#include "platform/files/Files.h"

namespace installer {

/// The run's exit status: every step succeeded, something failed, or
/// nothing could be installed (no SysPath, no database).
inline constexpr int kSalidaCorrecta = 0;
inline constexpr int kSalidaConFallas = 1;
inline constexpr int kSalidaSinBaseDatos = 2;

struct Compartidas {
  // The database: the engine and its one connection, open from
  // AbreBaseDatos to the end of the import.
  dao::DBEngine Motor;
  std::shared_ptr<dao::Database> BaseDatos;
  // The run writes in one transaction (one commit, not one per statement);
  // it is committed before every message box and begun again after it.
  std::unique_ptr<dao::Transaction> Transaccion;

  // The program folder from the settings, ending in "\".
  std::string RutaSistema;

  // The program's numbered files.
  vb::Files Archivos;

  // What the run answers to whoever started it.
  int EstadoSalida = kSalidaCorrecta;
};

/// The shared variables of the running program.
Compartidas& G();

/// Replaces the shared variables by new, empty ones (at start and between tests).
void ReiniciaCompartidas();

/// Closes and releases BaseDatos when it is open, keeping what the run wrote.
void CierraBaseDatos();

/// Begins the run's transaction on the open database. When another program
/// holds the write lock too long, the run goes on statement by statement.
void IniciaTransaccion();
/// Commits the run's transaction when one is open.
void ConfirmaTransaccion();

/// A message box, shown with nothing of the run left uncommitted, so no
/// other program waits on LUD917 while the user reads it.
int Mensaje(std::string_view prompt, int style, std::string_view title);

/// Records that a statement or a line failed; a worse status already set stays.
void MarcaFalla();

}  // namespace installer
