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

}  // namespace
}  // namespace dao::testing
