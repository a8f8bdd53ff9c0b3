//===- Label.h - A label: a caption beside other controls -----------------===//
//
// It never takes the focus; Alt and the access letter its caption marks put
// the focus on the control after it in tab order (Form.h). Events: Click,
// DblClick, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class Label : public Control {
 public:
  Label(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Label"; }

  /// The text; "&" marks the access letter.
  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  /// vbLeftJustify, vbRightJustify or vbCenter; error 380 otherwise.
  int Alignment() const { return Alignment_; }
  void SetAlignment(int alignment);

 protected:
  void CopyPropertiesFrom(const Control& other) override;

 private:
  std::string Caption_;
  int Alignment_ = 0;
};

}  // namespace forms
