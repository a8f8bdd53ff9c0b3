//===- Importe.h - What an amount box of the form can hold ---------------===//
//
// An amount box of form 917 holds twelve digits ("999,999,999,999"), which
// is also what the printed return and the summaries leave room for. A box
// row written by another program may hold more (1e300): every program that
// shows or stores such an amount refuses it by its box instead of writing a
// line that runs off its column or a value its field cannot take.
//
//   common::CompruebaImporte(146, vb::CDbl(valor));   // error 6 naming box 146
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace common {

/// The largest amount a box holds, in whole units.
inline constexpr double kImporteMaximo = 999999999999.0;

/// Whether `valor`, brought to a whole number as a box shows it (halves
/// away from zero), fits a box.
bool CabeEnCasilla(double valor);

/// The text that tells box `casilla` holds an amount it cannot.
std::string ImporteExcedido(int casilla);

/// Error 6 with ImporteExcedido's text when `valor` does not fit box `casilla`.
void CompruebaImporte(int casilla, double valor);

}  // namespace common
