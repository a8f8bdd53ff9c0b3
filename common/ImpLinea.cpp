#include "common/ImpLinea.h"

#include <cstdint>

#include "common/ArchivoComandos.h"
#include "common/Spool.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"

namespace common {
namespace {

constexpr std::int16_t kPasoLinea = 175;

// A value for a 16-bit field of the file; error 6 beyond it.
std::int16_t Entero16(int valor) {
  if (valor < INT16_MIN || valor > INT16_MAX) vb::Raise(vb::ErrOverflow);
  return static_cast<std::int16_t>(valor);
}

bool EsEtiqueta(std::string_view texto) { return texto.substr(0, 2) == "<!"; }

// Steps 3 and 4 of ImprimeLinea: the line, counted; the page break when the page is full.
void EscribeContada(EstadoImpresion& estado, std::string_view linea) {
  const std::int16_t contador = Entero16(estado.ContadorLineas + 1);
  const bool llena = contador >= estado.LineasPorPagina();
  const std::int16_t pagina = llena ? Entero16(estado.PaginaActual + 1) : estado.PaginaActual;
  estado.EscribeLinea(linea);
  estado.ContadorLineas = llena ? 0 : contador;
  if (!llena) return;
  estado.PaginaActual = pagina;
  estado.EscribeLinea(kNuevaHoja);
}

}  // namespace

void EstadoImpresion::AbreReporte(std::string_view ruta) {
  if (Abierto_) vb::Raise(vb::ErrFileAlreadyOpen);
  Ruta_ = std::string(ruta);
  Bytes_.clear();
  Abierto_ = true;
}

void EstadoImpresion::EscribeLinea(std::string_view linea) {
  if (!Abierto_) vb::Raise(vb::ErrBadFileNumber);
  Bytes_ += vb::ToCp1252(linea);
  Bytes_ += "\r\n";
}

void EstadoImpresion::CierraReporte() {
  if (!Abierto_) return;
  Abierto_ = false;
  std::string bytes = std::move(Bytes_);
  Bytes_.clear();
  vb::WriteFileAtomically(Ruta_, bytes);
}

void EstadoImpresion::DescartaReporte() {
  Abierto_ = false;
  Bytes_.clear();
}

void ImprimeLinea(EstadoImpresion& estado, std::string_view texto) {
  // A text from data is never a tag.
  std::int16_t posicion = estado.PosicionVertical;
  SumaLinea(posicion, kPasoLinea);
  EscribeContada(estado, LineaPos(10, posicion, texto, false, 8, Entero16(estado.PaginaActual - 1)));
  estado.PosicionVertical = posicion;
}

void ImprimeLinea(EstadoImpresion& estado, Propio texto) {
  if (!EsEtiqueta(texto.Texto)) return ImprimeLinea(estado, texto.Texto);
  if (estado.PaginaActual > 1) return;
  EscribeContada(estado, texto.Texto);
}

void ImprimePos(EstadoImpresion& estado, int x, int y, std::string_view texto, int negrita, int tamano, int pagina) {
  estado.EscribeLinea(LineaPos(Entero16(x), Entero16(y), texto, negrita == -1, Entero16(tamano), Entero16(pagina)));
}

void ImprimePos(EstadoImpresion& estado, int x, int y, Propio texto, int negrita, int tamano, int pagina) {
  if (texto.Texto == kNuevaHoja) return estado.EscribeLinea(kNuevaHoja);
  if (!EsEtiqueta(texto.Texto)) return ImprimePos(estado, x, y, texto.Texto, negrita, tamano, pagina);
  if (estado.PaginaActual > 1) return;
  estado.EscribeLinea(texto.Texto);
}

void ImprimeRecuadro(EstadoImpresion& estado, int x1, int y1, int x2, int y2, int pagina) {
  estado.EscribeLinea(LineaCuadro(Entero16(x1), Entero16(y1), Entero16(x2), Entero16(y2), Entero16(pagina)));
}

}  // namespace common
