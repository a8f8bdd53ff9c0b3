// The schedule tables and the work tables as a first run leaves them.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ostream>
#include <string>
#include <vector>

#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/text/Strings.h"
#include "tests/installer/InstaladorFixture.h"

namespace kr::testing {
namespace {

struct Columna {
  const char* Nombre;
  int Tipo;
  long Largo;
  bool AdmiteVacio;
};

struct TablaEsperada {
  const char* Nombre;
  const char* Clave;  // the primary key's name; "" to leave it unchecked
  std::vector<Columna> Columnas;
  std::vector<std::string> CamposClave;
};

constexpr int T = dao::dbText;
constexpr int B = dao::dbByte;

const std::vector<TablaEsperada> kTablas = {
    {"F0917PATRIM",
     "PK_F0917PATRIM",
     {
         {"tip_doc_d", B, 1, false},
         {"doc_id_d", T, 15, false},
         {"periodo", T, 6, false},
         {"formulario", T, 4, false},
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 20, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
         {"cnumero", T, 6, false},
     },
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "tip_informacion", "tip_movimiento1", "tip_movimiento2",
      "ind_moneda"}},
    {"HF0917PATRIM",
     "",
     {
         {"tip_doc_d", B, 1, false},
         {"doc_id_d", T, 15, false},
         {"periodo", T, 6, false},
         {"formulario", T, 4, false},
         {"Correl", T, 3, false},
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 20, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
         {"cnumero", T, 6, false},
     },
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Correl", "tip_informacion", "tip_movimiento1",
      "tip_movimiento2", "ind_moneda"}},
    {"TMPF0917PATRIM",
     "PK_TMPF0917PATRIM",
     {
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_movimiento2", T, 40, true},
         {"des_moneda", T, 40, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
     },
     {"tip_informacion", "tip_movimiento1", "tip_movimiento2", "ind_moneda"}},
    {"TMPF0917PATRIM1",
     "PK_TMPF0917PATRIM1",
     {
         {"tip_informacion", T, 2, false},
         {"tip_movimiento1", T, 2, false},
         {"tip_movimiento2", T, 2, false},
         {"ind_moneda", T, 3, false},
         {"des_informacion", T, 90, true},
         {"des_moneda1", T, 40, true},
         {"des_movimiento2", T, 40, true},
         {"des_moneda2", T, 40, true},
         {"mto_01012002", T, 15, true},
         {"mto_31122002", T, 15, true},
         {"ctd_movimiento", T, 15, true},
     },
     {"tip_informacion", "tip_movimiento1", "tip_movimiento2", "ind_moneda"}},
};

std::vector<std::string> EnMayusculas(const std::vector<std::string>& nombres) {
  std::vector<std::string> out;
  for (const std::string& n : nombres) out.push_back(vb::UCase(n));
  return out;
}

TEST_F(Instalador, FirstRunCreatesTheFourTablesWithTheirColumnsKeysAndEmptyTextRules) {
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  for (const TablaEsperada& esperada : kTablas) {
    SCOPED_TRACE(esperada.Nombre);
    auto tabla = db->TableDefs(esperada.Nombre);
    ASSERT_EQ(tabla->Fields().Count(), static_cast<int>(esperada.Columnas.size()));
    for (std::size_t i = 0; i < esperada.Columnas.size(); ++i) {
      const Columna& c = esperada.Columnas[i];
      dao::FieldDef& f = tabla->Fields(static_cast<int>(i));
      EXPECT_EQ(f.Name(), c.Nombre);
      EXPECT_EQ(f.Type(), c.Tipo) << c.Nombre;
      EXPECT_EQ(f.Size(), c.Largo) << c.Nombre;
      EXPECT_EQ(f.AllowZeroLength(), c.AdmiteVacio) << c.Nombre;
    }
    const dao::IndexDef* primaria = nullptr;
    for (const dao::IndexDef& index : tabla->Indexes()) {
      if (index.Primary) primaria = &index;
    }
    ASSERT_NE(primaria, nullptr);
    if (*esperada.Clave != '\0') {
      EXPECT_EQ(primaria->Name, esperada.Clave);
    }
    EXPECT_EQ(EnMayusculas(primaria->Fields), EnMayusculas(esperada.CamposClave));
  }
}

// F0917PATRIM's create statement alone, as a run stopped before its key left it.
const char* const kSinClaveF0917 =
    "CREATE TABLE f0917patrim( [tip_doc_d] Byte, [doc_id_d] text(15),[periodo] Text(6),  [formulario] Text (4),  "
    "[tip_informacion] Text (2),  [tip_movimiento1] Text (2),  [tip_movimiento2] Text (2),  [ind_moneda] Text (3),  "
    "[des_movimiento2] Text (20),  [mto_01012002] Text (15),  [mto_31122002] Text (15),  [ctd_movimiento] Text (15),  "
    "[cnumero] Text(6));";

std::string FilaPatrimonio(const char* moneda, const char* monto) {
  return std::string("INSERT INTO F0917PATRIM VALUES (6, '20100000001', '2002', '0917', '01', '01', '01', '") + moneda +
         "', 'CTA', '" + monto + "', '0', '1', '000000')";
}

bool TieneClavePrimaria(dao::Database& db, const char* tabla) {
  for (const dao::IndexDef& index : db.TableDefs(tabla)->Indexes()) {
    if (index.Primary) return true;
  }
  return false;
}

TEST_F(Instalador, ATableInAnotherCaseIsNotMadeAgainAndGetsTheKeyItLacks) {
  {
    auto db = Abre();
    db->Execute(kSinClaveF0917, dao::dbFailOnError);
    db->Execute(FilaPatrimonio("001", "100"), dao::dbFailOnError);
    db->Execute(FilaPatrimonio("002", "200"), dao::dbFailOnError);
  }
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  EXPECT_EQ(db->TableDefs("F0917PATRIM")->Name(), "f0917patrim");
  EXPECT_TRUE(TieneClavePrimaria(*db, "F0917PATRIM"));
  EXPECT_EQ(LeeFilas(*db, "SELECT ind_moneda, mto_01012002 FROM F0917PATRIM"), (Filas{{"001", "100"}, {"002", "200"}}));
  EXPECT_EQ(ErrorNumberOf([&] { db->Execute(FilaPatrimonio("001", "300"), dao::dbFailOnError); }),
            dao::ErrDuplicateKey);
}

// A table whose rows break the key it lacks, or that is another table by that
// name, keeps its rows; the user is told which table it is.
struct CasoSinClave {
  const char* Nombre;
  std::vector<std::string> Prepara;
  int Error;
  std::size_t Filas;
  friend void PrintTo(const CasoSinClave& c, std::ostream* os) { *os << c.Nombre; }
};

class SinClave : public Instalador, public ::testing::WithParamInterface<CasoSinClave> {};

TEST_P(SinClave, ATableThatCannotTakeItsKeyIsToldAndKeptWithItsRows) {
  const CasoSinClave& caso = GetParam();
  {
    auto db = Abre();
    for (const std::string& sql : caso.Prepara) db->Execute(sql, dao::dbFailOnError);
  }
  Usuario.ExpectMsgBox(forms::MessageBox{"La tabla F0917PATRIM no tiene su clave primaria y no se le pudo agregar; "
                                         "sus filas se conservan.\nError Número : " +
                                             std::to_string(caso.Error) + "\n" + dao::JetErrorText(caso.Error),
                                         forms::vbCritical, "Error al Ejecutar Sentencia SQL"},
                       forms::vbOK);
  EXPECT_EQ(Ejecuta(), installer::kSalidaConFallas);
  Usuario.VerifyDone();
  auto db = Abre();
  EXPECT_FALSE(TieneClavePrimaria(*db, "F0917PATRIM"));
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM F0917PATRIM").size(), caso.Filas);
  // The rest of the run was done.
  EXPECT_TRUE(TieneClavePrimaria(*db, "HF0917PATRIM"));
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM PARAM WHERE Numero='884'").size(), 38u);
}

INSTANTIATE_TEST_SUITE_P(
    Instalador, SinClave,
    ::testing::Values(CasoSinClave{"DuplicateRows",
                                   {kSinClaveF0917, FilaPatrimonio("001", "100"), FilaPatrimonio("001", "200")},
                                   dao::ErrDuplicateKey,
                                   2},
                      CasoSinClave{"AnotherLayout",
                                   {"CREATE TABLE f0917patrim ([a] Text(5))", "INSERT INTO F0917PATRIM VALUES ('x')"},
                                   dao::ErrItemNotFound,
                                   1}),
    [](const auto& caso) { return std::string(caso.param.Nombre); });

// Another program's table related to F0917PATRIM by its key, in each way a
// relationship can follow its parent's rows: the run lets the table's
// columns take empty text, and every row and key of the related table stays.
struct CasoRelacionada {
  const char* Nombre;
  const char* Accion;
  friend void PrintTo(const CasoRelacionada& c, std::ostream* os) { *os << c.Nombre; }
};

class Relacionada : public Instalador, public ::testing::WithParamInterface<CasoRelacionada> {};

constexpr std::string_view kClavePatrimonio =
    "tip_doc_d, doc_id_d, periodo, formulario, tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda";

TEST_P(Relacionada, ATableRelatedToThePatrimonyTableKeepsEveryRowAndKey) {
  const CasoRelacionada& caso = GetParam();
  const std::vector<std::string> monedas = {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010"};
  Filas antes;
  {
    // The table as a run before its columns took empty text left it.
    auto db = Abre();
    db->Execute(kSinClaveF0917, dao::dbFailOnError);
    db->Execute("ALTER TABLE F0917PATRIM ADD CONSTRAINT PK_F0917PATRIM PRIMARY KEY (" + std::string(kClavePatrimonio) +
                    ")",
                dao::dbFailOnError);
    for (const std::string& moneda : monedas) db->Execute(FilaPatrimonio(moneda.c_str(), "100"), dao::dbFailOnError);
    sqlite3* otro = nullptr;
    ASSERT_EQ(sqlite3_open(Muestra.Layout().Database.c_str(), &otro), SQLITE_OK);
    const std::string relacion = "CREATE TABLE Anexo (id INTEGER PRIMARY KEY, tip_doc_d INTEGER, doc_id_d TEXT, "
                                 "periodo TEXT, formulario TEXT, tip_informacion TEXT, tip_movimiento1 TEXT, "
                                 "tip_movimiento2 TEXT, ind_moneda TEXT, FOREIGN KEY (" +
                                 std::string(kClavePatrimonio) + ") REFERENCES F0917PATRIM (" +
                                 std::string(kClavePatrimonio) + ") " + caso.Accion + ")";
    EXPECT_EQ(sqlite3_exec(otro, relacion.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(otro);
    sqlite3_close(otro);
    for (std::size_t i = 0; i < monedas.size(); ++i) {
      db->Execute("INSERT INTO Anexo VALUES (" + std::to_string(i + 1) +
                      ", 6, '20100000001', '2002', '0917', '01', '01', '01', '" + monedas[i] + "')",
                  dao::dbFailOnError);
    }
    antes = LeeFilas(*db, "SELECT * FROM Anexo");
  }
  ASSERT_EQ(antes.size(), 10u);
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM Anexo"), antes);
  EXPECT_EQ(LeeFilas(*db, "SELECT count(*) FROM F0917PATRIM"), Filas{{"10"}});
  for (const char* columna : {"des_movimiento2", "mto_01012002", "mto_31122002", "ctd_movimiento"}) {
    EXPECT_TRUE(db->TableDefs("F0917PATRIM")->Fields(columna).AllowZeroLength()) << columna;
  }
  // The relationship still holds, on the table the run made again.
  EXPECT_EQ(ErrorNumberOf([&] {
              db->Execute("INSERT INTO Anexo VALUES (11, 6, '20100000001', '2002', '0917', '01', '01', '01', '011')",
                          dao::dbFailOnError);
            }),
            dao::ErrRelatedRecord);
}

INSTANTIATE_TEST_SUITE_P(Instalador, Relacionada,
                         ::testing::Values(CasoRelacionada{"Cascade", "ON DELETE CASCADE"},
                                           CasoRelacionada{"SetNull", "ON DELETE SET NULL"},
                                           CasoRelacionada{"Plain", ""}),
                         [](const auto& caso) { return std::string(caso.param.Nombre); });

// A stop at the moment a key statement starts (the program killed there, in
// a child process) leaves no table without its key; the next run completes.
// That holds inside the run's transaction and also when the run goes on
// statement by statement (another program held the write lock at its start).
TEST_F(Instalador, AStopBeforeAKeyStatementLeavesNoTableWithoutItsKey) {
  for (const bool sinTransaccion : {false, true}) {
    for (const char* tabla : {"F0917PATRIM", "HF0917PATRIM", "TMPF0917PATRIM", "TMPF0917PATRIM1"}) {
      SCOPED_TRACE(std::string(tabla) + (sinTransaccion ? ", statement by statement" : ", in the run's transaction"));
      SampleInstallation muestra;
      const std::string clave = std::string("ALTER TABLE ") + tabla + " ";
      pid_t hijo = ::fork();
      ASSERT_GE(hijo, 0);
      if (hijo == 0) {
        installer::ReiniciaCompartidas();
        installer::G().RutaSistema = muestra.SysPath();
        installer::AbreBaseDatos(installer::G().RutaSistema);
        if (sinTransaccion) installer::G().Transaccion.reset();
        installer::G().BaseDatos->SetStatementHook([&](std::string_view sql) {
          if (sql.starts_with(clave)) ::raise(SIGKILL);
        });
        installer::InstalaTablas(installer::G().RutaSistema);
        ::_exit(0);
      }
      int estado = 0;
      ::waitpid(hijo, &estado, 0);
      ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL) << "the run did not reach " << clave;
      {
        dao::DBEngine motor;
        auto db = muestra.Open(motor);
        EXPECT_EQ(ErrorNumberOf([&] { db->TableDefs(tabla); }), dao::ErrItemNotFound);
      }
      installer::ReiniciaCompartidas();
      EXPECT_EQ(Ejecuta(), 0);
      EXPECT_TRUE(Usuario.Messages().empty());
      dao::DBEngine motor;
      auto db = muestra.Open(motor);
      for (const char* cada : {"F0917PATRIM", "HF0917PATRIM", "TMPF0917PATRIM", "TMPF0917PATRIM1"}) {
        EXPECT_TRUE(TieneClavePrimaria(*db, cada)) << cada;
      }
    }
  }
}

}  // namespace
}  // namespace kr::testing
