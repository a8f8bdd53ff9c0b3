#include "platform/forms/MaskEdBox.h"

#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace forms {
namespace {

constexpr char32_t kPrompt = U'_';

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

MaskEdBox::MaskEdBox(Form* form, std::string name, int index) : Control(form, std::move(name), index) {
  SetBackColor(vbWindowBackground);
  SetForeColor(vbWindowText);
}

bool MaskEdBox::IsDigitPlace(long position) const {
  return position >= 0 && position < static_cast<long>(MaskPoints_.size()) &&
         MaskPoints_[static_cast<std::size_t>(position)] == U'#';
}

void MaskEdBox::SetMask(std::string_view mask) {
  Mask_ = std::string(mask);
  MaskPoints_ = vb::ToCodePoints(mask);
  std::u32string empty = MaskPoints_;
  for (char32_t& c : empty) {
    if (c == U'#') c = kPrompt;
  }
  Buffer_.SetText(vb::FromCodePoints(empty));
  Changed(Property::Mask);
  Changed(Property::Text);
}

void MaskEdBox::SetText(std::string_view text) {
  if (!MaskPoints_.empty()) {
    std::u32string points = vb::ToCodePoints(text);
    if (points.empty()) {
      SetMask(Mask_);
      Change();
      return;
    }
    if (points.size() != MaskPoints_.size()) vb::Raise(vb::ErrInvalidProperty);
    for (std::size_t i = 0; i < points.size(); ++i) {
      bool ok = MaskPoints_[i] == U'#' ? (IsDigit(points[i]) || points[i] == kPrompt) : points[i] == MaskPoints_[i];
      if (!ok) vb::Raise(vb::ErrInvalidProperty);
    }
  }
  Buffer_.SetText(text);
  Edited();
}

std::string MaskEdBox::ClipText() const {
  if (MaskPoints_.empty()) return Buffer_.Text();
  std::u32string out;
  std::u32string points = vb::ToCodePoints(Buffer_.Text());
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (MaskPoints_[i] == U'#' && points[i] != kPrompt) out += points[i];
  }
  return vb::FromCodePoints(out);
}

void MaskEdBox::SetSelStart(long start) {
  if (start < 0) vb::Raise(vb::ErrInvalidProperty);
  Buffer_.SetSelStart(start);
  Changed(Property::Selection);
}

long MaskEdBox::MaxLength() const { return static_cast<long>(MaskPoints_.size()); }

void MaskEdBox::SetLocked(bool locked) {
  Locked_ = locked;
  Changed(Property::Locked);
}

void MaskEdBox::Edited() {
  Changed(Property::Text);
  Changed(Property::Selection);
  Change();
}

void MaskEdBox::Put(long position, char32_t c, long caret) {
  std::u32string points = vb::ToCodePoints(Buffer_.Text());
  points[static_cast<std::size_t>(position)] = c;
  Buffer_.SetText(vb::FromCodePoints(points));
  Buffer_.SetSelStart(caret);
  Edited();
}

void MaskEdBox::DefaultKeyDown(int keyCode, int /*shift*/) {
  long caret = Buffer_.SelStart();
  switch (keyCode) {
    case vbKeyLeft: Buffer_.SetSelStart(caret - 1 < 0 ? 0 : caret - 1); break;
    case vbKeyRight: Buffer_.SetSelStart(caret + 1); break;
    case vbKeyHome: Buffer_.SetSelStart(0); break;
    case vbKeyEnd: Buffer_.SetSelStart(Buffer_.Length()); break;
    case vbKeyDelete:
      if (Locked_) return;
      if (MaskPoints_.empty()) {
        if (Buffer_.Delete()) Edited();
        return;
      }
      for (long p = caret; p < MaxLength(); ++p) {
        if (IsDigitPlace(p)) {
          Put(p, kPrompt, caret);
          return;
        }
      }
      return;
    default: return;
  }
  Changed(Property::Selection);
}

void MaskEdBox::DefaultKeyPress(int keyAscii) {
  if (Locked_ || keyAscii < 0 || keyAscii > 255) return;
  long caret = Buffer_.SelStart();
  if (MaskPoints_.empty()) {
    bool changed = keyAscii == vbKeyBack ? Buffer_.Backspace() : keyAscii >= 32 && Buffer_.Type(vb::Chr(keyAscii));
    if (changed) Edited();
    return;
  }
  if (keyAscii == vbKeyBack) {
    for (long p = caret - 1; p >= 0; --p) {
      if (IsDigitPlace(p)) {
        Put(p, kPrompt, p);
        return;
      }
    }
    return;
  }
  if (!IsDigit(static_cast<char32_t>(keyAscii))) return;
  for (long p = caret; p < MaxLength(); ++p) {
    if (!IsDigitPlace(p)) continue;
    long next = p + 1;
    while (next < MaxLength() && !IsDigitPlace(next)) ++next;
    Put(p, static_cast<char32_t>(keyAscii), next);
    return;
  }
}

void MaskEdBox::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& box = static_cast<const MaskEdBox&>(other);
  Mask_ = box.Mask_;
  MaskPoints_ = box.MaskPoints_;
  Buffer_.SetText(box.Text());
  Locked_ = box.Locked_;
}

}  // namespace forms
