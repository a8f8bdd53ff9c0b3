// Recordsets read their rows as they are asked for, share them while nothing
// changed, and give them back when closed.
#include <gtest/gtest.h>

#include "platform/db/Database.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

constexpr int kRows = 1000;

class Fetching : public DbTest {
 protected:
  Fetching() {
    Run({"CREATE TABLE CAB (Doc_id_d Text(15), Nombre Text(60), Estado Byte)",
         "ALTER TABLE CAB ADD CONSTRAINT PK_CAB PRIMARY KEY (Doc_id_d)"});
    auto& ws = Engine.Workspaces(0);
    ws.BeginTrans();
    for (int i = 0; i < kRows; ++i) {
      Db->Execute("INSERT INTO CAB VALUES ('" + Ruc(i) + "', 'Declarante " + std::to_string(i) + "', " +
                  std::to_string(i % 3) + ")");
    }
    ws.CommitTrans();
  }
  static std::string Ruc(int i) { return std::to_string(20100000000LL + i); }
  std::shared_ptr<Recordset> List() { return Db->OpenRecordset("SELECT Doc_id_d, Estado FROM CAB ORDER BY Doc_id_d"); }
};

TEST_F(Fetching, ReadsBothWaysOverManyRowsAndOnlyAsFarAsAsked) {
  const std::size_t before = RowsInMemory();
  auto rs = List();
  EXPECT_EQ(RowsInMemory() - before, 0u);  // nothing until a row is looked at
  for (int i = 0; i < 10; ++i) rs->MoveNext();
  EXPECT_EQ(RowsInMemory() - before, 11u);
  EXPECT_EQ(rs->AbsolutePosition(), 10);

  rs->MoveFirst();
  for (int i = 0; i < kRows; ++i, rs->MoveNext()) {
    ASSERT_EQ(Show(rs->Fields(0).Value()), Ruc(i));
    ASSERT_EQ(rs->AbsolutePosition(), i);
  }
  EXPECT_TRUE(rs->EOF_());
  for (int i = kRows; i-- > 0;) {
    rs->MovePrevious();
    ASSERT_EQ(Show(rs->Fields(0).Value()), Ruc(i));
    ASSERT_EQ(rs->Fields("Estado").Value(), vb::Variant::Byte(static_cast<std::uint8_t>(i % 3)));
  }
  rs->MovePrevious();
  EXPECT_TRUE(rs->BOF());

  rs->SetAbsolutePosition(777);
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(777));
  EXPECT_EQ(Show(rs->ValueAt(5, 0)), Ruc(5));
  EXPECT_EQ(rs->AbsolutePosition(), 777);  // reading by position does not move
  EXPECT_EQ(ErrorNumberOf([&] { rs->ValueAt(kRows, 0); }), ErrInvalidArgument);
}

// MoveLast reads up to the last row only when that row is looked at.
TEST_F(Fetching, MoveLastThenMoveFirstReadsNothing) {
  const std::size_t before = RowsInMemory();
  auto rs = List();
  rs->MoveLast();
  EXPECT_FALSE(rs->EOF_());
  rs->MoveFirst();
  EXPECT_EQ(RowsInMemory() - before, 1u);
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(0));
  rs->MoveLast();
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(kRows - 1));
  EXPECT_EQ(rs->AbsolutePosition(), kRows - 1);
  rs->MoveLast();
  rs->MovePrevious();
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(kRows - 2));
}

TEST_F(Fetching, RecordCountIsTheWholeCountBeforeAndAfterMoveLast) {
  const std::size_t before = RowsInMemory();
  auto rs = List();
  rs->MoveNext();
  EXPECT_EQ(rs->AbsolutePosition(), 1);
  EXPECT_EQ(rs->RecordCount(), kRows);
  EXPECT_EQ(RowsInMemory() - before, static_cast<std::size_t>(kRows));
  EXPECT_EQ(rs->AbsolutePosition(), 1);  // counting does not move
  rs->MoveLast();
  EXPECT_EQ(rs->RecordCount(), kRows);
  EXPECT_EQ(rs->AbsolutePosition(), kRows - 1);
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(kRows - 1));
}

TEST_F(Fetching, DeletedRowsAreSkippedByPositionAndCount) {
  auto rs = Db->OpenRecordset("SELECT * FROM CAB ORDER BY Doc_id_d");
  rs->SetAbsolutePosition(3);
  rs->Delete();
  rs->SetAbsolutePosition(1);
  rs->Delete();
  EXPECT_EQ(rs->RecordCount(), kRows - 2);
  rs->SetAbsolutePosition(2);
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(4));
  EXPECT_EQ(rs->AbsolutePosition(), 2);
  EXPECT_EQ(Show(rs->ValueAt(1, 0)), Ruc(2));
  rs->MoveLast();
  EXPECT_EQ(rs->AbsolutePosition(), kRows - 3);
}

// A query run again shares the rows while nothing changed; a row another
// program (here another connection) committed, or one written here, shows.
TEST_F(Fetching, RequeryShowsOnlyWhatChanged) {
  auto rs = List();
  ASSERT_EQ(rs->RecordCount(), kRows);
  const std::size_t held = RowsInMemory();
  rs->Requery();
  auto again = List();
  EXPECT_EQ(RowsInMemory(), held);  // the same rows, read once
  EXPECT_EQ(again->RecordCount(), kRows);

  {
    DBEngine other;
    other.Workspaces(0)
        .OpenDatabase(Folder / "test.mdb")
        ->Execute("INSERT INTO CAB VALUES ('10000000001', 'Nuevo', 0)");
  }
  EXPECT_EQ(rs->RecordCount(), kRows);  // not until the next refresh
  rs->Requery();
  EXPECT_EQ(rs->RecordCount(), kRows + 1);
  EXPECT_EQ(Show(rs->Fields(0).Value()), "10000000001");

  Db->Execute("DELETE * FROM CAB WHERE Doc_id_d = '10000000001'");
  rs->Requery();
  EXPECT_EQ(rs->RecordCount(), kRows);
  EXPECT_EQ(Show(rs->Fields(0).Value()), Ruc(0));
}

TEST_F(Fetching, ClosingGivesTheRowsBack) {
  const std::size_t before = RowsInMemory();
  auto rs = List();
  auto other = List();
  ASSERT_FALSE(other->EOF_());  // both look at the rows
  ASSERT_EQ(rs->RecordCount(), kRows);
  EXPECT_EQ(RowsInMemory() - before, static_cast<std::size_t>(kRows));
  rs->Close();
  EXPECT_EQ(RowsInMemory() - before, static_cast<std::size_t>(kRows));  // the other still reads them
  other.reset();
  EXPECT_EQ(RowsInMemory(), before);
}

// Rows left unread hold no lock once the program waits or writes: another
// program saves meanwhile, and a write here does not change what is read.
TEST_F(Fetching, UnreadRowsHoldNoLockWhileTheProgramWaits) {
  auto rs = List();
  rs->MoveNext();
  ReleaseReadLocks();
  WithOtherProgram(
      [&] {
        DBEngine other;
        other.SetLockWaitMs(100);
        other.Workspaces(0).OpenDatabase(Folder / "test.mdb")->Execute("INSERT INTO CAB VALUES ('1', 'Otro', 0)");
      },
      [] {});
  auto pending = List();
  pending->MoveNext();
  Db->Execute("INSERT INTO CAB VALUES ('99999999999', 'Último', 0)");
  EXPECT_EQ(pending->RecordCount(), kRows + 1);  // as it was when the write came
  EXPECT_EQ(rs->RecordCount(), kRows);
}

// Once the program has waited for the user, a list holds the rows of one
// run of its query: rows another program adds meanwhile, before or after
// those read, stay out until it is run again, and none shows twice, not
// even among rows that are all alike.
TEST_F(Fetching, AListLetGoOfHoldsTheRowsOfOneRun) {
  const struct {
    const char* sql;
    long rows;
    long rowsRunAgain;
  } lists[] = {
      {"SELECT Doc_id_d FROM CAB ORDER BY Doc_id_d", kRows, kRows + 2},  // in the key's order: SQLite sorts nothing
      {"SELECT Estado FROM CAB WHERE Estado = 1", kRows / 3, kRows / 3},  // every row the same
  };
  int added = 0;
  for (const auto& list : lists) {
    SCOPED_TRACE(list.sql);
    auto rs = Db->OpenRecordset(list.sql);
    ASSERT_FALSE(rs->EOF_());
    rs->MoveNext();
    ReleaseReadLocks();  // the user is waited for
    WithOtherProgram(
        [&] {
          DBEngine other;
          auto db = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
          db->Execute("INSERT INTO CAB VALUES ('1000000000" + std::to_string(added) + "', 'Antes', 0)");
          db->Execute("INSERT INTO CAB VALUES ('2999999999" + std::to_string(added) + "', 'Después', 0)");
        },
        [] {});
    added += 2;
    EXPECT_EQ(rs->RecordCount(), list.rows);
    long read = 0;
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) ++read;
    EXPECT_EQ(read, list.rows);
    rs->Requery();
    rs->MoveLast();
    EXPECT_EQ(rs->RecordCount(), list.rowsRunAgain);
  }
  auto first = Db->OpenRecordset(lists[0].sql);
  for (int i = 0; i < kRows; ++i) {
    first->MoveNext();
    if (i % 100 == 0) ReleaseReadLocks();
  }
  first->MoveFirst();
  EXPECT_EQ(Show(first->Fields(0).Value()), "10000000000");
}

// A list sorted by what no key orders is made whole before its first row:
// read a screen at a time, as a grid reads it, its query runs once, and a
// row another program adds between two screens changes nothing of what it shows.
TEST_F(Fetching, ASortedListReadAScreenAtATimeRunsItsQueryOnce) {
  constexpr long kScreen = 256;
  int runs = 0;
  Engine.SetSqlObserver([&](std::string_view sql) { runs += sql.find("ORDER BY \"Nombre\"") != std::string_view::npos; });
  auto rs = Db->OpenRecordset("SELECT Doc_id_d, Nombre FROM CAB ORDER BY Nombre DESC");
  std::vector<long> shown;
  for (long read = 0; shown.empty() || rs->MoreRows(); read = rs->RowsRead()) {
    rs->HasPosition(read + kScreen - 1);
    ReleaseReadLocks();  // the user is waited for
    shown.push_back(rs->RowsRead());
    if (shown.size() == 1) {
      DBEngine other;
      other.Workspaces(0).OpenDatabase(Folder / "test.mdb")->Execute("INSERT INTO CAB VALUES ('1', 'Zzz', 0)");
    }
  }
  Engine.SetSqlObserver(nullptr);
  EXPECT_EQ(runs, 1);
  ASSERT_EQ(rs->RecordCount(), kRows);
  rs->MoveFirst();
  EXPECT_EQ(Show(rs->Fields("Nombre").Value()), "Declarante 999");
  rs->Requery();
  EXPECT_EQ(Show(rs->Fields("Nombre").Value()), "Zzz");
}

// A recordset opened only to add rows reads none of the table's.
TEST_F(Fetching, AddingRowsReadsNone) {
  const std::size_t before = RowsInMemory();
  int added = 0;
  for (int type : {dbOpenTable, dbOpenDynaset}) {
    SCOPED_TRACE(type);
    for (const std::string source : {"CAB", "SELECT * FROM CAB"}) {
      if (type == dbOpenTable && source != "CAB") continue;
      auto rs = Db->OpenRecordset(source, type);
      rs->AddNew();
      rs->Fields("Doc_id_d").SetValue(vb::Variant("3000000000" + std::to_string(added++)));
      rs->Fields("Nombre").SetValue(vb::Variant("Nuevo"));
      rs->Update();
      EXPECT_EQ(RowsInMemory(), before);
      // Looked at afterwards, its rows are the table's, the new one among them once.
      EXPECT_EQ(rs->RecordCount(), kRows + added);
      rs->Close();
    }
  }
  EXPECT_EQ(Rows("SELECT count(*) FROM CAB WHERE Nombre = 'Nuevo'"), std::vector<std::string>{"3"});
}

// Values are kept as compactly as they allow and read back as they were.
TEST_F(Fetching, ValuesComeBackAsStored) {
  const std::string largo(300, 'x');
  struct Case {
    std::string Expression;
    vb::Variant Expected;
  } cases[] = {
      {"0", vb::Variant::Long(0)},
      {"-31", vb::Variant::Long(-31)},
      {"32", vb::Variant::Long(32)},
      {"2147483647", vb::Variant::Long(2147483647)},
      {"-2147483648", vb::Variant::Long(-2147483647 - 1)},
      {"5000000000", vb::Variant(5000000000.0)},
      {"2.5", vb::Variant(2.5)},
      {"37695.0", vb::Variant(37695.0)},
      {"-1.0", vb::Variant(-1.0)},
      {"1e300", vb::Variant(1e300)},
      {"''", vb::Variant(std::string())},
      {"'Ñandú'", vb::Variant(std::string("Ñandú"))},
      {"'" + largo + "'", vb::Variant(largo)},
      {"Null", vb::Variant::Null()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Expression);
    auto rs = Db->OpenRecordset("SELECT " + c.Expression + " AS v, Estado FROM CAB WHERE Doc_id_d = '" + Ruc(4) + "'");
    EXPECT_EQ(rs->Fields(0).Value(), c.Expected);
    EXPECT_EQ(rs->Fields(1).Value(), vb::Variant::Byte(1));
  }
}

}  // namespace
}  // namespace dao::testing
