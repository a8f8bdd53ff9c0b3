// ModFuncionesGenerales: moving the focus on Enter and placing a window.
#include "app/ventanas/ModFuncionesGenerales.h"

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

namespace ModFuncionesGenerales {

void PasaTab(std::string& texto) {
  if (texto == "TAB") forms::SendKeys("{TAB}", false);
}

void PosicionaForm(forms::Form& forma, std::int16_t& Left, std::int16_t& Top, std::int16_t& Height,
                   std::int16_t& Width) {
  forma.SetWindowState(forms::vbNormal);
  forma.SetLeft(Left);
  forma.SetTop(Top);
  forma.SetHeight(Height);
  forma.SetWidth(Width);
}

}  // namespace ModFuncionesGenerales
