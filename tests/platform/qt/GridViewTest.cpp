// The data-bound grid over a query of a small database of its own: headings,
// widths, hidden columns, formats, value items with pictures, the current row.
#include <QHeaderView>
#include <QImage>
#include <QPointer>
#include <QTableView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Transaction.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/qt/Appearance.h"
#include "tests/platform/qt/QtFormsFixture.h"
#include "tests/support/CaptionFit.h"
#include "tests/support/TestSupport.h"

namespace qtui::test {
namespace {

using namespace forms;

/// The sent returns, as the print window lists them.
class frmEnviadas : public Form {
 public:
  frmEnviadas() : Form("frmEnviadas") {
    Move(0, 0, 9000, 4000);
    grdEnviadas.Move(120, 120, 8600, 3000);
    grdEnviadas.SetDataSource(&datEnviadas);
    grdEnviadas.SetHeadLines(2);
    grdEnviadas.AddColumn("RUC", "doc_id_d").SetWidth(1800);
    grdEnviadas.AddColumn("Correlativo", "correl").SetVisible(false);
    grdEnviadas.AddColumn("Fecha de envío", "fec_env").SetNumberFormat("dd/mm/yyyy");
    GridColumn& tipo = grdEnviadas.AddColumn("Tipo", "rectifica");
    tipo.AddValueItem({"0", "Original", ""});
    tipo.AddValueItem({"1", "Rectificatoria", Picture});
    grdEnviadas.AddColumn("Control", "control").SetAlignment(vbRightJustify);
    grdEnviadas.RowColChange = [this](long LastRow, int) {
      Note("RowColChange(" + std::to_string(LastRow) + " to " + std::to_string(grdEnviadas.Row()) + ")");
    };
  }
  DataControl datEnviadas{this, "datEnviadas"};
  DataGrid grdEnviadas{this, "grdEnviadas"};
  inline static std::string Picture;

 protected:
  void Form_Load() override {
    datEnviadas.SetDatabaseName("KR000.DB");
    datEnviadas.SetRecordSource(
        "SELECT doc_id_d, correl, fec_env, rectifica, control FROM HCAB ORDER BY doc_id_d DESC, correl");
    datEnviadas.Refresh();
  }
};

class Grid : public QtForms {
 protected:
  Grid() {
    // Three sent returns, inserted out of the order the query asks for.
    auto db = Engine.Workspaces(0).CreateDatabase(Folder / "KR000.DB");
    db->Execute("CREATE TABLE HCAB (doc_id_d Text(15), correl Text(3), fec_env DateTime, rectifica Text(1), "
                "control Text(8))");
    db->Execute("INSERT INTO HCAB VALUES ('10023456783','001',#03/20/2003#,'0','12345678')");
    db->Execute("INSERT INTO HCAB VALUES ('10076543211','002',#03/28/2003#,'1','23456789')");
    db->Execute("INSERT INTO HCAB VALUES ('10076543211','001',#03/15/2003#,'0','34567890')");
    db->Close();
    App.SetDatabaseOpener([this](const std::string&) { return Engine.Workspaces(0).OpenDatabase(Folder / "KR000.DB"); });
    QImage flag(12, 12, QImage::Format_RGB32);
    flag.fill(Qt::yellow);
    frmEnviadas::Picture = Folder / "rectifica.png";
    flag.save(QString::fromStdString(frmEnviadas::Picture));
  }
  kr::testing::TempFolder Folder;
  dao::DBEngine Engine;
};

TEST_F(Grid, ShowsTheQueryWithTheColumnsRules) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.Show();
  auto* table = Widget<QTableView>(f.grdEnviadas);
  QAbstractItemModel* rows = table->model();
  ASSERT_EQ(rows->rowCount(), 3);
  ASSERT_EQ(rows->columnCount(), 5);
  auto cell = [&](int r, int c) { return rows->data(rows->index(r, c)).toString().toStdString(); };
  struct Row {
    const char* Ruc;
    const char* Fecha;
    const char* Tipo;
    bool Flagged;
  };
  const Row expected[] = {
      {"10076543211", "15/03/2003", "Original", false},
      {"10076543211", "28/03/2003", "Rectificatoria", true},
      {"10023456783", "20/03/2003", "Original", false},
  };
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(cell(r, 0), expected[r].Ruc) << r;
    EXPECT_EQ(cell(r, 2), expected[r].Fecha) << r;
    EXPECT_EQ(cell(r, 3), expected[r].Tipo) << r;
    EXPECT_EQ(rows->data(rows->index(r, 3), Qt::DecorationRole).isValid(), expected[r].Flagged) << r;
  }
  EXPECT_EQ(rows->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Fecha de envío"));
  EXPECT_TRUE(table->isColumnHidden(1));
  EXPECT_FALSE(table->isColumnHidden(2));
  EXPECT_EQ(table->columnWidth(0), 120);
  EXPECT_EQ(rows->data(rows->index(0, 4), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_GT(table->horizontalHeader()->height(), 2 * table->horizontalHeader()->fontMetrics().height());

  // Hiding a column by code shows at once.
  f.grdEnviadas.Columns(4).SetVisible(false);
  EXPECT_TRUE(table->isColumnHidden(4));
}

// The header lines are a minimum: a caption that wraps in its column onto
// more lines than that makes the header taller, so that nothing is cut off.
TEST_F(Grid, TheHeaderIsAsTallAsItsCaptionsNeed) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.grdEnviadas.SetHeadLines(1);
  f.datEnviadas.SetVisible(false);  // as the system's windows keep their data controls
  f.Show();
  QHeaderView* header = Widget<QTableView>(f.grdEnviadas)->horizontalHeader();
  const int oneLine = header->height();
  EXPECT_TRUE(kr::testing::CutCaptions(*Front.WindowOf(f)).empty());

  f.grdEnviadas.Columns(0).SetCaption("Número de documento      del declarante que presentó la declaración");
  EXPECT_GT(header->height(), 2 * oneLine);
  for (const kr::testing::CutCaption& cut : kr::testing::CutCaptions(*Front.WindowOf(f))) {
    ADD_FAILURE() << kr::testing::Describe(cut);
  }

  // Short captions again: the header goes back to its line.
  f.grdEnviadas.Columns(0).SetCaption("RUC");
  EXPECT_EQ(header->height(), oneLine);
}

// A column given no width is as wide as its heading and its values need,
// in the grid's fonts and with the style's margins, and no wider; a given
// width stays as given. A heading may take the grid's heading lines.
TEST_F(Grid, AColumnGivenNoWidthIsAsWideAsItsHeadingAndValuesNeed) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.grdEnviadas.SetHeadLines(1);
  f.datEnviadas.SetVisible(false);  // as the system's windows keep their data controls
  f.Show();
  auto* table = Widget<QTableView>(f.grdEnviadas);
  QHeaderView* header = table->horizontalHeader();
  const QAbstractItemView& view = *table;
  EXPECT_EQ(table->columnWidth(0), 120);
  for (int column : {2, 3, 4}) {
    SCOPED_TRACE(column);
    EXPECT_EQ(table->columnWidth(column), std::max(header->sectionSizeHint(column), view.sizeHintForColumn(column)));
  }
  // "Rectificatoria" beside its picture is wider than its heading; 8 digits are narrower than 1440 twips.
  EXPECT_GT(table->columnWidth(3), header->sectionSizeHint(3));
  EXPECT_LT(table->columnWidth(4), Pixels(1440));
  EXPECT_TRUE(kr::testing::CutCaptions(*Front.WindowOf(f)).empty());

  // On two heading lines "Fecha de envío" wraps, down to what its dates need;
  // one word cannot wrap.
  const int oneLine = header->height();
  f.grdEnviadas.SetHeadLines(2);
  EXPECT_LT(table->columnWidth(2), header->sectionSizeHint(2));
  EXPECT_EQ(table->columnWidth(2), view.sizeHintForColumn(2));
  EXPECT_EQ(table->columnWidth(4), std::max(header->sectionSizeHint(4), view.sizeHintForColumn(4)));
  EXPECT_LT(header->height(), 3 * oneLine);
  for (const kr::testing::CutCaption& cut : kr::testing::CutCaptions(*Front.WindowOf(f))) {
    ADD_FAILURE() << kr::testing::Describe(cut);
  }

  // Rows read again are measured again: short values leave the heading's width.
  {
    auto db = Engine.Workspaces(0).OpenDatabase(Folder / "KR000.DB");
    db->Execute("UPDATE HCAB SET control='1'");
  }
  const int before = table->columnWidth(4);
  f.datEnviadas.Refresh();
  EXPECT_LT(table->columnWidth(4), before);
  EXPECT_EQ(table->columnWidth(4), header->sectionSizeHint(4));
}

// A window whose form is gone is deleted later, and the table's own timers
// may still run meanwhile: it reads nothing more of the grid that was.
TEST_F(Grid, ATableLetGoOfByItsFormReadsNoMoreOfTheGrid) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.Show();
  QPointer<QTableView> table = Widget<QTableView>(f.grdEnviadas);
  ASSERT_EQ(table->model()->rowCount(), 3);
  App.Reset();
  ASSERT_FALSE(table.isNull()) << "the window went at once";
  EXPECT_EQ(table->model()->rowCount(), 0);
  EXPECT_EQ(table->model()->columnCount(), 0);
  EXPECT_FALSE(table->model()->canFetchMore(QModelIndex()));
  QApplication::processEvents();
}

TEST_F(Grid, AClickOnARowMakesItTheModelsCurrentRow) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.Show();
  auto* table = Widget<QTableView>(f.grdEnviadas);
  ASSERT_EQ(f.grdEnviadas.Row(), 0);
  QRect third = table->visualRect(table->model()->index(2, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, third.center());
  EXPECT_EQ(f.grdEnviadas.Row(), 2);
  EXPECT_EQ(f.grdEnviadas.Columns(0).Text(), "10023456783");
  EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 2);
  QTest::keyClick(table, Qt::Key_Up);
  EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1);
  EXPECT_EQ(Log, (std::vector<std::string>{"RowColChange(0 to 2)", "RowColChange(2 to 1)"}));
}

// A long list shows what its first screens need; the view reads on as it
// scrolls, and End reaches the last row.
TEST_F(Grid, ALongListIsReadAsItIsShown) {
  {
    auto db = Engine.Workspaces(0).OpenDatabase(Folder / "KR000.DB");
    dao::Atomically(Engine.Workspaces(0), [&] {
      for (int i = 0; i < 1000; ++i) {
        db->Execute("INSERT INTO HCAB VALUES ('" + std::to_string(20000000000LL + i) + "','001',#03/20/2003#,'0','1')");
      }
    });
  }
  frmEnviadas& f = Default<frmEnviadas>();
  f.Show();
  auto* table = Widget<QTableView>(f.grdEnviadas);
  QAbstractItemModel* rows = table->model();
  EXPECT_LT(rows->rowCount(), 1003);
  ASSERT_TRUE(rows->canFetchMore(QModelIndex()));
  const int shown = rows->rowCount();
  rows->fetchMore(QModelIndex());
  EXPECT_GT(rows->rowCount(), shown);
  EXPECT_EQ(rows->data(rows->index(shown, 0)).toString().toStdString(), std::to_string(20000000999LL - shown));
  QTest::keyClick(table, Qt::Key_End);
  EXPECT_EQ(rows->rowCount(), 1003);
  EXPECT_EQ(f.grdEnviadas.Row(), 1002);
  EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1002);
  EXPECT_FALSE(rows->canFetchMore(QModelIndex()));
}

// What is on screen after the model moves the current row and the user
// scrolls sideways with the wheel is what a fresh paint shows: each row in
// its own colours, the current one highlighted across every cell.
TEST_F(Grid, AGridScrolledSidewaysPaintsEachCellInItsOwnRowsColours) {
  frmEnviadas& f = Default<frmEnviadas>();
  f.grdEnviadas.Move(120, 120, 5000, 2000);  // narrower than its columns
  f.Show();
  auto* table = Widget<QTableView>(f.grdEnviadas);
  QWidget* window = table->window();
  QApplication::processEvents();
  auto onScreen = [&] {
    QApplication::processEvents();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    return shown.copy(QRect(table->mapTo(window, QPoint(0, 0)), table->size())).convertToFormat(QImage::Format_RGB32);
  };
  // Colours this near are one: the current cell's rounded outline is smoothed
  // a shade differently when painted in parts.
  auto distance = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
  };
  constexpr int kShade = 12;
  auto check = [&](const char* when) {
    SCOPED_TRACE(when);
    const QImage shown = onScreen();
    const QImage fresh = table->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), fresh.size());
    int stale = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) stale += distance(shown.pixel(x, y), fresh.pixel(x, y)) > kShade;
    }
    EXPECT_EQ(stale, 0) << "pixels on screen that a fresh paint draws otherwise";
    const QWidget* viewport = table->viewport();
    const QPoint origin = viewport->mapTo(table, QPoint(0, 0));
    const QColor highlight = table->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = table->palette().color(QPalette::Active, QPalette::Base);
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      for (int column = 0; column < table->model()->columnCount(); ++column) {
        const int left = std::max(0, table->columnViewportPosition(column));
        if (table->isColumnHidden(column) || left >= viewport->width()) continue;
        // Inside the cell, above its text and picture; the current cell
        // shades its highlight, so lit is nearer the highlight than the base.
        const QColor colour(shown.pixel(origin + QPoint(left + 3, table->rowViewportPosition(row) + 1)));
        const bool lit = distance(colour, highlight) < distance(colour, base);
        EXPECT_EQ(lit, row == f.grdEnviadas.Row()) << "row " << row << ", column " << column;
      }
    }
  };
  check("at the start");
  QTest::keyClick(table, Qt::Key_Down);
  ASSERT_EQ(f.grdEnviadas.Row(), 1);
  check("the model moved the row");
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(2, 2)).center());
  ASSERT_EQ(f.grdEnviadas.Row(), 2);
  check("a click chose a row");
  QWheelEvent wheel(QPointF(50, 50), table->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(-120, 0),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(table->viewport(), &wheel);
  ASSERT_GT(table->horizontalScrollBar()->value(), 0);
  check("scrolled sideways");
}

}  // namespace
}  // namespace qtui::test
