// Page 1 of the printed return: "1.- DETERMINACIÓN DE LA RENTA IMPONIBLE",
// the incomes of the first, second, fourth and fifth categories and the
// taxable net income. It also writes the report's header tags.
#include <array>

#include "app/inicio/Compartidas.h"
#include "common/ImpLinea.h"
#include "platform/text/Format.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

constexpr std::int16_t kPagina = 0;

// The grid: an entry of two label lines has its frames two rows high, its
// second row none; blank and title rows have no box-number cell.
constexpr Marco kLinea[] = {{150, 11000}, {8775, 9175}};
constexpr Marco kDosLineas[] = {{150, 11000, 2}, {8775, 9175, 2}};
constexpr Marco kTitulo[] = {{150, 11000}};
constexpr auto kGrilla = [] {
  std::array<std::span<const Marco>, 42> filas;
  filas.fill(kLinea);
  for (int r : {0, 2, 17, 20, 39}) filas[r] = kDosLineas;
  for (int r : {1, 3, 18, 21, 40, 14}) filas[r] = {};
  for (int r : {7, 8, 15, 16, 25, 26, 31, 32}) filas[r] = kTitulo;
  return filas;
}();

constexpr Trazo kBandas[] = {
    Negrita(300, 2340, "1.- DETERMINACIÓN DE LA RENTA IMPONIBLE "),
    Recuadro(150, 2280, 11000, 2550),
    Negrita(3000, 2640, "PRIMERA CATEGORIA"),
    Recuadro(150, 2550, 11000, 2820),
};

// A line of the page: its label, and for a box its number and amount.
struct Linea {
  std::int16_t Y;
  std::string_view Texto;
  std::int16_t Casilla = 0;
  std::int16_t X = 250;
  bool Negrita = false;
};
constexpr Linea Titulo(int y, std::string_view texto, int x = 3000) {
  return {static_cast<std::int16_t>(y), texto, 0, static_cast<std::int16_t>(x), true};
}

constexpr Linea kLineas[] = {
    {2880, "Predios arrendados, sub-arrendados o cedidos (gratuitamente ", 100},
    {3150, "o a precio no determinado)"},
    {3420, "Bienes muebles arrendados, sub-arrendados o cedidos(gratuitamente ", 102},
    {3690, "o a precio no determinado)"},
    {3960, "Total Renta Bruta                                       Cas. 100 + Cas. 102", 501},
    {4230, "Deducción                       (20% del monto consignado en la casilla 501)", 502},
    {4500, "TOTAL RENTA DE PRIMERA CATEGORIA                        Cas. 501 - Cas. 502", 503},
    Titulo(5040, "SEGUNDA CATEGORIA"),
    {5310, "Intereses por colocación de Capitales", 105},
    {5580, "Otras Rentas de Segunda Categoría", 106},
    {5850, "Total Renta Bruta                                       Cas. 105 + Cas. 106", 504},
    {6120, "Deducción                       (10% del monto consignado en la casilla 504)", 505},
    {6390, "TOTAL RENTA DE SEGUNDA CATEGORIA                        Cas. 504 - Cas. 505", 506},
    Titulo(6930, "CUARTA Y QUINTA CATEGORIA"),
    Titulo(7200, "CUARTA CATEGORIA ", 250),
    {7470, "Renta Bruta obtenida por el ejercicio individual ", 107},
    {7740, "(Profesión, arte, ciencia u oficio)"},
    {8010, "Deducción  (20% del monto consignado en la casilla 107- Máximo S/. 74,400)", 507},
    {8280, "Renta Neta obtenida por ejercic. individual ", 508},
    {8550, "(Profesión,arte,ciencia u oficio) Cas.107 - Cas.507"},
    {8820, "Otras Rentas de Cuarta Categoría", 108},
    {9090, "Impuesto Extraordinario de Solidaridad-IES(Máximo 2% de(Casilla 107+Casilla 108))", 110},
    {9360, "TOTAL RENTAS DE CUARTA CATEGORIA          (Cas. 508 + Cas. 108) - Cas. 110", 509},
    Titulo(9900, "QUINTA CATEGORIA ", 250),
    {10170, "TOTAL RENTAS DE QUINTA CATEGORIA                ", 111},
    {10440, "TOTAL RENTAS DE CUARTA Y QUINTA CATEGORIA              Cas. 509 + Cas. 111", 510},
    {10710, "Deducción de 7 UIT          (Hasta el límite consignado en la casilla 510)", 511},
    {10980, "TOTAL RENTA NETA DE CUARTA Y QUINTA CATEGORIA          Cas. 510 - Cas. 511", 512},
    Titulo(11520, "RENTA NETA IMPONIBLE"),
    {11790, "Renta Neta Global Fuente Peruana             Cas. 503 + Cas 506 + Cas. 512", 113},
    {12060, "Pérdidas extraordinarias de primera categoría", 114},
    {12330, "Pérdida de ejercicios anteriores", 115},
    {12600, "TOTAL RENTA NETA FUENTE PERUANA           Cas. 113 - (Cas. 114 + Cas. 115)", 513},
    {12870, "TOTAL RENTA NETA FUENTE EXTRANJERA", 116},
    {13140, "SUBTOTAL                                               Cas. 513 + Cas. 116 ", 514},
    {13410, "Inversión en la Amazonía ", 117},
    {13680, "Hasta el 20% de casilla 514"},
    {13950, "TOTAL RENTA NETA IMPONIBLE                             Cas. 514 - Cas. 117", 515},
};

}  // namespace

void ImprimeHoja1(const Seleccion& que) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  // The report's tags, which only the first page writes: font, pages, orientation, colour.
  common::ImprimeLinea(e, "<!font!>Courier New<!/font!>");
  e.LineaActual = que.RentasExoneradas ? "<!nHojas!>4<!/nHojas!>" : "<!nHojas!>3<!/nHojas!>";
  common::ImprimeLinea(e, common::Propio{e.LineaActual});
  common::ImprimeLinea(e, "<!Orientacion!>V<!/Orientacion!>");
  common::ImprimeLinea(e, "<!Color!>&H00FFFFC0&<!/Color!>");
  // The heading the pages share.
  ImprimeCabecera(kPagina, 0);
  // The grid of frames, row by row.
  DibujaGrilla(kGrilla, kPagina);
  // The section's title band, and the first category's below it.
  Dibuja(kBandas, kPagina);
  // Each line's label and, for a box, its number and amount.
  for (const Linea& l : kLineas) {
    Escribe(l.X, l.Y, l.Texto, l.Negrita, 8, kPagina);
    if (l.Casilla == 0) continue;
    Escribe(8825, l.Y, vb::Format(vb::Variant(l.Casilla), "000"), false, 8, kPagina);
    Escribe(9275, l.Y, ImporteDe(l.Casilla), false, 8, kPagina);
  }
}

}  // namespace ImpRep
