// The windows KR917 opens by name: each is registered by the program or is
// a known placeholder, so a name nobody registers fails here, not for a user.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/inicio/Compartidas.h"
#include "app/inicio/RegistroVentanas.h"
#include "app/ventanas/NombresVentanas.h"
#include "kr917/Programa.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/support/TestSupport.h"

namespace kr917 {
namespace {

class Ventanas : public ::testing::Test {
 protected:
  Ventanas() {
    app::ReiniciaCompartidas();
    app::RegistraVentanas();
    RegistraVentanas();
  }
  ~Ventanas() override { app::ReiniciaCompartidas(); }
  forms::testing::ScriptedUser User;
  forms::Application App{User};
};

TEST_F(Ventanas, EveryNameIsRegistered) {
  for (std::string_view nombre : app::ventana::kTodas) {
    SCOPED_TRACE(nombre);
    EXPECT_TRUE(app::G().Ventanas.IsRegistered(std::string(nombre)));
  }
}

TEST_F(Ventanas, AnUnknownNameIsAnError) {
  EXPECT_EQ(kr::testing::ErrorNumberOf([] { app::G().Ventanas.Open("frmModFr"); }), 5);
}

}  // namespace
}  // namespace kr917
