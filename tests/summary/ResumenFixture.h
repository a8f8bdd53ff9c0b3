//===- ResumenFixture.h - A sample installation for 0917SND's tests -----===//
//
// Each test runs the summary in-process on a fresh sample installation, with
// the clock fixed at 01/04/2003 09:30:15 and the scripted user answering
// (and recording) its message boxes. The sample holds two saved returns of
// ASESOR1's taxpayers, week 0 of 2002:
//
//   10433221104  TORRES VEGA ANA MARIA   cash     146, 180, 598 "1250", 871 "0"
//   10455667785  CHAVEZ LOPEZ LUCIA      cheque "00458712" of bank 02, 146,
//                                        180, 598 "3480", 871 "1"
//
// A test adds its own return with Guarda.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/text/DateTime.h"
#include "tests/support/SampleFixture.h"

namespace kr::testing {

/// A command line with a 15-character document number, form 0917, period
/// "200200", week 0 and NC number 12345678, and the key it gives.
inline constexpr std::string_view kLinea = "--1234567890123450917200200012345678";
inline constexpr std::string_view kRuc = "123456789012345";
inline constexpr std::string_view kClave = "0917200200012345678";

/// `n` blanks.
inline std::string Sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class Resumen : public ::testing::Test {
 protected:
  Resumen();
  ~Resumen() override;

  /// Runs the summary as the program does and answers its exit status.
  int Corre(std::string_view linea);
  /// Runs `linea` expecting it to end (status 1) on the technical error box
  /// of `numero` and `texto`, with the work folder TMP left as it was.
  void CorreHastaElError(std::string_view linea, int numero, const std::string& texto);
  /// Runs each statement on the database, through an engine of the test's own.
  void Ejecuta(std::initializer_list<std::string> sentencias);
  /// The rows of `sql`, each as its fields' texts joined by "|" ("Null" for Null).
  std::vector<std::string> Filas(const std::string& sql);
  /// Saves a return of `ruc` (CAB with `banco` and `cheque` as SQL values, a
  /// DET row per box) and, unless `nombre` is null, its taxpayer in CONT.
  void Guarda(std::string_view ruc, const char* nombre, std::string_view banco, std::string_view cheque,
              std::initializer_list<std::pair<const char*, const char*>> casillas);
  /// The host's command line for the sample's saved return of `ruc`, NC number 00000042.
  std::string LineaDelHost(std::string_view ruc);

  /// The bytes of `relativo` below the program folder ("TMP/x.txt"), or "<missing>".
  std::string Lee(std::string_view relativo) const;
  /// The names of the files in `carpeta` of the program folder.
  std::set<std::string> Archivos(std::string_view carpeta) const;

  SampleInstallation Muestra;
  forms::testing::ScriptedUser Usuario;
  forms::Application Aplicacion{Usuario};
  vb::FixedClock Reloj{vb::DateTimeSerial(2003, 4, 1, 9, 30, 15)};
  dao::DBEngine Motor;
};

/// The lines of a text file joined with CR LF after each, as the summary writes them.
std::string ConCrLf(std::initializer_list<std::string> lineas);

/// The page-command summary whose lines after the colour tag are `lineas`
/// (175 twips apart from y 350), after the tags and the empty line at 175.
std::string ReporteEsperado(const std::vector<std::string>& lineas);

}  // namespace kr::testing
