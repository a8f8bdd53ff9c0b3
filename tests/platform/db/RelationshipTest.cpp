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

// The name a rebuild makes its copy under may be another program's already:
// the copy takes a free one, and the other program's table and view stay.
TEST_F(Relationships, ARebuildLeavesAloneTheNamesAnotherProgramHolds) {
  int n = 0;
  for (const Rebuild& rebuild : kRebuilds) {
    SCOPED_TRACE(rebuild.What);
    const std::string name = "n" + std::to_string(++n);
    std::shared_ptr<Database> db = WithChild(name, "", 3,
                                             "CREATE TABLE _dao_rebuild (x TEXT); INSERT INTO _dao_rebuild "
                                             "VALUES ('ajena'); CREATE VIEW _dao_rebuild1 AS SELECT 'vista';");
    EXPECT_EQ(ErrorOf([&] { rebuild.Run(*db); }), std::make_pair(0, std::string()));
    EXPECT_TRUE(rebuild.Done(*db));
    EXPECT_EQ(RowsOf(*db->OpenRecordset("SELECT a, b FROM K ORDER BY a", dbOpenSnapshot)),
              (std::vector<std::string>{"x|1", "y|2", "z|3"}));
    EXPECT_EQ(OtherProgramRows(Folder / (name + ".mdb"),
                               "SELECT x FROM _dao_rebuild UNION ALL SELECT * FROM _dao_rebuild1 UNION ALL "
                               "SELECT name FROM sqlite_schema WHERE name LIKE '\\_dao\\_rebuild%' ESCAPE '\\' "
                               "ORDER BY 1"),
              (std::vector<std::string>{"_dao_rebuild", "_dao_rebuild1", "ajena", "vista"}));
    db->Close();
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
      // The other program related D to a column of P that is no key of P:
      // no write to either holds it, and neither does a P made again.
      SCOPED_TRACE(std::string("a relationship to columns that are no key") +
                   (inTransaction ? ", in a transaction" : ""));
      const std::string file = Folder / ("u" + std::to_string(++n) + ".mdb");
      std::shared_ptr<Database> db = Engine.Workspaces(0).CreateDatabase(file);
      OtherProgram(file,
                   "CREATE TABLE P (k TEXT, u TEXT);"
                   "CREATE TABLE D (id INTEGER PRIMARY KEY, u TEXT REFERENCES P (u) ON DELETE CASCADE);"
                   "INSERT INTO P VALUES ('1', 'a'); INSERT INTO P VALUES ('2', 'b');"
                   "INSERT INTO D VALUES (1, 'a'); INSERT INTO D VALUES (2, 'b');",
                   false);
      if (inTransaction) Engine.Workspaces(0).BeginTrans();
      EXPECT_EQ(ErrorOf([&] { db->Execute("ALTER TABLE P ADD CONSTRAINT PK_P PRIMARY KEY (k)", dbFailOnError); }),
                std::make_pair(ErrNotUniquelyIndexed,
                               std::string("Los campos especificados no están indexados de forma única en la tabla "
                                           "'P', a la que hace referencia la tabla 'D'.")));
      if (inTransaction) Engine.Workspaces(0).CommitTrans();
      EXPECT_FALSE(HasPrimaryKey(*db, "P"));
      EXPECT_EQ(OtherProgramRows(file, "SELECT sql FROM sqlite_schema WHERE name = 'P'"),
                std::vector<std::string>{"CREATE TABLE P (k TEXT, u TEXT)"});
      EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM D ORDER BY id"), (std::vector<std::string>{"1|a", "2|b"}));
      EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM P ORDER BY k"), (std::vector<std::string>{"1|a", "2|b"}));
      EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO D VALUES (3, 'a')", dbFailOnError); }),
                ErrNotUniquelyIndexed);
      db->Close();
    }
  }
}

// Another program's tables as it wrote them: a relationship that cascades,
// defaults, rules of their own (one over two columns, one named like the
// layer's), a unique column, declared types, a table without rowid and a
// numbering that never gives a number twice. Small traps in the text: a
// comment that speaks of a PRIMARY KEY, a column named CHECK, defaults
// holding parentheses.
const char* const kOwnRules = R"(
CREATE TABLE Padre (k TEXT PRIMARY KEY);
CREATE TABLE Hija ( -- its PRIMARY KEY comes later
  id INTEGER NOT NULL,
  padre TEXT REFERENCES Padre (k) ON DELETE CASCADE,
  nombre VARCHAR(20) NOT NULL DEFAULT 'sin (nombre',
  monto NUMERIC CHECK (monto >= 0 AND monto <= [tope]),
  tope NUMERIC DEFAULT 1000,
  "CHECK" TEXT DEFAULT ')',
  codigo TEXT UNIQUE,
  CONSTRAINT "jet3315:Hija.codigo" CHECK (codigo <> 'vetado') /* named like the layer's */
);
CREATE TABLE Nieta (id TEXT PRIMARY KEY, codigo TEXT REFERENCES Hija (codigo) ON DELETE CASCADE,
                    nota VARCHAR(10) NOT NULL DEFAULT 'nada' CHECK (nota <> 'mal')) WITHOUT ROWID;
CREATE TABLE Bitacora (n INTEGER PRIMARY KEY AUTOINCREMENT, texto TEXT);
CREATE TABLE Vaciada (n INTEGER PRIMARY KEY AUTOINCREMENT, texto TEXT);
INSERT INTO Padre VALUES ('p1'), ('p2');
INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (1, 'p1', 'uno', 10, 'c1'), (2, 'p2', 'dos', 20, 'c2');
INSERT INTO Nieta (id, codigo) VALUES ('n1', 'c1'), ('n2', 'c2');
INSERT INTO Bitacora (texto) VALUES ('a'), ('b'), ('c');
DELETE FROM Bitacora WHERE n = 3;
INSERT INTO Vaciada (texto) VALUES ('a'), ('b');
DELETE FROM Vaciada;
)";

// What the other program's schema says of its tables, but for which columns are the key.
std::vector<std::string> OwnDefinitions(const std::string& file) {
  return OtherProgramRows(
      file,
      "SELECT m.name, l.type, l.ncol, l.wr, l.strict, i.name, i.type, i.\"notnull\", coalesce(i.dflt_value, 'Null'), "
      "f.\"table\", f.\"from\", f.\"to\", f.on_update, f.on_delete FROM sqlite_schema AS m "
      "JOIN pragma_table_list AS l ON l.schema = 'main' AND l.name = m.name "
      "JOIN pragma_table_info(m.name) AS i LEFT JOIN pragma_foreign_key_list(m.name) AS f ON f.\"from\" = i.name "
      "WHERE m.type = 'table' AND m.name IN ('Padre', 'Hija', 'Nieta', 'Bitacora', 'Vaciada') ORDER BY m.name, i.cid");
}

// Another program's table made again by each of the layer's ways keeps every
// rule its own text gives, besides the change it was made again for.
TEST_F(Relationships, ARebuiltTableKeepsEveryRuleOfItsOwnText) {
  struct Case {
    const char* What;
    std::function<void(Database&)> Run;
    const char* Sql;  // a write that shows the change made
    int Error;
  };
  const auto zeroLength = [](const char* table, const char* field, std::vector<bool> allow) {
    return [=](Database& db) {
      for (bool a : allow) db.TableDefs(table)->Fields(field).SetAllowZeroLength(a);
    };
  };
  const Case cases[] = {
      {"a key added by ALTER TABLE",
       [](Database& db) { db.Execute("ALTER TABLE hija ADD CONSTRAINT PK_Hija PRIMARY KEY (id)", dbFailOnError); },
       "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (2, 'p2', 'otro', 1, 'c9')", ErrDuplicateKey},
      {"a key added by CREATE INDEX",
       [](Database& db) { db.Execute("CREATE INDEX PK_Hija ON hija (id) WITH PRIMARY", dbFailOnError); },
       "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (2, 'p2', 'otro', 1, 'c9')", ErrDuplicateKey},
      {"AllowZeroLength set to False", zeroLength("Hija", "nombre", {false}),
       "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (9, 'p1', '', 1, 'c9')", ErrZeroLength},
      {"AllowZeroLength set to False and back to True", zeroLength("Hija", "nombre", {false, true}),
       "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (9, 'p1', '', 1, 'c9')", 0},
      {"AllowZeroLength set on the table without rowid", zeroLength("Nieta", "nota", {false}),
       "INSERT INTO Nieta VALUES ('n9', 'c2', '')", ErrZeroLength},
      {"AllowZeroLength set on the numbered table", zeroLength("Bitacora", "texto", {false}),
       "INSERT INTO Bitacora (texto) VALUES ('')", ErrZeroLength},
      {"AllowZeroLength set on the numbered table, emptied", zeroLength("Vaciada", "texto", {false}),
       "INSERT INTO Vaciada (texto) VALUES ('')", ErrZeroLength},
  };
  struct Refusal {
    const char* Rule;
    const char* Sql;
    int Error;
  };
  const Refusal refusals[] = {
      {"a row without its parent",
       "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (3, 'nadie', 'x', 1, 'c3')", ErrRelatedRecord},
      {"a column's own rule", "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (3, 'p1', 'x', -1, 'c3')",
       ErrRuleRefused},
      {"a rule over two columns", "UPDATE Hija SET monto = 2000 WHERE id = 1", ErrRuleRefused},
      {"a unique column", "INSERT INTO Hija (id, padre, nombre, monto, codigo) VALUES (3, 'p1', 'x', 1, 'c1')",
       ErrDuplicateKey},
      {"a rule named like the layer's", "UPDATE Hija SET codigo = 'vetado' WHERE id = 1", ErrZeroLength},
      {"a required column", "UPDATE Hija SET nombre = Null WHERE id = 1", ErrRequired},
      {"a row without its parent, in the table without rowid", "INSERT INTO Nieta VALUES ('n3', 'nadie', 'x')",
       ErrRelatedRecord},
      {"a rule of the table without rowid", "UPDATE Nieta SET nota = 'mal'", ErrRuleRefused},
      {"the key of the table without rowid", "INSERT INTO Nieta VALUES ('n1', 'c2', 'x')", ErrDuplicateKey},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    const std::string file = Folder / ("r" + std::to_string(++n) + ".mdb");
    std::shared_ptr<Database> db = Engine.Workspaces(0).CreateDatabase(file);
    OtherProgram(file, kOwnRules);
    const std::vector<std::string> definitions = OwnDefinitions(file);
    EXPECT_EQ(ErrorNumberOf([&] { c.Run(*db); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute(c.Sql, dbFailOnError); }), c.Error);
    EXPECT_EQ(OwnDefinitions(file), definitions);
    EXPECT_EQ(OtherProgramRows(file, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name IN "
                                     "('Hija', 'Nieta', 'Bitacora', 'Vaciada') ORDER BY name"),
              (std::vector<std::string>{"Bitacora", "Hija", "Nieta", "Vaciada"}));
    EXPECT_EQ(db->TableDefs("hija")->Name(), "Hija");
    for (const Refusal& r : refusals) {
      SCOPED_TRACE(r.Rule);
      EXPECT_EQ(ErrorNumberOf([&] { db->Execute(r.Sql, dbFailOnError); }), r.Error);
    }
    // The other program leaves to the defaults what it does not write.
    OtherProgram(file,
                 "INSERT INTO Hija (id, padre, monto, codigo) VALUES (5, 'p1', 1, 'c5');"
                 "INSERT INTO Nieta (id, codigo) VALUES ('n5', 'c5'); INSERT INTO Bitacora (texto) VALUES ('d');"
                 "INSERT INTO Vaciada (texto) VALUES ('c');");
    EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM Hija WHERE id = 5"),
              std::vector<std::string>{"5|p1|sin (nombre|1|1000|)|c5"});
    EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM Nieta WHERE id = 'n5'"), std::vector<std::string>{"n5|c5|nada"});
    // A number once given is not given again.
    EXPECT_EQ(OtherProgramRows(file, "SELECT n, texto FROM Bitacora ORDER BY n"),
              (std::vector<std::string>{"1|a", "2|b", "4|d"}));
    EXPECT_EQ(OtherProgramRows(file, "SELECT n, texto FROM Vaciada"), std::vector<std::string>{"3|c"});
    // A parent deleted takes its children along, and theirs.
    db->Execute("DELETE FROM Padre WHERE k = 'p1'", dbFailOnError);
    EXPECT_EQ(OtherProgramRows(file, "SELECT id, padre, nombre, monto, codigo FROM Hija ORDER BY id"),
              std::vector<std::string>{"2|p2|dos|20|c2"});
    EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM Nieta ORDER BY id"), std::vector<std::string>{"n2|c2|nada"});
    db->Close();
  }
}

// A rebuild that the table's own text does not let the layer make is refused,
// and the file stays as it was: its schema, its rows and the layer's definitions.
TEST_F(Relationships, ARebuildTheTablesOwnTextDoesNotAllowIsRefusedWithNothingChanged) {
  struct Case {
    const char* What;
    const char* Sql;  // the other program's table and rows
    std::function<void(Database&)> Run;
    int Error;
    const char* Layer = "";  // the layer's statement before the other program's
  };
  const auto zeroLength = [](const char* table, const char* field) {
    return [=](Database& db) { db.TableDefs(table)->Fields(field).SetAllowZeroLength(false); };
  };
  const auto execute = [](const char* sql) { return [=](Database& db) { db.Execute(sql, dbFailOnError); }; };
  const char* const computed = "CREATE TABLE Calculada (a INTEGER, t TEXT, doble AS (a * 2)); "
                               "INSERT INTO Calculada (a, t) VALUES (1, 'x');";
  const char* const virtualTable = "CREATE VIRTUAL TABLE Libre USING fts5(cuerpo); INSERT INTO Libre VALUES ('hola');";
  const char* const likeOurs = "CREATE TABLE Propia (a TEXT, CONSTRAINT \"jet3315:Propia.a\" CHECK (a <> 'x')); "
                               "INSERT INTO Propia VALUES ('y');";
  const char* const keyName = "CREATE TABLE Choca (a INTEGER, b TEXT, CONSTRAINT PK_Choca UNIQUE (b)); "
                              "INSERT INTO Choca VALUES (1, 'y');";
  const char* const keyRule = "CREATE TABLE Clave (id INTEGER, CONSTRAINT \"jet3058:Clave.id\" CHECK (id > 0)); "
                              "INSERT INTO Clave VALUES (1);";
  const char* const selfNamed = "CREATE TABLE Nombrada (a TEXT CHECK (Nombrada.a <> 'x')); "
                                "INSERT INTO Nombrada VALUES ('y');";
  const char* const withoutRowid = "CREATE TABLE Fila (k TEXT PRIMARY KEY, a TEXT) WITHOUT ROWID; "
                                   "INSERT INTO Fila VALUES ('y', 'z');";
  const char* const remade = "DROP TABLE Vieja; CREATE TABLE Vieja (a TEXT PRIMARY KEY); INSERT INTO Vieja VALUES ('y');";
  const Case cases[] = {
      {"a computed column, AllowZeroLength", computed, zeroLength("Calculada", "t"), ErrValueCount},
      {"a computed column, a key", computed, execute("ALTER TABLE Calculada ADD CONSTRAINT PK PRIMARY KEY (a)"),
       ErrValueCount},
      {"a virtual table, AllowZeroLength", virtualTable, zeroLength("Libre", "cuerpo"), ErrNotForThisObject},
      {"a virtual table, a key", virtualTable, execute("ALTER TABLE Libre ADD CONSTRAINT PK PRIMARY KEY (cuerpo)"),
       ErrNotForThisObject},
      {"a virtual table's own table", virtualTable, zeroLength("Libre_content", "c0"), ErrNotForThisObject},
      {"a rule named like the layer's", likeOurs, zeroLength("Propia", "a"), ErrNotForThisObject},
      {"a key's rule named like the layer's", keyRule, execute("ALTER TABLE Clave ADD CONSTRAINT PK PRIMARY KEY (id)"),
       ErrNotForThisObject},
      {"a key named like a rule, by ALTER TABLE", keyName,
       execute("ALTER TABLE Choca ADD CONSTRAINT PK_Choca PRIMARY KEY (a)"), ErrIndexExists},
      {"a key named like a rule, by CREATE INDEX", keyName, execute("CREATE INDEX pk_choca ON Choca (a) WITH PRIMARY"),
       ErrIndexExists},
      {"a rule that names its table, AllowZeroLength", selfNamed, zeroLength("Nombrada", "a"), ErrNotForThisObject},
      {"a rule that names its table, a key", selfNamed,
       execute("ALTER TABLE Nombrada ADD CONSTRAINT PK PRIMARY KEY (a)"), ErrNotForThisObject},
      {"a table without rowid, a key by ALTER TABLE", withoutRowid,
       execute("ALTER TABLE Fila ADD CONSTRAINT PK PRIMARY KEY (a)"), ErrPrimaryKeyExists},
      {"a table without rowid, a key by CREATE INDEX", withoutRowid, execute("CREATE INDEX PK ON Fila (a) WITH PRIMARY"),
       ErrPrimaryKeyExists},
      {"a key the layer's definition lacks and the text has", remade,
       execute("ALTER TABLE Vieja ADD CONSTRAINT PK PRIMARY KEY (a)"), ErrPrimaryKeyExists,
       "CREATE TABLE Vieja (a Text(2))"},
  };
  const std::string everything =
      "SELECT type, name, tbl_name, sql FROM sqlite_schema UNION ALL "
      "SELECT 'field', tbl, name, type || ' ' || size || ' ' || allow_zero || ' ' || required FROM _dao_fields "
      "UNION ALL SELECT 'index', tbl, name, cols FROM _dao_indexes ORDER BY 1, 2, 3";
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    const std::string file = Folder / ("x" + std::to_string(++n) + ".mdb");
    std::shared_ptr<Database> db = Engine.Workspaces(0).CreateDatabase(file);
    if (*c.Layer) db->Execute(c.Layer, dbFailOnError);
    OtherProgram(file, c.Sql, false);
    const std::string table = OtherProgramRows(file, "SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                                                     "name NOT LIKE '%\\_%' ESCAPE '\\' ORDER BY rowid LIMIT 1")
                                  .at(0);
    const std::vector<std::string> schema = OtherProgramRows(file, everything);
    const std::vector<std::string> rows = OtherProgramRows(file, "SELECT * FROM " + table);
    EXPECT_EQ(ErrorNumberOf([&] { c.Run(*db); }), c.Error);
    EXPECT_EQ(OtherProgramRows(file, everything), schema);
    EXPECT_EQ(OtherProgramRows(file, "SELECT * FROM " + table), rows);
    db->Close();
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
