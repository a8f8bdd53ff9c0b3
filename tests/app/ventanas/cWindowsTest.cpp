// The finder of the desktop's windows: the host's window by its title, a
// window's class, and asking a window to close, on a made-up desktop and on
// a real X server.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/componentes/cWindows.h"
#include "platform/host/X11WindowList.h"
#include "tests/support/WindowManager.h"

// Last: Xlib defines macros (None, Bool, Status) that other headers trip over.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace app::testing {
namespace {

using host::FixedWindow;

std::vector<std::string> TitulosCerrados(const host::FixedWindowList& escritorio) {
  std::vector<std::string> titulos;
  for (const FixedWindow& w : escritorio.Closed()) titulos.push_back(w.Title + "/" + w.ClassName);
  return titulos;
}

TEST(cWindows, CorreAppLooksForAVisibleWindowWithExactlyThatTitle) {
  struct Case {
    const char* What;
    std::vector<FixedWindow> Ventanas;
    bool Corre;
  };
  const Case cases[] = {
      {"the host's window", {{"Dexlora", "Qt", true}}, true},
      {"below others", {{"", "Qt", true}, {"Editor", "Gedit", false}, {"Dexlora", "Qt", true}}, true},
      {"hidden", {{"Dexlora", "Qt", false}}, false},
      {"in other case", {{"dexlora", "Qt", true}}, false},
      {"with a blank after", {{"Dexlora ", "Qt", true}}, false},
      {"no windows", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    host::FixedWindowList escritorio;
    escritorio.SetWindows(c.Ventanas);
    EXPECT_EQ(cWindows(escritorio).CorreApp("Dexlora"), c.Corre);
  }
}

TEST(cWindows, ClassNameIsTheClassOfTheFirstWindowWithThatTitle) {
  host::FixedWindowList escritorio;
  escritorio.SetWindows({
      {"Documento", "Editor", true},
      {"Documento", "Visor", true},
      {"Oculta", "Servicio", false},
      {"Larga", std::string(300, 'c'), true},
      {"Sin clase", "", true},
  });
  const cWindows ventanas(escritorio);
  struct Case {
    const char* Titulo;
    std::string Clase;
  };
  const Case cases[] = {
      {"Documento", "Editor"},
      // The platform finds a title without regard to case, and finds hidden windows too.
      {"DOCUMENTO", "Editor"},
      {"Oculta", "Servicio"},
      // The class comes cut to what its buffer holds.
      {"Larga", std::string(255, 'c')},
      {"Sin clase", ""},
      {"Nadie", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Titulo);
    EXPECT_EQ(ventanas.ClassName(c.Titulo), c.Clase);
  }
  EXPECT_TRUE(escritorio.Closed().empty());
}

TEST(cWindows, CloseAppClosesTheWindowOfThatClassAndTitleAndNoOther) {
  const std::vector<FixedWindow> ventanas = {
      {"Documento", "Visor", true}, {"Documento", "Editor", true}, {"Otro", "Editor", true},
      {"Progman", "Progman", true}, {"Documento", "Editor", true},
  };
  struct Case {
    const char* Titulo;
    const char* Clase;
    std::vector<std::string> Cerradas;
  };
  const Case cases[] = {
      {"Documento", "Editor", {"Documento/Editor"}},
      {"documento", "EDITOR", {"Documento/Editor"}},
      {"Otro", "Visor", {}},
      {"Nadie", "Editor", {}},
      {"Documento", "", {}},
      {"Progman", "Progman", {}},
      {"Progman", "Editor", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Titulo) + "/" + c.Clase);
    host::FixedWindowList escritorio;
    escritorio.SetWindows(ventanas);
    cWindows(escritorio).CloseApp(c.Titulo, c.Clase);
    EXPECT_EQ(TitulosCerrados(escritorio), c.Cerradas);
    EXPECT_EQ(escritorio.TopLevelWindows().size(), ventanas.size() - c.Cerradas.size());
  }
  // Of two alike, the topmost goes first and the other stays.
  host::FixedWindowList escritorio;
  escritorio.SetWindows(ventanas);
  cWindows(escritorio).CloseApp("Documento", "Editor");
  EXPECT_EQ(escritorio.VisibleTitles(), (std::vector<std::string>{"Documento", "Otro", "Progman", "Documento"}));
  EXPECT_EQ(cWindows(escritorio).ClassName("Documento"), "Visor");
}

// Waits for `done`, long enough for a loaded machine; false when it never came.
bool Espera(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// A top-level window on `d` with that title and class (WM_CLASS "nombre",
// "clase"), mapped, that takes the close box's WM_DELETE_WINDOW.
Window VentanaDeClase(Display* d, const char* titulo, std::string nombre, std::string clase) {
  Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 200, 100, 0, 0, 0);
  XStoreName(d, w, titulo);
  XClassHint hint{nombre.data(), clase.data()};
  XSetClassHint(d, w, &hint);
  Atom cerrar = XInternAtom(d, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(d, w, &cerrar, 1);
  XMapWindow(d, w);
  return w;
}

// A program of its own on `display`: one window of class "Editor" titled
// "Documento" that goes, and the program ends, when asked to close.
pid_t ProgramaConVentana(const std::string& display) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  Display* d = XOpenDisplay(display.c_str());
  if (d == nullptr) ::_exit(2);
  Window w = VentanaDeClase(d, "Documento", "editor", "Editor");
  Atom cerrar = XInternAtom(d, "WM_DELETE_WINDOW", False);
  XFlush(d);
  for (;;) {
    XEvent e;
    XNextEvent(d, &e);
    if (e.type == ClientMessage && static_cast<Atom>(e.xclient.data.l[0]) == cerrar) {
      XDestroyWindow(d, w);
      XCloseDisplay(d);
      ::_exit(0);
    }
  }
}

// On a real X server, bare or with a window manager that closes windows for others.
class cWindowsOnX11 : public ::testing::TestWithParam<kr::testing::Manager> {};

TEST_P(cWindowsOnX11, CloseAppClosesARealWindowAndLeavesItsNamesake) {
  kr::testing::PrivateScreen server(GetParam());
  if (!server.Ready()) GTEST_SKIP() << server.Why();
  const pid_t programa = ProgramaConVentana(server.Display());
  ASSERT_GT(programa, 0);

  // A window of another class with the same title, which must not be asked.
  Display* d = XOpenDisplay(server.Display().c_str());
  ASSERT_NE(d, nullptr);
  Window visor = VentanaDeClase(d, "Documento", "visor", "Visor");
  XSync(d, False);
  auto visorPedido = [&] {
    XSync(d, False);
    XEvent e;
    return XCheckTypedWindowEvent(d, visor, ClientMessage, &e) == True;
  };

  bool termino = false;
  {
    host::X11WindowList escritorio(server.Display());
    const cWindows ventanas(escritorio);
    auto editores = [&] {
      int n = 0;
      for (host::WindowHandle w : escritorio.TopLevelWindows()) n += escritorio.ClassName(w) == "Editor";
      return n;
    };
    ASSERT_TRUE(Espera([&] { return editores() == 1; }));
    // No window matching is nothing.
    ventanas.CloseApp("Documento", "Nadie");
    ventanas.CloseApp("Nadie", "Editor");
    ventanas.CloseApp("Documento", "Editor");
    termino = Espera([&] {
      int status = 0;
      return ::waitpid(programa, &status, WNOHANG) == programa && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    });
    EXPECT_TRUE(termino) << "the program was not asked to close";
    EXPECT_EQ(editores(), 0);
    EXPECT_FALSE(visorPedido());
    EXPECT_EQ(ventanas.ClassName("Documento"), "Visor");
    EXPECT_TRUE(ventanas.CorreApp("Documento"));
  }
  if (!termino) kr::testing::Xvfb::Stop(programa);
  XCloseDisplay(d);
}

INSTANTIATE_TEST_SUITE_P(Desktops, cWindowsOnX11, kr::testing::kManagers, kr::testing::ManagerName);

}  // namespace
}  // namespace app::testing
