// The view of the data-bound grid: a read-only table over the grid's data
// source. Cells show what the model's display rules make of each field
// (value items, FormatText, NumberFormat), read once per row and kept until
// the rows or columns change. The current row is the model's. A column
// given no width is measured each time the rows are read again.
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Input.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"
#include "platform/text/Error.h"

namespace qtui {
namespace {

using forms::Property;

class GridModel : public QAbstractTableModel {
 public:
  GridModel(forms::DataGrid& grid, ViewHost& host, QObject* parent)
      : QAbstractTableModel(parent), Grid_(grid), Host_(host) {}

  /// Reads the rows and columns again: a screen of rows and more; the view
  /// asks for more as it scrolls to them (fetchMore). The recordset may have
  /// read further (a sorted list reads all its rows at once).
  void Reload() {
    beginResetModel();
    Rows_.clear();
    constexpr long kFirstRows = 64;  // a screen and more
    RowCount_ = static_cast<int>(std::min(Grid_.ReadRows(kFirstRows), kFirstRows));
    ColumnCount_ = Grid_.ColumnCount();
    Rows_.resize(static_cast<std::size_t>(RowCount_));
    endResetModel();
  }

  /// Takes in the rows the recordset read since, up to `limit` (all of them
  /// after a move to its last row, say).
  void Grow(long limit = LONG_MAX) {
    const int rows = static_cast<int>(std::min(Grid_.RowsRead(), limit));
    if (rows <= RowCount_) return;
    beginInsertRows(QModelIndex(), RowCount_, rows - 1);
    RowCount_ = rows;
    Rows_.resize(static_cast<std::size_t>(RowCount_));
    endInsertRows();
  }

  /// Shows nothing and reads no more: the grid is going away, while the
  /// table's own timers may still ask for rows.
  void Release() {
    beginResetModel();
    Released_ = true;
    RowCount_ = 0;
    ColumnCount_ = 0;
    Rows_.clear();
    endResetModel();
  }

  bool canFetchMore(const QModelIndex& parent) const override {
    return !Released_ && !parent.isValid() && (RowCount_ < Grid_.RowsRead() || Grid_.MoreRows());
  }
  void fetchMore(const QModelIndex& parent) override {
    if (Released_ || parent.isValid()) return;
    constexpr long kMore = 256;
    Grid_.ReadRows(RowCount_ + kMore);
    Grow(RowCount_ + kMore);
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : RowCount_; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= RowCount_ || index.column() >= ColumnCount_) return {};
    const Cell& cell = CellAt(index.row(), index.column());
    switch (role) {
      case Qt::DisplayRole: return cell.Text;
      case Qt::DecorationRole: return cell.Picture.isNull() ? QVariant() : QVariant(cell.Picture);
      case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(index.column()));
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString();
    if (section < 0 || section >= ColumnCount_) return {};
    return ToQt(Grid_.Columns(section).Caption());
  }

 private:
  struct Cell {
    QString Text;
    QPixmap Picture;
  };

  Qt::Alignment AlignmentOf(int column) const {
    switch (Grid_.Columns(column).Alignment()) {
      case forms::vbRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
      case forms::vbCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
      default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
  }

  const Cell& CellAt(int row, int column) const {
    auto& cached = Rows_[static_cast<std::size_t>(row)];
    if (!cached) {
      cached.emplace(static_cast<std::size_t>(ColumnCount_));
      for (int c = 0; c < ColumnCount_; ++c) {
        Cell& cell = (*cached)[static_cast<std::size_t>(c)];
        try {
          cell.Text = ToQt(Grid_.CellText(row, c));
          std::string picture = Grid_.CellPicture(row, c);
          if (!picture.empty()) cell.Picture = Host_.Picture(picture);
        } catch (const vb::Error&) {
          // The recordset changed under the grid without a notice: the
          // cell stays empty until the grid is refreshed.
        }
      }
    }
    return (*cached)[static_cast<std::size_t>(column)];
  }

  forms::DataGrid& Grid_;
  ViewHost& Host_;
  int RowCount_ = 0;
  int ColumnCount_ = 0;
  bool Released_ = false;
  mutable std::vector<std::optional<std::vector<Cell>>> Rows_;
};

class GridView : public ControlView {
 public:
  GridView(forms::DataGrid& grid, ViewHost& host, QWidget* parent)
      : ControlView(grid, host, new QTableView(parent)),
        Grid_(grid),
        Table_(static_cast<QTableView*>(Widget())),
        Model_(new GridModel(grid, host, Table_)) {
    Table_->setModel(Model_);
    Table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_->setSortingEnabled(false);
    Table_->setWordWrap(false);
    Table_->setContextMenuPolicy(Qt::NoContextMenu);
    Table_->verticalHeader()->setDefaultSectionSize(Table_->fontMetrics().height() + 4);
    Table_->verticalHeader()->setFixedWidth(14);  // the record selector
    Table_->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment::fromInt(int(Qt::AlignLeft) | int(Qt::AlignVCenter) | int(Qt::TextWordWrap)));
    Table_->horizontalHeader()->setSectionsClickable(false);
  }

  std::vector<QWidget*> Parts() const override { return {Table_, Table_->viewport()}; }

  void Detach() override { Model_->Release(); }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Rows || what == Property::Columns) {
      Model_->Reload();
      ApplyColumns();
    } else if (what == Property::Font || what == Property::Geometry) {
      ApplyColumns();
    }
    if (all || what == Property::Rows || what == Property::Columns || what == Property::Row) ShowCurrentRow();
  }

  bool OnMouse(QObject* part, QMouseEvent& event) override {
    if (part != Table_->viewport() || event.button() != Qt::LeftButton) return false;
    if (event.type() == QEvent::MouseButtonPress) {
      int row = Table_->rowAt(static_cast<int>(event.position().y()));
      if (row >= 0) Host().Act([&] { return forms::Input::ChooseRow(Grid_, row); });
      ShowCurrentRow();
      return true;
    }
    if (event.type() == QEvent::MouseButtonDblClick) {
      Host().Act([&] { return forms::Input::DblClick(Grid_, true); });
      return true;
    }
    return event.type() == QEvent::MouseButtonRelease;
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

 private:
  /// Hides, shows and sizes the columns: a given width in twips, or the
  /// width the heading and the rows read so far need, in the table's and
  /// the header's fonts with the style's margins.
  void ApplyColumns() {
    QHeaderView* header = Table_->horizontalHeader();
    header->setVisible(Grid_.HeadLines() > 0);
    const QAbstractItemView& view = *Table_;
    for (int c = 0; c < Grid_.ColumnCount(); ++c) {
      const forms::GridColumn& column = Grid_.Columns(c);
      Table_->setColumnHidden(c, !column.Visible());
      if (!column.FitsContents()) {
        Table_->setColumnWidth(c, Pixels(column.Width()));
      } else if (column.Visible()) {
        Table_->setColumnWidth(c, std::max(HeadingWidth(c), view.sizeHintForColumn(c)));
      }
    }
    if (Grid_.HeadLines() > 0) header->setFixedHeight(HeaderHeight());
    MakeRoomForTheRest();
  }

  /// Narrows a column that takes the rest so that as many of the columns
  /// after it as can be are whole in view, and it keeps its heading whole.
  void MakeRoomForTheRest() {
    std::vector<int> shown;
    for (int c = 0; c < Grid_.ColumnCount(); ++c) {
      if (!Table_->isColumnHidden(c)) shown.push_back(c);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const int c = shown[i];
      const forms::GridColumn& column = Grid_.Columns(c);
      if (!column.FitsContents() || !column.TakesRest()) continue;
      int others = 0;
      for (int k : shown) others += k == c ? 0 : Table_->columnWidth(k);
      // The last columns go out of view one by one until the rest holds the heading.
      for (std::size_t last = shown.size(); last > i; --last) {
        const int rest = RoomForColumns() - others;
        if (rest >= HeadingWidth(c)) {
          Table_->setColumnWidth(c, std::min(rest, Table_->columnWidth(c)));
          break;
        }
        if (shown[last - 1] != c) others -= Table_->columnWidth(shown[last - 1]);
      }
    }
  }

  /// The width the columns have in view: the table's, less its frame, its
  /// record selector and the vertical scroll bar when its rows need one.
  int RoomForColumns() const {
    const QSize room = Table_->maximumViewportSize();
    const int header = Table_->horizontalHeader()->isVisible() ? Table_->horizontalHeader()->height() : 0;
    const long rows = std::max<long>(Grid_.RowsRead(), Model_->rowCount(QModelIndex()));
    const bool scrolls = rows * Table_->verticalHeader()->defaultSectionSize() > room.height() - header;
    const int bar = scrolls ? Table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Table_) : 0;
    return room.width() - bar;
  }

  /// The width column `c`'s heading needs: its caption wrapped at its
  /// blanks onto no more than the grid's heading lines, as the header wraps
  /// it, with the style's room around it; 0 without headings.
  int HeadingWidth(int c) const {
    const QHeaderView* header = Table_->horizontalHeader();
    if (Grid_.HeadLines() <= 0) return 0;
    const int oneLine = header->sectionSizeHint(c);
    const QString caption = ToQt(Grid_.Columns(c).Caption());
    const QFontMetrics metrics = header->fontMetrics();
    const int flags = int(header->defaultAlignment());
    constexpr int kTall = 1 << 16;
    const int whole = metrics.horizontalAdvance(caption);
    const int allowed = metrics.boundingRect(QRect(0, 0, kTall, kTall), flags, HeadLinesText()).height();
    auto fits = [&](int width) {
      const QRect needed = metrics.boundingRect(QRect(0, 0, width, kTall), flags, caption);
      return needed.width() <= width && needed.height() <= allowed;
    };
    // Fewer lines as the room widens: the narrowest room that holds it.
    int narrow = 0;
    int wide = whole;
    while (wide - narrow > 1) {
      const int middle = (narrow + wide) / 2;
      (fits(middle) ? wide : narrow) = middle;
    }
    return oneLine - whole + wide;
  }

  /// Text of as many lines as the grid's headings have.
  QString HeadLinesText() const {
    QString lines = QStringLiteral("X");
    for (int k = 1; k < Grid_.HeadLines(); ++k) lines += QStringLiteral("\nX");
    return lines;
  }

  /// The header's height: the grid's header lines at the header's font, or
  /// more where a caption, wrapped in its column, needs more lines; the
  /// font's metrics decide how a caption wraps, so none is cut off.
  int HeaderHeight() const {
    const QHeaderView* header = Table_->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int flags = int(header->defaultAlignment());
    constexpr int kTall = 1 << 16;
    int text = metrics.boundingRect(QRect(0, 0, kTall, kTall), flags, HeadLinesText()).height();
    for (int c = 0; c < Grid_.ColumnCount(); ++c) {
      const int width = header->sectionSize(c) - 2 * margin;
      if (header->isSectionHidden(c) || width <= 0) continue;
      const QString caption = ToQt(Grid_.Columns(c).Caption());
      text = std::max(text, metrics.boundingRect(QRect(0, 0, width, kTall), flags, caption).height());
    }
    return text + 2 * margin;
  }

  /// Selects the model's current row. The selection model tells the table,
  /// which repaints the rows that changed: without that the old row stays
  /// lit on screen, and a sideways scroll then shows a row in two colours.
  void ShowCurrentRow() {
    QItemSelectionModel* selection = Table_->selectionModel();
    long row = Grid_.Row();
    Model_->Grow(row + 1);  // down to the current row (the last one, after End)
    if (row < 0 || row >= Model_->rowCount(QModelIndex())) {
      selection->clearSelection();
      return;
    }
    QModelIndex index = Model_->index(static_cast<int>(row), std::max(0, Grid_.Col()));
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Table_->scrollTo(index);
  }

  forms::DataGrid& Grid_;
  QTableView* Table_;
  GridModel* Model_;
};

}  // namespace

void RegisterGridView(ViewRegistry& registry) { RegisterKind<forms::DataGrid, GridView>(registry, "DataGrid"); }

}  // namespace qtui
