//===- cValidador.h - The validation component ---------------------------===//
//
// Checks, key filters and text fitting that the windows share, through the
// one instance `Validador` that Main makes. The component's methods answered
// through their last by-reference argument; here each returns its answer, and
// the arguments the callers always passed empty are gone.
//
// The rules this component applies (the callers rely on nothing more):
// - RUC: 11 digits, the last the modulo-11 check digit of the first ten with
//   the weights 5, 4, 3, 2, 7, 6, 5, 4, 3, 2: d = 11 - (sum mod 11), where
//   10 gives 0 and 11 gives 1. No blanks are allowed around it.
// - Dates: a real "dd/mm/yyyy" date (two digits, two digits, four digits)
//   from the lower bound to the upper bound, both included; a bound that is
//   no such date lets nothing pass.
// - Document numbers, judged without their surrounding blanks and never
//   empty: the numeric kind holds digits only; the free kind letters A-Z
//   (either case), digits and "-".
// - Keys (Windows-1252 codes): FiltraNumero passes digits and Backspace;
//   FiltraTecla, for free document numbers, letters A-Z, digits, "-" and
//   Backspace; FiltraTexto letters (accented ones included), digits, blank,
//   the punctuation of names and addresses (. , - / # ' & ( ) : ; ° º ª)
//   and Backspace. Enter passes none of them.
// - ConvierteTecla upper-cases letters, accented ones included ("ñ" 241
//   gives "Ñ" 209); any other key stays.
// - FormatoTexto and AjustaColumna put a text in exactly the width: cut on
//   the right, filled on the right (left-aligned report columns); Rellena
//   puts the fill before the text up to the length and never cuts.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace app {

/// Checks, key filters and text fitting shared by the windows (one instance, `Validador`).
class cValidador {
 public:
  /// True when `ruta` (a program path) names an existing file.
  bool ExisteArchivo(std::string_view ruta) const;
  /// True for a valid RUC (see the rules above).
  bool ValidaRuc(std::string_view ruc) const;
  /// `texto` in exactly `ancho` characters: cut or filled with blanks on the right.
  std::string FormatoTexto(std::string_view texto, long ancho) const;
  /// True when `fecha` is a real "dd/mm/yyyy" date from `desde` to `hasta`.
  bool ValidaFecha(std::string_view fecha, std::string_view desde, std::string_view hasta) const;
  /// True for a document number of the free kind: letters, digits and "-".
  bool VerificaDocumentoLibre(std::string_view numero) const;
  /// True when the key may pass into a number box.
  bool FiltraNumero(int keyAscii) const;
  /// True when the key may pass into a free document number.
  bool FiltraTecla(int keyAscii) const;
  /// True for a document number of a numeric kind: digits only.
  bool VerificaDocumentoNumerico(std::string_view numero) const;
  /// `texto` in exactly `ancho` characters for a report column: cut on the
  /// right, filled with `relleno`'s first character on the right.
  std::string AjustaColumna(std::string_view texto, long ancho, std::string_view relleno = " ") const;
  /// `texto` with `relleno`'s first character put before it up to `largo`
  /// characters: ("1", 2, "0") gives "01"; a longer text stays whole.
  std::string Rellena(std::string_view texto, long largo, std::string_view relleno) const;
  /// The key code that replaces the typed one: letters upper-cased.
  int ConvierteTecla(int keyAscii) const;
  /// Shows `mensaje` titled `titulo` in an OK box; answers the box's answer.
  int MuestraMensaje(std::string_view mensaje, std::string_view titulo) const;
  /// True when the key may pass into a free text (names, addresses).
  bool FiltraTexto(int keyAscii) const;
};

}  // namespace app
