#include "app/componentes/cValidador.h"

#include <algorithm>
#include <array>

#include "platform/files/Dir.h"
#include "platform/forms/Application.h"
#include "platform/text/Cp1252.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

constexpr int kBackspace = 8;

// The RUC's weights, for its first ten digits.
constexpr std::array<int, 10> kPesosRuc = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// Punctuation of names and addresses, as Windows-1252 codes: "Av. Grau 1020,
// dpto. 3-B", "Jr. Lima #410 (int.)", "D'Angelo & Cía.", "Km. 5°", "N° 12";
// 176, 186 and 170 are the degree and ordinal signs.
constexpr std::array<int, 15> kPuntuacionTexto = {
    ' ', '.', ',', '-', '/', '#', '\'', '&', '(', ')', ':', ';', 176, 186, 170,
};

// The letters of Windows-1252 outside 192-255: Š Œ Ž š œ ž Ÿ.
constexpr std::array<int, 7> kOtrasLetras = {138, 140, 142, 154, 156, 158, 159};

bool EsDigito(int code) { return code >= '0' && code <= '9'; }
bool EsLetraSimple(int code) { return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z'); }

bool EsLetra(int code) {
  if (EsLetraSimple(code)) return true;
  if (code >= 192 && code <= 255) return code != 215 /*×*/ && code != 247 /*÷*/;
  return std::find(kOtrasLetras.begin(), kOtrasLetras.end(), code) != kOtrasLetras.end();
}

template <class Allowed>
bool Todos(std::string_view texto, Allowed allowed) {
  const std::string t = vb::Trim(texto);
  return !t.empty() && std::all_of(t.begin(), t.end(), [&](char c) { return allowed(static_cast<unsigned char>(c)); });
}

}  // namespace

bool cValidador::ExisteArchivo(std::string_view ruta) const { return vb::FileExists(ruta); }

bool cValidador::ValidaRuc(std::string_view ruc) const {
  if (ruc.size() != 11 || !std::all_of(ruc.begin(), ruc.end(), [](char c) { return EsDigito(c); })) return false;
  int suma = 0;
  for (std::size_t i = 0; i < kPesosRuc.size(); ++i) suma += (ruc[i] - '0') * kPesosRuc[i];
  int digito = 11 - suma % 11;
  if (digito == 10) digito = 0;
  if (digito == 11) digito = 1;
  return ruc[10] - '0' == digito;
}

std::string cValidador::FormatoTexto(std::string_view texto, long ancho) const {
  return AjustaColumna(texto, ancho, " ");
}

bool cValidador::ValidaFecha(std::string_view fecha, std::string_view desde, std::string_view hasta) const {
  const auto f = vb::ParseDate(fecha);
  const auto d = vb::ParseDate(desde);
  const auto h = vb::ParseDate(hasta);
  return f && d && h && f->Serial >= d->Serial && f->Serial <= h->Serial;
}

bool cValidador::VerificaDocumentoLibre(std::string_view numero) const {
  return Todos(numero, [](int c) { return EsLetraSimple(c) || EsDigito(c) || c == '-'; });
}

bool cValidador::FiltraNumero(int keyAscii) const { return EsDigito(keyAscii) || keyAscii == kBackspace; }

bool cValidador::FiltraTecla(int keyAscii) const {
  return EsLetraSimple(keyAscii) || EsDigito(keyAscii) || keyAscii == '-' || keyAscii == kBackspace;
}

bool cValidador::VerificaDocumentoNumerico(std::string_view numero) const {
  return Todos(numero, [](int c) { return EsDigito(c); });
}

std::string cValidador::AjustaColumna(std::string_view texto, long ancho, std::string_view relleno) const {
  const std::string cortado = vb::Left(texto, ancho);
  return cortado + vb::String(ancho - vb::Len(cortado), relleno);
}

std::string cValidador::Rellena(std::string_view texto, long largo, std::string_view relleno) const {
  const long faltan = std::max(0L, largo - vb::Len(texto));
  return vb::String(faltan, relleno) + std::string(texto);
}

int cValidador::ConvierteTecla(int keyAscii) const {
  if (keyAscii < 0 || keyAscii > 255) return keyAscii;
  const char32_t letra = vb::CodePointOf(static_cast<std::uint8_t>(keyAscii));
  const int mayuscula = vb::Cp1252Code(vb::UpperChar(letra));
  return mayuscula >= 0 ? mayuscula : keyAscii;
}

int cValidador::MuestraMensaje(std::string_view mensaje, std::string_view titulo) const {
  return forms::MsgBox(mensaje, forms::vbOKOnly, titulo);
}

bool cValidador::FiltraTexto(int keyAscii) const {
  return EsLetra(keyAscii) || EsDigito(keyAscii) || keyAscii == kBackspace ||
         std::find(kPuntuacionTexto.begin(), kPuntuacionTexto.end(), keyAscii) != kPuntuacionTexto.end();
}

}  // namespace app
