// Page 2 of the printed return: "2.- DETERMINACIÓN DE LA DEUDA" (the tax,
// the credits, the balance, the amount to pay and how it is paid) and
// "3.- IDENTIFICACION"; and the name of a profession.
#include <array>

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "common/ImpLinea.h"
#include "platform/db/Quote.h"
#include "platform/text/Strings.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

constexpr std::int16_t kPagina = 1;

// The grid: the credit rows leave the left column (150-1700) to that column's
// own frames; the balance in favour is three rows high, with its choice cell.
constexpr Marco kCredito[] = {{1700, 8775}, {8775, 9175}, {9175, 11000}};
constexpr Marco kLinea[] = {{150, 11000}, {8775, 9175}};
constexpr Marco kDevolucion[] = {{1700, 8775, 3}, {7050, 7450, 3}, {9175, 11000, 3}};
constexpr Marco kFisco[] = {{1700, 8775, 3}, {8775, 9175, 3}, {9175, 11000, 3}};
constexpr Marco kPagos[] = {{150, 11000, 2}, {8775, 9175, 2}};
constexpr Marco kEleccion[] = {{150, 11000}, {6550, 6950}, {8775, 9175}};
constexpr Marco kAncho[] = {{150, 11000}};
constexpr Marco kCodigo[] = {{150, 11000}, {6550, 6950}};
constexpr auto kGrilla = [] {
  std::array<std::span<const Marco>, 31> filas;
  for (int r : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) filas[r] = kCredito;
  filas[3] = kLinea;
  filas[12] = kDevolucion;
  filas[15] = kFisco;
  filas[18] = kPagos;
  for (int r : {13, 14, 16, 17, 19, 26}) filas[r] = {};
  for (int r : {20, 21, 22, 24, 30}) filas[r] = kLinea;
  for (int r : {23, 25, 29}) filas[r] = kEleccion;
  filas[27] = kAncho;
  filas[28] = kCodigo;
  return filas;
}();

constexpr Trazo kTitulo[] = {
    Negrita(300, 2340, "2.- DETERMINACIÓN DE LA DEUDA"),
    Recuadro(150, 2280, 11000, 2550),
    Rotulo(150, 2640, " Impuesto a la renta según escala"),
    Recuadro(150, 2550, 11000, 2820),
    Recuadro(8775, 2550, 9175, 2820),
    Rotulo(8825, 2610, "120"),
    Importe(9275, 2610, 120),
};

constexpr Trazo kColumnaIzquierda[] = {
    Recuadro(150, 2820, 1700, 3630),
    Recuadro(150, 3900, 1700, 6060),
    Recuadro(150, 6060, 1700, 7680),
    Recuadro(1700, 6060, 3300, 6870),
};

constexpr Trazo kLineas[] = {
    Rotulo(300, 2880, "CREDITO SIN"),
    Rotulo(1800, 2880, "Crédito por impuesto a la Renta de fuente extranjera"),
    Rotulo(8825, 2880, "122"),
    Importe(9275, 2880, 122),
    Rotulo(300, 3150, " DERECHO A"),
    Rotulo(1800, 3150, "Crédito por donaciones"),
    Rotulo(8825, 3150, "123"),
    Importe(9275, 3150, 123),
    Rotulo(300, 3420, " DEVOLUCION"),
    Rotulo(1800, 3420, "Otros créditos sin derecho a devolución"),
    Rotulo(8825, 3420, "124"),
    Importe(9275, 3420, 124),
    Rotulo(250, 3690, "        SUB TOTAL                        Cas. 120 - (Cas. 122 + 123 + 124)"),
    Rotulo(8825, 3690, "516"),
    Importe(9275, 3690, 516),
    Rotulo(1800, 3960, "Saldo a favor del ejercicio anterior"),
    Rotulo(8825, 3960, "125"),
    Importe(9275, 3960, 125),
    Rotulo(1800, 4230, "Pago directo del Impuesto a la Renta de primera categoría"),
    Rotulo(8825, 4230, "133"),
    Importe(9275, 4230, 133),
    Rotulo(1800, 4500, "Pago directo del impuesto a la Renta de cuarta categoría"),
    Rotulo(8825, 4500, "127"),
    Importe(9275, 4500, 127),
    Rotulo(300, 4500, "CREDITO CON"),
    Rotulo(1800, 4770, "Otros pagos directos mensuales"),
    Rotulo(8825, 4770, "128"),
    Importe(9275, 4770, 128),
    Rotulo(300, 4770, "DERECHO A"),
    Rotulo(1800, 5040, "Impuesto retenido sobre rentas de segunda categoría"),
    Rotulo(8825, 5040, "129"),
    Importe(9275, 5040, 129),
    Rotulo(300, 5040, "DEVOLUCION"),
    Rotulo(1800, 5310, "Impuesto retenido sobre rentas de cuarta categoría"),
    Rotulo(8825, 5310, "130"),
    Importe(9275, 5310, 130),
    Rotulo(1800, 5580, "Impuesto retenido sobre rentas de quinta categoría"),
    Rotulo(8825, 5580, "131"),
    Importe(9275, 5580, 131),
    Rotulo(1800, 5850, "Otros créditos con derecho a Devolución"),
    Rotulo(8825, 5850, "132"),
    Importe(9275, 5850, 132),
    Rotulo(1800, 6120, "A FAVOR DEL"),
    Rotulo(3530, 6120, "1. Devolución"),
    Rotulo(7100, 6120, "140"),
    Valor(7550, 6120, 140),
    Rotulo(8825, 6120, "141"),
    Importe(9275, 6120, 141),
    Rotulo(1800, 6390, "CONTRIBUYENTE"),
    Rotulo(3530, 6390, "2. Aplicación contra futuros"),
    Rotulo(300, 6660, "SALDO POR"),
    Rotulo(3530, 6660, "pagos a cuenta y/o regularización"),
    Rotulo(300, 6930, "REGULARIZAR"),
    Rotulo(1800, 6930, "A FAVOR DEL FISCO"),
    Rotulo(8825, 6930, "142"),
    Importe(9275, 6930, 142),
    Rotulo(250, 7740, "Pagos contra el saldo a favor del fisco,realizados antes de la "),
    Rotulo(8825, 7740, "144"),
    Importe(9275, 7740, 144),
    Rotulo(250, 8010, "presentación de este formulario"),
    Rotulo(250, 8280, "Interés moratorio"),
    Rotulo(8825, 8280, "145"),
    Importe(9275, 8280, 145),
    Rotulo(250, 8550, "Saldo de la Deuda Tributaria               (Cas. 142 - Cas. 144) + Cas. 145"),
    Rotulo(8825, 8550, "146"),
    Importe(9275, 8550, 146),
    Negrita(250, 8820, "IMPORTE A PAGAR "),
    Rotulo(8825, 8820, "180"),
    Importe(9275, 8820, 180),
};

constexpr std::string_view kMarca = " X";

// Box 015 is printed as an amount, so a code such as 002 shows as 2.
constexpr Trazo kFormaDePago[] = {
    Rotulo(250, 9090, "FORMA DE PAGO"),
    Rotulo(7050, 9090, "EFECTIVO"),
    Rotulo(9275, 9090, "CHEQUE"),
    Marcado(Dato::Marca, 6600, 9090, 599, "E", kMarca),
    Marcado(Dato::Marca, 8825, 9090, 599, "C", kMarca),
    Rotulo(250, 9360, "Número de cheque"),
    Rotulo(8825, 9360, "012"),
    Campo(Dato::NumeroCheque, 9275, 9360),
    Rotulo(250, 9630, "Banco "),
    Rotulo(6600, 9630, "015"),
    Importe(7050, 9630, 15),
    Campo(Dato::Banco, 9275, 9630),
};

constexpr Trazo kIdentificacion[] = {
    Negrita(250, 10170, "3.- IDENTIFICACION"),
    Rotulo(250, 10440, "Profesión u Oficio"),
    Rotulo(6600, 10440, "025"),
    Campo(Dato::Profesion, 7050, 10440, 25),
    Rotulo(250, 10710, "Inmueble donde realiza sus actividades"),
    Rotulo(7050, 10710, "ALQUILADO"),
    Rotulo(9275, 10710, "PROPIO"),
    Marcado(Dato::MarcaSiHay, 6600, 10710, 27, "1", kMarca),
    Marcado(Dato::MarcaSiHay, 8825, 10710, 27, "2", kMarca),
    Rotulo(250, 10980, "La presente declaración rectifica o sustituye a otra"),
    Campo(Dato::Rectifica, 10000, 10980),
};

}  // namespace

void ImprimeHoja2() {
  // The page's tags, and its heading after the page break.
  AbreHoja(kPagina);
  // The grid of frames, row by row.
  DibujaGrilla(kGrilla, kPagina);
  // Then what the grid frames, from the title down.
  Dibuja(kTitulo, kPagina);
  Dibuja(kColumnaIzquierda, kPagina);
  Dibuja(kLineas, kPagina);
  Dibuja(kFormaDePago, kPagina);
  Dibuja(kIdentificacion, kPagina);
}

std::string DescProfesion(std::string_view codigo) {
  const std::string sql = std::string("SELECT MID(ARGUMENTO,1,2) as codigo,mid(FUNCION,1,36) as descrip ") +
                          "FROM PARAM " + "WHERE NUMERO='979' AND TRIM(ARGUMENTO)= " + dao::Quote(codigo);
  return vb::Trim(app::PrimerTexto(sql, "Descrip").value_or(""));
}

}  // namespace ImpRep
