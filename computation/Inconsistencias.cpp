// The texts of the consistency check put together.
#include "computation/Inconsistencias.h"

#include <string>
#include <string_view>

#include "platform/text/Format.h"
#include "platform/text/Variant.h"

namespace app {

std::string TextoDe(Inconsistencia mensaje, std::initializer_list<std::string_view> datos) {
  const TextoInconsistencia& t = kInconsistencias[static_cast<std::size_t>(mensaje)];
  std::string texto;
  const std::string_view* dato = datos.begin();
  std::string_view resto = t.Texto;
  for (std::size_t lugar = resto.find("{}"); lugar != std::string_view::npos; lugar = resto.find("{}")) {
    texto += resto.substr(0, lugar);
    if (dato != datos.end()) texto += *dato++;
    resto.remove_prefix(lugar + 2);
  }
  texto += resto;
  texto += t.Ubicacion;
  return texto;
}

std::string Casilla(std::int16_t casilla) { return vb::Format(vb::Variant(casilla), "000"); }

}  // namespace app
