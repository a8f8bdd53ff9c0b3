#include "platform/forms/DataControl.h"

#include <algorithm>
#include <stdexcept>

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/DataGrid.h"

namespace forms {

DataControl::DataControl(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}

DataControl::~DataControl() {
  for (DataGrid* grid : Grids_) grid->Source_ = nullptr;
}

void DataControl::SetDatabaseName(std::string_view path) { DatabaseName_ = std::string(path); }

void DataControl::Refresh() {
  if (Database_ == nullptr || OpenedName_ != DatabaseName_) {
    const auto& opener = Application::Current().Opener();
    if (!opener) throw std::logic_error("forms::DataControl: the application has no database opener");
    Database_ = opener(DatabaseName_);
    OpenedName_ = DatabaseName_;
  }
  Recordset_ = Database_->OpenRecordset(RecordSource_, RecordsetType_);
  RowsChanged();
}

void DataControl::SetRecordset(std::shared_ptr<dao::Recordset> recordset) {
  Recordset_ = std::move(recordset);
  RowsChanged();
}

void DataControl::FormUnloaded() {
  Recordset_.reset();
  Database_.reset();
  OpenedName_.clear();
}

void DataControl::Bind(DataGrid* grid) {
  if (std::find(Grids_.begin(), Grids_.end(), grid) == Grids_.end()) Grids_.push_back(grid);
}

void DataControl::Unbind(DataGrid* grid) { std::erase(Grids_, grid); }

void DataControl::RowsChanged() {
  Changed(Property::Rows);
  for (DataGrid* grid : Grids_) grid->Changed(Property::Rows);
}

}  // namespace forms
