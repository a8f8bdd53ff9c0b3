// A box shows its raw number while it has the focus and its display form
// after, with the typing limits of its family; leaving 107 or 108 switches
// the fourth-category detail.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/forms/Constants.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Foco = Declaracion;

TEST_F(Foco, ABoxShowsItsRawNumberWhileFocusedAndItsDisplayFormAfter) {
  struct Caso {
    std::int16_t Casilla;
    const char* Antes;     // set by code before the focus enters
    const char* Tecleado;  // typed once the box has the focus
    const char* EnFoco;
    const char* Despues;
    long LargoEnFoco, LargoDespues;
  };
  const Caso casos[] = {
      {100, "1,234", "", "1234", "1,234", 12, 17},
      {100, "0", "", "0", "0", 12, 17},
      {122, "(1,234)", "", "1234", "(1,234)", 12, 17},
      {122, "0", "", "0", "0", 12, 17},
      {212, "", "1234", "1234", "1,234", 12, 15},
      // Box 200's own total runs on its first change after the focus enters,
      // so its raw form is shown again as the total.
      {200, "1,500", "", "1,500", "1,500", 0, 15},
      {208, "0012345", "", "0012345", "0012345", 12, 12},
      {229, "", "", "", "", 11, 11},
      {817, "", "", "", "", 30, 30},
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    User.Click(f.optInmueble(1));  // the rents paid: 208 and 212
    f.HabAmazonia();               // 229 and 817
    f.txtvalor(535).SetText("1500");  // box 200 is the sum of its parts
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Casilla);
      SCOPED_TRACE(c.Antes);
      forms::TextBox& caja = f.txtvalor(c.Casilla);
      caja.SetText(c.Antes);
      MuestraPaginas(caja);
      User.Click(caja);
      User.Type(c.Tecleado);
      EXPECT_EQ(caja.Text(), c.EnFoco);
      EXPECT_EQ(caja.MaxLength(), c.LargoEnFoco);
      User.Tab();
      EXPECT_NE(f.ActiveControl(), &caja);
      EXPECT_EQ(caja.Text(), c.Despues);
      EXPECT_EQ(caja.MaxLength(), c.LargoDespues);
    }
    Cierra(f);
  });
}

TEST_F(Foco, EnteringAndLeavingAFilledBoxEachChangeTheReturnEvenWithNothingTyped) {
  Guarda(kGarcia, {kNoRectifica, {"100", "1234"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    ASSERT_FALSE(f.FormularioModificado);
    MuestraPaginas(f.txtvalor(100));
    User.Click(f.txtvalor(100));
    EXPECT_EQ(f.txtvalor(100).Text(), "1234");
    EXPECT_TRUE(f.FormularioModificado);
    f.FormularioModificado = false;
    User.Tab();
    EXPECT_EQ(f.txtvalor(100).Text(), "1,234");
    EXPECT_TRUE(f.FormularioModificado);
    Cierra(f);
  });
}

TEST_F(Foco, ALockedBoxPassesTheFocusToTheStripAtOnce) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    forms::TextBox& caja = f.txtvalor(100);
    caja.SetText("1,234");
    caja.SetLocked(true);
    MuestraPaginas(caja);
    User.Click(caja);
    EXPECT_EQ(f.ActiveControl(), &f.tab0584);
    EXPECT_EQ(caja.Text(), "1,234");
    EXPECT_EQ(caja.MaxLength(), 0);
    Cierra(f);
  });
}

TEST_F(Foco, LeavingBox107Or108SwitchesTheFourthCategoryDetail) {
  struct Paso {
    std::int16_t Casilla;
    const char* Texto;  // what the box holds when the focus leaves it
    bool Encendida;
  };
  const Paso pasos[] = {
      {107, "5000", true}, {107, "", false}, {108, "300", true}, {107, "0", true},
      {108, "", false},    {108, "0", false},
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    ASSERT_FALSE(f.txtvalor(822).Enabled());
    for (const Paso& p : pasos) {
      SCOPED_TRACE(p.Casilla);
      SCOPED_TRACE(p.Texto);
      forms::TextBox& caja = f.txtvalor(p.Casilla);
      MuestraPaginas(caja);
      User.Click(caja);
      caja.SetText("");
      User.Type(p.Texto);
      User.Tab();
      EXPECT_EQ(f.txtvalor(822).Enabled(), p.Encendida);
      EXPECT_EQ(f.cmbtipdoc(224).Enabled(), p.Encendida);
    }
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
