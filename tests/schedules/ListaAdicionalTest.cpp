// The schedule list window over the open return's work rows, driven as a
// user drives it; the work table is filled as the return form's load
// fills it.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/db/JetError.h"
#include "platform/db/Quote.h"
#include "platform/forms/Constants.h"
#include "schedules/FrmAdicionalCab.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

constexpr char kTitulo[] = "Información Adicional - Patrimonio";

class ListaAdicional : public Declaracion {
 protected:
  void SetUp() override {
    Declaracion::SetUp();
    Compartidas& g = G();
    g.Modo = 2;
    g.ModoRegistro = false;
    g.RucDeclarante = kGarcia;
    g.Periodo = "2002";
    g.TituloAdicional = kTitulo;
    g.TituloMarcoAdicional = "Cuentas bancarias";
    g.AyudaAdicional = 1045;
  }

  /// Work rows of the open return, each "kind|subsection|type|currency|
  /// other description|free currency|1 January|31 December|count".
  void Trabajo(std::initializer_list<std::string> filas) {
    for (const std::string& fila : filas) {
      std::string valores;
      std::size_t desde = 0;
      for (int i = 0; i < 9; ++i) {
        const std::size_t hasta = fila.find('|', desde);
        valores += (i ? "," : "") + dao::Quote(fila.substr(desde, hasta - desde));
        desde = hasta + 1;
      }
      Ejecuta({"INSERT INTO TMPF0917PATRIM VALUES (" + valores + ")"});
    }
  }
  /// The work rows: codes, descriptions and amounts.
  std::vector<std::string> FilasTrabajo() {
    return Filas("SELECT tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, des_movimiento2, des_moneda, "
                 "mto_01012002, mto_31122002, ctd_movimiento FROM TMPF0917PATRIM ORDER BY 1, 2, 3, 4");
  }

  /// Opens the list window for subsection `clave` ("0101"); `paso` acts in it and must close it.
  void Lista(const std::string& clave, std::function<void(FrmAdicionalCab&)> paso) {
    G().ClaveAdicional = clave + "*";
    User.ExpectModal<FrmAdicionalCab>(std::move(paso));
    G().Ventanas.Open(ventana::kFrmAdicionalCab);
  }

  /// The texts of grid column `col`, row by row, as shown.
  static std::vector<std::string> Columna(FrmAdicionalCab& f, int col) {
    std::vector<std::string> textos;
    for (long fila = 0; fila < f.GrdAdicional.RowCount(); ++fila) textos.push_back(f.GrdAdicional.CellText(fila, col));
    return textos;
  }

  /// Leaves with Salir, answering the question (when one comes) with `respuesta`.
  void Sale(FrmAdicionalCab& f, int respuesta) {
    User.ExpectMsgBox({"La información ha sido modificada. ¿Desea guardar los cambios?", forms::vbYesNoCancel + forms::vbQuestion,
                       "Confirma Salir"},
                      respuesta);
    if (respuesta == forms::vbYes) {
      User.ExpectMsgBox({"La información fue grabada satisfactoriamente. ", forms::vbInformation, kTitulo}, forms::vbOK);
    }
    User.Click(f.CmdSalirCab);
  }

  /// Deletes grid row `fila` with Eliminar and Yes.
  void Elimina(FrmAdicionalCab& f, long fila) {
    User.ChooseRow(f.GrdAdicional, fila);
    User.ExpectMsgBox({"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada",
                       forms::vbYesNo + forms::vbQuestion, "Eliminar Registro"},
                      forms::vbYes);
    User.Click(f.CmdEliminaRec);
  }
};

const std::initializer_list<std::string> kCuentas = {
    "01|01|06|002|FONDO COLEGIO||100|200|1",
    "01|01|01|002||DOLARES|0|-1500|2",
    "01|01|01|001|||0|2500|1",
    "02|01|01|001|||0|90000|1",
};

TEST_F(ListaAdicional, TheSubsectionsRowsAreListedByTypeNameWithTheirNames) {
  Trabajo(kCuentas);
  Lista("0101", [&](FrmAdicionalCab& f) {
    EXPECT_EQ(f.Caption(), kTitulo);
    EXPECT_EQ(f.FrameAdicional.Caption(), "Cuentas bancarias");
    EXPECT_EQ(f.HelpContextID(), 1045);
    EXPECT_EQ(f.Left(), 160);
    EXPECT_EQ(f.Top(), 1430);
    EXPECT_EQ(f.Width(), 9390);
    EXPECT_FALSE(G().AdicionalModificado);
    // Ties of the name go by type, then currency.
    EXPECT_EQ(Filas("SELECT tip_movimiento2, ind_moneda, trim(des_informacion), des_movimiento2, trim(des_moneda1), "
                    "des_moneda2, mto_31122002 FROM TMPF0917PATRIM1 ORDER BY Des_informacion, tip_movimiento2, "
                    "ind_moneda"),
              (std::vector<std::string>{"01|001|CUENTAS DE AHORROS||Nuevos Soles-Perú||2500",
                                        "01|002|CUENTAS DE AHORROS||Dólar de EE.UU.-EE.UU.|DOLARES|-1500",
                                        "06|002|OTROS|FONDO COLEGIO|Dólar de EE.UU.-EE.UU.||200"}));
    EXPECT_EQ(Columna(f, 3), (std::vector<std::string>{"001", "002", "002"}));
    EXPECT_EQ(Columna(f, 0), (std::vector<std::string>{"01", "01", "06"}));
    EXPECT_EQ(f.LblNumReg.Caption(), "Cantidad de registros : 3");
    for (forms::CommandButton* b : {&f.CmdNuevoRec, &f.CmdModificaRec, &f.CmdEliminaRec, &f.CmdAceptaCab}) {
      EXPECT_TRUE(b->Enabled()) << b->Name();
    }
    User.Click(f.CmdSalirCab);  // nothing changed: nothing asked
  });
  EXPECT_FALSE(Aplicacion.HasInstance<FrmAdicionalCab>());
}

TEST_F(ListaAdicional, EachSubsectionNamesItsColumns) {
  struct Caso {
    const char* Clave;
    int Lineas;
    std::vector<std::string> Titulos;  // columns 1, 2, 6, 7, 8
    std::vector<bool> Visibles;        // columns 0 to 8
    long AnchoCantidad;
  };
  const Caso casos[] = {
      {"0101", 2,
       {"Tipo de cuenta", "Descripción de otros     tipos de cuenta", "Monto al 01/01/2002", "   Saldo al 31/12/2002",
        "      Cantidad total              de cuentas"},
       {false, true, true, false, true, true, false, true, true}, 1300},
      {"0203", 3,
       {" Tipo de instrumento         financiero", "    Descripción de          otros  tipos  de            instrumentos",
        "Monto al 01/01/2002", "      Importe total          por tipo y moneda", "    Cantidad total              de compras"},
       {false, true, true, false, true, true, false, true, true}, 1300},
      {"0301", 2,
       {"Tipo de movimiento", "Des_movimiento2", "Monto al 01/01/2002", "     Importe  total              por moneda",
        "     Cantidad  total              de ventas"},
       {false, false, false, false, true, true, false, true, true}, 1300},
      {"0401", 3,
       {"Tipo de movimiento", "Des_movimiento2", "Saldo de préstamos      concedidos al            01/01/2002",
        "Saldo de préstamos      concedidos al            31/12/2002",
        "Número de préstamos concedidos en el año              2002"},
       {false, false, false, false, true, true, true, true, true}, 1644},
      {"0402", 3,
       {"Tipo de movimiento", "Des_movimiento2", "Saldo de préstamos         recibidos al               01/01/2002",
        "Saldo de préstamos         recibidos al               31/12/2002",
        "Número de préstamos   recibidos en el año                2002"},
       {false, false, false, false, true, true, true, true, true}, 1654},
      // A key no subsection has: two header lines and the design's columns.
      {"0999", 2,
       {"Tipo de movimiento", "Des_movimiento2", "Monto al 01/01/2002", "Monto al 31/12/2002", "ctd_movimiento"},
       {false, true, true, false, true, true, true, true, true}, 1300},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Clave);
    Lista(c.Clave, [&](FrmAdicionalCab& f) {
      forms::DataGrid& g = f.GrdAdicional;
      EXPECT_EQ(g.HeadLines(), c.Lineas);
      const int columnas[] = {1, 2, 6, 7, 8};
      for (int i = 0; i < 5; ++i) EXPECT_EQ(g.Columns(columnas[i]).Caption(), c.Titulos[i]) << columnas[i];
      EXPECT_EQ(g.Columns(4).Caption(), "Moneda");
      EXPECT_EQ(g.Columns(5).Caption(), "Otras monedas");
      for (int i = 0; i < 9; ++i) EXPECT_EQ(g.Columns(i).Visible(), c.Visibles[i]) << i;
      EXPECT_EQ(g.Columns(8).Width(), c.AnchoCantidad);
      User.Click(f.CmdSalirCab);
    });
  }
}

TEST_F(ListaAdicional, AmountsShowInTheirSchedulesFormat) {
  Trabajo({"01|01|01|001|||abc|-1500|2500", "02|01|01|001|||abc|-1500|2500", "04|01|01|001|||0|1234567|"});
  struct Caso {
    const char* Clave;
    std::vector<std::string> Montos;  // columns 6, 7, 8
  };
  const Caso casos[] = {
      {"0101", {"abc", "(1,500)", "2,500"}},  // an overdrawn balance between parentheses
      {"0201", {"abc", "-1,500", "2,500"}},
      {"0401", {"0", "1,234,567", ""}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Clave);
    Lista(c.Clave, [&](FrmAdicionalCab& f) {
      ASSERT_EQ(f.GrdAdicional.RowCount(), 1);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(f.GrdAdicional.CellText(0, 6 + i), c.Montos[i]) << 6 + i;
      User.Click(f.CmdSalirCab);
    });
  }
}

TEST_F(ListaAdicional, AnEmptySubsectionHasNothingToChangeOrDelete) {
  Trabajo({"02|01|01|001|||0|90000|1"});
  Lista("0101", [&](FrmAdicionalCab& f) {
    EXPECT_EQ(f.LblNumReg.Caption(), "Cantidad de registros : 0");
    struct Caso {
      forms::CommandButton* Boton;
      const char* Mensaje;
    };
    const Caso casos[] = {{&f.CmdModificaRec, "No existen registros para modificar"},
                          {&f.CmdEliminaRec, "No existen registros para eliminar"}};
    for (const Caso& c : casos) {
      User.Focus(f.CmdSalirCab);
      User.ExpectMsgBox({c.Mensaje, forms::vbCritical, kTitulo}, forms::vbOK);
      User.Click(*c.Boton);
      EXPECT_EQ(f.ActiveControl(), &f.CmdNuevoRec) << c.Mensaje;
    }
    User.Click(f.CmdSalirCab);
  });
}

TEST_F(ListaAdicional, LeavingAfterADeletionAsksWhetherToKeepIt) {
  struct Caso {
    const char* Que;
    int Respuesta;
    std::vector<std::string> Despues;  // the 0101 work rows after leaving
  };
  const Caso casos[] = {
      {"Yes", forms::vbYes, {"01|01|01|001|||0|2500|1", "01|01|06|002|FONDO COLEGIO||100|200|1"}},
      {"No", forms::vbNo, {"01|01|01|001|||0|2500|1", "01|01|01|002||DOLARES|0|-1500|2", "01|01|06|002|FONDO COLEGIO||100|200|1"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Que);
    Ejecuta({"DELETE * FROM TMPF0917PATRIM"});
    Trabajo(kCuentas);
    Lista("0101", [&](FrmAdicionalCab& f) {
      Elimina(f, 1);
      EXPECT_EQ(Columna(f, 3), (std::vector<std::string>{"001", "002"}));
      EXPECT_EQ(f.LblNumReg.Caption(), "Cantidad de registros : 2");
      EXPECT_TRUE(G().AdicionalModificado);
      // Until the answer, the return's work rows are as they were.
      EXPECT_EQ(FilasTrabajo().size(), 4u);
      Sale(f, c.Respuesta);
    });
    EXPECT_FALSE(Aplicacion.HasInstance<FrmAdicionalCab>());
    std::vector<std::string> despues = c.Despues;
    despues.push_back("02|01|01|001|||0|90000|1");  // other subsections are untouched
    EXPECT_EQ(FilasTrabajo(), despues);
    Lista("0101", [&](FrmAdicionalCab& f) {
      EXPECT_EQ(f.GrdAdicional.RowCount(), static_cast<long>(c.Despues.size()));
      User.Click(f.CmdSalirCab);
    });
  }
}

TEST_F(ListaAdicional, CancelKeepsTheWindowOpenAndAceptarWritesBackWithoutAsking) {
  Trabajo(kCuentas);
  Lista("0101", [&](FrmAdicionalCab& f) {
    Elimina(f, 0);
    Sale(f, forms::vbCancel);
    EXPECT_TRUE(f.Loaded());
    EXPECT_TRUE(G().AdicionalModificado);
    User.ExpectMsgBox({"La información fue grabada satisfactoriamente. ", forms::vbInformation, kTitulo}, forms::vbOK);
    User.Click(f.CmdAceptaCab);
  });
  EXPECT_FALSE(G().AdicionalModificado);
  EXPECT_EQ(Filas("SELECT count(*) FROM TMPF0917PATRIM WHERE tip_informacion='01'"), std::vector<std::string>{"2"});
}

TEST_F(ListaAdicional, AnEmptiedSubsectionIsWrittenBackEmpty) {
  Trabajo({"01|01|01|001|||0|2500|1", "02|01|01|001|||0|90000|1"});
  Lista("0101", [&](FrmAdicionalCab& f) {
    Elimina(f, 0);
    EXPECT_EQ(f.LblNumReg.Caption(), "Cantidad de registros : 0");
    User.ExpectMsgBox({"La información fue grabada satisfactoriamente. ", forms::vbInformation, kTitulo}, forms::vbOK);
    User.Click(f.CmdAceptaCab);
  });
  EXPECT_EQ(FilasTrabajo(), std::vector<std::string>{"02|01|01|001|||0|90000|1"});
}

TEST_F(ListaAdicional, AFailedWriteBackLeavesTheWorkRowsAndTheWindowAsTheyWere) {
  Trabajo(kCuentas);
  const std::vector<std::string> antes = FilasTrabajo();
  Lista("0101", [&](FrmAdicionalCab& f) {
    Elimina(f, 0);
    // A row that clashes with another subsection's: the write-back fails
    // after it has emptied the subsection.
    Ejecuta({"INSERT INTO TMPF0917PATRIM1 VALUES ('02','01','01','001','','','','','0','1','1')"});
    const std::string error = "Error : 3022 Descripción : " + dao::JetErrorText(dao::ErrDuplicateKey) + " ";
    User.ExpectMsgBox({error, forms::vbInformation, "Error"}, forms::vbOK);
    User.Click(f.CmdAceptaCab);
    EXPECT_TRUE(f.Loaded());
    EXPECT_TRUE(G().AdicionalModificado);
    EXPECT_EQ(FilasTrabajo(), antes);
    // Yes on leaving fails the same way, and the window stays.
    User.ExpectMsgBox({"La información ha sido modificada. ¿Desea guardar los cambios?",
                       forms::vbYesNoCancel + forms::vbQuestion, "Confirma Salir"},
                      forms::vbYes);
    User.ExpectMsgBox({error, forms::vbInformation, "Error"}, forms::vbOK);
    User.Click(f.CmdSalirCab);
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(FilasTrabajo(), antes);
    Sale(f, forms::vbNo);
  });
  EXPECT_EQ(FilasTrabajo(), antes);
}

TEST_F(ListaAdicional, AFailedLoadIsToldAndOnlyLeavingIsLeft) {
  Trabajo(kCuentas);
  Ejecuta({"DROP TABLE TMPF0917PATRIM1", "DROP TABLE TMPF0917PATRIM1"});  // the private copy and the file's
  User.ExpectMsgBox(
      {"Error : 3078 Descripción : " + dao::JetErrorText(dao::ErrNoSuchTable, {"TMPF0917PATRIM1"}) + " ",
       forms::vbInformation, "Error"},
      forms::vbOK);
  Lista("0101", [&](FrmAdicionalCab& f) {
    for (forms::CommandButton* b : {&f.CmdNuevoRec, &f.CmdModificaRec, &f.CmdEliminaRec, &f.CmdAceptaCab}) {
      EXPECT_FALSE(b->Enabled()) << b->Name();
    }
    EXPECT_TRUE(f.CmdSalirCab.Enabled());
    User.DblClick(f.GrdAdicional);
    User.Click(f.CmdSalirCab);
  });
  EXPECT_EQ(FilasTrabajo().size(), 4u);
}

TEST_F(ListaAdicional, ASentReturnsRowsAreOnlyShown) {
  G().ModoRegistro = true;
  Trabajo(kCuentas);
  Lista("0101", [&](FrmAdicionalCab& f) {
    EXPECT_EQ(f.GrdAdicional.RowCount(), 3);
    for (forms::CommandButton* b : {&f.CmdNuevoRec, &f.CmdModificaRec, &f.CmdEliminaRec, &f.CmdAceptaCab}) {
      EXPECT_FALSE(b->Enabled()) << b->Name();
    }
    EXPECT_TRUE(f.CmdSalirCab.Enabled());
    User.DblClick(f.GrdAdicional);  // opens nothing
    G().AdicionalModificado = true;
    User.Click(f.CmdSalirCab);  // asks nothing
  });
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(ListaAdicional, AfterModificarTheSameRowIsCurrent) {
  Trabajo(kCuentas);
  Lista("0101", [&](FrmAdicionalCab& f) {
    User.ChooseRow(f.GrdAdicional, 1);
    // The row window stores the row and shows the rows anew.
    User.ExpectModal(ventana::kFrmAdicionalDet, [&](forms::Form& detalle) {
      EXPECT_EQ(G().ModoDetalle, "MODIFICA");
      EXPECT_EQ(f.GrdAdicional.Columns(3).Text(), "002");
      Ejecuta({"UPDATE TMPF0917PATRIM1 SET mto_31122002='-1600' WHERE ind_moneda='002' AND tip_movimiento2='01'"});
      f.Carga_Grilla_Patrimonial();
      forms::Unload(detalle);
    });
    User.Click(f.CmdModificaRec);
    EXPECT_EQ(f.GrdAdicional.Row(), 1);
    EXPECT_EQ(f.GrdAdicional.Columns(7).Text(), "(1,600)");
    // A double click does the same; Nuevo opens the row window for a new row.
    User.ExpectModal(ventana::kFrmAdicionalDet, [&](forms::Form& detalle) {
      EXPECT_EQ(G().ModoDetalle, "MODIFICA");
      forms::Unload(detalle);
    });
    User.DblClick(f.GrdAdicional);
    User.ExpectModal(ventana::kFrmAdicionalDet, [&](forms::Form& detalle) {
      EXPECT_EQ(G().ModoDetalle, "NUEVO");
      forms::Unload(detalle);
    });
    User.Click(f.CmdNuevoRec);
    User.Click(f.CmdSalirCab);
  });
}

}  // namespace
}  // namespace app::testing
