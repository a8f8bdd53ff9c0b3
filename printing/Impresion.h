//===- Impresion.h - What the printing windows share ---------------------===//
//
// The printing windows and the report driver tell a failed print the same
// way: a critical box titled "Impresión" whose text goes by the error. The
// windows the print window opens take its icon.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace app {

/// The title of every message of a failed print.
inline constexpr std::string_view kTituloImpresion = "Impresión";

/// 482: there is no printer.
inline constexpr std::string_view kSinImpresora = "No existe una impresora seleccionada.Verifique.";
/// 380: nothing to print.
inline constexpr std::string_view kSinInformacion = "No Existe Información a Imprimir.Verifique.";
/// 20545: the user cancelled the print.
inline constexpr std::string_view kImpresionCancelada = "La Impresión ha sido Cancelada.";

/// The picture the print window and the windows it opens take as their icon.
inline constexpr std::string_view kIconoImpresion = "imprimir";

}  // namespace app
