//===- WindowList.h - The visible top-level windows and their titles ------===//
//
// The program starts only beside its host, which it recognises by the title
// of the host's window, so it needs the list of the windows on screen. The
// list comes from the display (X11WindowList.h) or, in tests, from the test.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

namespace host {

/// The visible top-level windows of the desktop.
class WindowList {
 public:
  virtual ~WindowList() = default;

  /// The titles of the visible top-level windows in stacking order, topmost
  /// first; a window without a title is listed as "". A minimised window is
  /// visible; a hidden one is not.
  virtual std::vector<std::string> VisibleTitles() const = 0;
};

/// A list given by its owner: the desktop a test wants the program to see.
class FixedWindowList : public WindowList {
 public:
  FixedWindowList() = default;
  explicit FixedWindowList(std::vector<std::string> titles) : Titles_(std::move(titles)) {}

  /// Replaces the windows on the pretended desktop, topmost first.
  void SetTitles(std::vector<std::string> titles) { Titles_ = std::move(titles); }

  std::vector<std::string> VisibleTitles() const override { return Titles_; }

 private:
  std::vector<std::string> Titles_;
};

}  // namespace host
