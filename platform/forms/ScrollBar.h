//===- ScrollBar.h - What the horizontal and vertical scroll bars share ---===//
//
// Value runs from Min to Max (error 380 outside); a new value raises Change,
// by code as by the user; dragging the thumb raises Scroll first. The two
// arrow keys along the bar move it by SmallChange. Events: Change, Scroll,
// GotFocus, LostFocus, KeyDown, KeyPress, KeyUp.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class ScrollBar : public Control {
 public:
  int Value() const { return Value_; }
  void SetValue(int value);
  int Min() const { return Min_; }
  int Max() const { return Max_; }
  /// Sets both ends; the value is brought inside them (raising Change when it
  /// moves).
  void SetRange(int min, int max);
  int SmallChange() const { return SmallChange_; }
  void SetSmallChange(int step);
  int LargeChange() const { return LargeChange_; }
  void SetLargeChange(int step);

  Event<> Change;
  Event<> Scroll;

  bool TakesFocus() const override { return true; }

 protected:
  /// A bar whose arrow keys `lessKey` and `moreKey` move it down and up.
  ScrollBar(Form* form, std::string name, int index, int lessKey, int moreKey)
      : Control(form, std::move(name), index), LessKey_(lessKey), MoreKey_(moreKey) {}

  void DefaultKeyDown(int keyCode, int shift) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  int LessKey_;
  int MoreKey_;
  int Value_ = 0;
  int Min_ = 0;
  int Max_ = 32767;
  int SmallChange_ = 1;
  int LargeChange_ = 1;
};

}  // namespace forms
