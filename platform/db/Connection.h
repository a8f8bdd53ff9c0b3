//===- Connection.h - One open SQLite database under the layer (internal) ---===//
//
// Owns the sqlite3 handle of a Database, its cache of prepared statements and
// the mapping of SQLite's failures to the engine's errors. Every statement
// it hands out is reset as soon as its user is done with it (StatementUse),
// so no statement stays open and no read lock outlives the call that read.
//
// Opening never creates a file (unless asked to create one), waits a short
// while for a lock held by another program and then fails with 3051, and an
// exclusive opening keeps an exclusive lock on the file until it is closed,
// so nobody else can read or write it meanwhile.
//
// Jet statements are cached by their shape (see SqlLexer.h): a statement met
// again is bound and run without being translated or prepared again.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/db/SqlLexer.h"
#include "platform/db/SqlTranslator.h"

struct sqlite3;
struct sqlite3_stmt;

namespace dao::detail {

/// What a statement was doing when it failed: a lock means 3051 while
/// opening, 3186 while saving a record and 3260 otherwise.
enum class Phase { Open, Read, Write, Save };

/// The columns of a SELECT, shared by all recordsets of one cached statement.
struct ResultShape {
  std::vector<std::string> Names;
  std::vector<int> Types;  // DAO type of a column's declared type; 0 for an expression
  std::vector<int> Sizes;
  std::vector<std::string> SourceColumns;  // the table column an editable field writes; "" for none
  std::string BaseTable;                   // editable rows: the table, and the rowid comes last
};

class Fetch;

/// A Jet statement translated and prepared once.
struct CompiledStatement {
  Translation Info;
  sqlite3_stmt* Stmt = nullptr;
  std::shared_ptr<const ResultShape> Shape;
  int SchemaVersion = 0;
  std::uint64_t TablesChanged = 0;  // the connection's count of its own table changes when compiled
  int Reprepares = 0;  // SQLite's count of re-preparations when Shape was made
  Fetch* Holder = nullptr;  // the unfinished fetch reading from Stmt
};

/// What the database is at a moment: equal stamps, equal rows. The data
/// version changes with every change of the file committed by another
/// program, the count of changes with every row this connection writes, the
/// count of ends with every commit and every rollback (whole or to a
/// savepoint) of this connection, which undo no count of changes, the
/// temporary schema's version with every change of this connection's
/// temporary tables.
struct DataStamp {
  std::int64_t DataVersion = -1;
  std::int64_t Changes = 0;
  std::uint64_t Ends = 0;
  std::int64_t TempSchema = 0;
  friend bool operator==(const DataStamp&, const DataStamp&) = default;
};

/// Resets and unbinds a prepared statement when it goes out of scope.
class StatementUse {
 public:
  explicit StatementUse(sqlite3_stmt* stmt) : Stmt_(stmt) {}
  ~StatementUse();
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;
  sqlite3_stmt* Get() const { return Stmt_; }

 private:
  sqlite3_stmt* Stmt_;
};

/// Binds one statement literal to parameter `index`; a text is bound without a copy.
void BindLiteral(sqlite3_stmt* stmt, int index, const Literal& literal);

class Connection {
 public:
  struct Options {
    std::string DisplayPath;  // as the program wrote it, for messages
    std::string NativePath;
    bool Exclusive = false;
    bool ReadOnly = false;
    bool Create = false;
    int BusyTimeoutMs = 2000;
    bool MayCreateTables = false;
  };

  /// Opens the database. Errors: 3051 locked or held exclusively, 3343 not a
  /// database, 3043 on other failures of the file.
  static std::shared_ptr<Connection> Open(const Options& options);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  /// Closes the handle; later use raises 3420.
  void Close();
  bool IsOpen() const { return Db_ != nullptr; }
  /// The handle; 3420 once closed.
  sqlite3* Db() const;
  const std::string& Path() const { return Options_.DisplayPath; }
  bool ReadOnly() const { return Options_.ReadOnly; }
  bool MayCreateTables() const { return Options_.MayCreateTables; }

  /// Runs internal SQL (several statements allowed) for its effect.
  void Exec(std::string_view sql, Phase phase = Phase::Write);
  /// Steps a prepared statement that writes, to its end. A failure leaves
  /// nothing of it, inside a transaction or outside one, and raises the
  /// engine's error for it: SQLite keeps what a statement stopped by a FAIL
  /// rule (a trigger's RAISE(FAIL), a column's ON CONFLICT FAIL) wrote
  /// before, so each runs under a savepoint of its own.
  void RunWrite(sqlite3_stmt* stmt, Phase phase);
  /// True while SQLite holds a transaction open on this connection. SQLite
  /// ends one itself at times: a trigger's RAISE(ROLLBACK), a full disk.
  bool InTransaction() const;
  /// Whether the workspace holds a transaction on this connection: from its
  /// begin until the program ends it, even after SQLite has ended it.
  void Hold(bool held);
  /// The workspace's transaction was ended on this connection by another's
  /// failure, told by `why` ("" when unknown).
  void EndedBy(const std::string& why);
  /// Why SQLite ended the transaction the workspace holds; "" when unknown.
  const std::string& WhyEnded() const { return WhyEnded_; }
  /// Refuses a write while the workspace holds a transaction that SQLite has
  /// ended: outside it, the write would be kept at once, on its own. Raises
  /// 3034, saying why the transaction ended.
  void RefuseIfEnded() const;
  /// This connection undid changes without SQLite's rollback (to a savepoint).
  void Undone() { ++Ends_; }
  /// A prepared statement of internal SQL, cached by its text.
  sqlite3_stmt* Prepared(const std::string& sql, Phase phase = Phase::Read);
  /// Changes whenever statements from Prepared are finalized: a caller may
  /// keep such a statement while the generation stays the same.
  std::uint64_t Generation() const { return Generation_; }
  /// Raises the engine error that stands for SQLite's failure `rc`, and
  /// keeps it as the reason when it ended a transaction the workspace holds.
  [[noreturn]] void Fail(int rc, Phase phase) const;

  /// The tokens of the query `sql`, lexed once for every use of the same text.
  std::shared_ptr<const LexedSql> LexedQuery(std::string_view sql);

  /// The translated and prepared form of a Jet SELECT, INSERT, UPDATE or DELETE.
  /// A cached translation that depends on a table's columns is checked
  /// against the schema first, unless `checkSchema` is false: then the
  /// caller checks it inside its own read (see RunQuery).
  CompiledStatement& Compile(const Lexed& lexed, std::string_view sql, bool editable, bool checkSchema = true);
  /// The columns of the SELECT that Compile makes of `lexed`, without taking
  /// its statement from a reader that is still reading it. A statement
  /// compiled before this connection changed its tables is compiled anew, so
  /// that a table it names and that is gone is told now.
  std::shared_ptr<const ResultShape> Describe(const Lexed& lexed, std::string_view sql, bool editable);
  /// This connection changed the definition of its tables (SQLite finds out
  /// about another program's changes at a statement's next run).
  void TablesChanged() { ++TablesChanged_; }
  /// After the first step of a SELECT: when SQLite prepared it again because
  /// a table changed (here or in another program), its columns are read anew.
  void RefreshShape(CompiledStatement& c) const;
  /// Binds the statement's literals to its parameters.
  void BindLiterals(const CompiledStatement& c, const Lexed& lexed) const;
  /// SQLite's schema cookies: the sum changes whenever any program changes a
  /// table of the file, or this connection one of its temporary tables.
  int SchemaVersion();
  /// The database's stamp now; current only inside a read (after a
  /// statement's first step), since another program's commit is seen when
  /// a read begins.
  DataStamp Stamp();

  /// The rows `key` (a SELECT's text) gave the last time, while the
  /// database's stamp is still `stamp`; else nothing.
  std::shared_ptr<Fetch> LastResult(const std::string& key, const DataStamp& stamp);
  /// Called with the SQLite text of each statement as it starts running
  /// (its literals as parameters); nothing for none.
  void SetSqlObserver(std::function<void(std::string_view)> observer);

  /// Keeps a weak hold on the rows `key` gave, for LastResult.
  void KeepResult(const std::string& key, const std::shared_ptr<Fetch>& fetch);

 private:
  explicit Connection(Options options) : Options_(std::move(options)) {}
  [[noreturn]] void RaiseFailure(int rc, Phase phase) const;
  void FinalizeAll();
  /// The connection's own statements, kept out of the caches that a new
  /// statement may empty while a caller still holds one of theirs.
  enum class Own { Savepoint, Release };
  /// Steps one of them; SQLite's result code.
  int StepOwn(Own which);
  /// Finalizes a compiled statement that leaves the cache.
  static void Discard(CompiledStatement& c);
  int PragmaValue(const std::string& pragma);
  /// The key of `lexed`'s compiled statement: its shape and the values of
  /// the literals written into it; "" before it was first compiled.
  std::string CacheKey(const Lexed& lexed, bool editable) const;

  Options Options_;
  sqlite3* Db_ = nullptr;
  std::uint64_t Ends_ = 0;  // commits and rollbacks of this connection
  bool Held_ = false;                // the workspace holds a transaction here
  mutable std::string WhyEnded_;     // the failure that made SQLite end it
  sqlite3_stmt* Own_[2] = {};
  std::unordered_map<std::string, sqlite3_stmt*> Internal_;
  std::uint64_t Generation_ = 0;
  std::uint64_t TablesChanged_ = 0;
  std::unordered_map<std::string, std::vector<int>> Structural_;
  std::unordered_map<std::string, std::unique_ptr<CompiledStatement>> Compiled_;
  std::unordered_map<std::string, std::weak_ptr<Fetch>> Results_;
  std::unordered_map<std::string_view, std::shared_ptr<const LexedSql>> LexedQueries_;  // keyed by their own Text
  std::function<void(std::string_view)> Observer_;
};

}  // namespace dao::detail
