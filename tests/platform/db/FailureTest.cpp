// What another program's rules and a failing disk leave of a statement and
// of a transaction: a statement that fails leaves nothing of itself, a
// transaction that SQLite ended itself leaves no level and no lock, and
// rows undone are never read again.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "tests/platform/db/DbTestSupport.h"
#include "tests/support/FullDisk.h"

namespace dao::testing {
namespace {

using kr::testing::FullDisk;

class Failures : public DbTest {
 protected:
  Failures() {
    Run({"CREATE TABLE T (k Long, v Text(10))"});
    for (int k = 1; k <= 4; ++k) Db->Execute("INSERT INTO T VALUES (" + std::to_string(k) + ", 'a')");
    Other("CREATE TABLE Bitacora (k INTEGER); CREATE TABLE U (k INTEGER UNIQUE ON CONFLICT FAIL); "
          "INSERT INTO U VALUES (3)");
  }
  Workspace& Ws() { return Engine.Workspaces(0); }

  /// Runs `sql` on `file` through SQLite itself, as another program would.
  void Other(const std::string& sql, const std::string& file = "test.mdb") {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((Folder / file).c_str(), &db), SQLITE_OK);
    detail::RegisterJetFunctions(db);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  /// The rows of `sql` on `file`, read by another program, each as its first column's text.
  std::vector<std::string> OtherRows(const std::string& sql, const std::string& file = "test.mdb") {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    sqlite3_open((Folder / file).c_str(), &db);
    detail::RegisterJetFunctions(db);
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    while (sqlite3_step(stmt) == SQLITE_ROW) rows.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
  }
  /// True when another program may write `file` now, without waiting.
  bool OtherCanWrite(const std::string& file = "test.mdb") {
    sqlite3* db = nullptr;
    sqlite3_open((Folder / file).c_str(), &db);
    const bool can = sqlite3_exec(db, "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return can;
  }
  /// Every row of the three tables.
  std::vector<std::string> State() {
    std::vector<std::string> state;
    for (const char* table : {"Bitacora", "T", "U"}) {
      for (const std::string& row : Rows(std::string("SELECT * FROM ") + table + " ORDER BY 1")) {
        state.push_back(std::string(table) + ":" + row);
      }
    }
    return state;
  }
};

// A rule of another program stops a statement after some of its rows: the
// error it reports is all there is of it, inside a transaction or outside.
TEST_F(Failures, AStatementStoppedPartWayLeavesNothingOfItself) {
  struct Case {
    const char* What;
    const char* Rule;
    std::function<void(Database&)> Action;
    int Error;
  };
  const Case cases[] = {
      {"a trigger's RAISE(FAIL) on the third row",
       "CREATE TRIGGER regla BEFORE UPDATE ON T WHEN new.k = 3 BEGIN SELECT RAISE(FAIL, 'La fila 3 no cambia'); END",
       [](Database& db) { db.Execute("UPDATE T SET v = 'b'"); }, ErrValidationText},
      {"a column's ON CONFLICT FAIL", "CREATE TRIGGER regla AFTER INSERT ON Bitacora BEGIN SELECT 1; END",
       [](Database& db) { db.Execute("INSERT INTO U SELECT k FROM T"); }, ErrDuplicateKey},
      {"a trigger that writes, then fails, on a new record",
       "CREATE TRIGGER regla AFTER INSERT ON T WHEN new.k = 9 "
       "BEGIN INSERT INTO Bitacora VALUES (new.k); SELECT RAISE(FAIL, 'No se admite la fila 9'); END",
       [](Database& db) {
         auto rs = db.OpenRecordset("T", dbOpenTable);
         rs->AddNew();
         rs->Fields("k").SetValue(vb::Variant(9));
         rs->Update();
       },
       ErrValidationText},
      {"a trigger that writes, then fails, on a changed record",
       "CREATE TRIGGER regla BEFORE UPDATE ON T WHEN old.k = 2 "
       "BEGIN INSERT INTO Bitacora VALUES (old.k); SELECT RAISE(FAIL, 'La fila 2 no cambia'); END",
       [](Database& db) {
         auto rs = db.OpenRecordset("SELECT * FROM T WHERE k = 2", dbOpenDynaset);
         rs->Edit();
         rs->Fields("v").SetValue(vb::Variant("b"));
         rs->Update();
       },
       ErrValidationText},
      {"a trigger that writes, then fails, on a deleted record",
       "CREATE TRIGGER regla BEFORE DELETE ON T WHEN old.k = 2 "
       "BEGIN INSERT INTO Bitacora VALUES (old.k); SELECT RAISE(FAIL, 'La fila 2 se queda'); END",
       [](Database& db) {
         auto rs = db.OpenRecordset("SELECT * FROM T WHERE k = 2", dbOpenDynaset);
         rs->Delete();
       },
       ErrValidationText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Other(c.Rule);
    const std::vector<std::string> before = State();
    EXPECT_EQ(ErrorNumberOf([&] { c.Action(*Db); }), c.Error);
    EXPECT_EQ(State(), before);

    Ws().BeginTrans();
    Db->Execute("INSERT INTO Bitacora VALUES (100)");
    EXPECT_EQ(ErrorNumberOf([&] { c.Action(*Db); }), c.Error);
    Ws().CommitTrans();
    std::vector<std::string> kept = before;
    kept.insert(kept.begin(), "Bitacora:100");
    EXPECT_EQ(State(), kept);
    Db->Execute("DELETE FROM Bitacora");
    Other("DROP TRIGGER regla");
  }
}

// What a rollback undid is never read again, however the same query is asked.
TEST_F(Failures, RowsRolledBackAreNeverReadAgain) {
  const char* kQuery = "SELECT k FROM T ORDER BY k";
  for (bool nested : {false, true}) {
    SCOPED_TRACE(nested ? "the inner level of two" : "a whole transaction");
    Ws().BeginWriteTrans();
    if (nested) Ws().BeginTrans();
    Db->Execute("INSERT INTO T VALUES (7, 'nueva')");
    auto inside = Db->OpenRecordset(kQuery, dbOpenDynaset);
    inside->MoveLast();
    ASSERT_EQ(inside->RecordCount(), 5);
    Ws().Rollback();
    auto after = Db->OpenRecordset(kQuery, dbOpenDynaset);
    after->MoveLast();
    EXPECT_EQ(after->RecordCount(), 4);
    EXPECT_EQ(Show(after->Fields("k").Value()), "4");
    inside->Requery();
    inside->MoveLast();
    EXPECT_EQ(inside->RecordCount(), 4);
    if (nested) Ws().CommitTrans();
  }
}

// SQLite ends a transaction itself when a trigger says RAISE(ROLLBACK): the
// work is undone in every database of the workspace, the error told, and
// nothing is left open or locked; what comes next starts anew.
TEST_F(Failures, ATransactionSQLiteEndedItselfLeavesNoLevelAndNoLock) {
  Other("CREATE TRIGGER anula BEFORE INSERT ON T WHEN new.k = 99 "
        "BEGIN SELECT RAISE(ROLLBACK, 'Anulado por otro programa'); END");
  Ws().CreateDatabase(Folder / "second.mdb")->Execute("CREATE TABLE S (a Long)");
  auto second = Ws().OpenDatabase(Folder / "second.mdb");
  const std::vector<std::string> before = State();
  auto failing = [&] {
    Db->Execute("INSERT INTO T VALUES (5, 'b')");
    second->Execute("INSERT INTO S VALUES (1)");
    Db->Execute("INSERT INTO T VALUES (99, 'c')");
  };
  struct Case {
    const char* What;
    std::function<void()> Unit;
  };
  const Case cases[] = {
      {"a write transaction", [&] { Atomically(Ws(), failing, kWriteLock); }},
      {"a transaction", [&] { Atomically(Ws(), failing); }},
      {"a transaction inside another", [&] { Atomically(Ws(), [&] { Atomically(Ws(), failing); }, kWriteLock); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    try {
      c.Unit();
      ADD_FAILURE() << "no error";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), ErrValidationText);
      EXPECT_EQ(e.Description(), "Anulado por otro programa");
    }
    EXPECT_EQ(Ws().TransactionLevel(), 0);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(second->OpenRecordset("S")->RecordCount(), 0);
    EXPECT_TRUE(OtherCanWrite());
    EXPECT_TRUE(OtherCanWrite("second.mdb"));
  }

  // Rolled back by hand, quietly.
  Ws().BeginTrans();
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO T VALUES (99, 'c')"); }), ErrValidationText);
  EXPECT_EQ(ErrorNumberOf([&] { Ws().Rollback(); }), 0);
  EXPECT_EQ(Ws().TransactionLevel(), 0);

  // Committed though it failed: nothing is kept, and the commit says so.
  Ws().BeginWriteTrans();
  Db->Execute("INSERT INTO T VALUES (5, 'b')");
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO T VALUES (99, 'c')"); }), ErrValidationText);
  EXPECT_EQ(ErrorNumberOf([&] { Ws().CommitTrans(); }), ErrNoTransaction);
  EXPECT_EQ(State(), before);

  // A database opened next holds no lock, and takes no write until the
  // program ends the transaction; the next write transaction holds the lock again.
  Ws().BeginWriteTrans();
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("INSERT INTO T VALUES (99, 'c')"); }), ErrValidationText);
  Ws().CreateDatabase(Folder / "third.mdb")->Close();
  auto third = Ws().OpenDatabase(Folder / "third.mdb");
  EXPECT_TRUE(OtherCanWrite("third.mdb"));
  EXPECT_EQ(ErrorNumberOf([&] { third->Execute("CREATE TABLE V (a Long)"); }), ErrNoTransaction);
  Ws().Rollback();
  Ws().BeginWriteTrans();
  EXPECT_EQ(Ws().TransactionLevel(), 1);
  EXPECT_FALSE(OtherCanWrite());
  Db->Execute("INSERT INTO T VALUES (6, 'd')");
  Ws().CommitTrans();
  EXPECT_TRUE(OtherCanWrite());
  EXPECT_TRUE(OtherCanWrite("third.mdb"));
  EXPECT_EQ(Rows("SELECT count(*) FROM T WHERE k = 6"), std::vector<std::string>{"1"});
}

// Once SQLite has ended a transaction that the program still holds, a write
// would be kept at once, on its own: it is refused, saying why, and the
// program's own rollback then leaves nothing. The write goes through
// Execute or a recordset, to the database SQLite ended or to another one of
// the workspace.
TEST_F(Failures, AWriteAfterSQLiteEndedTheTransactionIsRefusedAndKeepsNothing) {
  Other("CREATE TRIGGER anula BEFORE INSERT ON T WHEN new.k = 99 "
        "BEGIN SELECT RAISE(ROLLBACK, 'Anulado por otro programa'); END");
  Ws().CreateDatabase(Folder / "second.mdb")->Execute("CREATE TABLE S (a Long)");
  auto second = Ws().OpenDatabase(Folder / "second.mdb");
  const std::vector<std::string> before = State();
  // What another program reads of the unit's rows and of a table made in it.
  auto seenByOthers = [&] {
    std::vector<std::string> seen = OtherRows("SELECT 'T:' || k FROM T WHERE k IN (5, 7) UNION ALL "
                                              "SELECT 'T:' || v FROM T WHERE k = 2 AND v <> 'a' UNION ALL "
                                              "SELECT 'T:' || count(*) FROM T HAVING count(*) <> 4 UNION ALL "
                                              "SELECT name FROM sqlite_schema WHERE name = 'Nueva'");
    for (const std::string& row : OtherRows("SELECT 'S:' || a FROM S", "second.mdb")) seen.push_back(row);
    return seen;
  };

  struct Ending {
    const char* What;
    std::function<void()> End;
    int Error;
    const char* Why;
  };
  const Ending endings[] = {
      {"a trigger's RAISE(ROLLBACK)", [&] { Db->Execute("INSERT INTO T VALUES (99, 'c')"); }, ErrValidationText,
       "Anulado por otro programa"},
      {"a full disk",
       [&] {
         FullDisk full;
         for (int k = 0; k < 3000; ++k) Db->Execute("INSERT INTO Bitacora VALUES (" + std::to_string(k) + ")");
       },
       ErrDiskFull, "No hay suficiente espacio en disco."},
  };
  struct Write {
    const char* What;
    std::function<void(Database&)> Action;
  };
  const Write writes[] = {
      {"Execute", [](Database& db) { db.Execute("INSERT INTO T VALUES (7, 'x')"); }},
      {"a recordset's AddNew",
       [](Database& db) {
         auto rs = db.OpenRecordset("T", dbOpenTable);
         rs->AddNew();
         rs->Fields("k").SetValue(vb::Variant(7));
         rs->Update();
       }},
      {"a recordset's Edit",
       [](Database& db) {
         auto rs = db.OpenRecordset("SELECT * FROM T WHERE k = 2", dbOpenDynaset);
         rs->Edit();
         rs->Fields("v").SetValue(vb::Variant("editada"));
         rs->Update();
       }},
      {"a recordset's Delete",
       [](Database& db) {
         auto rs = db.OpenRecordset("SELECT * FROM T WHERE k = 2", dbOpenDynaset);
         rs->Delete();
       }},
      {"a table made", [](Database& db) { db.Execute("CREATE TABLE Nueva (a Long)"); }},
  };
  for (const Ending& ending : endings) {
    for (const Write& write : writes) {
      for (bool nested : {false, true}) {
        SCOPED_TRACE(std::string(ending.What) + ", then " + write.What + (nested ? ", one level down" : ""));
        Ws().BeginTrans();
        Db->Execute("INSERT INTO T VALUES (5, 'b')");
        second->Execute("INSERT INTO S VALUES (1)");
        if (nested) Ws().BeginTrans();
        EXPECT_EQ(ErrorNumberOf(ending.End), ending.Error);

        try {
          write.Action(*Db);
          ADD_FAILURE() << "the write was taken";
        } catch (const vb::Error& e) {
          EXPECT_EQ(e.Number(), ErrNoTransaction);
          EXPECT_NE(e.Description().find("anuló"), std::string::npos) << e.Description();
          EXPECT_NE(e.Description().find(ending.Why), std::string::npos) << e.Description();
        }
        // The other database was part of the unit: a write to it is kept by no one either.
        EXPECT_EQ(ErrorNumberOf([&] { Ws().TransactionLevel(); }), 0);
        EXPECT_EQ(ErrorNumberOf([&] { second->Execute("INSERT INTO S VALUES (2)"); }), ErrNoTransaction);
        EXPECT_EQ(seenByOthers(), std::vector<std::string>{});

        if (nested) {
          EXPECT_EQ(ErrorNumberOf([&] { Ws().Rollback(); }), 0);
        }
        EXPECT_EQ(ErrorNumberOf([&] { Ws().Rollback(); }), 0);
        EXPECT_EQ(Ws().TransactionLevel(), 0);
        EXPECT_EQ(State(), before);
        EXPECT_EQ(seenByOthers(), std::vector<std::string>{});
        EXPECT_TRUE(OtherCanWrite());
        EXPECT_TRUE(OtherCanWrite("second.mdb"));
      }
    }
  }
}

// A disk that fills up while a unit is written: the unit is undone whole
// and told as a full disk; nothing is left open or locked.
TEST_F(Failures, AUnitWrittenOnAFullDiskIsUndoneAndLeavesNoLock) {
  const std::vector<std::string> before = State();
  for (bool write : {true, false}) {
    SCOPED_TRACE(write ? "a write transaction" : "a transaction");
    {
      FullDisk full;
      EXPECT_EQ(ErrorNumberOf([&] {
                  Atomically(
                      Ws(),
                      [&] {
                        Db->Execute("DELETE FROM T");
                        for (int k = 0; k < 2000; ++k) {
                          Db->Execute("INSERT INTO T VALUES (" + std::to_string(k) + ", 'lleno')");
                        }
                      },
                      write ? kWriteLock : TransactionLock::Deferred);
                }),
                ErrDiskFull);
      EXPECT_EQ(Ws().TransactionLevel(), 0);
    }
    EXPECT_TRUE(OtherCanWrite());
    EXPECT_EQ(State(), before);
  }
  Atomically(Ws(), [&] { Db->Execute("INSERT INTO T VALUES (8, 'e')"); }, kWriteLock);
  EXPECT_EQ(Rows("SELECT v FROM T WHERE k = 8"), std::vector<std::string>{"e"});
}

}  // namespace
}  // namespace dao::testing
