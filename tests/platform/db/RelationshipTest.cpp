// Relationships that other programs declared on the file, which Jet DDL
// cannot write: a refused write names the relationship's tables.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "platform/db/JetError.h"
#include "platform/db/JetFunctions.h"
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

class Relationships : public DbTest {};

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
      {"a parent dropped", "DROP TABLE Padre", ErrRelatedRecord, RelatedText("Padre", "Hijo' o 'Hija")},
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
