//===- Catalog.h - Jet table definitions kept inside the database (internal) ===//
//
// The definition of each table made through the layer (its columns with Jet
// type, size, AllowZeroLength and Required, and its indexes with the primary
// key) is kept in two tables of the database file itself, _dao_fields and
// _dao_indexes, hidden from TableDefs. The SQLite table is generated from that
// definition, so the rules hold for every write, SQL or recordset:
//
// - each column is declared with its Jet type name (BYTE, SHORT, LONG,
//   SINGLE, DOUBLE, CURRENCY, DATETIME, TEXT(n), LONGTEXT, YESNO), which
//   gives the recordsets their field types, and with the JET collation;
// - named CHECK constraints refuse what Jet refuses, and their names carry
//   the error number: "jet3163:T.c" (text longer than its size),
//   "jet3315:T.c" ("" where AllowZeroLength is False), "jet3349:T.c" (a
//   number outside its Byte, Integer or Long range), "jet3421:T.c" (a text in
//   a numeric or date column), "jet3058:T.c" (Null in a key column);
//   Required is NOT NULL (3314), and a duplicate key fails its index (3022);
// - the primary key is the table's PRIMARY KEY; other indexes are SQLite
//   indexes named "table$index", since Jet's index names are per table.
//
// A change that SQLite cannot make in place (a primary key added later, an
// AllowZeroLength set) makes the table again inside one savepoint, from its
// own stored CREATE TABLE text with only that change written into it (see
// TableText.h): created anew, rows copied, old table dropped, indexes made
// again. So a table of another program's keeps its declared types, defaults,
// rules, relationships, WITHOUT ROWID and AUTOINCREMENT count. A table that
// cannot be made again so (a virtual table, computed columns, a text that
// SQLite would not take again) is refused and left as it was. If the rows
// break the new rule, nothing changes and the rule's error is raised. Other
// programs may have related their tables to it: relationships are set aside
// meanwhile, so that no other table loses a row or a key, and the rebuild is
// refused when a relationship to the table does not hold afterwards. Another
// program's indexes and triggers of the table come back as it wrote them.
//
// A connection may also have temporary tables of its own (SQLite's temp
// schema), which no other connection sees and which go with the connection.
// Their definitions are kept the same way, in the temp schema's own
// _dao_fields and _dao_indexes. A temporary table hides a table of the file
// with the same name, as SQLite resolves names: every lookup here looks in
// temp first, and the list of tables names such a pair once.
//
// Dates are stored as their serial day number (a REAL), so they sort and
// compare as dates; Booleans as -1 and 0; Currency as a REAL.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/SqlTranslator.h"
#include "platform/db/TableDefs.h"

namespace dao::detail {

class Connection;

struct ColumnDefinition {
  std::string Name;
  int Type = 0;
  int Size = 0;
  bool AllowZeroLength = false;
  bool Required = false;
};

struct TableDefinition {
  std::string Name;
  bool Temporary = false;  // in this connection's temp schema
  std::vector<ColumnDefinition> Columns;
  std::vector<IndexDef> Indexes;
};

/// A Jet type and size read from a declared column type.
struct DeclaredType {
  int Type = 0;
  int Size = 0;
};

/// The Jet type of an SQLite declared type ("TEXT(15)" is Text of 15).
DeclaredType ParseDeclaredType(std::string_view declared);

/// The fixed size of a type's values (Byte 1, Long 4, ...; Text its own size, Memo 0).
int TypeSize(int type, int textSize);

/// Creates the layer's own definition tables when they are missing.
void EnsureCatalog(Connection& c);

/// True when the table names one the layer keeps for itself (_dao_*, sqlite_*).
bool IsReservedName(std::string_view name);

/// The definition of a table (a temporary one first), or nothing when there is no such table.
std::optional<TableDefinition> LoadTable(Connection& c, std::string_view name);

/// The columns of a table for the translator, or nothing when there is no such table.
std::optional<std::vector<TargetColumn>> TargetColumns(Connection& c, std::string_view name);

/// The names of the user's tables, ordered ignoring case.
std::vector<std::string> TableNames(Connection& c);

/// Creates the table (in temp when Temporary) and records its definition.
void CreateTable(Connection& c, const TableDefinition& table);

/// Creates an empty temporary table with the definition and name of the
/// file's table `name`. Errors: 3078 the file has no such table, 3010 the
/// connection has a temporary table of that name already.
void CreateTemporaryCopy(Connection& c, std::string_view name);

/// A relationship declared by another program: the child's rows refer to the parent's key.
struct Relationship {
  std::string Parent;
  std::string Child;
  std::string OnUpdate;  // NO ACTION, RESTRICT, SET NULL, SET DEFAULT or CASCADE
  std::string OnDelete;
};

/// The relationships of `schema` ("main" or "temp") in which `table` is the
/// parent or the child. A failure to read them is raised when `mustRead`,
/// else what was read is answered (for the failure path of another error).
std::vector<Relationship> RelationshipsOf(const Connection& c, std::string_view schema, std::string_view table,
                                          bool mustRead);

/// Gives the table the primary key of its definition, rows kept (see above).
/// Errors: 3283 the table has one, 3375 a constraint of the key's name, 3022
/// or 3058 rows that break it, 3251 a table that cannot be made again.
void AddPrimaryKey(Connection& c, const TableDefinition& table);

/// Makes the column's zero-length rule follow its AllowZeroLength in the
/// definition, rows kept (see above). Errors: 3315 rows that break it, 3251
/// a table that cannot be made again or a rule of another's with the layer's name.
void ChangeZeroLengthRule(Connection& c, const TableDefinition& table, std::string_view column);

/// Adds a secondary index (not a primary key) to an existing table.
void AddIndex(Connection& c, const TableDefinition& table, const IndexDef& index);

/// Drops the table and its definition.
void DropTable(Connection& c, const TableDefinition& table);

}  // namespace dao::detail
