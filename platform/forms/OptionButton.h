//===- OptionButton.h - An option button of a group -----------------------===//
//
// The option buttons with the same container (the window, a frame, a
// picture box, a tab control) form a group with at most one chosen; a group
// may have none. Setting Value to True chooses the button, clears the
// others and raises Click, only when the button was not chosen already;
// setting it to False clears it without an event. A user's click chooses
// the button and raises Click, also when it was chosen. Tab reaches only
// the chosen button of a group that has one. Events: Click, DblClick,
// GotFocus, LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class OptionButton : public Control {
 public:
  OptionButton(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "OptionButton"; }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  bool Value() const { return Value_; }
  void SetValue(bool value);

  bool TakesFocus() const override { return true; }
  bool SkipsTab() const override;

 protected:
  void UserClick() override;
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  /// Chooses this button and clears the rest of its group; false when it was chosen.
  bool Choose();
  /// The other chosen button of this one's group, if any.
  OptionButton* ChosenOther() const;

  std::string Caption_;
  bool Value_ = false;
};

}  // namespace forms
