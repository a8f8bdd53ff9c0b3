//===- Format.h - VB's Format for the patterns the system uses ----------===//
//
// The value. Null and Empty format to "" whatever the pattern. A String that
// reads as a number (ParseNumber: " 12 ", "1,234", "(1,235)") is formatted as
// that number; one that reads as a "dd/mm/yyyy" date as that date; any other
// text comes back unchanged (fifteen blanks stay fifteen blanks). Booleans are
// -1 and 0; a Date under a number pattern is its serial number, a number under
// a date pattern is a serial date. An empty pattern gives the value's text.
//
// Number patterns. "0" is a digit always shown, "#" a digit shown only when
// significant, "." the decimal point, "," between digit placeholders groups
// thousands; every other character is literal ("(", ")", "/", blanks),
// as is a character after "\" or text between double quotes. Grouping is ","
// and the point is "." whatever the machine's locale.
// - The number is rounded, halves away from zero, to as many decimals as the
//   pattern has placeholders after the point (1234.5 with "##0" is "1235").
// - Integer digits fill the placeholders from the right; leading zeros show
//   from the leftmost "0" on ("0#" of 5 is "05", "00" of 6 is "06"); digits
//   beyond the placeholders all show ("0#" of 123 is "123"); literals between
//   placeholders stay where they are ("0#/0#/####" of 1012002 is "01/01/2002").
//   A pattern without a "0" before the point writes no digit for zero
//   ("############" of 0 or 0.4 is "", "#.##" of 0.5 is ".5").
// - Decimals show up to the last "0" placeholder and beyond it while they are
//   not trailing zeros ("##0.#000" of 12.5 is "12.5000"); the point itself
//   always shows ("#.##" of 5 is "5.").
// - Sections split by ";" are positive;negative;zero. With one section a
//   negative number gets "-" in front of everything the section writes, its
//   literals included: -1234.5 with "(###,###,###,##0)" is "-(1,235)". With a
//   second section a negative number is written through it without a minus
//   sign: "###,###,###,##0;(###,###,###,##0)" gives "(1,235)". A third
//   section is used for zero. An empty section falls back to the first (with
//   the minus sign for a negative number).
// - The section goes by the sign of the value before rounding, as VB's does:
//   -0.4 is "-0" with "##############0" and "(0)" with "0;(0)".
// Not supported: "%", scientific "E+", thousands scaling by a trailing ",",
// the text placeholders "@" "&" "<" ">" "!".
//
// Date patterns (a pattern holding any of the letters d m y h n s): "d"/"dd"
// day, "m"/"mm" month, or minute right after "h"/"hh", "yy"/"yyyy" year,
// "h"/"hh" hour, "n"/"nn" minute, "s"/"ss" second; "/" and ":" are literal,
// not the locale's separators. Other letter runs ("ddd", "mmm") are written as
// they stand. A number outside the dates VB holds (years 100 to 9999) is not a
// date: it comes back as its plain text.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

#include "platform/text/Variant.h"

namespace vb {

/// VB's Format(value, pattern): the value written through a number or date pattern.
std::string Format(const Variant& value, std::string_view pattern);

}  // namespace vb
