#include "platform/host/WindowList.h"

#include <algorithm>

#include "platform/text/Strings.h"

namespace host {

std::vector<std::string> WindowList::VisibleTitles() const {
  std::vector<std::string> titles;
  for (WindowHandle window : TopLevelWindows()) {
    if (IsVisible(window)) titles.push_back(Title(window));
  }
  return titles;
}

std::optional<WindowHandle> WindowList::Find(std::optional<std::string_view> className, std::string_view title) const {
  // Windows finds a window by its title and class without regard to case.
  const std::string wantedTitle = vb::UCase(title);
  const std::string wantedClass = className ? vb::UCase(*className) : std::string();
  for (WindowHandle window : TopLevelWindows()) {
    if (vb::UCase(Title(window)) != wantedTitle) continue;
    if (className && vb::UCase(ClassName(window)) != wantedClass) continue;
    return window;
  }
  return std::nullopt;
}

void FixedWindowList::SetTitles(std::vector<std::string> titles) {
  std::vector<FixedWindow> windows;
  for (std::string& title : titles) windows.push_back({std::move(title), {}, true});
  SetWindows(std::move(windows));
}

void FixedWindowList::SetWindows(std::vector<FixedWindow> windows) {
  Windows_.clear();
  for (FixedWindow& window : windows) Windows_.emplace_back(Next_++, std::move(window));
}

std::vector<WindowHandle> FixedWindowList::TopLevelWindows() const {
  std::vector<WindowHandle> handles;
  for (const auto& [handle, window] : Windows_) handles.push_back(handle);
  return handles;
}

const FixedWindow* FixedWindowList::Window(WindowHandle window) const {
  auto it = std::find_if(Windows_.begin(), Windows_.end(), [&](const auto& w) { return w.first == window; });
  return it == Windows_.end() ? nullptr : &it->second;
}

bool FixedWindowList::IsVisible(WindowHandle window) const {
  const FixedWindow* w = Window(window);
  return w != nullptr && w->Visible;
}

std::string FixedWindowList::Title(WindowHandle window) const {
  const FixedWindow* w = Window(window);
  return w == nullptr ? std::string() : w->Title;
}

std::string FixedWindowList::ClassName(WindowHandle window) const {
  const FixedWindow* w = Window(window);
  return w == nullptr ? std::string() : w->ClassName;
}

bool FixedWindowList::Close(WindowHandle window) const {
  auto it = std::find_if(Windows_.begin(), Windows_.end(), [&](const auto& w) { return w.first == window; });
  if (it == Windows_.end()) return false;
  Closed_.push_back(std::move(it->second));
  Windows_.erase(it);
  return true;
}

}  // namespace host
