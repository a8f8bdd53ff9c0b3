//===- Producto.h - How KR917 names itself --------------------------------===//
#pragma once

#include <string_view>

namespace app {

/// The product's title: the main window's caption starts with it, and the
/// start-up's second-copy message and the about box show it.
inline constexpr std::string_view kTituloProducto = "Declaración Pago Anual Impuesto a la Renta";

/// The program's version.
inline constexpr std::string_view kVersion = "1.0";

/// The main window's caption: the title, the form number and the version.
inline constexpr std::string_view kTituloVentana =
    "Declaración Pago Anual Impuesto a la Renta - Formulario 917 - Versión 1.0";

/// The maker's line in the about box.
inline constexpr std::string_view kTextoFabricante = "Programa de declaración telemática de VELTA";

}  // namespace app
