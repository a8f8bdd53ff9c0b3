#include "platform/forms/OptionButton.h"

#include "platform/forms/Form.h"

namespace forms {

void OptionButton::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

bool OptionButton::Choose() {
  if (Value_) return false;
  for (Control* c : Parent().Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c);
    if (other != nullptr && other != this && other->Container() == Container() && other->Value_) {
      other->Value_ = false;
      other->Changed(Property::Value);
    }
  }
  Value_ = true;
  Changed(Property::Value);
  return true;
}

void OptionButton::SetValue(bool value) {
  if (value) {
    if (Choose()) Click();
    return;
  }
  if (!Value_) return;
  Value_ = false;
  Changed(Property::Value);
}

bool OptionButton::SkipsTab() const {
  if (Value_) return false;
  for (Control* c : Parent().Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c);
    if (other != nullptr && other != this && other->Container() == Container() && other->Value_) return true;
  }
  return false;
}

void OptionButton::UserClick() {
  Choose();
  Click();
}

void OptionButton::DefaultKeyPress(int keyAscii) {
  if (keyAscii == ' ' && Choose()) Click();
}

void OptionButton::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  Caption_ = static_cast<const OptionButton&>(other).Caption_;
}

}  // namespace forms
