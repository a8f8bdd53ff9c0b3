// Jet's DDL: the installer's statements as it writes them, the kept types and
// rules (for SQL and recordset writes alike), and the table definitions.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/db/JetError.h"
#include "platform/db/Quote.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

const char* const kCreateF0917 =
    "CREATE TABLE F0917PATRIM( [tip_doc_d] Byte, [doc_id_d] text(15),[periodo] Text(6),  [formulario] Text (4),  "
    "[tip_informacion] Text (2),  [tip_movimiento1] Text (2),  [tip_movimiento2] Text (2),  [ind_moneda] Text (3),  "
    "[des_movimiento2] Text (20),  [mto_01012002] Text (15),  [mto_31122002] Text (15),  [ctd_movimiento] Text (15),  "
    "[cnumero] Text(6));";
const char* const kKeyF0917 =
    "ALTER TABLE F0917PATRIM ADD CONSTRAINT PK_F0917PATRIM  PRIMARY KEY ([tip_doc_d],[doc_id_d],[periodo],"
    "[Formulario],[tip_informacion],  [tip_movimiento1],[tip_movimiento2],[ind_moneda] )";

// A row of F0917PATRIM with the given key tail and amounts.
std::string PatrimRow(const std::string& moneda, const std::string& amount) {
  return "INSERT INTO F0917PATRIM VALUES (6, '20100000001', '2002', '0917', '01', '01', '01', " + Quote(moneda) +
         ", 'CTA', " + Quote(amount) + ", '0', '1', '000000')";
}

class Ddl : public DbTest {};

TEST_F(Ddl, InstallerTablesKeepTheirDefinition) {
  Run({kCreateF0917, kKeyF0917});
  std::shared_ptr<TableDef> t = Db->TableDefs("f0917patrim");
  EXPECT_EQ(t->Name(), "F0917PATRIM");
  ASSERT_EQ(t->Fields().Count(), 13);
  struct Expected {
    const char* Name;
    int Type;
    long Size;
  };
  const Expected fields[] = {{"tip_doc_d", dbByte, 1},        {"doc_id_d", dbText, 15},
                             {"periodo", dbText, 6},          {"formulario", dbText, 4},
                             {"tip_informacion", dbText, 2},  {"tip_movimiento1", dbText, 2},
                             {"tip_movimiento2", dbText, 2},  {"ind_moneda", dbText, 3},
                             {"des_movimiento2", dbText, 20}, {"mto_01012002", dbText, 15},
                             {"mto_31122002", dbText, 15},    {"ctd_movimiento", dbText, 15},
                             {"cnumero", dbText, 6}};
  for (int i = 0; i < 13; ++i) {
    FieldDef& f = t->Fields(i);
    EXPECT_EQ(f.Name(), fields[i].Name);
    EXPECT_EQ(f.Type(), fields[i].Type) << f.Name();
    EXPECT_EQ(f.Size(), fields[i].Size) << f.Name();
    EXPECT_FALSE(f.AllowZeroLength()) << f.Name();
    EXPECT_FALSE(f.Required()) << f.Name();
  }
  ASSERT_EQ(t->Indexes().size(), 1u);
  const IndexDef& key = t->Indexes()[0];
  EXPECT_EQ(key.Name, "PK_F0917PATRIM");
  EXPECT_TRUE(key.Primary);
  EXPECT_EQ(key.Fields, (std::vector<std::string>{"tip_doc_d", "doc_id_d", "periodo", "formulario", "tip_informacion",
                                                  "tip_movimiento1", "tip_movimiento2", "ind_moneda"}));

  // A second run of the installer: the table and its key are there.
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(kCreateF0917, dbInconsistent); }), ErrTableExists);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("create table F0917patrim (x Byte)", dbInconsistent); }), ErrTableExists);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(kKeyF0917, dbInconsistent); }), ErrPrimaryKeyExists);

  // The list of tables follows DROP and CREATE without being told.
  TableDefList& list = Db->TableDefs();
  const int before = list.Count();
  Run({"Drop Table F0917PATRIM"});
  EXPECT_EQ(list.Count(), before - 1);
  EXPECT_EQ(ErrorNumberOf([&] { Db->TableDefs("F0917PATRIM"); }), ErrItemNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("Drop Table F0917PATRIM"); }), ErrTableMissing);
  Run({kCreateF0917});
  list.Refresh();
  EXPECT_EQ(list.Count(), before);
  EXPECT_TRUE(Db->TableDefs("F0917PATRIM")->Indexes().empty());
}

TEST_F(Ddl, TableListHidesTheLayersOwnTablesAndIsOrderedByName) {
  Run({"CREATE TABLE zeta (a Byte)", "CREATE TABLE Alfa (a Byte)", "CREATE TABLE beta (a Byte)"});
  std::vector<std::string> names;
  for (int i = 0; i < Db->TableDefs().Count(); ++i) names.push_back(Db->TableDefs(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Alfa", "beta", "zeta"}));
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("CREATE TABLE _dao_x (a Byte)"); }), ErrInvalidName);
}

TEST_F(Ddl, EveryJetTypeIsKeptAndReadBackAsItsKind) {
  Run({"CREATE TABLE T (b Byte, i Short, l Long, n Integer, s Single, d Double, c Currency, f DateTime, "
       "t Text(5), m Memo, y YesNo)",
       "INSERT INTO T VALUES (200, -300, 100000, 7, 1.5, 2.25, 12.3456, #12/31/2002 23:59:58#, 'abc', 'largo', True)"});
  struct Expected {
    int Type;
    long Size;
    vb::VarType Kind;
    const char* Value;
  };
  const Expected fields[] = {
      {dbByte, 1, vb::VarType::Byte, "200"},      {dbInteger, 2, vb::VarType::Integer, "-300"},
      {dbLong, 4, vb::VarType::Long, "100000"},   {dbLong, 4, vb::VarType::Long, "7"},
      {dbSingle, 4, vb::VarType::Single, "1.5"},  {dbDouble, 8, vb::VarType::Double, "2.25"},
      {dbCurrency, 8, vb::VarType::Currency, "12.3456"},
      {dbDate, 8, vb::VarType::Date, "31/12/2002 23:59:58"},
      {dbText, 5, vb::VarType::String, "abc"},    {dbMemo, 0, vb::VarType::String, "largo"},
      {dbBoolean, 1, vb::VarType::Boolean, "True"},
  };
  auto rs = Db->OpenRecordset("T");
  std::shared_ptr<TableDef> t = Db->TableDefs("T");
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(rs->Fields(i).Name());
    EXPECT_EQ(rs->Fields(i).Type(), fields[i].Type);
    EXPECT_EQ(t->Fields(i).Type(), fields[i].Type);
    EXPECT_EQ(rs->Fields(i).Size(), fields[i].Size);
    EXPECT_EQ(rs->Fields(i).Value().Type(), fields[i].Kind);
    EXPECT_EQ(Show(rs->Fields(i).Value()), fields[i].Value);
  }
}

TEST_F(Ddl, ColumnOrderIsKeptForInsertsWithoutColumns) {
  Run({"CREATE TABLE reportes (codrep Text(6), titulo Text(60), n Byte)",
       "insert into reportes values ('RP0006','Reporte del formulario 917',1)"});
  EXPECT_EQ(Rows("SELECT * FROM reportes"), std::vector<std::string>{"RP0006|Reporte del formulario 917|1"});
}

// Each rule refused by SQL (INSERT and UPDATE) and by a recordset's Update, with its error.
TEST_F(Ddl, RulesHoldForEveryWrite) {
  Run({kCreateF0917, kKeyF0917, "CREATE TABLE R (k Text(3) NOT NULL, b Byte, i Short, d DateTime)",
       PatrimRow("001", "100")});
  struct Case {
    const char* What;
    std::string Sql;
    int Error;
  };
  const Case cases[] = {
      {"text longer than its size", PatrimRow("0011", "1"), ErrFieldTooSmall},
      {"text longer, by UPDATE", "UPDATE F0917PATRIM SET cnumero = '1234567'", ErrFieldTooSmall},
      {"zero length", PatrimRow("002", ""), ErrZeroLength},
      {"zero length, by UPDATE", "UPDATE F0917PATRIM SET cnumero = ''", ErrZeroLength},
      {"duplicate key", PatrimRow("001", "200"), ErrDuplicateKey},
      {"duplicate key differing in case", "INSERT INTO F0917PATRIM VALUES (6, '20100000001', '2002', '0917', '01', "
                                          "'01', '01', '001', 'x', '1', '1', '1', '1')",
       ErrDuplicateKey},
      {"Null in a key column", "INSERT INTO F0917PATRIM (tip_doc_d) VALUES (6)", ErrNullInKey},
      {"Byte above 255", "INSERT INTO R (k, b) VALUES ('a', 256)", ErrNumericOverflow},
      {"Byte below 0", "INSERT INTO R (k, b) VALUES ('a', -1)", ErrNumericOverflow},
      {"Integer above 32767", "INSERT INTO R (k, i) VALUES ('a', 32768)", ErrNumericOverflow},
      {"text into a number", "INSERT INTO R (k, b) VALUES ('a', 'x')", ErrConversion},
      {"text that is no date", "INSERT INTO R (k, d) VALUES ('a', 'mañana')", ErrConversion},
      {"Required", "INSERT INTO R (b) VALUES (1)", ErrRequired},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(c.Sql, dbFailOnError); }), c.Error) << c.What;
  }
  EXPECT_EQ(Rows("SELECT ind_moneda, mto_01012002, cnumero FROM F0917PATRIM"),
            std::vector<std::string>{"001|100|000000"});

  // The same rules through a recordset.
  auto rs = Db->OpenRecordset("R");
  const auto write = [&](const char* field, const vb::Variant& value) {
    return ErrorNumberOf([&] {
      rs->AddNew();
      rs->Fields("k").SetValue("a");
      rs->Fields(field).SetValue(value);
      rs->Update();
    });
  };
  EXPECT_EQ(write("k", "abcd"), ErrFieldTooSmall);
  EXPECT_EQ(write("k", ""), ErrZeroLength);
  EXPECT_EQ(write("k", vb::Variant::Null()), ErrRequired);
  EXPECT_EQ(write("b", 300), ErrNumericOverflow);
  EXPECT_EQ(write("b", "doce"), ErrConversion);
  EXPECT_EQ(write("d", "31/02/2002"), ErrConversion);
  rs->CancelUpdate();
  EXPECT_EQ(write("d", "31/12/2002"), 0);
  EXPECT_EQ(Rows("SELECT count(*) FROM R WHERE d = #12/31/2002#"), std::vector<std::string>{"1"});
  // A text date written by SQL into a DateTime column is stored as the date.
  Run({"INSERT INTO R (k, d) VALUES ('b', '01/02/2003')", "UPDATE R SET d = '15/03/2003 10:20' WHERE k = 'a'"});
  EXPECT_EQ(Rows("SELECT k, d FROM R ORDER BY d"),
            (std::vector<std::string>{"b|01/02/2003", "a|15/03/2003 10:20:00"}));
}

// Rules Jet DDL cannot write, set on the file by another program: each
// refusal is told for what it is, and only a key or a unique index is 3022.
TEST_F(Ddl, EachKindOfRefusalIsToldForWhatItIs) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((Folder / "test.mdb").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other,
                         "CREATE TABLE Padre (k TEXT PRIMARY KEY);"
                         "CREATE TABLE Hijo (k TEXT PRIMARY KEY, padre TEXT REFERENCES Padre (k), n INTEGER "
                         "CHECK (n < 10), u TEXT UNIQUE);"
                         "CREATE TRIGGER veta BEFORE INSERT ON Hijo WHEN NEW.k = 'vetado' "
                         "BEGIN SELECT RAISE(ABORT, 'El hijo está vetado'); END;"
                         "CREATE TRIGGER calla BEFORE INSERT ON Hijo WHEN NEW.k = 'mudo' "
                         "BEGIN SELECT RAISE(ABORT, ''); END;"
                         "INSERT INTO Padre VALUES ('p'); INSERT INTO Hijo VALUES ('a', 'p', 1, 'x');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK)
      << sqlite3_errmsg(other);
  sqlite3_close(other);

  struct Case {
    const char* What;
    const char* Sql;
    int Error;
    std::string Text;
  };
  const std::string general = JetErrorText(ErrRuleRefused);
  const Case cases[] = {
      {"primary key", "INSERT INTO Hijo VALUES ('a', 'p', 1, 'y')", ErrDuplicateKey, JetErrorText(ErrDuplicateKey)},
      {"unique index", "INSERT INTO Hijo VALUES ('b', 'p', 1, 'x')", ErrDuplicateKey, JetErrorText(ErrDuplicateKey)},
      {"no parent row", "INSERT INTO Hijo VALUES ('c', 'nadie', 1, 'z')", ErrRelatedRecord,
       JetErrorText(ErrRelatedRecord, {"Padre", "Hijo"})},
      {"a parent's key changed", "UPDATE Padre SET k = 'q'", ErrRelatedRecord,
       JetErrorText(ErrRelatedRecord, {"Padre", "Hijo"})},
      {"a parent deleted", "DELETE FROM Padre", ErrRelatedRecord, JetErrorText(ErrRelatedRecord, {"Padre", "Hijo"})},
      {"a trigger's refusal", "INSERT INTO Hijo VALUES ('vetado', 'p', 1, 'v')", ErrValidationText,
       "El hijo está vetado"},
      {"a trigger's refusal without a text", "INSERT INTO Hijo VALUES ('mudo', 'p', 1, 'm')", ErrRuleRefused, general},
      {"a rule of the table's own", "UPDATE Hijo SET n = 20", ErrRuleRefused, general},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    try {
      Db->Execute(c.Sql, dbFailOnError);
      ADD_FAILURE() << "the write went in";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), c.Error);
      EXPECT_EQ(e.Description(), c.Text);
    }
  }
  // A recordset's write is told the same way.
  auto rs = Db->OpenRecordset("Hijo", dbOpenDynaset);
  rs->AddNew();
  rs->Fields("k").SetValue("d");
  rs->Fields("padre").SetValue("nadie");
  EXPECT_EQ(ErrorNumberOf([&] { rs->Update(); }), ErrRelatedRecord);
  rs->CancelUpdate();
  EXPECT_EQ(Rows("SELECT * FROM Hijo"), std::vector<std::string>{"a|p|1|x"});
  EXPECT_EQ(Rows("SELECT * FROM Padre"), std::vector<std::string>{"p"});
}

TEST_F(Ddl, AllowZeroLengthIsEnforcedFromWhenItIsSet) {
  Run({kCreateF0917, PatrimRow("001", "100")});
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(PatrimRow("002", "")); }), ErrZeroLength);
  for (const char* name : {"des_movimiento2", "mto_01012002", "mto_31122002", "ctd_movimiento"}) {
    Db->TableDefs("F0917PATRIM")->Fields(name).SetAllowZeroLength(true);
  }
  Run({PatrimRow("002", "")});
  EXPECT_TRUE(Db->TableDefs("F0917PATRIM")->Fields("mto_01012002").AllowZeroLength());
  EXPECT_FALSE(Db->TableDefs("F0917PATRIM")->Fields("cnumero").AllowZeroLength());
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("UPDATE F0917PATRIM SET cnumero = ''"); }), ErrZeroLength);
  // The rows survived the change, and the rule cannot come back while a row holds "".
  EXPECT_EQ(Rows("SELECT ind_moneda, mto_01012002 FROM F0917PATRIM ORDER BY 1"),
            (std::vector<std::string>{"001|100", "002|"}));
  auto field = Db->TableDefs("F0917PATRIM");
  EXPECT_EQ(ErrorNumberOf([&] { field->Fields("mto_01012002").SetAllowZeroLength(false); }), ErrZeroLength);
  EXPECT_TRUE(Db->TableDefs("F0917PATRIM")->Fields("mto_01012002").AllowZeroLength());
  EXPECT_EQ(ErrorNumberOf([&] { field->Fields("tip_doc_d").SetAllowZeroLength(true); }), ErrInvalidOperation);
}

// A NUL is one character of a text wherever it stands: stored, read back
// and counted against the size like any other.
TEST_F(Ddl, ANulInATextCountsWhereverItStands) {
  Run({"CREATE TABLE N (k Long, t Text(5))"});
  using namespace std::string_literals;
  struct Case {
    std::string Text;
    int Error;
  };
  const Case cases[] = {
      {"\0abc"s, 0},
      {"a\0b"s, 0},
      {"abc\0"s, 0},
      {"\0"s, 0},
      {"\0\0\0\0\0"s, 0},
      {"\0abcde"s, ErrFieldTooSmall},
      {"a\0bcde"s, ErrFieldTooSmall},
      {"abcde\0"s, ErrFieldTooSmall},
  };
  long k = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.Text));
    ++k;
    EXPECT_EQ(
        ErrorNumberOf([&] { Db->Execute("INSERT INTO N VALUES (" + std::to_string(k) + ", " + Quote(c.Text) + ")"); }),
        c.Error);
    auto rs = Db->OpenRecordset("N", dbOpenTable);
    EXPECT_EQ(ErrorNumberOf([&] {
                rs->AddNew();
                rs->Fields("k").SetValue(vb::Variant(1000 + static_cast<int>(k)));
                rs->Fields("t").SetValue(c.Text);
                rs->Update();
              }),
              c.Error);
    if (c.Error != 0) continue;
    auto found = Db->OpenRecordset("SELECT t FROM N WHERE k = " + std::to_string(k) + " AND t = " + Quote(c.Text),
                                   dbOpenSnapshot);
    ASSERT_FALSE(found->EOF_());
    EXPECT_EQ(found->Fields("t").Value(), vb::Variant(c.Text));
  }
}

TEST_F(Ddl, KeysAddedLaterAreEmulatedWithTheRowsKept) {
  Run({"CREATE TABLE K (a Text(2), b Text(2), c Long)", "INSERT INTO K VALUES ('x', '1', 1)",
       "INSERT INTO K VALUES ('x', '1', 2)"});
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("ALTER TABLE K ADD CONSTRAINT PK_K PRIMARY KEY (a, b)"); }), ErrDuplicateKey);
  EXPECT_TRUE(Db->TableDefs("K")->Indexes().empty());
  Run({"DELETE FROM K WHERE c = 2", "ALTER TABLE K ADD CONSTRAINT PK_K PRIMARY KEY (a, b)"});
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO K VALUES ('X', '1', 3)"); }), ErrDuplicateKey);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("CREATE INDEX other ON K (c) WITH PRIMARY"); }), ErrPrimaryKeyExists);

  Run({"CREATE UNIQUE INDEX ByC ON K (c DESC)", "CREATE INDEX ByB ON K (b)"});
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO K VALUES ('y', '2', 1)"); }), ErrDuplicateKey);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("CREATE INDEX byb ON K (a)"); }), ErrIndexExists);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("CREATE INDEX ByZ ON K (z)"); }), ErrItemNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("ALTER TABLE NOHAY ADD CONSTRAINT P PRIMARY KEY (a)"); }), ErrNoSuchTable);
  // Index names belong to their table.
  Run({"CREATE TABLE K2 (b Text(2))", "CREATE INDEX ByB ON K2 (b)"});
  const std::vector<IndexDef>& indexes = Db->TableDefs("K")->Indexes();
  ASSERT_EQ(indexes.size(), 3u);
  EXPECT_EQ(indexes[0].Name, "PK_K");
  EXPECT_TRUE(indexes[1].Unique);
  EXPECT_EQ(indexes[2].Fields, std::vector<std::string>{"b"});
  EXPECT_EQ(Rows("SELECT * FROM K"), std::vector<std::string>{"x|1|1"});
}

TEST_F(Ddl, InlineKeysAndRequiredFields) {
  Run({"CREATE TABLE CLAVES (Usuario Text(20) NOT NULL PRIMARY KEY, Tipo Text(1), "
       "CONSTRAINT UQ_Tipo UNIQUE (Tipo))"});
  std::shared_ptr<TableDef> t = Db->TableDefs("CLAVES");
  EXPECT_TRUE(t->Fields("usuario").Required());
  ASSERT_EQ(t->Indexes().size(), 2u);
  EXPECT_EQ(t->Indexes()[0].Name, "PrimaryKey");
  EXPECT_EQ(t->Indexes()[1].Name, "UQ_Tipo");
  struct Case {
    const char* Sql;
    int Error;
  };
  const Case cases[] = {
      {"CREATE TABLE X (a Byte, A Text(2))", ErrFieldTwice},
      {"CREATE TABLE X (a Texto)", ErrFieldDefinitionSyntax},
      {"CREATE TABLE X (a Text(300))", ErrFieldDefinitionSyntax},
      {"CREATE TABLE X (a Byte, CONSTRAINT P PRIMARY KEY (b))", ErrItemNotFound},
      {"CREATE TABLE X a Byte", ErrCreateTableSyntax},
      {"CREATE TABLE X (a Byte, PRIMARY KEY (a))", ErrFieldDefinitionSyntax},
      {"ALTER TABLE CLAVES ADD COLUMN x Byte", ErrAlterTableSyntax},
      {"CREATE TABLE X (a Byte); DROP TABLE CLAVES", ErrTextAfterStatement},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(c.Sql); }), c.Error) << c.Sql;
  EXPECT_EQ(ErrorNumberOf([&] { Db->TableDefs("X"); }), ErrItemNotFound);
}

// A statement that fails on one of its rows leaves every row as it was.
TEST_F(Ddl, AFailingStatementChangesNothing) {
  Run({"CREATE TABLE P (k Text(2), v Text(3))", "ALTER TABLE P ADD CONSTRAINT PK_P PRIMARY KEY (k)",
       "INSERT INTO P VALUES ('a', '1')", "INSERT INTO P VALUES ('b', '22')", "INSERT INTO P VALUES ('c', '333')",
       "CREATE TABLE Q (k Text(2), v Text(3))", "INSERT INTO Q VALUES ('d', '4')", "INSERT INTO Q VALUES ('a', '5')"});
  for (int options : {dbInconsistent, dbFailOnError}) {
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("UPDATE P SET v = v & '0'", options); }), ErrFieldTooSmall);
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO P SELECT * FROM Q", options); }), ErrDuplicateKey);
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("UPDATE P SET v = mid(v, iif(k = 'c', 0, 1)) & 'x'", options); }), vb::ErrInvalidCall);
  }
  EXPECT_EQ(Rows("SELECT * FROM P ORDER BY k"), (std::vector<std::string>{"a|1", "b|22", "c|333"}));
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("DELETE FROM P", 64); }), ErrInvalidArgument);
}

}  // namespace
}  // namespace dao::testing
