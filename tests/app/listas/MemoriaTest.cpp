// A list window holds its rows while it is open and gives them back when it
// closes, by its Salir button or its close box.
#include <gtest/gtest.h>

#include <functional>

#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmModFor.h"
#include "platform/db/Recordset.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

class Memoria : public Listas {
 protected:
  /// Opens a list window with `comando`, checks it holds rows, and closes it with `cierra`.
  template <class F>
  void AbreYCierra(forms::Menu MDIFrm::*comando, std::function<void(F&)> cierra) {
    const std::size_t antes = dao::RowsInMemory();
    User.ExpectModal<F>([&](F& f) {
      EXPECT_GT(f.grdContrib.RowCount(), 0);
      EXPECT_GT(dao::RowsInMemory(), antes);
      cierra(f);
    });
    User.ChooseMenu(Principal().*comando);
    EXPECT_EQ(dao::RowsInMemory(), antes);
  }
};

TEST_F(Memoria, ClosingAListWindowGivesItsRowsBack) {
  {
    SCOPED_TRACE("saved returns, Salir");
    AbreYCierra<frmModFor>(&MDIFrm::mnuModificar, [&](frmModFor& f) { User.Click(f.CmdOpciones(1)); });
  }
  {
    SCOPED_TRACE("sent returns, close box");
    AbreYCierra<frmModFor>(&MDIFrm::mnuEliminarE, [&](frmModFor& f) { User.Close(f); });
  }
  {
    SCOPED_TRACE("order number, Salir");
    AbreYCierra<frmAbrirEnv>(&MDIFrm::mnuRegistrar, [&](frmAbrirEnv& f) { User.Click(f.CmdOpciones(1)); });
  }
}

}  // namespace
}  // namespace app::testing
