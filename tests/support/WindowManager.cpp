#include "tests/support/WindowManager.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "tests/support/WaitLimit.h"

// Last: Xlib defines macros (None, Bool, Status) that other headers trip over.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

extern char** environ;

namespace kr::testing {

std::vector<unsigned long> PropertyItems(_XDisplay* display, unsigned long window, const char* name,
                                         unsigned long type) {
  Atom actual = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False, type, &actual, &format,
                         &items, &after, &data) == Success &&
      data != nullptr && format == 32) {
    // Xlib hands 32-bit items as longs.
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    values.assign(longs, longs + items);
  }
  if (data != nullptr) XFree(data);
  return values;
}
namespace {

// A desktop as a user has one: new windows take the focus, a click focuses
// and raises, the title bar drags, the close box closes, Alt+F4 closes.
// Debian's default theme; no menus, no key of the programs' own taken.
constexpr char kConfiguration[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <theme>
    <name>Clearlooks</name><titleLayout>NLIMC</titleLayout>
    <keepBorder>yes</keepBorder><animateIconify>no</animateIconify>
  </theme>
  <desktops><number>1</number></desktops>
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
  <mouse>
    <dragThreshold>1</dragThreshold>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar Top Right Bottom Left TLCorner TRCorner BRCorner BLCorner">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Drag"><action name="Move"/></mousebind>
    </context>
    <context name="Close">
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
  </mouse>
</openbox_config>
)";

int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::optional<Window> WindowOn(Display* display, Window window, const char* name) {
  const std::vector<unsigned long> items = PropertyItems(display, window, name, XA_WINDOW);
  if (items.size() != 1) return std::nullopt;
  return static_cast<Window>(items.front());
}

// A manager announces itself once it has taken the screen over: the root
// names its check window, which names itself.
bool Announced(Display* display) {
  XErrorHandler previous = XSetErrorHandler(IgnoreXError);
  const Window root = DefaultRootWindow(display);
  std::optional<Window> check = WindowOn(display, root, "_NET_SUPPORTING_WM_CHECK");
  const bool announced = check && WindowOn(display, *check, "_NET_SUPPORTING_WM_CHECK") == check;
  XSync(display, False);
  XSetErrorHandler(previous);
  return announced;
}

// Asks the manager for the frame extents of `probe`, an unmapped window of
// ours; true once it has answered. It answers from its event loop: a window
// mapped after that is managed, while one mapped as it still starts may be
// left unmanaged.
bool Answers(Display* display, Window probe) {
  const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = probe;
  request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
  request.xclient.format = 32;
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureNotifyMask | SubstructureRedirectMask, &request);
  XSync(display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(25));
  XEvent event;
  bool answered = false;
  while (XCheckTypedWindowEvent(display, probe, PropertyNotify, &event)) {
    answered = answered || (event.xproperty.atom == extents && event.xproperty.state == PropertyNewValue);
  }
  return answered;
}

const char* NameOf(Manager manager) { return manager == Manager::Openbox ? "Openbox" : "Bare"; }

std::string Tail(const std::string& text) { return text.size() > 400 ? text.substr(text.size() - 400) : text; }

}  // namespace

std::string ManagerName(const ::testing::TestParamInfo<Manager>& info) { return NameOf(info.param); }

void PrintTo(Manager manager, std::ostream* out) { *out << NameOf(manager); }

WindowManager::WindowManager(const std::string& display) {
  Home_.Write("rc.xml", kConfiguration);
  Home_.MakeFolder("config");
  Home_.MakeFolder("cache");
  Home_.MakeFolder("data");
  const std::string rc = Home_ / "rc.xml", log = Home_ / "openbox.log";
  // Its settings, themes and caches are looked for only in the test's folder and Debian's.
  std::vector<std::string> settings{"DISPLAY=" + display,
                                    "HOME=" + Home_.Path(),
                                    "XDG_CONFIG_HOME=" + (Home_ / "config"),
                                    "XDG_CONFIG_DIRS=" + (Home_ / "config"),
                                    "XDG_CACHE_HOME=" + (Home_ / "cache"),
                                    "XDG_DATA_HOME=" + (Home_ / "data"),
                                    "XDG_DATA_DIRS=/usr/share"};
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = name == "SESSION_MANAGER=";
    for (const std::string& s : settings) replaced = replaced || s.rfind(name, 0) == 0;
    if (!replaced) settings.push_back(entry);
  }
  std::vector<char*> env;
  for (std::string& s : settings) env.push_back(s.data());
  env.push_back(nullptr);
  std::string program = "openbox", configFile = "--config-file", noSession = "--sm-disable";
  char* argv[] = {program.data(), configFile.data(), const_cast<char*>(rc.c_str()), noSession.data(), nullptr};
  Pid_ = ::fork();
  if (Pid_ < 0) {
    Why_ = "fork failed";
    return;
  }
  if (Pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // no manager left behind by a test that dies
    int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, STDOUT_FILENO);
      ::dup2(out, STDERR_FILENO);
    }
    ::execvpe(argv[0], argv, env.data());
    ::_exit(127);
  }
  Display* connection = XOpenDisplay(display.c_str());
  if (connection == nullptr) {
    Why_ = "the X server " + display + " does not answer";
    return;
  }
  const Window probe = XCreateSimpleWindow(connection, DefaultRootWindow(connection), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(connection, probe, PropertyChangeMask);
  int status = 0;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
  while (!(Running_ = Announced(connection) && Answers(connection, probe)) &&
         std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(Pid_, &status, WNOHANG) == Pid_) {
      ended = true;
      Pid_ = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  XCloseDisplay(connection);
  if (Running_) return;
  if (ended && WIFEXITED(status) && WEXITSTATUS(status) == 127) {
    Why_ = "openbox is not installed (Debian: apt-get install openbox)";
  } else if (ended) {
    Why_ = "openbox ended before it managed the screen: " + Tail(Home_.Read("openbox.log"));
  } else {
    Why_ = "openbox did not manage the screen in time: " + Tail(Home_.Read("openbox.log"));
  }
}

WindowManager::~WindowManager() { Xvfb::Stop(Pid_); }

PrivateScreen::PrivateScreen(Manager manager, const char* screen) : Server_(screen) {
  if (manager == Manager::Openbox && !Server_.Display().empty()) {
    Manager_ = std::make_unique<WindowManager>(Server_.Display());
  }
}

bool PrivateScreen::Ready() const { return !Server_.Display().empty() && (Manager_ == nullptr || Manager_->Running()); }

std::string PrivateScreen::Why() const {
  if (Server_.Display().empty()) return "no Xvfb server could be started";
  if (Manager_ != nullptr && !Manager_->Running()) return Manager_->Why();
  return {};
}

}  // namespace kr::testing
