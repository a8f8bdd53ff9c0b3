#include "platform/forms/CommandButton.h"

#include "platform/forms/Constants.h"
#include "platform/forms/Form.h"

namespace forms {

void CommandButton::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

void CommandButton::SetDefault(bool isDefault) {
  if (isDefault) {
    for (Control* c : Parent().Controls()) {
      auto* other = dynamic_cast<CommandButton*>(c);
      if (other != nullptr && other != this && other->Default_) other->SetDefault(false);
    }
  }
  Default_ = isDefault;
  Changed(Property::Default);
}

void CommandButton::SetCancel(bool isCancel) {
  if (isCancel) {
    for (Control* c : Parent().Controls()) {
      auto* other = dynamic_cast<CommandButton*>(c);
      if (other != nullptr && other != this && other->Cancel_) other->SetCancel(false);
    }
  }
  Cancel_ = isCancel;
  Changed(Property::Cancel);
}

void CommandButton::DefaultKeyPress(int keyAscii) {
  if (keyAscii == vbKeyReturn || keyAscii == ' ') Click();
}

void CommandButton::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  Caption_ = static_cast<const CommandButton&>(other).Caption_;
}

}  // namespace forms
