// The taxable income: incomes typed by category recompute their totals and
// deductions, the net income and, down the chain, the tax and the balance.
// The sample's UIT is 3,100: 7 UIT are 21,700 and 24 UIT 74,400.
#include <gtest/gtest.h>

#include <vector>

#include "tests/computation/RecalculoFixture.h"

namespace app::testing {
namespace {

using RentaImponible = Recalculo;

TEST_F(RentaImponible, ATypedIncomeRecomputesItsCategoryAndTheChainBelow) {
  Comprueba({
      {"first category",
       {},
       {{100, "1000"}},
       {{501, "1,000"},
        {502, "(200)"},
        {503, "800"},
        {113, "800"},
        {513, "800"},
        {514, "800"},
        {515, "800"},
        {120, "120"},
        {516, "120"},
        {141, "0"},
        {142, "120"},
        {146, "120"},
        {518, "800"}},
       {{114, true}, {145, true}, {140, false}}},
      {"first category emptied",
       {},
       {{100, "1000"}, {100, ""}},
       {{501, ""}, {502, ""}, {503, ""}, {113, ""}, {515, ""}, {120, ""}, {141, ""}, {142, ""}, {146, ""}, {518, ""}},
       {{114, false}, {145, false}}},
      {"second category, a deduction of half a unit",
       {},
       {{105, "1005"}},
       {{504, "1,005"}, {505, "(101)"}, {506, "904"}, {113, "904"}}},
      {"fifth category above 7 UIT",
       {},
       {{111, "30000"}},
       {{510, "30,000"}, {511, "(21,700)"}, {512, "8,300"}, {509, ""}, {508, ""}, {113, "8,300"}, {120, "1,245"}}},
      {"fifth category below 7 UIT", {}, {{111, "15000"}}, {{511, "(15,000)"}, {512, "0"}, {120, "0"}}},
      {"then fourth category above the cap of 24 UIT",
       {},
       {{111, "30000"}, {107, "400000"}},
       {{507, "(74,400)"},
        {508, "325,600"},
        {509, "325,600"},
        {510, "355,600"},
        {511, "(21,700)"},
        {512, "333,900"},
        {113, "333,900"},
        {120, "75,087"}}},
      {"fourth category below the cap", {}, {{107, "100000"}}, {{507, "(20,000)"}, {508, "80,000"}}},
      {"other fourth-category income alone",
       {},
       {{108, "5000"}},
       {{508, ""}, {509, "5,000"}, {510, "5,000"}, {511, "(5,000)"}, {512, "0"}, {113, "0"}}},
      {"losses beyond the income",
       {{"100", "5000"}, {"113", "5000"}, {"114", "3000"}},
       {{115, "4000"}},
       {{513, "0"}, {514, "0"}, {515, "0"}, {120, "0"}},
       {{114, true}}},
      {"an Amazon investment above the subtotal",
       {},
       {{116, "1000"}, {117, "2000"}},
       {{514, "1,000"}, {515, "(1,000)"}, {120, "(150)"}, {516, "0"}}},
      // Kept as designed: a box 110 beyond its limit makes 511 positive and
      // doubles the loss in 512; the check refuses such a return.
      {"a solidarity tax larger than the fourth-category income",
       {},
       {{108, "100"}, {110, "500"}},
       {{509, "(400)"}, {510, "(400)"}, {511, "400"}, {512, "(800)"}, {113, "(800)"}}},
  });
}

TEST_F(RentaImponible, TheLossesBoxAndTheAmazonGroupFollowTheirIncomes) {
  Comprueba({
      {"102 opens 114", {}, {{102, "1"}}, {{114, ""}}, {{114, true}}},
      {"a typed 0 closes it", {{"100", "5"}}, {{100, "0"}}, {{501, "0"}}, {{114, false}}},
      {"emptied, 114 empties",
       {{"100", "5000"}, {"114", "3000"}},
       {{100, ""}},
       {{114, ""}, {513, ""}, {515, ""}},
       {{114, false}}},
      {"117 opens the Amazon group", {}, {{117, "500"}}, {{515, "(500)"}}, {{817, true}, {229, true}, {232, true}}},
      {"117 emptied closes it",
       {{"117", "500"}, {"817", "SELVA SAC"}, {"231", "500"}},
       {{117, ""}},
       {{515, ""}, {817, ""}, {231, ""}},
       {{817, false}, {229, false}, {232, false}}},
  });
}

TEST_F(RentaImponible, WithoutTheUitTheCappedDeductionsAndTheTaxStayBlank) {
  Ejecuta({"DELETE * FROM PARAM WHERE Numero='404'"});
  Guarda(kGarcia, {kNoRectifica});
  User.ExpectMsgBox(
      "No se encontró para el ejercicio 2002:\n- el valor de la UIT\nLas casillas que dependen de ellos no se "
      "calcularán.",
      forms::vbOK);
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 107, "400000");
    Teclea(f, 100, "1000");
    const Texto muestran[] = {{507, ""},    {508, "400,000"}, {510, "400,000"}, {511, ""},       {512, "400,000"},
                              {503, "800"}, {113, "400,800"}, {515, "400,800"}, {120, ""},       {516, ""},
                              {141, ""},    {142, ""},        {146, ""},        {518, "400,800"}};
    for (const Texto& t : muestran) EXPECT_EQ(f.txtvalor(t.Casilla).Text(), t.Valor) << t.Casilla;
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
