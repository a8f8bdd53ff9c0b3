// A return typed, checked, saved, printed and summarised the way a preparer
// does it: every step through real input events of a private X server.
#include <gtest/gtest.h>

#include <cstdio>

#include "return/Frm0917.h"
#include "tests/e2e/Road.h"

namespace kr::e2e {
namespace {

class ReturnOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Road.Ready()) GTEST_SKIP() << Road.Why();
    ASSERT_TRUE(Road.StartHost());
    ASSERT_TRUE(Road.InstallTables());
    ASSERT_TRUE(Road.StartKR917());
    ASSERT_TRUE(Road.ChooseMenu("d", "n"));
    ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917, &Form));
    Road.Shot("nueva");
  }

  kr::e2e::Road Road;
  ScreenWindow Form;
};

TEST_F(ReturnOnScreen, TheWholeRoad) {
  // An empty spot of the identification page gives the form the keyboard.
  ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {300, 360}));
  Road.Shot("foco");
  std::printf("form at %d,%d %dx%d\n", Form.X, Form.Y, Form.Width, Form.Height);
  Road.Screen().Click(Form, {160 - Form.X, 78 - Form.Y});
  Road.Shot("ruc-lista");
  Road.Screen().Press("Down");
  Road.Screen().Press("Return");
  Road.Shot("ruc");
  Road.Screen().Press("alt+r");
  Road.Shot("renta");
  Road.Screen().Press("Tab");  // the inner tabs
  Road.Screen().Press("Tab");
  Road.Screen().Type("10000");
  Road.Screen().Press("Tab");
  Road.Screen().Type("2000");
  Road.Screen().Press("Return");
  Road.Shot("primera");
  Road.Screen().Press("alt+d");
  Road.Screen().Press("Tab");
  Road.Screen().Type("150");
  Road.Shot("deuda");
}

}  // namespace
}  // namespace kr::e2e
