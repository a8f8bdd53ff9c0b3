//===- Recordset.h - The rows of a query or table, and their fields --------===//
//
// A recordset reads its query's rows as they are asked for, as a dynaset
// does: opening one makes the query (its faults are told at once) and reads
// nothing; the first look (EOF_, a move, its fields outside AddNew) runs it
// and reads the first row, moving on reads up to the row moved to, and
// MoveLast or RecordCount read the rest. The rows are those of that first
// look. A recordset opened only to add rows reads none: AddNew and Update
// are one insert, and its rows, the added ones among them, are read when it
// is first looked at. The rows read are kept
// compactly; moving to a row by its position, AbsolutePosition and a known
// RecordCount cost the same whatever the number of rows. No read lock
// outlives the work at hand: the rows left are read before the program
// writes anything, and when it waits for the user the recordset lets go of
// its statement and reads on later where it stopped (see Query.h). AddNew/Edit/
// Update and Delete write through to the table at once (one prepared
// INSERT, UPDATE or DELETE by row, cached) and keep the rows in step. Rows
// that other programs add or change after the opening show after Requery; a
// Requery while nothing changed in the database keeps the rows it has.
//
//   auto rs = BaseDatos->OpenRecordset(CadenaSQL, dao::dbOpenSnapshot);
//   while (!rs->EOF_()) {
//     Casilla = vb::TextOf(rs->Fields("CASILLA").Value());
//     rs->MoveNext();
//   }
//   rs->Close();
//
// EOF_() is DAO's EOF, with an underscore because <cstdio> defines EOF.
//
// Kinds: a table (dbOpenTable) and a dynaset (dbOpenDynaset) over one table
// can be edited; a dynaset over a join, a grouping or an expression-only
// query, a snapshot (dbOpenSnapshot) and a forward-only recordset
// (dbOpenForwardOnly) are read-only (3027); a forward-only one moves only
// forward (3251). RecordCount is always the full count (it reads the rest).
// MoveLast reads the rest only when the last row is looked at: a MoveLast
// followed by MoveFirst (to make the count complete, as the programs do)
// reads nothing.
//
// Fields come in the query's column order (a table's own order for
// "SELECT *" and for a table), by position or by name ignoring case. A
// field's Value is the current row's, or while AddNew or Edit is pending,
// the edit buffer's: what was assigned, converted to the field's type, and
// Null for what was not. Moving, finding or Requery drops a pending edit.
// After AddNew and Update the new row is at the end of the rows and the row
// that was current stays current. After Delete the deleted row stays current
// until the next move, and reading it is error 3167.
//
// Errors: 3021 no current row, 3020 Update or a field assignment without
// AddNew or Edit, 3027 read-only, 3164 a field computed by the query, 3167 a
// deleted row, 3159 a bookmark of another recordset, 3001 a position out of
// range, 3420 after Close; the table's rules on Update (3022, 3163, 3314,
// 3315, ...) and 3186 when another program has the table locked.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/db/Collection.h"
#include "platform/text/Variant.h"

struct sqlite3_stmt;

namespace dao {

namespace detail {
class Connection;
class Fetch;
struct LexedSql;
struct QueryRows;
struct ResultShape;
}  // namespace detail

class Recordset;

/// A field of a recordset: its name and type, and the current row's value.
class Field {
 public:
  Field(Recordset* owner, int index) : Owner_(owner), Index_(index) {}

  const std::string& Name() const;
  /// The DAO type code: the column's declared type, or for a computed
  /// column the kind of its values (dbLong, dbDouble or dbText).
  int Type() const;
  /// Characters for Text (255 for computed text), bytes for the other types, 0 for Memo.
  long Size() const;
  /// The value of the current row, or of the edit buffer while an edit is pending.
  vb::Variant Value() const;
  /// Puts a value into the edit buffer, converted to the field's type.
  void SetValue(const vb::Variant& value);

 private:
  Recordset* Owner_;
  int Index_;
};

/// A place in a recordset, to come back to with SetBookmark.
struct RowBookmark {
  const void* Owner = nullptr;
  std::size_t Row = 0;
  friend bool operator==(const RowBookmark&, const RowBookmark&) = default;
};

class Recordset {
 public:
  /// Made by Database::OpenRecordset.
  /// Made by Database::OpenRecordset: the query is made now, so that its
  /// faults show at once, and run when the recordset is first looked at.
  Recordset(std::shared_ptr<detail::Connection> connection, std::string sql, int type, bool editable);
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  /// True after the last row (and for an empty recordset).
  bool EOF_() const;
  /// True before the first row (and for an empty recordset).
  bool BOF() const;
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  /// The number of rows (deleted ones not counted).
  long RecordCount() const;
  /// The 0-based position of the current row; -1 when there is none.
  long AbsolutePosition() const;
  void SetAbsolutePosition(long position);
  /// Field `field` of the row at `position`, without moving there (what a
  /// grid shows); 3001 for a position out of range.
  vb::Variant ValueAt(long position, int field);
  /// The index of the field named `name` (ignoring case); -1 when there is none.
  int FieldIndex(std::string_view name) const;
  /// True when there is a row at `position`, reading up to it.
  bool HasPosition(long position);
  /// The rows read so far (what a grid can show without reading on), and
  /// whether the query has more.
  long RowsRead() const;
  bool MoreRows() const;
  /// The current row's place; 3021 when there is none.
  RowBookmark Bookmark() const;
  void SetBookmark(const RowBookmark& bookmark);

  /// Moves to the first row that meets `criteria`, a Jet condition over the
  /// fields ("TIP_INFORMACION = '01' AND ind_moneda = '001'"); NoMatch tells
  /// whether one did. When none does, the current row stays.
  void FindFirst(std::string_view criteria);
  /// As FindFirst, from the row after the current one.
  void FindNext(std::string_view criteria);
  bool NoMatch() const { return NoMatch_; }

  /// Starts a new row in the edit buffer, all fields Null.
  void AddNew();
  /// Starts editing the current row in the edit buffer.
  void Edit();
  /// Writes the edit buffer: the new row, or the assigned fields of the edited row.
  void Update();
  /// Drops the edit buffer.
  void CancelUpdate();
  /// Deletes the current row from its table.
  void Delete();
  /// Reads the rows again; the first becomes current.
  void Requery();
  void Close();
  /// False once it or its database is closed: every other member then raises 3420.
  bool IsOpen() const;

  /// The fields: a look at the rows, unless a new row is being written.
  Collection<Field>& Fields();
  Field& Fields(int index) { return Fields().Item(index); }
  Field& Fields(std::string_view name) { return Fields().Item(name); }

 private:
  friend class Field;
  enum class EditMode { None, Edit, Add };

  void CheckOpen() const;
  void CheckEditable() const;
  void CheckBackwards() const;
  void CheckCurrent() const;
  /// A MoveLast not carried out yet is carried out.
  void Settle() const;
  /// Runs the query, when its rows are first looked at.
  void Start() const;
  /// Takes the rows of a run of the query; the first becomes current.
  void Adopt(detail::QueryRows rows);
  /// Lets go of the rows and of what was written beside them.
  void Forget();
  void TakeShape(std::shared_ptr<const detail::ResultShape> shape);
  void Find(std::string_view criteria, std::size_t from);
  /// Reads rows until row `row` is there; false when the query has no such row.
  bool Has(std::size_t row) const;
  bool Live(std::size_t row) const;
  /// Every row, read to the last.
  std::size_t AllRows() const;
  /// The row at 0-based `position` among the rows not deleted; false when there is none.
  bool RowAt(long position, std::size_t& row) const;
  vb::Variant Value(std::size_t row, int field) const;
  std::vector<vb::Variant> Values(std::size_t row) const;
  std::int64_t Rowid(std::size_t row) const;
  int FieldType(int field) const;
  void GoTo(std::size_t row);
  std::string WriteSql(const std::vector<int>& written) const;

  std::shared_ptr<detail::Connection> Connection_;
  std::shared_ptr<const detail::LexedSql> Sql_;  // the query and its tokens
  int Type_;
  bool Editable_;  // asked for rows to edit (table or dynaset)
  bool Updatable_ = false;
  bool Closed_ = false;
  std::shared_ptr<const detail::ResultShape> Shape_;
  // The query's rows, shared with other recordsets of the same query while
  // nothing changed; what this recordset wrote is kept beside them. None
  // until the rows are first looked at.
  std::shared_ptr<detail::Fetch> Rows_;
  std::vector<std::size_t> Deleted_;  // sorted
  std::unordered_map<std::size_t, std::vector<vb::Variant>> Edited_;
  struct AddedRow {
    std::vector<vb::Variant> Values;
    std::int64_t Rowid = 0;
  };
  std::vector<AddedRow> Added_;  // after the query's rows
  mutable std::vector<int> Types_;  // 0 until known for a computed field
  Collection<Field> Fields_;
  mutable std::size_t Row_ = 0;
  mutable bool PendingLast_ = false;  // moved to the last row, not read up to it yet
  bool Bof_ = true;
  bool Eof_ = true;
  bool NoMatch_ = false;
  EditMode Mode_ = EditMode::None;
  std::vector<vb::Variant> Buffer_;
  std::vector<bool> Assigned_;
  // The last INSERT or UPDATE, kept for the next Update of the same fields.
  struct WriteStatement {
    EditMode Mode = EditMode::None;
    std::vector<bool> Fields;
    sqlite3_stmt* Stmt = nullptr;
    std::uint64_t Generation = 0;
  } LastWrite_;
};

/// The query rows held in memory by all recordsets now: what closing them gives back.
std::size_t RowsInMemory();

}  // namespace dao
