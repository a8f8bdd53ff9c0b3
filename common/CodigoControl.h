//===- CodigoControl.h - The control code stored with every saved row ---===//
//
// A 6-digit code over a row about to be stored, kept in the row's last
// column (cNumero). The row's columns, in the table's order:
//
//   0 to n-1            the key part: their values are added up (S1)
//   n to the last but one  the data part: each character's Windows-1252 code
//                       times its position in its column (from 1 in each
//                       column) is added up (S2)
//   the last            the code itself, never read
//
// A value takes part as text: a number in decimal with "." and no zero
// before the point (0.5 is ".5"), a date as "yyyymmdd", a text without its
// surrounding blanks, anything else (Null, Empty, Boolean) as "". In S1 a
// text that is not a plain number (sign, digits, point, decimals) adds 0.
// The code is the last three digits of S1 (rounded to a whole number, halves
// away from zero) and of S2, each of its absolute value with leading zeros.
// S2 is a 64-bit sum, so no row is too long for it; the codes of rows
// stored before are the same.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace dao {
class Recordset;
}

namespace common {

/// The control code of the current row of `rs` (its edit buffer while an
/// AddNew or Edit is pending) whose first `n` columns are the key part.
std::string CodigoControl(dao::Recordset& rs, int n);

}  // namespace common
