//===- WindowManager.h - A real window manager on a test's X server ------===//
//
// A user's desktop always has a window manager, whose frames (a title bar,
// borders) move and shrink what a bare X server shows whole. An on-screen
// test runs both ways: on a bare private server, and with Debian's openbox
// on it, started by the test with a configuration of its own.
//
//   class OnScreen : public ::testing::TestWithParam<kr::testing::Manager> {};
//   TEST_P(OnScreen, ...) {
//     kr::testing::PrivateScreen screen(GetParam());
//     if (!screen.Ready()) GTEST_SKIP() << screen.Why();
//     ... screen.Display() ...
//   }
//   INSTANTIATE_TEST_SUITE_P(Desktops, OnScreen, kr::testing::kManagers, kr::testing::ManagerName);
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "tests/support/Xvfb.h"

struct _XDisplay;  // Xlib's Display

namespace kr::testing {

/// The 32-bit items of the property `name` of `window`, of the atom `type`
/// (XA_ATOM, XA_WINDOW...): empty when it is not set or is of another kind.
std::vector<unsigned long> PropertyItems(_XDisplay* display, unsigned long window, const char* name,
                                         unsigned long type);

/// Whether a test's X server is bare or has a window manager on it.
enum class Manager { Bare, Openbox };

/// Both ways, for INSTANTIATE_TEST_SUITE_P.
inline const auto kManagers = ::testing::Values(Manager::Bare, Manager::Openbox);

/// The case's name in a test's name: "Bare" or "Openbox".
std::string ManagerName(const ::testing::TestParamInfo<Manager>& info);
/// The same in a test's messages.
void PrintTo(Manager manager, std::ostream* out);

/// Debian's openbox on `display`, with a configuration of its own: nothing
/// of the user's or the machine's openbox settings, themes or autostart
/// comes in. Running() once it manages the screen: its check window names
/// it on the root window, and it answers requests; Why() tells otherwise
/// (openbox missing, or ended).
class WindowManager {
 public:
  explicit WindowManager(const std::string& display);
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  bool Running() const { return Running_; }
  const std::string& Why() const { return Why_; }

 private:
  TempFolder Home_;  // its configuration, its caches and its log
  pid_t Pid_ = -1;
  bool Running_ = false;
  std::string Why_;
};

/// A private X server for one test, with the window manager it asks for.
class PrivateScreen {
 public:
  /// A server with one screen of `screen` ("WIDTHxHEIGHTxDEPTH").
  explicit PrivateScreen(Manager manager, const char* screen = "800x600x24");

  /// True when the server runs, and the window manager when one was asked for.
  bool Ready() const;
  /// Why it is not ready.
  std::string Why() const;
  /// The server's display name (":7"), empty when none could start.
  const std::string& Display() const { return Server_.Display(); }
  /// True when a window manager frames the windows.
  bool Framed() const { return Manager_ != nullptr; }

 private:
  Xvfb Server_;
  std::unique_ptr<WindowManager> Manager_;
};

}  // namespace kr::testing
