//===- TabControl.h - A strip of tab pages holding controls ---------------===//
//
// Controls go on a page with SetContainer(tabs, page); those of other pages
// keep their values but cannot be reached (Tab passes them, clicks do not
// reach them). Tabs is the number of usable pages: lowering it leaves the
// pages beyond it, their captions and controls in place but out of reach
// (raising it brings them back). Setting Tab to another page raises
// Click(PreviousTab) at once, by code as by the user; the user reaches only
// enabled pages. Strips nest: a tab control may sit on a page of another.
// It takes the focus; Left and Right move to the neighbouring enabled page.
// Events: Click(PreviousTab), GotFocus, LostFocus, KeyDown, KeyPress,
// KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace forms {

class TabControl : public Control {
 public:
  TabControl(Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "TabControl"; }

  /// The current page, from 0.
  int Tab() const { return Tab_; }
  /// Error 380 outside 0 to Tabs - 1.
  void SetTab(int tab);
  int Tabs() const { return Tabs_; }
  /// Error 380 below 1.
  void SetTabs(int count);
  /// Error 380 for a page that was never made.
  bool TabEnabled(int tab) const;
  void SetTabEnabled(int tab, bool enabled);
  const std::string& TabCaption(int tab) const;
  void SetTabCaption(int tab, std::string_view caption);

  /// Click(PreviousTab); it hides the click every control has.
  Event<int> Click;

  bool TakesFocus() const override { return true; }

 protected:
  void UserClick() override {}
  void DefaultKeyDown(int keyCode, int shift) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  friend class Input;
  void CheckPage(int tab) const;
  /// The user picks `tab`: only a usable, enabled page.
  bool UserSelect(int tab);

  int Tab_ = 0;
  int Tabs_ = 3;
  std::vector<std::string> Captions_;
  std::vector<bool> Enabled_;
};

}  // namespace forms
