#include "platform/db/Recordset.h"

#include <sqlite3.h>

#include <algorithm>

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/db/Query.h"
#include "platform/db/SqlLexer.h"
#include "platform/db/SqlTranslator.h"
#include "platform/db/Values.h"

namespace dao {

using detail::Phase;
using detail::QuoteName;
using detail::StatementUse;

std::size_t RowsInMemory() { return detail::RowStore::LiveRows(); }

// --- Field ---

const std::string& Field::Name() const { return Owner_->Shape_->Names[Index_]; }

int Field::Type() const { return Owner_->FieldType(Index_); }

long Field::Size() const {
  const int declared = Owner_->Shape_->Types[Index_];
  if (declared == 0) return Type() == dbText ? 255 : detail::TypeSize(Type(), 0);
  return detail::TypeSize(declared, Owner_->Shape_->Sizes[Index_]);
}

vb::Variant Field::Value() const {
  Owner_->CheckOpen();
  if (Owner_->Mode_ != Recordset::EditMode::None) return Owner_->Buffer_[Index_];
  Owner_->CheckCurrent();
  return Owner_->Value(Owner_->Row_, Index_);
}

void Field::SetValue(const vb::Variant& value) {
  Owner_->CheckOpen();
  if (Owner_->Mode_ == Recordset::EditMode::None) RaiseJet(ErrUpdateWithoutEdit);
  if (Owner_->Shape_->SourceColumns[Index_].empty()) RaiseJet(ErrFieldNotUpdatable);
  Owner_->Buffer_[Index_] = detail::ConvertForField(value, Type(), Owner_->Shape_->Sizes[Index_]);
  Owner_->Assigned_[Index_] = true;
}

// --- Recordset ---

Recordset::Recordset(std::shared_ptr<detail::Connection> connection, std::string sql, int type, bool editable)
    : Connection_(std::move(connection)), Sql_(Connection_->LexedQuery(sql)), Type_(type), Editable_(editable) {
  TakeShape(detail::PrepareQuery(*Connection_, *Sql_, Editable_));
}

Collection<Field>& Recordset::Fields() {
  // The columns known before a run may be those of a table another program
  // has made anew since: the run tells.
  if (Mode_ != EditMode::Add && IsOpen()) Start();
  return Fields_;
}

Recordset::~Recordset() = default;

void Recordset::TakeShape(std::shared_ptr<const detail::ResultShape> shape) {
  const bool sameColumns = Shape_ != nullptr && Shape_->Names.size() == shape->Names.size();
  Shape_ = std::move(shape);
  Updatable_ = Editable_ && !Shape_->BaseTable.empty();
  Types_ = Shape_->Types;
  // A field is its position: the ones handed out stay good while the count does.
  if (!sameColumns) {
    std::vector<Field> fields;
    for (std::size_t i = 0; i < Shape_->Names.size(); ++i) fields.emplace_back(this, static_cast<int>(i));
    Fields_ = Collection<Field>(std::move(fields));
  }
}

void Recordset::Forget() {
  Rows_.reset();
  Deleted_.clear();
  Edited_.clear();
  Added_.clear();
  Mode_ = EditMode::None;
  NoMatch_ = false;
  Row_ = 0;
  PendingLast_ = false;
}

void Recordset::Start() const {
  if (Rows_ == nullptr) const_cast<Recordset&>(*this).Adopt(detail::RunQuery(*Connection_, Sql_, Editable_));
}

void Recordset::Adopt(detail::QueryRows rows) {
  Forget();  // what this recordset added is among the table's rows now
  Rows_ = std::move(rows.Rows);
  TakeShape(std::move(rows.Shape));
  Bof_ = Eof_ = !Has(0);
}

// A computed field's type is the kind of its first value that is not Null.
int Recordset::FieldType(int field) const {
  int& type = Types_[static_cast<std::size_t>(field)];
  if (type != 0) return type;
  const std::size_t rows = AllRows();
  for (std::size_t row = 0; row < rows; ++row) {
    vb::Variant v = Value(row, field);
    if (!v.IsNull()) return type = detail::TypeOfValue(v);
  }
  return dbText;
}

bool Recordset::IsOpen() const { return !Closed_ && Connection_->IsOpen(); }

void Recordset::CheckOpen() const {
  if (!IsOpen()) RaiseJet(ErrObjectInvalid);
}

void Recordset::CheckEditable() const {
  CheckOpen();
  if (!Updatable_ || Connection_->ReadOnly()) RaiseJet(ErrReadOnly);
}

void Recordset::CheckBackwards() const {
  CheckOpen();
  if (Type_ == dbOpenForwardOnly) RaiseJet(ErrNotForThisObject);
}

void Recordset::Settle() const {
  if (!PendingLast_) return;
  PendingLast_ = false;
  for (std::size_t i = AllRows(); i-- > 0;) {
    if (Live(i)) {
      Row_ = i;
      return;
    }
  }
}

void Recordset::CheckCurrent() const {
  Start();
  Settle();
  if (Bof_ || Eof_) RaiseJet(ErrNoCurrentRecord);
  if (std::binary_search(Deleted_.begin(), Deleted_.end(), Row_)) RaiseJet(ErrRecordDeleted);
}

bool Recordset::Has(std::size_t row) const {
  Start();
  const std::size_t read = Rows_->Rows().Size();
  if (row < read + Added_.size()) return true;
  if (!Added_.empty()) return false;  // rows are added after the last one read
  return Rows_->Reach(row + 1);
}

bool Recordset::Live(std::size_t row) const {
  return Has(row) && !std::binary_search(Deleted_.begin(), Deleted_.end(), row);
}

std::size_t Recordset::AllRows() const {
  Start();
  Rows_->Finish();
  return Rows_->Rows().Size() + Added_.size();
}

bool Recordset::RowAt(long position, std::size_t& row) const {
  if (position < 0) return false;
  row = static_cast<std::size_t>(position);
  for (std::size_t deleted : Deleted_) {
    if (deleted <= row) ++row;
  }
  return Has(row);
}

vb::Variant Recordset::Value(std::size_t row, int field) const {
  if (auto edited = Edited_.find(row); edited != Edited_.end()) return edited->second[field];
  const detail::RowStore& rows = Rows_->Rows();
  if (row >= rows.Size()) return Added_[row - rows.Size()].Values[field];
  return rows.Value(row, field, Shape_->Types[field]);
}

std::vector<vb::Variant> Recordset::Values(std::size_t row) const {
  std::vector<vb::Variant> values;
  for (std::size_t i = 0; i < Shape_->Names.size(); ++i) values.push_back(Value(row, static_cast<int>(i)));
  return values;
}

std::int64_t Recordset::Rowid(std::size_t row) const {
  const detail::RowStore& rows = Rows_->Rows();
  return row < rows.Size() ? rows.Rowid(row) : Added_[row - rows.Size()].Rowid;
}

void Recordset::GoTo(std::size_t row) {
  PendingLast_ = false;
  Row_ = row;
  Bof_ = Eof_ = false;
}

bool Recordset::EOF_() const {
  CheckOpen();
  Start();
  return Eof_;
}

bool Recordset::BOF() const {
  CheckOpen();
  Start();
  return Bof_;
}

void Recordset::MoveFirst() {
  CheckBackwards();
  Start();
  Mode_ = EditMode::None;
  for (std::size_t i = 0; Has(i); ++i) {
    if (Live(i)) return GoTo(i);
  }
  RaiseJet(ErrNoCurrentRecord);
}

void Recordset::MoveLast() {
  CheckOpen();
  Start();
  Mode_ = EditMode::None;
  if (!Rows_->Done() && Added_.empty() && Deleted_.empty() && Has(0)) {
    // There is a last row; it is read when it is looked at.
    GoTo(0);
    PendingLast_ = true;
    return;
  }
  for (std::size_t i = AllRows(); i-- > 0;) {
    if (Live(i)) return GoTo(i);
  }
  RaiseJet(ErrNoCurrentRecord);
}

void Recordset::MoveNext() {
  CheckOpen();
  Start();
  if (Eof_) RaiseJet(ErrNoCurrentRecord);
  Mode_ = EditMode::None;
  Settle();
  std::size_t i = Bof_ ? 0 : Row_ + 1;
  for (; Has(i); ++i) {
    if (Live(i)) return GoTo(i);
  }
  Row_ = i;
  Bof_ = false;
  Eof_ = true;
}

void Recordset::MovePrevious() {
  CheckBackwards();
  Start();
  if (Bof_) RaiseJet(ErrNoCurrentRecord);
  Mode_ = EditMode::None;
  Settle();
  for (std::size_t i = Eof_ ? AllRows() : Row_; i-- > 0;) {
    if (Live(i)) return GoTo(i);
  }
  Row_ = 0;
  Bof_ = true;
  Eof_ = false;
}

long Recordset::RecordCount() const {
  CheckOpen();
  return static_cast<long>(AllRows() - Deleted_.size());
}

long Recordset::AbsolutePosition() const {
  CheckOpen();
  Start();
  Settle();
  if (Bof_ || Eof_ || !Live(Row_)) return -1;
  auto before = std::lower_bound(Deleted_.begin(), Deleted_.end(), Row_) - Deleted_.begin();
  return static_cast<long>(Row_) - static_cast<long>(before);
}

void Recordset::SetAbsolutePosition(long position) {
  CheckBackwards();
  std::size_t row = 0;
  if (!RowAt(position, row)) RaiseJet(ErrInvalidArgument);
  Mode_ = EditMode::None;
  GoTo(row);
}

vb::Variant Recordset::ValueAt(long position, int field) {
  CheckOpen();
  std::size_t row = 0;
  if (!RowAt(position, row)) RaiseJet(ErrInvalidArgument);
  return Value(row, field);
}

bool Recordset::HasPosition(long position) {
  CheckOpen();
  std::size_t row = 0;
  return RowAt(position, row);
}

long Recordset::RowsRead() const {
  CheckOpen();
  Start();
  return static_cast<long>(Rows_->Rows().Size() + Added_.size() - Deleted_.size());
}

bool Recordset::MoreRows() const {
  CheckOpen();
  Start();
  return !Rows_->Done() && Added_.empty();
}

int Recordset::FieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Shape_->Names.size(); ++i) {
    if (SameName(Shape_->Names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

RowBookmark Recordset::Bookmark() const {
  CheckOpen();
  CheckCurrent();
  return {this, Row_};
}

void Recordset::SetBookmark(const RowBookmark& bookmark) {
  CheckBackwards();
  if (bookmark.Owner != this || !Live(bookmark.Row)) RaiseJet(ErrInvalidBookmark);
  Mode_ = EditMode::None;
  GoTo(bookmark.Row);
}

void Recordset::FindFirst(std::string_view criteria) { Find(criteria, 0); }

void Recordset::FindNext(std::string_view criteria) {
  CheckOpen();
  Start();
  Settle();
  Find(criteria, Bof_ ? 0 : Row_ + 1);
}

// Evaluates the criteria in SQLite over each row's own values, bound as the fields of a one-row table.
void Recordset::Find(std::string_view criteria, std::size_t from) {
  CheckBackwards();
  Start();
  Mode_ = EditMode::None;
  detail::Lexed lexed = detail::Lex(criteria);
  detail::Translation condition = detail::TranslateCondition(lexed, criteria);
  const std::size_t literals = condition.Parameters.size();
  std::string sql = "SELECT CASE WHEN " + condition.Sql + " THEN 1 ELSE 0 END FROM (SELECT ";
  for (std::size_t i = 0; i < Shape_->Names.size(); ++i) {
    sql += (i ? ", ?" : "?") + std::to_string(literals + i + 1) + " AS " + QuoteName(Shape_->Names[i]);
  }
  sql += ") AS " + QuoteName(Shape_->BaseTable.empty() ? "Recordset" : Shape_->BaseTable);
  sqlite3_stmt* stmt = Connection_->Prepared(sql);
  StatementUse use(stmt);
  for (std::size_t k = 0; k < literals; ++k) {
    detail::BindLiteral(stmt, static_cast<int>(k + 1), lexed.Literals[condition.Parameters[k]]);
  }
  for (std::size_t row = from; Has(row); ++row) {
    if (!Live(row)) continue;
    const std::vector<vb::Variant> values = Values(row);  // bound without a copy: kept until the step
    for (std::size_t i = 0; i < values.size(); ++i) {
      detail::BindValue(stmt, static_cast<int>(literals + i + 1), values[i]);
    }
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) Connection_->Fail(rc, Phase::Read);
    const bool match = sqlite3_column_int(stmt, 0) != 0;
    sqlite3_reset(stmt);
    if (match) {
      NoMatch_ = false;
      return GoTo(row);
    }
  }
  NoMatch_ = true;
}

void Recordset::AddNew() {
  CheckEditable();
  Buffer_.assign(Shape_->Names.size(), vb::Variant::Null());
  Assigned_.assign(Shape_->Names.size(), false);
  Mode_ = EditMode::Add;
}

void Recordset::Edit() {
  CheckEditable();
  Mode_ = EditMode::None;
  CheckCurrent();
  Buffer_ = Values(Row_);
  Assigned_.assign(Shape_->Names.size(), false);
  Mode_ = EditMode::Edit;
}

void Recordset::Update() {
  CheckOpen();
  if (Mode_ == EditMode::None) RaiseJet(ErrUpdateWithoutEdit);
  std::vector<int> written;
  for (std::size_t i = 0; i < Assigned_.size(); ++i) {
    if (Assigned_[i]) written.push_back(static_cast<int>(i));
  }
  if (Mode_ == EditMode::Edit && written.empty()) {
    Mode_ = EditMode::None;
    return;
  }
  // Nothing reads while this writes; a new row goes after the last one read.
  detail::FinishPendingFetches();
  Settle();
  sqlite3* db = Connection_->Db();
  if (LastWrite_.Stmt == nullptr || LastWrite_.Mode != Mode_ || LastWrite_.Fields != Assigned_ ||
      LastWrite_.Generation != Connection_->Generation()) {
    LastWrite_ = {Mode_, Assigned_, Connection_->Prepared(WriteSql(written), Phase::Save), Connection_->Generation()};
  }
  sqlite3_stmt* stmt = LastWrite_.Stmt;
  {
    StatementUse use(stmt);
    for (std::size_t k = 0; k < written.size(); ++k) {
      detail::BindValue(stmt, static_cast<int>(k + 1), Buffer_[written[k]]);
    }
    if (Mode_ == EditMode::Edit) sqlite3_bind_int64(stmt, static_cast<int>(written.size() + 1), Rowid(Row_));
    Connection_->RunWrite(stmt, Phase::Save);
  }
  if (Mode_ == EditMode::Add) {
    Added_.push_back({std::move(Buffer_), sqlite3_last_insert_rowid(db)});
  } else {
    if (sqlite3_changes(db) == 0) RaiseJet(ErrRecordDeleted);
    Edited_[Row_] = std::move(Buffer_);
  }
  Buffer_.clear();
  Mode_ = EditMode::None;
}

std::string Recordset::WriteSql(const std::vector<int>& written) const {
  const std::string table = QuoteName(Shape_->BaseTable);
  if (Mode_ == EditMode::Add) {
    if (written.empty()) return "INSERT INTO " + table + " DEFAULT VALUES";
    std::string columns, values;
    for (std::size_t k = 0; k < written.size(); ++k) {
      columns += (k ? ", " : "") + QuoteName(Shape_->SourceColumns[written[k]]);
      values += (k ? ", ?" : "?") + std::to_string(k + 1);
    }
    return "INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")";
  }
  std::string sets;
  for (std::size_t k = 0; k < written.size(); ++k) {
    sets += (k ? ", " : "") + QuoteName(Shape_->SourceColumns[written[k]]) + " = ?" + std::to_string(k + 1);
  }
  return "UPDATE " + table + " SET " + sets + " WHERE _rowid_ = ?" + std::to_string(written.size() + 1);
}

void Recordset::CancelUpdate() {
  CheckOpen();
  if (Mode_ == EditMode::None) RaiseJet(ErrUpdateWithoutEdit);
  Mode_ = EditMode::None;
}

void Recordset::Delete() {
  CheckEditable();
  Mode_ = EditMode::None;
  CheckCurrent();
  detail::FinishPendingFetches();
  sqlite3* db = Connection_->Db();
  sqlite3_stmt* stmt = Connection_->Prepared("DELETE FROM " + QuoteName(Shape_->BaseTable) + " WHERE _rowid_ = ?1",
                                             Phase::Write);
  {
    StatementUse use(stmt);
    sqlite3_bind_int64(stmt, 1, Rowid(Row_));
    Connection_->RunWrite(stmt, Phase::Write);
  }
  if (sqlite3_changes(db) == 0) RaiseJet(ErrRecordDeleted);
  Deleted_.insert(std::upper_bound(Deleted_.begin(), Deleted_.end(), Row_), Row_);
}

void Recordset::Requery() {
  CheckOpen();
  // Run while the old rows are still held, so that they are shared when nothing changed.
  Adopt(detail::RunQuery(*Connection_, Sql_, Editable_));
}

void Recordset::Close() {
  Closed_ = true;
  Forget();
  Buffer_.clear();
}

}  // namespace dao
