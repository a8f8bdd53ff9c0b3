//===- ImpLinea.h - The report writer: its state and its three primitives ===//
//
// The report drivers write a page-command file (ArchivoComandos.h) through
// three primitives over one writer state: ImprimeLinea (running text at the
// left edge, or a header tag), ImprimePos (a text at a position, a tag or the
// page break) and ImprimeRecuadro (a rectangle).
//
//   common::EstadoImpresion estado(common::kLineasKR917);
//   estado.AbreReporte(ruta);
//   common::ImprimeLinea(estado, "<!font!>Courier New<!/font!>");
//   common::ImprimePos(estado, 3850, 1170, rucDeclarante, -1, 8, 0);
//   estado.CierraReporte();
//
// A report is built whole in memory and written when it is closed, under a
// temporary name renamed into place, so nobody (the preview, the host's
// spool) ever reads half a file; a report abandoned by an error is dropped.
//
// The system's own literals and the texts of data are told apart by type: a
// string literal ("<!font!>...", "pNuevaHoja") is the system's own and may be
// a tag or the page break; a tag built at run time is passed as Propio{...};
// any other text (a name, a box value) is always written as a text command,
// whatever it holds.
//
// Numbers are 16-bit, as the file's fields: a value beyond them is error 6
// and nothing is written.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/Variant.h"

namespace common {

/// The lines a page holds for ImprimeLinea: `Angosta` when AnchoPagina is
/// below 83, `Ancha` otherwise.
struct LargoPagina {
  std::int16_t Angosta;
  std::int16_t Ancha;
};
/// KR917's reports: 85 lines, 83 for wide ones.
inline constexpr LargoPagina kLineasKR917{85, 83};
/// 0917SND's summary: 80 lines, 44 for wide ones.
inline constexpr LargoPagina kLineas0917SND{80, 44};

/// The writer's state for the whole run, and the report file being written.
class EstadoImpresion {
 public:
  explicit EstadoImpresion(LargoPagina largo) : Largo_(largo) {}

  /// Copies the report driver writes.
  std::int16_t NumCopias = 1;
  /// Characters of a report line; it chooses ImprimeLinea's page length.
  std::int16_t AnchoPagina = 0;
  /// "ARCHIVO": commands go to the report file (the only destination).
  std::string DestinoImpresion;
  /// Lines ImprimeLinea wrote on the current page.
  std::int16_t ContadorLineas = 0;
  /// The report drivers' line buffer.
  std::string LineaActual;
  /// The current page, counted from 1.
  std::int16_t PaginaActual = 0;
  /// The left margin report drivers put before text lines.
  std::string Margen;
  /// The font for a printer destination.
  vb::Variant FuenteNombre, FuenteTamano, FuenteNegrita;
  /// y in twips of the last line ImprimeLinea wrote.
  std::int16_t PosicionVertical = 0;
  /// The page range the preview and the printer apply, pages counted from 1.
  std::int16_t PaginaDesde = 0, PaginaHasta = 0;
  bool RangoPaginas = false;

  /// The page length of ImprimeLinea now.
  std::int16_t LineasPorPagina() const { return AnchoPagina < 83 ? Largo_.Angosta : Largo_.Ancha; }

  /// Starts the report to be written at the program path `ruta` (replacing
  /// the file there when it is closed). Error 55 while another is open.
  void AbreReporte(std::string_view ruta);
  /// Whether a report is open.
  bool ReporteAbierto() const { return Abierto_; }
  /// Adds one line (CR LF appended, Windows-1252) to the open report. Error
  /// 52 when none is open.
  void EscribeLinea(std::string_view linea);
  /// Writes the open report whole and closes it; nothing when none is open.
  /// The file's errors (76 path not found, 75 access refused, 61 disk full)
  /// leave the old file as it was; the report is closed all the same.
  void CierraReporte();
  /// Closes the open report without writing it.
  void DescartaReporte();

 private:
  LargoPagina Largo_;
  bool Abierto_ = false;
  std::string Ruta_;
  std::string Bytes_;
};

/// A text of the system's own built at run time (a tag line held in
/// LineaActual): it may be a tag as a literal may.
struct Propio {
  std::string_view Texto;
};

/// Writes one line of running text at the left edge: "pPos|10|" & y & "|" &
/// texto & "|False|8|" & (PaginaActual - 1) & "|", y being PosicionVertical
/// advanced by 175. A tag (a text of the system's own starting with "<!") is
/// written as it stands while PaginaActual is 1 or less, and not at all
/// after. Every line written counts; when ContadorLineas reaches the page
/// length, "pNuevaHoja" follows and PaginaActual goes up by 1.
void ImprimeLinea(EstadoImpresion& estado, std::string_view texto);
void ImprimeLinea(EstadoImpresion& estado, Propio texto);
template <std::size_t N>
void ImprimeLinea(EstadoImpresion& estado, const char (&texto)[N]) {
  ImprimeLinea(estado, Propio{texto});
}

/// Writes "pPos|x|y|texto|True|tamano|pagina|" ("False" for any `negrita`
/// other than -1). The system's own "pNuevaHoja" writes the page break
/// instead, and its own tag is written as it stands while PaginaActual is 1
/// or less, and not at all after.
void ImprimePos(EstadoImpresion& estado, int x, int y, std::string_view texto, int negrita, int tamano, int pagina);
void ImprimePos(EstadoImpresion& estado, int x, int y, Propio texto, int negrita, int tamano, int pagina);
template <std::size_t N>
void ImprimePos(EstadoImpresion& estado, int x, int y, const char (&texto)[N], int negrita, int tamano, int pagina) {
  ImprimePos(estado, x, y, Propio{texto}, negrita, tamano, pagina);
}

/// Writes "pCuadro|x1|y1|x2|y2|pagina|".
void ImprimeRecuadro(EstadoImpresion& estado, int x1, int y1, int x2, int y2, int pagina);

}  // namespace common
