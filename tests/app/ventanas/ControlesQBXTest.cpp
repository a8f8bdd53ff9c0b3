// The maker's two controls: the status bar's properties and what it shows,
// the payment control's properties and the user's choices in it.
#include <gtest/gtest.h>

#include "app/componentes/BarradeEstadoQBX.h"
#include "app/inicio/Compartidas.h"
#include "app/componentes/FormaDePagoQBX.h"
#include "platform/forms/Application.h"
#include "platform/forms/Input.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/support/SampleFixture.h"

namespace app::testing {
namespace {

class frmConControles : public forms::Form {
 public:
  frmConControles() : Form("frmConControles") {}
  BarradeEstadoQBX BarradeEstadoQBX1{this, "BarradeEstadoQBX1"};
  FormaDePagoQBX FormaDePagoQBX1{this, "FormaDePagoQBX1"};
};

/// Counts what the front end is told of the custom controls.
class Avisos : public forms::testing::ScriptedUser {
 public:
  void ControlChanged(forms::Control& c, forms::Property p) override {
    if (p == forms::Property::Custom) Custom.push_back(c.Name());
  }
  std::vector<std::string> Custom;
};

class Controles : public ::testing::Test {
 protected:
  Controles() { ReiniciaCompartidas(); }
  ~Controles() override {
    Aplicacion.Reset();
    ReiniciaCompartidas();
  }
  Avisos User;
  forms::Application Aplicacion{User};
  frmConControles& F = forms::Default<frmConControles>();
};

TEST_F(Controles, TheStatusBarKeepsEachPropertyAndShowsThem) {
  BarradeEstadoQBX& b = F.BarradeEstadoQBX1;
  F.Show();
  b.Setnumdoc("20100000001");
  b.Setrazonsocial("P & G ASOCIADOS");
  b.Setformulario("0917");
  b.Setperiodo_ejercicio("2002");
  b.Setesruc(1);
  EXPECT_EQ(b.numdoc(), "20100000001");
  EXPECT_EQ(b.razonsocial(), "P & G ASOCIADOS");
  EXPECT_EQ(b.formulario(), "0917");
  EXPECT_EQ(b.periodo_ejercicio(), "2002");
  EXPECT_EQ(b.esruc(), 1);
  EXPECT_EQ(User.Custom.size(), 5u);
  EXPECT_EQ(User.Custom.front(), "BarradeEstadoQBX1");

  auto muestra = [&] {
    return std::vector<std::string>{b.lblTipoDoc.Caption(), b.lblNumdoc.Caption(), b.lblRazonsocial.Caption(),
                                    b.lblFormulario.Caption(), b.lblPeriodo.Caption()};
  };
  EXPECT_EQ(muestra(), (std::vector<std::string>{"RUC:", "20100000001", "P && G ASOCIADOS", "Formulario 0917",
                                                 "Ejercicio 2002"}));
  for (forms::Label* l : {&b.lblTipoDoc, &b.lblNumdoc, &b.lblRazonsocial, &b.lblFormulario, &b.lblPeriodo}) {
    EXPECT_EQ(l->Container(), &b);
  }

  // A caller writes only its properties; the others keep their values.
  b.Setnumdoc("");
  b.Setrazonsocial("");
  b.Setperiodo_ejercicio("");
  b.Setesruc(0);
  EXPECT_EQ(b.formulario(), "0917");
  EXPECT_EQ(muestra(), (std::vector<std::string>{"Documento:", "", "", "Formulario 0917", ""}));
}

TEST_F(Controles, ThePaymentControlKeepsItsPropertiesAsWritten) {
  FormaDePagoQBX& p = F.FormaDePagoQBX1;
  EXPECT_EQ(p.formapago(), "XX");
  EXPECT_EQ(p.banco(), "XX");
  EXPECT_EQ(p.numcheque(), "");
  EXPECT_EQ(p.importe(), "");
  EXPECT_TRUE(p.habilitado());

  F.Show();
  p.Setformapago("C");
  p.Setbanco("02");  // no database: no bank list, the code is kept all the same
  p.Setnumcheque("00012345");
  p.Setimporte("(1,250)");
  EXPECT_EQ(p.formapago(), "C");
  EXPECT_EQ(p.banco(), "02");
  EXPECT_EQ(p.numcheque(), "00012345");
  EXPECT_EQ(p.importe(), "(1,250)");
  EXPECT_TRUE(p.optCheque.Value());
  EXPECT_FALSE(p.optEfectivo.Value());
  EXPECT_EQ(p.txtCheque.Text(), "00012345");
  EXPECT_EQ(p.lblMonto.Caption(), "(1,250)");

  // Whatever the return holds in box 599 comes back as it was written.
  for (const char* forma : {"E", "XX", " ", "Z"}) {
    p.Setformapago(forma);
    EXPECT_EQ(p.formapago(), forma);
    EXPECT_EQ(p.optCheque.Value(), false);
    EXPECT_EQ(p.optEfectivo.Value(), std::string(forma) == "E");
  }
}

class ControlesConBase : public Controles {
 protected:
  ControlesConBase() { G().BaseDatos = Instalacion.Open(G().Motor); }
  kr::testing::SampleInstallation Instalacion;
};

TEST_F(ControlesConBase, TheUserPicksChequeBankAndNumberOrCash) {
  FormaDePagoQBX& p = F.FormaDePagoQBX1;
  F.Show();
  p.Setformapago("XX");
  // The banks of the host's table, without its row "00".
  std::vector<std::string> bancos;
  for (int i = 0; i < p.cboBanco.ListCount(); ++i) bancos.push_back(p.cboBanco.List(i));
  EXPECT_EQ(bancos, (std::vector<std::string>{"BANCO ANDINO DE CREDITO", "BANCO INTERCONTINENTAL DEL SUR",
                                              "BANCO DEL PACIFICO NORTE", "BANCO DE LA NACION MINERA",
                                              "BANCO AGRARIO DE LOS VALLES", "CAJA MUNICIPAL DE AHORRO Y CREDITO"}));
  EXPECT_FALSE(forms::Input::Focus(p.cboBanco));  // no bank nor number without a cheque

  User.Click(p.optCheque);
  EXPECT_EQ(p.formapago(), "C");
  User.Choose(p.cboBanco, "BANCO DEL PACIFICO NORTE");
  EXPECT_EQ(p.banco(), "09");
  User.Type(p.txtCheque, "4471");
  EXPECT_EQ(p.numcheque(), "4471");

  p.Setbanco("23");  // the stored header's bank
  EXPECT_EQ(p.cboBanco.Text(), "CAJA MUNICIPAL DE AHORRO Y CREDITO");
  p.Setbanco("XX");
  EXPECT_EQ(p.cboBanco.ListIndex(), -1);

  User.Click(p.optEfectivo);
  EXPECT_EQ(p.formapago(), "E");
  EXPECT_EQ(p.numcheque(), "4471");  // kept; the save blanks it for cash

  p.Sethabilitado(false);  // a sent return is locked
  EXPECT_FALSE(p.habilitado());
  for (forms::Control* c : std::initializer_list<forms::Control*>{&p.optCheque, &p.optEfectivo, &p.cboBanco,
                                                                    &p.txtCheque}) {
    EXPECT_FALSE(forms::Input::Click(*c)) << c->Name();
  }
  EXPECT_EQ(p.formapago(), "E");
}

}  // namespace
}  // namespace app::testing
