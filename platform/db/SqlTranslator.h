//===- SqlTranslator.h - Jet SQL to SQLite SQL (internal) ------------------===//
//
// A recursive-descent parser over the lexer's tokens that writes the SQLite
// statement as it goes. What it changes:
//
// - `&` joins texts with VB's rules (Null is "", numbers in their VB text) and
//   `/`, `\` and `Mod` divide as VB divides: jet_concat, jet_div, jet_idiv,
//   jet_mod.
// - Every comparison, BETWEEN, IN, ORDER BY and GROUP BY term, and the
//   argument of min/max, is made under the JET collation, so text compares
//   ignoring case as in Jet also when no column is involved
//   (`trim(Argumento) <> '00'`). `Like` becomes jet_like (`*`, `?`, `#`,
//   `[a-z]` by the JET collation, `[!x]`, `[]`, ignoring case).
// - The Jet functions become their jet_* SQL functions (mid$ is mid);
//   iif becomes CASE and nz coalesce. An unknown function is error 3085.
// - True and False are -1 and 0; a #date# is its serial day number.
// - `DELETE * FROM t`, `DELETE t.* FROM t`, bracketed names, Jet's
//   parenthesised joins and aliases with or without AS are written the SQLite
//   way; `ORDER BY 2` orders by the second selected expression.
// - Every selected expression is named: a column by its own name, any other
//   expression by its alias or Expr1000, Expr1001, ... as Jet names them.
// - A value inserted or assigned into a DateTime column goes through
//   jet_cvdate, so a "dd/mm/yyyy" text is stored as a date.
// - Literals become numbered parameters bound from the statement's literal
//   list, except the column numbers of ORDER BY and the whole numbers given
//   to a function (`left(Archivo,8)`), which shape the statement: an index
//   on the same expression can answer it.
//
// A statement ends at its end or at one ";"; anything after is error 3142.
// Parentheses, subqueries, NOT and signs nested deeper than a hundred levels
// or so are error 3360 (too complex).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/SqlLexer.h"

namespace dao::detail {

enum class StatementKind { Select, Insert, Update, Delete, Ddl };

/// A column of a table as the translator needs it for INSERT and UPDATE.
struct TargetColumn {
  std::string Name;
  int Type = 0;  // DAO type code
};

/// The columns of a table in order, or nothing when there is no such table.
using TableLookup = std::function<std::optional<std::vector<TargetColumn>>(std::string_view)>;

struct Translation {
  StatementKind Kind = StatementKind::Select;
  /// The SQLite statement; parameter k (?k) binds literal Parameters[k - 1].
  std::string Sql;
  std::vector<int> Parameters;
  /// Literals written into Sql itself; statements that differ in them differ in Sql.
  std::vector<int> StructuralLiterals;
  /// For a SELECT over one plain table asked for with rows to edit: the table,
  /// and the statement's last column is that table's rowid.
  std::string BaseTable;
  /// Sql depends on the target table's columns (date conversions).
  bool SchemaDependent = false;
};

/// The kind of statement by its first word; 3129 for a statement that is none.
StatementKind KindOf(const Lexed& lexed);

/// Translates a SELECT, INSERT, UPDATE or DELETE. `editable` asks a SELECT
/// for the rowid of its one table (see Translation::BaseTable). Errors: 3075
/// syntax, 3085 unknown function, 3078 unknown INSERT/UPDATE table, 3127
/// unknown INSERT column, 3346 value count, 3061 unknown SET column, 3142.
Translation Translate(const Lexed& lexed, std::string_view sql, const TableLookup& tables, bool editable);

/// Translates the criteria of FindFirst/FindNext: one condition, in Sql.
Translation TranslateCondition(const Lexed& lexed, std::string_view sql);

/// `name` as an SQLite identifier: between double quotes, inner ones doubled.
std::string QuoteName(std::string_view name);

}  // namespace dao::detail
