//===- X11WindowList.h - The window list of an X11 display ----------------===//
//
// Which windows are listed, hidden ones too, and in what order:
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
// compound text, converted to UTF-8); the class is the class half of
// WM_CLASS. A handle is the client window's id.
//
// Closing asks as a close box does: through a live manager that lists
// _NET_CLOSE_WINDOW in _NET_SUPPORTED, on the root window; else with
// WM_DELETE_WINDOW to a window that takes part in that protocol; without a
// manager, a window outside that protocol cannot be asked.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/host/WindowList.h"

struct _XDisplay;

namespace host {

/// The top-level windows of an X11 display, read afresh at each call over
/// one connection, opened at the first call and kept.
class X11WindowList : public WindowList {
 public:
  /// The display named `displayName`; empty means the one in $DISPLAY.
  explicit X11WindowList(std::string displayName = {}) : DisplayName_(std::move(displayName)) {}
  ~X11WindowList() override;
  X11WindowList(const X11WindowList&) = delete;
  X11WindowList& operator=(const X11WindowList&) = delete;

  /// The windows as described above; empty when the display cannot be opened.
  std::vector<WindowHandle> TopLevelWindows() const override;
  bool IsVisible(WindowHandle window) const override;
  std::string Title(WindowHandle window) const override;
  std::string ClassName(WindowHandle window) const override;
  bool Close(WindowHandle window) const override;

 private:
  _XDisplay* Connection() const;

  std::string DisplayName_;
  mutable _XDisplay* Display_ = nullptr;
};

/// The window list of the desktop the program runs on.
std::unique_ptr<WindowList> DesktopWindowList();

}  // namespace host
