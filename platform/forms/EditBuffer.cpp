#include "platform/forms/EditBuffer.h"

#include <algorithm>

#include "platform/text/Strings.h"

namespace forms {

void EditBuffer::SetText(std::string_view text) {
  Text_ = std::string(text);
  Length_ = vb::Len(Text_);
  SelStart_ = 0;
  SelLength_ = 0;
}

void EditBuffer::SetSelStart(long start) {
  SelStart_ = std::clamp(start, 0L, Length_);
  SelLength_ = 0;
}

void EditBuffer::SetSelLength(long length) { SelLength_ = std::clamp(length, 0L, Length_ - SelStart_); }

std::string EditBuffer::SelText() const { return SelLength_ > 0 ? vb::Mid(Text_, SelStart_ + 1, SelLength_) : ""; }

void EditBuffer::ReplaceSelection(std::string_view text) {
  std::string before = vb::Left(Text_, SelStart_);
  std::string after = vb::Mid(Text_, SelStart_ + SelLength_ + 1);
  Text_ = before + std::string(text) + after;
  Length_ = vb::Len(Text_);
  SelStart_ += vb::Len(text);
  SelLength_ = 0;
}

bool EditBuffer::Type(std::string_view text, bool cut) {
  std::string typed(text);
  if (MaxLength_ > 0) {
    long room = MaxLength_ - (Length_ - SelLength_);
    if (vb::Len(typed) > room) {
      if (!cut || room <= 0) return false;
      typed = vb::Left(typed, room);
    }
  }
  if (typed.empty() && SelLength_ == 0) return false;
  ReplaceSelection(typed);
  return true;
}

bool EditBuffer::Backspace() {
  if (SelLength_ == 0) {
    if (SelStart_ == 0) return false;
    --SelStart_;
    SelLength_ = 1;
  }
  ReplaceSelection("");
  return true;
}

bool EditBuffer::Delete() {
  if (SelLength_ == 0) {
    if (SelStart_ >= Length_) return false;
    SelLength_ = 1;
  }
  ReplaceSelection("");
  return true;
}

}  // namespace forms
