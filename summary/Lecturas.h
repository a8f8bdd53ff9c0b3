//===- Lecturas.h - The return 0917SND summarises, read from the database ===//
//
// The return is the CAB row and the DET rows of the command line's key; the
// declarant's name comes from the host's register CONT. The document number
// is compared without the blanks the host pads it with; every value enters
// the SQL quoted, and the week is a digit.
//
//===----------------------------------------------------------------------===//
#pragma once

namespace summary {

/// Reads the payment from CAB: HayCabecera; with a cheque number,
/// PagoEfectivo False, NumeroCheque and NombreBanco (the bank's full name,
/// "" for a Null bank code); without one, PagoEfectivo True.
void LeeFormaPago();

/// Reads the DET rows into ValorCasilla and ValorCasilla800. Boxes 721 and
/// 722, and those without an element, are left out.
void LeeCasillas();

/// Reads NombreDeclarante from CONT; False when the register has no row.
bool LeeDeclarante();

}  // namespace summary
