//===- DataGrid.h - A grid bound to a data source, read row by row --------===//
//
// Each column is bound by DataField to a field of the data source's
// recordset, matched ignoring case; a column whose field the recordset does
// not have is empty. The grid's current row is the recordset's current row.
// A cell's text is, in this order: the display value of the column's value
// item whose Value equals the field's text; the text the FormatText event
// makes when NumberFormat is "FormatText Event"; the value formatted with
// NumberFormat ("####", "dd/mm/yyyy", "0#/0#/####", "###,###"); the value as
// text (Null as ""). A value item may give a picture instead of a text.
// A column given no width fits its heading and its values. HeadLines is the
// number of lines of the column headings. A user's move to another row (a
// click, Up, Down, Home, End) raises RowColChange(LastRow, LastCol).
// Events: RowColChange, FormatText, Click, DblClick, GotFocus, LostFocus,
// KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/forms/Control.h"
#include "platform/text/Variant.h"

namespace forms {

class DataControl;
class DataGrid;

/// A stored value shown as a text or a picture.
struct ValueItem {
  std::string Value;
  std::string DisplayValue;
  std::string Picture;
};

/// The NumberFormat that hands a column's texts to the FormatText event.
inline constexpr std::string_view kFormatTextEvent = "FormatText Event";

/// One column of a grid: its heading, bound field and display rules.
class GridColumn {
 public:
  GridColumn(DataGrid& grid, int index) : Grid_(grid), Index_(index) {}

  int ColIndex() const { return Index_; }
  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  const std::string& DataField() const { return DataField_; }
  void SetDataField(std::string_view field);
  /// Twips; 0 while the column has none given (FitsContents).
  long Width() const { return Width_; }
  /// Gives the column its width; error 380 for a negative one.
  void SetWidth(long width);
  /// Whether the column was given no width: it is then as wide as its
  /// heading and its values need in the grid's font, as the front end
  /// measures them, and no wider.
  bool FitsContents() const { return !WidthGiven_; }
  /// Whether a column given no width takes no more than the room the other
  /// columns leave in view, and no less than its heading needs: a long free
  /// text (a name) is then cut in it rather than push the columns after it
  /// out of view.
  bool TakesRest() const { return TakesRest_; }
  void SetTakesRest(bool takes);
  bool Visible() const { return Visible_; }
  void SetVisible(bool visible);
  const std::string& NumberFormat() const { return NumberFormat_; }
  void SetNumberFormat(std::string_view format);
  int Alignment() const { return Alignment_; }
  void SetAlignment(int alignment);
  const std::vector<ValueItem>& ValueItems() const { return ValueItems_; }
  void AddValueItem(ValueItem item);

  /// The field's value in the current row; Empty without a row or a field.
  vb::Variant Value() const;
  /// The current row's cell text, as shown.
  std::string Text() const;

 private:
  friend class DataGrid;
  DataGrid& Grid_;
  int Index_;
  std::string Caption_;
  std::string DataField_;
  long Width_ = 0;
  bool WidthGiven_ = false;
  bool TakesRest_ = false;
  bool Visible_ = true;
  std::string NumberFormat_;
  int Alignment_ = 0;
  std::vector<ValueItem> ValueItems_;
};

/// The grid itself.
class DataGrid : public Control {
 public:
  DataGrid(Form* form, std::string name, int index = -1);
  ~DataGrid() override;
  std::string_view Kind() const override { return "DataGrid"; }

  /// Binds the grid to a data source (nullptr: none).
  void SetDataSource(DataControl* source);
  DataControl* DataSource() const { return Source_; }

  /// Adds a column at the end; answers it.
  GridColumn& AddColumn(std::string_view caption, std::string_view dataField);
  /// Error 9 outside 0 to ColumnCount - 1.
  GridColumn& Columns(int index) const;
  int ColumnCount() const { return static_cast<int>(Columns_.size()); }
  int HeadLines() const { return HeadLines_; }
  void SetHeadLines(int lines);

  /// The number of rows of the recordset (0 without one); it reads them all.
  long RowCount() const;
  /// The rows the recordset has read so far (what a screen can show without
  /// reading on), and whether it has more.
  long RowsRead() const;
  bool MoreRows() const;
  /// Reads on until `count` rows are there or there are no more; answers RowsRead.
  long ReadRows(long count);
  /// True when there is a row `row`, reading up to it.
  bool HasRow(long row) const;
  /// The 0-based position of the current row; -1 when there is none.
  long Row() const;
  /// Makes row `row` current; error 380 outside the rows.
  void SetRow(long row);
  /// The current column.
  int Col() const { return Col_; }
  void SetCol(int col);
  /// The current row's bookmark; error 3021 without one.
  dao::RowBookmark Bookmark() const;
  void SetBookmark(const dao::RowBookmark& bookmark);

  /// The text of a cell of any row, as shown (for the front end).
  std::string CellText(long row, int col) const;
  /// The picture of a cell whose value item gives one, else "".
  std::string CellPicture(long row, int col) const;

  /// RowColChange(LastRow, LastCol): the user moved to another cell.
  Event<long, int> RowColChange;
  /// FormatText(ColIndex, Value, Bookmark): Value is the text to show, in and out; Bookmark the row.
  Event<int, vb::Variant&, long> FormatText;

  bool TakesFocus() const override { return true; }
  void Refresh() override { Changed(Property::Rows); }

 protected:
  void DefaultKeyDown(int keyCode, int shift) override;

 private:
  friend class DataControl;
  friend class GridColumn;
  friend class Input;
  dao::Recordset* Rows() const;
  /// The value of a column at the recordset's current row.
  vb::Variant CurrentValue(const GridColumn& column) const;
  /// The shown text of `value` in `column`, for row `row`.
  std::string Display(const GridColumn& column, const vb::Variant& value, long row) const;
  const ValueItem* ItemFor(const GridColumn& column, const vb::Variant& value) const;
  /// The value of a column at row `row`, read without moving there; error 380 outside the rows.
  vb::Variant ValueAt(long row, const GridColumn& column) const;
  /// The user moves to row `row`; false outside the rows.
  bool UserMoveTo(long row);
  void ColumnChanged() { Changed(Property::Columns); }

  DataControl* Source_ = nullptr;
  std::vector<std::unique_ptr<GridColumn>> Columns_;
  int HeadLines_ = 1;
  int Col_ = 0;
};

}  // namespace forms
