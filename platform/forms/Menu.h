//===- Menu.h - A menu or menu item of a window's menu bar ----------------===//
//
// A top menu sits on the window; an item goes under its menu with
// SetContainer(menu). Items keep their creation order. The caption "-" makes
// a separator; "&" marks the access letter. An item the user can choose is
// enabled and visible, it and its menus. Events: Click.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <vector>

#include "platform/forms/Control.h"

namespace forms {

class Menu : public Control {
 public:
  Menu(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Menu"; }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption) {
    Caption_ = std::string(caption);
    Changed(Property::Caption);
  }
  bool Checked() const { return Checked_; }
  void SetChecked(bool checked) {
    Checked_ = checked;
    Changed(Property::Checked);
  }
  bool IsSeparator() const { return Caption_ == "-"; }
  /// The items directly under this menu, in creation order.
  std::vector<Menu*> Items() const;

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    const auto& menu = static_cast<const Menu&>(other);
    Caption_ = menu.Caption_;
    Checked_ = menu.Checked_;
  }

 private:
  std::string Caption_;
  bool Checked_ = false;
};

/// The top menus of a window, in creation order.
std::vector<Menu*> MenuBar(const Form& form);

}  // namespace forms
