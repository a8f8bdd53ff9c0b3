#include "platform/host/X11WindowList.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "tests/support/TestSupport.h"
#include "tests/support/WaitLimit.h"
#include "tests/support/WindowManager.h"
#include "tests/support/Xvfb.h"

// Last: Xlib defines macros (None, Bool, Status) that other headers trip over.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace host {
namespace {

using kr::testing::ScopedEnv;

using Titles = std::vector<std::string>;

using kr::testing::Xvfb;

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

TEST(X11WindowList, TellsClassesAndAsksToCloseAsACloseBoxDoes) {
  Xvfb server;
  if (server.Display().empty()) GTEST_SKIP() << "no Xvfb server could be started";
  Desktop desktop(server.Display());
  ASSERT_NE(desktop.D, nullptr);
  Display* d = desktop.D;

  char editorName[] = "editor", editorClass[] = "Editor", tercoName[] = "terco", tercoClass[] = "A\xF1il";
  Window editor = desktop.Create("Editor", nullptr);
  XClassHint editorHint{editorName, editorClass};
  XSetClassHint(d, editor, &editorHint);
  ::Atom deleteWindow = desktop.Intern("WM_DELETE_WINDOW");
  XSetWMProtocols(d, editor, &deleteWindow, 1);
  Window terco = desktop.Create("Terco", nullptr);  // takes no part in WM_DELETE_WINDOW
  XClassHint tercoHint{tercoName, tercoClass};
  XSetClassHint(d, terco, &tercoHint);
  Window sinClase = desktop.Create("Sin clase", nullptr);
  XMapSubwindows(d, desktop.Root());
  XSync(d, False);

  X11WindowList list(server.Display());
  EXPECT_EQ(list.ClassName(editor), "Editor");
  EXPECT_EQ(list.ClassName(terco), "Añil");  // WM_CLASS is Latin-1
  EXPECT_EQ(list.ClassName(sinClase), "");
  EXPECT_EQ(list.Find(std::string_view("EDITOR"), "editor"), editor);
  EXPECT_EQ(list.Find(std::nullopt, "Terco"), terco);
  EXPECT_EQ(list.Find(std::string_view("Terco"), "Editor"), std::nullopt);

  // Without a manager the window that takes part in the protocol is asked itself.
  XEvent event{};
  EXPECT_TRUE(list.Close(editor));
  XSync(d, False);
  ASSERT_TRUE(XCheckTypedWindowEvent(d, editor, ClientMessage, &event));
  EXPECT_EQ(event.xclient.message_type, desktop.Intern("WM_PROTOCOLS"));
  EXPECT_EQ(static_cast<::Atom>(event.xclient.data.l[0]), deleteWindow);
  EXPECT_FALSE(list.Close(terco));
  XSync(d, False);
  EXPECT_FALSE(XCheckTypedEvent(d, ClientMessage, &event));

  // A live manager that closes windows is asked on the root window, for any window.
  Window check = XCreateSimpleWindow(d, desktop.Root(), 0, 0, 1, 1, 0, 0, 0);
  desktop.SetWindows(check, "_NET_SUPPORTING_WM_CHECK", {check});
  desktop.SetWindows(desktop.Root(), "_NET_SUPPORTING_WM_CHECK", {check});
  desktop.SetWindows(desktop.Root(), "_NET_CLIENT_LIST_STACKING", {editor, terco});
  long supported[] = {static_cast<long>(desktop.Intern("_NET_CLOSE_WINDOW"))};
  XChangeProperty(d, desktop.Root(), desktop.Intern("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(supported), 1);
  XSelectInput(d, desktop.Root(), SubstructureRedirectMask);
  XSync(d, False);
  EXPECT_EQ(list.TopLevelWindows(), (std::vector<WindowHandle>{terco, editor}));
  EXPECT_TRUE(list.Close(terco));
  XSync(d, False);
  ASSERT_TRUE(XCheckTypedEvent(d, ClientMessage, &event));
  EXPECT_EQ(event.xclient.message_type, desktop.Intern("_NET_CLOSE_WINDOW"));
  EXPECT_EQ(event.xclient.window, terco);
  EXPECT_EQ(event.xclient.data.l[1], 2);  // as the user asks

  // A window that is gone is no window.
  XDestroyWindow(d, editor);
  XSync(d, False);
  EXPECT_FALSE(list.Close(editor));
  EXPECT_EQ(list.ClassName(editor), "");
  EXPECT_EQ(list.Title(editor), "");
  EXPECT_FALSE(list.IsVisible(editor));
}

// Waits for `done`, as long as a loaded machine needs; false when it never came.
bool Eventually(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kr::testing::kWaitLimit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// What a user's desktop has: a real manager (openbox) that frames, stacks,
// minimises and closes the windows.
TEST(X11WindowList, UnderARealManagerListsItsWindowsTopmostFirstAndClosesThroughIt) {
  kr::testing::PrivateScreen server(kr::testing::Manager::Openbox);
  if (!server.Ready()) GTEST_SKIP() << server.Why();
  Desktop desktop(server.Display());
  ASSERT_NE(desktop.D, nullptr);
  Display* d = desktop.D;
  ::Atom deleteWindow = desktop.Intern("WM_DELETE_WINDOW");
  Window dexlora = desktop.Create("Dexlora", "Dexlora");
  Window editor = desktop.Create("Editor", nullptr);
  XSetWMProtocols(d, editor, &deleteWindow, 1);
  Window minimised = desktop.Create("Minimizada", nullptr);
  Window hidden = desktop.Create("Oculta", nullptr);
  for (Window w : {dexlora, editor, minimised, hidden}) XMapWindow(d, w);
  XSync(d, False);
  X11WindowList list(server.Display());
  auto titles = [&] { return list.VisibleTitles(); };
  const auto all = [](Titles t) {
    std::sort(t.begin(), t.end());
    return t;
  };
  ASSERT_TRUE(Eventually([&] {
    return all(titles()) == Titles{"Dexlora", "Editor", "Minimizada", "Oculta"};
  })) << ::testing::PrintToString(titles());

  // Minimised it stays on the list; withdrawn it goes; the one the user
  // brings forward (as a taskbar asks) comes first.
  XIconifyWindow(d, minimised, DefaultScreen(d));
  XWithdrawWindow(d, hidden, DefaultScreen(d));
  XEvent activate{};
  activate.xclient.type = ClientMessage;
  activate.xclient.window = dexlora;
  activate.xclient.message_type = desktop.Intern("_NET_ACTIVE_WINDOW");
  activate.xclient.format = 32;
  activate.xclient.data.l[0] = 2;
  XSendEvent(d, desktop.Root(), False, SubstructureNotifyMask | SubstructureRedirectMask, &activate);
  XSync(d, False);
  EXPECT_TRUE(Eventually([&] {
    const Titles now = titles();
    return all(now) == Titles{"Dexlora", "Editor", "Minimizada"} && now.front() == "Dexlora";
  })) << ::testing::PrintToString(titles());
  EXPECT_EQ(list.Find(std::nullopt, "Editor"), editor);  // the client itself, not the manager's frame

  // The manager is asked to close, and asks the window in turn.
  EXPECT_TRUE(list.Close(editor));
  XEvent event{};
  EXPECT_TRUE(Eventually([&] {
    XSync(d, False);
    return XCheckTypedWindowEvent(d, editor, ClientMessage, &event) == True &&
           event.xclient.message_type == desktop.Intern("WM_PROTOCOLS") &&
           static_cast<::Atom>(event.xclient.data.l[0]) == deleteWindow;
  }));
}

TEST(X11WindowList, NoDisplayMeansNoWindows) {
  ScopedEnv display("DISPLAY", nullptr);
  EXPECT_TRUE(X11WindowList().VisibleTitles().empty());
  EXPECT_TRUE(DesktopWindowList()->VisibleTitles().empty());
  EXPECT_FALSE(X11WindowList().Close(1));
}

TEST(FixedWindowList, IsTheDesktopATestSetsUp) {
  FixedWindowList list({"Editor", "Dexlora"});
  EXPECT_EQ(list.VisibleTitles(), (Titles{"Editor", "Dexlora"}));
  list.SetTitles({});
  EXPECT_TRUE(list.VisibleTitles().empty());

  list.SetWindows({{"Oculta", "Servicio", false}, {"Editor", "Gedit", true}, {"Editor", "Otro", true}});
  EXPECT_EQ(list.VisibleTitles(), (Titles{"Editor", "Editor"}));
  std::optional<WindowHandle> oculta = list.Find(std::nullopt, "oculta");
  ASSERT_TRUE(oculta);
  EXPECT_EQ(list.ClassName(*oculta), "Servicio");
  // A window asked to close goes, and is gone for good.
  std::optional<WindowHandle> otro = list.Find(std::string_view("Otro"), "Editor");
  ASSERT_TRUE(otro);
  EXPECT_TRUE(list.Close(*otro));
  EXPECT_FALSE(list.Close(*otro));
  EXPECT_EQ(list.Title(*otro), "");
  ASSERT_EQ(list.Closed().size(), 1u);
  EXPECT_EQ(list.Closed()[0].ClassName, "Otro");
  EXPECT_EQ(list.VisibleTitles(), (Titles{"Editor"}));
}

}  // namespace
}  // namespace host
