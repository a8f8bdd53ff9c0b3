// Box entry: a box shows its raw number while it has the focus, for editing,
// and its display form once the focus leaves it. Every rewrite is a change
// of the box, also when nothing was typed.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Familias.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::txtvalor_GotFocus(int Index) {
  forms::TextBox& caja = txtvalor(Index);
  const auto casilla = static_cast<std::int16_t>(Index);

  // The guards against a nested recomputation of boxes 200 and 201 start over.
  Reingreso200 = 0;
  Reingreso201 = 0;

  // A box that is switched off passes the focus on to the strip.
  if (caja.Locked()) {
    tab0584.SetFocus();
    return;
  }

  // A computed box shows its plain number.
  if (!caja.Enabled()) {
    caja.SetMaxLength(11);
    caja.SetText(vb::Format(vb::Variant(caja.Text()), "###########"));
    return;
  }

  if (!ConservaLargo(casilla)) caja.SetMaxLength(12);

  // Each family shows its raw text for editing.
  const std::string texto = caja.Text();
  switch (FamiliaDe(casilla)) {
    case Familia::Ingreso:
      if (!vb::Trim(texto).empty()) {
        caja.SetText(vb::NumberText(vb::Val(vb::Format(vb::Variant(texto), "##########"))));
      }
      break;
    case Familia::Deduccion:
      if (const std::optional<double> numero = vb::ParseNumber(texto)) {
        caja.SetText(vb::Format(vb::Variant(std::fabs(*numero)), "###########0"));
      }
      break;
    case Familia::Documento:
    case Familia::Texto811:
      break;
    case Familia::Ruc:
      caja.SetMaxLength(11);
      break;
    case Familia::Codigo:
      caja.SetMaxLength(1);
      break;
    case Familia::Texto890:
    case Familia::Desglose:
    case Familia::Otra:
      if (!vb::Trim(texto).empty()) caja.SetText(vb::Format(vb::Variant(texto), "###########0"));
      break;
  }
}

void Frm0917::txtvalor_LostFocus(int Index) {
  forms::TextBox& caja = txtvalor(Index);
  const auto casilla = static_cast<std::int16_t>(Index);

  if (caja.Locked()) return;

  // A computed box; the sent return being registered shows its stored texts.
  if (!caja.Enabled()) {
    caja.SetMaxLength(14);
    if (!EnRegistro()) caja.SetText(vb::Format(vb::Variant(caja.Text()), "##,###,###,##0;(##,###,###,##0)"));
    return;
  }

  // Each family shows its display form.
  const std::string texto = caja.Text();
  switch (FamiliaDe(casilla)) {
    case Familia::Ingreso:
      caja.SetMaxLength(17);
      if (!vb::Trim(texto).empty()) {
        caja.SetText(vb::Format(vb::Variant(std::fabs(vb::Val(texto))), "#,###,###,##0"));
      }
      if (casilla == 107 || casilla == 108) {
        if (Vale(107) > 0 || Vale(108) > 0) {
          HabCuarta();
        } else {
          DesCuarta();
        }
      }
      break;
    case Familia::Deduccion:
      caja.SetMaxLength(17);
      if (const std::string t = vb::Trim(texto); !t.empty() && t != "0") {
        caja.SetText(vb::Format(vb::Variant(texto), "(#,###,###,##0)"));
      }
      break;
    case Familia::Documento:
    case Familia::Texto811:
    case Familia::Texto890:
      break;
    case Familia::Ruc:
      caja.SetMaxLength(11);
      break;
    case Familia::Codigo:
      caja.SetMaxLength(1);
      break;
    case Familia::Desglose:
    case Familia::Otra:
      caja.SetMaxLength(15);
      if (!vb::Trim(texto).empty()) caja.SetText(vb::Format(vb::Variant(vb::Val(texto)), "###,###,###,##0"));
      break;
  }
}

}  // namespace app
