#include "common/LectorComandos.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/files/WholeFile.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace common {
namespace {

// A header tag: its opening line token, its closing tag and what it says.
struct Etiqueta {
  std::string_view Apertura;
  std::string_view Cierre;
  TipoComando Tipo;
};
constexpr Etiqueta kEtiquetas[] = {
    {"<!font!>", "<!/font!>", TipoComando::Fuente},
    {"<!nHojas!>", "<!/nHojas!>", TipoComando::NumeroHojas},
    {"<!Color!>", "<!/Color!>", TipoComando::Color},
    {"<!Orientacion!>", "<!/Orientacion!>", TipoComando::Orientacion},
};

// The fields of a line read one after the other, each up to its bar.
class Campos {
 public:
  Campos(std::string_view linea, std::size_t desde) : Linea_(linea), Posicion_(desde) {}

  /// The next field as it stands; nothing when its bar is missing.
  std::optional<std::string_view> Texto() {
    const std::size_t barra = Linea_.find('|', Posicion_);
    if (barra == std::string_view::npos) return std::nullopt;
    std::string_view campo = Linea_.substr(Posicion_, barra - Posicion_);
    Posicion_ = barra + 1;
    return campo;
  }
  /// The next field as a 16-bit whole number.
  std::optional<std::int16_t> Numero() {
    const auto campo = Texto();
    if (!campo) return std::nullopt;
    const std::optional<double> valor = vb::ParseNumber(*campo);
    if (!valor) return std::nullopt;
    const double entero = vb::RoundHalfEven(*valor);
    if (entero < INT16_MIN || entero > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(entero);
  }
  /// The next field, trimmed, as "True" or "False".
  std::optional<bool> Booleano() {
    const auto campo = Texto();
    if (!campo) return std::nullopt;
    const std::string valor = vb::Trim(*campo);
    if (valor == "True") return true;
    if (valor == "False") return false;
    return std::nullopt;
  }

 private:
  std::string_view Linea_;
  std::size_t Posicion_;
};

// The line's command token and where its fields start.
std::string Orden(std::string_view linea, std::size_t& campos) {
  std::size_t fin = 0;
  while (fin < linea.size()) {
    ++fin;
    const std::string_view hasta = linea.substr(0, fin);
    if (hasta.ends_with("|")) {
      campos = fin;
      return vb::Trim(hasta.substr(0, fin - 1));
    }
    if (hasta.ends_with("!>") || hasta.ends_with("aHoja")) break;
  }
  campos = fin;
  return vb::Trim(linea.substr(0, fin));
}

// A text command's six fields; false when one is missing or unreadable.
bool LeeTexto(Campos& campos, Comando& c) {
  const auto x = campos.Numero(), y = campos.Numero();
  const auto texto = campos.Texto();
  const auto negrita = campos.Booleano();
  const auto tamano = campos.Numero(), pagina = campos.Numero();
  if (!x || !y || !texto || !negrita || !tamano || !pagina) return false;
  c.X = *x, c.Y = *y, c.Texto = std::string(*texto), c.Negrita = *negrita, c.Tamano = *tamano, c.Pagina = *pagina;
  return true;
}

// A rectangle's five fields; false when one is missing or unreadable.
bool LeeCuadro(Campos& campos, Comando& c) {
  const auto x1 = campos.Numero(), y1 = campos.Numero(), x2 = campos.Numero(), y2 = campos.Numero();
  const auto pagina = campos.Numero();
  if (!x1 || !y1 || !x2 || !y2 || !pagina) return false;
  c.X = *x1, c.Y = *y1, c.X2 = *x2, c.Y2 = *y2, c.Pagina = *pagina;
  return true;
}

// One line: false when it is bad; `leido` is filled when it says something.
bool LeeLinea(std::string_view linea, std::optional<Comando>& leido) {
  std::size_t desde = 0;
  const std::string orden = Orden(linea, desde);
  for (const Etiqueta& e : kEtiquetas) {
    if (orden != e.Apertura) continue;
    const std::string_view resto = linea.substr(desde);
    leido.emplace();
    leido->Tipo = e.Tipo;
    leido->Texto = std::string(resto.substr(0, resto.find(e.Cierre)));
    return true;
  }
  if (orden == kNuevaHoja) {
    leido.emplace();
    leido->Tipo = TipoComando::NuevaHoja;
    return true;
  }
  Comando c;
  Campos campos(linea, desde);
  if (orden == "pPos" || orden == "pPosVerti") {
    c.Tipo = orden == "pPos" ? TipoComando::Pos : TipoComando::PosVerti;
    if (!LeeTexto(campos, c)) return false;
  } else if (orden == "pCuadro") {
    c.Tipo = TipoComando::Cuadro;
    if (!LeeCuadro(campos, c)) return false;
  } else {
    return true;  // a line the interpreter passes over
  }
  if (c.Pagina < 0) return false;
  leido = std::move(c);
  return true;
}

}  // namespace

LecturaComandos LeeComandos(std::string_view bytes) {
  const std::string texto = vb::FromCp1252(bytes);
  LecturaComandos lectura;
  int numero = 0;
  int paginaMayor = -1;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    std::size_t fin = inicio;
    while (fin < texto.size() && texto[fin] != '\r' && texto[fin] != '\n') ++fin;
    const std::string_view linea = std::string_view(texto).substr(inicio, fin - inicio);
    inicio = fin + (texto.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
    ++numero;
    std::optional<Comando> leido;
    bool sana = LeeLinea(linea, leido);
    if (sana && leido &&
        (leido->Tipo == TipoComando::Pos || leido->Tipo == TipoComando::PosVerti ||
         leido->Tipo == TipoComando::Cuadro)) {
      sana = leido->Pagina <= paginaMayor + 1;
      paginaMayor = std::max<int>(paginaMayor, leido->Pagina);
    }
    if (!sana) {
      lectura.Comandos.clear();
      lectura.LineaNoValida = numero;
      return lectura;
    }
    if (leido) lectura.Comandos.push_back(std::move(*leido));
  }
  return lectura;
}

LecturaComandos LeeArchivoComandos(std::string_view ruta) { return LeeComandos(vb::ReadFileBytes(ruta)); }

}  // namespace common
