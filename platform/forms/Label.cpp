#include "platform/forms/Label.h"

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"

namespace forms {

void Label::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

void Label::SetAlignment(int alignment) {
  if (alignment < vbLeftJustify || alignment > vbCenter) vb::Raise(vb::ErrInvalidProperty);
  Alignment_ = alignment;
  Changed(Property::Alignment);
}

void Label::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& label = static_cast<const Label&>(other);
  Caption_ = label.Caption_;
  Alignment_ = label.Alignment_;
}

}  // namespace forms
