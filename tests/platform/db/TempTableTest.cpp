// A connection's private copy of a table: it hides the file's table from
// this connection only, keeps the definition and its rules, and goes away
// with the connection.
#include <gtest/gtest.h>

#include "platform/db/Transaction.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

class TempTables : public DbTest {
 protected:
  TempTables() {
    Run({"CREATE TABLE W (k Text(3) NOT NULL, d Text(5), n Byte, CONSTRAINT PK_W PRIMARY KEY (k))",
         "CREATE UNIQUE INDEX ByD ON W (d)", "INSERT INTO W VALUES ('f', 'file', 1)"});
  }

  /// The rows of W as another connection (another program) sees them.
  std::vector<std::string> SharedRows() {
    DBEngine other;
    auto db = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
    return RowsOf(*db->OpenRecordset("SELECT k, d, n FROM W ORDER BY k", dbOpenSnapshot));
  }
};

TEST_F(TempTables, TheCopyHidesTheFilesTableFromThisConnectionOnly) {
  // Statements this connection ran before the copy existed are cached.
  EXPECT_EQ(Rows("SELECT count(*) FROM W"), std::vector<std::string>{"1"});
  Db->CreateTempTable("w");
  EXPECT_EQ(Rows("SELECT count(*) FROM W"), std::vector<std::string>{"0"});

  Run({"INSERT INTO W VALUES ('a', 'uno', 1)", "UPDATE W SET n = 2 WHERE k = 'a'"});
  auto rs = Db->OpenRecordset("W", dbOpenDynaset);
  rs->AddNew();
  rs->Fields("k").SetValue("b");
  rs->Fields("d").SetValue("dos");
  rs->Update();
  rs->Close();
  EXPECT_EQ(Rows("SELECT k, d, n FROM W ORDER BY k"), (std::vector<std::string>{"a|uno|2", "b|dos|Null"}));
  EXPECT_EQ(SharedRows(), std::vector<std::string>{"f|file|1"});

  Run({"DELETE * FROM W"});
  EXPECT_EQ(SharedRows(), std::vector<std::string>{"f|file|1"});
}

TEST_F(TempTables, TheCopyHasTheDefinitionAndItsRules) {
  Db->CreateTempTable("W");
  std::shared_ptr<TableDef> t = Db->TableDefs("W");
  ASSERT_EQ(t->Fields().Count(), 3);
  EXPECT_EQ(t->Fields(1).Name(), "d");
  EXPECT_EQ(t->Fields(1).Size(), 5);
  EXPECT_TRUE(t->Fields(0).Required());
  ASSERT_EQ(t->Indexes().size(), 2u);
  EXPECT_EQ(t->Indexes()[0].Name, "PK_W");
  EXPECT_TRUE(t->Indexes()[0].Primary);
  // The list names the pair once.
  int named = 0;
  for (int i = 0; i < Db->TableDefs().Count(); ++i) named += Db->TableDefs(i)->Name() == "W";
  EXPECT_EQ(named, 1);

  Run({"INSERT INTO W VALUES ('a', 'uno', 1)"});
  struct Case {
    const char* What;
    const char* Sql;
    int Error;
  };
  const Case cases[] = {
      {"duplicate key", "INSERT INTO W VALUES ('a', 'otro', 1)", ErrDuplicateKey},
      {"duplicate in a unique index", "INSERT INTO W VALUES ('b', 'uno', 1)", ErrDuplicateKey},
      {"text longer than its size", "INSERT INTO W VALUES ('c', 'seisss', 1)", ErrFieldTooSmall},
      {"zero length", "INSERT INTO W VALUES ('c', '', 1)", ErrZeroLength},
      {"Byte above 255", "INSERT INTO W VALUES ('c', 'x', 256)", ErrNumericOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(c.Sql, dbFailOnError); }), c.Error) << c.What;
  }
  // A rule changed on the copy changes only the copy.
  t->Fields("d").SetAllowZeroLength(true);
  Run({"INSERT INTO W VALUES ('c', '', 1)"});
  DBEngine other;
  auto shared = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  EXPECT_EQ(ErrorNumberOf([&] { shared->Execute("INSERT INTO W VALUES ('g', '', 1)"); }), ErrZeroLength);
  EXPECT_FALSE(shared->TableDefs("W")->Fields("d").AllowZeroLength());
}

TEST_F(TempTables, WritesToTheCopyFollowTransactions) {
  Db->CreateTempTable("W");
  {
    Transaction t(Engine.Workspaces(0));
    Run({"INSERT INTO W VALUES ('a', 'uno', 1)"});
  }
  EXPECT_TRUE(Rows("SELECT k FROM W").empty());
  Atomically(Engine.Workspaces(0), [&] { Run({"INSERT INTO W VALUES ('a', 'uno', 1)"}); });
  EXPECT_EQ(Rows("SELECT k FROM W"), std::vector<std::string>{"a"});
}

TEST_F(TempTables, TheCopyOutlivesTheFilesTableAndEndsWithTheConnection) {
  Db->CreateTempTable("W");
  Run({"INSERT INTO W VALUES ('a', 'uno', 1)"});
  // Another program drops the file's table and makes it again.
  {
    DBEngine other;
    auto db = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
    db->Execute("DROP TABLE W");
    db->Execute("CREATE TABLE W (k Text(3), d Text(5), n Byte)");
  }
  EXPECT_EQ(Rows("SELECT k FROM W"), std::vector<std::string>{"a"});
  EXPECT_TRUE(SharedRows().empty());

  Db->Close();
  Db = Engine.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  EXPECT_TRUE(Rows("SELECT k FROM W").empty());
  Run({"INSERT INTO W VALUES ('b', 'dos', 2)"});
  EXPECT_EQ(SharedRows(), std::vector<std::string>{"b|dos|2"});
}

TEST_F(TempTables, DropTakesTheCopyFirst) {
  Db->CreateTempTable("W");
  Run({"DROP TABLE W"});
  EXPECT_EQ(Rows("SELECT k FROM W"), std::vector<std::string>{"f"});
  Run({"DROP TABLE W"});
  EXPECT_EQ(ErrorNumberOf([&] { Rows("SELECT k FROM W"); }), ErrNoSuchTable);
}

TEST_F(TempTables, OnlyATableOfTheFileCanBeCopiedAndOnlyOnce) {
  EXPECT_EQ(ErrorNumberOf([&] { Db->CreateTempTable("Nada"); }), ErrNoSuchTable);
  EXPECT_EQ(ErrorNumberOf([&] { Db->CreateTempTable("_dao_fields"); }), ErrNoSuchTable);
  Db->CreateTempTable("W");
  EXPECT_EQ(ErrorNumberOf([&] { Db->CreateTempTable("W"); }), ErrTableExists);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("CREATE TABLE W (a Byte)"); }), ErrTableExists);
}

}  // namespace
}  // namespace dao::testing
