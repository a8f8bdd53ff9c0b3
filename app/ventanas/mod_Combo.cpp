#include "app/ventanas/mod_Combo.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/text/Strings.h"

namespace mod_Combo {

std::int32_t AnchoLetra(forms::Form& /*forma*/) {
  constexpr std::string_view kLetras = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  return static_cast<std::int32_t>(forms::StockFontTextWidth(kLetras)) / 52;
}

void AjustaCombo(forms::Form& forma, forms::ComboBox& combo) {
  std::int32_t masLargo = 0;
  for (int i = 0; i < combo.ListCount(); ++i) {
    masLargo = std::max(masLargo, static_cast<std::int32_t>(vb::Len(combo.List(i))));
  }
  combo.SetDroppedWidth((masLargo - 2) * AnchoLetra(forma));
}

void AnchoCombo(forms::Form& forma, forms::ComboBox& combo, std::int16_t& largo) {
  combo.SetDroppedWidth((static_cast<std::int32_t>(largo) - 2) * AnchoLetra(forma));
}

}  // namespace mod_Combo
