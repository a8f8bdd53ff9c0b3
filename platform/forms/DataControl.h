//===- DataControl.h - A data source: a recordset for bound grids ---------===//
//
// Refresh opens DatabaseName (through the application's database opener,
// Application::SetDatabaseOpener) and runs RecordSource, a table name or a
// SELECT, as a recordset of RecordsetType; the grids bound to it show the
// new rows at once. A recordset opened elsewhere may be given with
// SetRecordset, and released with SetRecordset(nullptr). Moving the
// recordset by code moves the grids' current row; they show it when
// refreshed. Refresh runs the record source again; while nothing changed in
// the database since, the new recordset shares the rows the last one read.
// Errors of the database pass through as they are.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/db/Constants.h"
#include "platform/forms/Control.h"

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace forms {

class DataGrid;

class DataControl : public Control {
 public:
  DataControl(Form* form, std::string name, int index = -1);
  ~DataControl() override;
  std::string_view Kind() const override { return "Data"; }

  const std::string& DatabaseName() const { return DatabaseName_; }
  void SetDatabaseName(std::string_view path);
  const std::string& RecordSource() const { return RecordSource_; }
  void SetRecordSource(std::string_view source) { RecordSource_ = std::string(source); }
  /// dao::dbOpenDynaset unless set.
  int RecordsetType() const { return RecordsetType_; }
  void SetRecordsetType(int type) { RecordsetType_ = type; }

  /// Opens the database when needed and runs the record source again.
  void Refresh() override;
  /// The current recordset, nullptr before Refresh or after its release.
  const std::shared_ptr<dao::Recordset>& Recordset() const { return Recordset_; }
  void SetRecordset(std::shared_ptr<dao::Recordset> recordset);
  /// An unloaded window's data source holds no rows and no database.
  void FormUnloaded() override;
  /// The database Refresh opened, or nullptr.
  const std::shared_ptr<dao::Database>& Database() const { return Database_; }

 private:
  friend class DataGrid;
  void Bind(DataGrid* grid);
  void Unbind(DataGrid* grid);
  void RowsChanged();

  std::string DatabaseName_;
  std::string RecordSource_;
  int RecordsetType_ = dao::dbOpenDynaset;
  std::shared_ptr<dao::Database> Database_;
  std::string OpenedName_;
  std::shared_ptr<dao::Recordset> Recordset_;
  std::vector<DataGrid*> Grids_;
};

}  // namespace forms
