//===- ReporteFixture.h - The printed return's report over the sample ----===//
//
// Each test gets the sample installation after LUD917's run (professions,
// currencies, schedule types and the schedule tables), KR917 started
// in-process, and the shared variables as the print window leaves them for
// the saved return of GARCIA (10076543211): ModoImpresion 2, the report
// named 00000001.PRN in RPT, the boxes empty. A test fills the boxes and the
// schedule rows, runs the report and reads its lines back.
//
// Golden reports lie in tests/printing/data. With KR_GOLDEN_WRITE=1 in the
// environment, Golden() writes the report there instead of comparing: read
// a new golden file line by line against the pages' layouts before it is
// checked in.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "printing/ImpRep.h"
#include "tests/app/ventanas/Programa.h"

namespace app::testing {

inline constexpr char kGarcia[] = "10076543211";
inline constexpr char kNombreGarcia[] = "GARCIA PEREZ JUAN CARLOS";

/// A schedule row: kind, subsection, type, currency, description (nullptr
/// for Null), balance at 01/01, balance at 31/12, count.
struct FilaAnexo {
  const char* Informacion;
  const char* Movimiento1;
  const char* Movimiento2;
  const char* Moneda;
  const char* Descripcion;
  const char* Inicial;
  const char* Final;
  const char* Cantidad;
};

class Reporte : public Programa {
 protected:
  void SetUp() override;

  /// Sets boxes of the printed return: (box number, text).
  void Casillas(std::initializer_list<std::pair<int, std::string>> casillas);
  /// Stores schedule rows of GARCIA's saved return, in the order given.
  void Anexo(const std::vector<FilaAnexo>& filas);
  /// Runs statements on the program's database.
  void Ejecuta(std::initializer_list<std::string> sentencias);

  /// Runs the report of `que`; answers what ImprimeReporte answers.
  bool Imprime(const ImpRep::Seleccion& que);
  /// The report's lines, as text (without their CR LF); empty when there is no file.
  std::vector<std::string> Lineas() const;
  /// Whether the report file exists.
  bool HayArchivo() const;
  /// Compares the report's bytes with the golden file `nombre`.
  void Golden(const std::string& nombre) const;

  /// The lines of `lineas` that start with `inicio`.
  static std::vector<std::string> Con(const std::vector<std::string>& lineas, const std::string& inicio);
  /// The number of `linea` in `lineas`.
  static long Cuenta(const std::vector<std::string>& lineas, const std::string& linea);
  /// The position of the first `linea` in `lineas` from `desde`; -1 when there is none.
  static long Posicion(const std::vector<std::string>& lineas, const std::string& linea, long desde = 0);
};

}  // namespace app::testing
