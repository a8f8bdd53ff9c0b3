// The debt: the tax by UIT bands, the credits, the balance in favour or owed
// with the boxes it switches, the balance of the debt, the totals of the
// breakdowns, the amount paid in the payment control and the credit limits.
// The sample's UIT is 3,100: 27 UIT are 83,700 and 54 UIT 167,400.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/computation/RecalculoFixture.h"

namespace app::testing {
namespace {

using Deuda = Recalculo;

TEST_F(Deuda, TheTaxFollowsTheBandsOfTheNetTaxableIncome) {
  struct Caso {
    const char* Renta;
    const char* Impuesto;
  };
  const Caso casos[] = {
      {"50000", "7,500"},                         // 7,500.15, shown whole
      {"50001", "7,500"},   {"83700", "12,555"},  // 27 UIT, wholly at 15 %
      {"100000", "15,978"},                       // 3,423 + 12,555
      {"167400", "30,132"},                       // 54 UIT, still the second band
      {"200000", "38,934"},                       // 17,577 + 12,555 + 8,802
  };
  std::vector<CasoTecleado> tecleados;
  for (const Caso& c : casos) tecleados.push_back({c.Renta, {}, {{116, c.Renta}}, {{120, c.Impuesto}}});
  Comprueba(tecleados);
}

TEST_F(Deuda, TheBalanceGoesToTheDeclarantOrToTheTaxAuthorityAndSwitchesItsBoxes) {
  Comprueba({
      {"in favour of the declarant",
       {},
       {{111, "30000"}, {131, "2000"}},
       {{120, "1,245"}, {516, "1,245"}, {141, "(755)"}, {142, "0"}, {146, "0"}, {145, ""}},
       {{140, true}, {145, false}}},
      {"owed",
       {},
       {{111, "30000"}, {131, "200"}},
       {{141, "0"}, {142, "1,045"}, {146, "1,045"}, {140, ""}},
       {{140, false}, {145, true}}},
      {"nothing left to balance: 140 keeps its state",
       {{"141", "-300"}, {"131", "800"}},
       {{131, ""}},
       {{141, ""}, {142, ""}, {146, ""}},
       {{140, true}, {145, false}}},
      {"the credits cover the tax",
       {{"120", "1000"}},
       {{122, "500"}, {123, "400"}, {124, "300"}},
       {{516, "0"}, {141, "0"}, {142, "0"}, {146, "0"}},
       {{140, false}, {145, false}}},
      {"payments before filing beyond the balance owed",
       {},
       {{111, "30000"}, {144, "2000"}},
       {{142, "1,245"}, {146, "0"}},
       {{145, true}}},
      {"default interest on the balance owed", {}, {{111, "30000"}, {144, "245"}, {145, "15"}}, {{146, "1,015"}}},
      {"the year's total income", {}, {{116, "1000"}, {203, "500"}}, {{518, "1,500"}}},
  });
}

TEST_F(Deuda, TheBalanceOfTheDebtNeedsABalanceOwedOrAPayment) {
  Guarda(kGarcia, {});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    // Box 145 is off while nothing is owed: set it as the load would.
    f.txtvalor(145).SetText("10");
    EXPECT_EQ(f.txtvalor(146).Text(), "");
    f.txtvalor(142).SetText("300");
    EXPECT_EQ(f.txtvalor(146).Text(), "310");
    f.txtvalor(144).SetText("500");
    EXPECT_EQ(f.txtvalor(146).Text(), "0");
    Cierra(f);
  });
}

TEST_F(Deuda, TheTotalsOfTheBreakdownsAreTheSumsOfTheirPartsNeverBelowZero) {
  Guarda(kGarcia, {{"113", "1000"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    f.txtvalor(536).SetText("700");
    EXPECT_EQ(f.txtvalor(200).Text(), "700");
    f.txtvalor(539).SetText("-1000");
    EXPECT_EQ(f.txtvalor(200).Text(), "0");
    f.txtvalor(536).SetText("");
    f.txtvalor(539).SetText("");
    EXPECT_EQ(f.txtvalor(200).Text(), "");

    f.txtvalor(530).SetText("250");
    f.txtvalor(540).SetText("50");
    EXPECT_EQ(f.txtvalor(201).Text(), "300");
    // The breakdown windows bring the year's total up to date themselves.
    EXPECT_EQ(f.txtvalor(518).Text(), "");
    f.CalcularR();
    EXPECT_EQ(f.txtvalor(518).Text(), "1,300");
    Cierra(f);
  });
}

TEST_F(Deuda, TheAmountPaidShowsInThePaymentControl) {
  Guarda(kGarcia, {kNoRectifica});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 180, "1500");
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "1,500");
    Teclea(f, 180, "");
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "");
    f.txtvalor(180).SetText("-20");
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "(20)");
    f.txtvalor(180).SetText("12abc");
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "");
    Cierra(f);
  });
}

TEST_F(Deuda, TheCreditLimitsShareTheTaxInProportionAndChangeNothing) {
  struct Caso {
    const char* Nombre;
    std::vector<Fila> Guardadas;
    const char* Limite122;
    const char* Limite123;
  };
  const std::vector<Caso> casos = {
      // 10,000 x 20,000 / (21,700 + 78,300); 78,300 x 0.1 x 10,000 / 100,000.
      {"worked case", {{"120", "10000"}, {"116", "20000"}, {"511", "-21700"}, {"515", "78300"}}, "2000", "783"},
      // A loss that takes up 511 and 115 exactly leaves nothing to share.
      {"loss as large as the deductions",
       {{"120", "10000"}, {"116", "20000"}, {"511", "-21700"}, {"115", "3000"}, {"515", "-24700"}},
       "",
       ""},
      {"one less",
       {{"120", "10000"}, {"116", "20000"}, {"511", "-21700"}, {"115", "3000"}, {"515", "-24699"}},
       "4049",
       "500"},
      {"a limit of 0 writes no digit", {{"120", "10000"}, {"515", "78300"}, {"511", "-21700"}}, "", "783"},
      {"nothing to go on", {{"511", "-21700"}}, "", ""},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, c.Guardadas);
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      EXPECT_EQ(f.Calcular122(), c.Limite122);
      EXPECT_EQ(f.Calcular123(), c.Limite123);
      EXPECT_FALSE(f.FormularioModificado);
      Cierra(f);
    });
  }
}

}  // namespace
}  // namespace app::testing
