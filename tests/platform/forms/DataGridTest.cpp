// A data source over a database and the grid bound to it: columns by field
// name, display rules, the current row and the user's moves.
#include <gtest/gtest.h>

#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Input.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/support/TestSupport.h"

namespace forms {
namespace {

class frmLista : public Form {
 public:
  frmLista() : Form("frmLista") {
    grdLista.SetDataSource(&Dta1);
    grdLista.AddColumn("Código", "CODIGO");  // the query says "codigo": case does not matter
    grdLista.AddColumn("Valor", "descrip").SetNumberFormat("###,###");
    GridColumn& estado = grdLista.AddColumn("Estado", "Estado");
    estado.AddValueItem({"0", "", "verde"});
    estado.AddValueItem({"9", "X", "rojo"});
    grdLista.AddColumn("Nro. Orden", "nOrden");  // a field the query does not return
    grdLista.AddColumn("Monto", "descrip").SetNumberFormat(kFormatTextEvent);
    grdLista.FormatText = [](int ColIndex, vb::Variant& Value, long) {
      if (ColIndex == 4) Value = "(" + vb::TextOf(Value) + ")";
    };
    grdLista.RowColChange = [this](long LastRow, int) {
      Events.push_back("RowColChange " + std::to_string(LastRow) + " to " + std::to_string(grdLista.Row()));
    };
    grdLista.KeyPress = [this](int& KeyAscii) {
      if (KeyAscii == 13) Events.push_back("Enter on " + grdLista.Columns(0).Text());
    };
    grdLista.DblClick = [this] { Events.push_back("DblClick on " + grdLista.Columns(0).Text()); };
  }
  DataControl Dta1{this, "Dta1"};
  DataGrid grdLista{this, "grdLista"};
  std::vector<std::string> Events;

 protected:
  void Form_Load() override {
    Dta1.SetDatabaseName(Path);
    Dta1.SetRecordSource(Query);
    Dta1.Refresh();
    if (Dta1.Recordset()->RecordCount() == 0) grdLista.SetEnabled(false);
  }

 public:
  inline static std::string Path;
  inline static std::string Query;
};

class Grids : public ::testing::Test {
 protected:
  Grids() {
    auto db = Engine.Workspaces(0).CreateDatabase(Folder / "lista.mdb");
    for (const char* sql : {"CREATE TABLE PARAM (NUMERO Text(3), ARGUMENTO Text(8), FUNCION Text(40), ESTADO Byte)",
                            "INSERT INTO PARAM VALUES ('404', '20020101', '3100', 0)",
                            "INSERT INTO PARAM VALUES ('404', '20010101', '3000', 1)",
                            "INSERT INTO PARAM VALUES ('404', '20000101', '2900', 9)"}) {
      db->Execute(sql, dao::dbFailOnError);
    }
    db->Close();
    App.SetDatabaseOpener([this](const std::string& path) { return Engine.Workspaces(0).OpenDatabase(path); });
    frmLista::Path = Folder / "lista.mdb";
    frmLista::Query = "SELECT ARGUMENTO AS codigo, FUNCION AS Descrip, Estado FROM PARAM ORDER BY ARGUMENTO DESC";
  }

  kr::testing::TempFolder Folder;
  dao::DBEngine Engine;
  testing::ScriptedUser User;
  Application App{User};
};

TEST_F(Grids, ColumnsShowTheirFieldsByTheColumnsRules) {
  frmLista& f = Default<frmLista>();
  f.Show();
  struct Cell {
    long Row;
    int Col;
    const char* Text;
    const char* Picture;
  };
  const Cell cells[] = {
      {0, 0, "20020101", ""}, {0, 1, "3,100", ""}, {0, 2, "", "verde"}, {2, 2, "X", "rojo"},
      {1, 2, "1", ""},        {0, 3, "", ""},      {1, 4, "(3000)", ""},
  };
  for (const Cell& c : cells) {
    EXPECT_EQ(f.grdLista.CellText(c.Row, c.Col), c.Text) << c.Row << "," << c.Col;
    EXPECT_EQ(f.grdLista.CellPicture(c.Row, c.Col), c.Picture) << c.Row << "," << c.Col;
  }
  EXPECT_EQ(f.grdLista.RowCount(), 3);
  EXPECT_EQ(f.grdLista.Row(), 0);  // reading other rows left the current one
  EXPECT_EQ(f.grdLista.Columns(1).Text(), "3,100");
  EXPECT_TRUE(f.grdLista.Columns(3).Value().IsEmpty());
  EXPECT_EQ(kr::testing::ErrorNumberOf([&] { f.grdLista.Columns(5); }), 9);
}

TEST_F(Grids, TheUsersMovesChangeTheCurrentRowAndRaiseRowColChange) {
  frmLista& f = Default<frmLista>();
  f.Show();
  User.ChooseRow(f.grdLista, 2);
  User.Press(vbKeyUp);
  User.Enter();
  User.DblClick(f.grdLista);
  f.Dta1.Recordset()->MoveFirst();  // code moves the recordset: the grid follows, without an event
  EXPECT_EQ(f.grdLista.Columns(0).Text(), "20020101");
  EXPECT_EQ(f.Events, (std::vector<std::string>{"RowColChange 0 to 2", "RowColChange 2 to 1", "Enter on 20010101",
                                                "DblClick on 20010101"}));
}

TEST_F(Grids, AnEmptyListLeavesNoCurrentRowAndRefreshShowsNewRows) {
  frmLista::Query = "SELECT ARGUMENTO AS codigo, FUNCION AS Descrip, Estado FROM PARAM WHERE NUMERO = '979'";
  frmLista& f = Default<frmLista>();
  f.Show();
  EXPECT_FALSE(f.grdLista.Enabled());
  EXPECT_EQ(f.grdLista.Row(), -1);
  EXPECT_EQ(f.grdLista.Columns(0).Text(), "");
  f.grdLista.SetEnabled(true);
  EXPECT_FALSE(Input::ChooseRow(f.grdLista, 0));

  f.Dta1.Database()->Execute("INSERT INTO PARAM VALUES ('979', '01', 'Abogado', 0)", dao::dbFailOnError);
  f.Dta1.Refresh();
  EXPECT_EQ(f.grdLista.RowCount(), 1);
  EXPECT_EQ(f.grdLista.Columns(0).Text(), "01");
  // Its database closed under it, as an unloading window does: a view may still ask.
  f.Dta1.Database()->Close();
  EXPECT_EQ(f.grdLista.RowCount(), 0);
  EXPECT_FALSE(f.grdLista.MoreRows());
  EXPECT_EQ(f.grdLista.ReadRows(10), 0);
  f.Dta1.SetRecordset(nullptr);  // released
  EXPECT_EQ(f.grdLista.RowCount(), 0);
  EXPECT_EQ(f.grdLista.Row(), -1);
}

}  // namespace
}  // namespace forms
