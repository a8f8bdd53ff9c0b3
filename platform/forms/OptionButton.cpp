#include "platform/forms/OptionButton.h"

#include "platform/forms/Form.h"

namespace forms {

void OptionButton::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

bool OptionButton::Choose() {
  if (Value_) return false;
  while (OptionButton* other = ChosenOther()) {
    other->Value_ = false;
    other->Changed(Property::Value);
  }
  Value_ = true;
  Changed(Property::Value);
  return true;
}

OptionButton* OptionButton::ChosenOther() const {
  // A window holds hundreds of controls and its groups a few each: the
  // container is compared before the kind is asked.
  for (Control* c : Parent().Controls()) {
    if (c == this || c->Container() != Container()) continue;
    if (auto* other = dynamic_cast<OptionButton*>(c); other != nullptr && other->Value_) return other;
  }
  return nullptr;
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

bool OptionButton::SkipsTab() const { return !Value_ && ChosenOther() != nullptr; }

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
