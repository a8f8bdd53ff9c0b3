// The print window: its lists per user, its options and their checks, a
// return printed whole or previewed by a range, the boxes and header fields
// it loads for the report, and a report that fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "kr917/Programa.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/files/NativePath.h"
#include "platform/forms/Constants.h"
#include "printing/frmImprimir.h"
#include "printing/frmImpxPag.h"
#include "printing/frmPreview.h"
#include "tests/app/ventanas/Programa.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/Filas.h"

namespace app::testing {
namespace {

using forms::MessageBox;

constexpr char kTorres[] = "10433221104";

// The rows as the lists show them (visible columns).
const char* const kTorres2002 = "10433221104|TORRES VEGA ANA MARIA|2002|0917|NO|0";
const char* const kTorres2001 = "10433221104|TORRES VEGA ANA MARIA|2001|0917|NO|0";
const char* const kChavez2002 = "10455667785|CHAVEZ LOPEZ LUCIA|2002|0917|SI|0";
const char* const kVargas2002 = "10023456783|VARGAS HUAMAN JORGE ENRIQUE|2002|0917|NO|0";
const char* const kGarcia1 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |15/03/2003|40721385|001|NO|0";
const char* const kGarcia2 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |28/03/2003|40722190|002|SI|0";
const char* const kVargas1 = "10023456783|VARGAS HUAMAN JORGE ENRIQUE|2002|0917|        |20/03/2003|40721877|001|NO|0";

const MessageBox kSinAnexo{"Debe seleccionar algún anexo", forms::vbOKOnly, "Error"};

// The parts of `texto` between the separators `sep`.
std::vector<std::string> Partes(const std::string& texto, const std::string& sep) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  for (std::size_t fin; (fin = texto.find(sep, inicio)) != std::string::npos; inicio = fin + sep.size()) {
    partes.push_back(texto.substr(inicio, fin - inicio));
  }
  partes.push_back(texto.substr(inicio));
  return partes;
}

// The sample installation after LUD917's run, KR917 started, and besides
// the sample's returns (TORRES cash and CHAVEZ cheque, saved by ASESOR1;
// GARCIA 001 and 002 sent by ASESOR1, VARGAS 001 by SUPERV):
//
//   CAB    TORRES for 2001 too, and VARGAS (SUPERV's, cash) with two boxes
//   HCAB   QUISPE 001 with estado 0, not sent yet
//
// The settings user is ASESOR1, of type "1".
class Imprimir : public Programa {
 protected:
  void SetUp() override {
    ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
    kr::testing::CopiaBaseInstalada(Instalacion.Layout().Database);
    kr917::RegistraVentanas();
    ASSERT_TRUE(Arranca());
    Ejecuta({
        "INSERT INTO CAB VALUES (6,'10433221104','2001','0917',0,'02/04/2002',' ',' ',' ','900','0',0,'000000')",
        "INSERT INTO CAB VALUES (6,'10023456783','2002','0917',0,'05/04/2003',' ',' ',' ','700','0',0,'000000')",
        "INSERT INTO DET VALUES (6,'10023456783','2002','0917',0,'107','60000','01',0,'000000')",
        "INSERT INTO DET VALUES (6,'10023456783','2002','0917',0,'508','48000','01',0,'000000')",
        "INSERT INTO HCAB VALUES (6,'10401234565','2002','0917',0,'001','21/03/2003',' ',' ',' ',' ','0',0,"
        "#03/21/2003#,'        ','40721999','000000')",
    });
  }

  void Ejecuta(std::initializer_list<std::string> sentencias) {
    for (const std::string& sql : sentencias) G().BaseDatos->Execute(sql, dao::dbFailOnError);
  }
  std::vector<std::string> Filas(const std::string& sql) { return kr::testing::Filas(*G().BaseDatos, sql); }

  /// Opens the print window from the menu (sent returns with `enviadas`);
  /// `paso` acts in it, and "&Salir" closes it.
  void Abre(bool enviadas, std::function<void(frmImprimir&)> paso) {
    User.ExpectModal<frmImprimir>([&](frmImprimir& f) {
      paso(f);
      User.Click(f.CmdImprimir(2));
    });
    User.ChooseMenu(enviadas ? Principal().mnuImprimirE : Principal().mnuImprimir);
    User.VerifyDone();
  }

  /// "&Imprimir" on row `fila`, the printer chosen; answers the sheets printed.
  std::vector<print::Page> Imprime(frmImprimir& f, long fila) {
    User.ChooseRow(f.grdContrib, fila);
    const std::size_t antes = User.Printed().size();
    User.ExpectPrint();
    User.Click(f.CmdImprimir(1));
    if (User.Printed().size() == antes) return {};
    return User.Printed().back()->Pages();
  }

  /// The texts of a sheet.
  static std::vector<std::string> Textos(const print::Page& hoja) {
    std::vector<std::string> textos;
    for (const print::Item& item : hoja.Items()) {
      if (const auto* t = std::get_if<print::TextItem>(&item)) textos.push_back(t->Text);
    }
    return textos;
  }
  static bool Tiene(const print::Page& hoja, const std::string& texto) {
    const std::vector<std::string> textos = Textos(hoja);
    return std::find(textos.begin(), textos.end(), texto) != textos.end();
  }

  /// The rows a grid shows, its visible cells joined by "|".
  static std::vector<std::string> Vista(const forms::DataGrid& grid) {
    std::vector<std::string> filas;
    for (long r = 0; r < grid.RowCount(); ++r) {
      std::string fila;
      for (int c = 0; c < grid.ColumnCount(); ++c) {
        if (grid.Columns(c).Visible()) fila += (fila.empty() ? "" : "|") + grid.CellText(r, c);
      }
      filas.push_back(fila);
    }
    return filas;
  }
  static std::string Encabezados(const forms::DataGrid& grid) {
    std::string encabezados;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
      if (grid.Columns(c).Visible()) encabezados += (encabezados.empty() ? "" : "|") + grid.Columns(c).Caption();
    }
    return encabezados;
  }

  /// The page indexes the report file `archivo` of RPT draws on.
  std::set<int> PaginasDelArchivo(const std::string& archivo) {
    std::ifstream in(vb::NativePath(G().RutaReportes + "\\" + archivo), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    std::set<int> paginas;
    for (const std::string& linea : Partes(bytes, "\r\n")) {
      if (linea.rfind("pPos|", 0) != 0 && linea.rfind("pCuadro|", 0) != 0) continue;
      const std::vector<std::string> campos = Partes(linea, "|");
      paginas.insert(std::stoi(campos[campos.size() - 2]));
    }
    return paginas;
  }
  /// The files of the report folder.
  std::set<std::string> Reportes() {
    std::set<std::string> nombres;
    for (const auto& e : std::filesystem::directory_iterator(vb::NativePath(G().RutaReportes))) {
      nombres.insert(e.path().filename().string());
    }
    return nombres;
  }
  std::vector<std::string> Spool() {
    return Filas("SELECT CodRep, Archivo, Usuario, tip_doc_d, Doc_id_d FROM SPOOL ORDER BY Archivo");
  }
  /// The name the next report file takes.
  std::string SiguienteArchivo() {
    const std::vector<std::string> ultimo = Filas("SELECT MAX(left(Archivo,8)) FROM SPOOL");
    const long n = ultimo.empty() || ultimo[0] == "Null" ? 1 : std::stol(ultimo[0]) + 1;
    std::string cifras = std::to_string(n);
    return std::string(8 - cifras.size(), '0') + cifras + ".PRN";
  }

  /// The boxes of the report arrays that hold a value: box number -> text.
  static std::map<int, std::string> CasillasCargadas() {
    std::map<int, std::string> casillas;
    const common::EstadoReporte& r = G().ImpRep;
    for (int n = 1; n <= 700; ++n) {
      if (!r.ValorCasilla[n - 1].empty()) casillas[n] = r.ValorCasilla[n - 1];
    }
    for (int n = 800; n <= 999; ++n) {
      if (!r.ValorCasilla800[n - 800].empty()) casillas[n] = r.ValorCasilla800[n - 800];
    }
    return casillas;
  }

  /// Makes UsuarioSistema's CLAVES type `tipo`.
  void TipoDeUsuario(const std::string& tipo) {
    Ejecuta({"UPDATE CLAVES SET Tipo='" + tipo + "' WHERE Usuario='ASESOR1'"});
  }
};

TEST_F(Imprimir, ListsTheUsersOwnReturnsOrEveryonesForTypeZero) {
  struct Caso {
    const char* Tipo;
    bool Enviadas;
    std::vector<std::string> Filas;
  };
  const Caso casos[] = {
      {"1", false, {kTorres2002, kTorres2001, kChavez2002}},
      {"0", false, {kVargas2002, kTorres2002, kTorres2001, kChavez2002}},
      {"1", true, {kGarcia1, kGarcia2}},
      {"0", true, {kVargas1, kGarcia1, kGarcia2}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string("type ") + c.Tipo + (c.Enviadas ? ", sent" : ", saved"));
    TipoDeUsuario(c.Tipo);
    Abre(c.Enviadas, [&](frmImprimir& f) {
      EXPECT_EQ(Vista(f.grdContrib), c.Filas);
      EXPECT_EQ(f.Icon(), "imprimir");
      if (c.Enviadas) {
        EXPECT_EQ(f.Caption(), "Imprimir Formularios enviados");
        EXPECT_EQ(f.Frame2.Caption(), "Declaraciones Enviadas");
        EXPECT_EQ(Encabezados(f.grdContrib),
                  "RUC|Razón Social|Ejercicio|Formulario|N.Orden|Fecha Envio|Control|Correlativo|Rectifica|Semana");
        EXPECT_EQ(f.grdContrib.Width(), 7560);
      } else {
        EXPECT_EQ(f.Caption(), "Imprimir ");
        EXPECT_EQ(f.Frame2.Caption(), "Declaraciones registradas");
        EXPECT_EQ(Encabezados(f.grdContrib), "RUC|Razón Social|Ejercicio|Formulario|Rectifica|Semana");
      }
      // The first row is in the main window's status bar and the return key.
      EXPECT_EQ(Principal().BarradeEstadoQBX1.numdoc(), f.grdContrib.Columns(0).Text());
      EXPECT_EQ(Principal().BarradeEstadoQBX1.formulario(), "0917");
    });
  }
}

TEST_F(Imprimir, AnEmptyListDisablesTheGridAndTheActionsDoNothing) {
  Ejecuta({"DELETE * FROM CAB"});
  const std::vector<std::string> spool = Spool();
  Abre(false, [&](frmImprimir& f) {
    EXPECT_FALSE(f.grdContrib.Enabled());
    User.Click(f.CmdImprimir(1));
    User.Click(f.CmdImprimir(0));
  });
  EXPECT_EQ(Spool(), spool);
  EXPECT_TRUE(User.Messages().empty());
}

TEST_F(Imprimir, DeclaracionClearsAndDisablesTheAnnexesTheOthersEnableThem) {
  Abre(false, [&](frmImprimir& f) {
    // At load "Declaración" is chosen: nothing ticked, nothing to tick.
    EXPECT_TRUE(f.OptImp(5).Value());
    EXPECT_FALSE(f.chkAnexos(3).Enabled());
    EXPECT_FALSE(f.chkAnexos(4).Enabled());
    User.Click(f.OptImp(3));
    User.Click(f.chkAnexos(3));
    User.Click(f.chkAnexos(4));
    EXPECT_EQ(f.chkAnexos(3).Value(), forms::vbChecked);
    User.Click(f.OptImp(5));
    for (int i : {3, 4}) {
      EXPECT_EQ(f.chkAnexos(i).Value(), forms::vbUnchecked) << i;
      EXPECT_FALSE(f.chkAnexos(i).Enabled()) << i;
    }
    User.Click(f.OptImp(4));
    for (int i : {3, 4}) {
      EXPECT_EQ(f.chkAnexos(i).Value(), forms::vbUnchecked) << i;
      EXPECT_TRUE(f.chkAnexos(i).Enabled()) << i;
    }
  });
}

TEST_F(Imprimir, AnAnnexOptionWithoutATickIsToldAndNothingIsWritten) {
  struct Caso {
    int Opcion;
    int Accion;
  };
  for (const Caso c : {Caso{4, 1}, Caso{4, 0}, Caso{3, 1}, Caso{3, 0}}) {
    SCOPED_TRACE("option " + std::to_string(c.Opcion) + ", action " + std::to_string(c.Accion));
    const std::vector<std::string> spool = Spool();
    const std::set<std::string> archivos = Reportes();
    Abre(false, [&](frmImprimir& f) {
      User.Click(f.OptImp(c.Opcion));
      User.ExpectMsgBox(kSinAnexo, forms::vbOK);
      User.Click(f.CmdImprimir(c.Accion));
    });
    EXPECT_EQ(Spool(), spool);
    EXPECT_EQ(Reportes(), archivos);
  }
}

TEST_F(Imprimir, ImprimirRegistersTheFileWritesPagesOneToThreeAndPrintsThem) {
  const std::string archivo = SiguienteArchivo();
  const std::vector<std::string> antes = Spool();
  Abre(false, [&](frmImprimir& f) {
    const std::vector<print::Page> hojas = Imprime(f, 0);
    EXPECT_EQ(hojas.size(), 3u);
  });
  std::vector<std::string> despues = Spool();
  ASSERT_EQ(despues.size(), antes.size() + 1);
  EXPECT_EQ(despues.back(), "RP0006|" + archivo + "|ASESOR1|6|" + kTorres);
  EXPECT_EQ(PaginasDelArchivo(archivo), (std::set<int>{0, 1, 2}));
  EXPECT_EQ(G().ArchivoSalida, G().RutaReportes + "\\" + archivo);
  EXPECT_EQ(G().Modo, 2);
  EXPECT_EQ(G().ModoImpresion, 2);
  // No window but the print window was shown: the sheets went straight to the printer.
  EXPECT_EQ(User.ModalWindows(), std::vector<std::string>{"frmImprimir"});
}

TEST_F(Imprimir, TheAnnexesTickedArePrintedAfterTheReturnOrAlone) {
  struct Caso {
    int Opcion;
    std::vector<int> Anexos;
    std::size_t Hojas;
  };
  const Caso casos[] = {
      {3, {3}, 4},
      {4, {3}, 1},
      {3, {4}, 4},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE("option " + std::to_string(c.Opcion));
    Abre(false, [&](frmImprimir& f) {
      User.Click(f.OptImp(c.Opcion));
      for (int a : c.Anexos) User.Click(f.chkAnexos(a));
      EXPECT_EQ(Imprime(f, 0).size(), c.Hojas);
    });
  }
}

TEST_F(Imprimir, PreliminarAsksForARangeOfThePagesWrittenAndPreviewsIt) {
  const std::string archivo = SiguienteArchivo();
  Abre(true, [&](frmImprimir& f) {
    User.ChooseRow(f.grdContrib, 1);
    std::vector<std::string> primeras;
    User.ExpectModal<frmImpxPag>([&](frmImpxPag& d) {
      EXPECT_EQ(d.Caption(), "Impresión de 3 páginas");
      EXPECT_EQ(d.txtTotPaginas.Text(), "3");
      EXPECT_EQ(d.Tag(), archivo);
      EXPECT_TRUE(G().ImpRep.ImpLinea.RangoPaginas);
      d.txtPagDesde.SetText("2");
      d.txtPagHasta.SetText("3");
      User.ExpectModal<frmPreview>([&](frmPreview& p) {
        EXPECT_EQ(p.TotalPaginas, 2);
        User.ClickButton(p.tlbPrevia, 5);
      });
      User.Click(d.cmdAccion(0));
      User.Click(d.cmdAccion(1));
    });
    User.Click(f.CmdImprimir(0));
    // The row chosen is the current one again.
    EXPECT_EQ(f.grdContrib.Row(), 1);
    EXPECT_EQ(f.grdContrib.Columns(8).Text(), "002");
  });
  EXPECT_EQ(G().Correlativo, "002");
  EXPECT_EQ(G().NumeroControl, "40722190");
  EXPECT_TRUE(User.Printed().empty());
}

TEST_F(Imprimir, ImprimirAfterAPreviewOfOnePagePrintsEveryPage) {
  Abre(false, [&](frmImprimir& f) {
    User.ExpectModal<frmImpxPag>([&](frmImpxPag& d) {
      d.txtPagDesde.SetText("2");
      d.txtPagHasta.SetText("2");
      User.ExpectModal<frmPreview>([&](frmPreview& p) {
        EXPECT_EQ(p.TotalPaginas, 1);
        User.ClickButton(p.tlbPrevia, 5);
      });
      User.Click(d.cmdAccion(0));
      User.Click(d.cmdAccion(1));
    });
    User.Click(f.CmdImprimir(0));
    EXPECT_EQ(Imprime(f, 0).size(), 3u);
  });
}

TEST_F(Imprimir, EnterAndDoubleClickInTheGridPreviewNeverPrint) {
  for (const bool dobleClic : {false, true}) {
    SCOPED_TRACE(dobleClic ? "double click" : "Enter");
    Abre(false, [&](frmImprimir& f) {
      User.ExpectModal<frmImpxPag>([&](frmImpxPag& d) { User.Click(d.cmdAccion(1)); });
      if (dobleClic) {
        User.DblClick(f.grdContrib);
      } else {
        User.Focus(f.grdContrib);
        User.Enter();
      }
    });
  }
  EXPECT_TRUE(User.Printed().empty());
}

TEST_F(Imprimir, OnlyBoxesWithAnElementReachTheArrays) {
  Ejecuta({"DELETE * FROM DET WHERE Doc_id_d='10433221104'"});
  for (const char* casilla : {"100", "700", "800", "999", "721", "722", "000", "750", "1e3", "9e9", "AB", "-5"}) {
    Ejecuta({std::string("INSERT INTO DET VALUES (6,'10433221104','2002','0917',0,'") + casilla + "','v" + casilla +
             "','01',0,'000000')"});
  }
  Abre(false, [&](frmImprimir& f) { Imprime(f, 0); });
  EXPECT_EQ(CasillasCargadas(),
            (std::map<int, std::string>{{100, "v100"}, {700, "v700"}, {800, "v800"}, {999, "v999"}}));
}

TEST_F(Imprimir, TheLoadReplacesThePreviousReturnsBoxesAndHeaderFields) {
  Ejecuta({"UPDATE CAB SET nrocheque=Null, rectifica=Null, bcolibrad=Null WHERE Doc_id_d='10433221104'"});
  Abre(false, [&](frmImprimir& f) {
    const std::vector<print::Page> cheque = Imprime(f, 2);
    ASSERT_EQ(cheque.size(), 3u);
    EXPECT_TRUE(Tiene(cheque[1], "00458712"));
    EXPECT_TRUE(Tiene(cheque[1], "SI"));
    EXPECT_EQ(CasillasCargadas().at(100), "84000");

    const std::vector<print::Page> efectivo = Imprime(f, 0);
    ASSERT_EQ(efectivo.size(), 3u);
    EXPECT_FALSE(Tiene(efectivo[1], "00458712"));
    EXPECT_FALSE(Tiene(efectivo[1], "SI"));
    EXPECT_TRUE(Tiene(efectivo[1], "NO"));
    EXPECT_EQ(G().NumeroCheque, "");
    EXPECT_EQ(G().BancoCheque, "");
    EXPECT_EQ(G().Rectificatoria, "");
    EXPECT_EQ(CasillasCargadas().at(100), "48000");
    EXPECT_EQ(CasillasCargadas().count(871), 1u);
  });
}

TEST_F(Imprimir, ASentReturnIsLoadedFromTheHistoryByItsCorrelativo) {
  Abre(true, [&](frmImprimir& f) {
    const std::vector<print::Page> hojas = Imprime(f, 1);
    ASSERT_EQ(hojas.size(), 3u);
    EXPECT_EQ(CasillasCargadas().at(100), "26000");
    EXPECT_EQ(G().Rectificatoria, "1");
    EXPECT_EQ(G().NumeroControl, "40722190");
  });
}

TEST_F(Imprimir, QuotesInTheUserAndTheRucReachTheQueriesAsText) {
  Ejecuta({
      "INSERT INTO CONT (tip_doc_d, Doc_id_d, NOMBRE, USUARIO) VALUES (6,'10''7','D''ANGELO','O''HARA')",
      "INSERT INTO CAB VALUES (6,'10''7','2002','0917',0,'05/04/2003',' ',' ',' ','700','0',0,'000000')",
      "INSERT INTO DET VALUES (6,'10''7','2002','0917',0,'100','1500','01',0,'000000')",
  });
  G().UsuarioSistema = "O'HARA";
  Abre(false, [&](frmImprimir& f) {
    EXPECT_EQ(Vista(f.grdContrib), std::vector<std::string>{"10'7|D'ANGELO|2002|0917|NO|0"});
    EXPECT_EQ(Imprime(f, 0).size(), 3u);
  });
  EXPECT_EQ(CasillasCargadas(), (std::map<int, std::string>{{100, "1500"}}));
  EXPECT_EQ(Spool().back().substr(0, 7), "RP0006|");
}

TEST_F(Imprimir, ABlankWeekPrintsAsWeekZero) {
  // The week is part of CAB's key, so a header without one needs a table without the key.
  Ejecuta({
      "DROP TABLE CAB",
      "CREATE TABLE CAB ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
      "[Semana] Integer, [fec_pro] Text(10), [bcolibrad] Text(4), [nrocheque] Text(20), [cheque] Text(15), "
      "[efectivo] Text(15), [rectifica] Text(1), [estado] Integer, [cNumero] Text(6))",
      "INSERT INTO CAB VALUES (6,'10455667785','2002','0917',Null,'03/04/2003','02','00458712','3480',' ','1',0,"
      "'000000')",
  });
  Abre(false, [&](frmImprimir& f) {
    EXPECT_EQ(f.grdContrib.Columns(11).Text(), "");
    EXPECT_EQ(G().Semana, 0);
    EXPECT_EQ(Imprime(f, 0).size(), 3u);
    EXPECT_EQ(G().Semana, 0);
    EXPECT_EQ(CasillasCargadas().at(100), "84000");
  });
}

// The spool's row stands only with its file: a report that fails, or a file
// that cannot be written, leaves neither, and the number is taken again.
TEST_F(Imprimir, AReportThatFailsIsToldAndNeitherPrintedNorOffered) {
  enum class Carpeta { Queda, Falta, EsArchivo };  // what becomes of RPT
  struct Caso {
    const char* Nombre;
    const char* Prepara;  // run before the action
    const char* Repara;   // run after it
    Carpeta Rpt;
    std::string Mensaje;
  };
  const std::string rpt = vb::NativePath(G().RutaReportes);
  const Caso casos[] = {
      {"PARAM missing", "DROP TABLE PARAM",
       "CREATE TABLE PARAM ([Numero] Text(3), [Argumento] Text(20), [Funcion] Text(255), [Correl_Param] Text(10))",
       Carpeta::Queda,
       "Error Técnico : ( 3078) El motor de base de datos no puede encontrar la tabla o consulta de entrada 'PARAM'. "
       "Asegúrese de que existe y de que su nombre está escrito correctamente."},
      {"RPT missing", nullptr, nullptr, Carpeta::Falta, "Error Técnico : ( 76) No se ha encontrado la ruta de acceso"},
      {"RPT a plain file", nullptr, nullptr, Carpeta::EsArchivo,
       "Error Técnico : ( 76) No se ha encontrado la ruta de acceso"},
  };
  for (const Caso& c : casos) {
    for (const int accion : {1, 0}) {
      SCOPED_TRACE(std::string(c.Nombre) + (accion == 1 ? ", Imprimir" : ", Preliminar"));
      const std::vector<std::string> antes = Spool();
      const std::string archivo = SiguienteArchivo();
      if (c.Prepara) Ejecuta({c.Prepara});
      if (c.Rpt != Carpeta::Queda) std::filesystem::remove_all(rpt);
      if (c.Rpt == Carpeta::EsArchivo) std::ofstream(rpt) << "x";
      Abre(false, [&](frmImprimir& f) {
        User.ExpectMsgBox(MessageBox{c.Mensaje, forms::vbCritical, "Impresión"}, forms::vbOK);
        User.Click(f.CmdImprimir(accion));
      });
      EXPECT_TRUE(User.Printed().empty());
      EXPECT_EQ(Spool(), antes);
      if (c.Repara) Ejecuta({c.Repara});
      std::filesystem::remove(rpt);
      std::filesystem::create_directories(rpt);
      EXPECT_EQ(Reportes().count(archivo), 0u);
    }
  }
  // The number none of them kept is the next report's.
  const std::string archivo = SiguienteArchivo();
  Abre(false, [&](frmImprimir& f) { EXPECT_EQ(Imprime(f, 0).size(), 3u); });
  EXPECT_EQ(Spool().back(), "RP0006|" + archivo + "|ASESOR1|6|" + kTorres);
  EXPECT_EQ(Reportes().count(archivo), 1u);
}

// A full series in the spool is told by the print window, which stays; the
// host's rows are left as they are and no file is written.
TEST_F(Imprimir, AFullSpoolSeriesIsToldAndNothingIsWritten) {
  struct Caso {
    const char* Fila;  // the SPOOL row already there
    std::string Texto;
  };
  const Caso casos[] = {
      {"('RP0007','000004','99999999.PRN',#03/20/2003#,'SUPERV',6,'10076543211')",
       "El spool de reportes (SPOOL) está lleno: ya tiene el archivo 99999999.PRN, el último que su numeración "
       "admite."},
      {"('RP0006','999999','00000007.PRN',#03/20/2003#,'SUPERV',6,'10076543211')",
       "El spool de reportes (SPOOL) está lleno para el reporte RP0006: ya tiene la secuencia 999999, la última que "
       "admite."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Fila);
    Ejecuta({"DELETE FROM SPOOL", std::string("INSERT INTO SPOOL VALUES ") + c.Fila});
    const std::set<std::string> reportes = Reportes();
    Abre(false, [&](frmImprimir& f) {
      for (const int accion : {1, 0}) {
        User.ExpectMsgBox(MessageBox{"Error Técnico : ( 6) " + c.Texto, forms::vbCritical, "Impresión"}, forms::vbOK);
        User.Click(f.CmdImprimir(accion));
      }
    });
    EXPECT_TRUE(User.Printed().empty());
    EXPECT_EQ(Spool().size(), 1u);
    EXPECT_EQ(Reportes(), reportes);
  }
}

// Another program's row may hold more than a box: the print names the box,
// and leaves no spool row nor file.
TEST_F(Imprimir, AnAmountBeyondItsBoxIsToldByItsBoxAndNothingIsPrinted) {
  struct Caso {
    const char* Casilla;
    const char* Valor;
    const char* Guardado;  // what the sample's row holds
  };
  const Caso casos[] = {
      {"146", "1e300", "1250"},
      {"502", "-1e300", "-9600"},
      {"100", "1000000000000", "48000"},
  };
  const std::vector<std::string> antes = Spool();
  const std::set<std::string> reportes = Reportes();
  auto pon = [](const Caso& c, const char* valor) {
    return "UPDATE DET SET i_valor='" + std::string(valor) + "' WHERE Doc_id_d='" + kTorres + "' AND Casilla='" +
           c.Casilla + "'";
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Casilla) + " " + c.Valor);
    ASSERT_EQ(
        Filas(std::string("SELECT i_valor FROM DET WHERE Doc_id_d='") + kTorres + "' AND Casilla='" + c.Casilla + "'"),
        std::vector<std::string>{c.Guardado});
    Ejecuta({pon(c, c.Valor)});
    Abre(false, [&](frmImprimir& f) {
      for (const int accion : {1, 0}) {
        User.ExpectMsgBox(MessageBox{"Error Técnico : ( 6) El importe de la casilla " + std::string(c.Casilla) +
                                         " excede los 12 dígitos que puede contener.",
                                     forms::vbCritical, "Impresión"},
                          forms::vbOK);
        User.Click(f.CmdImprimir(accion));
      }
    });
    EXPECT_TRUE(User.Printed().empty());
    EXPECT_EQ(Spool(), antes);
    EXPECT_EQ(Reportes(), reportes);
    Ejecuta({pon(c, c.Guardado)});
  }
}

TEST_F(Imprimir, ACancelledPrintDialogIsTold) {
  Abre(false, [&](frmImprimir& f) {
    User.ExpectPrintCancel();
    User.ExpectMsgBox(MessageBox{"La Impresión ha sido Cancelada.", forms::vbCritical, "Impresión"}, forms::vbOK);
    User.Click(f.CmdImprimir(1));
  });
  EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

}  // namespace
}  // namespace app::testing
