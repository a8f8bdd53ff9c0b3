#include "platform/db/Query.h"

#include <sqlite3.h>
#include <pthread.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/db/JetDdl.h"
#include "platform/db/JetError.h"
#include "platform/text/Error.h"

namespace dao::detail {
namespace {

// The fetches of this process that hold a statement open or will go on
// reading, of every connection. A child process (a fork) starts with none:
// the statements are its parent's.
std::vector<Fetch*>& Pending() {
  static std::vector<Fetch*> pending;
  static const int forgetInChild = ::pthread_atfork(nullptr, nullptr, [] { Pending().clear(); });
  (void)forgetInChild;
  return pending;
}

// Rows read under the same shape of columns, whatever the case of their names.
bool SameColumns(const ResultShape& a, const ResultShape& b) {
  return a.Names.size() == b.Names.size() && a.Types == b.Types && a.Sizes == b.Sizes &&
         a.SourceColumns.size() == b.SourceColumns.size() && a.BaseTable == b.BaseTable;
}

}  // namespace

Fetch::Fetch(Connection& c, std::shared_ptr<const LexedSql> lexed, CompiledStatement& compiled)
    : Connection_(&c), Lexed_(std::move(lexed)), Compiled_(&compiled) {
  compiled.Holder = this;
  Pending().push_back(this);
  c.BindLiterals(compiled, Lexed_->Tokens);
  int rc = sqlite3_step(compiled.Stmt);
  c.RefreshShape(compiled);
  Shape_ = compiled.Shape;
  if (rc == SQLITE_ROW) {
    // Read inside the query's own read transaction: what these rows are of.
    Stamp_ = c.Stamp();
    Rows_.Append(compiled.Stmt, Shape_->Types, !Shape_->BaseTable.empty());
    return;
  }
  Release();
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
}

Fetch::~Fetch() { Release(); }

void Fetch::Unbind() {
  if (Compiled_ == nullptr) return;
  sqlite3_reset(Compiled_->Stmt);
  sqlite3_clear_bindings(Compiled_->Stmt);
  Compiled_->Holder = nullptr;
  Compiled_ = nullptr;
}

void Fetch::Release() {
  Unbind();
  std::erase(Pending(), this);
}

bool Fetch::Reach(std::size_t count) {
  while (Rows_.Size() < count && Compiled_ != nullptr) {
    sqlite3_stmt* stmt = Compiled_->Stmt;
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
      Rows_.Append(stmt, Shape_->Types, !Shape_->BaseTable.empty());
      continue;
    }
    Release();
    if (rc != SQLITE_DONE) Connection_->Fail(rc, Phase::Read);
  }
  return Rows_.Size() >= count;
}

void Fetch::Abandon() { Release(); }

void FinishPendingFetches() {
  while (!Pending().empty()) Pending().back()->Finish();
}

void AbandonFetches(Connection& c) {
  // Without a copy: a connection closes in destructors, where nothing may throw.
  std::vector<Fetch*>& pending = Pending();
  for (std::size_t i = pending.size(); i-- > 0;) {
    if (i < pending.size() && pending[i]->Of(c)) pending[i]->Abandon();
  }
}

std::shared_ptr<const ResultShape> PrepareQuery(Connection& c, const LexedSql& lexed, bool editable) {
  c.Db();
  if (KindOf(lexed.Tokens) != StatementKind::Select) RaiseJet(ErrInvalidOperation);
  return c.Describe(lexed.Tokens, lexed.Text, editable);
}

QueryRows RunQuery(Connection& c, const std::shared_ptr<const LexedSql>& lexed, bool editable) {
  c.Db();
  const Lexed& tokens = lexed->Tokens;
  const std::string& sql = lexed->Text;
  if (KindOf(tokens) != StatementKind::Select) RaiseJet(ErrInvalidOperation);
  const std::string key = (editable ? "E " : "S ") + lexed->Normal;
  std::shared_ptr<Fetch> fetch;
  CompiledStatement& compiled = c.Compile(tokens, sql, editable, false);
  if (!compiled.Info.SchemaDependent) {
    fetch = std::make_shared<Fetch>(c, lexed, compiled);
  } else {
    // A translation made for other columns is found out inside the query's
    // own read, without a read of the schema's version of its own.
    const int version = compiled.SchemaVersion;
    try {
      fetch = std::make_shared<Fetch>(c, lexed, compiled);
      if (c.SchemaVersion() != version) fetch.reset();
    } catch (const vb::Error&) {
      fetch.reset();  // told again below, by a translation made anew when the tables changed
    }
    if (fetch == nullptr) fetch = std::make_shared<Fetch>(c, lexed, c.Compile(tokens, sql, editable));
  }
  // An empty result is not kept: it has no stamp, and running it again costs little.
  if (fetch->Rows().Size() == 0) return {fetch, fetch->Shape()};
  // The same query while nothing changed: the rows read the last time, told
  // by the stamp this run took inside its own read.
  if (std::shared_ptr<Fetch> same = c.LastResult(key, fetch->Stamp())) {
    const std::shared_ptr<const ResultShape> shape = fetch->Shape();
    if (same->Sql() == sql) return {same, same->Shape()};
    if (SameColumns(*shape, *same->Shape())) return {same, shape};
  }
  c.KeepResult(key, fetch);
  return {fetch, fetch->Shape()};
}

void RunStatement(Connection& c, std::string_view sql) {
  c.Db();
  FinishPendingFetches();
  Lexed lexed = Lex(sql);
  switch (KindOf(lexed)) {
    case StatementKind::Ddl:
      ExecuteDdl(c, lexed, sql);
      return;
    case StatementKind::Select:
      RaiseJet(ErrExecuteSelect);
    default:
      break;
  }
  CompiledStatement& compiled = c.Compile(lexed, sql, false);
  StatementUse use(compiled.Stmt);
  c.BindLiterals(compiled, lexed);
  c.RunWrite(compiled.Stmt, Phase::Write);
}

}  // namespace dao::detail
