//===- mod_Combo.h - Widening a combo box's drop-down list to its items --===//
//
// Widths are in pixels of the stock variable-pitch font, whatever font the
// combo box or its window shows.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>

namespace forms {
class ComboBox;
class Form;
}  // namespace forms

namespace mod_Combo {

/// The average letter width in pixels of the stock variable-pitch font: the
/// width of the 52 letters A-Z a-z divided by 52, the remainder dropped.
std::int32_t AnchoLetra(forms::Form& forma);

/// Sets the drop-down width of `combo` to two letters less than its longest
/// item (negative for an empty list; the list is never narrower than the box).
void AjustaCombo(forms::Form& forma, forms::ComboBox& combo);

/// Sets the drop-down width of `combo` to `largo` - 2 letters.
void AnchoCombo(forms::Form& forma, forms::ComboBox& combo, std::int16_t& largo);

}  // namespace mod_Combo
