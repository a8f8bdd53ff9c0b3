//===- Road.h - KR917 driven through its real front end, as a person would ===//
//
// The set-up of a test that uses the programs the way a preparer does: a
// private X server (bare, or with a window manager on it), a fresh sample installation, the host stand-in's window
// "Dexlora" on it, and KR917 started from that window's button. Every
// action goes through the X server (Desktop.h); every wait is on a
// condition with a generous deadline; each step leaves a picture of the
// screen in the test's output folder (build/tests/e2e/salida/Suite.Test/).
//
//   Road road(kr::testing::Manager::Openbox);
//   if (!road.Ready()) GTEST_SKIP() << road.Why();
//   ASSERT_TRUE(road.StartHost());
//   ASSERT_TRUE(road.StartKR917());
//   ASSERT_TRUE(road.ChooseMenu("c", "b"));        // Consultas > Bancos
//   ASSERT_TRUE(road.WaitForWindow("Consulta de Bancos"));
//   road.Shot("bancos");
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/Desktop.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WaitLimit.h"
#include "tests/support/WindowManager.h"

namespace kr::e2e {

/// How long a condition may take to come true: as long as most tests may
/// take, for a loaded machine and the sanitizer build. It bounds a wait,
/// never a test's speed.
inline constexpr std::chrono::seconds kDeadline = testing::kWaitLimit;

/// Checks `condition` every few milliseconds until it holds (true) or
/// `deadline` has passed (false).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDeadline);

class Road {
 public:
  /// The X server, with the window manager `manager`, and the sample
  /// installation; nothing started on them yet.
  explicit Road(testing::Manager manager = testing::Manager::Bare);
  /// Ends KR917 and the host when they still run, then the X server.
  ~Road();
  Road(const Road&) = delete;
  Road& operator=(const Road&) = delete;

  /// True when the X server (and its window manager) runs and takes input events; Why() tells otherwise.
  bool Ready() const;
  std::string Why() const;

  Desktop& Screen() { return *Desktop_; }
  /// True when a window manager frames the windows.
  bool Framed() const { return Server_.Framed(); }
  const testing::SampleInstallation& Sample() const { return Sample_; }
  /// Where this test's pictures go.
  const std::string& OutputFolder() const { return Output_; }

  // --- The road's steps ---

  /// Starts the host stand-in on the sample installation and waits for its window.
  ::testing::AssertionResult StartHost();
  /// Runs LUD917 as a person installs the tables: a click gives the
  /// Dexlora window the keyboard, Alt+L presses its "Iniciar LUD917"
  /// button; waits until the host tells that it ended with code 0.
  ::testing::AssertionResult InstallTables();
  /// Starts KR917 as a person does: a click gives the Dexlora window the
  /// keyboard, Alt+K presses its "Iniciar KR917" button; waits for KR917's
  /// main window to be on screen with the keyboard.
  ::testing::AssertionResult StartKR917();
  /// KR917's main window as StartKR917 first saw it on the screen.
  const ScreenWindow& MainWindowAsShown() const { return MainShown_; }
  /// Opens the menu of the menu bar with the access key `menu` (Alt+menu),
  /// waits for it to drop down, and chooses the item with the access key
  /// `item`; waits for the menu to close.
  ::testing::AssertionResult ChooseMenu(std::string_view menu, std::string_view item);
  /// Waits until a window titled `title` is on screen (and, under a window
  /// manager, has the keyboard); answers it.
  ::testing::AssertionResult WaitForWindow(std::string_view title, ScreenWindow* found = nullptr);
  /// Waits until `count` windows titled `title` are on screen: a message
  /// box titled as the window it belongs to (under a window manager, until
  /// the topmost of them has the keyboard).
  ::testing::AssertionResult WaitForWindows(std::string_view title, std::size_t count);
  /// Waits until the topmost window titled `title` has the keyboard. On a
  /// bare server a window that appears takes it when its program gives it
  /// (a message box does), but the keyboard does not come back to a window
  /// when the one above it closes.
  ::testing::AssertionResult WaitForKeyboard(std::string_view title);
  /// Waits until no window titled `title` is on screen.
  ::testing::AssertionResult WaitForNoWindow(std::string_view title);
  /// Clicks inside `title`'s window at `at` (see CentreOfTwips) and waits
  /// until that window has the keyboard.
  ::testing::AssertionResult ClickIn(std::string_view title, Point at);
  /// Waits until the KR917 process that the host started has ended.
  ::testing::AssertionResult WaitForKR917End();
  /// Waits until the host has told `line` on its status line ("KR917
  /// terminó con código 0."); the host's lines are kept in host.log.
  ::testing::AssertionResult WaitForHostStatus(std::string_view line);
  /// Waits until the file `path` (native) exists and is not empty.
  ::testing::AssertionResult WaitForFile(const std::string& path);
  /// Waits until `sql` reads `count` rows from the database (a program
  /// writing meanwhile only delays it).
  ::testing::AssertionResult WaitForRows(std::string_view sql, std::size_t count);

  /// Saves a picture of the screen as "NN-step.png" once the screen has
  /// settled (two pictures alike); answers its path.
  std::string Shot(std::string_view step);

  /// The rows that `sql` reads from the installation's database now, each
  /// value as text (Null as "").
  std::vector<std::vector<std::string>> Rows(std::string_view sql) const;

  /// The KR917 process that the host started, when it runs.
  std::optional<pid_t> KR917Process() const;

 private:
  std::string SettledShot(const std::string& path);

  testing::PrivateScreen Server_;
  testing::SampleInstallation Sample_;
  testing::TempFolder Runtime_;  // the programs' runtime folder: their instance lock
  std::unique_ptr<Desktop> Desktop_;
  std::string Output_;
  int Steps_ = 0;
  ScreenWindow MainShown_;
  pid_t Host_ = -1;
};

}  // namespace kr::e2e
