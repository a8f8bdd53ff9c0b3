#include "platform/host/X11WindowList.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "tests/support/TestSupport.h"

// Last: Xlib defines macros (None, Bool, Status) that other headers trip over.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace host {
namespace {

using kr::testing::ScopedEnv;

using Titles = std::vector<std::string>;

// A private Xvfb server on a display number it picks itself (-displayfd), so
// parallel tests never collide. Display() is empty when none could start in
// time (Xvfb missing or failing); the test is then skipped.
class Xvfb {
 public:
  Xvfb() {
    int fds[2];
    if (::pipe(fds) != 0) return;
    Pid_ = ::fork();
    if (Pid_ == 0) {
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server left behind by a test that dies
      ::close(fds[0]);
      int null = ::open("/dev/null", O_RDWR);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
      std::string fd = std::to_string(fds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "320x240x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (Pid_ > 0 && number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      if (::poll(&p, 1, 200) <= 0) continue;
      char buffer[16];
      ssize_t n = ::read(fds[0], buffer, sizeof buffer);
      if (n <= 0) break;
      number.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (number.find('\n') != std::string::npos) Display_ = ":" + number.substr(0, number.find('\n'));
  }

  ~Xvfb() {
    if (Pid_ <= 0) return;
    ::kill(Pid_, SIGTERM);
    for (int i = 0; i < 50; ++i) {
      if (::waitpid(Pid_, nullptr, WNOHANG) == Pid_) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(Pid_, SIGKILL);
    ::waitpid(Pid_, nullptr, 0);
  }

  const std::string& Display() const { return Display_; }

 private:
  pid_t Pid_ = -1;
  std::string Display_;
};

// Plays the part of the applications (and of a window manager) on a display.
class Desktop {
 public:
  explicit Desktop(const std::string& name) : D(XOpenDisplay(name.c_str())) {}
  ~Desktop() {
    if (D != nullptr) XCloseDisplay(D);
  }

  Window Create(const char* wmName, const char* netWmName) {
    Window w = XCreateSimpleWindow(D, Root(), 0, 0, 100, 100, 0, 0, 0);
    if (wmName != nullptr) XStoreName(D, w, wmName);  // WM_NAME as Latin-1 STRING
    if (netWmName != nullptr) {
      XChangeProperty(D, w, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(netWmName), static_cast<int>(std::strlen(netWmName)));
    }
    return w;
  }

  void SetWmState(Window w, long state) {
    long data[2] = {state, None};
    XChangeProperty(D, w, Intern("WM_STATE"), Intern("WM_STATE"), 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(data), 2);
  }

  void SetWindows(Window w, const char* property, std::vector<Window> windows) {
    std::vector<long> data(windows.begin(), windows.end());
    XChangeProperty(D, w, Intern(property), XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(data.data()), static_cast<int>(data.size()));
  }

  Window Root() const { return DefaultRootWindow(D); }
  ::Atom Intern(const char* name) { return XInternAtom(D, name, False); }

  Display* D;
};

constexpr long kNormal = 1, kIconic = 3, kWithdrawn = 0;

TEST(X11WindowList, ListsVisibleWindowsTopmostFirst) {
  Xvfb server;
  if (server.Display().empty()) GTEST_SKIP() << "no Xvfb server could be started";
  Desktop desktop(server.Display());
  ASSERT_NE(desktop.D, nullptr);
  Display* d = desktop.D;

  Window dexlora = desktop.Create("Dexlora", "Dexlora");
  Window hidden = desktop.Create("Oculta", nullptr);
  Window minimised = desktop.Create("Minimizada", nullptr);
  Window utf8 = desktop.Create(nullptr, "Árbol");
  desktop.Create("A\xF1" "adir", nullptr);  // mapped below through the tree
  desktop.SetWmState(minimised, kIconic);  // unmapped, as a manager leaves a minimised window
  XMapWindow(d, dexlora);
  XMapWindow(d, utf8);
  XMapSubwindows(d, desktop.Root());
  XUnmapWindow(d, hidden);
  XUnmapWindow(d, minimised);
  XRaiseWindow(d, dexlora);
  XSync(d, False);

  // No window manager: the root's children, viewable or minimised.
  const Titles tree{"Dexlora", "Añadir", "Árbol", "Minimizada"};
  EXPECT_EQ(X11WindowList(server.Display()).VisibleTitles(), tree);

  // A live manager's stacking list (bottom to top) decides.
  Window check = XCreateSimpleWindow(d, desktop.Root(), 0, 0, 1, 1, 0, 0, 0);
  desktop.SetWindows(check, "_NET_SUPPORTING_WM_CHECK", {check});
  desktop.SetWindows(desktop.Root(), "_NET_SUPPORTING_WM_CHECK", {check});
  desktop.SetWindows(desktop.Root(), "_NET_CLIENT_LIST_STACKING", {dexlora, hidden, utf8});
  desktop.SetWmState(dexlora, kNormal);
  desktop.SetWmState(utf8, kNormal);
  desktop.SetWmState(hidden, kWithdrawn);
  XSync(d, False);
  EXPECT_EQ(X11WindowList(server.Display()).VisibleTitles(), (Titles{"Árbol", "Dexlora"}));

  // A list left behind by a manager that is gone is not trusted.
  XDeleteProperty(d, check, desktop.Intern("_NET_SUPPORTING_WM_CHECK"));
  XSync(d, False);
  EXPECT_EQ(X11WindowList(server.Display()).VisibleTitles(), tree);
}

TEST(X11WindowList, NoDisplayMeansNoWindows) {
  ScopedEnv display("DISPLAY", nullptr);
  EXPECT_TRUE(X11WindowList().VisibleTitles().empty());
  EXPECT_TRUE(DesktopWindowList()->VisibleTitles().empty());
}

TEST(FixedWindowList, IsTheDesktopATestSetsUp) {
  FixedWindowList list({"Editor", "Dexlora"});
  EXPECT_EQ(list.VisibleTitles(), (Titles{"Editor", "Dexlora"}));
  list.SetTitles({});
  EXPECT_TRUE(list.VisibleTitles().empty());
}

}  // namespace
}  // namespace host
