#include "platform/forms/TextBox.h"

#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace forms {

TextBox::TextBox(Form* form, std::string name, int index) : Control(form, std::move(name), index) {
  SetBackColor(vbWindowBackground);
  SetForeColor(vbWindowText);
}

void TextBox::SetText(std::string_view text) {
  Buffer_.SetText(text);
  Edited();
}

void TextBox::SetSelStart(long start) {
  if (start < 0) vb::Raise(vb::ErrInvalidProperty);
  Buffer_.SetSelStart(start);
  CaretMoved();
}

void TextBox::SetSelLength(long length) {
  if (length < 0) vb::Raise(vb::ErrInvalidProperty);
  Buffer_.SetSelLength(length);
  CaretMoved();
}

void TextBox::SetSelText(std::string_view text) {
  Buffer_.ReplaceSelection(text);
  Edited();
}

void TextBox::SetMaxLength(long length) {
  if (length < 0) vb::Raise(vb::ErrInvalidProperty);
  Buffer_.SetMaxLength(length);
  Changed(Property::MaxLength);
}

void TextBox::SetAlignment(int alignment) {
  if (alignment < vbLeftJustify || alignment > vbCenter) vb::Raise(vb::ErrInvalidProperty);
  Alignment_ = alignment;
  Changed(Property::Alignment);
}

void TextBox::SetLocked(bool locked) {
  Locked_ = locked;
  Changed(Property::Locked);
}

void TextBox::Edited() {
  Changed(Property::Text);
  Changed(Property::Selection);
  Change();
}

void TextBox::CaretMoved() { Changed(Property::Selection); }

void TextBox::PasteClipboard() {
  if (Locked_ || RefusesPaste_) return;
  std::string text = Application::Current().Clipboard().GetText();
  if (!MultiLine_) text = text.substr(0, text.find_first_of("\r\n"));
  if (text.empty()) return;
  if (Buffer_.Type(text, true)) Edited();
}

void TextBox::DefaultKeyDown(int keyCode, int shift) {
  long caret = Buffer_.SelStart();
  switch (keyCode) {
    case vbKeyLeft: Buffer_.SetSelStart(caret > 0 ? caret - 1 : 0); CaretMoved(); break;
    case vbKeyRight: Buffer_.SetSelStart(caret + (Buffer_.SelLength() > 0 ? Buffer_.SelLength() : 1)); CaretMoved(); break;
    case vbKeyHome: Buffer_.SetSelStart(0); CaretMoved(); break;
    case vbKeyEnd: Buffer_.SetSelStart(Buffer_.Length()); CaretMoved(); break;
    case vbKeyDelete:
      if (!Locked_ && Buffer_.Delete()) Edited();
      break;
    case vbKeyInsert:
      if (shift == vbShiftMask) PasteClipboard();
      break;
    default: break;
  }
}

void TextBox::DefaultKeyPress(int keyAscii) {
  if (Locked_) return;
  if (keyAscii == vbKeyBack) {
    if (Buffer_.Backspace()) Edited();
    return;
  }
  if (keyAscii == 22) {  // Ctrl+V
    PasteClipboard();
    return;
  }
  if (keyAscii == vbKeyReturn) {
    if (MultiLine_ && Buffer_.Type("\r\n")) Edited();
    return;
  }
  if (keyAscii < 32 || keyAscii > 255) return;
  if (Buffer_.Type(vb::Chr(keyAscii))) Edited();
}

void TextBox::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& box = static_cast<const TextBox&>(other);
  Buffer_.SetText(box.Text());
  Buffer_.SetMaxLength(box.MaxLength());
  Alignment_ = box.Alignment_;
  Locked_ = box.Locked_;
  MultiLine_ = box.MultiLine_;
  RefusesPaste_ = box.RefusesPaste_;
}

}  // namespace forms
