//===- Trazos.h - A report page's frames and texts as data ---------------===//
//
// The pages of the printed return are tables: their grids (frames row by
// row from y 2820, 270 a row) and their drawings (frames and texts in the
// order they are written). Each table is constexpr data drawn by one loop:
//
//   constexpr Trazo kTitulo[] = {Negrita(300, 2340, "2.- DETERMINACIÓN DE LA DEUDA"),
//                                Recuadro(150, 2280, 11000, 2550), Importe(9275, 2610, 120)};
//   Dibuja(kTitulo, 1);
//
// Amounts are box texts through "###,###,###,##0;(###,###,###,##0)",
// right-aligned to 16 characters when the box's value is below zero and to
// 15 otherwise, so last digits line up and a ")" stands one column further.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ImpRep {

/// What a drawing of a page shows.
enum class Dato : std::uint8_t {
  Recuadro,       // the frame from (X, Y) to (X2, Y2)
  Literal,        // Texto as it stands
  Valor,          // box Casilla as stored
  Importe,        // box Casilla as an amount
  TipoDocumento,  // box Casilla, "-", the short name of that document type
  Nombre,         // box Casilla followed by box Casilla2
  Marca,          // Texto when box Casilla is Igual, "" otherwise
  MarcaSiHay,     // as Marca, and nothing at all while box Casilla is empty
  MarcaSiIgual,   // Texto when box Casilla is Igual, nothing otherwise
  MarcaSiOtro,    // Texto when box Casilla is neither empty nor Igual, nothing otherwise
  NumeroCheque,   // the cheque number as stored
  Banco,          // the short name of the cheque's bank
  Profesion,      // the name of the profession in box Casilla
  Rectifica,      // "SI" when the return rectifies another, "NO" otherwise
  Pagina,         // "Pag. " and the page number
  Ruc,            // the declarant's RUC
  Declarante,     // the declarant's name
  Control,        // the control number right-aligned to 8
  Orden,          // the order number right-aligned to 8
};

/// One frame or text of a page.
struct Trazo {
  Dato Que = Dato::Literal;
  std::int16_t X = 0, Y = 0;
  std::int16_t X2 = 0, Y2 = 0;
  std::string_view Texto = {};
  std::int16_t Casilla = 0, Casilla2 = 0;
  std::string_view Igual = {};
  bool Negrita = false;
  std::int16_t Tamano = 8;
};

constexpr Trazo Recuadro(int x1, int y1, int x2, int y2) {
  return {.Que = Dato::Recuadro,
          .X = static_cast<std::int16_t>(x1),
          .Y = static_cast<std::int16_t>(y1),
          .X2 = static_cast<std::int16_t>(x2),
          .Y2 = static_cast<std::int16_t>(y2)};
}
constexpr Trazo Campo(Dato que, int x, int y, int casilla = 0, int casilla2 = 0) {
  return {.Que = que,
          .X = static_cast<std::int16_t>(x),
          .Y = static_cast<std::int16_t>(y),
          .Casilla = static_cast<std::int16_t>(casilla),
          .Casilla2 = static_cast<std::int16_t>(casilla2)};
}
constexpr Trazo Negritas(Trazo t, int tamano = 8) {
  t.Negrita = true;
  t.Tamano = static_cast<std::int16_t>(tamano);
  return t;
}
/// A fixed text, not bold.
constexpr Trazo Rotulo(int x, int y, std::string_view texto) {
  Trazo t = Campo(Dato::Literal, x, y);
  t.Texto = texto;
  return t;
}
/// A fixed text in bold.
constexpr Trazo Negrita(int x, int y, std::string_view texto, int tamano = 8) {
  return Negritas(Rotulo(x, y, texto), tamano);
}
constexpr Trazo Valor(int x, int y, int casilla) { return Campo(Dato::Valor, x, y, casilla); }
constexpr Trazo Importe(int x, int y, int casilla) { return Campo(Dato::Importe, x, y, casilla); }
constexpr Trazo TipoDoc(int x, int y, int casilla) { return Campo(Dato::TipoDocumento, x, y, casilla); }
constexpr Trazo Nombre(int x, int y, int casilla, int continuacion) {
  return Campo(Dato::Nombre, x, y, casilla, continuacion);
}
/// `marca` when box `casilla` holds `igual`, as `que` says.
constexpr Trazo Marcado(Dato que, int x, int y, int casilla, std::string_view igual, std::string_view marca) {
  Trazo t = Campo(que, x, y, casilla);
  t.Igual = igual;
  t.Texto = marca;
  return t;
}

/// The frames of one grid row: from x X1 to X2, Filas rows high.
struct Marco {
  std::int16_t X1 = 0, X2 = 0;
  std::int16_t Filas = 1;
};
/// A grid: the frames of each row r, r from 0, row r starting at y 2820 + 270 r.
using Grilla = std::span<const std::span<const Marco>>;

/// Writes `trazos` in order on page index `pagina`, every x moved
/// `desplazamiento` to the right.
void Dibuja(std::span<const Trazo> trazos, std::int16_t pagina, std::int16_t desplazamiento = 0);

/// Writes the frames of `grilla`, row by row, on page index `pagina`.
void DibujaGrilla(Grilla grilla, std::int16_t pagina);

/// Box `casilla` of the printed return as an amount; error 6, naming the
/// box, for one beyond a box's twelve digits.
std::string ImporteDe(int casilla);

/// Writes a text of the page: ImprimePos into the report of G().ImpRep.
void Escribe(int x, int y, std::string_view texto, bool negrita, int tamano, std::int16_t pagina);

}  // namespace ImpRep
