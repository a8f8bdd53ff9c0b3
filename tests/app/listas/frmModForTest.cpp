// The saved-returns window: its three modes, the list per user, the chosen
// row, deleting a return whole (or, on a failure, not at all) and handing a
// return to the return form.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/ventanas/frmModFor.h"
#include "platform/db/JetError.h"
#include "platform/db/Quote.h"
#include "platform/forms/Label.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;

const char* const kGarcia = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|[visto]|  ";
const char* const kRodriguez = "10098765439|RODRIGUEZ SALAS MIGUEL ANGEL|2002|0917|[disquete]|2";
const char* const kQuispe = "10401234565|QUISPE MAMANI ROSA ELENA|2002|0917|[cruz]|  ";
const char* const kVargas = "10023456783|VARGAS HUAMAN JORGE ENRIQUE|2002|0917|[visto]|  ";
const char* const kGarcia1 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |15/03/2003|40721385|001|NO|  ";
const char* const kGarcia2 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |28/03/2003|40722190|002|SI|  ";
const char* const kVargas1 = "10023456783|VARGAS HUAMAN JORGE ENRIQUE|2002|0917|        |20/03/2003|40721877|001|NO|  ";

const MessageBox kAviso{"Se eliminarán todos los registros de la declaración ",
                        forms::vbOKCancel + forms::vbExclamation + forms::vbDefaultButton2, "Eliminar Formulario"};
const MessageBox kConfirma{"¿Confirma que va a eliminar la declaración?",
                           forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Eliminar Formularios"};

class ModFor : public Listas {
 protected:
  /// Chooses the main window's `comando` and runs `paso` in the list window it opens.
  void Abre(forms::Menu MDIFrm::*comando, std::function<void(frmModFor&)> paso) {
    User.ExpectModal<frmModFor>(std::move(paso));
    User.ChooseMenu(Principal().*comando);
  }
  /// Closes the list window with Salir.
  void Sale(frmModFor& f) { User.Click(f.CmdOpciones(1)); }

  // The key columns of every return's rows, table by table.
  std::vector<std::string> Guardadas() {
    std::vector<std::string> filas;
    for (const char* tabla : {"DET", "CAB"}) {
      for (const std::string& f : Filas("SELECT Doc_id_d, Formulario, Semana, COUNT(*) FROM " + std::string(tabla) +
                                        " GROUP BY Doc_id_d, Formulario, Semana ORDER BY 1, 2")) {
        filas.push_back(std::string(tabla) + " " + f);
      }
    }
    for (const std::string& f : Filas("SELECT doc_id_d, formulario FROM F0917PATRIM ORDER BY 1, 2")) {
      filas.push_back("F0917PATRIM " + f);
    }
    return filas;
  }
  std::vector<std::string> Enviadas() {
    std::vector<std::string> filas;
    for (const char* tabla : {"HDET", "HCAB", "HF0917PATRIM"}) {
      for (const std::string& f : Filas("SELECT Doc_id_d, Correl, COUNT(*) FROM " + std::string(tabla) +
                                        " GROUP BY Doc_id_d, Correl ORDER BY 1, 2")) {
        filas.push_back(std::string(tabla) + " " + f);
      }
    }
    return filas;
  }
};

TEST_F(ModFor, EachCommandShowsItsModesTextsAndColumns) {
  struct Caso {
    forms::Menu MDIFrm::*Comando;
    const char* Caption;
    const char* Marco;
    const char* Instruccion;
    const char* Accion;
    const char* Abrir;
    long Ancho, Alto, Ayuda;
    const char* Columnas;
  };
  const Caso casos[] = {
      {&MDIFrm::mnuModificar, "Modificar Formulario", "Declaraciones Registradas",
       "Seleccione la Declaración  que desea modificar :", "&Modificar", "&Abrir", 8475, 4455, 0,
       "Ruc|Razón social|Ejercicio|Formulario|Estado|Semana"},
      {&MDIFrm::mnuEliminar, "Eliminar Formularios", "Declaraciones Registradas",
       "Seleccione la Declaración que desea eliminar :", "&Eliminar", "&Eliminar", 8475, 4455, 0,
       "Ruc|Razón social|Ejercicio|Formulario|Estado|Semana"},
      {&MDIFrm::mnuEliminarE, "Eliminar Formularios", "Declaraciones Enviadas",
       "Seleccione la Declaración que desea eliminar :", "&Eliminar", "&Eliminar", 8800, 4530, 1044,
       "Ruc|Razón social|Ejercicio|Formulario|Nro. Orden|Fec. de Envio|Nro. Control|Correlativo|Rectifica|Semana"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Caption + std::string(" ") + c.Marco);
    Abre(c.Comando, [&](frmModFor& f) {
      EXPECT_EQ(f.Caption(), c.Caption);
      EXPECT_EQ(f.fradecreg.Caption(), c.Marco);
      EXPECT_EQ(f.Label1(0).Caption(), c.Instruccion);
      EXPECT_EQ(f.CmdOpciones(0).Caption(), c.Accion);
      EXPECT_EQ(f.CmdOpciones(1).Caption(), "&Salir");
      EXPECT_EQ(f.LblAbrir.Caption(), c.Abrir);
      EXPECT_EQ(f.LblSalir.Caption(), "&Salir");
      EXPECT_EQ(f.Width(), c.Ancho);
      EXPECT_EQ(f.Height(), c.Alto);
      EXPECT_EQ(f.HelpContextID(), c.Ayuda);
      EXPECT_EQ(Encabezados(f.grdContrib), c.Columnas);
      Sale(f);
    });
  }
}

TEST_F(ModFor, ItsColumnsBindTheQuerysFieldsAndShowThemByTheirRules) {
  Abre(&MDIFrm::mnuEliminarE, [&](frmModFor& f) {
    std::vector<std::string> columnas;
    for (int c = 0; c < f.grdContrib.ColumnCount(); ++c) {
      const forms::GridColumn& col = f.grdContrib.Columns(c);
      std::string items;
      for (const forms::ValueItem& v : col.ValueItems()) {
        items += " " + v.Value + "=" + (v.Picture.empty() ? "'" + v.DisplayValue + "'" : "[" + v.Picture + "]");
      }
      columnas.push_back(col.Caption() + "|" + col.DataField() + "|" + col.NumberFormat() + "|" +
                         (col.Visible() ? "shown" : "hidden") + items);
    }
    EXPECT_EQ(columnas, (std::vector<std::string>{
                            "Ruc|doc_id_d||shown",
                            "Razón social|Nombre||shown",
                            "Ejercicio|periodo|####|shown",
                            "Formulario|formulario||shown",
                            "Estado|Estado||hidden 0=[visto] 1=[disquete] 9=[cruz]",
                            "Nro. Orden|nOrden||shown",
                            "Fec. de Envio|fec_env|dd/mm/yyyy|shown",
                            "Nro. Control|Control||shown",
                            "Correlativo|Correl||shown",
                            "Rectifica|Rectifica||shown 0='NO' 1='SI'",
                            "Orden|nOrden||hidden",
                            "Semana|semana||shown 0='  '",
                        }));
    Sale(f);
  });
  Abre(&MDIFrm::mnuModificar, [&](frmModFor& f) {
    EXPECT_EQ(f.grdContrib.Width(), 7695);
    EXPECT_EQ(f.grdContrib.Columns(1).Width(), 3300);
    Sale(f);
  });
}

TEST_F(ModFor, ListsTheUsersOwnReturnsUnlessTheUserSeesEveryones) {
  struct Caso {
    const char* Usuario;
    const char* Tipo;
    std::vector<std::string> Registradas;
    std::vector<std::string> Enviadas;
  };
  const Caso casos[] = {
      {"ASESOR1", "1", {kGarcia, kRodriguez, kQuispe}, {kGarcia1, kGarcia2}},
      {"ASESOR1", "0", {kVargas, kGarcia, kRodriguez, kQuispe}, {kVargas1, kGarcia1, kGarcia2}},
      // A name that closes a quote lists nothing of anybody's.
      {"O'BRIEN", "1", {}, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Usuario) + " of type " + c.Tipo);
    G().UsuarioSistema = c.Usuario;
    Ejecuta({"DELETE * FROM CLAVES WHERE Usuario=" + dao::Quote(c.Usuario),
             "INSERT INTO CLAVES VALUES (" + dao::Quote(c.Usuario) + "," + dao::Quote(c.Tipo) + ",'x')"});
    Abre(&MDIFrm::mnuModificar, [&](frmModFor& f) {
      EXPECT_EQ(Vista(f.grdContrib), c.Registradas);
      Sale(f);
    });
    Abre(&MDIFrm::mnuEliminarE, [&](frmModFor& f) {
      EXPECT_EQ(Vista(f.grdContrib), c.Enviadas);
      Sale(f);
    });
  }
}

// The list's statement, word for word.
TEST_F(ModFor, EachListRunsItsOwnStatement) {
  const std::string registradas =
      "SELECT A.DOC_ID_D, B.NOMBRE, mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODO, A.FORMULARIO, "
      "a.estado,a.semana FROM CAB AS A, CONT AS B WHERE A.DOC_ID_D=B.DOC_ID_D AND A.FORMULARIO= '0917'";
  const std::string enviadas =
      "SELECT A.DOC_ID_D, B.NOMBRE, a.fec_env, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, "
      "A.FORMULARIO,a.correl,a.norden,a.control,a.estado,a.rectifica,a.semana FROM HCAB AS A, CONT AS B "
      "WHERE A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND A.FORMULARIO='0917'";
  struct Caso {
    forms::Menu MDIFrm::*Comando;
    const char* Tipo;
    std::string Consulta;
  };
  const Caso casos[] = {
      {&MDIFrm::mnuModificar, "1",
       registradas + " and B.USUARIO='ASESOR1' ORDER BY A.DOC_ID_D ASC, A.PERIODO DESC, A.FORMULARIO ASC"},
      {&MDIFrm::mnuEliminar, "0", registradas + " ORDER BY A.DOC_ID_D ASC, A.PERIODO DESC, A.FORMULARIO ASC"},
      {&MDIFrm::mnuEliminarE, "1", enviadas + " AND B.USUARIO='ASESOR1' and a.estado=1 ORDER BY A.DOC_ID_D ASC"},
      {&MDIFrm::mnuEliminarE, "0", enviadas + " and a.estado=1 ORDER BY A.DOC_ID_D ASC"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Consulta);
    TipoDeUsuario(c.Tipo);
    Abre(c.Comando, [&](frmModFor& f) {
      EXPECT_EQ(G().CadenaSQL, c.Consulta);
      EXPECT_EQ(f.Dta1.RecordSource(), c.Consulta);
      Sale(f);
    });
  }
}

TEST_F(ModFor, TheCurrentRowGoesToTheStatusBarAndTheReturnKey) {
  BarradeEstadoQBX& barra = Principal().BarradeEstadoQBX1;
  G().Periodo = "1999";  // the rows set the tax year
  Abre(&MDIFrm::mnuEliminarE, [&](frmModFor& f) {
    // Shown: the first row.
    EXPECT_EQ(barra.numdoc(), "10076543211");
    EXPECT_EQ(barra.razonsocial(), "GARCIA PEREZ JUAN CARLOS");
    EXPECT_EQ(barra.formulario(), "0917");
    EXPECT_EQ(barra.periodo_ejercicio(), "1999");
    EXPECT_EQ(G().RucDeclarante, "");

    G().Formulario = "0000";  // not the window's to show
    User.ChooseRow(f.grdContrib, 1);
    EXPECT_EQ(barra.numdoc(), "10076543211");
    EXPECT_EQ(barra.formulario(), "0917");
    EXPECT_EQ(G().RucDeclarante, "10076543211");
    EXPECT_EQ(G().NombreDeclarante, "GARCIA PEREZ JUAN CARLOS");
    EXPECT_EQ(G().Periodo, "2002");
    G().Formulario = "0917";

    // Salir copies the whole key first, then empties the bar.
    G().Semana = 7;
    Sale(f);
    EXPECT_EQ(G().Correlativo, "002");
    EXPECT_EQ(G().Semana, 0);
  });
  EXPECT_EQ(barra.numdoc(), "");
  EXPECT_EQ(barra.razonsocial(), "");
  EXPECT_EQ(barra.formulario(), "");
  EXPECT_EQ(barra.periodo_ejercicio(), "");
  EXPECT_FALSE(Aplicacion.HasInstance<frmModFor>());
}

TEST_F(ModFor, AReturnOfAnotherWeekKeepsItsWeek) {
  RegistraFormulario();
  Abre(&MDIFrm::mnuModificar, [&](frmModFor& f) {
    User.ChooseRow(f.grdContrib, 1);
    User.Click(f.CmdOpciones(0));
  });
  ASSERT_EQ(Entregas.size(), 1u);
  EXPECT_EQ(Entregas[0].RucDeclarante, "10098765439");
  EXPECT_EQ(Entregas[0].Semana, 2);
}

TEST_F(ModFor, AnEmptyListDisablesTheGridAndItsActionOnlyCopiesTheEmptyRow) {
  Ejecuta({"DELETE * FROM CAB"});
  BarradeEstadoQBX& barra = Principal().BarradeEstadoQBX1;
  RegistraFormulario();
  for (forms::Menu MDIFrm::*comando : {&MDIFrm::mnuModificar, &MDIFrm::mnuEliminar}) {
    barra.Setnumdoc("antes");
    G().RucDeclarante = "10076543211";
    G().Semana = 4;
    Abre(comando, [&](frmModFor& f) {
      EXPECT_FALSE(f.grdContrib.Enabled());
      EXPECT_EQ(barra.numdoc(), "antes");  // activation leaves it
      User.Click(f.CmdOpciones(0));
      EXPECT_EQ(G().RucDeclarante, "");
      EXPECT_EQ(G().Semana, 0);
      EXPECT_TRUE(f.Visible());
      Sale(f);
    });
  }
  EXPECT_TRUE(Entregas.empty());
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(ModFor, EitherConfirmationRefusedDeletesNothing) {
  struct Caso {
    int Aviso;
    int Confirma;  // 0: not asked
    bool Borra;
  };
  const Caso casos[] = {
      {forms::vbCancel, 0, false}, {forms::vbOK, forms::vbNo, false}, {forms::vbOK, forms::vbYes, true}};
  const std::vector<std::string> antes = Guardadas();
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Confirma);
    Abre(&MDIFrm::mnuEliminar, [&](frmModFor& f) {
      User.Focus(f.CmdOpciones(1));
      User.ExpectMsgBox(kAviso, c.Aviso);
      if (c.Confirma != 0) User.ExpectMsgBox(kConfirma, c.Confirma);
      User.Click(f.CmdOpciones(0));
      EXPECT_EQ(f.ActiveControl(), &f.grdContrib);
      EXPECT_EQ(Vista(f.grdContrib).size(), c.Borra ? 2u : 3u);
      Sale(f);
    });
    EXPECT_EQ(Guardadas() == antes, !c.Borra);
  }
}

TEST_F(ModFor, DeletingARegisteredReturnRemovesExactlyItsRows) {
  // The action button, a double click and Enter on the grid do the same.
  const std::vector<std::function<void(frmModFor&)>> acciones = {
      [&](frmModFor& f) { User.Click(f.CmdOpciones(0)); },
      [&](frmModFor& f) { User.DblClick(f.grdContrib); },
      [&](frmModFor& f) {
        User.Focus(f.grdContrib);
        User.Enter();
      },
  };
  const std::vector<std::vector<std::string>> listas = {{kRodriguez, kQuispe}, {kQuispe}, {}};
  const std::vector<std::vector<std::string>> quedan = {
      {"DET 10023456783|0917|0|2", "DET 10076543211|0916|0|2", "DET 10098765439|0917|2|2", "DET 10401234565|0917|0|2",
       "CAB 10023456783|0917|0|1", "CAB 10076543211|0916|0|1", "CAB 10098765439|0917|2|1", "CAB 10401234565|0917|0|1",
       "F0917PATRIM 10023456783|0917", "F0917PATRIM 10076543211|0916", "F0917PATRIM 10098765439|0917",
       "F0917PATRIM 10401234565|0917"},
      {"DET 10023456783|0917|0|2", "DET 10076543211|0916|0|2", "DET 10401234565|0917|0|2", "CAB 10023456783|0917|0|1",
       "CAB 10076543211|0916|0|1", "CAB 10401234565|0917|0|1", "F0917PATRIM 10023456783|0917",
       "F0917PATRIM 10076543211|0916", "F0917PATRIM 10401234565|0917"},
      {"DET 10023456783|0917|0|2", "DET 10076543211|0916|0|2", "CAB 10023456783|0917|0|1", "CAB 10076543211|0916|0|1",
       "F0917PATRIM 10023456783|0917", "F0917PATRIM 10076543211|0916"},
  };
  Abre(&MDIFrm::mnuEliminar, [&](frmModFor& f) {
    for (std::size_t i = 0; i < acciones.size(); ++i) {
      SCOPED_TRACE(i);
      User.ExpectMsgBox(kAviso, forms::vbOK);
      User.ExpectMsgBox(kConfirma, forms::vbYes);
      acciones[i](f);
      EXPECT_EQ(Vista(f.grdContrib), listas[i]);
      EXPECT_EQ(f.grdContrib.Row(), listas[i].empty() ? -1 : 0);
      EXPECT_EQ(Guardadas(), quedan[i]);
      EXPECT_TRUE(f.Visible());
      EXPECT_EQ(G().Modo, 3);
    }
    // Emptied by deletions, the grid stays enabled and the action does nothing.
    EXPECT_TRUE(f.grdContrib.Enabled());
    User.Click(f.CmdOpciones(0));
    Sale(f);
  });
  EXPECT_EQ(User.Messages().size(), 6u);
}

TEST_F(ModFor, DeletingASentReturnRemovesOnlyItsVersion) {
  TipoDeUsuario("0");
  Abre(&MDIFrm::mnuEliminarE, [&](frmModFor& f) {
    User.ChooseRow(f.grdContrib, 2);  // GARCIA's second version
    User.ExpectMsgBox(kAviso, forms::vbOK);
    User.ExpectMsgBox(kConfirma, forms::vbYes);
    User.Click(f.CmdOpciones(0));
    EXPECT_EQ(Vista(f.grdContrib), (std::vector<std::string>{kVargas1, kGarcia1}));
    EXPECT_EQ(G().CadenaSQL,
              "DELETE * FROM HF0917PATRIM WHERE DOC_ID_D='10076543211' AND PERIODO='2002' AND FORMULARIO='0917' "
              "AND TIP_DOC_D=6 AND CORREL ='002'");
    Sale(f);
  });
  EXPECT_EQ(Enviadas(),
            (std::vector<std::string>{"HDET 10023456783|001|39", "HDET 10076543211|001|31", "HCAB 10023456783|001|1",
                                      "HCAB 10076543211|001|1", "HCAB 10401234565|001|1",
                                      "HF0917PATRIM 10023456783|001|1", "HF0917PATRIM 10076543211|001|1"}));
}

TEST_F(ModFor, ADeleteThatFailsKeepsEveryRowAndSaysWhatFailed) {
  struct Caso {
    forms::Menu MDIFrm::*Comando;
    const char* TablaQueFalta;  // the last statement's
  };
  for (const Caso& c : {Caso{&MDIFrm::mnuEliminar, "F0917PATRIM"}, Caso{&MDIFrm::mnuEliminarE, "HF0917PATRIM"}}) {
    SCOPED_TRACE(c.TablaQueFalta);
    Ejecuta({"DROP TABLE " + std::string(c.TablaQueFalta)});
    const std::vector<std::string> antes = Filas("SELECT Doc_id_d, Formulario, Casilla FROM DET ORDER BY 1, 2, 3");
    const std::vector<std::string> antesH = Filas("SELECT Doc_id_d, Correl, Casilla FROM HDET ORDER BY 1, 2, 3");
    Abre(c.Comando, [&](frmModFor& f) {
      const std::vector<std::string> lista = Vista(f.grdContrib);
      User.ExpectMsgBox(kAviso, forms::vbOK);
      User.ExpectMsgBox(kConfirma, forms::vbYes);
      User.ExpectMsgBox("No se pudo eliminar la declaración; se mantienen todos sus registros.\n" +
                            dao::JetErrorText(dao::ErrNoSuchTable, {c.TablaQueFalta}) + " (3078)",
                        forms::vbOK);
      User.Click(f.CmdOpciones(0));
      const MessageBox& caja = User.Messages().back();
      EXPECT_EQ(caja.Style, forms::vbCritical);
      EXPECT_EQ(caja.Title, "Eliminar Formularios");
      EXPECT_TRUE(f.Visible());
      EXPECT_EQ(f.ActiveControl(), &f.grdContrib);
      EXPECT_EQ(Vista(f.grdContrib), lista);
      Sale(f);
    });
    EXPECT_EQ(Filas("SELECT Doc_id_d, Formulario, Casilla FROM DET ORDER BY 1, 2, 3"), antes);
    EXPECT_EQ(Filas("SELECT Doc_id_d, Correl, Casilla FROM HDET ORDER BY 1, 2, 3"), antesH);
    EXPECT_EQ(Filas("SELECT COUNT(*) FROM CAB"), std::vector<std::string>{"5"});
    EXPECT_EQ(Filas("SELECT COUNT(*) FROM HCAB"), std::vector<std::string>{"4"});
  }
}

TEST_F(ModFor, ModifyHandsTheChosenReturnToTheReturnForm) {
  frmModFor* lista = nullptr;
  RegistraFormulario([&] {
    EXPECT_FALSE(lista->Visible());
    EXPECT_TRUE(lista->Loaded());
  });
  G().Correlativo = "009";
  Abre(&MDIFrm::mnuModificar, [&](frmModFor& f) {
    lista = &f;
    User.ChooseRow(f.grdContrib, 2);
    User.Click(f.CmdOpciones(0));
    EXPECT_EQ(f.grdContrib.Row(), 2);  // the same row again
  });
  ASSERT_EQ(Entregas.size(), 1u);
  const Entrega& e = Entregas[0];
  EXPECT_EQ(e.RucDeclarante, "10401234565");
  EXPECT_EQ(e.NombreDeclarante, "QUISPE MAMANI ROSA ELENA");
  EXPECT_EQ(e.Periodo, "2002");
  EXPECT_EQ(e.Formulario, "0917");
  EXPECT_EQ(e.Semana, 0);
  EXPECT_EQ(e.Correlativo, "");  // the registered list has none
  EXPECT_EQ(e.Modo, 2);
  // The hidden list stays loaded until the next command; the main window is active.
  EXPECT_TRUE(Aplicacion.HasInstance<frmModFor>());
  EXPECT_FALSE(lista->Visible());
  EXPECT_EQ(Aplicacion.ActiveForm(), &Principal());
  User.ExpectModal<frmModFor>([&](frmModFor& f) {
    EXPECT_NE(&f, lista);
    Sale(f);
  });
  User.ChooseMenu(Principal().mnuModificar);
}

}  // namespace
}  // namespace app::testing
