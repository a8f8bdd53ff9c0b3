//===- WindowRegistry.h - Windows opened by name -------------------------===//
//
// A program opens some of its windows by name, so that a lower module can
// open a window of a higher one without depending on it. The program
// registers at start how each name is opened; a name nobody registered is
// error 5.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <map>
#include <string>

namespace forms {

class WindowRegistry {
 public:
  /// Opens its window and returns when it has closed.
  using Opener = std::function<void()>;

  /// How the window `name` is opened from now on.
  void Register(const std::string& name, Opener opener);
  /// True when `name` has been registered.
  bool IsRegistered(const std::string& name) const;

  /// Opens the window `name`.
  void Open(const std::string& name) const;

 private:
  std::map<std::string, Opener> Openers_;
};

}  // namespace forms
