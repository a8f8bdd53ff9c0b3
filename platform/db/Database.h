//===- Database.h - An open database: statements, recordsets, tables -------===//
//
// Made by Workspace::OpenDatabase or CreateDatabase and shared by whoever
// holds it; closed by Close or when the last holder lets go.
//
//   BaseDatos->Execute("DELETE * FROM DET WHERE DOC_ID_D=" + dao::Quote(Ruc), dao::dbFailOnError);
//   auto rs = BaseDatos->OpenRecordset("SELECT * FROM CAB WHERE ...");
//
// Execute runs one INSERT, UPDATE, DELETE, CREATE, ALTER or DROP in the Jet
// dialect (see SqlTranslator.h and JetDdl.h). A statement that fails raises
// its error and changes nothing, whatever the options: 16 (dbInconsistent)
// and 128 (dbFailOnError) are both accepted, but a failure is never passed
// over row by row, since that would store part of a statement unannounced.
//
// CreateTempTable gives this connection a private copy of a table: an empty
// temporary table of the same name and definition that hides the file's
// table from every statement, recordset and TableDefs of this Database,
// while other connections and programs go on seeing the file's own. It
// goes away when the database is closed.
//
//   BaseDatos->CreateTempTable("TMPF0917PATRIM");
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/db/Constants.h"
#include "platform/db/Recordset.h"
#include "platform/db/TableDefs.h"

namespace dao {

namespace detail {
class Connection;
}

class Workspace;

class Database {
 public:
  /// Made by Workspace.
  explicit Database(std::shared_ptr<detail::Connection> connection);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  /// Runs an action or definition statement. Options: any of 16, 32, 128,
  /// 512, else 3001; a SELECT is 3065; the statement's own errors otherwise.
  void Execute(std::string_view sql, int options = 0);

  /// A recordset over a table name or a SELECT. `type` is dbOpenTable (table
  /// names only, else 3219), dbOpenDynaset, dbOpenSnapshot or
  /// dbOpenForwardOnly; 0 takes dbOpenTable for a table name and
  /// dbOpenDynaset for a SELECT; any other value is 3001.
  std::shared_ptr<Recordset> OpenRecordset(std::string_view source, int type = 0);

  /// Creates an empty temporary table with the name and definition of the
  /// file's table `name` (see above). It needs no right to change tables,
  /// since nobody else sees it. Errors: 3078 the file has no such table,
  /// 3010 this connection has made it already.
  void CreateTempTable(std::string_view name);

  /// The tables of the database.
  TableDefList& TableDefs();
  std::shared_ptr<TableDef> TableDefs(int index) { return TableDefs().Item(index); }
  std::shared_ptr<TableDef> TableDefs(std::string_view name) { return TableDefs().Item(name); }

  /// The database file's path as it was given.
  const std::string& Name() const;

  /// Called with each statement's text just before Execute runs it; an
  /// empty hook (the default) for none. Tests stop a program there, at a
  /// chosen statement, to see what a crash at that moment leaves behind.
  using StatementHook = std::function<void(std::string_view sql)>;
  void SetStatementHook(StatementHook hook) { Hook_ = std::move(hook); }

  /// Closes the database and every recordset over it; later use is 3420.
  void Close();

 private:
  friend class Workspace;
  detail::Connection& Connection() const;

  std::shared_ptr<detail::Connection> Connection_;
  TableDefList TableDefs_;
  StatementHook Hook_;
};

/// Every recordset of every database that has rows left to read reads them
/// and lets go of its read lock, so that no other program waits on this one
/// while it waits for the user. Its rows stay those of one run of its query:
/// going on later by another run could show a row twice or lose one.
void ReleaseReadLocks();

}  // namespace dao
