#include "installer/LineaEnvio.h"

#include <cmath>
#include <vector>

#include "platform/db/Quote.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace installer {
namespace {

constexpr int kCampos = 13;
constexpr int kPrimerNumero = 4;
constexpr int kUltimoByte = 6;

}  // namespace

std::optional<LineaEnvio> LeeLineaEnvio(std::string_view linea, std::string& motivo) {
  std::vector<std::string_view> campos;
  std::size_t desde = 0;
  for (int i = 0; i < kCampos; ++i) {
    std::size_t fin = linea.find('|', desde);
    if (fin == std::string_view::npos) {
      motivo = "tiene menos de 13 campos terminados en \"|\"";
      return std::nullopt;
    }
    campos.push_back(linea.substr(desde, fin - desde));
    desde = fin + 1;
  }

  LineaEnvio leida;
  leida.TablaO = vb::Trim(campos[1]);
  leida.TablaD = campos[2].empty() ? std::string(" ") : std::string(campos[2]);
  leida.TablaExt = vb::Trim(campos[3]);
  for (int i = kPrimerNumero; i < kCampos; ++i) {
    std::optional<double> numero = vb::ParseNumber(campos[static_cast<std::size_t>(i)]);
    std::string& texto = leida.Numeros[static_cast<std::size_t>(i - kPrimerNumero)];
    if (i <= kUltimoByte) {
      if (!numero || *numero < 0 || *numero > 255 || std::floor(*numero) != *numero) {
        motivo = "el campo " + std::to_string(i) + " no es un número entero de 0 a 255";
        return std::nullopt;
      }
      texto = std::to_string(static_cast<int>(*numero));
    } else {
      if (!numero) {
        motivo = "el campo " + std::to_string(i) + " no es un número";
        return std::nullopt;
      }
      texto = dao::SqlNumber(*numero);
    }
  }
  return leida;
}

}  // namespace installer
