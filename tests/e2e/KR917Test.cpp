// KR917 used as a person uses it: started from the Dexlora window, its
// menus opened with the keyboard, its windows closed with a key or a click,
// all through real input events of a private X server.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "app/inicio/Producto.h"
#include "return/Frm0917.h"
#include "tests/e2e/Road.h"

namespace kr::e2e {
namespace {

// The title of the sample help file's contents, which a window without a topic of its own shows.
constexpr std::string_view kHelpContents = "Contenido";

class KR917OnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Road.Ready()) GTEST_SKIP() << Road.Why();
    ASSERT_TRUE(Road.StartHost());
    ASSERT_TRUE(Road.InstallTables());
    ASSERT_TRUE(Road.StartKR917());
  }

  kr::e2e::Road Road;
};

TEST_F(KR917OnScreen, StartsFromTheHostWindowsButton) {
  EXPECT_TRUE(Road.KR917Process().has_value());
  std::optional<ScreenWindow> host = Road.Screen().Find("Dexlora");
  std::optional<ScreenWindow> main = Road.Screen().Find(app::kTituloVentana);
  ASSERT_TRUE(host.has_value()) << "the host's window stays open beside KR917";
  ASSERT_TRUE(main.has_value());
  // Side by side on the screen: KR917's window covers no part of the host's, its LUD917 button included.
  const bool apart = host->X >= main->X + main->Width || main->X >= host->X + host->Width ||
                     host->Y >= main->Y + main->Height || main->Y >= host->Y + host->Height;
  EXPECT_TRUE(apart) << "Dexlora at " << host->X << "," << host->Y << " " << host->Width << "x" << host->Height
                     << ", KR917 at " << main->X << "," << main->Y << " " << main->Width << "x" << main->Height;
  EXPECT_TRUE(Road.WaitForFile(Road.Shot("kr917-y-dexlora"))) << "each step leaves a picture of the screen";
}

TEST_F(KR917OnScreen, ConsultasBancosListsTheSampleBanksAndItsButtonClosesIt) {
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

TEST_F(KR917OnScreen, HelpAskedForInALookupIsReadAndClosedBesideIt) {
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

TEST_F(KR917OnScreen, DeclaracionesNuevaOpensTheReturnFormAndSalirClosesIt) {
  ASSERT_TRUE(Road.ChooseMenu("d", "n"));
  ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917));
  Road.Shot("nueva");
  // Without a window manager a new window has no keyboard until it is clicked: an empty spot of its page.
  ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {300, 360}));
  Road.Screen().Press("alt+s");  // nothing typed: no question
  EXPECT_TRUE(Road.WaitForNoWindow(app::kTituloFrm0917));
  Road.Shot("nueva-cerrada");
}

TEST_F(KR917OnScreen, SalirEndsTheProgram) {
  ASSERT_TRUE(Road.ChooseMenu("d", "s"));
  EXPECT_TRUE(Road.WaitForNoWindow(app::kTituloVentana));
  EXPECT_TRUE(Road.WaitForKR917End());
  EXPECT_TRUE(Road.WaitForHostStatus("KR917 terminó con código 0."));
  Road.Shot("salir");
}

}  // namespace
}  // namespace kr::e2e
