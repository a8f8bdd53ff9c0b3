//===- NumeroOrden.h - The check of a sent return's order number -------===//
//
// The tax authority gives each sent return an order number (8 digits) and
// the return a control number (8 characters); the verification code that
// goes with them is 2 characters: the control number's own modulo-11 check
// digit, then the check digit of control number, order number and that
// digit joined.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace common {

/// The first 17 characters of `texto` without surrounding blanks, followed
/// by their modulo-11 check digit (weights 2 to 7 from the last character
/// leftwards, a character that is no digit counting 0; 11 - r, with 10 giving
/// 0 and 11 giving 1); "" for an empty text.
std::string DigitoVerifica(std::string_view texto);

/// The verification code of `control` and `orden`: one character only when
/// the control number is shorter than 8 characters.
std::string VerificadorOrden(std::string_view control, std::string_view orden);

/// True when `codigo` is exactly the verification code of `control` and `orden`.
bool ValidaOrden(std::string_view control, std::string_view orden, std::string_view codigo);

}  // namespace common
