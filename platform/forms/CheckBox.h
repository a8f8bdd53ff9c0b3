//===- CheckBox.h - A check box -------------------------------------------===//
//
// Value is vbUnchecked, vbChecked or vbGrayed; setting a different value
// raises Click, by code as by the user (a click or the space bar toggles:
// checked becomes unchecked, anything else checked). Events: Click,
// GotFocus, LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class CheckBox : public Control {
 public:
  CheckBox(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "CheckBox"; }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  int Value() const { return Value_; }
  /// Error 380 outside 0-2.
  void SetValue(int value);

  bool TakesFocus() const override { return true; }

 protected:
  void UserClick() override;
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  std::string Caption_;
  int Value_ = 0;
};

}  // namespace forms
