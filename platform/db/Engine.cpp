#include "platform/db/Engine.h"

#include <sys/stat.h>

#include <algorithm>
#include <exception>

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/JetError.h"
#include "platform/files/NativePath.h"
#include "platform/text/Error.h"

namespace dao {
namespace {

constexpr int kMaxDepth = 5;

std::string SavepointName(int level) { return "dao_trans_" + std::to_string(level); }

// A write transaction's outermost level is SQLite's own transaction, begun
// IMMEDIATE so the write lock comes first; every other level is a savepoint.
std::string BeginLevel(const detail::Connection& c, int level, bool write) {
  if (level == 1 && write) return c.ReadOnly() ? "BEGIN" : "BEGIN IMMEDIATE";
  return "SAVEPOINT " + SavepointName(level);
}

std::string CommitLevel(int level, bool write) {
  return level == 1 && write ? "COMMIT" : "RELEASE " + SavepointName(level);
}

std::string RollbackLevel(int level, bool write) {
  if (level == 1 && write) return "ROLLBACK";
  const std::string name = SavepointName(level);
  return "ROLLBACK TO " + name + "; RELEASE " + name;
}

bool IsFolder(const std::string& native) {
  struct stat st;
  return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& native) {
  std::size_t slash = native.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : native.substr(0, slash);
}

}  // namespace

DBEngine::DBEngine() = default;
DBEngine::~DBEngine() = default;

Workspace& DBEngine::Workspaces(int index) {
  if (index != 0) RaiseJet(ErrItemNotFound);
  if (!Default_) {
    WorkgroupAccount account;
    if (SystemDB_.empty()) {
      if (!SameName(DefaultUser_, "admin") || !DefaultPassword_.empty()) RaiseJet(ErrAccountRefused);
      account = {"admin", true};
    } else {
      account = CheckWorkgroupAccount(SystemDB_, DefaultUser_, DefaultPassword_);
    }
    Default_ = std::make_unique<Workspace>(*this, std::move(account));
  }
  return *Default_;
}

void DBEngine::SetSqlObserver(SqlObserver observer) {
  Observer_ = std::move(observer);
  if (Default_) Default_->Observe(Observer_);
}

void Workspace::Observe(const DBEngine::SqlObserver& observer) {
  for (const auto& db : LiveDatabases()) db->Connection_->SetSqlObserver(observer);
}

std::shared_ptr<Database> Workspace::OpenDatabase(std::string_view path, bool exclusive, bool readOnly,
                                                  std::string_view connect) {
  if (!connect.empty() && connect != ";") RaiseJet(ErrNoIsam);
  return Open(path, exclusive, readOnly, false);
}

std::shared_ptr<Database> Workspace::CreateDatabase(std::string_view path) {
  if (!Account_.MayCreateTables) RaiseJet(ErrNoPermission, {path});
  return Open(path, false, false, true);
}

std::shared_ptr<Database> Workspace::Open(std::string_view path, bool exclusive, bool readOnly, bool create) {
  const std::string display(path);
  const std::string native = vb::NativePath(path);
  struct stat st;
  const bool exists = !native.empty() && ::stat(native.c_str(), &st) == 0;
  if (native.empty() || (exists && S_ISDIR(st.st_mode)) || (!exists && !IsFolder(FolderOf(native)))) {
    RaiseJet(ErrInvalidPath, {display});
  }
  if (create && exists) RaiseJet(ErrDatabaseExists);
  if (!create && !exists) RaiseJet(ErrFileNotFound, {display});
  // SQLite takes an empty file for an empty database and would fill it; it is
  // no database of ours, as a file of any other bytes is not.
  if (!create && st.st_size == 0) RaiseJet(ErrUnrecognizedFormat, {display});

  detail::Connection::Options options;
  options.DisplayPath = display;
  options.NativePath = native;
  options.Exclusive = exclusive;
  options.ReadOnly = readOnly;
  options.Create = create;
  options.BusyTimeoutMs = Engine_.LockWaitMs();
  options.MayCreateTables = Account_.MayCreateTables;
  Settle();
  std::shared_ptr<detail::Connection> connection = detail::Connection::Open(options);
  // A relationship holds on every write, as Jet's do; SQLite checks declared
  // foreign keys only when asked, and only outside a transaction.
  connection->Exec("PRAGMA foreign_keys = ON", detail::Phase::Open);
  if (create) detail::EnsureCatalog(*connection);
  if (Engine_.Observer()) connection->SetSqlObserver(Engine_.Observer());
  auto db = std::make_shared<Database>(connection);
  // A database opened inside a transaction takes part in it from here on;
  // inside one that SQLite ended, it takes no write until the program ends it.
  if (Depth_ > 0) connection->Hold(true);
  if (Ended_) {
    connection->EndedBy(WhyEnded_);
  } else {
    for (int level = 1; level <= Depth_; ++level) connection->Exec(BeginLevel(*connection, level, WriteTrans_));
  }
  Databases_.push_back(db);
  return db;
}

std::vector<std::shared_ptr<Database>> Workspace::LiveDatabases() {
  std::vector<std::shared_ptr<Database>> live;
  std::vector<std::weak_ptr<Database>> kept;
  for (const std::weak_ptr<Database>& weak : Databases_) {
    if (std::shared_ptr<Database> db = weak.lock(); db && db->Connection_->IsOpen()) {
      live.push_back(db);
      kept.push_back(weak);
    }
  }
  Databases_ = std::move(kept);
  return live;
}

bool Workspace::Settle() {
  if (Depth_ == 0) return false;
  if (Ended_) return true;
  const std::vector<std::shared_ptr<Database>> live = LiveDatabases();
  const auto ended = std::find_if(live.begin(), live.end(),
                                  [](const auto& db) { return !db->Connection_->InTransaction(); });
  if (ended == live.end()) return false;
  // What SQLite undid in one database is undone in all: the unit is gone whole.
  WhyEnded_ = (*ended)->Connection_->WhyEnded();
  for (const auto& db : live) {
    db->Connection_->EndedBy(WhyEnded_);
    if (!db->Connection_->InTransaction()) continue;
    try {
      db->Connection_->Exec("ROLLBACK");
    } catch (...) {
      // Nothing more can be done for it; the lock goes with its close.
    }
  }
  // The levels stay the program's until it ends them; they hold nothing.
  Ended_ = true;
  WriteTrans_ = false;
  return true;
}

void Workspace::Leave() {
  if (--Depth_ > 0) return;
  WriteTrans_ = false;
  Ended_ = false;
  WhyEnded_.clear();
  for (const auto& db : LiveDatabases()) db->Connection_->Hold(false);
}

int Workspace::TransactionLevel() {
  Settle();
  return Depth_;
}

void Workspace::BeginTrans() {
  Settle();
  if (Depth_ >= kMaxDepth) RaiseJet(ErrTooManyTransactions);
  // Inside a transaction that SQLite ended, a level holds nothing either.
  if (!Ended_) {
    for (const auto& db : LiveDatabases()) {
      if (Depth_ == 0) db->Connection_->Hold(true);
      db->Connection_->Exec(BeginLevel(*db->Connection_, Depth_ + 1, WriteTrans_));
    }
  }
  ++Depth_;
}

void Workspace::BeginWriteTrans() {
  Settle();
  if (Depth_ > 0) {
    BeginTrans();
    return;
  }
  const std::vector<std::shared_ptr<Database>> live = LiveDatabases();
  std::vector<std::shared_ptr<Database>> begun;
  try {
    for (const auto& db : live) {
      db->Connection_->Exec(BeginLevel(*db->Connection_, 1, true));
      begun.push_back(db);
    }
  } catch (const vb::Error&) {
    // Another program holds a lock: give back the ones already taken.
    for (const auto& db : begun) db->Connection_->Exec("ROLLBACK");
    throw;
  }
  for (const auto& db : live) db->Connection_->Hold(true);
  WriteTrans_ = true;
  Depth_ = 1;
}

void Workspace::CommitTrans() {
  if (Depth_ == 0) RaiseJet(ErrNoTransaction);
  // Ended by SQLite, its work is undone: there is nothing left to keep.
  if (Settle()) {
    Leave();
    RaiseJet(ErrNoTransaction);
  }
  for (const auto& db : LiveDatabases()) db->Connection_->Exec(CommitLevel(Depth_, WriteTrans_));
  Leave();
}

void Workspace::Rollback() {
  if (Depth_ == 0) RaiseJet(ErrNoTransaction);
  // Ended by SQLite, its work is undone already.
  if (Settle()) {
    Leave();
    return;
  }
  std::exception_ptr failed;
  for (const auto& db : LiveDatabases()) {
    try {
      db->Connection_->Exec(RollbackLevel(Depth_, WriteTrans_));
    } catch (...) {
      if (!failed) failed = std::current_exception();
    }
    db->Connection_->Undone();
  }
  Leave();
  // A rollback that failed part-way may have ended the transaction too.
  if (Settle() || !failed) return;
  std::rethrow_exception(failed);
}

}  // namespace dao
