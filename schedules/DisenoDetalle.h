//===- DisenoDetalle.h - The schedule row window's layouts and checks ----===//
//
// The row window adapts to the schedule kind (the first four characters of
// ClaveAdicional): its captions, which fields show, where they stand and
// how high the frame, the buttons and the window are. Its checks run in a
// fixed order, each with its message built from a field's caption. All of
// it is data here, read by one loop each.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <array>
#include <string_view>

namespace app {

// --- Captions per kind ---

/// The captions of one or more kinds. A null caption is left as it is.
/// With ConPeriodo the tax year follows the three amount captions.
struct EtiquetasDetalle {
  std::array<std::string_view, 2> Claves;
  const char* Movimiento1;
  const char* OtroTipo;
  const char* Monto1;
  const char* Monto2;
  const char* Cantidad;
  bool ConPeriodo = false;
};

inline constexpr char kImporteTipoMoneda[] = "Importe total por tipo y moneda";
inline constexpr char kOtroBien3Uit[] = "Descripción de otro tipo de bien cuyo valor sea mayor a 3 UIT";
inline constexpr char kOtrosInstrumentos[] = "Descripción de otros tipos de instrumentos";

inline constexpr EtiquetasDetalle kEtiquetasDetalle[] = {
    {{"0101"},
     "Tipo de cuenta",
     "Otro tipo de cuenta",
     "Saldo al 01/01/2002",
     "Saldo al 31/12/2002",
     "Cantidad total de cuentas"},
    {{"0201"}, "Tipo", "Descripción de otro tipo", kImporteTipoMoneda, " ", "Cantidad"},
    {{"0202"}, "Tipo de bien comprado", nullptr, kImporteTipoMoneda, " ", "Cantidad total de compras"},
    {{"0203"},
     "Tipo de instrumento financiero",
     kOtrosInstrumentos,
     kImporteTipoMoneda,
     " ",
     "Cantidad total de compras"},
    {{"0303"},
     "Tipo de instrumento financiero",
     kOtrosInstrumentos,
     kImporteTipoMoneda,
     " ",
     "Cantidad total de ventas"},
    {{"0204"}, "Tipo de bien", kOtroBien3Uit, kImporteTipoMoneda, " ", "Cantidad total de compras"},
    {{"0302", "0304"}, "Tipo de bien", kOtroBien3Uit, kImporteTipoMoneda, " ", "Cantidad total de ventas"},
    {{"0205"}, "Tipo de gasto", "Otro tipo de gasto", kImporteTipoMoneda, " ", "Cantidad total de consumos"},
    {{"0301"}, nullptr, nullptr, "Importe total por moneda", " ", "Cantidad total de ventas"},
    {{"0401"},
     nullptr,
     nullptr,
     "Saldo de préstamos concedidos al 01/01/",
     "Saldo de préstamos concedidos al 31/12/",
     "Número de préstamos concedidos en el año ",
     true},
    {{"0402"},
     nullptr,
     nullptr,
     "Saldo de préstamos recibidos al 01/01/",
     "Saldo de préstamos recibidos al 31/12/",
     "Número de préstamos recibidos el año ",
     true},
};

// --- Fields and geometry per kind (twips) ---

/// A label's top and its field's; {0, 0} keeps the design.
struct Altura {
  long Etiqueta = 0;
  long Campo = 0;
};

struct GeometriaDetalle {
  std::array<std::string_view, 8> Claves;
  bool FilaTipo;        // the type list and its label
  bool Monto1;          // the first amount and its label
  bool Monto2;          // the second amount box
  bool EtiquetaMonto2;  // its label (blank when the box is hidden)
  Altura Moneda, Codigo, Nombre, Pais, PrimerMonto, SegundoMonto, Cantidad;
  long AltoMarco, TopBotones, AltoVentana;
};

// The currency block moved up where there is no type row.
inline constexpr Altura kMonedaArriba{360, 600};
inline constexpr Altura kNombreArriba{1080, 1320};
inline constexpr Altura kPaisArriba{1680, 1920};

// clang-format off
inline constexpr GeometriaDetalle kGeometriaDetalle[] = {
    // kinds; type row, first amount, second amount box and label;
    // currency list, code, name, country, first and second amount, count;
    // frame height, button top, window height
    {{"0101"}, true, false, true, true,
     {}, {}, {}, {}, {}, {3120, 3360}, {3840, 4080},
     4695, 4920, 5855},
    {{"0201", "0202", "0203", "0204", "0205", "0302", "0303", "0304"}, true, true, false, true,
     {}, {}, {}, {}, {}, {}, {3720, 3960},
     4375, 4600, 5600},
    {{"0301"}, false, true, false, false,
     kMonedaArriba, kMonedaArriba, kNombreArriba, kPaisArriba, {2280, 2520}, {}, {2880, 3120},
     3650, 3930, 4880},
    {{"0401", "0402"}, false, true, true, true,
     kMonedaArriba, kMonedaArriba, kNombreArriba, kPaisArriba, {2380, 2620}, {3020, 3220}, {3620, 3820},
     4290, 4530, 5420},
};
// clang-format on

/// The types whose rows need a free description ("other" types).
inline constexpr std::string_view kTiposOtro[] = {"010106", "020306", "020405", "030306", "030405"};
/// The one "other" type whose description label reads otherwise.
inline constexpr std::string_view kOtroTipoCuenta = "010106";
inline constexpr char kEtiquetaOtroTipoCuenta[] = "Descripción de otros tipos de cuenta";

// --- The checks before a row is stored ---

/// The fields a check looks at and puts the focus on.
enum class CampoDetalle { Tipo, OtroTipo, Moneda, Monto1, Monto2, Cantidad };

/// What a check finds wrong.
enum class FaltaDetalle {
  SinTipo,          // no type chosen (only while the type list shows)
  OtroVacio,        // no free description (only while it shows)
  SinMoneda,        // no currency chosen
  Vacio,            // an empty field
  MalNumero,        // a bank-account amount that is no number ("1-5", "-")
  Cero,             // a field whose whole value is 0
  PrestamosEnCero,  // both loan balances and the count are 0
};

/// Which rows a check applies to.
enum class AplicaDetalle { Nuevo, Seccion01, Seccion02y03, Seccion04, Todas, NoSeccion04 };

/// One check: where it applies, what it finds, the message around the
/// lower-cased caption of the field's label (none when Etiqueta is false),
/// and the field that gets the focus.
struct PasoValidacion {
  AplicaDetalle Aplica;
  FaltaDetalle Falta;
  CampoDetalle Campo;
  std::string_view Antes;
  bool Etiqueta = true;
  std::string_view Despues = "";
};

inline constexpr PasoValidacion kValidacion[] = {
    {AplicaDetalle::Nuevo, FaltaDetalle::SinTipo, CampoDetalle::Tipo, "Debe seleccionar el "},
    {AplicaDetalle::Nuevo, FaltaDetalle::OtroVacio, CampoDetalle::OtroTipo, "Registre la "},
    {AplicaDetalle::Nuevo, FaltaDetalle::SinMoneda, CampoDetalle::Moneda, "Debe seleccionar el tipo de moneda", false},
    {AplicaDetalle::Seccion01, FaltaDetalle::Vacio, CampoDetalle::Monto2, "Registre el "},
    {AplicaDetalle::Seccion01, FaltaDetalle::MalNumero, CampoDetalle::Monto2, "Registre correctamente el "},
    {AplicaDetalle::Seccion02y03, FaltaDetalle::Vacio, CampoDetalle::Monto1, "Registre el "},
    {AplicaDetalle::Seccion02y03, FaltaDetalle::Cero, CampoDetalle::Monto1, "El ", true, " debe ser mayor a cero"},
    {AplicaDetalle::Seccion04, FaltaDetalle::Vacio, CampoDetalle::Monto1, "Registre el "},
    {AplicaDetalle::Seccion04, FaltaDetalle::Vacio, CampoDetalle::Monto2, "Registre el "},
    {AplicaDetalle::Seccion04, FaltaDetalle::Vacio, CampoDetalle::Cantidad, "Registre el "},
    {AplicaDetalle::NoSeccion04, FaltaDetalle::Vacio, CampoDetalle::Cantidad, "Registre la "},
    {AplicaDetalle::NoSeccion04, FaltaDetalle::Cero, CampoDetalle::Cantidad, "La ", true, " debe ser mayor a cero"},
    {AplicaDetalle::Seccion04, FaltaDetalle::PrestamosEnCero, CampoDetalle::Cantidad,
     "Saldo de préstamos o número de préstamos debe ser mayor a cero", false},
};

}  // namespace app
