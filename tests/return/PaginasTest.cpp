// The pages' help topics as F1 asks for them, the debt frames that the
// scroll bar swaps, and the check of the spouse's birth date.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Paginas = Declaracion;

TEST_F(Paginas, F1OnEachPageGivesItsTopic) {
  struct Caso {
    int Exterior;
    forms::TabControl Frm0917::*Tira;  // nullptr: the outer page alone
    int Interior;
    long Tema;
  };
  const Caso casos[] = {
      {0, nullptr, 0, 1052},
      {1, nullptr, 0, 1067},
      {1, &Frm0917::SSTab2, 1, 1068},  {1, &Frm0917::SSTab2, 2, 1066},
      {1, &Frm0917::SSTab2, 3, 1065},  {1, &Frm0917::SSTab2, 0, 1067},
      {2, nullptr, 0, 1046},
      {3, nullptr, 0, 1069},
      {3, &Frm0917::SSTab3, 1, 1009},  {3, &Frm0917::SSTab3, 2, 1008},
      {3, &Frm0917::SSTab3, 0, 1069},
      {0, nullptr, 0, 1052},
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Exterior);
      SCOPED_TRACE(c.Interior);
      if (f.tab0584.Tab() != c.Exterior) User.SelectTab(f.tab0584, c.Exterior);
      if (c.Tira != nullptr) User.SelectTab(f.*c.Tira, c.Interior);
      User.F1();
      ASSERT_FALSE(User.HelpShown().empty());
      EXPECT_EQ(User.HelpShown().back().Command, forms::cdlHelpContext);
      EXPECT_EQ(User.HelpShown().back().ContextID, c.Tema);
    }
    // From a box, F1 gives the topic of the page it stands on.
    User.SelectTab(f.tab0584, 1);
    User.SelectTab(f.SSTab2, 1);
    User.Click(f.txtvalor(105));
    User.F1();
    EXPECT_EQ(User.HelpShown().back().ContextID, 1068);

    // The schedule answers' page cannot be reached; its strip's topics are set all the same.
    const long temasAdicional[] = {1045, 1038, 1072, 1062};
    for (int pagina = 3; pagina >= 0; --pagina) {
      f.SSTab1.SetTab(pagina);
      EXPECT_EQ(f.SSTab1.HelpContextID(), temasAdicional[pagina]) << pagina;
    }
    Cierra(f);
  });
}

// Leaving page 0 checks the identification: the first thing missing is told,
// page 0 comes back with its topic, and the focus goes where the answer goes.
TEST_F(Paginas, LeavingTheIdentificationUnansweredBringsItBackWithOneMessage) {
  struct Caso {
    const char* Nombre;
    bool Declarante;
    bool Rectifica;
    const char* Telefono;
    const char* Mensaje;  // nullptr: the page is left
    std::function<forms::Control*(Frm0917&)> Foco = {};
  };
  const Caso casos[] = {
      {"nothing answered", false, false, "", "Debe seleccionar un declarante",
       [](Frm0917& f) -> forms::Control* { return &f.CmbRuc; }},
      {"no rectification answer", true, false, "", "Indique si es rectificatoria"},
      {"a telephone of five characters", true, true, "12345", "Ingrese correctamente el teléfono",
       [](Frm0917& f) -> forms::Control* { return &f.TxtTelefono; }},
      {"answered", true, true, "123456", nullptr},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    AbreNueva([&](Frm0917& f) {
      if (c.Declarante) User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, kGarcia));
      if (c.Rectifica) User.Click(f.OptRectifica(0));
      f.TxtTelefono.SetText(c.Telefono);
      const std::size_t antes = User.Messages().size();
      if (c.Mensaje != nullptr) {
        User.ExpectMsgBox({c.Mensaje, forms::vbCritical, std::string(kTituloFrm0917)}, forms::vbOK);
      }
      User.SelectTab(f.tab0584, 2);
      EXPECT_EQ(User.Messages().size(), antes + (c.Mensaje != nullptr ? 1 : 0));
      EXPECT_EQ(f.tab0584.Tab(), c.Mensaje != nullptr ? 0 : 2);
      EXPECT_EQ(f.tab0584.HelpContextID(), c.Mensaje != nullptr ? 1052 : 1046);
      if (c.Foco) {
        EXPECT_EQ(f.ActiveControl(), c.Foco(f));
      }
      Cierra(f);
    });
  }
}

TEST_F(Paginas, RegisteringAnOrderNumberLeavesTheTopicsAsTheyAre) {
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = kGarcia;
  g.Correlativo = "002";
  Abre([&](Frm0917& f) {
    // Nor is the identification checked: an unanswered one stays silent.
    f.OptRectifica(0).SetValue(false);
    f.OptRectifica(1).SetValue(false);
    User.SelectTab(f.tab0584, 2);
    EXPECT_EQ(f.tab0584.Tab(), 2);
    User.F1();
    EXPECT_EQ(User.HelpShown().back().ContextID, 1052);
    Cierra(f);
  });
}

TEST_F(Paginas, TheScrollBarSwapsTheDebtFrames) {
  struct Marco {
    bool Visible;
    long Left, Top;
  };
  struct Caso {
    int Valor;
    bool Arrastrando;
    Marco Marcos[3];
  };
  const Caso casos[] = {
      {2, false, {{false, 120, 480}, {false, 120, 1950}, {true, 120, 800}}},
      {1, false, {{true, 120, 480}, {true, 120, 1950}, {false, 120, 800}}},
      {2, true, {{false, 120, 480}, {false, 120, 1950}, {true, 120, 800}}},
      {1, true, {{true, 120, 480}, {true, 120, 1950}, {false, 120, 800}}},
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    User.SelectTab(f.tab0584, 2);
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Valor);
      SCOPED_TRACE(c.Arrastrando);
      ASSERT_TRUE(forms::Input::Scroll(f.hsDeuda, c.Valor, c.Arrastrando));
      for (int i = 1; i <= 3; ++i) {
        const Marco& m = c.Marcos[i - 1];
        EXPECT_EQ(f.fraDeuda(i).Visible(), m.Visible) << i;
        EXPECT_EQ(f.fraDeuda(i).Left(), m.Left) << i;
        EXPECT_EQ(f.fraDeuda(i).Top(), m.Top) << i;
      }
    }
    // The balance's boxes are reached once their frame is in view.
    User.Scroll(f.hsDeuda, 2);
    User.Click(f.txtvalor(144));
    EXPECT_EQ(f.ActiveControl(), &f.txtvalor(144));
    Cierra(f);
  });
}

TEST_F(Paginas, ABirthDateOutsideItsRangeOrNoDateEmptiesTheBoxSilently) {
  struct Caso {
    const char* Tecleado;
    const char* Queda;
  };
  const Caso casos[] = {
      {"15031970", "15/03/1970"}, {"01011800", "__/__/____"}, {"01011850", "01/01/1850"},
      {"02012500", "__/__/____"}, {"31021970", "__/__/____"}, {"1503", "__/__/____"},
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    MuestraPaginas(f.MkeFecNac);
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Tecleado);
      f.MkeFecNac.SetText("");
      User.Click(f.MkeFecNac);
      f.MkeFecNac.SetSelStart(0);
      User.Type(c.Tecleado);
      User.Tab();
      EXPECT_EQ(f.MkeFecNac.Text(), c.Queda);
    }
    EXPECT_TRUE(User.Messages().empty());
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
