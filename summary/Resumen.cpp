#include "summary/Resumen.h"

#include "common/Importe.h"
#include "platform/text/DateTime.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "summary/Compartidas.h"

namespace summary {
namespace {

constexpr int kCasillaRectifica = 871;

}  // namespace

void FormateaNumero(double valor, std::string_view formato, std::int16_t ancho) {
  std::string s = vb::Format(valor, formato);
  const long largo = vb::Len(s);
  if ((ancho == 15 || ancho == 16) && largo >= 17 && largo <= 19) s = QuitaNComas(s, static_cast<int>(largo - ancho));
  if ((ancho == 15 || ancho == 16) && largo >= 21) s = QuitaNComas(s, 5);
  std::string& linea = G().Impresion.LineaActual;
  if (vb::Len(s) < ancho) {
    linea += " " + vb::Space(ancho - vb::Len(s)) + s;
  } else {
    linea += " " + s;
  }
}

std::string QuitaNComas(std::string_view texto, int n) {
  std::string s(texto);
  for (int i = 1; i <= n; ++i) {
    const std::size_t coma = s.find(',');
    if (coma == std::string::npos) break;
    s.erase(coma, 1);
  }
  return s;
}

void AgregaImportes(std::span<const Importe> importes) {
  for (const Importe& i : importes) {
    const vb::Variant valor(ValorDe(i.Casilla));
    if (!vb::IsNumeric(valor)) continue;
    const double numero = vb::CDbl(valor);
    // The line would run past the summary's width.
    common::CompruebaImporte(i.Casilla, numero);
    FormateaNumero(numero, i.Formato, i.Ancho);
  }
}

bool EsRectificatoria() {
  const std::string& valor = ValorDe(kCasillaRectifica);
  return !vb::Trim(valor).empty() && valor != "0";
}

std::string FechaHoy() { return vb::Format(vb::Today(), "dd/mm/yyyy"); }

std::string HoraActual() { return vb::Format(vb::TimeOfDay(), "hh:mm:ss"); }

}  // namespace summary
