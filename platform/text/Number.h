//===- Number.h - VB number reading, writing and rounding -----------------===//
//
// Numbers are read and written with "." as the decimal point and "," as the
// thousands separator whatever the machine's locale: the system's files and
// database texts are written that way.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

/// Reads a whole text as a number the way IsNumeric and CDbl accept it:
/// surrounding blanks, a leading sign, digits with grouping commas, a decimal
/// point, an exponent, or a negative between parentheses. Empty when it is not
/// one or is too large for a Double; a number too close to zero reads as 0.
std::optional<double> ParseNumber(std::string_view s);

/// VB's Val: the leading number of a text, blanks skipped anywhere in it,
/// "." decimal, 0 when there is none ("1,234" gives 1, "(5)" gives 0); error 6
/// when the number is too large for a Double.
double Val(std::string_view s);

/// A number as CStr writes it: at most `significant` digits (15 for a Double,
/// 7 for a Single), no trailing zeros, a "0" before the point ("0.5"),
/// scientific from 1E+15 (1E+7 for a Single) and below 1E-5.
std::string NumberText(double value, int significant = 15);

/// VB's Str: NumberText with a leading blank for a non-negative number and no
/// zero before the point (" 5", "-3", " .5", "-.25").
std::string Str(double value);

/// Round half to even, as CInt and CLng round.
double RoundHalfEven(double value);

/// VB's Round(x, digits): half to even at the given decimal place; error 5 for
/// negative digits.
double Round(double value, int digits = 0);

/// The absolute value.
double Abs(double value);

/// Largest whole number not above (Int) / toward zero (Fix).
double Int(double value);
double Fix(double value);

}  // namespace vb
