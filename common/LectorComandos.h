//===- LectorComandos.h - Reading a page-command file whole --------------===//
//
// The interpreter draws nothing of a file before the whole of it has been
// read and found sound, so a bad line never leaves half a preview or half a
// print. A line takes its command from its start up to the first "|", "!>"
// or "aHoja" (blanks around it dropped); its fields follow, each up to the
// next "|". Lines of any other command are passed over.
//
// A line is bad when a drawing command (pPos, pPosVerti, pCuadro) lacks the
// bar that ends one of its fields, when a number field is empty, not a number
// or beyond 16 bits (a number is taken at its nearest whole value, halves to
// the even one), when its bold field is neither "True" nor "False", when its
// page is negative, or when its page skips one (pages run from 0, each at
// most one past the highest met so far).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>
#include <vector>

#include "common/ArchivoComandos.h"

namespace common {

/// A file read: its commands in file order, or the first bad line.
struct LecturaComandos {
  std::vector<Comando> Comandos;
  /// The first bad line, counted from 1; 0 when there is none.
  int LineaNoValida = 0;
};

/// Reads the Windows-1252 text `bytes`, lines ended by CR LF (a bare CR or
/// LF ends one too). With a bad line, no commands.
LecturaComandos LeeComandos(std::string_view bytes);

/// Reads the file at the program path `ruta` whole. Errors: 53 file not
/// found, 76 path not found, 75 a folder or access refused.
LecturaComandos LeeArchivoComandos(std::string_view ruta);

}  // namespace common
