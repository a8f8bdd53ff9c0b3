// Relationships that other programs declared on the file, which Jet DDL
// cannot write: a table the layer makes again keeps every row and key of the
// tables related to it, and a refused write names the relationship's tables.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "platform/db/JetError.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Transaction.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

// Another program's statements on the file, its relationships in force or
// not; it has the layer's collation, as the sqlite3 tool with our extension.
void OtherProgram(const std::string& file, const std::string& sql, bool relationships = true) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
  detail::RegisterJetFunctions(other);
  const std::string all = std::string(relationships ? "PRAGMA foreign_keys = ON;" : "PRAGMA foreign_keys = OFF;") + sql;
  EXPECT_EQ(sqlite3_exec(other, all.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
  sqlite3_close(other);
}

// The rows another program reads, each as its values joined by "|".
std::vector<std::string> OtherProgramRows(const std::string& file, const std::string& sql) {
  sqlite3* other = nullptr;
  std::vector<std::string> rows;
  EXPECT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
  detail::RegisterJetFunctions(other);
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(other, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::string row;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      const unsigned char* text = sqlite3_column_text(stmt, i);
      row += (i ? "|" : "") + (text ? std::string(reinterpret_cast<const char*>(text)) : std::string("Null"));
    }
    rows.push_back(row);
  }
  sqlite3_finalize(stmt);
  sqlite3_close(other);
  return rows;
}

// The refusal of a relationship between `parents` and `children`.
std::string RelatedText(const std::string& parents, const std::string& children) {
  const std::string start =
      "No se puede agregar, modificar o eliminar el registro porque se necesita un registro relacionado en la tabla '";
  return start + parents + "' o porque la tabla '" + children + "' contiene registros relacionados con él.";
}

// The error a step gives: its number and description; 0 and "" for none.
std::pair<int, std::string> ErrorOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const vb::Error& e) {
    return {e.Number(), e.Description()};
  }
  return {0, ""};
}

class Relationships : public DbTest {
 protected:
  /// A new database of the layer's, `K` in it with three rows and its index
  /// on `a`; another program's table `Hija` related to `K` by `a` with
  /// `action`, holding `rows` rows, and `more` of that program's.
  std::shared_ptr<Database> WithChild(const std::string& name, const std::string& action, int rows,
                                      const std::string& more = "") {
    const std::string file = Folder / (name + ".mdb");
    std::shared_ptr<Database> db = Engine.Workspaces(0).CreateDatabase(file);
    for (const char* sql :
         {"CREATE TABLE K (a Text(2), b Text(5))", "CREATE UNIQUE INDEX ByA ON K (a)",
          "INSERT INTO K VALUES ('x', '1')", "INSERT INTO K VALUES ('y', '2')", "INSERT INTO K VALUES ('z', '3')"}) {
      db->Execute(sql, dbFailOnError);
    }
    OtherProgram(file, "CREATE TABLE Hija (id INTEGER PRIMARY KEY, a TEXT REFERENCES K (a) " + action + ");" + more);
    Atomically(Engine.Workspaces(0), [&] {
      for (int i = 1; i <= rows; ++i) {
        db->Execute("INSERT INTO Hija VALUES (" + std::to_string(i) + ", '" + "xyz"[i % 3] + "')", dbFailOnError);
      }
    });
    return db;
  }
};

struct Rebuild {
  const char* What;
  std::function<void(Database&)> Run;
  std::function<bool(Database&)> Done;
};

bool HasPrimaryKey(Database& db, const std::string& table) {
  for (const IndexDef& index : db.TableDefs(table)->Indexes()) {
    if (index.Primary) return true;
  }
  return false;
}

const Rebuild kRebuilds[] = {
    {"AllowZeroLength set", [](Database& db) { db.TableDefs("K")->Fields("b").SetAllowZeroLength(true); },
     [](Database& db) { return db.TableDefs("K")->Fields("b").AllowZeroLength(); }},
    {"a key added by ALTER TABLE",
     [](Database& db) { db.Execute("ALTER TABLE K ADD CONSTRAINT PK_K PRIMARY KEY (a)", dbFailOnError); },
     [](Database& db) { return HasPrimaryKey(db, "K"); }},
    {"a key added by CREATE INDEX",
     [](Database& db) { db.Execute("CREATE INDEX PK_K ON K (a) WITH PRIMARY", dbFailOnError); },
     [](Database& db) { return HasPrimaryKey(db, "K"); }},
};

TEST_F(Relationships, ARebuiltTableKeepsTheRowsAndKeysOfEveryTableRelatedToIt) {
  struct Child {
    const char* Action;
    int DeleteError;                       // deleting K's row 'x' afterwards
    std::vector<std::string> AfterDelete;  // Hija's rows then
  };
  const std::vector<std::string> kept = {"1|y", "2|z", "3|x", "4|y", "5|z", "6|x", "7|y", "8|z", "9|x", "10|y"};
  const Child children[] = {
      {"ON DELETE CASCADE", 0, {"1|y", "2|z", "4|y", "5|z", "7|y", "8|z", "10|y"}},
      {"ON DELETE SET NULL", 0, {"1|y", "2|z", "3|Null", "4|y", "5|z", "6|Null", "7|y", "8|z", "9|Null", "10|y"}},
      {"", ErrRelatedRecord, kept},
  };
  int n = 0;
  for (const Rebuild& rebuild : kRebuilds) {
    for (const bool inTransaction : {false, true}) {
      for (const Child& child : children) {
        SCOPED_TRACE(std::string(rebuild.What) + (inTransaction ? ", in a transaction" : "") + ", related " +
                     child.Action);
        const std::string name = "c" + std::to_string(++n);
        std::shared_ptr<Database> db = WithChild(name, child.Action, 10);
        if (inTransaction) Engine.Workspaces(0).BeginTrans();
        EXPECT_EQ(ErrorOf([&] { rebuild.Run(*db); }), std::make_pair(0, std::string()));
        if (inTransaction) Engine.Workspaces(0).CommitTrans();
        EXPECT_TRUE(rebuild.Done(*db));
        EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT id, a FROM Hija ORDER BY id", dbOpenSnapshot)), kept);
        EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT a, b FROM K ORDER BY a", dbOpenSnapshot)),
                  (std::vector<std::string>{"x|1", "y|2", "z|3"}));
        // The relationship still points at K, and holds.
        EXPECT_EQ(OtherProgramRows(Folder / (name + ".mdb"), "SELECT \"table\" FROM pragma_foreign_key_list('Hija')"),
                  std::vector<std::string>{"K"});
        EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO Hija VALUES (11, 'v')", dbFailOnError); }),
                  ErrRelatedRecord);
        EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DELETE FROM K WHERE a = 'x'", dbFailOnError); }), child.DeleteError);
        EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT id, a FROM Hija ORDER BY id", dbOpenSnapshot)), child.AfterDelete);
        db->Close();
      }
    }
  }
}

// A table that other tables' relationships point at is not dropped: its
// related rows stay. A table that only points at others, or at itself, is.
TEST_F(Relationships, ATableOthersAreRelatedToIsNotDropped) {
  const char* actions[] = {"ON DELETE CASCADE", "ON DELETE SET NULL", ""};
  int n = 0;
  for (const char* action : actions) {
    SCOPED_TRACE(std::string("related ") + action);
    const std::string name = "d" + std::to_string(++n);
    std::shared_ptr<Database> db =
        WithChild(name, action, 10, "CREATE TABLE Arbol (id INTEGER PRIMARY KEY, padre INTEGER REFERENCES Arbol (id));");
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DROP TABLE K", dbFailOnError); }), ErrInRelationship);
    EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT count(*), count(a) FROM Hija", dbOpenSnapshot)),
              std::vector<std::string>{"10|10"});
    EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT count(*) FROM K", dbOpenSnapshot)), std::vector<std::string>{"3"});
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DROP TABLE Arbol", dbFailOnError); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DROP TABLE Hija", dbFailOnError); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DROP TABLE K", dbFailOnError); }), 0);
    db->Close();
  }
}

// Another program's index, trigger and view of the table are there after
// the rebuild as before, and the trigger acts. Of a text planted in the
// schema only its first statement is run again, as SQLite itself reads it.
TEST_F(Relationships, AnotherProgramsIndexTriggerAndViewOfARebuiltTableStay) {
  const std::vector<std::string> objects = {
      "trigger|Anota|CREATE TRIGGER Anota AFTER INSERT ON K BEGIN INSERT INTO Bitacora VALUES (NEW.a); END",
      "index|K$ByA|CREATE UNIQUE INDEX \"K$ByA\" ON \"K\" (\"a\")", "index|PorB|CREATE INDEX PorB ON K (b)",
      "view|Vista|CREATE VIEW Vista AS SELECT a, b FROM K"};
  std::vector<std::string> planted = objects;
  planted[2] += "; DROP TABLE Bitacora";
  const std::string query =
      "SELECT type, name, sql FROM sqlite_schema WHERE tbl_name IN ('K', 'Vista') AND type <> 'table' "
      "AND sql IS NOT NULL ORDER BY name";
  int n = 0;
  for (const Rebuild& rebuild : kRebuilds) {
    for (const bool inTransaction : {false, true}) {
      SCOPED_TRACE(std::string(rebuild.What) + (inTransaction ? ", in a transaction" : ""));
      const std::string name = "o" + std::to_string(++n);
      std::shared_ptr<Database> db =
          WithChild(name, "ON DELETE CASCADE", 3,
                    "CREATE TABLE Bitacora (a TEXT);"
                    "CREATE INDEX PorB ON K (b);"
                    "PRAGMA writable_schema = ON;"
                    "UPDATE sqlite_schema SET sql = sql || '; DROP TABLE Bitacora' WHERE name = 'PorB';"
                    "PRAGMA writable_schema = OFF;"
                    "CREATE TRIGGER Anota AFTER INSERT ON K BEGIN INSERT INTO Bitacora VALUES (NEW.a); END;"
                    "CREATE VIEW Vista AS SELECT a, b FROM K;");
      ASSERT_EQ(OtherProgramRows(Folder / (name + ".mdb"), query), planted);
      if (inTransaction) Engine.Workspaces(0).BeginTrans();
      EXPECT_EQ(ErrorOf([&] { rebuild.Run(*db); }), std::make_pair(0, std::string()));
      if (inTransaction) Engine.Workspaces(0).CommitTrans();
      EXPECT_TRUE(rebuild.Done(*db));
      EXPECT_EQ(OtherProgramRows(Folder / (name + ".mdb"), query), objects);
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT a, b FROM Vista ORDER BY a", dbOpenSnapshot)),
                (std::vector<std::string>{"x|1", "y|2", "z|3"}));
      db->Execute("INSERT INTO K VALUES ('w', '4')", dbFailOnError);
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT a FROM Bitacora", dbOpenSnapshot)), std::vector<std::string>{"w"});
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT id, a FROM Hija ORDER BY id", dbOpenSnapshot)),
                (std::vector<std::string>{"1|y", "2|z", "3|x"}));
      db->Close();
    }
  }
}

// When a relationship to the table would not hold after the rebuild, the
// rebuild is refused and every table stays as it was, the relationships in force.
TEST_F(Relationships, ARebuildThatWouldLeaveABrokenRelationshipIsRefusedWithNothingChanged) {
  int n = 0;
  for (const bool inTransaction : {false, true}) {
    {
      SCOPED_TRACE(std::string("a child's row without its parent") + (inTransaction ? ", in a transaction" : ""));
      const std::string name = "h" + std::to_string(++n);
      std::shared_ptr<Database> db = WithChild(name, "ON DELETE CASCADE", 2);
      OtherProgram(Folder / (name + ".mdb"), "INSERT INTO Hija VALUES (3, 'nadie')", false);
      if (inTransaction) Engine.Workspaces(0).BeginTrans();
      for (const Rebuild& rebuild : kRebuilds) {
        SCOPED_TRACE(rebuild.What);
        EXPECT_EQ(ErrorOf([&] { rebuild.Run(*db); }), std::make_pair(ErrRelatedRecord, RelatedText("K", "Hija")));
        db->TableDefs().Refresh();
        EXPECT_FALSE(rebuild.Done(*db));
      }
      if (inTransaction) Engine.Workspaces(0).CommitTrans();
      EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO K VALUES ('w', '')", dbFailOnError); }), ErrZeroLength);
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT id, a FROM Hija ORDER BY id", dbOpenSnapshot)),
                (std::vector<std::string>{"1|y", "2|z", "3|nadie"}));
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT a, b FROM K ORDER BY a", dbOpenSnapshot)),
                (std::vector<std::string>{"x|1", "y|2", "z|3"}));
      EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO Hija VALUES (4, 'v')", dbFailOnError); }),
                ErrRelatedRecord);
      db->Close();
    }
    {
      // The other program's parent keeps `u` unique by a rule of its own,
      // which a table made from the layer's definition would not have.
      SCOPED_TRACE(std::string("a key the table would no longer keep unique") +
                   (inTransaction ? ", in a transaction" : ""));
      const std::string file = Folder / ("u" + std::to_string(++n) + ".mdb");
      std::shared_ptr<Database> db = Engine.Workspaces(0).CreateDatabase(file);
      OtherProgram(file,
                   "CREATE TABLE P (k TEXT, u TEXT UNIQUE);"
                   "CREATE TABLE D (id INTEGER PRIMARY KEY, u TEXT REFERENCES P (u) ON DELETE CASCADE);"
                   "INSERT INTO P VALUES ('1', 'a'); INSERT INTO P VALUES ('2', 'b');"
                   "INSERT INTO D VALUES (1, 'a'); INSERT INTO D VALUES (2, 'b');");
      if (inTransaction) Engine.Workspaces(0).BeginTrans();
      EXPECT_EQ(ErrorOf([&] { db->Execute("ALTER TABLE P ADD CONSTRAINT PK_P PRIMARY KEY (k)", dbFailOnError); }),
                std::make_pair(ErrNotUniquelyIndexed,
                               std::string("Los campos especificados no están indexados de forma única en la tabla "
                                           "'P', a la que hace referencia la tabla 'D'.")));
      if (inTransaction) Engine.Workspaces(0).CommitTrans();
      EXPECT_FALSE(HasPrimaryKey(*db, "P"));
      EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT * FROM D ORDER BY id", dbOpenSnapshot)),
                (std::vector<std::string>{"1|a", "2|b"}));
      db->Execute("INSERT INTO D VALUES (3, 'a')", dbFailOnError);
      EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO D VALUES (4, 'c')", dbFailOnError); }), ErrRelatedRecord);
      db->Close();
    }
  }
}

// SQLite's refusal names no table: the tables are found from what the
// statement wrote, through its triggers and cascades too.
TEST_F(Relationships, ARefusedWriteNamesTheRelationshipsTables) {
  OtherProgram(
      Folder / "test.mdb",
      "CREATE TABLE Padre (k TEXT PRIMARY KEY);"
      "CREATE TABLE Hijo (k TEXT PRIMARY KEY, padre TEXT REFERENCES Padre (k));"
      "CREATE TABLE Hija (k TEXT PRIMARY KEY, padre TEXT REFERENCES Padre (k));"
      "CREATE TABLE Abuelo (k TEXT PRIMARY KEY);"
      "CREATE TABLE Tio (k TEXT PRIMARY KEY, abuelo TEXT REFERENCES Abuelo (k) ON DELETE CASCADE);"
      "CREATE TABLE Primo (k TEXT PRIMARY KEY, tio TEXT REFERENCES Tio (k));"
      "CREATE TABLE Bitacora (x TEXT);"
      "CREATE TRIGGER Anota AFTER INSERT ON Bitacora BEGIN INSERT INTO Hijo VALUES (NEW.x, 'nadie'); END;"
      "CREATE TABLE Cabeza (k TEXT PRIMARY KEY);"
      "CREATE TABLE Diferido (k TEXT REFERENCES Cabeza (k) DEFERRABLE INITIALLY DEFERRED);"
      "INSERT INTO Padre VALUES ('p'); INSERT INTO Hijo VALUES ('a', 'p'); INSERT INTO Hija VALUES ('b', 'p');"
      "INSERT INTO Abuelo VALUES ('g'); INSERT INTO Tio VALUES ('t', 'g'); INSERT INTO Primo VALUES ('c', 't');");
  // A relationship to a column that is no key refuses every write to either table.
  OtherProgram(Folder / "test.mdb",
               "CREATE TABLE Otro (k TEXT PRIMARY KEY, v TEXT); CREATE TABLE Mal (v TEXT REFERENCES Otro (v));"
               "INSERT INTO Otro VALUES ('o', '1');",
               false);
  const std::string mismatch =
      "Los campos especificados no están indexados de forma única en la tabla 'Otro', a la que hace referencia la "
      "tabla 'Mal'.";
  struct Case {
    const char* What;
    const char* Sql;
    int Error;
    std::string Text;
  };
  const Case cases[] = {
      {"a child's row without its parent", "INSERT INTO Hijo VALUES ('c', 'nadie')", ErrRelatedRecord,
       RelatedText("Padre", "Hijo")},
      {"a child's key changed to none", "UPDATE Hija SET padre = 'nadie'", ErrRelatedRecord,
       RelatedText("Padre", "Hija")},
      {"a parent's key changed", "UPDATE Padre SET k = 'q'", ErrRelatedRecord, RelatedText("Padre", "Hijo' o 'Hija")},
      {"a parent deleted", "DELETE FROM Padre", ErrRelatedRecord, RelatedText("Padre", "Hijo' o 'Hija")},
      {"a parent dropped", "DROP TABLE Padre", ErrInRelationship,
       "No se puede eliminar este índice o esta tabla. Es el índice actual o se usa en una relación."},
      {"a cascade that reaches a held row", "DELETE FROM Abuelo", ErrRelatedRecord, RelatedText("Tio", "Primo")},
      {"a trigger's write", "INSERT INTO Bitacora VALUES ('d')", ErrRelatedRecord, RelatedText("Padre", "Hijo")},
      {"no key, written to the child", "INSERT INTO Mal VALUES ('1')", ErrNotUniquelyIndexed, mismatch},
      {"no key, the parent changed", "UPDATE Otro SET v = '2'", ErrNotUniquelyIndexed, mismatch},
      {"no key, the parent deleted", "DELETE FROM Otro", ErrNotUniquelyIndexed, mismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(ErrorOf([&] { Db->Execute(c.Sql, dbFailOnError); }), std::make_pair(c.Error, c.Text));
  }
  {
    SCOPED_TRACE("a recordset's write");
    auto rs = Db->OpenRecordset("Hijo", dbOpenDynaset);
    rs->AddNew();
    rs->Fields("k").SetValue("d");
    rs->Fields("padre").SetValue("nadie");
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }), std::make_pair(ErrRelatedRecord, RelatedText("Padre", "Hijo")));
    rs->CancelUpdate();
  }
  {
    SCOPED_TRACE("a relationship checked at the commit");
    Engine.Workspaces(0).BeginTrans();
    Db->Execute("INSERT INTO Diferido VALUES ('nadie')", dbFailOnError);
    EXPECT_EQ(ErrorOf([&] { Engine.Workspaces(0).CommitTrans(); }),
              std::make_pair(ErrRelatedRecord, RelatedText("Cabeza", "Diferido")));
    Engine.Workspaces(0).Rollback();
  }
  EXPECT_EQ(Rows("SELECT * FROM Hijo"), std::vector<std::string>{"a|p"});
  EXPECT_EQ(Rows("SELECT * FROM Padre"), std::vector<std::string>{"p"});
  EXPECT_EQ(Rows("SELECT * FROM Primo"), std::vector<std::string>{"c|t"});
  EXPECT_EQ(Rows("SELECT count(*) FROM Diferido"), std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace dao::testing
