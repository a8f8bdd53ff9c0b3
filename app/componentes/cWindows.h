//===- cWindows.h - The finder of the desktop's top-level windows -------===//
//
// KR917 starts only beside its host, whose main window it recognises by its
// title. The finder reads the visible top-level windows from the desktop's
// window list (the display's, or a test's).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

#include "platform/host/WindowList.h"

namespace app {

class cWindows {
 public:
  /// A finder over the windows of `escritorio`, which must outlive it.
  explicit cWindows(const host::WindowList& escritorio) : Escritorio_(escritorio) {}

  /// True when a visible top-level window is titled exactly `caption`: the
  /// whole title, case-sensitive; windows without a title never match.
  bool CorreApp(std::string_view caption) const;

 private:
  const host::WindowList& Escritorio_;
};

}  // namespace app
