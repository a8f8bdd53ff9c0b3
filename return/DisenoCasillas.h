//===- DisenoCasillas.h - The boxes of the return form, as data ----------===//
//
// Every box of the printed form that the window holds as an element of
// txtvalor: where it stands, what it holds, its state when the window is
// made and its caption. One loop makes the boxes from kCasillas (Diseno.cpp);
// the load, the groups and the save address them by number and never use a
// number that is not here.
//
// Places are tab pages and frames (Contenedor); the boxes of a place stand
// in rows (Lugar): a caption, the box's number and the box, with a second
// column on the identification frames; on the detail grids each row is one
// person, its boxes in columns. Geometry is in twips, relative to the place.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace app {

/// A tab page or frame that holds controls.
enum class Contenedor : std::uint8_t {
  Ventana,
  // tab0584's pages
  Identificacion, Rentas, Deuda, Complementaria, Adicional,
  // SSTab2's, SSTab3's and SSTab1's pages
  Primera, Segunda, CuartaQuinta, RentaNeta,
  DatosPersonales, OtrosIngresos, Detalles,
  Depositos, Egresos, Ingresos, Prestamos,
  // frames
  Frame2, fraProfesion, Frame20, Frame22, frmOrden,
  fraDeuda1, fraDeuda2, fraDeuda3,
  Frame23, Frame25, fraOtros, fraSolDev, fraAmazonia,
  Frame5, Frame1, Frame3, Frame4,
};

/// What a box holds.
enum class Clase : std::uint8_t {
  Importe,  // a whole amount: "1,234", "(1,234)"
  Texto,    // kept exactly as typed
  Oculta,   // never seen; carries a value between procedures
};

/// How a box stands when the window is made.
enum class Estado : std::uint8_t {
  Normal,         // enabled, white
  Deshabilitada,  // computed: disabled, button face
  Resaltada,      // broken down in a window of its own: highlighted
};

/// The places where boxes stand in rows.
enum class Lugar : std::uint8_t {
  Primera, Segunda, CuartaQuinta, RentaNeta,
  Deuda1, Deuda2, Deuda3,
  Otros, Amazonia, Alquileres, Clientes,
  Declarante, Representante, Conyuge,
  OcultasDatos, OcultaConyuge, OcultasDepositos,
};

/// A column of a detail grid: where it starts and how wide it is.
struct ColumnaRejilla {
  long Left, Ancho;
};

inline constexpr ColumnaRejilla kColumnasDetalle[] = {{120, 3360}, {3540, 2280}, {5880, 1560}, {7500, 1500}};
inline constexpr ColumnaRejilla kColumnasAmazonia[] = {{120, 4500}, {4740, 2160}, {7020, 1800}};

/// How the boxes of a place stand. In rows: the caption from EtiquetaLeft,
/// EtiquetaAncho wide; the number 450 left of the box; the box 480 after the
/// caption; a second column ColumnaAncho further right. On a grid, each
/// column of Columnas holds the number (360 wide) and its box after it.
struct LugarDiseno {
  Contenedor Donde;
  long Top, Paso;
  long AltoEtiqueta, AltoCaja;
  long EtiquetaLeft, EtiquetaAncho;
  long CajaAncho;
  long ColumnaAncho;
  const ColumnaRejilla* Columnas;  // nullptr: rows with captions
  bool Oculto;
};

/// By Lugar.
inline constexpr LugarDiseno kLugares[] = {
    {Contenedor::Primera, 540, 420, 390, 285, 180, 6000, 2100, 0, nullptr, false},
    {Contenedor::Segunda, 540, 420, 390, 285, 180, 6000, 2100, 0, nullptr, false},
    {Contenedor::CuartaQuinta, 540, 420, 390, 285, 180, 6000, 2100, 0, nullptr, false},
    {Contenedor::RentaNeta, 540, 420, 390, 285, 180, 6000, 2100, 0, nullptr, false},
    {Contenedor::fraDeuda1, 240, 240, 225, 225, 120, 6060, 2100, 0, nullptr, false},
    {Contenedor::fraDeuda2, 240, 240, 225, 225, 120, 6060, 2100, 0, nullptr, false},
    {Contenedor::fraDeuda3, 240, 420, 390, 285, 120, 6060, 2100, 0, nullptr, false},
    {Contenedor::fraOtros, 300, 390, 390, 285, 120, 5760, 2100, 0, nullptr, false},
    {Contenedor::fraAmazonia, 720, 330, 0, 285, 0, 0, 0, 0, kColumnasAmazonia, false},
    {Contenedor::Detalles, 1260, 330, 0, 285, 0, 0, 0, 0, kColumnasDetalle, false},
    {Contenedor::Detalles, 3390, 330, 0, 285, 0, 0, 0, 0, kColumnasDetalle, false},
    {Contenedor::Frame2, 300, 390, 255, 285, 120, 1500, 2280, 4440, nullptr, false},
    {Contenedor::Frame23, 300, 390, 255, 285, 120, 1500, 2280, 4440, nullptr, false},
    {Contenedor::Frame25, 300, 390, 255, 285, 120, 1500, 2280, 4440, nullptr, false},
    {Contenedor::DatosPersonales, 0, 0, 0, 285, 0, 0, 1500, 0, nullptr, true},
    {Contenedor::Frame25, 0, 0, 0, 285, 0, 0, 1500, 0, nullptr, true},
    {Contenedor::Depositos, 0, 0, 0, 285, 0, 0, 1500, 0, nullptr, true},
};

/// One box: its number, place, kind, state when the window is made, typing
/// limit (0: none), row and column in its place, and its caption ("\n"
/// breaks the caption's lines).
struct CasillaDiseno {
  std::int16_t Numero;
  Lugar Sitio;
  Clase Tipo;
  Estado Inicio;
  int Largo;
  int Fila, Columna;
  std::string_view Etiqueta;
};

namespace diseno {
inline constexpr Clase I = Clase::Importe, T = Clase::Texto, O = Clase::Oculta;
inline constexpr Estado N = Estado::Normal, D = Estado::Deshabilitada, R = Estado::Resaltada;
}  // namespace diseno

/// The 113 boxes of txtvalor.
inline constexpr CasillaDiseno kCasillas[] = {
    // Determination of the taxable income: first category.
    {100, Lugar::Primera, diseno::I, diseno::N, 0, 0, 0,
     "Predios arrendados, sub-arrendados o cedidos (gratuitamente o a precio no determinado)"},
    {102, Lugar::Primera, diseno::I, diseno::N, 0, 1, 0,
     "Bienes muebles arrendados,sub-arrendados o cedidos(gratuitamente o a precio no deter.)"},
    {501, Lugar::Primera, diseno::I, diseno::D, 0, 2, 0, "Total Renta Bruta\nCas. 100 + Cas. 102"},
    {502, Lugar::Primera, diseno::I, diseno::D, 0, 3, 0, "Deducción\n(20% del monto consignado en la casilla 501 )"},
    {503, Lugar::Primera, diseno::I, diseno::D, 0, 4, 0, "TOTAL RENTA DE PRIMERA CATEGORIA\nCas. 501 - Cas. 502"},
    // Second category.
    {105, Lugar::Segunda, diseno::I, diseno::N, 0, 0, 0, "Intereses por colocación de Capitales"},
    {106, Lugar::Segunda, diseno::I, diseno::N, 0, 1, 0, "Otras Rentas de Segunda Categoría"},
    {504, Lugar::Segunda, diseno::I, diseno::D, 0, 2, 0, "Total Renta Bruta\nCas. 105 + Cas. 106"},
    {505, Lugar::Segunda, diseno::I, diseno::D, 0, 3, 0, "Deducción\n(10% del monto consignado en la casilla 504)"},
    {506, Lugar::Segunda, diseno::I, diseno::D, 0, 4, 0, "TOTAL RENTA DE SEGUNDA CATEGORIA\nCas. 504 - Cas. 505"},
    // Fourth and fifth categories.
    {107, Lugar::CuartaQuinta, diseno::I, diseno::N, 0, 0, 0,
     "Renta Bruta obtenida por el ejercicio individual  (Profesión, arte, ciencia u oficio)"},
    {507, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 1, 0,
     "Deducción\n(20% del monto consignado en la casilla 107 - Máximo S/. 74,400)"},
    {508, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 2, 0,
     "Renta Neta obtenida por ejercic. individual (Profesión,arte,ciencia u oficio) Cas.107-cas507"},
    {108, Lugar::CuartaQuinta, diseno::I, diseno::N, 0, 3, 0, "Otras Rentas de Cuarta Categoría"},
    {110, Lugar::CuartaQuinta, diseno::I, diseno::N, 0, 4, 0,
     "Impuesto Extraordinario de Solidaridad - IES(Máximo 2% de (Casilla 107+Casilla 108) )"},
    {509, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 5, 0,
     "TOTAL RENTAS DE CUARTA CATEGORIA\n(Cas. 508 + Cas. 108) - Cas. 110"},
    {111, Lugar::CuartaQuinta, diseno::I, diseno::N, 0, 6, 0, "TOTAL RENTA DE QUINTA CATEGORIA"},
    {510, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 7, 0,
     "TOTAL RENTAS DE CUARTA Y QUINTA CATEGORIA\nCas. 509 + Cas. 111"},
    {511, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 8, 0,
     "Deducción de 7 UIT\n(Hasta el límite consignado en la casilla 510)"},
    {512, Lugar::CuartaQuinta, diseno::I, diseno::D, 0, 9, 0,
     "TOTAL RENTA NETA DE CUARTA Y QUINTA CATEGORIA\nCas. 510 - Cas. 511"},
    // Net taxable income.
    {113, Lugar::RentaNeta, diseno::I, diseno::D, 0, 0, 0,
     "Renta Neta Global Fuente Peruana\nCas. 503 + Cas 506 + Cas. 512"},
    {114, Lugar::RentaNeta, diseno::I, diseno::D, 0, 1, 0, "Pérdidas extraordinarias de primera categoría"},
    {115, Lugar::RentaNeta, diseno::I, diseno::N, 0, 2, 0, "Pérdida de ejercicios anteriores"},
    {513, Lugar::RentaNeta, diseno::I, diseno::D, 0, 3, 0,
     "TOTAL RENTA NETA FUENTE PERUANA\nCas. 113 - (Cas. 114 + Cas. 115)"},
    {116, Lugar::RentaNeta, diseno::I, diseno::N, 0, 4, 0, "TOTAL RENTA NETA FUENTE EXTRANJERA"},
    {514, Lugar::RentaNeta, diseno::I, diseno::D, 0, 5, 0, "SUBTOTAL\nCas. 513 + Cas. 116"},
    {117, Lugar::RentaNeta, diseno::I, diseno::N, 0, 6, 0, "Inversión en la Amazonía\nHasta el 20% de casilla 514"},
    {515, Lugar::RentaNeta, diseno::I, diseno::D, 0, 7, 0, "TOTAL RENTA NETA IMPONIBLE\nCas. 514 - Cas. 117"},
    // Determination of the debt: tax and credits without refund.
    {120, Lugar::Deuda1, diseno::I, diseno::D, 0, 0, 0, "Impuesto a la renta según escala"},
    {122, Lugar::Deuda1, diseno::I, diseno::N, 0, 1, 0, "Crédito por impuesto a la Renta de fuente extranjera"},
    {123, Lugar::Deuda1, diseno::I, diseno::N, 0, 2, 0, "Crédito por donaciones"},
    {124, Lugar::Deuda1, diseno::I, diseno::N, 0, 3, 0, "Otros créditos sin derecho a devolución"},
    {516, Lugar::Deuda1, diseno::I, diseno::D, 0, 4, 0, "SUB TOTAL   Cas. 120 - (Cas. 122 + 123 + 124)"},
    // Credits with refund and payments.
    {125, Lugar::Deuda2, diseno::I, diseno::N, 0, 0, 0, "Saldo a favor del ejercicio anterior"},
    {127, Lugar::Deuda2, diseno::I, diseno::N, 0, 1, 0, "Pago directo del Impuesto a la Renta de cuarta categoría"},
    {128, Lugar::Deuda2, diseno::I, diseno::N, 0, 2, 0, "Otros pagos directos mensuales"},
    {129, Lugar::Deuda2, diseno::I, diseno::N, 0, 3, 0, "Impuesto retenido sobre rentas de segunda categoría"},
    {130, Lugar::Deuda2, diseno::I, diseno::N, 0, 4, 0, "Impuesto retenido sobre rentas de cuarta categoría"},
    {131, Lugar::Deuda2, diseno::I, diseno::N, 0, 5, 0, "Impuesto retenido sobre rentas de quinta categoría"},
    {132, Lugar::Deuda2, diseno::I, diseno::N, 0, 6, 0, "Otros créditos con derecho a Devolución"},
    {133, Lugar::Deuda2, diseno::I, diseno::N, 0, 7, 0, "Pago directo del Impuesto a la Renta de primera categoría"},
    // The balance.
    {140, Lugar::Deuda3, diseno::I, diseno::N, 1, 0, 0,
     "1. Devolución\n2. Aplicación contra Futuros pagos a cuenta y/o regularización"},
    {141, Lugar::Deuda3, diseno::I, diseno::D, 0, 1, 0, "SALDO POR REGULARIZAR\nA FAVOR DEL CONTRIBUYENTE"},
    {142, Lugar::Deuda3, diseno::I, diseno::D, 0, 2, 0, "A FAVOR DEL FISCO"},
    {144, Lugar::Deuda3, diseno::I, diseno::N, 0, 3, 0,
     "Pagos contra el saldo a favor del fisco,realizados antes de la presentación de este formulario"},
    {145, Lugar::Deuda3, diseno::I, diseno::D, 0, 4, 0, "Interés moratorio"},
    {146, Lugar::Deuda3, diseno::I, diseno::D, 0, 5, 0, "Saldo de la Deuda Tributaria\n(Cas. 142 - Cas. 144) + Cas 145"},
    {180, Lugar::Deuda3, diseno::I, diseno::N, 0, 6, 0, "IMPORTE A PAGAR"},
    // Other incomes.
    {200, Lugar::Otros, diseno::I, diseno::R, 0, 0, 0,
     "Total rentas exoneradas del Impuesto a la Renta percibidas en el ejercicio"},
    {201, Lugar::Otros, diseno::I, diseno::R, 0, 1, 0,
     "Total rentas inafectas y no gravadas del Impuesto a la Renta percibidas en el ejercicio (Incluye dividendos)"},
    {203, Lugar::Otros, diseno::I, diseno::N, 0, 2, 0,
     "Result. por actividades generadoras de rentas de 3ra. categoría (Util. neta antes de impuestos)"},
    {518, Lugar::Otros, diseno::I, diseno::D, 0, 3, 0,
     "TOTAL INGRESOS DEL EJERCICIO 2002\nCas.113+Cas.116+Cas.200+Cas.201+Cas.203"},
    // Investment in the Amazon region: beneficiary, RUC, amount.
    {817, Lugar::Amazonia, diseno::T, diseno::N, 30, 0, 0, ""},
    {229, Lugar::Amazonia, diseno::T, diseno::N, 11, 0, 1, ""},
    {231, Lugar::Amazonia, diseno::I, diseno::N, 0, 0, 2, ""},
    {818, Lugar::Amazonia, diseno::T, diseno::N, 30, 1, 0, ""},
    {230, Lugar::Amazonia, diseno::T, diseno::N, 11, 1, 1, ""},
    {232, Lugar::Amazonia, diseno::I, diseno::N, 0, 1, 2, ""},
    // Rents paid: landlord, (document type), document number, annual rent.
    {819, Lugar::Alquileres, diseno::T, diseno::N, 30, 0, 0, ""},
    {208, Lugar::Alquileres, diseno::T, diseno::N, 12, 0, 2, ""},
    {212, Lugar::Alquileres, diseno::I, diseno::N, 0, 0, 3, ""},
    {820, Lugar::Alquileres, diseno::T, diseno::N, 30, 1, 0, ""},
    {209, Lugar::Alquileres, diseno::T, diseno::N, 12, 1, 2, ""},
    {213, Lugar::Alquileres, diseno::I, diseno::N, 0, 1, 3, ""},
    {821, Lugar::Alquileres, diseno::T, diseno::N, 30, 2, 0, ""},
    {211, Lugar::Alquileres, diseno::T, diseno::N, 12, 2, 2, ""},
    {214, Lugar::Alquileres, diseno::I, diseno::N, 0, 2, 3, ""},
    // Fourth-category clients: client, (document type), document number, gross income.
    {822, Lugar::Clientes, diseno::T, diseno::N, 30, 0, 0, ""},
    {215, Lugar::Clientes, diseno::T, diseno::N, 11, 0, 2, ""},
    {220, Lugar::Clientes, diseno::I, diseno::N, 0, 0, 3, ""},
    {823, Lugar::Clientes, diseno::T, diseno::N, 30, 1, 0, ""},
    {217, Lugar::Clientes, diseno::T, diseno::N, 11, 1, 2, ""},
    {221, Lugar::Clientes, diseno::I, diseno::N, 0, 1, 3, ""},
    {824, Lugar::Clientes, diseno::T, diseno::N, 30, 2, 0, ""},
    {218, Lugar::Clientes, diseno::T, diseno::N, 11, 2, 2, ""},
    {222, Lugar::Clientes, diseno::I, diseno::N, 0, 2, 3, ""},
    {825, Lugar::Clientes, diseno::T, diseno::N, 30, 3, 0, ""},
    {219, Lugar::Clientes, diseno::T, diseno::N, 11, 3, 2, ""},
    {223, Lugar::Clientes, diseno::I, diseno::N, 0, 3, 3, ""},
    // The declarant (row 0 holds the RUC and the telephone).
    {801, Lugar::Declarante, diseno::T, diseno::N, 15, 1, 0, "Apellido Paterno :"},
    {802, Lugar::Declarante, diseno::T, diseno::N, 15, 1, 1, "Apellido Materno :"},
    {803, Lugar::Declarante, diseno::T, diseno::N, 15, 2, 0, "Nombres :"},
    // The declarant or legal representative (row 0 holds the document type first).
    {302, Lugar::Representante, diseno::T, diseno::N, 12, 0, 1, "Número Doc      :"},
    {811, Lugar::Representante, diseno::T, diseno::N, 15, 1, 0, "Apellido Paterno :"},
    {812, Lugar::Representante, diseno::T, diseno::N, 15, 1, 1, "Apellido Materno :"},
    {813, Lugar::Representante, diseno::T, diseno::N, 15, 2, 0, "Nombres :"},
    // The spouse (row 0 the document type first, row 2 the date of birth second).
    {236, Lugar::Conyuge, diseno::T, diseno::N, 12, 0, 1, "Número Doc     :"},
    {814, Lugar::Conyuge, diseno::T, diseno::N, 15, 1, 0, "Apellido Paterno :"},
    {815, Lugar::Conyuge, diseno::T, diseno::N, 15, 1, 1, "Apellido Materno :"},
    {890, Lugar::Conyuge, diseno::T, diseno::N, 15, 2, 0, "Nombres :"},
    {886, Lugar::OcultaConyuge, diseno::O, diseno::D, 0, 0, 0, ""},
    // Hidden holders.
    {816, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {827, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {829, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {831, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {832, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {833, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {834, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {835, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {891, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    {892, Lugar::OcultasDatos, diseno::O, diseno::N, 15, 0, 0, ""},
    // The parts of the breakdowns of boxes 200 and 201.
    {530, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {531, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {532, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {533, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {534, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {535, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {536, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {537, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {538, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {539, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {540, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
    {541, Lugar::OcultasDepositos, diseno::O, diseno::N, 0, 0, 0, ""},
};

/// The boxes that the save writes one by one and the form lock walks, in this order.
inline constexpr std::array<std::int16_t, 86> kListaCasillas = {
    100, 102, 501, 502, 503, 105, 106, 504, 505, 506, 107, 507, 508, 108, 110, 509, 111, 510, 511, 512, 113, 114,
    115, 513, 116, 514, 117, 515, 120, 122, 123, 124, 516, 125, 127, 128, 129, 130, 131, 132, 133, 140, 141, 142,
    144, 145, 146, 180, 229, 230, 231, 232, 200, 201, 203, 518, 208, 209, 211, 212, 213, 214, 215, 217, 218, 219,
    220, 221, 222, 223, 302, 236, 801, 802, 803, 530, 531, 532, 533, 534, 535, 536, 537, 538, 539, 540,
};

/// The document-type lists (by the box of the type), where each stands and
/// the box of the number it goes with.
struct TipoDocumentoDiseno {
  std::int16_t Lista;
  std::int16_t Numero;
  Lugar Sitio;
  int Fila, Columna;
  std::string_view Etiqueta;
};

/// In the order the load fills them.
inline constexpr TipoDocumentoDiseno kTiposDocumento[] = {
    {301, 302, Lugar::Representante, 0, 0, "Tipo Doc           :"},
    {235, 236, Lugar::Conyuge, 0, 0, "Tip. Doc            :"},
    {204, 208, Lugar::Alquileres, 0, 1, ""},
    {205, 209, Lugar::Alquileres, 1, 1, ""},
    {206, 211, Lugar::Alquileres, 2, 1, ""},
    {224, 215, Lugar::Clientes, 0, 1, ""},
    {225, 217, Lugar::Clientes, 1, 1, ""},
    {226, 218, Lugar::Clientes, 2, 1, ""},
    {227, 219, Lugar::Clientes, 3, 1, ""},
};

/// The place of box or list `numero` in rows: the rectangle of its box
/// (left, top, width, height) and those of its caption and number.
struct Celda {
  long Left, Top, Ancho, Alto;
};
struct CeldaCasilla {
  Celda Caja, Etiqueta, Numero;
};

/// Where row `fila`, column `columna` of `lugar` puts its box, caption and number.
constexpr CeldaCasilla CeldaDe(const LugarDiseno& lugar, int fila, int columna) {
  const long top = lugar.Top + fila * lugar.Paso;
  if (lugar.Columnas != nullptr) {
    const ColumnaRejilla& c = lugar.Columnas[columna];
    return {{c.Left + 390, top, c.Ancho - 390, lugar.AltoCaja}, {0, 0, 0, 0}, {c.Left, top + 30, 360, 255}};
  }
  const long corrimiento = columna * lugar.ColumnaAncho;
  const long cajaLeft = lugar.EtiquetaLeft + lugar.EtiquetaAncho + 480 + corrimiento;
  return {{cajaLeft, top, lugar.CajaAncho, lugar.AltoCaja},
          {lugar.EtiquetaLeft + corrimiento, top + 15, lugar.EtiquetaAncho, lugar.AltoEtiqueta},
          {cajaLeft - 450, top + 30, 420, 255}};
}

}  // namespace app
