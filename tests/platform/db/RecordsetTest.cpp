// Recordsets: moving, finding, the edit buffer, Null and "", and what each kind allows.
#include <gtest/gtest.h>

#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

class Records : public DbTest {
 protected:
  Records() {
    Run({"CREATE TABLE DET (Doc_id_d Text(15), tip_doc_d Byte, Semana Short, Casilla Text(3), i_valor Text(20), "
         "cNumero Text(6))",
         "ALTER TABLE DET ADD CONSTRAINT PK_DET PRIMARY KEY (Doc_id_d, Casilla)",
         "INSERT INTO DET VALUES ('20100000001', 6, 0, '100', '1500', '000000')",
         "INSERT INTO DET VALUES ('20100000001', 6, 0, '140', '200', '000000')",
         "INSERT INTO DET VALUES ('20100000001', 6, 0, '598', '350', '000000')"});
    Db->TableDefs("DET")->Fields("i_valor").SetAllowZeroLength(true);
  }
};

TEST_F(Records, MovingThroughTheRows) {
  auto rs = Db->OpenRecordset("SELECT Casilla FROM DET ORDER BY Casilla");
  EXPECT_FALSE(rs->BOF());
  EXPECT_EQ(rs->RecordCount(), 3);
  EXPECT_EQ(rs->AbsolutePosition(), 0);
  rs->MoveLast();
  EXPECT_EQ(Show(rs->Fields(0).Value()), "598");
  EXPECT_EQ(rs->AbsolutePosition(), 2);
  rs->MoveNext();
  EXPECT_TRUE(rs->EOF_());
  EXPECT_EQ(rs->AbsolutePosition(), -1);
  EXPECT_EQ(ErrorNumberOf([&] { rs->Fields(0).Value(); }), ErrNoCurrentRecord);
  EXPECT_EQ(ErrorNumberOf([&] { rs->MoveNext(); }), ErrNoCurrentRecord);
  rs->MovePrevious();
  EXPECT_EQ(Show(rs->Fields(0).Value()), "598");
  rs->MoveFirst();
  rs->MovePrevious();
  EXPECT_TRUE(rs->BOF());
  EXPECT_EQ(ErrorNumberOf([&] { rs->MovePrevious(); }), ErrNoCurrentRecord);
  rs->MoveNext();
  EXPECT_EQ(Show(rs->Fields(0).Value()), "100");

  rs->SetAbsolutePosition(1);
  RowBookmark mark = rs->Bookmark();
  rs->MoveFirst();
  rs->SetBookmark(mark);
  EXPECT_EQ(Show(rs->Fields("casilla").Value()), "140");
  EXPECT_EQ(ErrorNumberOf([&] { rs->SetAbsolutePosition(3); }), ErrInvalidArgument);
  auto other = Db->OpenRecordset("SELECT Casilla FROM DET");
  EXPECT_EQ(ErrorNumberOf([&] { other->SetBookmark(mark); }), ErrInvalidBookmark);
  EXPECT_EQ(ErrorNumberOf([&] { rs->Fields("NoHay"); }), ErrItemNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { rs->Fields(1); }), ErrItemNotFound);

  auto empty = Db->OpenRecordset("SELECT * FROM DET WHERE Casilla = '999'");
  EXPECT_TRUE(empty->EOF_());
  EXPECT_TRUE(empty->BOF());
  EXPECT_EQ(empty->RecordCount(), 0);
  EXPECT_EQ(ErrorNumberOf([&] { empty->MoveFirst(); }), ErrNoCurrentRecord);
  EXPECT_EQ(ErrorNumberOf([&] { empty->Edit(); }), ErrNoCurrentRecord);
}

TEST_F(Records, FieldsComeInTheTablesColumnOrder) {
  auto rs = Db->OpenRecordset("DET");
  std::vector<std::string> names;
  for (int i = 0; i < rs->Fields().Count(); ++i) names.push_back(rs->Fields(i).Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Doc_id_d", "tip_doc_d", "Semana", "Casilla", "i_valor", "cNumero"}));
  EXPECT_EQ(Show(rs->Fields(3).Value()), "100");
  EXPECT_EQ(rs->Fields("TIP_DOC_D").Value(), vb::Variant::Byte(6));
}

// The edit buffer holds the assigned values, converted to the fields' types, before Update.
TEST_F(Records, EditBufferReadsBackPendingValues) {
  auto rs = Db->OpenRecordset("SELECT * FROM DET WHERE Doc_id_d = '20100000001'");
  rs->MoveLast();
  rs->AddNew();
  EXPECT_TRUE(rs->Fields("i_valor").Value().IsNull());
  rs->Fields("Doc_id_d").SetValue("20100000001");
  rs->Fields("tip_doc_d").SetValue("6");
  rs->Fields("Semana").SetValue(0.0);
  rs->Fields("Casilla").SetValue(180);
  rs->Fields("i_valor").SetValue("(1,234)");
  EXPECT_EQ(rs->Fields("tip_doc_d").Value(), vb::Variant::Byte(6));
  EXPECT_EQ(rs->Fields("Semana").Value(), vb::Variant::Integer(0));
  EXPECT_EQ(rs->Fields("Casilla").Value(), vb::Variant("180"));
  EXPECT_TRUE(rs->Fields("cNumero").Value().IsNull());
  rs->Fields("cNumero").SetValue("123456");
  rs->Update();
  // The row that was current stays current; the new one is at the end.
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "598");
  EXPECT_EQ(rs->RecordCount(), 4);
  rs->MoveLast();
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "180");
  EXPECT_EQ(Rows("SELECT i_valor, cNumero FROM DET WHERE Casilla = '180'"), std::vector<std::string>{"(1,234)|123456"});

  // Edit: the buffer starts from the row; only what is assigned is written.
  rs->MoveFirst();
  rs->Edit();
  rs->Fields("i_valor").SetValue("1600");
  EXPECT_EQ(Show(rs->Fields("i_valor").Value()), "1600");
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "100");
  Db->Execute("UPDATE DET SET cNumero = '999999' WHERE Casilla = '100'");
  rs->Update();
  EXPECT_EQ(Rows("SELECT i_valor, cNumero FROM DET WHERE Casilla = '100'"), std::vector<std::string>{"1600|999999"});
  EXPECT_EQ(Show(rs->Fields("i_valor").Value()), "1600");

  // CancelUpdate and moving drop the buffer.
  rs->Edit();
  rs->Fields("i_valor").SetValue("1");
  rs->CancelUpdate();
  rs->AddNew();
  rs->Fields("Casilla").SetValue("777");
  rs->MoveFirst();
  EXPECT_EQ(ErrorNumberOf([&] { rs->Update(); }), ErrUpdateWithoutEdit);
  EXPECT_EQ(Rows("SELECT i_valor FROM DET WHERE Casilla = '100' OR Casilla = '777'"), std::vector<std::string>{"1600"});
  EXPECT_EQ(ErrorNumberOf([&] { rs->Fields("i_valor").SetValue("2"); }), ErrUpdateWithoutEdit);
  EXPECT_EQ(ErrorNumberOf([&] { rs->CancelUpdate(); }), ErrUpdateWithoutEdit);

  // A failed Update keeps the buffer, so it can be mended.
  rs->AddNew();
  rs->Fields("Doc_id_d").SetValue("20100000001");
  rs->Fields("Casilla").SetValue("100");
  EXPECT_EQ(ErrorNumberOf([&] { rs->Update(); }), ErrDuplicateKey);
  rs->Fields("Casilla").SetValue("101");
  rs->Update();
  EXPECT_EQ(rs->RecordCount(), 5);
}

TEST_F(Records, NullIsNotTheEmptyText) {
  auto rs = Db->OpenRecordset("DET", dbOpenTable);
  for (const char* box : {"001", "002"}) {
    rs->AddNew();
    rs->Fields("Doc_id_d").SetValue("X");
    rs->Fields("Casilla").SetValue(box);
    if (std::string(box) == "002") rs->Fields("i_valor").SetValue("");
    rs->Update();
  }
  Db->Execute("INSERT INTO DET (Doc_id_d, Casilla, i_valor) VALUES ('X', '003', Null)");
  Db->Execute("INSERT INTO DET (Doc_id_d, Casilla, i_valor) VALUES ('X', '004', '')");
  auto read = Db->OpenRecordset("SELECT Casilla, i_valor, i_valor & '' AS joined FROM DET WHERE Doc_id_d = 'X' "
                                "ORDER BY Casilla");
  std::vector<std::string> kinds;
  while (!read->EOF_()) {
    const vb::Variant v = read->Fields("i_valor").Value();
    kinds.push_back(v.IsNull() ? "Null" : "'" + v.StringValue() + "'");
    EXPECT_EQ(read->Fields("joined").Value(), vb::Variant(""));
    read->MoveNext();
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"Null", "''", "Null", "''"}));
  EXPECT_EQ(Rows("SELECT count(*) FROM DET WHERE i_valor IS NULL"), std::vector<std::string>{"2"});
  EXPECT_EQ(Rows("SELECT count(*) FROM DET WHERE i_valor = ''"), std::vector<std::string>{"2"});
}

TEST_F(Records, FindFirstAndFindNext) {
  auto rs = Db->OpenRecordset("DET", dbOpenDynaset);
  rs->FindFirst("Casilla = '140' AND tip_doc_d = 6");
  EXPECT_FALSE(rs->NoMatch());
  EXPECT_EQ(Show(rs->Fields("i_valor").Value()), "200");
  rs->FindFirst("casilla Like '*0' ");
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "100");
  rs->FindNext("casilla Like '*0' ");
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "140");
  rs->FindNext("casilla Like '*0' ");
  EXPECT_TRUE(rs->NoMatch());
  EXPECT_EQ(Show(rs->Fields("Casilla").Value()), "140");
  rs->FindFirst("DET.i_valor = '350'");
  rs->Delete();
  EXPECT_EQ(ErrorNumberOf([&] { rs->Fields("Casilla").Value(); }), ErrRecordDeleted);
  rs->FindFirst("i_valor = '350'");
  EXPECT_TRUE(rs->NoMatch());
  EXPECT_EQ(rs->RecordCount(), 2);
  EXPECT_EQ(Rows("SELECT count(*) FROM DET"), std::vector<std::string>{"2"});
  EXPECT_EQ(ErrorNumberOf([&] { rs->FindFirst("NoHay = 1"); }), ErrTooFewParameters);

  // A snapshot over a computed column finds by the computed values.
  auto snap = Db->OpenRecordset("SELECT Casilla, val(i_valor) * 2 AS doble FROM DET", dbOpenSnapshot);
  snap->FindFirst("doble > 1000");
  EXPECT_EQ(Show(snap->Fields("Casilla").Value()), "100");
}

TEST_F(Records, WhatEachKindAllows) {
  auto snapshot = Db->OpenRecordset("SELECT * FROM DET", dbOpenSnapshot);
  EXPECT_EQ(ErrorNumberOf([&] { snapshot->AddNew(); }), ErrReadOnly);
  EXPECT_EQ(ErrorNumberOf([&] { snapshot->Edit(); }), ErrReadOnly);
  EXPECT_EQ(ErrorNumberOf([&] { snapshot->Delete(); }), ErrReadOnly);

  auto forward = Db->OpenRecordset("SELECT * FROM DET", dbOpenForwardOnly);
  forward->MoveNext();
  EXPECT_EQ(ErrorNumberOf([&] { forward->MovePrevious(); }), ErrNotForThisObject);
  EXPECT_EQ(ErrorNumberOf([&] { forward->MoveFirst(); }), ErrNotForThisObject);
  EXPECT_EQ(ErrorNumberOf([&] { forward->Edit(); }), ErrReadOnly);

  auto grouped = Db->OpenRecordset("SELECT count(*) AS n FROM DET");
  EXPECT_EQ(ErrorNumberOf([&] { grouped->Edit(); }), ErrReadOnly);
  auto joined = Db->OpenRecordset("SELECT A.Casilla FROM DET AS A, DET AS B WHERE A.Casilla = B.Casilla");
  EXPECT_EQ(ErrorNumberOf([&] { joined->AddNew(); }), ErrReadOnly);

  auto computed = Db->OpenRecordset("SELECT Casilla, i_valor & '!' AS shout FROM DET");
  computed->Edit();
  EXPECT_EQ(ErrorNumberOf([&] { computed->Fields("shout").SetValue("x"); }), ErrFieldNotUpdatable);
  computed->Fields("Casilla").SetValue("101");
  computed->Update();
  EXPECT_EQ(Rows("SELECT Casilla FROM DET ORDER BY 1")[0], "101");

  EXPECT_EQ(ErrorNumberOf([&] { Db->OpenRecordset("SELECT * FROM DET", dbOpenTable); }), ErrInvalidOperation);
  EXPECT_EQ(ErrorNumberOf([&] { Db->OpenRecordset("DET", 3); }), ErrInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { Db->OpenRecordset("NOHAY"); }), ErrNoSuchTable);
  EXPECT_EQ(ErrorNumberOf([&] { Db->OpenRecordset("DELETE FROM DET"); }), ErrInvalidOperation);
}

TEST_F(Records, RecordsetsHoldNoLockAndRequerySeesNewRows) {
  auto rs = Db->OpenRecordset("SELECT * FROM DET");
  ASSERT_FALSE(rs->EOF_());  // its rows are those of this first look
  // Another program's write, and even a change of the table, go through while the recordset is open.
  DBEngine other;
  auto second = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  second->Execute("INSERT INTO DET (Doc_id_d, Casilla) VALUES ('Z', '001')");
  second->Execute("CREATE INDEX ByValue ON DET (i_valor)");
  EXPECT_EQ(rs->RecordCount(), 3);
  rs->Requery();
  EXPECT_EQ(rs->RecordCount(), 4);
  rs->Close();
  EXPECT_EQ(ErrorNumberOf([&] { rs->MoveFirst(); }), ErrObjectInvalid);

  auto open = Db->OpenRecordset("DET");
  Db->Close();
  EXPECT_EQ(ErrorNumberOf([&] { open->EOF_(); }), ErrObjectInvalid);
  EXPECT_EQ(ErrorNumberOf([&] { Db->Execute("DELETE FROM DET"); }), ErrObjectInvalid);
}

// A statement read before keeps working when another program makes the table anew with other columns.
TEST_F(Records, ATableRemadeByAnotherProgramIsReadWithItsNewColumns) {
  EXPECT_EQ(Db->OpenRecordset("SELECT * FROM DET")->Fields().Count(), 6);
  DBEngine other;
  auto second = other.Workspaces(0).OpenDatabase(Folder / "test.mdb");
  second->Execute("DROP TABLE DET");
  second->Execute("CREATE TABLE DET (Casilla Text(3), nuevo Long)");
  second->Execute("INSERT INTO DET VALUES ('100', 7)");
  auto rs = Db->OpenRecordset("SELECT * FROM DET");
  ASSERT_EQ(rs->Fields().Count(), 2);
  EXPECT_EQ(rs->Fields(1).Name(), "nuevo");
  EXPECT_EQ(rs->Fields("nuevo").Value(), vb::Variant::Long(7));
  rs->Edit();
  rs->Fields("nuevo").SetValue(8);
  rs->Update();
  EXPECT_EQ(Rows("SELECT nuevo FROM DET"), std::vector<std::string>{"8"});
}

}  // namespace
}  // namespace dao::testing
