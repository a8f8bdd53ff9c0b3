#include "platform/forms/HScrollBar.h"

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"

namespace forms {

void HScrollBar::SetValue(int value) {
  if (value < std::min(Min_, Max_) || value > std::max(Min_, Max_)) vb::Raise(vb::ErrInvalidProperty);
  if (value == Value_) return;
  Value_ = value;
  Changed(Property::Value);
  Change();
}

void HScrollBar::SetRange(int min, int max) {
  Min_ = min;
  Max_ = max;
  Changed(Property::Range);
  SetValue(std::clamp(Value_, std::min(min, max), std::max(min, max)));
}

void HScrollBar::SetSmallChange(int step) {
  if (step < 1) vb::Raise(vb::ErrInvalidProperty);
  SmallChange_ = step;
  Changed(Property::Range);
}

void HScrollBar::SetLargeChange(int step) {
  if (step < 1) vb::Raise(vb::ErrInvalidProperty);
  LargeChange_ = step;
  Changed(Property::Range);
}

void HScrollBar::DefaultKeyDown(int keyCode, int /*shift*/) {
  int step = keyCode == vbKeyLeft ? -SmallChange_ : keyCode == vbKeyRight ? SmallChange_ : 0;
  if (step == 0) return;
  SetValue(std::clamp(Value_ + step, std::min(Min_, Max_), std::max(Min_, Max_)));
}

void HScrollBar::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& bar = static_cast<const HScrollBar&>(other);
  Value_ = bar.Value_;
  Min_ = bar.Min_;
  Max_ = bar.Max_;
  SmallChange_ = bar.SmallChange_;
  LargeChange_ = bar.LargeChange_;
}

}  // namespace forms
