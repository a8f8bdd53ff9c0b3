#include "platform/forms/CheckBox.h"

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"

namespace forms {

void CheckBox::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

void CheckBox::SetValue(int value) {
  if (value < vbUnchecked || value > vbGrayed) vb::Raise(vb::ErrInvalidProperty);
  if (value == Value_) return;
  Value_ = value;
  Changed(Property::Value);
  Click();
}

void CheckBox::UserClick() { SetValue(Value_ == vbChecked ? vbUnchecked : vbChecked); }

void CheckBox::DefaultKeyPress(int keyAscii) {
  if (keyAscii == ' ') UserClick();
}

void CheckBox::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& box = static_cast<const CheckBox&>(other);
  Caption_ = box.Caption_;
  Value_ = box.Value_;
}

}  // namespace forms
