#include "platform/forms/ComboBox.h"

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace forms {

ComboBox::ComboBox(Form* form, std::string name, int index) : ListControl(form, std::move(name), index) {
  SetBackColor(vbWindowBackground);
  SetForeColor(vbWindowText);
}

void ComboBox::SetStyle(int style) {
  if (style != vbComboDropdown && style != vbComboDropdownList) vb::Raise(vb::ErrInvalidProperty);
  Style_ = style;
  Changed(Property::All);
}

std::string ComboBox::Text() const {
  if (Style_ == vbComboDropdown) return Buffer_.Text();
  return ListIndex() >= 0 ? List(ListIndex()) : std::string();
}

void ComboBox::SetText(std::string_view text) {
  int exact = -1;
  int anyCase = -1;
  for (int i = 0; i < ListCount(); ++i) {
    if (exact < 0 && List(i) == text) exact = i;
    if (anyCase < 0 && vb::UCase(List(i)) == vb::UCase(text)) anyCase = i;
  }
  if (Style_ == vbComboDropdownList) {
    int found = exact >= 0 ? exact : anyCase;
    if (found < 0) vb::Raise(383, "La propiedad 'Text' es de sólo lectura");
    SetListIndex(found);
    return;
  }
  Buffer_.SetText(text);
  if (exact != ListIndex()) {
    ListControl::SelectQuietly(exact);  // its SelectionChanged rewrites the same text
    Buffer_.SetText(text);
  }
  Edited();
}

void ComboBox::SetLocked(bool locked) {
  Locked_ = locked;
  Changed(Property::Locked);
}

long ComboBox::DroppedWidth() const { return std::max(DroppedWidth_, Width() / 15); }

void ComboBox::SetDroppedWidth(long pixels) {
  DroppedWidth_ = pixels;
  Changed(Property::DroppedWidth);
}

void ComboBox::SelectionChanged() {
  if (Style_ == vbComboDropdown && ListIndex() >= 0) Buffer_.SetText(List(ListIndex()));
  Changed(Property::Text);
}

void ComboBox::Edited() {
  Changed(Property::Text);
  Changed(Property::Selection);
  Change();
}

void ComboBox::DefaultKeyDown(int keyCode, int shift) {
  if (Locked_) return;
  if (Style_ == vbComboDropdown && keyCode == vbKeyDelete) {
    if (Buffer_.Delete()) {
      SelectQuietly(-1);
      Edited();
    }
    return;
  }
  ListControl::DefaultKeyDown(keyCode, shift);
}

void ComboBox::DefaultKeyPress(int keyAscii) {
  if (Locked_ || keyAscii < 0 || keyAscii > 255) return;
  if (Style_ == vbComboDropdownList) {
    if (keyAscii < 32) return;
    int found = NextStartingWith(vb::CodePointOf(static_cast<std::uint8_t>(keyAscii)));
    if (found >= 0) SetListIndex(found);
    return;
  }
  bool changed = keyAscii == vbKeyBack ? Buffer_.Backspace() : keyAscii >= 32 && Buffer_.Type(vb::Chr(keyAscii));
  if (!changed) return;
  std::string typed = Buffer_.Text();
  long caret = Buffer_.SelStart();
  SelectQuietly(-1);
  Buffer_.SetText(typed);
  Buffer_.SetSelStart(caret);
  Edited();
}

void ComboBox::CopyPropertiesFrom(const Control& other) {
  ListControl::CopyPropertiesFrom(other);
  const auto& box = static_cast<const ComboBox&>(other);
  Style_ = box.Style_;
  Locked_ = box.Locked_;
  DroppedWidth_ = box.DroppedWidth_;
}

}  // namespace forms
