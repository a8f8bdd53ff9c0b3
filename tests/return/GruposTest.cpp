// Box groups switched on and off, the single boxes, and the option pairs set
// from stored boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Constants.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Grupos = Declaracion;

TEST_F(Grupos, AGroupSwitchedOffAndOnAgainHasItsBoxesEmptyAndItsListsWithoutAChoice) {
  struct Grupo {
    const char* Nombre;
    void (Frm0917::*Enciende)();
    void (Frm0917::*Apaga)();
    std::vector<std::int16_t> Casillas;
    std::vector<int> Listas;
  };
  const Grupo grupos[] = {
      {"Amazonia", &Frm0917::HabAmazonia, &Frm0917::DesAmazonia, {817, 818, 229, 230, 231, 232}, {}},
      {"Cuarta",
       &Frm0917::HabCuarta,
       &Frm0917::DesCuarta,
       {822, 823, 824, 825, 215, 217, 218, 219, 220, 221, 222, 223},
       {224, 225, 226, 227}},
      {"Alquiler", &Frm0917::HabAlquiler, &Frm0917::DesAlquiler, {819, 820, 821, 208, 209, 211, 212, 213, 214},
       {204, 205, 206}},
  };
  AbreNueva([&](Frm0917& f) {
    for (const Grupo& g : grupos) {
      SCOPED_TRACE(g.Nombre);
      (f.*g.Enciende)();
      for (std::int16_t n : g.Casillas) f.txtvalor(n).SetText("9");
      for (int n : g.Listas) f.cmbtipdoc(n).SetListIndex(1);
      (f.*g.Apaga)();
      for (std::int16_t n : g.Casillas) {
        EXPECT_EQ(f.txtvalor(n).Text(), "") << n;
        EXPECT_FALSE(f.txtvalor(n).Enabled()) << n;
        EXPECT_TRUE(f.txtvalor(n).Locked()) << n;
        EXPECT_EQ(f.txtvalor(n).BackColor(), forms::vbButtonFace) << n;
      }
      for (int n : g.Listas) {
        EXPECT_EQ(f.cmbtipdoc(n).ListIndex(), -1) << n;
        EXPECT_FALSE(f.cmbtipdoc(n).Enabled()) << n;
        EXPECT_EQ(f.cmbtipdoc(n).BackColor(), 0x00C0C0C0L) << n;
      }
      (f.*g.Enciende)();
      for (std::int16_t n : g.Casillas) {
        EXPECT_EQ(f.txtvalor(n).Text(), "") << n;
        EXPECT_TRUE(f.txtvalor(n).Enabled()) << n;
        EXPECT_FALSE(f.txtvalor(n).Locked()) << n;
        EXPECT_EQ(f.txtvalor(n).BackColor(), forms::vbWhite) << n;
      }
      for (int n : g.Listas) {
        EXPECT_EQ(f.cmbtipdoc(n).ListIndex(), -1) << n;
        EXPECT_TRUE(f.cmbtipdoc(n).Enabled()) << n;
        EXPECT_EQ(f.cmbtipdoc(n).BackColor(), forms::vbWindowBackground) << n;
      }
    }
    EXPECT_TRUE(f.fraAmazonia.Enabled());
    f.DesAmazonia();
    EXPECT_FALSE(f.fraAmazonia.Enabled());
    Cierra(f);
  });
}

TEST_F(Grupos, RentedPremisesChosenByTheUserStartTheRowsAfresh) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    User.Click(f.optInmueble(1));
    EXPECT_TRUE(f.txtvalor(819).Enabled());
    User.SelectTab(f.tab0584, 3);
    User.SelectTab(f.SSTab3, 2);
    User.Choose(f.cmbtipdoc(204), 1);
    User.Type(f.txtvalor(819), "ALVAREZ");
    User.SelectTab(f.tab0584, 0);
    User.Click(f.optInmueble(2));
    EXPECT_EQ(f.txtvalor(819).Text(), "");
    EXPECT_FALSE(f.cmbtipdoc(204).Enabled());
    f.cmbtipdoc(204).SetListIndex(1);  // a choice left behind, say
    User.Click(f.optInmueble(1));
    EXPECT_EQ(f.cmbtipdoc(204).ListIndex(), -1);
    EXPECT_TRUE(f.cmbtipdoc(204).Enabled());
    Cierra(f);
  });
}

TEST_F(Grupos, SwitchingABoxOffIsAChangeEvenWhenItWasEmpty) {
  AbreNueva([&](Frm0917& f) {
    EXPECT_FALSE(f.FormularioModificado);
    EXPECT_EQ(f.txtvalor(114).Text(), "");
    f.Descasilla(114);
    EXPECT_TRUE(f.FormularioModificado);
    f.Habcasilla(114);
    EXPECT_TRUE(f.txtvalor(114).Enabled());
    Cierra(f);
  });
}

TEST_F(Grupos, AStoredBoxChoosesItsOption) {
  struct Caso {
    const char* Casilla;
    const char* Valor;
    const char* Elegida;  // "" none
  };
  const Caso casos[] = {
      {"871", "0", "OptRectifica(0)"},  {"871", "1", "OptRectifica(1)"},   {"871", "", "OptRectifica(1)"},
      {"260", "0", "optDevolucion(0)"}, {"260", "7", "optDevolucion(1)"},  {"027", "1", "optInmueble(1)"},
      {"027", "2", "optInmueble(2)"},   {"027", " 1", "optInmueble(2)"},  {"27", "1", ""},
      {"005", "1", ""},
  };
  AbreNueva([&](Frm0917& f) {
    User.ExpectMsgBox(
        "Recuerde que debe consignar información en todas las casillas inclusive aquellas que no está rectificando.",
        forms::vbOK);
    User.ExpectMsgBox(
        "Recuerde que debe consignar información en todas las casillas inclusive aquellas que no está rectificando.",
        forms::vbOK);
    for (const Caso& c : casos) {
      SCOPED_TRACE(std::string(c.Casilla) + " " + c.Valor);
      std::vector<forms::OptionButton*> opciones;
      for (auto* arreglo : {&f.OptRectifica, &f.optDevolucion, &f.optInmueble}) {
        for (int i : arreglo->Indexes()) {
          (*arreglo)(i).SetValue(false);
          opciones.push_back(&(*arreglo)(i));
        }
      }
      f.ActivaBotonesForm(c.Casilla, c.Valor);
      std::string elegidas;
      for (forms::OptionButton* o : opciones) {
        if (o->Value()) elegidas += o->Name() + "(" + std::to_string(o->Index()) + ")";
      }
      EXPECT_EQ(elegidas, c.Elegida);
    }
    EXPECT_FALSE(f.txtvalor(208).Enabled());  // owned premises, last: the rents are off
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
