// KR917 used as a person uses it: started from the Dexlora window, its
// menus opened with the keyboard, its windows closed with a key or a click,
// all through real input events of a private X server, bare and with a
// window manager framing the windows.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "app/inicio/Producto.h"
#include "return/Frm0917.h"
#include "tests/e2e/Road.h"

namespace kr::e2e {
namespace {

// The title of the sample help file's contents, which a window without a topic of its own shows.
constexpr std::string_view kHelpContents = "Contenido";

// The status bar's panels, where the main window's model places them in the bar (twips).
struct Panel {
  const char* Shows;
  long Left;
  long Width;
};
constexpr Panel kPanels[] = {
    {"RUC:", 90, 1020},
    {"the RUC", 1110, 1350},
    {"the name", 2520, 4200},
    {"Formulario 0917", 6780, 1380},
    {"Ejercicio 2002", 8220, 1320},
};

// A pixel of a picture of the screen.
unsigned int PixelAt(const std::vector<unsigned int>& pixels, const Area& screen, int x, int y) {
  return pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.Width) + static_cast<std::size_t>(x));
}

bool Grey(unsigned int pixel) {
  const unsigned int r = (pixel >> 16) & 0xff, g = (pixel >> 8) & 0xff, b = pixel & 0xff;
  return r == g && g == b;
}

// The rows at the foot of the main window's client area that its status bar
// takes, read on a picture where nothing covers it: the grey rows under the
// bluish picture that fills the rest of the client area.
Area StatusBarOf(const ScreenWindow& main, const std::vector<unsigned int>& pixels, const Area& screen) {
  const int x = main.X + 2;
  int top = main.Y + main.Height;
  while (top > main.Y && Grey(PixelAt(pixels, screen, x, top - 1))) --top;
  return {main.X, top, main.Width, main.Y + main.Height - top};
}

// How many dark pixels (text) a picture has in `area`.
int DarkPixels(const std::vector<unsigned int>& pixels, const Area& screen, const Area& area) {
  int dark = 0;
  for (int y = area.Y; y < area.Bottom(); ++y) {
    for (int x = area.X; x < area.Right(); ++x) {
      const unsigned int p = PixelAt(pixels, screen, x, y);
      dark += ((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff) < 3 * 100 ? 1 : 0;
    }
  }
  return dark;
}

class KR917OnScreen : public ::testing::TestWithParam<testing::Manager> {
 protected:
  void SetUp() override {
    if (!Road.Ready()) GTEST_SKIP() << Road.Why();
    ASSERT_TRUE(Road.StartHost());
    ASSERT_TRUE(Road.InstallTables());
    ASSERT_TRUE(Road.StartKR917());
  }

  kr::e2e::Road Road{GetParam()};
};

TEST_P(KR917OnScreen, StartsFromTheHostWindowsButton) {
  EXPECT_TRUE(Road.KR917Process().has_value());
  std::optional<ScreenWindow> host = Road.Screen().Find("Dexlora");
  std::optional<ScreenWindow> main = Road.Screen().Find(app::kTituloVentana);
  ASSERT_TRUE(host.has_value()) << "the host's window stays open beside KR917";
  ASSERT_TRUE(main.has_value());
  // Side by side on the screen: KR917's window covers no part of the host's, its LUD917 button included.
  const Area& h = host->Frame;
  const Area& m = main->Frame;
  EXPECT_FALSE(h.Overlaps(m)) << "Dexlora at " << h.X << "," << h.Y << " " << h.Width << "x" << h.Height
                              << ", KR917 at " << m.X << "," << m.Y << " " << m.Width << "x" << m.Height;
  EXPECT_TRUE(Road.WaitForFile(Road.Shot("kr917-y-dexlora"))) << "each step leaves a picture of the screen";
}

TEST_P(KR917OnScreen, ConsultasBancosListsTheSampleBanksAndItsButtonClosesIt) {
  ASSERT_TRUE(Road.ChooseMenu("c", "b"));
  ScreenWindow bancos;
  ASSERT_TRUE(Road.WaitForWindow("Consulta de Bancos", &bancos));
  Road.Shot("bancos");
  // What the grid shows (the picture): the sample's six banks.
  EXPECT_TRUE(Road.WaitForRows("SELECT ARGUMENTO FROM PARAM WHERE NUMERO='004' AND TRIM(ARGUMENTO)<>'00'", 6));

  // The window's "Salir" button, where the window places it.
  Road.Screen().Click(bancos, CentreOfTwips(5640, 3240, 1215, 375));
  EXPECT_TRUE(Road.WaitForNoWindow("Consulta de Bancos"));
  Road.Shot("bancos-cerrada");
  // The keyboard is back with the main window: its menus open again.
  ASSERT_TRUE(Road.ChooseMenu("d", "s"));
  EXPECT_TRUE(Road.WaitForKR917End());
}

TEST_P(KR917OnScreen, HelpAskedForInALookupIsReadAndClosedBesideIt) {
  ASSERT_TRUE(Road.ChooseMenu("c", "b"));
  // F1 goes where the keyboard is: a just-mapped window may not have it yet, so a click on its edge gives it.
  ASSERT_TRUE(Road.ClickIn("Consulta de Bancos", {4, 4}));
  Road.Screen().Press("F1");
  ASSERT_TRUE(Road.WaitForWindow(kHelpContents));
  // The lookup is modal, yet the help window takes a click and its keys.
  ASSERT_TRUE(Road.ClickIn(kHelpContents, {40, 40}));
  Road.Shot("ayuda");
  Road.Screen().Press("Escape");
  EXPECT_TRUE(Road.WaitForNoWindow(kHelpContents));
  EXPECT_TRUE(Road.Screen().Find("Consulta de Bancos").has_value());
  Road.Shot("ayuda-cerrada");
}

TEST_P(KR917OnScreen, DeclaracionesNuevaOpensTheReturnFormAndSalirClosesIt) {
  ASSERT_TRUE(Road.ChooseMenu("d", "n"));
  ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917));
  Road.Shot("nueva");
  // Without a window manager a new window has no keyboard until it is clicked: an empty spot of its page.
  ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {300, 360}));
  Road.Screen().Press("alt+s");  // nothing typed: no question
  EXPECT_TRUE(Road.WaitForNoWindow(app::kTituloFrm0917));
  Road.Shot("nueva-cerrada");
}

// While a return is open the main window's status bar tells whose return it
// is: no window of the program covers a row of it, with a window manager's
// frames or without them. The main window stands at the screen's corner
// from the moment it appears.
TEST_P(KR917OnScreen, WithAReturnOpenTheStatusBarIsWholeAndInView) {
  const Area& shown = Road.MainWindowAsShown().Frame;
  EXPECT_EQ(shown.X, 0) << "the main window appeared at " << shown.X << "," << shown.Y;
  EXPECT_EQ(shown.Y, 0) << "the main window appeared at " << shown.X << "," << shown.Y;
  std::optional<ScreenWindow> main = Road.Screen().Find(app::kTituloVentana);
  ASSERT_TRUE(main.has_value());
  EXPECT_EQ(main->Frame.X, 0);
  EXPECT_EQ(main->Frame.Y, 0);
  const Area screen = Road.Screen().ScreenArea();
  // Once the window is painted: a bar of 25 rows or a few more, under its picture.
  Area bar;
  ASSERT_TRUE(WaitUntil([&] {
    bar = StatusBarOf(*main, Road.Screen().ScreenPixels(), screen);
    return bar.Height >= 20 && bar.Height <= 40;
  })) << "no status bar found at the main window's foot: " << bar.Height << " grey rows";

  // Nueva, a declarant chosen from the list, and the identification checked on the way to the next page.
  ASSERT_TRUE(Road.ChooseMenu("d", "n"));
  ScreenWindow form;
  ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917, &form));
  ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {300, 360}));
  Road.Screen().Click(form, {160, 66});
  ASSERT_TRUE(WaitUntil([&] { return Road.Screen().MenuOpen(); }));
  Road.Screen().Press("Down");
  Road.Screen().Press("Return");
  ASSERT_TRUE(WaitUntil([&] { return !Road.Screen().MenuOpen(); }));
  Road.Screen().Click(form, {273, 228});  // works in premises of its own
  Road.Screen().Click(form, {441, 284});  // rectifies: No
  Road.Screen().Press("alt+r");
  for (const ScreenWindow& w : Road.Screen().Windows()) {
    if (w.Id == main->Id || w.Title == "Dexlora") continue;
    EXPECT_FALSE(w.Frame.Overlaps(bar)) << "\"" << w.Title << "\" reaches down to row " << w.Frame.Bottom()
                                        << "; the status bar begins at row " << bar.Y;
  }
  // Every panel shows its text once the page is left: "Ejercicio 2002" comes with the check.
  std::vector<unsigned int> open;
  const Panel* blank = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    open = Road.Screen().ScreenPixels();
    blank = nullptr;
    for (const Panel& p : kPanels) {
      const Point left = CentreOfTwips(p.Left, 0, 0, 0), right = CentreOfTwips(p.Left + p.Width, 0, 0, 0);
      if (DarkPixels(open, screen, {bar.X + left.X, bar.Y, right.X - left.X, bar.Height}) <= 10) blank = &p;
    }
    return blank == nullptr;
  })) << "no text where the status bar shows " << blank->Shows;
  Road.Shot("declarante");

  // Left without saving, the return leaves the bar as it was: what showed
  // while it was open was the bar itself, every pixel of it.
  Road.Screen().Press("alt+s");
  ASSERT_TRUE(Road.WaitForWindows(app::kTituloFrm0917, 2)) << "the question whether to save";
  ASSERT_TRUE(Road.WaitForKeyboard(app::kTituloFrm0917));
  Road.Screen().Press("alt+n");
  ASSERT_TRUE(Road.WaitForNoWindow(app::kTituloFrm0917));
  int differing = 0, firstRow = -1;
  EXPECT_TRUE(WaitUntil([&] {
    const std::vector<unsigned int> closed = Road.Screen().ScreenPixels();
    differing = 0;
    firstRow = -1;
    for (int y = bar.Y; y < bar.Bottom(); ++y) {
      for (int x = bar.X; x < bar.Right(); ++x) {
        if (PixelAt(open, screen, x, y) == PixelAt(closed, screen, x, y)) continue;
        ++differing;
        if (firstRow < 0) firstRow = y;
      }
    }
    return differing == 0;
  })) << differing << " pixels of the status bar were covered, from row " << firstRow;
  Road.Shot("cerrada");
}

TEST_P(KR917OnScreen, SalirEndsTheProgram) {
  ASSERT_TRUE(Road.ChooseMenu("d", "s"));
  EXPECT_TRUE(Road.WaitForNoWindow(app::kTituloVentana));
  EXPECT_TRUE(Road.WaitForKR917End());
  EXPECT_TRUE(Road.WaitForHostStatus("KR917 terminó con código 0."));
  Road.Shot("salir");
}

INSTANTIATE_TEST_SUITE_P(Desktops, KR917OnScreen, testing::kManagers, testing::ManagerName);

}  // namespace
}  // namespace kr::e2e
