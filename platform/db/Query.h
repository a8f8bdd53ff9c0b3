//===- Query.h - Running Jet statements on a connection (internal) ---------===//
//
// RunQuery starts a SELECT and reads its first row; the others are read as
// they are asked for (Fetch::Reach), as a dynaset reads its rows, and kept
// compactly in a RowStore. While a fetch has rows left, its statement stays
// open and holds SQLite's read lock; so nothing waits on it, every unfinished
// fetch reads its remaining rows before the connection writes anything and
// whenever FinishPendingReads is called (the window layer calls it when it
// waits for the user). A query run again while nothing changed in the
// database (no change here, none committed by another program, no change of
// tables) shares the rows it read the last time instead of running again; a
// query is the same when it differs only in blanks and the case of its
// words, its literals being equal.
//
// RunStatement runs one action or definition statement; SQLite undoes a
// statement that fails part-way, so a failure leaves no half of it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/db/Connection.h"
#include "platform/db/RowStore.h"
#include "platform/db/SqlLexer.h"

namespace dao::detail {

/// The rows of one run of a SELECT, read as they are asked for.
class Fetch {
 public:
  /// Starts `compiled`, whose literals `lexed` holds, and reads its first row.
  Fetch(Connection& c, Lexed lexed, CompiledStatement& compiled);
  ~Fetch();
  Fetch(const Fetch&) = delete;
  Fetch& operator=(const Fetch&) = delete;

  const std::shared_ptr<const ResultShape>& Shape() const { return Shape_; }
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

  Connection* Connection_;
  Lexed Lexed_;  // its texts are bound to the statement without a copy
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

/// The rows of a Jet SELECT; with `editable`, each row's rowid when it reads one table.
/// A statement other than SELECT is error 3219.
QueryRows RunQuery(Connection& c, std::string_view sql, bool editable);

/// Every unfinished fetch of every connection reads its remaining rows.
void FinishPendingFetches();
/// The unfinished fetches of `c` stop where they are (it closes).
void AbandonFetches(Connection& c);

/// Runs a Jet INSERT, UPDATE, DELETE or data definition statement; a SELECT is error 3065.
void RunStatement(Connection& c, std::string_view sql);

}  // namespace dao::detail
