// Choosing the declarant of a new return, the profession and the document
// types; the keys the declarant list refuses.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/text/Strings.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Identificacion = Declaracion;

TEST_F(Identificacion, ChoosingADeclarantFillsTheNamesTheStatusBarAndTheReturnKey) {
  struct Caso {
    const char* Ruc;
    const char* Paterno;
    const char* Materno;
    const char* Nombres;
  };
  const Caso casos[] = {
      {kGarcia, "GARCIA", "PEREZ", "JUAN"},
      {"10412345679", "FLORES", "", "CARMEN"},
      {"10065432108", "NUÑEZ", "CASTAÑEDA", "JOSÉ"},
  };
  AbreNueva([&](Frm0917& f) {
    BarradeEstadoQBX& barra = Principal().BarradeEstadoQBX1;
    EXPECT_EQ(barra.numdoc(), "");
    EXPECT_EQ(barra.formulario(), "0917");
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Ruc);
      User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, c.Ruc));
      EXPECT_EQ(f.txtvalor(801).Text(), c.Paterno);
      EXPECT_EQ(f.txtvalor(802).Text(), c.Materno);
      EXPECT_EQ(f.txtvalor(803).Text(), c.Nombres);
      const std::string nombre = std::string(c.Paterno) + " " + c.Materno + ", " + c.Nombres;
      EXPECT_EQ(G().NombreDeclarante, nombre);
      EXPECT_EQ(G().RucDeclarante, c.Ruc);
      EXPECT_EQ(barra.numdoc(), c.Ruc);
      EXPECT_EQ(barra.razonsocial(), nombre);
      EXPECT_EQ(f.CmbRuc.Left(), 1340);
    }
    for (int n : {801, 802, 803}) EXPECT_FALSE(f.txtvalor(n).Enabled()) << n;
    EXPECT_TRUE(User.Messages().empty());
    Cierra(f);
  });
}

TEST_F(Identificacion, ADeclarantWithASavedReturnBringsTheFirstPageBackWithoutAMessage) {
  Guarda(kQuispe, {{"100", "1"}});
  AbreNueva([&](Frm0917& f) {
    f.tab0584.SetTab(2);
    f.CmbRuc.SetListIndex(ItemDe(f.CmbRuc, kGarcia));
    EXPECT_EQ(f.tab0584.Tab(), 2);
    f.CmbRuc.SetListIndex(ItemDe(f.CmbRuc, kQuispe));
    EXPECT_EQ(f.tab0584.Tab(), 0);
    EXPECT_EQ(G().RsConsulta, nullptr);
    EXPECT_TRUE(User.Messages().empty());
    Cierra(f);
  });
}

TEST_F(Identificacion, TheDeclarantListTakesNoKeyButF1) {
  AbreNueva([&](Frm0917& f) {
    User.Focus(f.CmbRuc);
    User.Type("N");
    User.Press(forms::vbKeyDown);
    User.Press(forms::vbKeyEnd);
    EXPECT_EQ(f.CmbRuc.ListIndex(), -1);
    const std::size_t ayudas = User.HelpShown().size();
    User.F1();
    EXPECT_EQ(User.HelpShown().size(), ayudas + 1);
    Cierra(f);
  });
}

TEST_F(Identificacion, AProfessionShowsItsName) {
  AbreNueva([&](Frm0917& f) {
    User.Choose(f.cboProfesion, 1);
    EXPECT_EQ(f.txtProfesion.Text(), vb::Trim(vb::Mid(f.cboProfesion.List(1), 7)));
    EXPECT_NE(f.txtProfesion.Text(), "");
    User.Choose(f.cboProfesion, 0);
    EXPECT_EQ(f.txtProfesion.Text(), "");
    Cierra(f);
  });
}

TEST_F(Identificacion, ADocumentTypeEmptiesItsNumberAndSetsItsLength) {
  AbreNueva([&](Frm0917& f) {
    User.SelectTab(f.tab0584, 3);
    forms::ComboBox& tipo = f.cmbtipdoc(301);
    forms::TextBox& numero = f.txtvalor(302);
    User.Choose(tipo, 1);  // RUC
    EXPECT_TRUE(numero.Enabled());
    EXPECT_EQ(numero.MaxLength(), 11);
    User.Type(numero, "20100");
    EXPECT_EQ(numero.Text(), "20100");
    User.Choose(tipo, 2);  // DNI
    EXPECT_EQ(numero.Text(), "");
    EXPECT_EQ(numero.MaxLength(), 8);
    User.Type(numero, "401");
    User.Choose(tipo, 0);  // the blank item: no type
    EXPECT_EQ(numero.Text(), "");
    EXPECT_FALSE(numero.Enabled());
    EXPECT_EQ(numero.MaxLength(), 8);
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
