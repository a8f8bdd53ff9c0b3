//===- Inconsistencias.h - The consistency check's texts -----------------===//
//
// Every text the consistency check and the identification check show or
// list, in one table: a message is its text, in which each "{}" stands for
// a box number or an amount given when the message is used, followed
// directly by the text that says where on the form the box lies. The texts
// are the form's own, as its users know them, double blanks and all.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace app {

// Where a box lies; the leading and trailing blanks and the dots belong to them.
inline constexpr std::string_view kEnAmazonia =
    " (casilla ubicada en el rubro Información Complementaria  - Inversión en la Amazonia...)";
inline constexpr std::string_view kEnAlquileres =
    " (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados..)";
inline constexpr std::string_view kEnAlquileresTipo =
    " (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados...)";
inline constexpr std::string_view kEnDatosAlquileres =
    " (datos ubicados en el rubro Información Complementaria  - Detalle de alquileres pagados..)";
inline constexpr std::string_view kEnRepresentante =
    " ( casilla ubicada en el rubro Información Complementaria  - Datos del Representante legal / Conyuge...)";
inline constexpr std::string_view kEnRentaNeta =
    " ( casilla ubicada en el rubro Determinación de la Renta imponible - Renta Neta Imponible ) ";
inline constexpr std::string_view kEnCuartaQuinta =
    " ( casilla ubicada en el rubro Determinación de la Renta imponible - Cuarta y Quinta categoria ) ";
inline constexpr std::string_view kEnDeuda = " ( casilla ubicada en el rubro Determinación de la deuda ) ";
inline constexpr std::string_view kEnDatoDeuda = "( dato ubicado en el rubro Determinación de la deuda )";
inline constexpr std::string_view kEnIdentificacion = "( dato ubicado en el rubro Identificación )";
inline constexpr std::string_view kEnRentaImponible =
    "( casillas ubicadas en el rubro Determinación de la Renta imponible )";

/// The messages, in the order of the table below.
enum class Inconsistencia : std::uint8_t {
  // The run's own boxes.
  SinInconsistencias,
  EdadConyuge,
  ExcesoPago,
  OrdenPago,
  EtiquetaRenta,
  ListaNoEscrita,
  // Identification.
  YaExiste,
  SinDeclarante,
  SinRectificatoria,
  Telefono,
  // Complementary-information rows.
  Inmueble,
  AmazoniaNombre,
  AmazoniaRuc,
  AmazoniaMonto,
  AmazoniaMontoCero,
  LongitudRuc,
  RucInvalido,
  CuartaNombre,
  CuartaTipo,
  CuartaNumero,
  CuartaMonto,
  CuartaMontoCero,
  CuartaDocumento,
  SumaCuarta,
  AlquilerNombre,
  AlquilerNombreSinUbicacion,
  AlquilerTipo,
  AlquilerTipoSinUbicacion,
  AlquilerNumero,
  AlquilerNumero211,
  AlquilerDocumento,
  AlquilerRuc,
  AlquilerMonto,
  AlquilerMontoCero,
  AmazoniaRequerida,
  AlquileresRequeridos,
  CuartaRequerida,
  // Distinct document numbers.
  AmazoniaIguales,
  AmazoniaDeclarante,
  CuartaIguales,
  CuartaDeclarante,
  CuartaDeclarante215,
  AlquilerIguales,
  AlquilerDeclarante,
  // Legal representative and spouse.
  RepresentantePaterno,
  RepresentanteNombres,
  RepresentanteTipo,
  RepresentanteNumero,
  RepresentanteRuc,
  RepresentanteDocumento,
  ConyugePaterno,
  ConyugeMaterno,
  ConyugeNombres,
  ConyugeTipo,
  ConyugeRucTipo,
  ConyugeDocumento,
  ConyugeRuc,
  ConyugeNumero,
  ConyugeFecha,
  // Limits.
  Ocupacion,
  Limite117,
  Limite122,
  Limite123,
  Requiere116,
  Requiere515,
  Requiere140,
  Limite110,
  SinTasa110,
  SinRentas,
  // Payment.
  SinImporte,
  SinFormaPago,
  SinBanco,
  SinCheque,
  ChequeCero,
  NumeroChequeCero,
};

struct TextoInconsistencia {
  Inconsistencia Id;
  std::string_view Texto;      // "{}" where a box number or an amount goes
  std::string_view Ubicacion;  // where the box lies; empty for none
};

inline constexpr TextoInconsistencia kInconsistencias[] = {
    {Inconsistencia::SinInconsistencias, "La información de la declaración no presenta inconsistencias.", ""},
    {Inconsistencia::EdadConyuge, "Verifique la fecha de nacimiento de su conyuge", ""},
    {Inconsistencia::ExcesoPago, "El importe a pagar {} tiene un exceso\n", ""},
    {Inconsistencia::OrdenPago, "VELTA generará una orden de pago {}\n", ""},
    {Inconsistencia::EtiquetaRenta, "por impuesto a la renta ", ""},
    {Inconsistencia::ListaNoEscrita, "No se pudo escribir la lista de inconsistencias {}.\nError {}: {}", ""},

    {Inconsistencia::YaExiste,
     "El formulario que desea ingresar ya existe, elija la opción Modificar formularios o elija otro RUC", ""},
    {Inconsistencia::SinDeclarante, "Debe seleccionar un declarante", ""},
    {Inconsistencia::SinRectificatoria, "Indique si es rectificatoria", ""},
    {Inconsistencia::Telefono, "Ingrese correctamente el teléfono", ""},

    {Inconsistencia::Inmueble, "Señale si el inmueble donde realiza sus actividades es alquilado o propio ", ""},
    {Inconsistencia::AmazoniaNombre,
     "Consigne los apellidos y nombres, denominación o razón social en la Amazonía", ""},
    {Inconsistencia::AmazoniaRuc, "Ingrese el RUC en la casilla {}", kEnAmazonia},
    {Inconsistencia::AmazoniaMonto, "Ingrese el monto invertido casilla {}", kEnAmazonia},
    {Inconsistencia::AmazoniaMontoCero, "El monto invertido de la casilla {} debe ser mayor a cero", kEnAmazonia},
    {Inconsistencia::LongitudRuc, "La longitud del  RUC ingresado en la casilla {} no es valida", kEnAmazonia},
    {Inconsistencia::RucInvalido, "El RUC ingresado en la casilla {} no es valido", kEnAmazonia},
    {Inconsistencia::CuartaNombre, "Ingrese la razón social en rentas de cuarta categoría ", kEnAlquileres},
    {Inconsistencia::CuartaTipo, "Ingrese el tipo de documento en la casilla {}", kEnAlquileresTipo},
    {Inconsistencia::CuartaNumero, "Ingrese el número de documento en la casilla {}", kEnAlquileres},
    {Inconsistencia::CuartaMonto, "Ingrese el ingreso bruto percibido casilla {}", kEnAlquileres},
    {Inconsistencia::CuartaMontoCero, "El ingreso bruto percibido de la casilla {} debe ser mayor a cero",
     kEnAmazonia},
    {Inconsistencia::CuartaDocumento, "El número de documento de la casilla {} no es valido", kEnAlquileresTipo},
    {Inconsistencia::SumaCuarta,
     "La suma de los importes que se informan en las casillas 220,221,222,223 no pueden ser mayores a las rentas "
     "de cuarta categoría declaradas casilla 107 y 108",
     kEnAlquileres},
    {Inconsistencia::AlquilerNombre, "Ingrese el nombre o razón social en detalle de alquileres", kEnAlquileres},
    {Inconsistencia::AlquilerNombreSinUbicacion, "Ingrese el nombre o razón social en detalle de alquileres", ""},
    {Inconsistencia::AlquilerTipo, "Ingrese el tipo de documento casilla {}", kEnAlquileres},
    {Inconsistencia::AlquilerTipoSinUbicacion, "Ingrese el tipo de documento casilla {}", ""},
    {Inconsistencia::AlquilerNumero, "Ingrese el número de documento casilla {}", kEnAlquileres},
    {Inconsistencia::AlquilerNumero211, "Ingrese el número de docuemento casilla {}", kEnAlquileres},
    {Inconsistencia::AlquilerDocumento, "El número de documento de la casilla {} no es valido", kEnAlquileres},
    {Inconsistencia::AlquilerRuc, "El número de RUC de la casilla {}  no es valido", kEnAlquileres},
    {Inconsistencia::AlquilerMonto, "Ingrese el monto anual del alquiler casilla {}", kEnAlquileres},
    {Inconsistencia::AlquilerMontoCero, "El Monto anual del alquiler de la casilla {} debe ser mayor a cero",
     kEnAlquileres},
    {Inconsistencia::AmazoniaRequerida, "Ingrese información en la sección de Inversión en la Amazonía", ""},
    {Inconsistencia::AlquileresRequeridos, "Ingrese detalle de Alquileres de Bienes Inmuebles ", kEnAlquileres},
    {Inconsistencia::CuartaRequerida, "Ingrese información complementaria de rentas de cuarta categoría",
     kEnDatosAlquileres},

    {Inconsistencia::AmazoniaIguales, "Los números de RUC de la casilla {} y la casilla {} no pueden ser iguales",
     kEnAmazonia},
    {Inconsistencia::AmazoniaDeclarante, "El número de RUC de la casilla {} no puede ser igual al del declarante",
     kEnAmazonia},
    {Inconsistencia::CuartaIguales, "Los números de documentos de la casilla {} y la casilla {} no pueden ser iguales",
     kEnAlquileres},
    {Inconsistencia::CuartaDeclarante, "El número de RUC de la casilla {} no puede ser igual al del declarante",
     kEnAlquileres},
    {Inconsistencia::CuartaDeclarante215, "El número de RUC de la casilla {} no puede ser igual al del declarante",
     kEnAlquileresTipo},
    {Inconsistencia::AlquilerIguales, "Los números de documento de la casilla {} y la casilla {} no pueden ser iguales",
     kEnAlquileres},
    {Inconsistencia::AlquilerDeclarante, "El número de RUC de la casilla {} no puede ser igual al del declarante",
     kEnAlquileres},

    {Inconsistencia::RepresentantePaterno, "Ingrese Apellido Paterno del Representante Legal", kEnRepresentante},
    {Inconsistencia::RepresentanteNombres, "Ingrese Nombres del Representante Legal", kEnRepresentante},
    {Inconsistencia::RepresentanteTipo, "Ingrese el tipo de documento del Representante Legal", kEnRepresentante},
    {Inconsistencia::RepresentanteNumero, "Ingrese número de documento del Representante Legal", kEnRepresentante},
    {Inconsistencia::RepresentanteRuc, "El número de RUC del Representante Legal no es valido", kEnRepresentante},
    {Inconsistencia::RepresentanteDocumento, "El número de documento del Representante Legal no es valido",
     kEnRepresentante},
    {Inconsistencia::ConyugePaterno, "Ingrese Apellido Paterno del Cónyuge", kEnRepresentante},
    {Inconsistencia::ConyugeMaterno, "Ingrese Apellido Materno del Cónyuge", kEnRepresentante},
    {Inconsistencia::ConyugeNombres, "Ingrese Nombres del cónyuge", kEnRepresentante},
    {Inconsistencia::ConyugeTipo, "Ingrese el tipo de documento del cónyuge", kEnRepresentante},
    {Inconsistencia::ConyugeRucTipo, "El número de RUC del cónyuge no es valido", kEnRepresentante},
    {Inconsistencia::ConyugeDocumento, "El número de documento del conyuge no es valido", kEnRepresentante},
    {Inconsistencia::ConyugeRuc, "El número de RUC del Cónyuge no es valido", kEnRepresentante},
    {Inconsistencia::ConyugeNumero, "Ingrese número de documento del cónyuge", kEnRepresentante},
    {Inconsistencia::ConyugeFecha, "La fecha de nacimiento del Cónyuge no es valida", kEnRepresentante},

    {Inconsistencia::Ocupacion, "Ingrese la ocupación del declarante ", kEnIdentificacion},
    {Inconsistencia::Limite117,
     "El valor ingresado en la casilla 117 no puede ser mayor al 20% del valor consignado en la casilla 514 : {}",
     kEnRentaNeta},
    {Inconsistencia::Limite122, "El valor de la casilla 122 no puede ser mayor a S/.{}", kEnDeuda},
    {Inconsistencia::Limite123, "El valor de la casilla 123 no puede ser mayor a S/.{}", kEnDeuda},
    {Inconsistencia::Requiere116,
     "Si ha ingresado crédito por fuente extranjera debe ingresar un valor en la casilla 116", kEnRentaNeta},
    {Inconsistencia::Requiere515, "Si ha ingresado crédito por donaciones  debe ingresar un valor en la casilla 515",
     kEnRentaNeta},
    {Inconsistencia::Requiere140, "Seleccione Indicador de Utilización de Saldo a Favor casilla 140", kEnDeuda},
    {Inconsistencia::Limite110, "La casilla 110 no puede ser mayor a la (Casilla 107 + Casilla 108)* {}",
     kEnCuartaQuinta},
    // Without the rate the limit of box 110 cannot be checked: the return is
    // not taken for consistent, and the user learns what is missing.
    {Inconsistencia::SinTasa110,
     "No se puede verificar el límite de la casilla 110: falta la tasa límite (código 050802) del ejercicio {}",
     kEnCuartaQuinta},
    {Inconsistencia::SinRentas,
     "Ingrese información por lo menos en una de estas casillas 100, 102, 105, 106, 107 y 108", kEnRentaImponible},

    {Inconsistencia::SinImporte, "Ingrese el importe a pagar", kEnDeuda},
    {Inconsistencia::SinFormaPago, "Ingrese la Forma de pago", kEnDatoDeuda},
    {Inconsistencia::SinBanco, "Ingrese el banco", kEnDatoDeuda},
    {Inconsistencia::SinCheque, "Ingrese el Número del cheque", kEnDatoDeuda},
    {Inconsistencia::ChequeCero, "No puede girar un cheque con monto cero", kEnDatoDeuda},
    {Inconsistencia::NumeroChequeCero, "El número de cheque no puede ser cero", kEnDatoDeuda},
};

namespace detalle {
constexpr bool EnOrden() {
  for (std::size_t i = 0; i < std::size(kInconsistencias); ++i) {
    if (static_cast<std::size_t>(kInconsistencias[i].Id) != i) return false;
  }
  return true;
}
}  // namespace detalle
static_assert(detalle::EnOrden(), "kInconsistencias lists the messages in the order of Inconsistencia");

/// The message's text with each "{}" replaced by the next of `datos`, then
/// its location text.
std::string TextoDe(Inconsistencia mensaje, std::initializer_list<std::string_view> datos = {});

/// A box number as the messages write it: its three digits.
std::string Casilla(std::int16_t casilla);

}  // namespace app
