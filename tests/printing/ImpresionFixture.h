//===- ImpresionFixture.h - KR917's printing windows over a report folder -===//
//
// Each test gets new shared variables with the validation component, a
// program folder holding the report folder RPT (RutaReportes), the scripted
// user and a clock fixed at 15/04/2003 10:30:05. CuatroHojas.PRN, copied
// into RPT as kCuatroHojas, is the golden report of four pages:
//
//   tags        font, 4 pages, portrait, background &H00FFFFC0 (192, 255, 255)
//   page k      "Pk" bold 16 at (300, 350) in a frame; page 3 also "V3" upright
//   before the break to page 4, the landscape tag; page 4 sits 2350 further right
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/print/Canvas.h"
#include "platform/text/DateTime.h"
#include "tests/support/TestSupport.h"

namespace app::testing {

inline constexpr char kCuatroHojas[] = "00000004.PRN";

/// A print job that fails on its `falla`-th item with `error` (a vb::Error
/// number, or 7 as the memory running out), as a printer may.
class ImpresoraQueFalla : public print::Recorder {
 public:
  ImpresoraQueFalla(int falla, int error) : Falla_(falla), Error_(error) {}

 protected:
  void Draw(const print::Item& item) override;

 private:
  int Falla_;
  int Error_;
  int Dibujados_ = 0;
};

/// The scripted user; with a failing printer set, its jobs go there instead.
class Usuario : public forms::testing::ScriptedUser {
 public:
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view document) override;
  /// When set, every print job starts on it (or fails at once with 482 when it is null and SinImpresora).
  std::shared_ptr<ImpresoraQueFalla> Falla;
  bool SinImpresora = false;
};

class Impresion : public ::testing::Test {
 protected:
  Impresion();
  ~Impresion() override;

  /// Writes the report `nombre` into RPT from its lines (CR LF added).
  void Reporte(const std::string& nombre, const std::vector<std::string>& lineas);
  /// Writes the inconsistency list (Windows-1252, CR LF) and names it in ArchivoSalida.
  void Mensajes(const std::vector<std::string>& lineas);

  /// The texts of a page, in drawing order.
  static std::vector<std::string> Textos(const print::Page& page);

  kr::testing::TempFolder Carpeta;
  vb::FixedClock Reloj{vb::DateTimeSerial(2003, 4, 15, 10, 30, 5)};
  Usuario User;
  forms::Application Aplicacion{User};
};

}  // namespace app::testing
