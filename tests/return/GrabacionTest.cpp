// Saving a return through its Grabar button: the header, the box rows and
// the schedules as stored, their control codes, a save that fails midway,
// and the order number of a sent return.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "common/CodigoControl.h"
#include "common/NumeroOrden.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/text/DateTime.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/DisenoCasillas.h"
#include "tests/return/DeclaracionFixture.h"
#include "tests/support/Camino.h"
#include "tests/support/FullDisk.h"

namespace app::testing {
namespace {

constexpr char kConsistente[] = "Toda la información del formulario fue grabada satisfactoriamente.";
constexpr char kInconsistente[] =
    "La información del formulario fue grabada con inconsistencias.\nEn estas condiciones no podrá ser enviado a "
    "VELTA.";
constexpr char kOrdenDePago[] = "VELTA generará una orden de pago por impuesto a la renta \n";
constexpr char kExceso[] = "El importe a pagar por impuesto a la renta  tiene un exceso\n";
constexpr char kOrdenGrabado[] = "El número de orden y el digito verificador fueron grabados satisfactoriamente.";
constexpr char kSinEnviada[] = "No se encontró el formulario enviado; el número de orden no fue grabado.";

class Grabacion : public Declaracion {
 protected:
  /// The return's box rows as Casilla|i_valor|idcasilla, by box.
  std::vector<std::string> Det(const std::string& ruc = kGarcia) {
    return Filas("SELECT Casilla, i_valor, idcasilla FROM DET WHERE Doc_id_d=" + dao::Quote(ruc) + " ORDER BY Casilla");
  }
  /// The return's header, every column but the control code.
  std::vector<std::string> Cab(const std::string& ruc = kGarcia) {
    return Filas(
        "SELECT tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, fec_pro, bcolibrad, nrocheque, cheque, efectivo, "
        "rectifica, estado FROM CAB WHERE Doc_id_d=" +
        dao::Quote(ruc));
  }
  /// Every table a save writes, whole.
  std::vector<std::string> Todo() {
    std::vector<std::string> filas;
    for (const char* tabla : {"CAB", "DET", "F0917PATRIM", "HCAB"}) {
      for (const std::string& fila : Filas(std::string("SELECT * FROM ") + tabla + " ORDER BY 1, 2, 3, 4, 5, 6")) {
        filas.push_back(std::string(tabla) + ":" + fila);
      }
    }
    return filas;
  }
  /// Rows of `tabla` whose cNumero is not the control code of the row over its first `n` columns.
  std::vector<std::string> CodigosErrados(const std::string& tabla, int n) {
    std::vector<std::string> errados;
    auto rs = G().BaseDatos->OpenRecordset("SELECT * FROM " + tabla, dao::dbOpenDynaset);
    for (; !rs->EOF_(); rs->MoveNext()) {
      const std::string guardado = vb::TextOf(rs->Fields("cNumero").Value());
      if (guardado != common::CodigoControl(*rs, n)) {
        errados.push_back(vb::TextOf(rs->Fields(1).Value()) + " " + vb::TextOf(rs->Fields(5).Value()) + " " + guardado);
      }
    }
    rs->Close();
    return errados;
  }
  /// The declarant GARCIA chosen on a new return, not rectifying, paying in cash.
  void Garcia(Frm0917& f) {
    Identifica(f);
    Paga(f, f.FormaDePagoQBX1.optEfectivo);
  }
  /// As Garcia, working in premises of their own, with an income of 10,000
  /// and its tax of 1,200 paid: a consistent return.
  void Consistente(Frm0917& f) {
    Identifica(f);
    User.Click(f.optInmueble(2));
    Paga(f, f.FormaDePagoQBX1.optEfectivo);
    Teclea(f, 100, "10000");
    Teclea(f, 180, "1200");
  }
  void Paga(Frm0917& f, forms::OptionButton& forma) {
    User.SelectTab(f.tab0584, 2);
    if (f.hsDeuda.Value() != 2) User.Scroll(f.hsDeuda, 2);
    User.Click(forma);
  }
  /// Grabar, answering the boxes `mensajes` in order (by default the result of an inconsistent return).
  void Graba(Frm0917& f, std::initializer_list<const char*> mensajes = {kInconsistente}) {
    for (const char* mensaje : mensajes) User.ExpectMsgBox(mensaje, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
  }
  /// Runs `sql` on the database file through SQLite itself, beside the program.
  void Directo(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Instalacion.Layout().Database.c_str(), &db), SQLITE_OK);
    dao::detail::RegisterJetFunctions(db);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  /// The day of every save here: fec_pro is "20/03/2003", with slashes whatever the locale.
  const vb::FixedClock Reloj{vb::DateSerial(2003, 3, 20)};
};

TEST_F(Grabacion, ANewCashReturnStoresItsHeaderItsBoxesAndTheirControlCodes) {
  AbreNueva([&](Frm0917& f) {
    Garcia(f);
    Teclea(f, 100, "10000");
    Teclea(f, 180, "350");
    Graba(f, {kOrdenDePago, kInconsistente});
    EXPECT_FALSE(f.FormularioModificado);
    EXPECT_EQ(G().Modo, 2);
    EXPECT_TRUE(f.TxtNumRuc.Visible());
    Cierra(f);
  });
  EXPECT_EQ(Cab(), (std::vector<std::string>{"6|10076543211|2002|0917|0|20/03/2003| | | |350|0|9"}));
  EXPECT_EQ(User.Messages()[0].Style, forms::vbInformation);
  EXPECT_EQ(User.Messages()[1].Style, forms::vbExclamation);
  // The typed boxes, what they computed, and the boxes stored apart; only
  // the amount to pay (180) is of kind "05".
  EXPECT_EQ(Det(),
            (std::vector<std::string>{
                "002|10076543211|01", "005|0|01",    "007|2002|01", "100|10000|01",  "113|8000|01",  "120|1200|01",
                "141|0|01",           "142|1200|01", "146|1200|01", "180|350|05",    "501|10000|01", "502|-2000|01",
                "503|8000|01",        "513|8000|01", "514|8000|01", "515|8000|01",   "516|1200|01",  "518|8000|01",
                "598|350|01",         "599|E|01",    "721|1.0|01",  "801|GARCIA|01", "802|PEREZ|01", "803|JUAN|01",
                "871|0|01",           "896|0|01",    "897|0|01",    "898|0|01",      "899|0|01",
            }));
  EXPECT_EQ(CodigosErrados("CAB", 5), std::vector<std::string>{});
  EXPECT_EQ(CodigosErrados("DET", 6), std::vector<std::string>{});
}

TEST_F(Grabacion, AConsistentReturnIsStoredInState0WithoutAWarning) {
  AbreNueva([&](Frm0917& f) {
    Consistente(f);
    Graba(f, {kConsistente});
    Cierra(f);
  });
  EXPECT_EQ(Cab(), (std::vector<std::string>{"6|10076543211|2002|0917|0|20/03/2003| | | |1200|0|0"}));
  EXPECT_EQ(User.Messages().size(), 1u);
}

TEST_F(Grabacion, AChequeStoresItsBankAndNumberInTheHeaderAndTwoBoxes) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Paga(f, f.FormaDePagoQBX1.optCheque);
    f.FormaDePagoQBX1.Setbanco("02");
    User.Type(f.FormaDePagoQBX1.txtCheque, "123");
    Teclea(f, 100, "10000");
    Teclea(f, 180, "350");
    Graba(f, {kOrdenDePago, kInconsistente});
    Cierra(f);
  });
  EXPECT_EQ(Cab(), (std::vector<std::string>{"6|10076543211|2002|0917|0|20/03/2003|02|123|350||0|9"}));
  const std::vector<std::string> det = Det();
  for (const char* fila : {"015|02|01", "012|123|01", "599|C|01", "598|350|01"}) {
    EXPECT_NE(std::find(det.begin(), det.end(), fila), det.end()) << fila;
  }
}

TEST_F(Grabacion, TextBoxesKeepTheirTextAndAmountsLoseTheirPattern) {
  const std::string nombre = "APELLIDOS DEL REPRESENTANTE 30";
  ASSERT_EQ(nombre.size(), 30u);
  AbreNueva([&](Frm0917& f) {
    Garcia(f);
    // An investment in the Amazon region opens its boxes, the names among them.
    Teclea(f, 117, "2000");
    EXPECT_EQ(f.txtvalor(117).Text(), "(2,000)");
    Teclea(f, 817, nombre);
    f.txtvalor(230).SetText("(1,234)");
    MuestraPaginas(f.TxtTelefono);
    User.Focus(f.TxtTelefono);
    User.Type("012345");
    Graba(f);
    Cierra(f);
  });
  const std::vector<std::string> det = Det();
  for (const char* fila :
       {"817|APELLIDOS DEL R|01", "827|EPRESENTANTE 30|01", "230|(1,234)|01", "117|-2000|01", "028|012345|01"}) {
    EXPECT_NE(std::find(det.begin(), det.end(), fila), det.end()) << fila;
  }
  // Opened and saved again, the telephone comes back and goes out as typed.
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_EQ(f.TxtTelefono.Text(), "012345");
    Graba(f);
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT i_valor FROM DET WHERE Doc_id_d='10076543211' AND Casilla='028'"),
            std::vector<std::string>{"012345"});
}

TEST_F(Grabacion, AnEmptiedBoxLosesItsRowAndAMaskAloneGetsNone) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}, {"105", "700"}, {"234", "01/02/1960"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 100, "");
    f.MkeFecNac.SetText("__/__/____");
    Graba(f);
    Cierra(f);
  });
  const std::vector<std::string> det = Det();
  for (const char* casilla : {"100|", "234|"}) {
    EXPECT_EQ(std::find_if(det.begin(), det.end(), [&](const std::string& fila) { return fila.starts_with(casilla); }),
              det.end())
        << casilla;
  }
  EXPECT_NE(std::find(det.begin(), det.end(), "105|700|01"), det.end());
}

TEST_F(Grabacion, ASecondSaveEditsTheHeader) {
  // Left over from a sent return: the saved new return must not turn into one.
  G().ModoRegistro = true;
  AbreNueva([&](Frm0917& f) {
    Garcia(f);
    Teclea(f, 100, "10000");
    Graba(f);
    Teclea(f, 100, "20000");
    Graba(f);
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT count(*) FROM CAB WHERE Doc_id_d='10076543211'"), std::vector<std::string>{"1"});
  EXPECT_EQ(Filas("SELECT i_valor FROM DET WHERE Doc_id_d='10076543211' AND Casilla='100'"),
            std::vector<std::string>{"20000"});
}

// Rules set on the file by another program refuse a box row after the
// header and other rows went in: each box tells the refusal for what it is,
// and the stored return stays as it was.
TEST_F(Grabacion, ASaveThatFailsMidwayLeavesThePreviousVersionWhole) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}, {"599", "E"}});
  GuardaAnexo(kGarcia, "01", "001");
  struct Case {
    const char* What;
    const char* Rule;
    const char* Box;
    const char* Undo;
  };
  const Case cases[] = {
      {"a trigger's refusal",
       "CREATE TRIGGER rechaza BEFORE INSERT ON DET WHEN NEW.Casilla = '105' "
       "BEGIN SELECT RAISE(ABORT, 'La casilla 105 no se admite'); END",
       "Error tecnico:  3316\nLa casilla 105 no se admite\nIntente nuevamente por favor.", "DROP TRIGGER rechaza"},
      {"a trigger's refusal without a text",
       "CREATE TRIGGER rechaza BEFORE INSERT ON DET WHEN NEW.Casilla = '105' BEGIN SELECT RAISE(ABORT, ''); END",
       "Error tecnico:  3317\nNo se puede guardar el registro porque la tabla no admite uno o más de sus "
       "valores.\nIntente nuevamente por favor.",
       "DROP TRIGGER rechaza"},
      // A row that came in meanwhile keeps the save's own words.
      {"a unique index", "CREATE UNIQUE INDEX unica ON DET (Doc_id_d, PERIODO) WHERE Casilla IN ('100', '105')",
       "Registro ya existe lo ingresaron en ese momento", "DROP INDEX unica"},
      // Every new box row names a kind of box that does not exist.
      {"a foreign key",
       "CREATE TABLE Clases (Clase TEXT PRIMARY KEY); "
       "ALTER TABLE DET ADD COLUMN Clase TEXT DEFAULT 'X' REFERENCES Clases (Clase)",
       "Error tecnico:  3201\nNo se puede agregar, modificar o eliminar el registro porque se necesita un registro "
       "relacionado en la tabla 'Clases' o porque la tabla 'DET' contiene registros relacionados con él.\nIntente "
       "nuevamente por favor.",
       "INSERT INTO Clases VALUES ('X')"},
  };
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 100, "6000");
    Teclea(f, 105, "700");
    Ejecuta({"DELETE FROM TMPF0917PATRIM"});
    for (const Case& c : cases) {
      SCOPED_TRACE(c.What);
      Directo(c.Rule);
      const std::vector<std::string> antes = Todo();
      User.ExpectMsgBox({c.Box, forms::vbInformation, "Mensaje"}, forms::vbOK);
      User.Click(f.Cmdgeneral(1));
      User.VerifyDone();
      EXPECT_TRUE(f.Loaded());
      EXPECT_TRUE(f.FormularioModificado);
      EXPECT_EQ(Todo(), antes);
      Directo(c.Undo);
    }
    Graba(f);
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT i_valor FROM DET WHERE Doc_id_d='10076543211' AND Casilla IN ('100', '105') ORDER BY 1"),
            (std::vector<std::string>{"6000", "700"}));
  EXPECT_EQ(Filas("SELECT count(*) FROM F0917PATRIM WHERE Doc_id_d='10076543211'"), std::vector<std::string>{"0"});
}

// SQLite may end the save's transaction itself: another program's trigger
// says RAISE(ROLLBACK), or the disk fills up. The save is told as it failed,
// stores nothing, leaves nothing open or held, and the next save goes through.
TEST_F(Grabacion, ASaveThatSQLiteEndsItselfIsToldAndLeavesNothingHeld) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 100, "6000");
    Teclea(f, 105, "700");
    const std::vector<std::string> antes = Todo();
    auto fallida = [&](const char* mensaje) {
      User.ExpectMsgBox({mensaje, forms::vbInformation, "Mensaje"}, forms::vbOK);
      User.Click(f.Cmdgeneral(1));
      User.VerifyDone();
      EXPECT_TRUE(f.FormularioModificado);
      EXPECT_EQ(G().Motor.Workspaces(0).TransactionLevel(), 0);
    };
    Directo("CREATE TRIGGER anula BEFORE INSERT ON DET WHEN NEW.Casilla = '105' "
            "BEGIN SELECT RAISE(ROLLBACK, 'Anulado por otro programa'); END");
    fallida("Error tecnico:  3316\nAnulado por otro programa\nIntente nuevamente por favor.");
    EXPECT_EQ(Todo(), antes);
    Directo("DROP TRIGGER anula");  // another program writes: nothing is held
    {
      kr::testing::FullDisk lleno;
      fallida("Error tecnico:  3026\nNo hay suficiente espacio en disco.\nIntente nuevamente por favor.");
    }
    EXPECT_EQ(Todo(), antes);
    Directo("BEGIN IMMEDIATE; COMMIT");
    Graba(f);
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT i_valor FROM DET WHERE Doc_id_d='10076543211' AND Casilla IN ('100', '105') ORDER BY 1"),
            (std::vector<std::string>{"6000", "700"}));
}

TEST_F(Grabacion, ADatabaseHeldByAnotherProgramIsToldAfterTheChecksAndNothingIsWritten) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  const std::vector<std::string> antes = Todo();
  sqlite3* otro = nullptr;
  ASSERT_EQ(sqlite3_open(Instalacion.Layout().Database.c_str(), &otro), SQLITE_OK);
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Teclea(f, 100, "6000");
    ASSERT_EQ(sqlite3_exec(otro, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    User.ExpectMsgBox("Registro bloqueado. Intente luego", forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    sqlite3_exec(otro, "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_TRUE(f.Loaded());
    EXPECT_TRUE(f.FormularioModificado);
    EXPECT_EQ(Todo(), antes);
    Graba(f);
    Cierra(f);
  });
  sqlite3_close(otro);
  EXPECT_EQ(Filas("SELECT i_valor FROM DET WHERE Doc_id_d='10076543211' AND Casilla='100'"),
            std::vector<std::string>{"6000"});
}

// Another program's row may hold more than a box: the save names the first
// such box and writes nothing; once it is corrected, the return is saved.
TEST_F(Grabacion, AnAmountBeyondItsBoxIsToldByItsBoxAndNothingIsWritten) {
  struct Caso {
    const char* Casilla;
    const char* Valor;
  };
  const Caso casos[] = {{"100", "1e300"}, {"115", "-1e300"}, {"111", "1000000000000"}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Casilla) + " " + c.Valor);
    Ejecuta({"DELETE FROM DET", "DELETE FROM CAB"});
    Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {c.Casilla, c.Valor}});
    const std::vector<std::string> antes = Todo();
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      User.ExpectMsgBox(forms::MessageBox{"El importe de la casilla " + std::string(c.Casilla) +
                                              " excede los 12 dígitos que puede contener.",
                                          forms::vbCritical, f.Caption()},
                        forms::vbOK);
      User.Click(f.Cmdgeneral(1));
      User.VerifyDone();
      EXPECT_TRUE(f.Loaded());
      EXPECT_EQ(Todo(), antes);
      Teclea(f, static_cast<std::int16_t>(std::stoi(c.Casilla)), "999999999999");
      Graba(f);
      Cierra(f);
    });
    EXPECT_EQ(
        Filas(std::string("SELECT i_valor FROM DET WHERE Doc_id_d='") + kGarcia + "' AND Casilla='" + c.Casilla + "'"),
        std::vector<std::string>{c.Valor[0] == '-' ? "-999999999999" : "999999999999"});
  }
}

TEST_F(Grabacion, TheWorkTableReplacesTheStoredSchedules) {
  Guarda(kGarcia, {kNoRectifica, {"002", kGarcia}, {"100", "5000"}});
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kGarcia, "02", "001");
  GuardaAnexo(kQuispe, "01", "001");
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    // One row edited and its free currency, which is not stored; one row added.
    Ejecuta({"UPDATE TMPF0917PATRIM SET mto_31122002='2500', des_moneda='SOLES ORO' WHERE tip_informacion='01'",
             "INSERT INTO TMPF0917PATRIM VALUES ('04','02','01','002','','','0','900','1')"});
    Graba(f);
    Cierra(f);
  });
  EXPECT_EQ(Filas("SELECT doc_id_d, tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, des_movimiento2, "
                  "mto_01012002, mto_31122002, ctd_movimiento FROM F0917PATRIM ORDER BY doc_id_d, tip_informacion"),
            (std::vector<std::string>{
                "10076543211|01|01|01|001|CUENTA|1000|2500|1",
                "10076543211|02|01|01|001|CUENTA|1000|2000|1",
                "10076543211|04|02|01|002||0|900|1",
                "10401234565|01|01|01|001|CUENTA|1000|2000|1",
            }));
  EXPECT_EQ(CodigosErrados("F0917PATRIM", 8), std::vector<std::string>{"10401234565 01 000000"});
}

TEST_F(Grabacion, ASentReturnTakesItsOrderNumber) {
  const std::string control =
      Filas("SELECT control FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " AND correl='001'")[0];
  ASSERT_EQ(common::VerificadorOrden(control, "00001234"), "80");
  auto hcab = [&] {
    return Filas("SELECT correl, norden FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " ORDER BY correl");
  };
  const std::vector<std::string> antes = hcab();
  struct Caso {
    const char* Orden;
    const char* Verifica;
    const char* Mensaje;
  };
  const Caso casos[] = {
      {"0000123", "80", "     El número de orden no es válido"},
      {"00001234", "81", "     El digito Verificador es incorrecto"},
      {"00001234", "80", kOrdenGrabado},
  };
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = kGarcia;
  g.Periodo = "2002";
  g.Correlativo = "001";
  g.NumeroControl = control;
  Abre([&](Frm0917& f) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(std::string(c.Orden) + " " + c.Verifica);
      User.Focus(f.txtOrden);
      EXPECT_TRUE(forms::Input::Select(f.txtOrden, 0, vb::Len(f.txtOrden.Text())));
      User.Type(c.Orden);
      f.txtVerifica.SetText(c.Verifica);
      EXPECT_EQ(hcab(), antes);
      User.ExpectMsgBox(c.Mensaje, forms::vbOK);
      User.Click(f.Cmdgeneral(1));
      EXPECT_TRUE(f.Loaded());
    }
    // Recorded, the number is no longer a change: Salir closes without asking.
    EXPECT_FALSE(G().OrdenModificado);
    User.Click(f.Cmdgeneral(2));
  });
  EXPECT_FALSE(forms::Application::Current().HasInstance<Frm0917>());
  ASSERT_EQ(User.Messages().size(), 3u);
  EXPECT_EQ(User.Messages()[0].Style, forms::vbCritical);
  EXPECT_EQ(User.Messages()[2].Style, forms::vbExclamation);
  EXPECT_EQ(hcab(), (std::vector<std::string>{"001|00001234", antes[1]}));
  EXPECT_EQ(CodigosErrados("HCAB", 6), std::vector<std::string>{});
}

TEST_F(Grabacion, AnOrderNumberWithoutItsSentReturnIsNotReportedSaved) {
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = kGarcia;
  g.Periodo = "2002";
  g.Correlativo = "001";
  g.NumeroControl = Filas("SELECT control FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " AND correl='001'")[0];
  Abre([&](Frm0917& f) {
    f.txtOrden.SetText("00001234");
    f.txtVerifica.SetText(common::VerificadorOrden(g.NumeroControl, "00001234"));
    Ejecuta({"DELETE FROM HCAB WHERE Doc_id_d=" + dao::Quote(kGarcia) + " AND correl='001'"});
    const std::vector<std::string> antes = Todo();
    User.ExpectMsgBox(kSinEnviada, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    EXPECT_EQ(User.Messages().back().Style, forms::vbCritical);
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(Todo(), antes);
    G().OrdenModificado = false;
    Cierra(f);
  });
}

TEST_F(Grabacion, EveryShownTextAndChoiceComesBackAfterASave) {
  // Every box of the save list and every box stored apart, each option chosen.
  std::vector<Fila> filas;
  for (std::int16_t n : kListaCasillas) {
    const bool texto =
        (n >= 208 && n <= 211) || (n >= 215 && n <= 219) || n == 229 || n == 230 || n == 236 || n == 302 || n >= 801;
    filas.emplace_back(vb::Format(vb::Variant(static_cast<double>(n)), "000"), texto      ? "10098765439"
                                                                               : n == 140 ? "1"
                                                                                          : std::to_string(1000 + n));
  }
  const Fila aparte[] = {
      {"015", "02"},      {"012", "12345"}, {"599", "C"},    {"002", kGarcia}, {"007", "2002"}, {"721", "1.0"},
      {"028", "0456789"}, {"811", "LOPEZ"}, {"812", "RUIZ"}, {"813", "ANA"},   {"814", "DIAZ"}, {"815", "SOTO"},
      {"890", "EVA"},     {"204", "6"},     {"205", "1"},    {"206", "6"},     {"224", "6"},    {"225", "1"},
      {"226", "6"},       {"227", "1"},     {"301", "1"},    {"235", "1"},     {"025", "17"},   {"234", "15/08/1970"},
      {"598", "1500"},    {"871", "1"},     {"005", "1"},    {"260", "1"},     {"027", "1"},
  };
  filas.insert(filas.end(), std::begin(aparte), std::end(aparte));
  for (int n = 817; n <= 825; ++n) {
    filas.emplace_back(std::to_string(n), "APELLIDOS Y NOM");
    filas.emplace_back(std::to_string(n + 10), "BRES DEL TITULA");
  }
  Guarda(kGarcia, filas, "1500", "02", "12345");
  std::vector<std::string> antes;
  auto foto = [](Frm0917& f) {
    std::vector<std::string> textos;
    for (int n : f.txtvalor.Indexes()) textos.push_back(std::to_string(n) + "=" + f.txtvalor(n).Text());
    for (int n : f.cmbtipdoc.Indexes()) textos.push_back("tipo" + std::to_string(n) + "=" + f.cmbtipdoc(n).Text());
    for (auto* opciones : {&f.OptRectifica, &f.optDevolucion, &f.optInmueble}) {
      for (int i : opciones->Indexes())
        textos.push_back(opciones->Name() + std::to_string(i) + "=" + std::to_string((*opciones)(i).Value()));
    }
    textos.push_back("telefono=" + f.TxtTelefono.Text());
    textos.push_back("nacimiento=" + f.MkeFecNac.Text());
    textos.push_back("profesion=" + f.cboProfesion.Text());
    textos.push_back("pago=" + f.FormaDePagoQBX1.formapago() + "|" + f.FormaDePagoQBX1.banco() + "|" +
                     f.FormaDePagoQBX1.numcheque() + "|" + f.FormaDePagoQBX1.importe());
    return textos;
  };
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    antes = foto(f);
    Graba(f, {kExceso, kInconsistente});
    Cierra(f);
  });
  const std::vector<std::string> guardadas = Det();
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    // Saved again, the same rows.
    Graba(f, {kExceso, kInconsistente});
    EXPECT_EQ(Det(), guardadas);
    const std::vector<std::string> despues = foto(f);
    ASSERT_EQ(despues.size(), antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(despues[i], antes[i]);
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

// The end-to-end road's input, typed through the scripted user: the rows it
// stores are the ones the road, typed through real input, must store too.
TEST_F(Grabacion, TheRoadsInputStoresTheRoadsRows) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    User.Click(f.optInmueble(2));
    Paga(f, f.FormaDePagoQBX1.optEfectivo);
    Teclea(f, 100, "10000");
    Teclea(f, 102, "2000");
    Teclea(f, 127, "100");
    Teclea(f, 180, "1340");
    Graba(f, {kConsistente});
    User.Click(f.Cmdgeneral(2));
  });
  EXPECT_EQ(Filas("SELECT CASILLA, I_VALOR FROM DET WHERE DOC_ID_D=" + dao::Quote(kGarcia) + " ORDER BY CASILLA"),
            kr::testing::kFilasDelCamino);
}

}  // namespace
}  // namespace app::testing
