//===- HojasCrudas.h - A report file drawn by hand, the printing floors ---===//
//
// The raw side of the printing benchmarks: a report's lines split into
// their commands and drawn on pages directly, with none of the reader's
// checks, to set the floor the interpreter is held against.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print/Page.h"

namespace kr::bench {

inline int Numero(std::string_view campo) {
  int n = 0;
  std::from_chars(campo.data(), campo.data() + campo.size(), n);
  return n;
}

/// Splits the lines into commands and draws each on its page.
inline std::vector<print::Page> HojasCrudas(const std::string& bytes) {
  std::vector<print::Page> hojas(1);
  const print::Font fuente{"Courier New", 8, false};
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    const std::size_t fin = bytes.find("\r\n", inicio);
    const std::string_view linea(bytes.data() + inicio, fin - inicio);
    inicio = fin + 2;
    std::vector<std::string_view> campos;
    for (std::size_t a = 0, b; (b = linea.find('|', a)) != std::string_view::npos; a = b + 1) {
      campos.push_back(linea.substr(a, b - a));
    }
    if (campos.empty()) continue;
    const auto pagina = static_cast<std::size_t>(Numero(campos.back()));
    if (pagina >= hojas.size()) hojas.resize(pagina + 1);
    if (campos[0] == "pPos") {
      hojas[pagina].DrawText(Numero(campos[1]), Numero(campos[2]), std::string(campos[3]), fuente);
    } else if (campos[0] == "pCuadro") {
      hojas[pagina].DrawRect(Numero(campos[1]), Numero(campos[2]), Numero(campos[3]), Numero(campos[4]));
    }
  }
  return hojas;
}

}  // namespace kr::bench
