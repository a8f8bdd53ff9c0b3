//===- Frm0917.h - The return form: one return of form 917 ---------------===//
//
// One window whose members belong to three folders: return/ holds the
// window itself (its boxes, load, entry, groups and saving), computation/
// its formulas and checks, schedules/ the storage of its schedules. The
// class is declared here once, its members grouped by the folder that
// defines them; the three folders feed one library.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

#include "platform/forms/Form.h"

namespace app {

/// The return form's caption: the form number, the product family, the tax
/// year and the kind of taxpayer. It titles every message of the form, and
/// the printed list of inconsistencies derives its title from it.
inline constexpr std::string_view kTituloFrm0917 = "Formulario 917 QBX Renta Anual 2002 Personas Naturales ";

class Frm0917 : public forms::Form {
 public:
  Frm0917();

  // --- return/: the window, its boxes, load, entry, groups and saving ---

  // --- computation/: the box formulas and the checks ---

  // --- schedules/: the storage of the return's schedules ---
};

}  // namespace app
