#include "platform/forms/DataGrid.h"

#include "platform/db/Database.h"

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/forms/DataControl.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"

namespace forms {

void GridColumn::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Grid_.ColumnChanged();
}

void GridColumn::SetDataField(std::string_view field) {
  DataField_ = std::string(field);
  Grid_.ColumnChanged();
}

void GridColumn::SetTakesRest(bool takes) {
  TakesRest_ = takes;
  Grid_.ColumnChanged();
}

void GridColumn::SetWidth(long width) {
  if (width < 0) vb::Raise(vb::ErrInvalidProperty);
  Width_ = width;
  WidthGiven_ = true;
  Grid_.ColumnChanged();
}

void GridColumn::SetVisible(bool visible) {
  Visible_ = visible;
  Grid_.ColumnChanged();
}

void GridColumn::SetNumberFormat(std::string_view format) {
  NumberFormat_ = std::string(format);
  Grid_.ColumnChanged();
}

void GridColumn::SetAlignment(int alignment) {
  if (alignment < vbLeftJustify || alignment > vbCenter) vb::Raise(vb::ErrInvalidProperty);
  Alignment_ = alignment;
  Grid_.ColumnChanged();
}

void GridColumn::AddValueItem(ValueItem item) {
  ValueItems_.push_back(std::move(item));
  Grid_.ColumnChanged();
}

vb::Variant GridColumn::Value() const { return Grid_.CurrentValue(*this); }

std::string GridColumn::Text() const { return Grid_.Display(*this, Value(), Grid_.Row()); }

DataGrid::DataGrid(Form* form, std::string name, int index) : Control(form, std::move(name), index) {
  SetBackColor(vbWindowBackground);
  SetForeColor(vbWindowText);
}

DataGrid::~DataGrid() {
  if (Source_ != nullptr) Source_->Unbind(this);
}

void DataGrid::SetDataSource(DataControl* source) {
  if (Source_ != nullptr) Source_->Unbind(this);
  Source_ = source;
  if (Source_ != nullptr) Source_->Bind(this);
  Changed(Property::Rows);
}

GridColumn& DataGrid::AddColumn(std::string_view caption, std::string_view dataField) {
  Columns_.push_back(std::make_unique<GridColumn>(*this, ColumnCount()));
  GridColumn& column = *Columns_.back();
  column.Caption_ = std::string(caption);
  column.DataField_ = std::string(dataField);
  ColumnChanged();
  return column;
}

GridColumn& DataGrid::Columns(int index) const {
  if (index < 0 || index >= ColumnCount()) vb::Raise(vb::ErrSubscript);
  return *Columns_[static_cast<std::size_t>(index)];
}

void DataGrid::SetHeadLines(int lines) {
  if (lines < 0) vb::Raise(vb::ErrInvalidProperty);
  HeadLines_ = lines;
  ColumnChanged();
}

dao::Recordset* DataGrid::Rows() const {
  // A view may still ask after its window closed the recordset: no rows then.
  dao::Recordset* rs = Source_ != nullptr ? Source_->Recordset().get() : nullptr;
  return rs != nullptr && rs->IsOpen() ? rs : nullptr;
}

long DataGrid::RowCount() const {
  dao::Recordset* rs = Rows();
  return rs != nullptr ? rs->RecordCount() : 0;
}

long DataGrid::RowsRead() const {
  dao::Recordset* rs = Rows();
  return rs != nullptr ? rs->RowsRead() : 0;
}

bool DataGrid::MoreRows() const {
  dao::Recordset* rs = Rows();
  return rs != nullptr && rs->MoreRows();
}

long DataGrid::ReadRows(long count) {
  dao::Recordset* rs = Rows();
  if (rs == nullptr) return 0;
  if (count > 0) rs->HasPosition(count - 1);
  // Read for the screen, between the user's actions: no read lock stays behind.
  dao::ReleaseReadLocks();
  return rs->RowsRead();
}

bool DataGrid::HasRow(long row) const {
  dao::Recordset* rs = Rows();
  return rs != nullptr && row >= 0 && rs->HasPosition(row);
}

long DataGrid::Row() const {
  dao::Recordset* rs = Rows();
  if (rs == nullptr || rs->EOF_() || rs->BOF()) return -1;
  return rs->AbsolutePosition();
}

void DataGrid::SetRow(long row) {
  dao::Recordset* rs = Rows();
  if (!HasRow(row)) vb::Raise(vb::ErrInvalidProperty);
  rs->SetAbsolutePosition(row);
  Changed(Property::Row);
}

void DataGrid::SetCol(int col) {
  if (col < 0 || col >= ColumnCount()) vb::Raise(vb::ErrInvalidProperty);
  Col_ = col;
  Changed(Property::Row);
}

dao::RowBookmark DataGrid::Bookmark() const {
  dao::Recordset* rs = Rows();
  if (rs == nullptr) vb::Raise(91);
  return rs->Bookmark();
}

void DataGrid::SetBookmark(const dao::RowBookmark& bookmark) {
  dao::Recordset* rs = Rows();
  if (rs == nullptr) vb::Raise(91);
  rs->SetBookmark(bookmark);
  Changed(Property::Row);
}

vb::Variant DataGrid::CurrentValue(const GridColumn& column) const {
  dao::Recordset* rs = Rows();
  if (rs == nullptr || rs->EOF_() || rs->BOF()) return {};
  const int field = rs->FieldIndex(column.DataField());
  return field < 0 ? vb::Variant() : rs->Fields(field).Value();
}

const ValueItem* DataGrid::ItemFor(const GridColumn& column, const vb::Variant& value) const {
  if (column.ValueItems().empty() || value.IsEmpty()) return nullptr;
  std::string text = vb::TextOf(value);
  for (const ValueItem& item : column.ValueItems()) {
    if (item.Value == text) return &item;
  }
  return nullptr;
}

std::string DataGrid::Display(const GridColumn& column, const vb::Variant& value, long row) const {
  if (const ValueItem* item = ItemFor(column, value)) return item->DisplayValue;
  if (column.NumberFormat() == kFormatTextEvent) {
    vb::Variant shown = value;
    FormatText(column.ColIndex(), shown, row);
    return vb::TextOf(shown);
  }
  if (!column.NumberFormat().empty()) return vb::Format(value, column.NumberFormat());
  return vb::TextOf(value);
}

vb::Variant DataGrid::ValueAt(long row, const GridColumn& column) const {
  dao::Recordset* rs = Rows();
  if (!HasRow(row)) vb::Raise(vb::ErrInvalidProperty);
  const int field = rs->FieldIndex(column.DataField());
  return field < 0 ? vb::Variant() : rs->ValueAt(row, field);
}

std::string DataGrid::CellText(long row, int col) const {
  const GridColumn& column = Columns(col);
  return Display(column, ValueAt(row, column), row);
}

std::string DataGrid::CellPicture(long row, int col) const {
  const GridColumn& column = Columns(col);
  const ValueItem* item = ItemFor(column, ValueAt(row, column));
  return item != nullptr ? item->Picture : std::string();
}

bool DataGrid::UserMoveTo(long row) {
  if (!HasRow(row)) return false;
  long last = Row();
  if (row == last) return true;
  Rows()->SetAbsolutePosition(row);
  Changed(Property::Row);
  RowColChange(last, Col_);
  return true;
}

void DataGrid::DefaultKeyDown(int keyCode, int /*shift*/) {
  if (!HasRow(0)) return;
  long row = Row();
  switch (keyCode) {
    case vbKeyUp: UserMoveTo(row > 0 ? row - 1 : 0); break;
    case vbKeyDown: UserMoveTo(row < 0 ? 0 : (HasRow(row + 1) ? row + 1 : row)); break;
    case vbKeyHome: UserMoveTo(0); break;
    case vbKeyEnd: UserMoveTo(RowCount() - 1); break;
    default: break;
  }
}

}  // namespace forms
