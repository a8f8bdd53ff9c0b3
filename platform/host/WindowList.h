//===- WindowList.h - The desktop's top-level windows ---------------------===//
//
// The program starts only beside its host, which it recognises by the title
// of the host's window, so it needs the list of the windows on screen; it can
// also tell a window's class and ask a window to close, as the close box of
// its frame does. The list comes from the display (X11WindowList.h) or, in
// tests, from the test.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

/// A top-level window while it exists; 0 is no window.
using WindowHandle = std::uint64_t;

/// The top-level windows of the desktop.
class WindowList {
 public:
  virtual ~WindowList() = default;

  /// The top-level windows in stacking order, topmost first, hidden ones too.
  virtual std::vector<WindowHandle> TopLevelWindows() const = 0;
  /// True when the window is on screen; a minimised window is visible, a
  /// hidden one is not, and neither is a window that is gone.
  virtual bool IsVisible(WindowHandle window) const = 0;
  /// The window's title; "" for a window without one, or gone.
  virtual std::string Title(WindowHandle window) const = 0;
  /// The window's class, as its program names it; "" when it gives none.
  virtual std::string ClassName(WindowHandle window) const = 0;
  /// Asks the window to close, as the close box of its frame does; the
  /// window's program decides. False when the request reached no window.
  virtual bool Close(WindowHandle window) const = 0;

  /// The titles of the visible windows in stacking order, topmost first; a
  /// window without a title is listed as "".
  std::vector<std::string> VisibleTitles() const;

  /// The first top-level window, in stacking order, with the title `title`
  /// and, when given, the class `className`, hidden windows included; both
  /// compared whole and ignoring case. Nothing when none matches.
  std::optional<WindowHandle> Find(std::optional<std::string_view> className, std::string_view title) const;
};

/// A window on a desktop a test makes up.
struct FixedWindow {
  std::string Title;
  std::string ClassName;
  bool Visible = true;
};

/// A list given by its owner: the desktop a test wants the program to see.
/// A window asked to close closes, as a well-behaved program's would.
class FixedWindowList : public WindowList {
 public:
  FixedWindowList() = default;
  /// Visible windows of no class with these titles, topmost first.
  explicit FixedWindowList(std::vector<std::string> titles) { SetTitles(std::move(titles)); }

  /// Replaces the windows on the pretended desktop by visible windows of no
  /// class with these titles, topmost first.
  void SetTitles(std::vector<std::string> titles);
  /// Replaces the windows on the pretended desktop, topmost first.
  void SetWindows(std::vector<FixedWindow> windows);
  /// The windows asked to close, in the order they were asked.
  const std::vector<FixedWindow>& Closed() const { return Closed_; }

  std::vector<WindowHandle> TopLevelWindows() const override;
  bool IsVisible(WindowHandle window) const override;
  std::string Title(WindowHandle window) const override;
  std::string ClassName(WindowHandle window) const override;
  bool Close(WindowHandle window) const override;

 private:
  const FixedWindow* Window(WindowHandle window) const;

  // The desktop changes under the list when a window closes, as a real one
  // does: the list itself is only its view.
  mutable std::vector<std::pair<WindowHandle, FixedWindow>> Windows_;
  mutable std::vector<FixedWindow> Closed_;
  WindowHandle Next_ = 1;
};

}  // namespace host
