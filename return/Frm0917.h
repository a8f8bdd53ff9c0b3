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

#include "platform/forms/Form.h"

namespace app {

class Frm0917 : public forms::Form {
 public:
  Frm0917();

  // --- return/: the window, its boxes, load, entry, groups and saving ---

  // --- computation/: the box formulas and the checks ---

  // --- schedules/: the storage of the return's schedules ---
};

}  // namespace app
