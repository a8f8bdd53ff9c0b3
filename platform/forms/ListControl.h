//===- ListControl.h - The list that combo boxes and list boxes share -----===//
//
// Items are texts with a number each (ItemData), indexed from 0; ListIndex
// is the selected item, -1 for none. Setting ListIndex raises Click, nested,
// whenever the selection changes (to -1 as well), by code as by the user;
// adding, removing and clearing items raise nothing (a removed selected item
// leaves no selection). Up, Down, Home and End move the selection.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace forms {

class ListControl : public Control {
 public:
  using Control::Control;

  /// Adds an item at the end, or before `index`; error 5 for an index outside 0-ListCount.
  void AddItem(std::string_view item, int index = -1);
  /// Error 5 for an index outside the list.
  void RemoveItem(int index);
  void Clear();
  /// The item's text; "" past the end; error 381 for a negative index.
  std::string List(int index) const;
  /// Error 381 outside the list.
  void SetList(int index, std::string_view text);
  int ListCount() const { return static_cast<int>(Items_.size()); }
  int ListIndex() const { return ListIndex_; }
  /// Error 380 outside -1 to ListCount - 1.
  void SetListIndex(int index);
  /// Error 381 outside the list.
  long ItemData(int index) const;
  void SetItemData(int index, long data);
  /// The index of the item added last, -1 before any.
  int NewIndex() const { return NewIndex_; }

  bool TakesFocus() const override { return true; }

 protected:
  /// The selection changed: kinds keep their text in step, before Click.
  virtual void SelectionChanged() {}
  void DefaultKeyDown(int keyCode, int shift) override;
  void CopyPropertiesFrom(const Control& other) override;
  /// The first item after the selection whose text starts with `c`, any case; -1 for none.
  int NextStartingWith(char32_t c) const;
  /// Sets the selection without Click.
  void SelectQuietly(int index);

 private:
  friend class Input;
  void CheckIndex(int index) const;

  std::vector<std::string> Items_;
  std::vector<long> Data_;
  int ListIndex_ = -1;
  int NewIndex_ = -1;
};

}  // namespace forms
