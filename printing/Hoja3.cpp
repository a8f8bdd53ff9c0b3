// Page 3 of the printed return: "4.- INFORMACIÓN COMPLEMENTARIA", the
// declarant's and spouse's identity, the investment in the Amazon region,
// the refund request, the other incomes, the rents paid and the main payers
// of fourth-category income.
#include <array>

#include "app/inicio/Compartidas.h"
#include "common/ImpLinea.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

constexpr std::int16_t kPagina = 2;

// The grid. The narrow cells 5550-5950, 6550-6950 and 8775-9175 hold box
// numbers; rows 31 and 34 are the heads of the rent table.
constexpr Marco kAncho[] = {{150, 11000}};
constexpr Marco kLinea[] = {{150, 11000}, {8775, 9175}};
constexpr Marco kEncabezadoMonto[] = {{150, 11000}, {6550, 8775}, {8775, 11000}};
constexpr Marco kDosCasillas[] = {{150, 11000}, {6550, 6950}, {8775, 9175}};
constexpr Marco kDosLineas[] = {{150, 11000, 2}, {8775, 9175, 2}};
constexpr Marco kEncabezadoAlquiler[] = {{150, 6550, 4}, {6550, 8775, 3}, {6550, 8775, 4}, {8775, 11000, 4}};
constexpr Marco kTipoDocumento[] = {{5550, 6550}};
constexpr Marco kTresCasillas[] = {{150, 11000}, {5550, 5950}, {6550, 6950}, {8775, 9175}};
constexpr Marco kEncabezadoPagadores[] = {{150, 11000}, {5550, 6550}, {6550, 8775}, {8775, 11000}};
constexpr auto kGrilla = [] {
  std::array<std::span<const Marco>, 45> filas;
  for (int r : {0, 1, 2, 5, 6, 7, 8, 9, 13, 14, 18, 19, 21, 22, 28, 29, 30, 38, 39}) filas[r] = kAncho;
  for (int r : {3, 4, 10, 11, 12, 23, 24, 27}) filas[r] = kLinea;
  filas[15] = kEncabezadoMonto;
  for (int r : {16, 17, 20}) filas[r] = kDosCasillas;
  filas[25] = kDosLineas;
  for (int r : {26, 32, 33}) filas[r] = {};
  filas[31] = kEncabezadoAlquiler;
  filas[34] = kTipoDocumento;
  for (int r : {35, 36, 37, 41, 42, 43, 44}) filas[r] = kTresCasillas;
  filas[40] = kEncabezadoPagadores;
  return filas;
}();

constexpr std::string_view kMarca = " X ";

// The texts in order; the title and section bands right after their texts.
constexpr Trazo kTextos[] = {
    Negrita(300, 2340, "4.- INFORMACIÓN COMPLEMENTARIA"),
    Recuadro(150, 2280, 11000, 2550),
    Negrita(3000, 2640, "DATOS DEL CONTRIBUYENTE / REPRESENTANTE LEGAL"),
    Recuadro(150, 2550, 11000, 2820),
    Rotulo(250, 2880, "APELLIDO PATERNO "),
    Valor(3000, 2880, 811),
    Rotulo(250, 3150, "APELLIDO MATERNO"),
    Valor(3000, 3150, 812),
    Rotulo(250, 3420, "NOMBRES"),
    Valor(3000, 3420, 813),
    Rotulo(250, 3690, "TIPO DOCUMENTO"),
    Rotulo(8825, 3690, "301"),
    TipoDoc(9275, 3690, 301),
    Rotulo(250, 3960, "NUMERO DE DOCUMENTO"),
    Rotulo(8825, 3960, "302"),
    Valor(9275, 3960, 302),
    Negrita(3000, 4500, "DATOS DEL CONYUGE"),
    Rotulo(250, 4770, "APELLIDO PATERNO"),
    Valor(3000, 4770, 814),
    Rotulo(250, 5040, "APELLIDO MATERNO"),
    Valor(3000, 5040, 815),
    Rotulo(250, 5310, "NOMBRES"),
    Valor(3000, 5310, 890),
    Rotulo(250, 5580, "TIPO DOCUMENTO"),
    Rotulo(8825, 5580, "235"),
    TipoDoc(9275, 5580, 235),
    Rotulo(250, 5850, "NUMERO DE DOCUMENTO"),
    Rotulo(8825, 5850, "236"),
    Valor(9275, 5850, 236),
    Rotulo(250, 6120, "FECHA DE NACIMIENTO "),
    Rotulo(8825, 6120, "234"),
    Valor(9275, 6120, 234),
    Negrita(3000, 6660, "INVERSION EN LA AMAZONIA"),
    Rotulo(250, 6930, "Apellidos y nombres,denominación o razón social del benefic."),
    Rotulo(7000, 6930, "NUMERO DE RUC"),
    Rotulo(8850, 6930, "MONTO INVERTIDO(S/.)"),
    Nombre(250, 7200, 817, 827),
    Rotulo(6600, 7200, "229"),
    Valor(7050, 7200, 229),
    Rotulo(8825, 7200, "231"),
    Importe(9275, 7200, 231),
    Nombre(250, 7470, 818, 828),
    Rotulo(6600, 7470, "230"),
    Valor(7050, 7470, 230),
    Rotulo(8825, 7470, "232"),
    Importe(9275, 7470, 232),
    Negrita(3000, 8010, "SOLICITUD DE DEVOLUCION DEL SALDO A FAVOR"),
    Rotulo(250, 8280, "¿Solicita devolucion del saldo de IES o FONAVI?"),
    Rotulo(7050, 8280, "SI"),
    Rotulo(9275, 8280, "NO"),
    // The refund mark, in front of "SI" for "1", of "NO" for anything else.
    Marcado(Dato::MarcaSiIgual, 6600, 8280, 260, "1", kMarca),
    Marcado(Dato::MarcaSiOtro, 8825, 8280, 260, "1", kMarca),
    Negrita(3500, 8820, "OTROS INGRESOS"),
    Rotulo(250, 9090, "Total rentas exoneradas del Impuesto a la Renta percibidas en el ejercicio"),
    Rotulo(8825, 9090, "200"),
    Importe(9275, 9090, 200),
    Rotulo(250, 9360, "Total rentas inafectas Imp. a la Renta percibidas en el ejerc.(Incl. dividendos)"),
    Rotulo(8825, 9360, "201"),
    Importe(9275, 9360, 201),
    Rotulo(250, 9630, "Result. por actividades generadoras de rentas de 3ra. categoría (Util. "),
    Rotulo(8825, 9630, "203"),
    Importe(9275, 9630, 203),
    Rotulo(250, 9900, "neta antes de impuestos) "),
    Rotulo(250, 10170, "TOTAL INGRESOS DEL EJERCICIO 2002  Cas.113+Cas.116+Cas.200+Cas.201+Cas.203  "),
    Rotulo(8825, 10170, "518"),
    Importe(9275, 10170, 518),
    Negrita(3500, 10710, "INFORMACION COMPLEMENTARIA"),
    Negrita(250, 10980,
            "A.Detalle de gastos por alq.de bienes muebles e inmuebles corres.al año 2002 pagados o no en dicho año"),
    Rotulo(250, 11520, "Apellidos y nombres, denominación o razón social de la"),
    Rotulo(250, 11790, "persona que le alquila o sub-alquila el bien mueble "),
    Rotulo(250, 12060, "o inmueble"),
    Rotulo(5580, 12060, "Tipo Doc."),
    Rotulo(6600, 11250, " Doc. identidad de"),
    Rotulo(6600, 11520, " la persona que le"),
    Rotulo(6600, 11790, " alquila el bien"),
    Rotulo(6600, 12060, " Número de Documento"),
    Rotulo(8825, 11250, "  Monto anual del"),
    Rotulo(8825, 11520, "  alquiler (S/.)"),
    Nombre(250, 12330, 819, 829),
    Rotulo(5600, 12330, "204"),
    Valor(6100, 12330, 204),
    Rotulo(6600, 12330, "208"),
    Valor(7050, 12330, 208),
    Rotulo(8825, 12330, "212"),
    Importe(9275, 12330, 212),
    Nombre(250, 12600, 820, 830),
    Rotulo(5600, 12600, "205"),
    Valor(6100, 12600, 205),
    Rotulo(6600, 12600, "209"),
    Valor(7050, 12600, 209),
    Rotulo(8825, 12600, "213"),
    Importe(9275, 12600, 213),
    Nombre(250, 12870, 821, 831),
    Rotulo(5600, 12870, "206"),
    Valor(6100, 12870, 206),
    Rotulo(6600, 12870, "211"),
    Valor(7050, 12870, 211),
    Rotulo(8825, 12870, "214"),
    Importe(9275, 12870, 214),
    Negrita(250, 13140, "B. Rentas de Cuarta Categoría"),
    Rotulo(250, 13410,
           "Infor. de las 4 principales personas o entidades a las que ha prestado servicio durante el ejerc. 2002"),
    Rotulo(250, 13680, "Apellidos y nombres, denominación o razón social"),
    Rotulo(5580, 13680, "Tipo Doc."),
    Rotulo(6600, 13680, " Número de Documento"),
    Rotulo(8825, 13680, "Ingreso Bruto (S/.)"),
    Nombre(250, 13950, 822, 832),
    Rotulo(5600, 13950, "224"),
    Valor(6100, 13950, 224),
    Rotulo(6600, 13950, "215"),
    Valor(7050, 13950, 215),
    Rotulo(8825, 13950, "220"),
    Importe(9275, 13950, 220),
    Nombre(250, 14220, 823, 833),
    Rotulo(5600, 14220, "225"),
    Valor(6100, 14220, 225),
    Rotulo(6600, 14220, "217"),
    Valor(7050, 14220, 217),
    Rotulo(8825, 14220, "221"),
    Importe(9275, 14220, 221),
    Nombre(250, 14490, 824, 834),
    Rotulo(5600, 14490, "226"),
    Valor(6100, 14490, 226),
    Rotulo(6600, 14490, "218"),
    Valor(7050, 14490, 218),
    Rotulo(8825, 14490, "222"),
    Importe(9275, 14490, 222),
    Nombre(250, 14760, 825, 835),
    Rotulo(5600, 14760, "227"),
    Valor(6100, 14760, 227),
    Rotulo(6600, 14760, "219"),
    Valor(7050, 14760, 219),
    Rotulo(8825, 14760, "223"),
    Importe(9275, 14760, 223),
};

}  // namespace

void ImprimeHoja3() {
  // The page's tags, and its heading after the page break.
  AbreHoja(kPagina);
  // The grid of frames, row by row.
  DibujaGrilla(kGrilla, kPagina);
  // The texts and amounts, the refund mark among them.
  Dibuja(kTextos, kPagina);
}

}  // namespace ImpRep
