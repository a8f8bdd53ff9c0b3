//===- RecalculoFixture.h - Amounts typed into a saved return -------------===//
//
// The return form's fixture, with a case shape for the formulas' tests: the
// rows stored before the form opens, the amounts the user types in order,
// and the texts and box states the form must show after.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/return/DeclaracionFixture.h"

namespace app::testing {

/// A box and its text.
struct Texto {
  std::int16_t Casilla;
  const char* Valor;
};

/// A box and whether it is switched on (enabled and editable).
struct Encendida {
  std::int16_t Casilla;
  bool Si;
};

struct CasoTecleado {
  const char* Nombre;
  std::vector<Fila> Guardadas;
  std::vector<Texto> Tecleadas;
  std::vector<Texto> Muestran;
  std::vector<Encendida> Estados = {};
};

class Recalculo : public Declaracion {
 protected:
  /// Each case on GARCIA's return stored afresh with its rows (and the
  /// rectification answered): opened, typed into, checked, closed.
  void Comprueba(const std::vector<CasoTecleado>& casos) {
    for (const CasoTecleado& c : casos) {
      SCOPED_TRACE(c.Nombre);
      Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
      std::vector<Fila> guardadas{kNoRectifica};
      guardadas.insert(guardadas.end(), c.Guardadas.begin(), c.Guardadas.end());
      Guarda(kGarcia, guardadas);
      AbreGuardada(kGarcia, [&](Frm0917& f) {
        for (const Texto& t : c.Tecleadas) Teclea(f, t.Casilla, t.Valor);
        for (const Texto& t : c.Muestran) EXPECT_EQ(f.txtvalor(t.Casilla).Text(), t.Valor) << t.Casilla;
        for (const Encendida& e : c.Estados) {
          EXPECT_EQ(f.txtvalor(e.Casilla).Enabled(), e.Si) << e.Casilla;
          EXPECT_EQ(f.txtvalor(e.Casilla).Locked(), !e.Si) << e.Casilla;
        }
        Cierra(f);
      });
    }
  }
};

}  // namespace app::testing
