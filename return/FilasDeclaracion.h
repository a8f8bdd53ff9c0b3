//===- FilasDeclaracion.h - How a return is stored: CAB, DET and HCAB rows ===//
//
// A registered return is one CAB row (its header) and one DET row per box
// that holds a value; a sent one is the host's HCAB and HDET rows, of which
// the form only records HCAB's order number. Every row that the form writes
// ends in its control code (cNumero, common::CodigoControl) over the table's
// key columns, which come first in the host's column order:
//
//   CAB   tip_doc_d Doc_id_d PERIODO Formulario Semana | fec_pro bcolibrad
//         nrocheque cheque efectivo rectifica estado | cNumero
//   HCAB  the same key, correl | ... norden control | cNumero
//   DET   tip_doc_d Doc_id_d PERIODO Formulario Semana Casilla | i_valor
//         idcasilla estado | cNumero
//
// A box's code is its number in three digits ("002", "871"); its i_valor is
// its text as the user typed it for the text boxes, and a whole number
// without separators for every other box ("(1,234)" is stored "-1234").
// kCasillasEspeciales lists the boxes that are not amounts of the return, in
// the order the save writes them after the boxes of kListaCasillas.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

/// The key columns that the control code adds up, by table.
inline constexpr int kClaveCab = 5;
inline constexpr int kClaveHcab = 6;
inline constexpr int kClaveDet = 6;

/// What fills one of CAB's payment columns.
enum class DatoPago : std::uint8_t {
  Blanco,     // " "
  Vacio,      // ""
  Banco,      // the payment control's bank code
  NumCheque,  // its cheque number
  Importe,    // its amount as a whole number, "###########0"
};

/// CAB's payment columns for one payment form ("C" cheque, "E" cash; ""
/// stands for any other).
struct ColumnasPago {
  std::string_view FormaPago;
  DatoPago bcolibrad, nrocheque, cheque, efectivo;
};

/// The first line whose payment form is the control's, else the last, applies.
inline constexpr ColumnasPago kColumnasPago[] = {
    {"C", DatoPago::Banco, DatoPago::NumCheque, DatoPago::Importe, DatoPago::Vacio},
    {"E", DatoPago::Blanco, DatoPago::Blanco, DatoPago::Blanco, DatoPago::Importe},
    {"", DatoPago::Blanco, DatoPago::Blanco, DatoPago::Blanco, DatoPago::Blanco},
};

/// The line of kColumnasPago for payment form `formapago`.
const ColumnasPago& ColumnasDePago(std::string_view formapago);

/// Where the value of a box that is not an amount comes from.
enum class Origen : std::uint8_t {
  Banco,           // the last 2 characters of the payment control's bank
  NumCheque,       // its cheque number
  FormaPago,       // its payment form
  Importe,         // its amount
  Ruc,             // RucDeclarante
  Periodo,         // Periodo
  Constante,       // the line's Constante
  Telefono,        // TxtTelefono
  Texto,           // the text of txtvalor(Caja)
  Primeros15,      // characters 1-15 of txtvalor(Caja)
  Siguientes15,    // characters 16-30 of txtvalor(Caja)
  TipoDocumento,   // the first 2 characters of cmbtipdoc(Caja)
  Profesion,       // the first 2 characters of cboProfesion
  FechaNacimiento, // MkeFecNac as typed
  Devolucion,      // "1" Si, "0" No, "" neither (no row)
  Inmueble,        // "1" rented, "2" owned, "" neither (no row)
};

/// When a box of kCasillasEspeciales is written.
enum class Cuando : std::uint8_t {
  Siempre,
  Cheque,       // the payment form is "C"
  Rectifica,    // OptRectifica(1), "Si", is chosen
  NoRectifica,  // it is not
};

struct CasillaEspecial {
  std::string_view Codigo;
  Origen De;
  std::int16_t Caja = 0;
  std::string_view Constante = {};
  Cuando Si = Cuando::Siempre;
};

/// The boxes that the save writes apart from kListaCasillas, in its order.
/// The schedule answers (896-899) are always stored as No: the page that
/// holds them cannot be used. The hidden holders 816, 886, 891 and 892 are
/// not stored.
inline constexpr CasillaEspecial kCasillasEspeciales[] = {
    {"015", Origen::Banco, 0, {}, Cuando::Cheque},
    {"012", Origen::NumCheque, 0, {}, Cuando::Cheque},
    {"599", Origen::FormaPago},
    {"002", Origen::Ruc},
    {"007", Origen::Periodo},
    {"721", Origen::Constante, 0, "1.0"},
    {"028", Origen::Telefono},
    {"896", Origen::Constante, 0, "0"},
    {"897", Origen::Constante, 0, "0"},
    {"898", Origen::Constante, 0, "0"},
    {"899", Origen::Constante, 0, "0"},
    {"811", Origen::Texto, 811},
    {"812", Origen::Texto, 812},
    {"813", Origen::Texto, 813},
    {"814", Origen::Texto, 814},
    {"815", Origen::Texto, 815},
    {"890", Origen::Texto, 890},
    // The names of 30 characters, in two boxes of 15.
    {"817", Origen::Primeros15, 817},
    {"827", Origen::Siguientes15, 817},
    {"818", Origen::Primeros15, 818},
    {"828", Origen::Siguientes15, 818},
    {"819", Origen::Primeros15, 819},
    {"829", Origen::Siguientes15, 819},
    {"820", Origen::Primeros15, 820},
    {"830", Origen::Siguientes15, 820},
    {"821", Origen::Primeros15, 821},
    {"831", Origen::Siguientes15, 821},
    {"822", Origen::Primeros15, 822},
    {"832", Origen::Siguientes15, 822},
    {"823", Origen::Primeros15, 823},
    {"833", Origen::Siguientes15, 823},
    {"824", Origen::Primeros15, 824},
    {"834", Origen::Siguientes15, 824},
    {"825", Origen::Primeros15, 825},
    {"835", Origen::Siguientes15, 825},
    {"204", Origen::TipoDocumento, 204},
    {"205", Origen::TipoDocumento, 205},
    {"206", Origen::TipoDocumento, 206},
    {"224", Origen::TipoDocumento, 224},
    {"225", Origen::TipoDocumento, 225},
    {"226", Origen::TipoDocumento, 226},
    {"227", Origen::TipoDocumento, 227},
    {"301", Origen::TipoDocumento, 301},
    {"235", Origen::TipoDocumento, 235},
    {"025", Origen::Profesion},
    {"234", Origen::FechaNacimiento},
    {"598", Origen::Importe},
    {"871", Origen::Constante, 0, "1", Cuando::Rectifica},
    {"005", Origen::Constante, 0, "1", Cuando::Rectifica},
    {"005", Origen::Constante, 0, "0", Cuando::NoRectifica},
    {"871", Origen::Constante, 0, "0", Cuando::NoRectifica},
    {"260", Origen::Devolucion},
    {"027", Origen::Inmueble},
};

/// The box code of box `n`: its number in three digits.
std::string CodigoCasilla(std::int16_t n);

/// False for a value that gets no row: blank, or once trimmed the empty
/// order-number mask "________" or the empty date mask "__/__/____".
bool TieneValor(std::string_view valor);

/// A value as the whole number it shows, without separators
/// ("###########0"): "1,234" gives "1234", "(1,234)" gives "-1234"; a value
/// that is no number is kept as it is.
std::string Entero(std::string_view valor);

/// The i_valor of the box coded `casilla` holding `valor`: the text boxes
/// (the ones typed as text, the telephone and the names among them) keep
/// it as it comes; any other box gets the whole number it shows, without
/// separators, or keeps a value that is no number.
std::string ValorGuardado(std::string_view casilla, std::string_view valor);

/// Whether the i_valor of the box coded `casilla` holding `valor` fits the
/// box: a text box, a value that is no number, or an amount of at most
/// twelve digits.
bool CabeEnFila(std::string_view casilla, std::string_view valor);

/// DET's idcasilla of box `casilla`: "05" for the amount to pay (180), else "01".
std::string_view IdCasilla(std::string_view casilla);

}  // namespace app
