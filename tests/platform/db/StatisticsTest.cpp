// A database keeps statistics of its tables as its connections close, so a
// read that names only the later columns of a key is answered by that key.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/JetFunctions.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

using ::testing::HasSubstr;

// A key whose first column has one value, as the document type of a RUC.
class Statistics : public DbTest {
 protected:
  Statistics() {
    Run({"CREATE TABLE DET (tip_doc_d Long, Doc_id_d Text(15), Casilla Text(3), i_valor Text(20))",
         "ALTER TABLE DET ADD CONSTRAINT PK_DET PRIMARY KEY (tip_doc_d, Doc_id_d, Casilla)"});
    auto& ws = Engine.Workspaces(0);
    ws.BeginTrans();
    for (int i = 0; i < 400; ++i) {
      for (const char* casilla : {"100", "107", "114", "121", "128"}) {
        Db->Execute("INSERT INTO DET VALUES (6, '" + std::to_string(20100000000LL + i) + "', '" + casilla + "', '1')");
      }
    }
    ws.CommitTrans();
  }

  // How SQLite answers the read of one document's rows of `table`, as the layer asks it.
  std::string Plan(const std::string& table = "DET") {
    std::string asked;
    Engine.SetSqlObserver([&](std::string_view sql) {
      if (sql.find("FROM \"" + table + "\"") != std::string_view::npos) asked = sql;
    });
    Db->OpenRecordset("SELECT * FROM " + table + " WHERE Doc_id_d = '20100000007'", dbOpenSnapshot)->EOF_();
    Engine.SetSqlObserver(nullptr);
    sqlite3* raw = nullptr;
    sqlite3_open_v2((Folder / "test.mdb").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    detail::RegisterJetFunctions(raw);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, ("EXPLAIN QUERY PLAN " + asked).c_str(), -1, &stmt, nullptr);
    std::string plan;
    while (sqlite3_step(stmt) == SQLITE_ROW) plan += reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3));
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return plan;
  }

  void Reopen(bool readOnly = false) {
    Db->Close();
    Db = Engine.Workspaces(0).OpenDatabase(Folder / "test.mdb", false, readOnly);
  }
};

TEST_F(Statistics, AReadByTheKeysLaterColumnsUsesTheKeyOnceTheDatabaseWasClosed) {
  EXPECT_THAT(Plan(), HasSubstr("SCAN DET"));
  Reopen();
  EXPECT_THAT(Plan(), HasSubstr("SEARCH DET USING INDEX"));
  EXPECT_THAT(Plan(), HasSubstr("Doc_id_d=?"));
  EXPECT_EQ(Rows("SELECT Casilla FROM DET WHERE Doc_id_d = '20100000007' ORDER BY Casilla"),
            (std::vector<std::string>{"100", "107", "114", "121", "128"}));
}

// A table measured when it held few rows is measured again once it holds
// many times more, whatever the reads it had.
TEST_F(Statistics, ATableThatGrewTenfoldIsMeasuredAgain) {
  Run({"CREATE TABLE CAB (tip_doc_d Long, Doc_id_d Text(15), estado Long)",
       "ALTER TABLE CAB ADD CONSTRAINT PK_CAB PRIMARY KEY (tip_doc_d, Doc_id_d)"});
  for (int i = 0; i < 3; ++i) Db->Execute("INSERT INTO CAB VALUES (6, '" + std::to_string(20100000000LL + i) + "', 0)");
  Reopen();
  auto& ws = Engine.Workspaces(0);
  ws.BeginTrans();
  for (int i = 3; i < 300; ++i) Db->Execute("INSERT INTO CAB VALUES (6, '" + std::to_string(20100000000LL + i) + "', 0)");
  ws.CommitTrans();
  EXPECT_THAT(Plan("CAB"), HasSubstr("SCAN CAB"));
  Reopen();
  EXPECT_THAT(Plan("CAB"), HasSubstr("SEARCH CAB USING INDEX"));
}

// A connection that may not write, or that finds the file held by another
// program as it closes, leaves the statistics as they are and closes all
// the same; the reads are then only slower.
TEST_F(Statistics, AFileThatCannotBeChangedIsLeftAsItIs) {
  Db->Close();
  sqlite3* raw = nullptr;
  sqlite3_open((Folder / "test.mdb").c_str(), &raw);
  ASSERT_EQ(sqlite3_exec(raw, "DROP TABLE sqlite_stat1", nullptr, nullptr, nullptr), SQLITE_OK);  // made before
  sqlite3_close(raw);

  Reopen(true);
  Reopen();
  EXPECT_THAT(Plan(), HasSubstr("SCAN DET"));
  WithOtherProgram(
      [&] {
        sqlite3* other = nullptr;
        sqlite3_open((Folder / "test.mdb").c_str(), &other);
        if (sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) throw 1;
      },
      [&] { Db->Close(); });
  Db = Engine.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  EXPECT_THAT(Plan(), HasSubstr("SCAN DET"));
}

// Any program may write sqlite_stat1. A row the layer cannot read as a
// table's count counts for no table, and closing goes on as always; a row
// that names no table is left as it is (SQLite's own optimize may measure
// again a table whose row it finds out of all reason).
TEST_F(Statistics, AnOddRowOfAnotherProgramIsLeftAsItIsAndNeverEndsTheProgram) {
  Reopen();  // measured: sqlite_stat1 holds the key's row
  const std::string path = Folder / "test.mdb";
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
  auto rowExists = [&](sqlite3_int64 rowid) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(other, "SELECT 1 FROM sqlite_stat1 WHERE rowid = ?1", -1, &stmt, nullptr);
    sqlite3_bind_int64(stmt, 1, rowid);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
  };
  const struct {
    const char* what;
    const char* row;
    bool namesNoTable;
  } cases[] = {
      {"a name that is Null", "(NULL, NULL, '5 1')", true},
      {"a name that is a number", "(42, NULL, '5 1')", true},
      {"a name that is a blob", "(x'00ff', NULL, '5 1')", true},
      {"an unknown table", "('NOSUCH', NULL, '10 1')", true},
      {"a count that is Null", "('DET', 'PK_DET', NULL)", false},
      {"a count that is a blob", "('DET', 'PK_DET', x'31')", false},
      {"a negative count", "('DET', NULL, '-5 1')", false},
      {"a count past the largest number", "('DET', NULL, '99999999999999999999 1')", false},
      {"a name in another case", "('det', NULL, '2000 1')", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(sqlite3_exec(other, (std::string("INSERT INTO sqlite_stat1 VALUES ") + c.row).c_str(), nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    const sqlite3_int64 odd = sqlite3_last_insert_rowid(other);
    EXPECT_NO_THROW(Reopen());
    EXPECT_EQ(Rows("SELECT count(*) FROM DET WHERE Doc_id_d = '20100000007'"), std::vector<std::string>{"5"});
    EXPECT_NO_THROW(Reopen());
    if (c.namesNoTable) {
      EXPECT_TRUE(rowExists(odd));
    }
    sqlite3_exec(other, ("DELETE FROM sqlite_stat1 WHERE rowid = " + std::to_string(odd)).c_str(), nullptr, nullptr,
                 nullptr);
  }
  sqlite3_close(other);
  EXPECT_THAT(Plan(), HasSubstr("SEARCH DET USING INDEX"));
}

// A program that may write the schema can give sqlite_stat1 other columns:
// the statistics cannot be read, and are left as they are.
TEST_F(Statistics, ATableOfStatisticsOfAnotherShapeIsLeftAsItIs) {
  Db->Close();
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((Folder / "test.mdb").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other,
                         "DROP TABLE IF EXISTS sqlite_stat1; PRAGMA writable_schema=ON; INSERT INTO sqlite_schema VALUES "
                         "('table', 'sqlite_stat1', 'sqlite_stat1', 0, 'CREATE TABLE sqlite_stat1(a)')",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(other);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i == 0 ? "opened and closed" : "opened again");
    EXPECT_NO_THROW(Reopen());
    EXPECT_EQ(Rows("SELECT count(*) FROM DET WHERE Doc_id_d = '20100000007'"), std::vector<std::string>{"5"});
  }
  EXPECT_NO_THROW(Db->Close());
  ASSERT_EQ(sqlite3_open((Folder / "test.mdb").c_str(), &other), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(other, "SELECT sql FROM sqlite_schema WHERE name = 'sqlite_stat1'", -1, &stmt, nullptr);
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "CREATE TABLE sqlite_stat1(a)");
  sqlite3_finalize(stmt);
  sqlite3_close(other);
}

}  // namespace
}  // namespace dao::testing
