//===- CommandButton.h - A command button ---------------------------------===//
//
// Enter on the window clicks the Default button and Escape the Cancel
// button (see Input.h); one button of a window is the default at most, and
// one the cancel button. With the focus on the button, Enter or the space
// bar clicks it. Events: Click, GotFocus, LostFocus, KeyDown, KeyPress,
// KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class CommandButton : public Control {
 public:
  CommandButton(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "CommandButton"; }

  /// The text; "&" marks the access letter.
  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  /// Setting it clears it on the window's other buttons.
  bool Default() const { return Default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return Cancel_; }
  void SetCancel(bool isCancel);

  bool TakesFocus() const override { return true; }

 protected:
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  std::string Caption_;
  bool Default_ = false;
  bool Cancel_ = false;
};

}  // namespace forms
