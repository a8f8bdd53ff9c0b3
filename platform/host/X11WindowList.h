//===- X11WindowList.h - The window list of an X11 display ----------------===//
//
// Which windows count, and in what order:
//   - With a window manager that keeps _NET_CLIENT_LIST_STACKING on the root
//     window (checked live through _NET_SUPPORTING_WM_CHECK, so a list left
//     behind by a manager that died is not trusted), its clients are listed
//     in that order, reversed to put the topmost first.
//   - Otherwise the children of the root window in XQueryTree's order,
//     reversed; for each one the client window inside a manager's frame is
//     found by its WM_STATE property.
// A window is visible when its WM_STATE is NormalState or IconicState (a
// minimised window still counts, as it does on Windows, and so does a window
// on another virtual desktop); WithdrawnState does not count. A window
// without WM_STATE (no manager) counts when its map state is IsViewable.
// The title is _NET_WM_NAME (UTF-8) when set, else WM_NAME (Latin-1 or
// compound text, converted to UTF-8).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/host/WindowList.h"

namespace host {

/// The top-level windows of an X11 display, read afresh at each call.
class X11WindowList : public WindowList {
 public:
  /// The display named `displayName`; empty means the one in $DISPLAY.
  explicit X11WindowList(std::string displayName = {}) : DisplayName_(std::move(displayName)) {}

  /// The windows as described above; empty when the display cannot be opened.
  std::vector<std::string> VisibleTitles() const override;

 private:
  std::string DisplayName_;
};

/// The window list of the desktop the program runs on.
std::unique_ptr<WindowList> DesktopWindowList();

}  // namespace host
