//===- Quote.h - Outside values written safely into SQL text --------------===//
//
// Statements are built by joining text, as the system always built them.
// Every value that comes from outside the program (typed text, file lines,
// settings values, stored texts) goes in through these two functions and
// nothing else: a text becomes one string literal whatever it holds, and a
// number is written with "." whatever the machine's locale.
//
//   "SELECT * FROM CLAVES WHERE Usuario=" & Quote(UsuarioSistema)
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace dao {

/// `text` as a string literal: between single quotes, each "'" doubled
/// (O'Brien gives 'O''Brien'). The literal reads back as exactly `text`.
std::string Quote(std::string_view text);

/// `value` as a numeric literal: the shortest digits that read back as the
/// same double, "." as the decimal point, no grouping ("1234.5", "-3", "1e+20").
/// Error 5 for NaN and infinities.
std::string SqlNumber(double value);

}  // namespace dao
