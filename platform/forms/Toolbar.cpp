#include "platform/forms/Toolbar.h"

#include "platform/text/Error.h"

namespace forms {

void ToolbarButton::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Owner_.ButtonChanged();
}

void ToolbarButton::SetImage(int image) {
  Image_ = image;
  Owner_.ButtonChanged();
}

void ToolbarButton::SetStyle(int style) {
  if (style != tbrDefault && style != tbrSeparator) vb::Raise(vb::ErrInvalidProperty);
  Style_ = style;
  Owner_.ButtonChanged();
}

void ToolbarButton::SetToolTipText(std::string_view text) {
  ToolTipText_ = std::string(text);
  Owner_.ButtonChanged();
}

void ToolbarButton::SetEnabled(bool enabled) {
  Enabled_ = enabled;
  Owner_.ButtonChanged();
}

void ToolbarButton::SetVisible(bool visible) {
  Visible_ = visible;
  Owner_.ButtonChanged();
}

ToolbarButton& Toolbar::AddButton(std::string_view caption, int image, int style) {
  Buttons_.push_back(std::make_unique<ToolbarButton>(*this, ButtonCount() + 1));
  ToolbarButton& button = *Buttons_.back();
  button.SetCaption(caption);
  button.SetImage(image);
  button.SetStyle(style);
  return button;
}

ToolbarButton& Toolbar::Buttons(int index) const {
  if (index < 1 || index > ButtonCount()) vb::Raise(vb::ErrSubscript);
  return *Buttons_[static_cast<std::size_t>(index - 1)];
}

void Toolbar::SetImageList(ImageList* images) {
  Images_ = images;
  Changed(Property::Buttons);
}

bool Toolbar::UserClickButton(int index) {
  if (index < 1 || index > ButtonCount()) return false;
  ToolbarButton& button = Buttons(index);
  if (!button.Enabled() || !button.Visible()) return false;
  if (button.Style() != tbrSeparator) ButtonClick(button);
  return true;
}

}  // namespace forms
