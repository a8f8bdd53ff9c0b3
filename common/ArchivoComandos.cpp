#include "common/ArchivoComandos.h"

namespace common {

std::string CampoTexto(std::string_view texto) {
  std::string campo(texto);
  for (char& c : campo) {
    if (c == '|' || c == '\r' || c == '\n') c = ' ';
  }
  return campo;
}

std::string LineaPos(int x, int y, std::string_view texto, bool negrita, int tamano, int pagina) {
  return "pPos|" + std::to_string(x) + "|" + std::to_string(y) + "|" + CampoTexto(texto) +
         (negrita ? "|True|" : "|False|") + std::to_string(tamano) + "|" + std::to_string(pagina) + "|";
}

std::string LineaCuadro(int x1, int y1, int x2, int y2, int pagina) {
  return "pCuadro|" + std::to_string(x1) + "|" + std::to_string(y1) + "|" + std::to_string(x2) + "|" +
         std::to_string(y2) + "|" + std::to_string(pagina) + "|";
}

}  // namespace common
