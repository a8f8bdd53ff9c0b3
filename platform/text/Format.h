//===- Format.h - VB's Format for the patterns the system uses ----------===//
//
// Number patterns: "0" digit, "#" optional digit, "," grouping (anywhere
// among the digit placeholders), "." decimal point, sections split by ";"
// (positive;negative;zero); every other character is kept literally
// ("(###,###,###,##0)" shows parentheses). Grouping is "," and the point is
// "." whatever the machine's locale; halves round away from zero.
// Date patterns: "dd", "mm", "yyyy", "hh", "nn"/"mm" after "hh", "ss"; "/"
// and ":" are literal.
// A text that is not a number is returned unchanged.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

#include "platform/text/Variant.h"

namespace vb {

/// VB's Format(value, pattern).
std::string Format(const Variant& value, std::string_view pattern);

}  // namespace vb
