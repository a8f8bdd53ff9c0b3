#include "platform/forms/ScrollBar.h"

#include <algorithm>

#include "platform/text/Error.h"

namespace forms {

void ScrollBar::SetValue(int value) {
  if (value < std::min(Min_, Max_) || value > std::max(Min_, Max_)) vb::Raise(vb::ErrInvalidProperty);
  if (value == Value_) return;
  Value_ = value;
  Changed(Property::Value);
  Change();
}

void ScrollBar::SetRange(int min, int max) {
  Min_ = min;
  Max_ = max;
  Changed(Property::Range);
  SetValue(std::clamp(Value_, std::min(min, max), std::max(min, max)));
}

void ScrollBar::SetSmallChange(int step) {
  if (step < 1) vb::Raise(vb::ErrInvalidProperty);
  SmallChange_ = step;
  Changed(Property::Range);
}

void ScrollBar::SetLargeChange(int step) {
  if (step < 1) vb::Raise(vb::ErrInvalidProperty);
  LargeChange_ = step;
  Changed(Property::Range);
}

void ScrollBar::DefaultKeyDown(int keyCode, int /*shift*/) {
  int step = keyCode == LessKey_ ? -SmallChange_ : keyCode == MoreKey_ ? SmallChange_ : 0;
  if (step == 0) return;
  SetValue(std::clamp(Value_ + step, std::min(Min_, Max_), std::max(Min_, Max_)));
}

void ScrollBar::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& bar = static_cast<const ScrollBar&>(other);
  Value_ = bar.Value_;
  Min_ = bar.Min_;
  Max_ = bar.Max_;
  SmallChange_ = bar.SmallChange_;
  LargeChange_ = bar.LargeChange_;
}

}  // namespace forms
