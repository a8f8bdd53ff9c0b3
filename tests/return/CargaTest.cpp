// The return form's load: a new return, a saved one with its boxes, options,
// lists and payment, a sent one locked for its order number, and the loads
// that cannot go through.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmModFor.h"
#include "common/NumeroOrden.h"
#include "platform/db/JetError.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/text/Strings.h"
#include "return/DisenoCasillas.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;

constexpr long kGris = 0x00C0C0C0L;

using Carga = Declaracion;

TEST_F(Carga, NuevaOpensTheFormWithFourPagesItsListsAndEveryBoxEmpty) {
  AbreNueva([&](Frm0917& f) {
    EXPECT_EQ(f.Caption(), kTituloFrm0917);
    EXPECT_EQ(f.Width(), 9615);
    EXPECT_EQ(f.Height(), 6825);
    EXPECT_EQ(f.tab0584.Tabs(), 4);
    EXPECT_FALSE(f.tab0584.TabEnabled(4));
    EXPECT_EQ(f.tab0584.Tab(), 0);
    for (int pagina = 3; pagina >= 0; --pagina) User.SelectTab(f.tab0584, pagina);
    EXPECT_FALSE(forms::Input::SelectTab(f.tab0584, 4));

    EXPECT_EQ(f.txtvalor.Count(), 113);
    for (int n : f.txtvalor.Indexes()) {
      SCOPED_TRACE(n);
      EXPECT_EQ(f.txtvalor(n).Text(), "");
    }
    EXPECT_EQ(f.ListaCasillas, std::vector<std::int16_t>(kListaCasillas.begin(), kListaCasillas.end()));

    // The lists: ASESOR1's declarants, the professions LUD917 loads after a
    // blank item, the document types this form offers after a blank one.
    EXPECT_TRUE(f.CmbRuc.Visible());
    EXPECT_FALSE(f.TxtNumRuc.Visible());
    EXPECT_EQ(f.CmbRuc.Left(), 1500);
    EXPECT_EQ(f.CmbRuc.Top(), 300);
    EXPECT_EQ(f.CmbRuc.ListIndex(), -1);
    EXPECT_GE(ItemDe(f.CmbRuc, kGarcia), 0);
    EXPECT_EQ(f.CmbRuc.ListCount(), 8);
    EXPECT_EQ(f.cboProfesion.List(0), "");
    EXPECT_EQ(f.cboProfesion.ListCount(), 1 + std::stoi(Filas("SELECT COUNT(*) FROM PARAM WHERE Numero='979'")[0]));
    for (const TipoDocumentoDiseno& t : kTiposDocumento) {
      SCOPED_TRACE(t.Lista);
      EXPECT_EQ(f.cmbtipdoc(t.Lista).ListCount(), 5);
      EXPECT_EQ(vb::Left(f.cmbtipdoc(t.Lista).List(1), 7), "06  -  ");
    }

    // New returns start as No, no rented premises, no payment method.
    EXPECT_TRUE(f.OptAdicionalBancarias(0).Value());
    EXPECT_FALSE(f.CmdCtasBancarias(1).Enabled());
    EXPECT_FALSE(f.optInmueble(1).Value());
    EXPECT_FALSE(f.txtvalor(208).Enabled());
    EXPECT_FALSE(f.cmbtipdoc(204).Enabled());
    EXPECT_EQ(f.FormaDePagoQBX1.formapago(), "XX");
    EXPECT_FALSE(f.frmOrden.Visible());
    EXPECT_FALSE(f.FormularioModificado);
    EXPECT_FALSE(G().CargandoFormulario);
    EXPECT_EQ(G().RucDeclarante, "");
    EXPECT_EQ(*G().FactorLimite110, 0.1);
    Cierra(f);
  });
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(Carga, ASavedReturnShowsItsAmountsInDisplayFormAndItsTextsAsStored) {
  Guarda(kGarcia, {{"002", kGarcia},
                   {"100", "10000"},
                   {"502", "-2000"},
                   {"141", "-300"},
                   {"142", "0"},
                   {"027", "1"},
                   {"117", "50"},
                   {"212", "1234.5"},
                   {"208", "00012345"},
                   {"230", "(1,234)"},
                   {"028", "4567890"},
                   {"803", "JUAN"},
                   {"005", "1"},
                   {"721", "1.0"},
                   {"816", "77"},
                   {"540", "15"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.txtvalor(100).Text(), "10,000");
    EXPECT_EQ(f.txtvalor(502).Text(), "(2,000)");
    EXPECT_EQ(f.txtvalor(141).Text(), "(300)");
    EXPECT_EQ(f.txtvalor(142).Text(), "0");
    EXPECT_EQ(f.txtvalor(212).Text(), "1,235");
    EXPECT_EQ(f.txtvalor(208).Text(), "00012345");
    EXPECT_EQ(f.txtvalor(230).Text(), "(1,234)");
    EXPECT_EQ(f.txtvalor(816).Text(), "77");
    EXPECT_EQ(f.txtvalor(540).Text(), "15");
    EXPECT_EQ(f.TxtTelefono.Text(), "4567890");
    EXPECT_EQ(f.TxtNumRuc.Text(), kGarcia);
    EXPECT_TRUE(f.TxtNumRuc.Visible());
    EXPECT_FALSE(f.TxtNumRuc.Enabled());
    EXPECT_FALSE(f.CmbRuc.Visible());
    // A balance in favour keeps box 140 open for the refund choice.
    EXPECT_TRUE(f.txtvalor(140).Enabled());
    // The register's names, read after the boxes.
    EXPECT_EQ(f.txtvalor(801).Text(), "GARCIA");
    EXPECT_EQ(f.txtvalor(802).Text(), "PEREZ");
    EXPECT_EQ(f.txtvalor(803).Text(), "JUAN CARLOS");
    EXPECT_FALSE(f.FormularioModificado);
    Cierra(f);
  });
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(Carga, ABalanceOfZeroEmptiesAndClosesBox140WhateverWasStored) {
  Guarda(kGarcia, {{"141", "0"}, {"140", "1"}, {"142", "500"}, {"145", "20"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.txtvalor(140).Text(), "");
    EXPECT_FALSE(f.txtvalor(140).Enabled());
    EXPECT_TRUE(f.txtvalor(140).Locked());
    // A balance to pay opens the interest box and keeps its value.
    EXPECT_TRUE(f.txtvalor(145).Enabled());
    EXPECT_EQ(f.txtvalor(145).Text(), "20");
    // Without boxes 100 and 102 box 114 is closed.
    EXPECT_FALSE(f.txtvalor(114).Enabled());
    Cierra(f);
  });
}

TEST_F(Carga, StoredAnswersSetTheirOptionsAndGroups) {
  Guarda(kGarcia, {{"896", " 1"}, {"897", "0"}, {"898", ""}, {"027", "1"}, {"204", "6"}, {"208", "10098765439"},
                   {"819", "RODRIGUEZ"}, {"260", "0"}, {"871", "0"}, {"025", "1"}, {"235", "1"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_TRUE(f.OptAdicionalBancarias(1).Value());
    EXPECT_TRUE(f.CmdCtasBancarias(1).Enabled());
    EXPECT_TRUE(f.OptEgresos(0).Value());
    EXPECT_TRUE(f.OptIngresos(0).Value());
    EXPECT_FALSE(f.CmdEgresos(3).Enabled());

    EXPECT_TRUE(f.optInmueble(1).Value());
    EXPECT_TRUE(f.txtvalor(819).Enabled());
    EXPECT_EQ(f.txtvalor(819).Text(), "RODRIGUEZ");
    EXPECT_TRUE(f.cmbtipdoc(204).Enabled());
    EXPECT_EQ(vb::Left(f.cmbtipdoc(204).Text(), 7), "06  -  ");
    EXPECT_EQ(f.txtvalor(208).Text(), "10098765439");
    EXPECT_EQ(f.txtvalor(208).MaxLength(), 11);
    EXPECT_EQ(f.cmbtipdoc(205).ListIndex(), -1);  // no type stored

    EXPECT_TRUE(f.optDevolucion(0).Value());
    EXPECT_TRUE(f.OptRectifica(0).Value());
    EXPECT_EQ(vb::Left(f.cboProfesion.Text(), 2), "01");
    EXPECT_EQ(f.txtProfesion.Text(), "ABOGADO");
    EXPECT_EQ(vb::Left(f.cmbtipdoc(235).Text(), 2), "01");
    EXPECT_EQ(f.txtvalor(236).MaxLength(), 8);
    Cierra(f);
  });
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(Carga, OwnedPremisesOrNoAnswerCloseTheRentsGroup) {
  for (const char* inmueble : {"2", ""}) {
    SCOPED_TRACE(inmueble);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    std::vector<Fila> filas = {{"204", "6"}, {"212", "900"}};
    if (*inmueble) filas.push_back({"027", inmueble});
    Guarda(kGarcia, filas);
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      EXPECT_EQ(f.optInmueble(2).Value(), *inmueble != 0);
      for (int n : {819, 820, 821, 208, 209, 211, 212, 213, 214}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(f.txtvalor(n).Enabled());
      }
      // The stored type came after the group was switched off.
      EXPECT_FALSE(f.cmbtipdoc(204).Enabled());
      Cierra(f);
    });
  }
}

TEST_F(Carga, TheSecondHalfOfANameFollowsTheFirstWhateverOrderTheRowsWereStoredIn) {
  Guarda(kGarcia, {{"827", "DEF"}, {"817", "ABC"}, {"835", " Y CIA"}, {"825", "CONSULTORES SAC"}, {"117", "5"},
                   {"107", "100"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.txtvalor(817).Text(), "ABCDEF");
    EXPECT_EQ(f.txtvalor(825).Text(), "CONSULTORES SAC Y CIA");
    EXPECT_EQ(f.txtvalor(827).Text(), "");
    Cierra(f);
  });
}

TEST_F(Carga, RowsTheWindowCannotShowLeaveItsControlsEmpty) {
  struct Caso {
    std::vector<Fila> Filas;
    std::function<void(Frm0917&)> Comprueba;
  };
  const std::vector<Caso> casos = {
      {{{"234", "31/02/1970"}}, [](Frm0917& f) { EXPECT_EQ(f.MkeFecNac.Text(), "__/__/____"); }},
      {{{"234", "1970-08-15"}}, [](Frm0917& f) { EXPECT_EQ(f.MkeFecNac.Text(), "__/__/____"); }},
      {{{"234", "15/08/1970"}}, [](Frm0917& f) { EXPECT_EQ(f.MkeFecNac.Text(), "15/08/1970"); }},
      {{{"025", "98"}},
       [](Frm0917& f) {
         EXPECT_EQ(f.cboProfesion.ListIndex(), -1);
         EXPECT_EQ(f.txtProfesion.Text(), "");
       }},
      {{{"301", "3"}, {"224", "06"}},
       [](Frm0917& f) {
         EXPECT_EQ(f.cmbtipdoc(301).ListIndex(), -1);
         EXPECT_EQ(f.cmbtipdoc(224).ListIndex(), -1);  // the clients' group is off
       }},
      {{{"777", "5"}, {"117", "5"}, {"828", "X"}, {"0AB", "1"}, {"012", "555"}, {"599", "E"}},
       [](Frm0917& f) {
         EXPECT_EQ(f.txtvalor(818).Text(), "X");
         EXPECT_EQ(f.FormaDePagoQBX1.formapago(), "E");
       }},
  };
  for (const Caso& c : casos) {
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, c.Filas);
    SCOPED_TRACE(c.Filas[0].first + " " + c.Filas[0].second);
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      c.Comprueba(f);
      Cierra(f);
    });
  }
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(Carga, TheHeaderGivesTheAmountPaidAndTheChequeData) {
  Guarda(kGarcia, {{"598", "1500"}, {"599", "C"}, {"180", "1500"}}, "1500", "02", " 12345 ");
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "1,500");
    EXPECT_EQ(f.FormaDePagoQBX1.formapago(), "C");
    EXPECT_EQ(f.FormaDePagoQBX1.banco(), "02");
    EXPECT_EQ(f.FormaDePagoQBX1.numcheque(), "12345");
    EXPECT_EQ(f.txtvalor(180).Text(), "1,500");
    Cierra(f);
  });
  Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
  Guarda(kGarcia, {{"598", "-70"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.FormaDePagoQBX1.importe(), "(70)");
    EXPECT_EQ(f.FormaDePagoQBX1.formapago(), "XX");
    Cierra(f);
  });
}

TEST_F(Carga, OpeningAReturnLeavesExactlyItsScheduleRowsInTheWorkTable) {
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kGarcia, "03", "002");
  GuardaAnexo(kQuispe, "02", "001");
  Ejecuta({"INSERT INTO TMPF0917PATRIM VALUES ('04','01','01','001','DE OTRA','','1','2','3')",
           "INSERT INTO TMPF0917PATRIM VALUES ('02','01','01','001','DE QUISPE','','1','2','3')"});
  Guarda(kGarcia, {{"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(Trabajo(), (std::vector<std::string>{"01|01|01|001|CUENTA", "03|01|01|002|CUENTA"}));
    EXPECT_FALSE(f.FormularioModificado);
    Cierra(f);
  });
  // A new return starts with none.
  AbreNueva([&](Frm0917& f) {
    EXPECT_TRUE(Trabajo().empty());
    Cierra(f);
  });
}

TEST_F(Carga, ASentReturnComesUpLockedForItsOrderNumber) {
  User.ExpectModal<frmAbrirEnv>([&](frmAbrirEnv& lista) {
    User.ExpectModal<Frm0917>([&](Frm0917& f) {
      EXPECT_EQ(f.txtvalor(100).Text(), "24,000");
      EXPECT_EQ(f.txtvalor(502).Text(), "(4,800)");
      EXPECT_TRUE(f.OptRectifica(0).Value());
      // Every box of the list, the names and the lists grey and disabled.
      for (std::int16_t n : kListaCasillas) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(f.txtvalor(n).Enabled());
        EXPECT_EQ(f.txtvalor(n).BackColor(), kGris);
      }
      for (int n : {811, 816, 825, 890}) EXPECT_EQ(f.txtvalor(n).BackColor(), kGris) << n;
      for (int n : f.cmbtipdoc.Indexes()) {
        EXPECT_FALSE(f.cmbtipdoc(n).Enabled()) << n;
        EXPECT_EQ(f.cmbtipdoc(n).BackColor(), kGris) << n;
      }
      EXPECT_FALSE(f.cboProfesion.Enabled());
      EXPECT_FALSE(f.MkeFecNac.Enabled());
      EXPECT_FALSE(f.TxtTelefono.Enabled());
      for (auto* opcion : {&f.optInmueble(1), &f.optInmueble(2), &f.optDevolucion(0), &f.optDevolucion(1),
                           &f.OptRectifica(0), &f.OptRectifica(1), &f.OptAdicionalBancarias(0),
                           &f.OptPrestamos(1)}) {
        EXPECT_FALSE(opcion->Enabled()) << opcion->Name();
      }
      EXPECT_EQ(f.TxtNumRuc.BackColor(), kGris);
      EXPECT_FALSE(f.Cmdgeneral(0).Enabled());
      EXPECT_TRUE(f.Cmdgeneral(1).Enabled());
      EXPECT_FALSE(f.FormaDePagoQBX1.habilitado());
      // The order number: the sample's eight blanks show as 0; no code without one.
      EXPECT_TRUE(f.frmOrden.Visible());
      EXPECT_TRUE(f.txtOrden.Visible());
      EXPECT_EQ(f.txtOrden.Text(), "0");
      EXPECT_EQ(f.txtVerifica.Text(), "");
      Cierra(f);
    });
    User.ChooseRow(lista.grdContrib, 0);
    User.Click(lista.CmdOpciones(0));
    User.Click(lista.CmdOpciones(1));
  });
  User.ChooseMenu(Principal().mnuRegistrar);
}

TEST_F(Carga, ANumberedSentReturnShowsItsNumberAndItsCheckCode) {
  Ejecuta({"UPDATE HCAB SET norden='12345678' WHERE Doc_id_d='10076543211' AND correl='002'",
           "INSERT INTO HF0917PATRIM VALUES (6,'10076543211','2002','0917','002','01','01','06','001',Null,Null,"
           "'500',Null,'000000')",
           "INSERT INTO HF0917PATRIM VALUES (6,'10076543211','2002','0917','001','02','01','01','001','OTRA','1',"
           "'2','1','000000')"});
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = kGarcia;
  g.Correlativo = "002";
  g.NumeroControl = "40722190";
  g.NumeroOrden = "12345678";
  Abre([&](Frm0917& f) {
    EXPECT_EQ(f.txtOrden.Text(), "12345678");
    EXPECT_EQ(f.txtVerifica.Text(), common::VerificadorOrden("40722190", "12345678"));
    EXPECT_EQ(f.txtvalor(100).Text(), "26,000");
    EXPECT_TRUE(f.OptRectifica(1).Value());
    // The schedule rows of this sending only, what the host left Null as empty.
    EXPECT_EQ(Filas("SELECT tip_informacion, des_movimiento2, mto_01012002, mto_31122002, ctd_movimiento "
                    "FROM TMPF0917PATRIM"),
              std::vector<std::string>{"01|||500|"});
    Cierra(f);
  });
  EXPECT_TRUE(User.Messages().empty());  // a rectifying return loads without the reminder
}

TEST_F(Carga, AStaleRegistrationFlagNeverLocksANewReturn) {
  G().ModoRegistro = true;
  AbreNueva([&](Frm0917& f) {
    EXPECT_FALSE(f.frmOrden.Visible());
    EXPECT_TRUE(f.Cmdgeneral(0).Enabled());
    EXPECT_TRUE(f.txtvalor(100).Enabled());
    Cierra(f);
  });
}

TEST_F(Carga, ModificarOpensTheChosenReturn) {
  Guarda(kQuispe, {{"107", "60000"}});
  User.ExpectModal<frmModFor>([&](frmModFor& lista) {
    User.ExpectModal<Frm0917>([&](Frm0917& f) {
      EXPECT_EQ(f.TxtNumRuc.Text(), kQuispe);
      EXPECT_EQ(f.txtvalor(107).Text(), "60,000");
      EXPECT_TRUE(f.txtvalor(822).Enabled());  // fourth-category income opens the clients
      EXPECT_EQ(f.txtvalor(801).Text(), "QUISPE");
      Cierra(f);
    });
    User.ChooseRow(lista.grdContrib, 0);
    User.Click(lista.CmdOpciones(0));
    EXPECT_FALSE(lista.Visible());  // the list went out of sight for the form
  });
  User.ChooseMenu(Principal().mnuModificar);
}

TEST_F(Carga, APeriodWithoutTheRateOfBox110OrTheUitIsToldOnceAndTheFormOpens) {
  struct Caso {
    const char* Borra;
    std::string Texto;
  };
  const Caso casos[] = {
      {"DELETE * FROM PARAM WHERE Numero='998' AND Argumento LIKE '050802*'",
       "No se encontró para el ejercicio 2002:\n- la tasa límite de la casilla 110 (código 050802)\n"
       "Las casillas que dependen de ellos no se calcularán."},
      {"DELETE * FROM PARAM WHERE Numero='404'",
       "No se encontró para el ejercicio 2002:\n- la tasa límite de la casilla 110 (código 050802)\n"
       "- el valor de la UIT\nLas casillas que dependen de ellos no se calcularán."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Borra);
    Ejecuta({c.Borra});
    User.ExpectMsgBox({c.Texto, forms::vbInformation, std::string(kTituloFrm0917)}, forms::vbOK);
    AbreNueva([&](Frm0917& f) {
      EXPECT_FALSE(G().FactorLimite110.has_value());
      Cierra(f);
    });
  }
}

TEST_F(Carga, ADatabaseFailureIsToldAndTheFormDoesNotOpen) {
  struct Caso {
    std::initializer_list<std::string> Sentencias;
    std::string Tabla;
  };
  const Caso casos[] = {
      {{"DROP TABLE F0917PATRIM"}, "F0917PATRIM"},
      // The program's private copy, then the file's table.
      {{"DROP TABLE TMPF0917PATRIM", "DROP TABLE TMPF0917PATRIM"}, "TMPF0917PATRIM"},
  };
  Guarda(kGarcia, {{"100", "10"}});
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Tabla);
    Ejecuta(c.Sentencias);
    const std::string texto = "No se pudo abrir la declaración.\nError 3078: " +
                              dao::JetErrorText(dao::ErrNoSuchTable, {c.Tabla});
    User.ExpectMsgBox({texto, forms::vbCritical, std::string(kTituloFrm0917)}, forms::vbOK);
    G().Modo = 2;
    G().RucDeclarante = kGarcia;
    G().Ventanas.Open(ventana::kFrm0917);
    EXPECT_TRUE(User.ModalWindows().empty());
    EXPECT_FALSE(Aplicacion.HasInstance<Frm0917>());
    EXPECT_FALSE(G().CargandoFormulario);
  }
  // The program goes on.
  EXPECT_TRUE(Principal().Visible());
}

}  // namespace
}  // namespace app::testing
