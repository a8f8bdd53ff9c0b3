// On an office's database of many returns, printing one return from the
// print window reads its boxes, its header, its schedules and the spool's
// numbers by the tables' keys, not by reading them whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "kr917/Programa.h"
#include "printing/frmImprimir.h"
#include "tests/app/ventanas/Programa.h"
#include "tests/support/Oficina.h"
#include "tests/support/Planes.h"

namespace app::testing {
namespace {

using ::testing::IsEmpty;

class ImpresionEnOficina : public Programa {
 protected:
  void SetUp() override {
    ASSERT_FALSE(kr::testing::BaseOficina().empty()) << "the office's database could not be made";
    kr::testing::CopiaBaseOficina(Instalacion.Layout().Database);
    kr917::RegistraVentanas();
    ASSERT_TRUE(Arranca());
  }

  // Prints the listed return of `ruc` from the print window of saved or sent returns.
  void Imprime(bool enviadas, const std::string& ruc) {
    User.ExpectModal<frmImprimir>([&](frmImprimir& f) {
      long fila = 0;
      while (f.grdContrib.HasRow(fila) && f.grdContrib.CellText(fila, 0) != ruc) ++fila;
      ASSERT_TRUE(f.grdContrib.HasRow(fila)) << ruc << " is not listed";
      User.ChooseRow(f.grdContrib, fila);
      kr::testing::Consultas vistas(G().Motor);
      User.ExpectPrint();
      User.Click(f.CmdImprimir(1));
      EXPECT_EQ(User.Printed().size(), 1u);
      EXPECT_GT(vistas.Veces("FROM \"SPOOL\""), 0);
      EXPECT_THAT(kr::testing::LecturasCompletas(
                      Instalacion.Layout().Database, vistas.Textos(),
                      {"CAB", "DET", "HCAB", "HDET", "F0917PATRIM", "HF0917PATRIM", "SPOOL"}),
                  IsEmpty());
      User.Click(f.CmdImprimir(2));
    });
    User.ChooseMenu(enviadas ? Principal().mnuImprimirE : Principal().mnuImprimir);
    User.VerifyDone();
  }
};

TEST_F(ImpresionEnOficina, ASavedReturnIsPrintedByItsKeys) {
  Imprime(false, kr::testing::RucOficina(kr::testing::kDeclaracionesOficina / 2));
}

TEST_F(ImpresionEnOficina, ASentReturnIsPrintedByItsKeys) {
  Imprime(true, kr::testing::RucOficina(kr::testing::kDeclaracionesOficina / 2));
}

}  // namespace
}  // namespace app::testing
