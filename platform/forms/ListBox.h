//===- ListBox.h - A list box ---------------------------------------------===//
//
// A list always shown, one item selected at most (ListControl's rules).
// Events: Click, DblClick, GotFocus, LostFocus, KeyDown, KeyPress, KeyUp,
// MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/ListControl.h"

namespace forms {

class ListBox : public ListControl {
 public:
  ListBox(Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "ListBox"; }

  /// The selected item's text, "" for none.
  std::string Text() const { return ListIndex() >= 0 ? List(ListIndex()) : std::string(); }
};

}  // namespace forms
