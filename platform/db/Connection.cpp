#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>

#include "platform/db/Catalog.h"
#include "platform/db/Collection.h"
#include "platform/db/JetError.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Query.h"
#include "platform/db/Statistics.h"
#include "platform/db/Values.h"
#include "platform/text/Error.h"

namespace dao::detail {
namespace {

constexpr std::size_t kMaxCompiled = 512;

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string_view After(std::string_view message, std::string_view prefix) {
  return message.substr(std::min(prefix.size(), message.size()));
}

// "vb:13:No coinciden los tipos" as the VB error it stands for.
[[noreturn]] void RaiseVbError(std::string_view message) {
  std::string_view rest = After(message, kVbErrorPrefix);
  int number = 0;
  auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  std::string_view description = ptr < rest.data() + rest.size() ? std::string_view(ptr + 1) : std::string_view();
  if (ec != std::errc()) number = ErrReserved;
  throw vb::Error(number, std::string(description));
}

// A CHECK constraint named "jetNNNN:Table.column" as engine error NNNN; a
// rule set by anyone else is the table's general refusal.
[[noreturn]] void RaiseCheck(std::string_view name) {
  int number = 0;
  if (StartsWith(name, "jet")) {
    std::string_view digits = name.substr(3);
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
  }
  if (number == 0) RaiseJet(ErrRuleRefused);
  std::size_t colon = name.find(':');
  std::string_view field = colon == std::string_view::npos ? name : name.substr(colon + 1);
  RaiseJet(number, {field});
}

// One table a statement writes, as SQLite asks leave to write it.
struct Write {
  int Action = 0;  // SQLITE_INSERT, SQLITE_UPDATE, SQLITE_DELETE or SQLITE_DROP_TABLE
  std::string Table;
  std::string Schema;
};

int NoteWrite(void* writes, int action, const char* table, const char*, const char* schema, const char*) {
  const bool write = action == SQLITE_INSERT || action == SQLITE_UPDATE || action == SQLITE_DELETE ||
                     action == SQLITE_DROP_TABLE;
  if (!write || table == nullptr || schema == nullptr || IsReservedName(table)) return SQLITE_OK;
  auto& list = *static_cast<std::vector<Write>*>(writes);
  // An UPDATE asks once for each column it sets.
  const bool known = std::any_of(list.begin(), list.end(), [&](const Write& w) {
    return w.Action == action && w.Table == table && w.Schema == schema;
  });
  if (!known) list.push_back({action, table, schema});
  return SQLITE_OK;
}

// The tables the statement that a relationship just refused writes: its
// target first, then what its triggers and cascades write. The failed
// statement is the one whose reset tells the refusal; its text prepared
// again, under an authorizer, lists the writes.
std::vector<Write> RefusedWrites(sqlite3* db) {
  std::vector<Write> writes;
  for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s != nullptr; s = sqlite3_next_stmt(db, s)) {
    if (sqlite3_stmt_readonly(s) || sqlite3_stmt_busy(s) || sqlite3_reset(s) != SQLITE_CONSTRAINT_FOREIGNKEY) continue;
    const char* sql = sqlite3_sql(s);
    if (sql == nullptr) break;
    sqlite3_set_authorizer(db, NoteWrite, &writes);
    sqlite3_stmt* again = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &again, nullptr);
    sqlite3_finalize(again);
    sqlite3_set_authorizer(db, nullptr, nullptr);
    break;
  }
  return writes;
}

// True when a relationship refuses to let go of its parent's row: it
// neither follows the parent's change nor sets its own key to Null.
bool Holds(std::string_view action) { return action != "CASCADE" && action != "SET NULL"; }

void AddName(std::vector<std::string>& names, const std::string& name) {
  if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); })) {
    names.push_back(name);
  }
}

// "A' o 'B": several names in one "|" of a text that quotes it.
std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) out += (i ? "' o '" : "") + names[i];
  return out;
}

// The first row that breaks a relationship, as a commit finds it, table by
// table: a relationship that cannot be checked (to columns that are no key)
// does not hide the others.
void BrokenRelationship(sqlite3* db, std::vector<std::string>& parents, std::vector<std::string>& children) {
  for (const char* schema : {"main", "temp"}) {
    const std::string tables = std::string("SELECT name FROM ") + schema +
                               ".sqlite_schema AS m WHERE type = 'table' AND EXISTS "
                               "(SELECT 1 FROM pragma_foreign_key_list(m.name, ?1))";
    sqlite3_stmt* list = nullptr;
    if (sqlite3_prepare_v2(db, tables.c_str(), -1, &list, nullptr) == SQLITE_OK) {
      sqlite3_bind_text(list, 1, schema, -1, SQLITE_STATIC);
      while (parents.empty() && sqlite3_step(list) == SQLITE_ROW) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT \"table\", parent FROM pragma_foreign_key_check(?1, ?2) LIMIT 1", -1,
                               &check, nullptr) == SQLITE_OK) {
          sqlite3_bind_value(check, 1, sqlite3_column_value(list, 0));
          sqlite3_bind_text(check, 2, schema, -1, SQLITE_STATIC);
          if (sqlite3_step(check) == SQLITE_ROW && sqlite3_column_text(check, 0) && sqlite3_column_text(check, 1)) {
            children.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
            parents.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(check, 1)));
          }
        }
        sqlite3_finalize(check);
      }
    }
    sqlite3_finalize(list);
    if (!parents.empty()) return;
  }
}

// A relationship refused a write. SQLite's words name no table, so they are
// found: among the relationships of the tables the statement writes, those
// that could refuse it (a row written into a child needs its parent; a
// parent's row deleted or its key changed needs a child that lets go of it);
// else any relationship of those tables; else, at a commit, the broken row
// that is still there.
[[noreturn]] void RaiseRelated(const Connection& c) {
  std::vector<std::string> parents, children;
  if (c.IsOpen()) {
    sqlite3* db = c.Db();
    const std::vector<Write> writes = RefusedWrites(db);
    for (bool any : {false, true}) {
      for (const Write& w : writes) {
        for (const Relationship& r : RelationshipsOf(c, w.Schema, w.Table, false)) {
          const bool asChild = SameName(r.Child, w.Table) && (w.Action == SQLITE_INSERT || w.Action == SQLITE_UPDATE);
          const bool asParent = SameName(r.Parent, w.Table) &&
                                ((w.Action == SQLITE_UPDATE && Holds(r.OnUpdate)) ||
                                 ((w.Action == SQLITE_DELETE || w.Action == SQLITE_DROP_TABLE) && Holds(r.OnDelete)));
          if (any || asChild || asParent) {
            AddName(parents, r.Parent);
            AddName(children, r.Child);
          }
        }
      }
      if (!parents.empty()) break;
    }
    if (parents.empty()) BrokenRelationship(db, parents, children);
  }
  if (parents.empty()) parents = children = {"?"};
  RaiseJet(ErrRelatedRecord, {JoinNames(parents), JoinNames(children)});
}

// One name in double quotes, its doubled quotes made single; `text` goes on after it.
std::string QuotedName(std::string_view& text) {
  std::string name;
  if (text.empty() || text.front() != '"') return name;
  std::size_t i = 1;
  for (; i < text.size(); ++i) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        name += '"';
        ++i;
        continue;
      }
      ++i;
      break;
    }
    name += text[i];
  }
  text.remove_prefix(i);
  return name;
}

constexpr std::string_view kMismatch = "foreign key mismatch - ";

// "foreign key mismatch - "child" referencing "parent"": a relationship to
// columns of the parent that are no key of it refuses every write to either.
[[noreturn]] void RaiseMismatch(std::string_view message) {
  std::string_view rest = After(message, kMismatch);
  const std::string child = QuotedName(rest);
  rest = After(rest, " referencing ");
  const std::string parent = QuotedName(rest);
  RaiseJet(ErrNotUniquelyIndexed, {parent, child});
}

// A refused row says why: only a key or a unique index is a duplicate, and
// a relationship or a trigger is told as itself.
[[noreturn]] void RaiseConstraint(const Connection& c, int extended, std::string_view message) {
  switch (extended) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_ROWID:
      RaiseJet(ErrDuplicateKey);
    case SQLITE_CONSTRAINT_NOTNULL:
      RaiseJet(ErrRequired, {After(message, "NOT NULL constraint failed: ")});
    case SQLITE_CONSTRAINT_CHECK:
      RaiseCheck(After(message, "CHECK constraint failed: "));
    case SQLITE_CONSTRAINT_FOREIGNKEY:
      RaiseRelated(c);
    case SQLITE_CONSTRAINT_TRIGGER:
      // RAISE(ABORT, 'text') in a trigger: its text is the whole message.
      if (!message.empty()) RaiseJet(ErrValidationText, {message});
      RaiseJet(ErrRuleRefused);
    default:
      RaiseJet(ErrRuleRefused);
  }
}

// The columns of a prepared SELECT; with a base table, its last column is the rowid.
std::shared_ptr<const ResultShape> MakeShape(sqlite3_stmt* stmt, const std::string& baseTable) {
  auto shape = std::make_shared<ResultShape>();
  int columns = sqlite3_column_count(stmt);
  shape->BaseTable = baseTable;
  if (!baseTable.empty()) --columns;
  for (int i = 0; i < columns; ++i) {
    shape->Names.emplace_back(sqlite3_column_name(stmt, i));
    const char* declared = sqlite3_column_decltype(stmt, i);
    DeclaredType type = declared ? ParseDeclaredType(declared) : DeclaredType{};
    shape->Types.push_back(type.Type);
    shape->Sizes.push_back(type.Size);
    const char* origin = sqlite3_column_origin_name(stmt, i);
    const char* table = sqlite3_column_table_name(stmt, i);
    const bool ownColumn = origin && table && !baseTable.empty() && SameName(table, baseTable);
    shape->SourceColumns.emplace_back(ownColumn ? origin : "");
  }
  return shape;
}

}  // namespace

StatementUse::~StatementUse() {
  sqlite3_reset(Stmt_);
  sqlite3_clear_bindings(Stmt_);
}

std::shared_ptr<Connection> Connection::Open(const Options& options) {
  std::shared_ptr<Connection> c(new Connection(options));
  int flags = (options.ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
              (options.Create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  int rc = sqlite3_open_v2(options.NativePath.c_str(), &c->Db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(c->Db_);
    c->Db_ = nullptr;
    RaiseJet(ErrDiskIo);
  }
  sqlite3_extended_result_codes(c->Db_, 1);
  // A quoted name that is no column must be an error, not quietly a string.
  sqlite3_db_config(c->Db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(c->Db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  sqlite3_busy_timeout(c->Db_, options.BusyTimeoutMs);
  // Every end of a transaction, SQLite's own ones included, tells the rows read before from those after.
  sqlite3_commit_hook(
      c->Db_,
      [](void* self) {
        ++static_cast<Connection*>(self)->Ends_;
        return 0;
      },
      c.get());
  sqlite3_rollback_hook(c->Db_, [](void* self) { ++static_cast<Connection*>(self)->Ends_; }, c.get());
  RegisterJetFunctions(c->Db_);
  if (options.Exclusive) {
    // The lock taken by the first transaction is kept until the handle closes.
    c->Exec("PRAGMA locking_mode=EXCLUSIVE", Phase::Open);
    c->Exec(options.ReadOnly ? "SELECT count(*) FROM sqlite_schema" : "BEGIN EXCLUSIVE; COMMIT", Phase::Open);
  } else {
    // Reading the schema now tells a locked or foreign file at the opening, as Jet tells it.
    c->Exec("SELECT count(*) FROM sqlite_schema", Phase::Open);
  }
  return c;
}

Connection::~Connection() { Close(); }

void Connection::FinalizeAll() {
  AbandonFetches(*this);
  Results_.clear();
  LexedQueries_.clear();
  for (auto& [text, stmt] : Internal_) sqlite3_finalize(stmt);
  for (auto& [key, compiled] : Compiled_) sqlite3_finalize(compiled->Stmt);
  for (sqlite3_stmt*& stmt : Own_) {
    sqlite3_finalize(stmt);
    stmt = nullptr;
  }
  Internal_.clear();
  Compiled_.clear();
  Structural_.clear();
  ++Generation_;
}

void Connection::Close() {
  if (Db_ == nullptr) return;
  AbandonFetches(*this);
  KeepStatistics(*this);
  FinalizeAll();
  sqlite3_close_v2(Db_);
  Db_ = nullptr;
}

sqlite3* Connection::Db() const {
  if (Db_ == nullptr) RaiseJet(ErrObjectInvalid);
  return Db_;
}

void Connection::Fail(int rc, Phase phase) const {
  try {
    RaiseFailure(rc, phase);
  } catch (const vb::Error& e) {
    // Read before anything else runs: the transaction's end is told by the
    // statement that caused it.
    if (Held_ && WhyEnded_.empty() && Db_ != nullptr && sqlite3_get_autocommit(Db_)) WhyEnded_ = e.Description();
    throw;
  }
}

void Connection::RaiseFailure(int rc, Phase phase) const {
  std::string_view message = Db_ ? sqlite3_errmsg(Db_) : "";
  if (StartsWith(message, kVbErrorPrefix)) RaiseVbError(message);
  const int extended = Db_ ? sqlite3_extended_errcode(Db_) : rc;
  switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      if (phase == Phase::Open) RaiseJet(ErrDatabaseLocked, {Options_.DisplayPath});
      RaiseJet(phase == Phase::Save ? ErrSaveLocked : ErrUpdateLocked);
    case SQLITE_CONSTRAINT:
      RaiseConstraint(*this, extended, message);
    case SQLITE_READONLY:
      RaiseJet(ErrReadOnly);
    case SQLITE_FULL:
      RaiseJet(ErrDiskFull);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      RaiseJet(ErrUnrecognizedFormat, {Options_.DisplayPath});
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      RaiseJet(ErrDiskIo);
    default:
      break;
  }
  if (StartsWith(message, kMismatch)) RaiseMismatch(message);
  if (StartsWith(message, "no such table: ")) RaiseJet(ErrNoSuchTable, {After(message, "no such table: ")});
  if (StartsWith(message, "no such column: ")) RaiseJet(ErrTooFewParameters, {"1"});
  if (message.find("values were supplied") != std::string_view::npos ||
      message.find(" values for ") != std::string_view::npos) {
    RaiseJet(ErrValueCount);
  }
  RaiseJet(ErrReserved, {message});
}

void Connection::Exec(std::string_view sql, Phase phase) {
  FinishPendingFetches();
  std::string text(sql);
  char* error = nullptr;
  int rc = sqlite3_exec(Db(), text.c_str(), nullptr, nullptr, &error);
  sqlite3_free(error);
  if (rc != SQLITE_OK) Fail(rc, phase);
}

void Connection::RunWrite(sqlite3_stmt* stmt, Phase phase) {
  sqlite3* db = Db();
  RefuseIfEnded();
  const bool outside = sqlite3_get_autocommit(db) != 0;
  int rc = StepOwn(Own::Savepoint);
  if (rc != SQLITE_DONE) Fail(rc, phase);
  rc = sqlite3_step(stmt);
  if (rc == SQLITE_DONE && (rc = StepOwn(Own::Release)) == SQLITE_DONE) return;
  try {
    Fail(rc, phase);
  } catch (...) {
    // Undone after the error was read, so that it is told as it was. Once
    // SQLite has ended the transaction itself, there is nothing left to undo.
    sqlite3_reset(stmt);
    if (!sqlite3_get_autocommit(db)) {
      if (outside) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      } else {
        sqlite3_exec(db, "ROLLBACK TO dao_statement; RELEASE dao_statement", nullptr, nullptr, nullptr);
        Undone();
      }
    }
    throw;
  }
}

int Connection::StepOwn(Own which) {
  static constexpr const char* kSql[] = {"SAVEPOINT dao_statement", "RELEASE dao_statement"};
  sqlite3_stmt*& stmt = Own_[static_cast<int>(which)];
  if (stmt == nullptr) {
    const int rc = sqlite3_prepare_v3(Db(), kSql[static_cast<int>(which)], -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  const int rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  return rc;
}

bool Connection::InTransaction() const { return Db_ != nullptr && !sqlite3_get_autocommit(Db_); }

void Connection::Hold(bool held) {
  Held_ = held;
  WhyEnded_.clear();
}

void Connection::EndedBy(const std::string& why) {
  if (WhyEnded_.empty()) WhyEnded_ = why;
}

void Connection::RefuseIfEnded() const {
  if (!Held_ || !sqlite3_get_autocommit(Db())) return;
  std::string text = "La transacción se anuló por un error anterior";
  if (!WhyEnded_.empty()) text += ": " + WhyEnded_;
  if (text.back() != '.') text += '.';
  throw vb::Error(ErrNoTransaction, text + " No se escribió nada.");
}

sqlite3_stmt* Connection::Prepared(const std::string& sql, Phase phase) {
  auto it = Internal_.find(sql);
  if (it != Internal_.end()) return it->second;
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v3(Db(), sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                              nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt);
    Fail(rc, phase);
  }
  if (Internal_.size() >= kMaxCompiled) {
    FinishPendingFetches();
    for (auto& [text, s] : Internal_) sqlite3_finalize(s);
    Internal_.clear();
    ++Generation_;
  }
  Internal_.emplace(sql, stmt);
  return stmt;
}

int Connection::SchemaVersion() {
  // The file's tables and this connection's temporary ones: both counters
  // only grow, so their sum changes whenever either does.
  return PragmaValue("PRAGMA main.schema_version") + PragmaValue("PRAGMA temp.schema_version");
}

int Connection::PragmaValue(const std::string& pragma) {
  sqlite3_stmt* stmt = Prepared(pragma);
  StatementUse use(stmt);
  int rc = sqlite3_step(stmt);
  if (rc != SQLITE_ROW) Fail(rc, Phase::Read);
  return sqlite3_column_int(stmt, 0);
}

DataStamp Connection::Stamp() {
  // The file's own counter of changes, by any program: no statement, no lock.
  // It is current inside a read; temporary tables are this connection's own.
  unsigned int version = 0;
  sqlite3_file_control(Db(), "main", SQLITE_FCNTL_DATA_VERSION, &version);
  return {version, sqlite3_total_changes64(Db_), Ends_, PragmaValue("PRAGMA temp.schema_version")};
}

std::shared_ptr<Fetch> Connection::LastResult(const std::string& key, const DataStamp& stamp) {
  auto it = Results_.find(key);
  if (it == Results_.end()) return nullptr;
  std::shared_ptr<Fetch> fetch = it->second.lock();
  if (fetch == nullptr || !(fetch->Stamp() == stamp)) {
    Results_.erase(it);
    return nullptr;
  }
  return fetch;
}

void Connection::KeepResult(const std::string& key, const std::shared_ptr<Fetch>& fetch) {
  if (Results_.size() >= kMaxCompiled) std::erase_if(Results_, [](const auto& r) { return r.second.expired(); });
  Results_.insert_or_assign(key, fetch);
}

std::shared_ptr<const LexedSql> Connection::LexedQuery(std::string_view sql) {
  if (auto hit = LexedQueries_.find(sql); hit != LexedQueries_.end()) return hit->second;
  auto lexed = std::make_shared<const LexedSql>(sql);
  if (LexedQueries_.size() >= kMaxCompiled) LexedQueries_.clear();
  LexedQueries_.emplace(lexed->Text, lexed);
  return lexed;
}

std::string Connection::CacheKey(const Lexed& lexed, bool editable) const {
  std::string key = (editable ? "E " : "S ") + lexed.Shape;
  auto s = Structural_.find(key);
  if (s == Structural_.end()) return {};
  // By position and value: a literal that is no whole number was bound, not
  // written, and so matches no statement that has a number written there.
  for (int i : s->second) {
    const Literal& literal = lexed.Literals[i];
    key += "|" + std::to_string(i) + ":" +
           (literal.Type == Literal::Kind::Integer ? std::to_string(literal.IntValue) : std::string("~"));
  }
  return key;
}

void Connection::Discard(CompiledStatement& c) {
  // A reader still reading it reads its rest first, so it is left holding nothing.
  if (c.Holder != nullptr) c.Holder->Finish();
  sqlite3_finalize(c.Stmt);
  c.Stmt = nullptr;
}

std::shared_ptr<const ResultShape> Connection::Describe(const Lexed& lexed, std::string_view sql, bool editable) {
  if (auto c = Compiled_.find(CacheKey(lexed, editable)); c != Compiled_.end()) {
    if (c->second->TablesChanged == TablesChanged_) return c->second->Shape;
    Discard(*c->second);
    Compiled_.erase(c);
  }
  return Compile(lexed, sql, editable, false).Shape;
}

CompiledStatement& Connection::Compile(const Lexed& lexed, std::string_view sql, bool editable, bool checkSchema) {
  if (auto c = Compiled_.find(CacheKey(lexed, editable)); c != Compiled_.end()) {
    CompiledStatement& hit = *c->second;
    // One statement serves one reader at a time: an unfinished one reads its rest first.
    if (hit.Holder != nullptr) hit.Holder->Finish();
    if (!hit.Info.SchemaDependent || !checkSchema || hit.SchemaVersion == SchemaVersion()) return hit;
    Discard(hit);
    Compiled_.erase(c);
  }

  auto compiled = std::make_unique<CompiledStatement>();
  const int version = SchemaVersion();
  compiled->Info = Translate(
      lexed, sql, [this](std::string_view table) { return TargetColumns(*this, table); }, editable);
  compiled->SchemaVersion = version;
  compiled->TablesChanged = TablesChanged_;
  const std::string& text = compiled->Info.Sql;
  int rc = sqlite3_prepare_v3(Db(), text.c_str(), static_cast<int>(text.size()), SQLITE_PREPARE_PERSISTENT,
                              &compiled->Stmt, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(compiled->Stmt);
    std::string_view message = sqlite3_errmsg(Db_);
    if (StartsWith(message, "near ") || StartsWith(message, "incomplete input")) RaiseJet(ErrSyntax, {sql});
    Fail(rc, Phase::Read);
  }
  if (compiled->Info.Kind == StatementKind::Select) {
    compiled->Shape = MakeShape(compiled->Stmt, compiled->Info.BaseTable);
    compiled->Reprepares = sqlite3_stmt_status(compiled->Stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
  }

  if (Compiled_.size() >= kMaxCompiled) {
    FinishPendingFetches();
    for (auto& [k, c] : Compiled_) sqlite3_finalize(c->Stmt);
    Compiled_.clear();
    Structural_.clear();
  }
  Structural_[(editable ? "E " : "S ") + lexed.Shape] = compiled->Info.StructuralLiterals;
  // Its literals written another way than the last time, it may take the
  // place of a statement made before under the same key.
  std::unique_ptr<CompiledStatement>& slot = Compiled_[CacheKey(lexed, editable)];
  if (slot != nullptr) Discard(*slot);
  slot = std::move(compiled);
  return *slot;
}

void Connection::RefreshShape(CompiledStatement& c) const {
  int reprepares = sqlite3_stmt_status(c.Stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
  if (reprepares == c.Reprepares) return;
  c.Shape = MakeShape(c.Stmt, c.Info.BaseTable);
  c.Reprepares = reprepares;
}

void Connection::SetSqlObserver(std::function<void(std::string_view)> observer) {
  Observer_ = std::move(observer);
  int (*tell)(unsigned, void*, void*, void*) = [](unsigned, void* self, void*, void* text) {
    static_cast<Connection*>(self)->Observer_(static_cast<const char*>(text));
    return 0;
  };
  sqlite3_trace_v2(Db(), Observer_ ? SQLITE_TRACE_STMT : 0, Observer_ ? tell : nullptr, this);
}

void BindLiteral(sqlite3_stmt* stmt, int index, const Literal& literal) {
  switch (literal.Type) {
    case Literal::Kind::Text:
      BindText(stmt, index, literal.TextValue);
      break;
    case Literal::Kind::Integer:
      sqlite3_bind_int64(stmt, index, literal.IntValue);
      break;
    case Literal::Kind::Real:
      sqlite3_bind_double(stmt, index, literal.RealValue);
      break;
  }
}

void Connection::BindLiterals(const CompiledStatement& c, const Lexed& lexed) const {
  for (std::size_t k = 0; k < c.Info.Parameters.size(); ++k) {
    BindLiteral(c.Stmt, static_cast<int>(k + 1), lexed.Literals[c.Info.Parameters[k]]);
  }
}

}  // namespace dao::detail
