// Every statement a database prepared is finalized, and every connection
// freed, whatever the order of work: a long session gives SQLite's memory
// back when it closes its database.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "platform/db/Database.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

class Memory : public DbTest {
 protected:
  Memory() {
    Run({"CREATE TABLE UNO (t Text(20), n Long, d Double)", "INSERT INTO UNO VALUES ('Peña Díaz', 1234, 3.5)",
         "INSERT INTO UNO VALUES ('Ruiz', 5, 0.5)"});
    Reopen();  // SQLite's own first-use allocations are made before the count starts
  }
  void Reopen() {
    Db->Close();
    Db = Engine.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  }
  void Read(const std::string& sql, int rows = 4) {
    auto rs = Db->OpenRecordset(sql, dbOpenSnapshot);
    for (int row = 0; row < rows && !rs->EOF_(); ++row, rs->MoveNext()) {
      for (int i = 0; i < rs->Fields().Count(); ++i) rs->Fields(i).Value();
    }
  }
};

TEST_F(Memory, ALongSessionGivesBackWhatItUsedWhenItCloses) {
  Db->Close();
  const sqlite3_int64 before = sqlite3_memory_used();
  Db = Engine.Workspaces(0).OpenDatabase(Folder / "test.mdb");

  // One shape of statement whose whole numbers are written into it or bound,
  // by which of them are whole: each way is a statement of its own.
  for (const char* sql : {"SELECT instr(1, t, 'a', 1) FROM UNO", "SELECT instr(1.5, t, 'a', 1) FROM UNO",
                          "SELECT instr(2, t, 'a', 1.5) FROM UNO", "SELECT instr(1.5, t, 'a', 1) FROM UNO",
                          "SELECT instr(2, t, 'a', 1.5) FROM UNO", "SELECT instr(1, t, 'a', 1) FROM UNO",
                          "SELECT left(t, 0) FROM UNO", "SELECT left(t, '2') FROM UNO", "SELECT left(t, 0.6) FROM UNO"}) {
    SCOPED_TRACE(sql);
    Read(sql);
  }
  // More distinct statements than the caches keep, some left half read while others run.
  std::shared_ptr<Recordset> open;
  for (int k = 0; k < 1200; ++k) {
    const std::string n = std::to_string(k);
    if (k % 100 == 0) open = Db->OpenRecordset("SELECT n AS open" + n + " FROM UNO", dbOpenSnapshot);
    if (k % 100 == 1) open->MoveFirst();
    Read("SELECT n + " + n + " AS c" + n + ", left(t, " + std::to_string(k % 7) + ") FROM UNO");
    if (k % 10 == 0) Db->Execute("UPDATE UNO SET d = d + 1 WHERE n = " + n);
  }
  Db->Close();
  open.reset();
  Db.reset();
  EXPECT_EQ(sqlite3_memory_used(), before);
}

}  // namespace
}  // namespace dao::testing
