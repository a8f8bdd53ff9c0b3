#include "platform/db/Query.h"

#include <sqlite3.h>

#include "platform/db/JetDdl.h"
#include "platform/db/JetError.h"
#include "platform/db/Values.h"

namespace dao::detail {

QueryResult RunQuery(Connection& c, std::string_view sql, bool editable) {
  c.Db();
  Lexed lexed = Lex(sql);
  if (KindOf(lexed) != StatementKind::Select) RaiseJet(ErrInvalidOperation);
  CompiledStatement& compiled = c.Compile(lexed, sql, editable);
  StatementUse use(compiled.Stmt);
  c.BindLiterals(compiled, lexed);
  int rc = sqlite3_step(compiled.Stmt);
  c.RefreshShape(compiled);
  QueryResult result;
  result.Shape = compiled.Shape;
  const ResultShape& shape = *compiled.Shape;
  const int columns = static_cast<int>(shape.Names.size());
  const bool withRowid = !shape.BaseTable.empty();
  for (; rc == SQLITE_ROW; rc = sqlite3_step(compiled.Stmt)) {
    StoredRow row;
    row.Values.reserve(static_cast<std::size_t>(columns));
    for (int i = 0; i < columns; ++i) row.Values.push_back(ColumnValue(compiled.Stmt, i, shape.Types[i]));
    if (withRowid) row.Rowid = sqlite3_column_int64(compiled.Stmt, columns);
    result.Rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return result;
}

void RunStatement(Connection& c, std::string_view sql) {
  c.Db();
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
  int rc = sqlite3_step(compiled.Stmt);
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Write);
}

}  // namespace dao::detail
