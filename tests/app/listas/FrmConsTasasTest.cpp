// The current-rates window: the rates of this month, read without touching
// the tax year's period, rates or UIT.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ventanas/Ventanas.h"
#include "app/ventanas/FrmConsTasas.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

using ConsTasas = Listas;

TEST_F(ConsTasas, ShowsThisMonthsRatesAndLeavesTheTaxYearAlone) {
  // No rate of 020704 at all: its row shows none.
  Ejecuta({"DELETE * FROM PARAM WHERE Numero='998' AND Argumento LIKE '020704*'"});
  Compartidas& g = G();
  g.Tasa020702 = "tasa del ejercicio";
  g.Uit = "3100";
  User.ExpectModal<FrmConsTasas>([&](FrmConsTasas& f) {
    EXPECT_EQ(f.Caption(), "Tasas Vigentes");
    EXPECT_EQ(f.Command1.Caption(), "&Salir");
    std::vector<std::string> etiquetas;
    for (int i : f.lblTasas.Indexes()) etiquetas.push_back(std::to_string(i) + " " + f.lblTasas(i).Caption());
    // 020702 holds 0.12 from July 2002, which the tax year never reads.
    EXPECT_EQ(etiquetas, (std::vector<std::string>{"0    ISC - LOTERIAS, BINGOS, RIFAS", "1    EVENTOS HIPICOS",
                                                   "2    APEND IV-LIT B-CERVEZAS", "3    APEND IV - LIT A - 10%",
                                                   "4 Tributo", "5 12%", "6 ", "7 30%", "8 10%", "9 Tasa", "10 17%",
                                                   "11    APEND IV - LIT A - 17%"}));
    User.Click(f.Command1);
  });
  forms::Screen().SetMousePointer(forms::vbHourglass);
  app::AbreNueva<FrmConsTasas>();
  EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
  EXPECT_FALSE(Aplicacion.HasInstance<FrmConsTasas>());
  EXPECT_EQ(g.Periodo, "2002");
  EXPECT_EQ(g.Tasa020702, "tasa del ejercicio");
  EXPECT_EQ(g.Tasa020704, "");
  EXPECT_EQ(g.Uit, "3100");
}

}  // namespace
}  // namespace app::testing
