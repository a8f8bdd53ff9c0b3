//===- MDIForm.h - The program's main window as a multiple-document frame -===//
#pragma once

#include "platform/forms/Form.h"

namespace forms {

/// The frame of the program's child windows (forms with MDIChild set): it
/// tracks the child that is active. Unloading it asks each loaded child
/// first (QueryUnload with vbFormMDIForm) and unloads them before itself.
class MDIForm : public Form {
 public:
  using Form::Form;
  /// The active child window, or nullptr when none is shown.
  Form* ActiveForm() const { return ActiveChild_; }

 private:
  friend class Application;
  Form* ActiveChild_ = nullptr;
};

}  // namespace forms
