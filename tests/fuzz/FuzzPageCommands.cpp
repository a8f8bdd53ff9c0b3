// Fuzz target: the page-command reader. Input: a report file's bytes. The
// reader either refuses a line, with no commands, or gives commands whose
// pages run from 0 without a gap; and those commands, written again by the
// report writer's lines, read back as they were.
#include <cstdint>
#include <string>
#include <vector>

#include "common/ArchivoComandos.h"
#include "common/LectorComandos.h"
#include "platform/text/Cp1252.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using common::Comando;
using common::TipoComando;
using kr::fuzz::Require;

bool Dibuja(const Comando& c) {
  return c.Tipo == TipoComando::Pos || c.Tipo == TipoComando::PosVerti || c.Tipo == TipoComando::Cuadro;
}

// The line the report writer writes for a command.
std::string Linea(const Comando& c) {
  switch (c.Tipo) {
    case TipoComando::Pos:
      return common::LineaPos(c.X, c.Y, c.Texto, c.Negrita, c.Tamano, c.Pagina);
    case TipoComando::PosVerti:
      return "pPosVerti" + common::LineaPos(c.X, c.Y, c.Texto, c.Negrita, c.Tamano, c.Pagina).substr(4);
    case TipoComando::Cuadro:
      return common::LineaCuadro(c.X, c.Y, c.X2, c.Y2, c.Pagina);
    default:
      return std::string(common::kNuevaHoja);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const common::LecturaComandos lectura = common::LeeComandos(kr::fuzz::Text(data, size));
  if (lectura.LineaNoValida != 0) {
    Require(lectura.LineaNoValida > 0 && lectura.Comandos.empty(), "a refused file gives no command");
    return 0;
  }
  std::vector<Comando> escritos;
  std::string archivo;
  int paginaMayor = -1;
  for (const Comando& c : lectura.Comandos) {
    if (Dibuja(c)) {
      Require(c.Pagina >= 0 && c.Pagina <= paginaMayor + 1, "pages run from 0 without a gap");
      paginaMayor = std::max<int>(paginaMayor, c.Pagina);
    } else if (c.Tipo != TipoComando::NuevaHoja) {
      continue;  // a header tag: not written by these lines
    }
    escritos.push_back(c);
    archivo += vb::ToCp1252(Linea(c)) + "\r\n";
  }
  const common::LecturaComandos otra = common::LeeComandos(archivo);
  Require(otra.LineaNoValida == 0, "written again, the file reads");
  Require(otra.Comandos == escritos, "written again, the commands read back as they were");
  return 0;
}
