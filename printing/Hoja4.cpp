// Page 4 of the printed return: the legal wording of the exempt incomes
// (box 200) and the non-taxable incomes (box 201), each item with the amount
// of the breakdown box that holds it, and the two totals.
#include "app/inicio/Compartidas.h"
#include "common/ImpLinea.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

// An item's frame, from y Y1 to Y2, and the amount column beside it.
struct Item {
  std::int16_t Y1, Y2;
};
constexpr Item kItems[] = {
    {2820, 3900},   {3900, 4440},   {4440, 5250},   {5250, 7680},   {7680, 8220},   {8220, 8760},   {9840, 10380},
    {10380, 10920}, {10920, 11460}, {11460, 12000}, {12000, 12540}, {12540, 13080}, {13080, 13620},
};

// A line of wording, and for an item's first line the amount of its box.
struct Linea {
  std::int16_t Y;
  std::string_view Texto;
  std::int16_t Casilla = 0;
  bool Negrita = false;
  std::int16_t Tamano = 8;
};

constexpr Linea kLineas[] = {
    {2540, "CASILLA 200 - RENTAS EXONERADAS ", 0, true, 10},
    {2880, "a) Las remuneraciones que perciban, por el ejercicio de su cargo en el país, los", 535},
    {3150, "   funcionarios  y  empleados  considerados  como  tales dentro de la estructura "},
    {3420, "   organizacional   de   los   gobiernos  extranjeros,  instituciones  oficiales"},
    {3690, "   extranjeras y organismos internacionales"},
    {3960, "b) Las  rentas a que se refiere el inciso g) del Artículo 24º de la presente Ley", 536},
    {4230, "   ( T.U.O. de la Ley del Impuesto a la Renta aprobado por D. S. N° 054-99-EF )"},
    {4500, "c) Cualquier  tipo  de  interés  de  tasa  fija o variable, en moneda nacional o ", 537},
    {4770, "   extranjera,  que  se  pague  con  ocasión  de  un  depósito conforme a la Ley "},
    {5040, "   General del Sistema Financiero"},
    {5310, "d) La ganancia de capital proveniente de: ", 538},
    {5580, "    - La  venta  de  valores  mobiliarios  inscritos  en el Registro Público del"},
    {5850, "      Mercado  de  Valores a través de mecanismos centralizados de negociación a"},
    {6120, "      los que se refiere la Ley del Mercado de Valores;"},
    {6390, "    - La  venta  de  valores  efectuada  en  la  Bolsa de Productos autorizados"},
    {6660, "      por la CONASEV;"},
    {6930, "    - La  redención  o  rescate  de valores  mobiliarios,  nominativos  o  a la"},
    {7200, "      orden,  representativos  de  deudas,  emitidos mediante oferta pública de"},
    {7470, "      conformidad con la Ley del Mercado de Valores"},
    {7740, "e) Otras rentas exoneradas", 539},
    {8280, "Total rentas exoneradas", 200, true},
    {9560, "CASILLA 201 - RENTAS INAFECTAS", 0, true, 10},
    {9900, "a) Las indemnizaciones previstas por las disposiciones laborales vigentes.", 530},
    {10440, "b) Las  indemnizaciones  que se reciban por causa de muerte o incapacidad", 531},
    {10710, "   producidas por acidentes o enfermedades."},
    {10980, "c) Las  compensaciones  por  tiempo  de  servicios ,  previstas  por  las", 532},
    {11250, "   disposiciones laborales vigentes."},
    {11520, "d) Las  rentas  vitalicias  y  las  pensiones  que tengan su origen en el", 533},
    {11790, "   trabajo personal, tales como jubilación, montepío e invalidez."},
    {12060, "e) El resultado de la venta no habitual de un bien inmueble.", 534},
    {12600, "f) Otras rentas inafectas.", 540},
    {13140, "Total rentas inafectas", 201, true},
};

}  // namespace

void ImprimeHoja4(std::int16_t hoja) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  const std::int16_t pagina = static_cast<std::int16_t>(hoja - 1);
  // The page's tags, and its heading after the page break.
  AbreHoja(pagina);
  // Each item's frame, with the cell of its amount.
  for (const Item& i : kItems) {
    common::ImprimeRecuadro(e, 150, i.Y1, 11000, i.Y2, pagina);
    common::ImprimeRecuadro(e, 8775, i.Y1, 11000, i.Y2, pagina);
  }
  // Each item's text and, where it has a box, its amount.
  for (const Linea& l : kLineas) {
    Escribe(300, l.Y, l.Texto, l.Negrita, l.Tamano, pagina);
    if (l.Casilla != 0) Escribe(9275, l.Y, ImporteDe(l.Casilla), false, 8, pagina);
  }
}

}  // namespace ImpRep
