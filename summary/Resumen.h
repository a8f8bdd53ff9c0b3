//===- Resumen.h - What both summaries share: numbers, dates, answers ---===//
//
// The plain text and the page-command summary show the same values: amounts
// right-aligned to a width after one blank, today's date and the moment
// "dd/mm/yyyy" and "hh:mm:ss" whatever the locale, and whether the return
// rectifies an earlier one.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace summary {

/// Appends to LineaActual one blank and `valor` written with `formato`,
/// right-aligned to `ancho` characters. At widths 15 and 16 a number longer
/// than that loses thousands separators: those over the width when it is
/// 17 to 19 characters long, five when 21 or more.
void FormateaNumero(double valor, std::string_view formato, std::int16_t ancho);

/// `texto` without its first `n` commas (all of them when it has fewer).
std::string QuitaNComas(std::string_view texto, int n);

/// An amount of a summary line: the box, its format and its width.
struct Importe {
  std::int16_t Casilla;
  std::string_view Formato;
  std::int16_t Ancho;
};

/// Appends each amount whose box holds a number through FormateaNumero; a
/// box that holds none adds nothing. Error 6, naming the box, for an amount
/// beyond a box's twelve digits.
void AgregaImportes(std::span<const Importe> importes);

/// True when box 871 says the return rectifies an earlier one: not blank and not "0".
bool EsRectificatoria();

/// Today "dd/mm/yyyy".
std::string FechaHoy();
/// The time of day "hh:mm:ss".
std::string HoraActual();

}  // namespace summary
