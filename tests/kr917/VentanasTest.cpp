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

bool Pendiente(std::string_view nombre) {
  return std::find(std::begin(app::ventana::kPendientes), std::end(app::ventana::kPendientes), nombre) !=
         std::end(app::ventana::kPendientes);
}

TEST_F(Ventanas, EveryNameIsRegisteredOrAKnownPlaceholder) {
  for (std::string_view nombre : app::ventana::kTodas) {
    SCOPED_TRACE(nombre);
    EXPECT_NE(app::G().Ventanas.IsRegistered(std::string(nombre)), Pendiente(nombre))
        << "a window is either built and registered, or pending";
  }
  for (std::string_view nombre : app::ventana::kPendientes) {
    EXPECT_NE(std::find(std::begin(app::ventana::kTodas), std::end(app::ventana::kTodas), nombre),
              std::end(app::ventana::kTodas))
        << nombre;
  }
}

TEST_F(Ventanas, APendingWindowOpensItsPlaceholderAndAnUnknownNameIsAnError) {
  if (std::size(app::ventana::kPendientes) > 0) {
    const std::string pendiente(app::ventana::kPendientes[0]);
    User.ExpectModal(pendiente, [&](forms::Form& f) { forms::Unload(f); });
    app::G().Ventanas.Open(pendiente);
  }
  EXPECT_EQ(kr::testing::ErrorNumberOf([] { app::G().Ventanas.Open("frmModFr"); }), 5);
}

}  // namespace
}  // namespace kr917
