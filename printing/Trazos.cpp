#include "printing/Trazos.h"

#include <optional>

#include "app/inicio/Compartidas.h"
#include "app/servicios/TiposDocumento.h"
#include "common/DescBanco.h"
#include "common/ImpLinea.h"
#include "common/Importe.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "printing/ImpRep.h"

namespace ImpRep {
namespace {

constexpr std::string_view kFormatoImporte = "###,###,###,##0;(###,###,###,##0)";

const std::string& Casilla(int n) { return app::G().ImpRep.Casilla(n); }

// The text `t` shows; nothing when it writes no command at all.
std::optional<std::string> TextoDe(const Trazo& t, std::int16_t pagina) {
  const app::Compartidas& g = app::G();
  switch (t.Que) {
    case Dato::Recuadro:
      break;
    case Dato::Literal:
      return std::string(t.Texto);
    case Dato::Valor:
      return Casilla(t.Casilla);
    case Dato::Importe:
      return ImporteDe(t.Casilla);
    case Dato::TipoDocumento:
      return Casilla(t.Casilla) + "-" + app::DescripcionDocumento(Casilla(t.Casilla), 2);
    case Dato::Nombre:
      return Casilla(t.Casilla) + Casilla(t.Casilla2);
    case Dato::Marca:
      return Casilla(t.Casilla) == t.Igual ? std::string(t.Texto) : std::string();
    case Dato::MarcaSiHay:
      if (Casilla(t.Casilla).empty()) break;
      return Casilla(t.Casilla) == t.Igual ? std::string(t.Texto) : std::string();
    case Dato::MarcaSiIgual:
      if (Casilla(t.Casilla) != t.Igual) break;
      return std::string(t.Texto);
    case Dato::MarcaSiOtro:
      if (Casilla(t.Casilla).empty() || Casilla(t.Casilla) == t.Igual) break;
      return std::string(t.Texto);
    case Dato::NumeroCheque:
      return g.NumeroCheque;
    case Dato::Banco:
      if (!g.BaseDatos) vb::Raise(91);
      return common::DescBanco(*g.BaseDatos, g.BancoCheque, common::kNombreCorto);
    case Dato::Profesion:
      return DescProfesion(Casilla(t.Casilla));
    case Dato::Rectifica:
      return g.Rectificatoria == "1" ? "SI" : "NO";
    case Dato::Pagina:
      return "Pag. " + vb::NumberText(pagina + 1);
    case Dato::Ruc:
      return g.RucDeclarante;
    case Dato::Declarante:
      return g.NombreDeclarante;
    case Dato::Control:
      return AlineaDerecha(g.NumeroControl, 8);
    case Dato::Orden:
      return AlineaDerecha(g.NumeroOrden, 8);
  }
  return std::nullopt;
}

}  // namespace

void Dibuja(std::span<const Trazo> trazos, std::int16_t pagina, std::int16_t desplazamiento) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  for (const Trazo& t : trazos) {
    if (t.Que == Dato::Recuadro) {
      common::ImprimeRecuadro(e, t.X + desplazamiento, t.Y, t.X2 + desplazamiento, t.Y2, pagina);
    } else if (const std::optional<std::string> texto = TextoDe(t, pagina)) {
      Escribe(t.X + desplazamiento, t.Y, *texto, t.Negrita, t.Tamano, pagina);
    }
  }
}

void DibujaGrilla(Grilla grilla, std::int16_t pagina) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  for (std::size_t r = 0; r < grilla.size(); ++r) {
    const int y1 = 2820 + 270 * static_cast<int>(r);
    for (const Marco& m : grilla[r]) common::ImprimeRecuadro(e, m.X1, y1, m.X2, y1 + 270 * m.Filas, pagina);
  }
}

std::string ImporteDe(int casilla) {
  const std::string& valor = Casilla(casilla);
  // An amount past the box's digits would run out of its column.
  if (const std::optional<double> numero = vb::ParseNumber(valor)) common::CompruebaImporte(casilla, *numero);
  return AlineaDerecha(vb::Format(vb::Variant(valor), kFormatoImporte), vb::Val(valor) < 0 ? 16 : 15);
}

void Escribe(int x, int y, std::string_view texto, bool negrita, int tamano, std::int16_t pagina) {
  common::ImprimePos(app::G().ImpRep.ImpLinea, x, y, texto, negrita ? -1 : 0, tamano, pagina);
}

}  // namespace ImpRep
