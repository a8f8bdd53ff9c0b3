// A change of a box: the return marked modified, nothing computed while the
// load fills the form, the row of the box run, and the counters that keep the
// totals of the breakdowns from running themselves again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/forms/TextBox.h"
#include "return/DisenoCasillas.h"
#include "return/Recalculo.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Cambio = Declaracion;

TEST(Recalculo, EveryRowNamesBoxesOfTheFormNoBoxTwiceAndAtLeastOneStep) {
  std::set<int> vistas;
  for (const FilaRecalculo& fila : kRecalculo) {
    EXPECT_NE(fila.Pasos[0], nullptr);
    for (std::int16_t n : fila.Casillas) {
      if (n == 0) break;
      SCOPED_TRACE(n);
      EXPECT_TRUE(vistas.insert(n).second) << "a second row would never run";
      EXPECT_TRUE(std::any_of(std::begin(kCasillas), std::end(kCasillas),
                              [n](const CasillaDiseno& c) { return c.Numero == n; }));
      EXPECT_EQ(FilaRecalculoDe(n), &fila);
    }
  }
  for (int n : {0, 501, 514, 518, 146, 140, 1000}) EXPECT_EQ(FilaRecalculoDe(n), nullptr) << n;
}

TEST_F(Cambio, TheLoadComputesNothingAndAnEqualTextIsStillAChange) {
  // As stored by hand: the computed boxes missing.
  Guarda(kGarcia, {{"100", "5000"}, {"535", "70"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    for (int n : {501, 502, 503, 113, 515, 120, 200}) EXPECT_EQ(f.txtvalor(n).Text(), "") << n;
    EXPECT_FALSE(f.FormularioModificado);

    f.txtvalor(100).SetText(f.txtvalor(100).Text());
    EXPECT_TRUE(f.FormularioModificado);
    EXPECT_EQ(f.txtvalor(501).Text(), "5,000");
    EXPECT_EQ(f.txtvalor(120).Text(), "600");
    Cierra(f);
  });
}

TEST_F(Cambio, ABreakdownTotalRunsOnceForAChangeOfAPartAndNeverForItsOwnWrite) {
  struct Caso {
    std::int16_t Parte, Total;
    std::int16_t Frm0917::*Contador;
  };
  const Caso casos[] = {{535, 200, &Frm0917::Reingreso200},
                        {539, 200, &Frm0917::Reingreso200},
                        {530, 201, &Frm0917::Reingreso201},
                        {540, 201, &Frm0917::Reingreso201}};
  Guarda(kGarcia, {});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    int escrituras = 0;
    std::int16_t total = 0;
    f.txtvalor.On(&forms::TextBox::Change, [&](int Index) {
      if (Index == total) ++escrituras;
      f.txtvalor_Change(Index);
    });
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Parte);
      total = c.Total;
      for (std::int16_t n = 530; n <= 541; ++n) f.txtvalor(n).SetText("");

      // Whatever the counters hold, a part recomputes its total: one run,
      // which writes the total twice (its value, then its display form).
      escrituras = 0;
      f.txtvalor(c.Parte).SetText("1500");
      EXPECT_EQ(escrituras, 2);
      EXPECT_EQ(f.txtvalor(c.Total).Text(), "1,500");

      // Right after a focus entry the counters are 0: a change of the total
      // runs it, and the two changes that run makes do not run it again.
      f.Reingreso200 = f.Reingreso201 = 0;
      escrituras = 0;
      f.txtvalor(c.Total).SetText("99");
      EXPECT_EQ(escrituras, 3);
      EXPECT_EQ(f.txtvalor(c.Total).Text(), "1,500");
      EXPECT_EQ(f.*c.Contador, 0);

      // Its own run left the count at 0: the next change runs it again, once.
      escrituras = 0;
      f.txtvalor(c.Total).SetText("99");
      EXPECT_EQ(escrituras, 3);
      EXPECT_EQ(f.txtvalor(c.Total).Text(), "1,500");
    }
    Cierra(f);
  });
}

TEST_F(Cambio, TheCountersStopAtTwoHoweverManyChangesCome) {
  Guarda(kGarcia, {});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    for (int i = 0; i < 40000; ++i) f.txtvalor(812).SetText("X");
    EXPECT_EQ(f.Reingreso200, 2);
    EXPECT_EQ(f.Reingreso201, 2);
    Cierra(f);
  });
}

TEST_F(Cambio, EveryRowEndsOnAReturnWithEveryBoxFilled) {
  std::vector<Fila> filas;
  for (std::int16_t n : kListaCasillas) {
    if (n == 140) continue;
    filas.emplace_back(std::to_string(n), std::to_string(1000 + n));
  }
  Guarda(kGarcia, filas);
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    int profundidad = 0, mayor = 0, cambios = 0;
    f.txtvalor.On(&forms::TextBox::Change, [&](int Index) {
      ++cambios;
      mayor = std::max(mayor, ++profundidad);
      f.txtvalor_Change(Index);
      --profundidad;
    });
    for (const FilaRecalculo& fila : kRecalculo) {
      for (std::int16_t n : fila.Casillas) {
        if (n == 0) break;
        SCOPED_TRACE(n);
        f.Reingreso200 = f.Reingreso201 = 0;
        mayor = cambios = 0;
        f.txtvalor(n).SetText(std::to_string(2000 + n));
        EXPECT_GE(cambios, 1);
        // No change comes back to itself: the longest chain is 100, 113,
        // 515, 120, 142, 145 (switched off), 146.
        EXPECT_LE(mayor, 7);
      }
    }
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
