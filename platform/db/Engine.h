//===- Engine.h - The database engine and its default workspace -----------===//
//
// One DBEngine per program (the shared run-time variables own it; there is
// no global one). Set its workgroup file and account first, then open:
//
//   engine.SetSystemDB(RutaSistema + "KR000.MDW");
//   engine.SetDefaultUser(usuario);
//   engine.SetDefaultPassword(clave);
//   BaseDatos = engine.Workspaces(0).OpenDatabase(RutaBase, false, false);
//
// The default workspace is made at the first Workspaces(0): that is when the
// account is checked against the workgroup file (3028 missing file, 3029
// refused account), so, as in DAO, the workgroup file and the account must
// be set before. With no workgroup file set the engine is unsecured: its one
// account is "admin" with an empty password, allowed to create tables.
//
// Paths are the program's paths (backslashes allowed, case found as Windows
// finds it: platform/files' NativePath).
//
// Transactions (BeginTrans, CommitTrans, Rollback) span every database open
// in the workspace and nest up to five deep. A transaction begun with
// BeginWriteTrans holds the write lock from its start, so what it reads
// cannot be changed by another program before it writes. When SQLite ends a
// transaction itself (the statement that made it do so raised its error),
// the work is undone in every database. Its levels stay the program's until
// it ends them, and hold nothing: every write to any database of the
// workspace is refused meanwhile (3034, saying why), since it would be kept
// on its own at once; Rollback succeeds quietly, CommitTrans raises 3034.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/Workgroup.h"

namespace dao {

class DBEngine;

/// The session of one account: opens databases and runs transactions.
class Workspace {
 public:
  Workspace(const DBEngine& engine, WorkgroupAccount account) : Engine_(engine), Account_(std::move(account)) {}
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  /// Opens an existing database file. Errors: 3024 no such file (none is
  /// created), 3044 its folder does not exist, 3051 another program holds it
  /// exclusively or has it locked past the engine's lock wait, 3343 not a
  /// database (an empty file included), 3170 a connect string other than "" or ";".
  std::shared_ptr<Database> OpenDatabase(std::string_view path, bool exclusive = false, bool readOnly = false,
                                         std::string_view connect = "");
  /// Creates a new, empty database file and opens it. Errors: 3204 it
  /// exists, 3044 its folder does not exist, 3033 for an account that may not
  /// create tables.
  std::shared_ptr<Database> CreateDatabase(std::string_view path);

  /// Starts a (nested) transaction; 3003 beyond five levels.
  void BeginTrans();
  /// Starts a transaction that takes the write lock of every open database
  /// at once (a reader's lock for one opened read-only): two programs that
  /// read a maximum and insert the next value take turns instead of taking
  /// the same one. Waits for another program's writer up to the engine's
  /// lock wait, then 3260. Inside a transaction it is a nested BeginTrans,
  /// under the outer one's locks. Ended by CommitTrans or Rollback.
  void BeginWriteTrans();
  /// Keeps the changes of the innermost transaction; 3034 when there is
  /// none, or when SQLite has ended it (below).
  void CommitTrans();
  /// Undoes the changes of the innermost transaction; 3034 when there is none.
  void Rollback();
  /// How many transactions are open, the outermost counted as 1; one that
  /// SQLite ended counts until the program ends it.
  int TransactionLevel();

  /// The account's user name.
  const std::string& UserName() const { return Account_.User; }

 private:
  friend class DBEngine;
  std::shared_ptr<Database> Open(std::string_view path, bool exclusive, bool readOnly, bool create);
  std::vector<std::shared_ptr<Database>> LiveDatabases();
  /// SQLite ends a transaction itself at times (a trigger's RAISE(ROLLBACK),
  /// a full disk, an I/O error), its work undone: the workspace then holds
  /// no lock in any database, and its levels nothing. True when it had ended.
  bool Settle();
  /// Ends the innermost level; the last one lets every database go.
  void Leave();
  /// Gives every open database the engine's observer of statements.
  void Observe(const std::function<void(std::string_view)>& observer);

  const DBEngine& Engine_;
  WorkgroupAccount Account_;
  std::vector<std::weak_ptr<Database>> Databases_;
  int Depth_ = 0;
  bool WriteTrans_ = false;  // the outermost level holds the write lock
  bool Ended_ = false;       // SQLite ended the transaction; the levels are left to end
  std::string WhyEnded_;     // the failure that ended it, for the writes refused
};

/// The engine: its workgroup file, default account and settings path.
class DBEngine {
 public:
  DBEngine();
  ~DBEngine();
  DBEngine(const DBEngine&) = delete;
  DBEngine& operator=(const DBEngine&) = delete;

  /// The workgroup file; "" for none.
  const std::string& SystemDB() const { return SystemDB_; }
  void SetSystemDB(std::string_view path) { SystemDB_ = std::string(path); }
  /// The account the default workspace opens with ("admin" until set).
  const std::string& DefaultUser() const { return DefaultUser_; }
  void SetDefaultUser(std::string_view user) { DefaultUser_ = std::string(user); }
  const std::string& DefaultPassword() const { return DefaultPassword_; }
  void SetDefaultPassword(std::string_view password) { DefaultPassword_ = std::string(password); }
  /// Where the engine's own settings would be read; kept, and nothing reads it.
  const std::string& IniPath() const { return IniPath_; }
  void SetIniPath(std::string_view path) { IniPath_ = std::string(path); }
  /// How long an opening or a statement waits for another program's lock
  /// before it fails (2000 ms).
  int LockWaitMs() const { return LockWaitMs_; }
  void SetLockWaitMs(int ms) { LockWaitMs_ = ms; }

  /// The workspace `index`: only 0, the default one (3265 otherwise); made,
  /// and the account checked, at the first call.
  Workspace& Workspaces(int index);

  /// Called with the SQLite text of each statement that a database of this
  /// engine starts, open now or later, its literals as parameters (?1,
  /// ?2...); an empty observer (the default) for none. Tests read the query
  /// plans of what the programs really ask, and count how often a query runs.
  using SqlObserver = std::function<void(std::string_view sqliteSql)>;
  void SetSqlObserver(SqlObserver observer);
  const SqlObserver& Observer() const { return Observer_; }

 private:
  std::string SystemDB_;
  std::string DefaultUser_ = "admin";
  std::string DefaultPassword_;
  std::string IniPath_;
  int LockWaitMs_ = 2000;
  SqlObserver Observer_;
  std::unique_ptr<Workspace> Default_;
};

}  // namespace dao
