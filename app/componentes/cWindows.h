//===- cWindows.h - The finder of the desktop's top-level windows -------===//
//
// KR917 starts only beside its host, whose main window it recognises by its
// title. The finder reads the top-level windows from the desktop's window
// list (the display's, or a test's); it can also tell a window's class and
// ask a window to close, which nothing in the system does.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

#include "platform/host/WindowList.h"

namespace app {

class cWindows {
 public:
  /// A finder over the windows of `escritorio`, which must outlive it.
  explicit cWindows(const host::WindowList& escritorio) : Escritorio_(escritorio) {}

  /// Asks the top-level window of class `className` and title `titulo` to
  /// close, as its close box does; nothing when no window matches. The
  /// title "Progman" is never closed, whatever the class.
  void CloseApp(std::string_view titulo, std::string_view className) const;

  /// True when a visible top-level window is titled exactly `caption`: the
  /// whole title, case-sensitive; windows without a title never match.
  bool CorreApp(std::string_view caption) const;

  /// The class of the first top-level window titled `titulo`, at most 255
  /// characters; "" when no window has that title.
  std::string ClassName(std::string_view titulo) const;

 private:
  /// The window's title; "" for a window without one.
  std::string TextoVentana(host::WindowHandle hwnd) const;

  const host::WindowList& Escritorio_;
};

}  // namespace app
