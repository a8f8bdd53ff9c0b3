//===- Compartidas.h - The shared run-time variables of 0917SND ---------===//
//
// Every step of the summary reads and writes these variables, which live for
// the one run. They are one object, made anew at start and between tests
// (ReiniciaCompartidas); G() is the program's one.
//
//   G().BaseDatos->OpenRecordset(sql, dao::dbOpenSnapshot);
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/ImpLinea.h"
#include "platform/db/Engine.h"
#include "platform/files/Files.h"
#include "platform/files/TemporaryFiles.h"

namespace summary {

/// The run's exit status: both files written and copied; no data, or a
/// failure after the database was opened; the database could not be opened.
inline constexpr int kSalidaCorrecta = 0;
inline constexpr int kSalidaConFalla = 1;
inline constexpr int kSalidaSinBaseDatos = 2;

struct Compartidas {
  // The command line the host gave: the whole argument text.
  std::string LineaComandos;

  // From the settings: the database folder (DBPath, trimmed; it ends in
  // "\"), the database file, the spool user, and the report and work folders
  // below the database folder.
  std::string CarpetaBase;
  std::string RutaBase;
  std::string UsuarioSistema;
  std::string RutaReportes;
  std::string RutaTemporal;

  // The database: the engine and its one connection, open from
  // AbreBaseDatos to the end of the run.
  dao::DBEngine Motor;
  std::shared_ptr<dao::Database> BaseDatos;

  // The return, cut from the command line: the document number untrimmed
  // (positions 3-17), the form, the period, the week (one digit, text) and
  // the NC number; ClaveEnvio names the copies.
  std::string RucDeclarante;
  std::string Formulario;
  std::string Periodo;
  std::string Semana;
  std::string NumeroNC;
  std::string ClaveEnvio;

  // Read from the database: whether CAB holds the return, the payment, the
  // declarant's name from the register.
  bool HayCabecera = false;
  bool PagoEfectivo = false;
  std::string NumeroCheque;
  std::string NombreBanco;
  std::string NombreDeclarante;

  // The box values: ValorCasilla boxes 1 to 700, ValorCasilla800 boxes 800
  // to 999 (element 0 is box 800); "" for a box without a row.
  std::array<std::string, 701> ValorCasilla;
  std::array<std::string, 200> ValorCasilla800;

  // The two outputs: the page-command file registered in the spool, and the
  // temporary plain text (set once it has been created, for this run alone).
  // TextoTrabajo holds the text as this process's work file until the end
  // of the run, so that a run killed before deleting it does not leave it
  // in the work folder for good.
  std::string ArchivoSalida;
  std::string ArchivoTexto;
  vb::WorkFile TextoTrabajo;

  // The program's numbered files; the plain text is written to NumArchivoTexto.
  vb::Files Archivos;
  int NumArchivoTexto = 1;

  // The writer's state, for both outputs: 80 lines a page, 44 when wide.
  common::EstadoImpresion Impresion{common::kLineas0917SND};

  // What the run answers to whoever started it.
  int EstadoSalida = kSalidaCorrecta;
};

/// The shared variables of the running program.
Compartidas& G();

/// Replaces the shared variables by new, empty ones (at start and between tests).
void ReiniciaCompartidas();

/// The value of box `casilla` ("" for a box without an element or a row).
const std::string& ValorDe(int casilla);

/// Where box `casilla` is kept; nullptr for a box without an element (0,
/// 701 to 799, above 999).
std::string* ElementoDe(int casilla);

/// What is left of a run, whatever ended it: the open files closed, the
/// temporary text deleted, an unfinished report dropped, the database closed.
void TerminaCorrida();

}  // namespace summary
