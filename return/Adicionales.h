//===- Adicionales.h - The four schedules' answers, boxes and buttons ----===//
//
// Each schedule of additional information has a Yes/No answer (stored as
// box 896 to 899), a kind in the work table ("01" to "04") and the buttons
// that open its lists.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string_view>

#include "return/Frm0917.h"

namespace app {

struct Adicional {
  std::int16_t Casilla;
  forms::ControlArray<forms::OptionButton> Frm0917::*Respuesta;
  std::string_view Tipo;
  forms::ControlArray<forms::CommandButton> Frm0917::*Botones;
};

inline constexpr Adicional kAdicionales[] = {
    {896, &Frm0917::OptAdicionalBancarias, "01", &Frm0917::CmdCtasBancarias},
    {897, &Frm0917::OptEgresos, "02", &Frm0917::CmdEgresos},
    {898, &Frm0917::OptIngresos, "03", &Frm0917::CmdIngresos},
    {899, &Frm0917::OptPrestamos, "04", &Frm0917::CmdPrestamo},
};

}  // namespace app
