//===- Tasas.h - The UIT and the rates of the tax year ------------------===//
//
// Read from PARAM: group 998 holds the rates by code and the month from
// which each holds ("020702 200112"), group 404 the UIT by the date from
// which it holds ("20020101"). Periods compare as texts against Periodo, so
// for "2002" a rate valid from a month of 2002 never counts (the longer text
// sorts after it), while every UIT of 2002 or earlier does.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace app {

/// The rate of code `codigo` (6 characters) for Periodo: the one of the
/// latest month that passes, as a number text ("0.19"); "" when none does.
std::string LeeTasa(std::string_view codigo);

/// The same for the period `periodo` instead of Periodo.
std::string LeeTasa(std::string_view codigo, std::string_view periodo);

/// The UIT for Periodo: the value of the latest year up to Periodo and,
/// within that year, of the latest date; "" when there is none.
std::string LeeUit();

/// Sets Tasa020702, Tasa020704, Tasa020301, Tasa020201 and Tasa020501 from
/// their rates, then Uit.
void CargaTasas();

}  // namespace app
