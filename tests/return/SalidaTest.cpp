// Leaving the return form by Salir and by its close box, with and without
// changes, and in order-number registration; the schedule buttons.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ventanas/NombresVentanas.h"
#include "common/NumeroOrden.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/text/Strings.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

constexpr char kConsistente[] = "Toda la información del formulario fue grabada satisfactoriamente.";

class Salida : public Declaracion {
 protected:
  std::vector<std::string> Cab() { return Filas("SELECT Doc_id_d, estado FROM CAB WHERE Doc_id_d=" + dao::Quote(kGarcia)); }
  static bool Abierta() { return forms::Application::Current().HasInstance<Frm0917>(); }
};

TEST_F(Salida, AnUnchangedReturnClosesWithoutAQuestion) {
  Guarda(kQuispe, {{"100", "5000"}});
  AbreGuardada(kQuispe, [&](Frm0917& f) { User.Click(f.Cmdgeneral(2)); });
  EXPECT_TRUE(User.Messages().empty());
  EXPECT_FALSE(Abierta());
}

TEST_F(Salida, AChangedReturnAsksYesNoOrCancel) {
  // Cancel keeps the form; No closes it with that one question and writes nothing.
  AbreNueva([&](Frm0917& f) {
    User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, kGarcia));
    Teclea(f, 100, "10000");
    User.ExpectMsgBox(kPreguntaGuardar, forms::vbCancel);
    User.Click(f.Cmdgeneral(2));
    EXPECT_TRUE(f.Loaded());
    EXPECT_FALSE(f.SalirAlGrabar);
    User.ExpectMsgBox(kPreguntaGuardar, forms::vbNo);
    User.Click(f.Cmdgeneral(2));
  });
  ASSERT_EQ(User.Messages().size(), 2u);
  EXPECT_EQ(User.Messages()[1].Style, forms::vbYesNoCancel + forms::vbQuestion);
  EXPECT_EQ(User.Messages()[1].Title, kTituloFrm0917);
  EXPECT_FALSE(Abierta());
  EXPECT_EQ(Cab(), std::vector<std::string>{});
  EXPECT_EQ(Filas("SELECT * FROM DET WHERE Doc_id_d=" + dao::Quote(kGarcia)), std::vector<std::string>{});
}

TEST_F(Salida, YesSavesAndCloses) {
  AbreNueva([&](Frm0917& f) {
    User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, kGarcia));
    Teclea(f, 100, "10000");
    User.ExpectMsgBox(kPreguntaGuardar, forms::vbYes);
    User.ExpectMsgBox(kConsistente, forms::vbOK);
    User.Click(f.Cmdgeneral(2));
  });
  EXPECT_FALSE(Abierta());
  EXPECT_EQ(Cab(), (std::vector<std::string>{std::string(kGarcia) + "|0"}));
  EXPECT_EQ(G().Periodo, "");
}

TEST_F(Salida, TheCloseBoxAsksAsSalirDoes) {
  AbreNueva([&](Frm0917& f) {
    User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, kGarcia));
    Teclea(f, 100, "10000");
    User.ExpectMsgBox(kPreguntaGuardar, forms::vbCancel);
    User.Close(f);
    EXPECT_TRUE(f.Loaded());
    User.ExpectMsgBox(kPreguntaGuardar, forms::vbYes);
    User.ExpectMsgBox(kConsistente, forms::vbOK);
    User.Close(f);
  });
  EXPECT_FALSE(Abierta());
  EXPECT_EQ(Cab(), (std::vector<std::string>{std::string(kGarcia) + "|0"}));
}

class Registro : public Salida {
 protected:
  /// GARCIA's sending 001 open to record its order number.
  void AbreEnviada(std::function<void(Frm0917&)> paso) {
    Compartidas& g = G();
    g.Modo = 2;
    g.ModoRegistro = true;
    g.Enviadas = true;
    g.RucDeclarante = kGarcia;
    g.Periodo = "2002";
    g.Correlativo = "001";
    g.NumeroControl = Filas("SELECT control FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " AND correl='001'")[0];
    g.NumeroOrden = "";
    Abre(std::move(paso));
  }
  /// The user types `texto` over the order number.
  void Orden(Frm0917& f, std::string_view texto) {
    User.Focus(f.txtOrden);
    EXPECT_TRUE(forms::Input::Select(f.txtOrden, 0, vb::Len(f.txtOrden.Text())));
    User.Type(texto);
  }
  std::vector<std::string> Hcab() {
    return Filas("SELECT correl, norden, cNumero FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " ORDER BY correl");
  }
};

TEST_F(Registro, SalirChecksTheOrderNumberBeforeSavingIt) {
  const std::vector<std::string> antes = Hcab();
  AbreEnviada([&](Frm0917& f) {
    Orden(f, "0000123");
    User.ExpectMsgBox(kPreguntaOrden, forms::vbYes);
    User.ExpectMsgBox("El número de orden es incorrecto", forms::vbOK);
    User.Click(f.Cmdgeneral(2));
    EXPECT_TRUE(f.Loaded());
    Orden(f, "00001234");
    f.txtVerifica.SetText("00");
    User.ExpectMsgBox(kPreguntaOrden, forms::vbYes);
    User.ExpectMsgBox("Digito verificador incorrecto", forms::vbOK);
    User.Click(f.Cmdgeneral(2));
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(Hcab(), antes);
    f.txtVerifica.SetText(common::VerificadorOrden(G().NumeroControl, "00001234"));
    User.ExpectMsgBox(kPreguntaOrden, forms::vbYes);
    User.ExpectMsgBox("El número de orden y el digito verificador fueron grabados satisfactoriamente.", forms::vbOK);
    User.Click(f.Cmdgeneral(2));
  });
  EXPECT_FALSE(Abierta());
  EXPECT_EQ(Hcab()[0].substr(0, 13), "001|00001234|");
  EXPECT_EQ(Hcab()[1], antes[1]);
}

TEST_F(Registro, NoLeavesWithoutSavingAndAnUntypedNumberAsksNothing) {
  const std::vector<std::string> antes = Hcab();
  AbreEnviada([&](Frm0917& f) {
    Orden(f, "00001234");
    User.ExpectMsgBox(kPreguntaOrden, forms::vbNo);
    User.Click(f.Cmdgeneral(2));
  });
  EXPECT_EQ(Hcab(), antes);
  G().OrdenModificado = false;
  AbreEnviada([&](Frm0917& f) { User.Click(f.Cmdgeneral(2)); });
  EXPECT_EQ(User.Messages().size(), 1u);
  EXPECT_FALSE(Abierta());
}

TEST_F(Salida, EachScheduleButtonOpensItsListWithItsKeyCaptionAndTopic) {
  struct Caso {
    void (Frm0917::*Boton)(int);
    int Indice;
    const char* Clave;
    const char* Fijo;
    const char* Marco;
    long Tema;
  };
  const Caso casos[] = {
      {&Frm0917::CmdCtasBancarias_Click, 1, "0101*", "", "Depósitos en el Sistema Financiero  con saldo al 31/12/2002",
       1045},
      {&Frm0917::CmdEgresos_Click, 1, "0201*", "",
       "Compra de predios en el extranjero; ampliaciones y/o remodelaciones en el Perú y/o en el extranjero", 1038},
      {&Frm0917::CmdEgresos_Click, 3, "0203*", "", "Compra o inversión en instrumentos financieros", 1038},
      {&Frm0917::CmdIngresos_Click, 1, "0301*", "01", "Venta de predios en el extranjero", 1072},
      {&Frm0917::CmdIngresos_Click, 3, "0303*", "", "Venta de instrumentos financieros", 1072},
      {&Frm0917::CmdPrestamo_Click, 2, "0402*", "02", nullptr, 1062},
  };
  AbreNueva([&](Frm0917& f) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Clave);
      bool abierta = false;
      User.ExpectModal(ventana::kFrmAdicionalCab, [&](forms::Form& lista) {
        abierta = true;
        // What the list window applies at its load.
        EXPECT_EQ(G().ClaveAdicional, c.Clave);
        EXPECT_EQ(G().MovimientoFijo, c.Fijo);
        EXPECT_EQ(G().TituloAdicional, "Información Adicional - " + f.SSTab1.TabCaption(f.SSTab1.Tab()));
        EXPECT_EQ(G().AyudaAdicional, c.Tema);
        User.Close(lista);
      });
      (f.*c.Boton)(c.Indice);
      EXPECT_TRUE(abierta);
      if (c.Marco != nullptr) {
        EXPECT_EQ(G().TituloMarcoAdicional, c.Marco);
      }
    }
    EXPECT_EQ(G().TituloMarcoAdicional, f.LblPrestamos(2).Caption());
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
