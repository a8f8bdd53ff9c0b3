//===- Adicionales.h - The four schedules' answers, boxes and buttons ----===//
//
// Each schedule of additional information has a Yes/No answer (stored as
// box 896 to 899), a kind in the work table ("01" to "04") and the buttons
// that open its lists. A button opens the schedule list window for the key
// kind & index in two digits & "*", with the fixed movement of its line,
// the caption of its label (cut where the label runs on) and the help topic.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string_view>

#include "return/Frm0917.h"

namespace app {

/// The movement a schedule's rows must take, by button.
enum class Movimiento : std::uint8_t {
  Libre,         // the user chooses it
  UnoEnPrimero,  // "01" for button 1, the user chooses it for the others
  Indice,        // the button's index in two digits
};

struct Adicional {
  std::int16_t Casilla;
  forms::ControlArray<forms::OptionButton> Frm0917::*Respuesta;
  std::string_view Tipo;
  forms::ControlArray<forms::CommandButton> Frm0917::*Botones;
  forms::ControlArray<forms::Label> Frm0917::*Etiquetas;
  Movimiento Fijo;
  /// The button whose label is cut for the frame caption (0: none), and the characters kept.
  int IndiceCorto;
  long LargoCorto;
  long TemaAyuda;
};

inline constexpr Adicional kAdicionales[] = {
    {896, &Frm0917::OptAdicionalBancarias, "01", &Frm0917::CmdCtasBancarias, &Frm0917::LblCtasBancarias,
     Movimiento::Libre, 0, 0, 1045},
    {897, &Frm0917::OptEgresos, "02", &Frm0917::CmdEgresos, &Frm0917::LblEgresos, Movimiento::Libre, 3, 46, 1038},
    {898, &Frm0917::OptIngresos, "03", &Frm0917::CmdIngresos, &Frm0917::LblIngresos, Movimiento::UnoEnPrimero, 3,
     33, 1072},
    {899, &Frm0917::OptPrestamos, "04", &Frm0917::CmdPrestamo, &Frm0917::LblPrestamos, Movimiento::Indice, 0, 0,
     1062},
};

}  // namespace app
