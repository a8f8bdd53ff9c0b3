//===- Query.h - Running Jet statements on a connection (internal) ---------===//
//
// RunQuery starts a SELECT and reads its first row; the others are read as
// they are asked for (Fetch::Reach), as a dynaset reads its rows, and kept
// compactly in a RowStore. While a fetch has rows left, its statement stays
// open and holds SQLite's read lock. So that nothing waits on it, every
// unfinished fetch reads its remaining rows before any connection writes,
// and when the program waits for the user (ReleaseReadLocks, which the
// window layer calls). A list is then the rows of one run: a row another
// program adds or removes later changes nothing of it, and no row shows
// twice. A query run again while nothing changed in the database (no change
// here, no commit or rollback here, none committed by another program, no
// change of tables) shares the rows it read the last time, as its run finds
// at its first row; a query is the same when it differs only in blanks and
// the case of its words, its literals being equal.
//
// RunStatement runs one action or definition statement. A statement that
// fails part-way leaves nothing of itself (SQLite keeps what a FAIL rule
// let through before it, so each write runs under a savepoint of its own).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/db/Connection.h"
#include "platform/db/RowStore.h"
#include "platform/db/SqlLexer.h"

namespace dao::detail {

/// The rows of one run of a SELECT, read as they are asked for.
class Fetch {
 public:
  /// Starts `compiled`, the form of the query `lexed`, and reads its first row.
  Fetch(Connection& c, std::shared_ptr<const LexedSql> lexed, CompiledStatement& compiled);
  ~Fetch();
  Fetch(const Fetch&) = delete;
  Fetch& operator=(const Fetch&) = delete;

  const std::shared_ptr<const ResultShape>& Shape() const { return Shape_; }
  /// The SELECT as it was written.
  const std::string& Sql() const { return Lexed_->Text; }
  const RowStore& Rows() const { return Rows_; }
  /// Reads rows until there are at least `count`; false when the query has fewer.
  bool Reach(std::size_t count);
  /// Reads every row left.
  void Finish() { Reach(SIZE_MAX); }
  /// True once every row has been read.
  bool Done() const { return Compiled_ == nullptr; }
  /// What the database was when the query ran.
  const DataStamp& Stamp() const { return Stamp_; }
  /// The connection closes: the rows read so far are all there will be.
  void Abandon();
  bool Of(const Connection& c) const { return Connection_ == &c; }

 private:
  void Release();
  void Unbind();

  Connection* Connection_;
  std::shared_ptr<const LexedSql> Lexed_;  // its texts are bound to the statement without a copy
  CompiledStatement* Compiled_;
  std::shared_ptr<const ResultShape> Shape_;
  RowStore Rows_;
  DataStamp Stamp_;
};

/// The rows of one run of a SELECT and the columns as that SELECT names them
/// (a query written in another case may share the rows of an earlier run).
struct QueryRows {
  std::shared_ptr<Fetch> Rows;
  std::shared_ptr<const ResultShape> Shape;
};

/// The columns of the Jet SELECT `lexed`, made ready to run (its faults of
/// syntax, tables and columns raised now); nothing is read. A statement
/// other than SELECT is error 3219.
std::shared_ptr<const ResultShape> PrepareQuery(Connection& c, const LexedSql& lexed, bool editable);

/// The rows of the Jet SELECT `lexed`; with `editable`, each row's rowid
/// when it reads one table. A statement other than SELECT is error 3219.
QueryRows RunQuery(Connection& c, const std::shared_ptr<const LexedSql>& lexed, bool editable);

/// Every unfinished fetch of every connection reads its remaining rows (before one writes).
void FinishPendingFetches();
/// The unfinished fetches of `c` stop where they are (it closes).
void AbandonFetches(Connection& c);

/// Runs a Jet INSERT, UPDATE, DELETE or data definition statement; a SELECT is error 3065.
void RunStatement(Connection& c, std::string_view sql);

}  // namespace dao::detail
