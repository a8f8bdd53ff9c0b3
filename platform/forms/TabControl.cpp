#include "platform/forms/TabControl.h"

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"

namespace forms {

TabControl::TabControl(Form* form, std::string name, int index)
    : Control(form, std::move(name), index), Captions_(3), Enabled_(3, true) {}

void TabControl::CheckPage(int tab) const {
  if (tab < 0 || tab >= static_cast<int>(Captions_.size())) vb::Raise(vb::ErrInvalidProperty);
}

void TabControl::SetTab(int tab) {
  if (tab < 0 || tab >= Tabs_) vb::Raise(vb::ErrInvalidProperty);
  if (tab == Tab_) return;
  int previous = Tab_;
  Tab_ = tab;
  Changed(Property::Tab);
  Click(previous);
}

void TabControl::SetTabs(int count) {
  if (count < 1) vb::Raise(vb::ErrInvalidProperty);
  if (count > static_cast<int>(Captions_.size())) {
    Captions_.resize(static_cast<std::size_t>(count));
    Enabled_.resize(static_cast<std::size_t>(count), true);
  }
  Tabs_ = count;
  Changed(Property::Tabs);
  if (Tab_ >= Tabs_) SetTab(Tabs_ - 1);
}

bool TabControl::TabEnabled(int tab) const {
  CheckPage(tab);
  return Enabled_[static_cast<std::size_t>(tab)];
}

void TabControl::SetTabEnabled(int tab, bool enabled) {
  CheckPage(tab);
  Enabled_[static_cast<std::size_t>(tab)] = enabled;
  Changed(Property::Tabs);
}

const std::string& TabControl::TabCaption(int tab) const {
  CheckPage(tab);
  return Captions_[static_cast<std::size_t>(tab)];
}

void TabControl::SetTabCaption(int tab, std::string_view caption) {
  CheckPage(tab);
  Captions_[static_cast<std::size_t>(tab)] = std::string(caption);
  Changed(Property::Tabs);
}

bool TabControl::UserSelect(int tab) {
  if (tab < 0 || tab >= Tabs_ || !Enabled_[static_cast<std::size_t>(tab)]) return false;
  SetTab(tab);
  return true;
}

void TabControl::DefaultKeyDown(int keyCode, int /*shift*/) {
  int step = keyCode == vbKeyLeft ? -1 : keyCode == vbKeyRight ? 1 : 0;
  if (step == 0) return;
  for (int tab = Tab_ + step; tab >= 0 && tab < Tabs_; tab += step) {
    if (UserSelect(tab)) return;
  }
}

void TabControl::CopyPropertiesFrom(const Control& other) {
  Control::CopyPropertiesFrom(other);
  const auto& tabs = static_cast<const TabControl&>(other);
  Tabs_ = tabs.Tabs_;
  Captions_ = tabs.Captions_;
  Enabled_ = tabs.Enabled_;
}

}  // namespace forms
