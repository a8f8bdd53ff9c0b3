// The engine: workgroup accounts, opening databases, transactions, and other programs' locks.
#include <gtest/gtest.h>
#include <sodium.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

#include "platform/db/Transaction.h"
#include "platform/db/Workgroup.h"
#include "tests/platform/db/DbTestSupport.h"
#include "tests/support/NotAFile.h"

namespace dao::testing {
namespace {

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

TEST(Workgroup, AccountsAreCheckedByNameAndPassword) {
  TempFolder folder;
  const std::string mdw = folder / "KR000.MDW";
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "admin", ""); }), ErrWorkgroupMissing);
  CreateWorkgroupFile(mdw);
  EXPECT_EQ(ErrorNumberOf([&] { CreateWorkgroupFile(mdw); }), 58);
  SetWorkgroupAccount(mdw, "KRUSUARI", "Cl@ve'01", true);
  SetWorkgroupAccount(mdw, "lector", "leer", false);

  WorkgroupAccount a = CheckWorkgroupAccount(mdw, "krusuari", "Cl@ve'01");
  EXPECT_EQ(a.User, "KRUSUARI");
  EXPECT_TRUE(a.MayCreateTables);
  EXPECT_FALSE(CheckWorkgroupAccount(mdw, "LECTOR", "leer").MayCreateTables);
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "KRUSUARI", "cl@ve'01"); }), ErrAccountRefused);
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "nadie", "leer"); }), ErrAccountRefused);

  // A new password replaces the old one; the file holds no password as written.
  SetWorkgroupAccount(mdw, "Lector", "otra", false);
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "lector", "leer"); }), ErrAccountRefused);
  EXPECT_EQ(CheckWorkgroupAccount(mdw, "lector", "otra").User, "Lector");
  std::ifstream in(mdw);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.find("otra"), std::string::npos);
  EXPECT_EQ(text.find("Cl@ve"), std::string::npos);
  EXPECT_NE(text.find("$argon2id$"), std::string::npos);

  // An empty password is a password like any other, however it is given.
  SetWorkgroupAccount(mdw, "vacio", std::string_view(), false);
  EXPECT_EQ(CheckWorkgroupAccount(mdw, "VACIO", std::string_view()).User, "vacio");
  EXPECT_EQ(CheckWorkgroupAccount(mdw, "VACIO", "").User, "vacio");
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "lector", std::string_view()); }), ErrAccountRefused);

  EXPECT_EQ(ErrorNumberOf([&] { SetWorkgroupAccount(mdw, "con\ttab", "x", false); }), vb::ErrInvalidCall);
  std::ofstream(folder / "foreign.mdw") << "not a workgroup\n";
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(folder / "foreign.mdw", "admin", ""); }), ErrWorkgroupMissing);
}

// A new workgroup file at `mdw` holding the account KRUSUARI; answers its bytes.
std::string WorkgroupOfOneAccount(const std::string& mdw) {
  CreateWorkgroupFile(mdw);
  SetWorkgroupAccount(mdw, "KRUSUARI", "Cl@ve'01", true);
  std::ifstream in(mdw, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A workgroup file that cannot be read whole is the file's fault (3028), never the account's.
TEST(Workgroup, ADamagedFileIsAMissingWorkgroupNotARefusedAccount) {
  TempFolder folder;
  const std::string mdw = folder / "KR000.MDW";
  const std::string whole = WorkgroupOfOneAccount(mdw);
  const std::string cut = folder / "cortado.mdw";
  for (std::size_t length = 0; length < whole.size(); ++length) {
    // Cut right after a line, the file is whole, with fewer accounts.
    if (length > 0 && whole[length - 1] == '\n') continue;
    std::ofstream(cut, std::ios::binary | std::ios::trunc) << whole.substr(0, length);
    EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(cut, "KRUSUARI", "Cl@ve'01"); }), ErrWorkgroupMissing)
        << length;
  }
  // A damaged hash in a file that ends well: every shortening of its digest,
  // whatever bits the shortened digest happens to end with.
  for (std::size_t lost = 1; lost <= 8; ++lost) {
    std::string damaged = whole;
    damaged.erase(damaged.size() - 1 - lost, lost);
    std::ofstream(cut, std::ios::binary | std::ios::trunc) << damaged;
    EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(cut, "KRUSUARI", "Cl@ve'01"); }), ErrWorkgroupMissing)
        << lost;
  }
  // A file that cannot be read, and a folder in its place.
  std::ofstream(cut, std::ios::binary | std::ios::trunc) << whole;
  std::filesystem::permissions(cut, std::filesystem::perms::none);
  if (::access(cut.c_str(), R_OK) != 0) {  // root reads it anyway
    EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(cut, "KRUSUARI", "Cl@ve'01"); }), ErrWorkgroupMissing);
  }
  EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(folder.Path(), "KRUSUARI", "Cl@ve'01"); }), ErrWorkgroupMissing);
  EXPECT_EQ(CheckWorkgroupAccount(mdw, "krusuari", "Cl@ve'01").User, "KRUSUARI");
}

// What another user put at the workgroup file's name instead of a file is a
// missing workgroup, told at once.
TEST(Workgroup, WhatStandsAtItsNameInsteadOfAFileIsAMissingWorkgroupAtOnce) {
  TempFolder folder;
  const std::string mdw = folder / "KR000.MDW";
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    kr::testing::Planted planted(c.Kind, mdw);
    const std::optional<std::string> answer = kr::testing::AnswerInChild(
        [&] { return std::to_string(ErrorNumberOf([&] { CheckWorkgroupAccount(mdw, "KRUSUARI", "Cl@ve'01"); })); },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, std::to_string(ErrWorkgroupMissing));
  }
}

// The hash's cost is the file's to say, within reach of what the system
// writes: beyond it the file is damaged, and nothing is hashed for it.
TEST(Workgroup, CostsOutOfRangeMakeADamagedFile) {
  TempFolder folder;
  const std::string mdw = folder / "KR000.MDW";
  const std::string whole = WorkgroupOfOneAccount(mdw);
  constexpr std::string_view kCosts = "$m=9216,t=4,p=1$";
  const std::size_t at = whole.find(kCosts);
  ASSERT_NE(at, std::string::npos);
  const char* costs[] = {
      "$m=4194304,t=4,p=1$",  // 4 GiB at every start
      "$m=73729,t=4,p=1$",    // past 8 times the memory
      "$m=9216,t=33,p=1$",    // past 8 times the passes
      "$m=1151,t=4,p=1$",     // below an eighth of the memory
      "$m=9216,t=0,p=1$",
      "$m=9216,t=4,p=2$",
      "$m=99999999999,t=4,p=1$",
      "$m=9216,t=4$",
  };
  const std::string cut = folder / "costoso.mdw";
  for (const char* c : costs) {
    SCOPED_TRACE(c);
    std::ofstream(cut, std::ios::binary | std::ios::trunc) << std::string(whole).replace(at, kCosts.size(), c);
    EXPECT_EQ(ErrorNumberOf([&] { CheckWorkgroupAccount(cut, "KRUSUARI", "Cl@ve'01"); }), ErrWorkgroupMissing);
    EXPECT_EQ(ErrorNumberOf([&] { SetWorkgroupAccount(cut, "OTRO", "x", false); }), ErrWorkgroupMissing);
  }
  // A file written under other costs within reach keeps verifying.
  for (auto [passes, bytes] : {std::pair{1ull, std::size_t{1152} << 10}, std::pair{8ull, std::size_t{18} << 20}}) {
    char hash[crypto_pwhash_STRBYTES];
    ASSERT_EQ(crypto_pwhash_str(hash, "clave", 5, passes, bytes), 0);
    std::ofstream(cut, std::ios::binary | std::ios::trunc) << "KR-WORKGROUP 1\naccount\tKRUSUARI\t-\t" << hash << "\n";
    EXPECT_EQ(CheckWorkgroupAccount(cut, "KRUSUARI", "clave").User, "KRUSUARI") << hash;
  }
}

TEST(Engine, TheDefaultWorkspaceOpensWithTheEnginesAccount) {
  TempFolder folder;
  const std::string mdw = folder / "KR000.MDW";
  {
    DBEngine engine;
    engine.SetSystemDB(mdw);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0); }), ErrWorkgroupMissing);
  }
  CreateWorkgroupFile(mdw);
  SetWorkgroupAccount(mdw, "KRUSUARI", "clave", true);
  SetWorkgroupAccount(mdw, "LECTOR", "leer", false);
  {
    DBEngine engine;
    engine.SetSystemDB(mdw);
    engine.SetDefaultUser("KRUSUARI");
    engine.SetDefaultPassword("mala");
    EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0); }), ErrAccountRefused);
    engine.SetDefaultPassword("clave");
    EXPECT_EQ(engine.Workspaces(0).UserName(), "KRUSUARI");
    EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(1); }), ErrItemNotFound);
    engine.Workspaces(0).CreateDatabase(folder / "KR000.MDB")->Execute("CREATE TABLE PARAM (Numero Text(3))");
  }
  {
    // An account without the right to change tables reads and writes rows, and changes no table.
    DBEngine engine;
    engine.SetSystemDB(mdw);
    engine.SetDefaultUser("lector");
    engine.SetDefaultPassword("leer");
    auto db = engine.Workspaces(0).OpenDatabase(folder / "KR000.MDB");
    db->Execute("INSERT INTO PARAM VALUES ('004')");
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("CREATE TABLE X (a Byte)"); }), ErrNoPermission);
    EXPECT_EQ(ErrorNumberOf([&] { db->Execute("DROP TABLE PARAM"); }), ErrNoPermission);
    EXPECT_EQ(ErrorNumberOf([&] { db->TableDefs("PARAM")->Fields(0).SetAllowZeroLength(true); }), ErrNoPermission);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0).CreateDatabase(folder / "otra.mdb"); }), ErrNoPermission);
  }
  {
    // Without a workgroup file the engine's one account is admin with no password.
    DBEngine engine;
    engine.SetDefaultUser("KRUSUARI");
    EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0); }), ErrAccountRefused);
    engine.SetDefaultUser("Admin");
    EXPECT_EQ(engine.Workspaces(0).UserName(), "admin");
  }
}

TEST(Engine, OpeningFailures) {
  TempFolder folder;
  DBEngine engine;
  Workspace& ws = engine.Workspaces(0);
  ws.CreateDatabase(folder / "KR000.MDB")->Close();
  std::ofstream(folder / "texto.mdb") << "SQLite? no: a plain text file that is long enough to have a header......"
                                         "................................................................\n";
  std::ofstream(folder / "vacio.mdb").flush();
  std::ofstream(folder / "corto.mdb") << "SQLite";
  struct Case {
    std::string Path;
    int Error;
  };
  const Case cases[] = {
      {folder / "NOHAY.MDB", ErrFileNotFound},
      {folder / "nohay/KR000.MDB", ErrInvalidPath},
      {folder / "", ErrInvalidPath},
      {folder / "texto.mdb", ErrUnrecognizedFormat},
      // An empty file is no database either, read-only or not.
      {folder / "vacio.mdb", ErrUnrecognizedFormat},
      {folder / "corto.mdb", ErrUnrecognizedFormat},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorNumberOf([&] { ws.OpenDatabase(c.Path); }), c.Error) << c.Path;
    EXPECT_EQ(ErrorNumberOf([&] { ws.OpenDatabase(c.Path, false, true); }), c.Error) << c.Path;
  }
  EXPECT_EQ(std::filesystem::file_size(folder / "vacio.mdb"), 0u);
  EXPECT_FALSE(Exists(folder / "NOHAY.MDB"));
  EXPECT_EQ(ErrorNumberOf([&] { ws.CreateDatabase(folder / "KR000.MDB"); }), ErrDatabaseExists);
  EXPECT_EQ(ErrorNumberOf([&] { ws.OpenDatabase(folder / "KR000.MDB", false, false, ";pwd=x"); }), ErrNoIsam);

  // The program's own path: backslashes, and a name written in another case.
  std::string windows = folder / "kr000.mdb";
  for (char& c : windows) c = c == '/' ? '\\' : c;
  auto db = ws.OpenDatabase(windows);
  EXPECT_EQ(db->Name(), windows);
  db->Close();

  auto reading = ws.OpenDatabase(folder / "KR000.MDB", false, true);
  EXPECT_EQ(ErrorNumberOf([&] { reading->Execute("CREATE TABLE X (a Byte)"); }), ErrReadOnly);
}

class Transactions : public DbTest {
 protected:
  Transactions() { Run({"CREATE TABLE CAB (k Text(5), estado Byte)", "INSERT INTO CAB VALUES ('old', 0)"}); }
  Workspace& Ws() { return Engine.Workspaces(0); }
};

TEST_F(Transactions, CommitKeepsAndRollbackUndoes) {
  Ws().BeginTrans();
  Db->Execute("UPDATE CAB SET estado = 9");
  auto rs = Db->OpenRecordset("CAB");
  rs->AddNew();
  rs->Fields("k").SetValue("new");
  rs->Update();
  Db->Execute("CREATE TABLE TMP (a Byte)");
  Ws().Rollback();
  EXPECT_EQ(Rows("SELECT * FROM CAB"), std::vector<std::string>{"old|0"});
  EXPECT_EQ(ErrorNumberOf([&] { Db->TableDefs("TMP"); }), ErrItemNotFound);

  // Nested: the inner rollback undoes its own part only.
  Ws().BeginTrans();
  Db->Execute("INSERT INTO CAB VALUES ('a', 1)");
  Ws().BeginTrans();
  Db->Execute("INSERT INTO CAB VALUES ('b', 1)");
  Ws().Rollback();
  Ws().CommitTrans();
  EXPECT_EQ(Rows("SELECT k FROM CAB ORDER BY k"), (std::vector<std::string>{"a", "old"}));

  EXPECT_EQ(ErrorNumberOf([&] { Ws().CommitTrans(); }), ErrNoTransaction);
  EXPECT_EQ(ErrorNumberOf([&] { Ws().Rollback(); }), ErrNoTransaction);
  for (int i = 0; i < 5; ++i) Ws().BeginTrans();
  EXPECT_EQ(ErrorNumberOf([&] { Ws().BeginTrans(); }), ErrTooManyTransactions);
  for (int i = 0; i < 5; ++i) Ws().Rollback();
}

// A save that fails half-way, undone as a whole: the previous version stays.
TEST_F(Transactions, AFailedSaveLeavesThePreviousVersion) {
  const int error = ErrorNumberOf([&] {
    Atomically(Ws(), [&] {
      Db->Execute("DELETE FROM CAB", dbFailOnError);
      Db->Execute("INSERT INTO CAB VALUES ('new', 0)", dbFailOnError);
      Db->Execute("INSERT INTO CAB VALUES ('toolong', 0)", dbFailOnError);
    });
  });
  EXPECT_EQ(error, ErrFieldTooSmall);
  EXPECT_EQ(Rows("SELECT * FROM CAB"), std::vector<std::string>{"old|0"});
  EXPECT_EQ(ErrorNumberOf([&] { Ws().CommitTrans(); }), ErrNoTransaction);  // nothing left open

  EXPECT_EQ(Atomically(Ws(), [&] {
              Db->Execute("UPDATE CAB SET estado = 9");
              return 7;
            }),
            7);
  EXPECT_EQ(Rows("SELECT * FROM CAB"), std::vector<std::string>{"old|9"});
}

TEST_F(Transactions, TheGuardRollsBackWhateverEndsItsScope) {
  {
    Transaction t(Ws());
    Db->Execute("INSERT INTO CAB VALUES ('a', 1)");
  }  // left without Commit
  EXPECT_EQ(Rows("SELECT k FROM CAB"), std::vector<std::string>{"old"});

  // Nested, the inner one is a savepoint: its failure undoes its own part only.
  {
    Transaction outer(Ws(), kWriteLock);
    Db->Execute("INSERT INTO CAB VALUES ('a', 1)");
    EXPECT_EQ(ErrorNumberOf([&] {
                Atomically(Ws(), [&] {
                  Db->Execute("INSERT INTO CAB VALUES ('b', 1)");
                  vb::Raise(3022);
                });
              }),
              3022);
    outer.Commit();
  }
  EXPECT_EQ(Rows("SELECT k FROM CAB ORDER BY k"), (std::vector<std::string>{"a", "old"}));

  // The error that ended the unit is the one told, even when the rollback fails too.
  EXPECT_EQ(ErrorNumberOf([&] {
              Atomically(Ws(), [&] {
                Ws().Rollback();  // the transaction is gone: the guard's own rollback fails
                vb::Raise(ErrFieldTooSmall);
              });
            }),
            ErrFieldTooSmall);
}

// A write transaction ends like any other, and a nested level inside it is a savepoint.
TEST_F(Transactions, AWriteTransactionCommitsAndRollsBackAsAWhole) {
  Ws().BeginWriteTrans();
  Db->Execute("INSERT INTO CAB VALUES ('a', 1)");
  Ws().BeginWriteTrans();
  Db->Execute("INSERT INTO CAB VALUES ('b', 1)");
  Ws().Rollback();
  Ws().CommitTrans();
  Ws().BeginWriteTrans();
  Db->Execute("DELETE FROM CAB");
  Ws().Rollback();
  EXPECT_EQ(Rows("SELECT k FROM CAB ORDER BY k"), (std::vector<std::string>{"a", "old"}));
  EXPECT_EQ(ErrorNumberOf([&] { Ws().CommitTrans(); }), ErrNoTransaction);

  // A database opened inside it joins it.
  Ws().CreateDatabase(Folder / "second.mdb")->Execute("CREATE TABLE T (a Byte)");
  Ws().BeginWriteTrans();
  auto second = Ws().OpenDatabase(Folder / "second.mdb");
  second->Execute("INSERT INTO T VALUES (1)");
  Ws().Rollback();
  EXPECT_EQ(second->OpenRecordset("T")->RecordCount(), 0);
}

// The statement hook sees each statement before it runs; one that stops
// there (as a crash would) leaves the statement unrun.
TEST_F(Transactions, TheStatementHookSeesEachStatementBeforeItRuns) {
  std::vector<std::string> seen;
  Db->SetStatementHook([&](std::string_view sql) {
    seen.emplace_back(sql);
    if (sql.find("'stop'") != std::string_view::npos) throw std::runtime_error("stopped");
  });
  Run({"INSERT INTO CAB VALUES ('a', 1)"});
  EXPECT_THROW(Db->Execute("INSERT INTO CAB VALUES ('stop', 2)"), std::runtime_error);
  EXPECT_EQ(seen, (std::vector<std::string>{"INSERT INTO CAB VALUES ('a', 1)", "INSERT INTO CAB VALUES ('stop', 2)"}));
  Db->SetStatementHook({});
  EXPECT_EQ(Rows("SELECT k FROM CAB ORDER BY k"), (std::vector<std::string>{"a", "old"}));
}

TEST(OtherPrograms, ADatabaseHeldExclusivelyIsRefusedWith3051) {
  TempFolder folder;
  const std::string path = folder / "KR000.MDB";
  {
    DBEngine engine;
    engine.Workspaces(0).CreateDatabase(path)->Execute("CREATE TABLE T (a Byte)");
  }
  std::shared_ptr<Database> held;
  DBEngine childEngine;
  WithOtherProgram(
      [&] { held = childEngine.Workspaces(0).OpenDatabase(path, true); },
      [&] {
        DBEngine engine;
        engine.SetLockWaitMs(100);
        try {
          engine.Workspaces(0).OpenDatabase(path);
          ADD_FAILURE() << "opened";
        } catch (const vb::Error& e) {
          EXPECT_EQ(e.Number(), ErrDatabaseLocked);
          EXPECT_NE(e.Description().find("exclusivo"), std::string::npos);
          EXPECT_NE(e.Description().find(path), std::string::npos);
        }
        EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0).OpenDatabase(path, true); }), ErrDatabaseLocked);
      });
  DBEngine engine;
  EXPECT_EQ(engine.Workspaces(0).OpenDatabase(path)->TableDefs().Count(), 1);
}

TEST(OtherPrograms, RowsLockedByAnotherProgramsTransaction) {
  TempFolder folder;
  const std::string path = folder / "KR000.MDB";
  {
    DBEngine engine;
    auto db = engine.Workspaces(0).CreateDatabase(path);
    db->Execute("CREATE TABLE T (a Byte)");
    db->Execute("INSERT INTO T VALUES (1)");
  }
  DBEngine childEngine;
  std::shared_ptr<Database> held;
  WithOtherProgram(
      [&] {
        held = childEngine.Workspaces(0).OpenDatabase(path);
        childEngine.Workspaces(0).BeginTrans();
        held->Execute("INSERT INTO T VALUES (2)");
      },
      [&] {
        DBEngine engine;
        engine.SetLockWaitMs(100);
        auto db = engine.Workspaces(0).OpenDatabase(path);
        auto rs = db->OpenRecordset("T");
        EXPECT_EQ(rs->RecordCount(), 1);  // reading goes on: the other program's row is not committed
        EXPECT_EQ(ErrorNumberOf([&] { db->Execute("INSERT INTO T VALUES (3)"); }), ErrUpdateLocked);
        rs->AddNew();
        rs->Fields("a").SetValue(4);
        EXPECT_EQ(ErrorNumberOf([&] { rs->Update(); }), ErrSaveLocked);
      });
}

TEST(OtherPrograms, AWriteTransactionWaitsForAnotherProgramsWriter) {
  TempFolder folder;
  const std::string path = folder / "KR000.MDB";
  {
    DBEngine engine;
    engine.Workspaces(0).CreateDatabase(path)->Execute("CREATE TABLE T (a Byte)");
  }
  DBEngine childEngine;
  std::shared_ptr<Database> held;
  WithOtherProgram(
      [&] {
        held = childEngine.Workspaces(0).OpenDatabase(path);
        childEngine.Workspaces(0).BeginWriteTrans();
      },
      [&] {
        DBEngine engine;
        engine.SetLockWaitMs(100);
        auto db = engine.Workspaces(0).OpenDatabase(path);
        EXPECT_EQ(db->OpenRecordset("T")->RecordCount(), 0);  // readers go on
        EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0).BeginWriteTrans(); }), ErrUpdateLocked);
        EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0).CommitTrans(); }), ErrNoTransaction);
      });
}

// Two programs that each read the highest number and insert the next one,
// many times at once, never take the same number.
TEST(OtherPrograms, WriteTransactionsOfTwoProgramsTakeTurns) {
  TempFolder folder;
  const std::string path = folder / "KR000.MDB";
  {
    DBEngine engine;
    engine.Workspaces(0).CreateDatabase(path)->Execute("CREATE TABLE T (n Long)");
  }
  constexpr int kEach = 40;
  auto takeNumbers = [&] {
    DBEngine engine;
    auto db = engine.Workspaces(0).OpenDatabase(path);
    for (int i = 0; i < kEach; ++i) {
      engine.Workspaces(0).BeginWriteTrans();
      auto rs = db->OpenRecordset("SELECT max(n) AS m FROM T", dbOpenSnapshot);
      const vb::Variant top = rs->Fields("m").Value();
      const long next = (top.IsNull() ? 0 : vb::CLng(top)) + 1;
      db->Execute("INSERT INTO T VALUES (" + std::to_string(next) + ")");
      engine.Workspaces(0).CommitTrans();
    }
  };
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int status = 0;
      try {
        takeNumbers();
      } catch (...) {
        status = 1;
      }
      ::_exit(status);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a program failed";
  }
  DBEngine engine;
  auto db = engine.Workspaces(0).OpenDatabase(path);
  auto rs = db->OpenRecordset("SELECT n FROM T ORDER BY n", dbOpenSnapshot);
  std::vector<std::string> expected;
  for (int n = 1; n <= 2 * kEach; ++n) expected.push_back(std::to_string(n));
  EXPECT_EQ(RowsOf(*rs), expected);
}

TEST(OtherPrograms, TwoExclusiveOpeningsInOneProgram) {
  TempFolder folder;
  DBEngine engine;
  engine.SetLockWaitMs(50);
  engine.Workspaces(0).CreateDatabase(folder / "a.mdb")->Close();
  auto first = engine.Workspaces(0).OpenDatabase(folder / "a.mdb", true);
  EXPECT_EQ(ErrorNumberOf([&] { engine.Workspaces(0).OpenDatabase(folder / "a.mdb"); }), ErrDatabaseLocked);
  first->Close();
  engine.Workspaces(0).OpenDatabase(folder / "a.mdb");
}

}  // namespace
}  // namespace dao::testing
