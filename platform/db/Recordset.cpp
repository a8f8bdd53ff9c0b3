#include "platform/db/Recordset.h"

#include <sqlite3.h>

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/db/Query.h"
#include "platform/db/SqlTranslator.h"
#include "platform/db/Values.h"

namespace dao {

using detail::Phase;
using detail::QuoteName;
using detail::StatementUse;

// --- Field ---

const std::string& Field::Name() const { return Owner_->Shape_->Names[Index_]; }

int Field::Type() const { return Owner_->Types_[Index_]; }

long Field::Size() const {
  const int declared = Owner_->Shape_->Types[Index_];
  if (declared == 0) return Type() == dbText ? 255 : detail::TypeSize(Type(), 0);
  return detail::TypeSize(declared, Owner_->Shape_->Sizes[Index_]);
}

vb::Variant Field::Value() const {
  Owner_->CheckOpen();
  if (Owner_->Mode_ != Recordset::EditMode::None) return Owner_->Buffer_[Index_];
  return Owner_->Current().Values[Index_];
}

void Field::SetValue(const vb::Variant& value) {
  Owner_->CheckOpen();
  if (Owner_->Mode_ == Recordset::EditMode::None) RaiseJet(ErrUpdateWithoutEdit);
  if (Owner_->Shape_->SourceColumns[Index_].empty()) RaiseJet(ErrFieldNotUpdatable);
  Owner_->Buffer_[Index_] = detail::ConvertForField(value, Owner_->Types_[Index_], Owner_->Shape_->Sizes[Index_]);
  Owner_->Assigned_[Index_] = true;
}

// --- Recordset ---

Recordset::Recordset(std::shared_ptr<detail::Connection> connection, std::string sql, int type, bool editable,
                     detail::QueryResult result)
    : Connection_(std::move(connection)), Sql_(std::move(sql)), Type_(type), Editable_(editable) {
  Load(std::move(result));
}

Recordset::~Recordset() = default;

void Recordset::Load(detail::QueryResult result) {
  const bool sameShape = Shape_ == result.Shape;
  Shape_ = std::move(result.Shape);
  Rows_ = std::move(result.Rows);
  Updatable_ = Editable_ && !Shape_->BaseTable.empty();
  const std::size_t columns = Shape_->Names.size();
  Types_ = Shape_->Types;
  for (std::size_t i = 0; i < columns; ++i) {
    if (Types_[i] != 0) continue;
    Types_[i] = dbText;
    for (const detail::StoredRow& row : Rows_) {
      if (!row.Values[i].IsNull()) {
        Types_[i] = detail::TypeOfValue(row.Values[i]);
        break;
      }
    }
  }
  if (!sameShape) {
    std::vector<Field> fields;
    for (std::size_t i = 0; i < columns; ++i) fields.emplace_back(this, static_cast<int>(i));
    Fields_ = Collection<Field>(std::move(fields));
  }
  Mode_ = EditMode::None;
  NoMatch_ = false;
  Row_ = 0;
  Bof_ = Eof_ = Rows_.empty();
}

void Recordset::CheckOpen() const {
  if (Closed_ || !Connection_->IsOpen()) RaiseJet(ErrObjectInvalid);
}

void Recordset::CheckEditable() const {
  CheckOpen();
  if (!Updatable_ || Connection_->ReadOnly()) RaiseJet(ErrReadOnly);
}

void Recordset::CheckBackwards() const {
  CheckOpen();
  if (Type_ == dbOpenForwardOnly) RaiseJet(ErrNotForThisObject);
}

bool Recordset::Live(std::size_t row) const { return row < Rows_.size() && !Rows_[row].Deleted; }

void Recordset::GoTo(std::size_t row) {
  Row_ = row;
  Bof_ = Eof_ = false;
}

const detail::StoredRow& Recordset::Current() const {
  if (Bof_ || Eof_) RaiseJet(ErrNoCurrentRecord);
  if (Rows_[Row_].Deleted) RaiseJet(ErrRecordDeleted);
  return Rows_[Row_];
}

bool Recordset::EOF_() const {
  CheckOpen();
  return Eof_;
}

bool Recordset::BOF() const {
  CheckOpen();
  return Bof_;
}

void Recordset::MoveFirst() {
  CheckBackwards();
  Mode_ = EditMode::None;
  for (std::size_t i = 0; i < Rows_.size(); ++i) {
    if (Live(i)) return GoTo(i);
  }
  RaiseJet(ErrNoCurrentRecord);
}

void Recordset::MoveLast() {
  CheckOpen();
  Mode_ = EditMode::None;
  for (std::size_t i = Rows_.size(); i-- > 0;) {
    if (Live(i)) return GoTo(i);
  }
  RaiseJet(ErrNoCurrentRecord);
}

void Recordset::MoveNext() {
  CheckOpen();
  if (Eof_) RaiseJet(ErrNoCurrentRecord);
  Mode_ = EditMode::None;
  for (std::size_t i = Bof_ ? 0 : Row_ + 1; i < Rows_.size(); ++i) {
    if (Live(i)) return GoTo(i);
  }
  Row_ = Rows_.size();
  Bof_ = false;
  Eof_ = true;
}

void Recordset::MovePrevious() {
  CheckBackwards();
  if (Bof_) RaiseJet(ErrNoCurrentRecord);
  Mode_ = EditMode::None;
  for (std::size_t i = Eof_ ? Rows_.size() : Row_; i-- > 0;) {
    if (Live(i)) return GoTo(i);
  }
  Row_ = 0;
  Bof_ = true;
  Eof_ = false;
}

long Recordset::RecordCount() const {
  CheckOpen();
  long count = 0;
  for (const detail::StoredRow& row : Rows_) count += row.Deleted ? 0 : 1;
  return count;
}

long Recordset::AbsolutePosition() const {
  CheckOpen();
  if (Bof_ || Eof_ || !Live(Row_)) return -1;
  long position = 0;
  for (std::size_t i = 0; i < Row_; ++i) position += Live(i) ? 1 : 0;
  return position;
}

void Recordset::SetAbsolutePosition(long position) {
  CheckBackwards();
  long seen = 0;
  for (std::size_t i = 0; i < Rows_.size() && position >= 0; ++i) {
    if (!Live(i)) continue;
    if (seen++ == position) {
      Mode_ = EditMode::None;
      return GoTo(i);
    }
  }
  RaiseJet(ErrInvalidArgument);
}

RowBookmark Recordset::Bookmark() const {
  CheckOpen();
  Current();
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
  Find(criteria, Bof_ ? 0 : Row_ + 1);
}

// Evaluates the criteria in SQLite over each row's own values, bound as the fields of a one-row table.
void Recordset::Find(std::string_view criteria, std::size_t from) {
  CheckBackwards();
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
  for (std::size_t row = from; row < Rows_.size(); ++row) {
    if (!Live(row)) continue;
    for (std::size_t i = 0; i < Shape_->Names.size(); ++i) {
      detail::BindValue(stmt, static_cast<int>(literals + i + 1), Rows_[row].Values[i]);
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
  Buffer_ = Current().Values;
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
    if (Mode_ == EditMode::Edit) sqlite3_bind_int64(stmt, static_cast<int>(written.size() + 1), Rows_[Row_].Rowid);
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) Connection_->Fail(rc, Phase::Save);
  }
  if (Mode_ == EditMode::Add) {
    Rows_.push_back({std::move(Buffer_), sqlite3_last_insert_rowid(db), false});
  } else {
    if (sqlite3_changes(db) == 0) RaiseJet(ErrRecordDeleted);
    Rows_[Row_].Values = std::move(Buffer_);
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
  const detail::StoredRow& row = Current();
  sqlite3* db = Connection_->Db();
  sqlite3_stmt* stmt = Connection_->Prepared("DELETE FROM " + QuoteName(Shape_->BaseTable) + " WHERE _rowid_ = ?1",
                                             Phase::Write);
  {
    StatementUse use(stmt);
    sqlite3_bind_int64(stmt, 1, row.Rowid);
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) Connection_->Fail(rc, Phase::Write);
  }
  if (sqlite3_changes(db) == 0) RaiseJet(ErrRecordDeleted);
  Rows_[Row_].Deleted = true;
}

void Recordset::Requery() {
  CheckOpen();
  Load(detail::RunQuery(*Connection_, Sql_, Editable_));
}

void Recordset::Close() {
  Closed_ = true;
  Rows_.clear();
  Buffer_.clear();
  Mode_ = EditMode::None;
}

}  // namespace dao
