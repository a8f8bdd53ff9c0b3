//===- ArchivoComandos.h - The page-command report file: its lines -------===//
//
// Every printed report is first written as a page-command file ("00000042.PRN"
// in the report folder): plain Windows-1252 text, one line per command, each
// line ended by CR LF, no byte-order mark. The report writers (ImpLinea.h),
// 0917SND and the host's spool write it; the preview and print interpreter
// reads it (LectorComandos.h).
//
//   <!font!>Courier New<!/font!>          header tags, read where they stand
//   <!nHojas!>4<!/nHojas!>
//   <!Orientacion!>V<!/Orientacion!>      "H": landscape sheets from here on
//   <!Color!>&H00FFFFC0&<!/Color!>        the preview's background
//   pPos|150|2900|RUC|False|8|0|          a text: x, y, text, bold, size, page
//   pPosVerti|150|2900|RUC|False|8|0|     the same, one character under the other
//   pCuadro|150|2820|11000|3090|0|        a rectangle: two corners, page
//   pNuevaHoja                            the printed sheet ends
//
// Positions are twips from the sheet's top-left corner, sizes points, pages
// counted from 0; every number is a plain 16-bit integer, every field ends
// with "|". A text field never breaks a line: its bars and line ends are
// written as blanks, and a character Windows-1252 lacks as "?".
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

/// The page-break line.
inline constexpr std::string_view kNuevaHoja = "pNuevaHoja";

/// What one line of the file says.
enum class TipoComando { Fuente, NumeroHojas, Orientacion, Color, Pos, PosVerti, Cuadro, NuevaHoja };

/// One command as the interpreter takes it.
struct Comando {
  TipoComando Tipo = TipoComando::Pos;
  /// pPos and pPosVerti: the text's top-left corner; pCuadro: one corner.
  std::int16_t X = 0, Y = 0;
  /// pCuadro: the opposite corner.
  std::int16_t X2 = 0, Y2 = 0;
  /// pPos and pPosVerti: the text as written, blanks kept; a tag: its value as
  /// it stands between the opening and the closing tag.
  std::string Texto;
  bool Negrita = false;
  std::int16_t Tamano = 0;
  /// The page the drawing command belongs to, counted from 0.
  std::int16_t Pagina = 0;
  friend bool operator==(const Comando&, const Comando&) = default;
};

/// `texto` fit for a text field: "|", CR and LF become blanks.
std::string CampoTexto(std::string_view texto);

/// "pPos|x|y|texto|False|tamano|pagina|" ("True" when `negrita`), the text
/// through CampoTexto.
std::string LineaPos(int x, int y, std::string_view texto, bool negrita, int tamano, int pagina);

/// "pCuadro|x1|y1|x2|y2|pagina|".
std::string LineaCuadro(int x1, int y1, int x2, int y2, int pagina);

}  // namespace common
