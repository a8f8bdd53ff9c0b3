//===- HScrollBar.h - A horizontal scroll bar -----------------------------===//
//
// Value runs from Min to Max (error 380 outside); a new value raises Change,
// by code as by the user; dragging the thumb raises Scroll first. Left and
// Right move it by SmallChange. Events: Change, Scroll, GotFocus, LostFocus,
// KeyDown, KeyPress, KeyUp.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class HScrollBar : public Control {
 public:
  HScrollBar(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "HScrollBar"; }

  int Value() const { return Value_; }
  void SetValue(int value);
  int Min() const { return Min_; }
  int Max() const { return Max_; }
  /// Sets both ends; the value is brought inside them (raising Change when it moves).
  void SetRange(int min, int max);
  int SmallChange() const { return SmallChange_; }
  void SetSmallChange(int step);
  int LargeChange() const { return LargeChange_; }
  void SetLargeChange(int step);

  Event<> Change;
  Event<> Scroll;

  bool TakesFocus() const override { return true; }

 protected:
  void DefaultKeyDown(int keyCode, int shift) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  int Value_ = 0;
  int Min_ = 0;
  int Max_ = 32767;
  int SmallChange_ = 1;
  int LargeChange_ = 1;
};

}  // namespace forms
