// The lookup window: the three lists the Consultas menu opens, each on a
// fresh window, and an empty group.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ventanas/frmBancos.h"
#include "platform/text/Strings.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

class Bancos : public Listas {
 protected:
  /// The rows of the list, each cell without its trailing blanks.
  static std::vector<std::string> Lista(const forms::DataGrid& grid) {
    std::vector<std::string> filas;
    for (long r = 0; r < grid.RowCount(); ++r)
      filas.push_back(grid.CellText(r, 0) + "|" + vb::RTrim(grid.CellText(r, 1)));
    return filas;
  }
};

TEST_F(Bancos, EachLookupShowsItsGroupAndOpensOnTheDesignedColumns) {
  struct Caso {
    forms::Menu MDIFrm::*Comando;
    const char* Caption;
    const char* Encabezados;
    const char* Formatos;
    long AnchoCodigo;
    bool Ordenada;  // the UIT's; the other two come in the engine's order
    std::vector<std::string> Filas;
  };
  // The UIT first: the next window starts from the design again.
  const Caso casos[] = {
      {&MDIFrm::mnuUit,
       "Consulta de UIT",
       "Fecha|Valor",
       "0#/0#/####|###,###",
       1500,
       true,
       {"01/01/2003|3,100", "01/01/2002|3,100", "01/01/2001|3,000", "01/01/2000|2,900", "01/01/1999|2,800"}},
      {&MDIFrm::mnuBancos,
       "Consulta de Bancos",
       "Código|Descripción",
       "|",
       900,
       false,
       {"02|BANCO ANDINO DE CREDITO", "03|BANCO INTERCONTINENTAL DEL SUR", "09|BANCO DEL PACIFICO NORTE",
        "11|BANCO DE LA NACION MINERA", "18|BANCO AGRARIO DE LOS VALLES", "23|CAJA MUNICIPAL DE AHORRO Y CREDITO"}},
      {&MDIFrm::mnuPro,
       "Consulta de Profesiones",
       "Código|Descripción",
       "|",
       900,
       false,
       {"01|ABOGADO", "02|ACTOR,ARTISTA Y DIRECTOR DE ESPECTAC", "17|CONTADOR"}},  // 36 characters
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Caption);
    User.ExpectModal<frmBancos>([&](frmBancos& f) {
      EXPECT_EQ(f.Caption(), c.Caption);
      EXPECT_EQ(f.Width(), 7065);
      EXPECT_EQ(f.Height(), 4140);
      EXPECT_EQ(f.CmdSalir.Caption(), "&Salir");
      EXPECT_EQ(Encabezados(f.grdBancos), c.Encabezados);
      EXPECT_EQ(f.grdBancos.Columns(0).NumberFormat() + "|" + f.grdBancos.Columns(1).NumberFormat(), c.Formatos);
      EXPECT_EQ(f.grdBancos.Columns(0).Width(), c.AnchoCodigo);
      std::vector<std::string> filas = Lista(f.grdBancos);
      if (!c.Ordenada) std::sort(filas.begin(), filas.end());
      EXPECT_EQ(filas, c.Filas);
      EXPECT_EQ(f.ActiveControl(), &f.grdBancos);
      User.Click(f.CmdSalir);
    });
    User.ChooseMenu(Principal().*c.Comando);
    EXPECT_FALSE(Aplicacion.HasInstance<frmBancos>());
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
  }
}

TEST_F(Bancos, AnEmptyGroupGivesADisabledGrid) {
  Ejecuta({"DELETE * FROM PARAM WHERE Numero='004' AND Argumento<>'00'"});
  User.ExpectModal<frmBancos>([&](frmBancos& f) {
    EXPECT_EQ(f.grdBancos.RowCount(), 0);
    EXPECT_FALSE(f.grdBancos.Enabled());
    EXPECT_EQ(f.ActiveControl(), &f.CmdSalir);
    User.Click(f.CmdSalir);
  });
  User.ChooseMenu(Principal().mnuBancos);
}

}  // namespace
}  // namespace app::testing
