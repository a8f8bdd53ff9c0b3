#include "platform/forms/ListControl.h"

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace forms {
namespace {

[[noreturn]] void RaiseBadIndex() { vb::Raise(381, "Índice de matriz de propiedades no válido"); }

}  // namespace

void ListControl::CheckIndex(int index) const {
  if (index < 0 || index >= ListCount()) RaiseBadIndex();
}

void ListControl::AddItem(std::string_view item, int index) {
  if (index == -1) index = ListCount();
  if (index < 0 || index > ListCount()) vb::Raise(vb::ErrInvalidCall);
  Items_.insert(Items_.begin() + index, std::string(item));
  Data_.insert(Data_.begin() + index, 0);
  NewIndex_ = index;
  if (ListIndex_ >= index) ++ListIndex_;
  Changed(Property::List);
}

void ListControl::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) vb::Raise(vb::ErrInvalidCall);
  Items_.erase(Items_.begin() + index);
  Data_.erase(Data_.begin() + index);
  if (ListIndex_ == index) {
    SelectQuietly(-1);
  } else if (ListIndex_ > index) {
    --ListIndex_;
  }
  Changed(Property::List);
}

void ListControl::Clear() {
  Items_.clear();
  Data_.clear();
  NewIndex_ = -1;
  SelectQuietly(-1);
  Changed(Property::List);
}

std::string ListControl::List(int index) const {
  if (index < 0) RaiseBadIndex();
  return index < ListCount() ? Items_[static_cast<std::size_t>(index)] : std::string();
}

void ListControl::SetList(int index, std::string_view text) {
  CheckIndex(index);
  Items_[static_cast<std::size_t>(index)] = std::string(text);
  Changed(Property::List);
  if (index == ListIndex_) SelectionChanged();
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) vb::Raise(vb::ErrInvalidProperty);
  if (index == ListIndex_) return;
  SelectQuietly(index);
  Click();
}

void ListControl::SelectQuietly(int index) {
  ListIndex_ = index;
  Changed(Property::ListIndex);
  SelectionChanged();
}

long ListControl::ItemData(int index) const {
  CheckIndex(index);
  return Data_[static_cast<std::size_t>(index)];
}

void ListControl::SetItemData(int index, long data) {
  CheckIndex(index);
  Data_[static_cast<std::size_t>(index)] = data;
  Changed(Property::List);
}

int ListControl::NextStartingWith(char32_t c) const {
  char32_t wanted = vb::UpperChar(c);
  int n = ListCount();
  for (int step = 1; step <= n; ++step) {
    int i = (ListIndex_ + step) % n;
    auto points = vb::ToCodePoints(Items_[static_cast<std::size_t>(i)]);
    if (!points.empty() && vb::UpperChar(points.front()) == wanted) return i;
  }
  return -1;
}

void ListControl::DefaultKeyDown(int keyCode, int /*shift*/) {
  if (ListCount() == 0) return;
  int to = ListIndex_;
  switch (keyCode) {
    case vbKeyUp: to = std::max(0, ListIndex_ - 1); break;
    case vbKeyDown: to = std::min(ListCount() - 1, ListIndex_ + 1); break;
    case vbKeyHome: to = 0; break;
    case vbKeyEnd: to = ListCount() - 1; break;
    default: return;
  }
  SetListIndex(to);
}

void ListControl::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& list = static_cast<const ListControl&>(other);
  Items_ = list.Items_;
  Data_ = list.Data_;
}

}  // namespace forms
