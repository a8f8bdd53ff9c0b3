#include "platform/db/Catalog.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <memory>

#include "platform/db/Connection.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Query.h"
#include "platform/db/TableText.h"

namespace dao::detail {
namespace {

// The definition tables of one schema: the file's own (main), or this
// connection's temporary one (temp), which holds the definitions of its
// temporary tables. Every name is written with its schema, since a temporary
// table hides a table of the file with the same name.
std::string CatalogSql(std::string_view schema) {
  const std::string s(schema);
  return "CREATE TABLE IF NOT EXISTS " + s +
         ".\"_dao_fields\" (tbl TEXT NOT NULL COLLATE NOCASE, ord INTEGER NOT NULL, "
         "name TEXT NOT NULL, type INTEGER NOT NULL, size INTEGER NOT NULL, allow_zero INTEGER NOT NULL, "
         "required INTEGER NOT NULL, PRIMARY KEY (tbl, ord));"
         "CREATE TABLE IF NOT EXISTS " +
         s +
         ".\"_dao_indexes\" (tbl TEXT NOT NULL COLLATE NOCASE, "
         "name TEXT NOT NULL COLLATE NOCASE, cols TEXT NOT NULL, is_primary INTEGER NOT NULL, "
         "is_unique INTEGER NOT NULL, PRIMARY KEY (tbl, name));";
}

constexpr std::string_view kMain = "main";
constexpr std::string_view kTemp = "temp";

std::string_view SchemaOf(const TableDefinition& t) { return t.Temporary ? kTemp : kMain; }

// `name` written with its schema: main."T".
std::string Qualified(std::string_view schema, std::string_view name) {
  return std::string(schema) + "." + QuoteName(name);
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

std::string Text(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
              : std::string();
}

void Bind(sqlite3_stmt* stmt, int index, std::string_view text) {
  sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Step(Connection& c, sqlite3_stmt* stmt) {
  int rc = sqlite3_step(stmt);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) c.Fail(rc, Phase::Write);
}

// Runs the first statement of `sql` for its effect and leaves the rest
// unread, as SQLite reads a schema's text. The statement lives until its
// failure is told, so that the failure can be traced back to it.
void RunFirst(Connection& c, const std::string& sql) {
  FinishPendingFetches();
  sqlite3_stmt* raw = nullptr;
  int rc = sqlite3_prepare_v2(c.Db(), sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
  if (rc == SQLITE_OK && raw != nullptr) {
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
    }
  }
  if (rc != SQLITE_OK && rc != SQLITE_DONE) c.Fail(rc, Phase::Write);
}

// The name of the schema's table `name` as the schema spells it, or nothing when there is none.
std::optional<std::string> StoredName(Connection& c, std::string_view schema, std::string_view name) {
  sqlite3_stmt* stmt = c.Prepared(std::string("SELECT name FROM ") +
                                  (schema == kTemp ? "sqlite_temp_schema" : "main.sqlite_schema") +
                                  " WHERE type='table' AND name=?1 COLLATE NOCASE");
  StatementUse use(stmt);
  Bind(stmt, 1, name);
  int rc = sqlite3_step(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  if (rc == SQLITE_DONE) return std::nullopt;
  return Text(stmt, 0);
}

// True when the schema holds a table of that name.
bool TableIn(Connection& c, std::string_view schema, std::string_view name) {
  return StoredName(c, schema, name).has_value();
}

std::string JoinNames(const std::vector<std::string>& names, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) out += (i ? std::string(separator) : "") + std::string(names[i]);
  return out;
}

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = text.find('\t', start);
    out.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return out;
    start = at + 1;
  }
}

std::string TypeName(const ColumnDefinition& c) {
  switch (c.Type) {
    case dbBoolean: return "YESNO";
    case dbByte: return "BYTE";
    case dbInteger: return "SHORT";
    case dbLong: return "LONG";
    case dbCurrency: return "CURRENCY";
    case dbSingle: return "SINGLE";
    case dbDouble: return "DOUBLE";
    case dbDate: return "DATETIME";
    case dbMemo: return "LONGTEXT";
    default: return "TEXT(" + std::to_string(c.Size) + ")";
  }
}

// The name of the layer's rule on a column, which carries the error it gives: "jet3315:T.c".
std::string RuleName(int number, std::string_view table, std::string_view column) {
  return "jet" + std::to_string(number) + ":" + std::string(table) + "." + std::string(column);
}

std::string Rule(int number, const std::string& table, const ColumnDefinition& c, const std::string& condition) {
  return "CONSTRAINT " + QuoteName(RuleName(number, table, c.Name)) + " CHECK (" + condition + ")";
}

// SQLite's length() stops at a NUL; a text's bytes and Len's characters
// do not, so a NUL counts wherever it stands.
std::string Bytes(const std::string& quotedName) { return "length(CAST(" + quotedName + " AS BLOB))"; }

std::string ZeroLengthRule(const std::string& table, const ColumnDefinition& c) {
  return Rule(ErrZeroLength, table, c, Bytes(QuoteName(c.Name)) + " > 0");
}

std::string NullInKeyRule(const std::string& table, const ColumnDefinition& c) {
  return Rule(ErrNullInKey, table, c, QuoteName(c.Name) + " IS NOT NULL");
}

std::string PrimaryKeySql(const IndexDef& primary) {
  std::vector<std::string> cols;
  for (const std::string& f : primary.Fields) cols.push_back(QuoteName(f));
  return "CONSTRAINT " + QuoteName(primary.Name) + " PRIMARY KEY (" + JoinNames(cols, ", ") + ")";
}

// The CREATE TABLE statement that holds the table to its definition, under the name `as`.
std::string CreateSql(const TableDefinition& t, const std::string& as) {
  const IndexDef* primary = nullptr;
  for (const IndexDef& index : t.Indexes) {
    if (index.Primary) primary = &index;
  }
  std::string sql = "CREATE TABLE " + Qualified(SchemaOf(t), as) + " (";
  for (std::size_t i = 0; i < t.Columns.size(); ++i) {
    const ColumnDefinition& c = t.Columns[i];
    const std::string name = QuoteName(c.Name);
    sql += (i ? ", " : "") + name + " " + TypeName(c) + " COLLATE JET";
    if (c.Required) sql += " NOT NULL";
    const bool text = c.Type == dbText || c.Type == dbMemo;
    // Plain comparisons: an IN list here would build a temporary table for every row written.
    if (!text) {
      sql += " " + Rule(ErrConversion, t.Name, c, "typeof(" + name + ") <> 'text' AND typeof(" + name + ") <> 'blob'");
    }
    if (c.Type == dbByte) sql += " " + Rule(ErrNumericOverflow, t.Name, c, name + " BETWEEN 0 AND 255");
    if (c.Type == dbInteger) sql += " " + Rule(ErrNumericOverflow, t.Name, c, name + " BETWEEN -32768 AND 32767");
    if (c.Type == dbLong) {
      sql += " " + Rule(ErrNumericOverflow, t.Name, c, name + " BETWEEN -2147483648 AND 2147483647");
    }
    // Few bytes are few characters: Len runs only for a text of more bytes than the size.
    if (c.Type == dbText) {
      const std::string size = std::to_string(c.Size);
      sql += " " + Rule(ErrFieldTooSmall, t.Name, c,
                        Bytes(name) + " <= " + size + " OR jet_len(" + name + ") <= " + size);
    }
    if (text && !c.AllowZeroLength) sql += " " + ZeroLengthRule(t.Name, c);
    if (primary && std::any_of(primary->Fields.begin(), primary->Fields.end(),
                               [&](const std::string& f) { return SameName(f, c.Name); })) {
      sql += " " + NullInKeyRule(t.Name, c);
    }
  }
  if (primary) sql += ", " + PrimaryKeySql(*primary);
  return sql + ")";
}

// The index goes to the table's schema, where its name finds the table.
std::string IndexSql(const TableDefinition& t, const IndexDef& index) {
  std::vector<std::string> cols;
  for (const std::string& f : index.Fields) cols.push_back(QuoteName(f));
  return std::string(index.Unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
         Qualified(SchemaOf(t), t.Name + "$" + index.Name) + " ON " + QuoteName(t.Name) + " (" +
         JoinNames(cols, ", ") + ")";
}

void WriteDefinition(Connection& c, const TableDefinition& t) {
  const std::string_view schema = SchemaOf(t);
  c.Exec(CatalogSql(schema));
  {
    sqlite3_stmt* del = c.Prepared("DELETE FROM " + Qualified(schema, "_dao_fields") + " WHERE tbl=?1");
    StatementUse use(del);
    Bind(del, 1, t.Name);
    Step(c, del);
  }
  {
    sqlite3_stmt* del = c.Prepared("DELETE FROM " + Qualified(schema, "_dao_indexes") + " WHERE tbl=?1");
    StatementUse use(del);
    Bind(del, 1, t.Name);
    Step(c, del);
  }
  for (std::size_t i = 0; i < t.Columns.size(); ++i) {
    const ColumnDefinition& col = t.Columns[i];
    sqlite3_stmt* ins = c.Prepared("INSERT INTO " + Qualified(schema, "_dao_fields") + " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    StatementUse use(ins);
    Bind(ins, 1, t.Name);
    sqlite3_bind_int(ins, 2, static_cast<int>(i));
    Bind(ins, 3, col.Name);
    sqlite3_bind_int(ins, 4, col.Type);
    sqlite3_bind_int(ins, 5, col.Size);
    sqlite3_bind_int(ins, 6, col.AllowZeroLength);
    sqlite3_bind_int(ins, 7, col.Required);
    Step(c, ins);
  }
  for (const IndexDef& index : t.Indexes) {
    sqlite3_stmt* ins = c.Prepared("INSERT INTO " + Qualified(schema, "_dao_indexes") + " VALUES (?1, ?2, ?3, ?4, ?5)");
    StatementUse use(ins);
    Bind(ins, 1, t.Name);
    Bind(ins, 2, index.Name);
    Bind(ins, 3, JoinNames(index.Fields, "\t"));
    sqlite3_bind_int(ins, 4, index.Primary);
    sqlite3_bind_int(ins, 5, index.Unique);
    Step(c, ins);
  }
}

// Runs `body` inside a savepoint: all of it or none of it.
template <class F>
void Atomically(Connection& c, F&& body) {
  c.RefuseIfEnded();
  c.TablesChanged();
  c.Exec("SAVEPOINT dao_ddl");
  try {
    body();
  } catch (...) {
    c.Exec("ROLLBACK TO dao_ddl; RELEASE dao_ddl");
    throw;
  }
  c.Exec("RELEASE dao_ddl");
}

// A table the layer did not make: its definition guessed from SQLite's own.
std::optional<TableDefinition> ForeignTable(Connection& c, std::string_view schema, std::string_view name) {
  sqlite3_stmt* stmt = c.Prepared("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1, ?2)");
  StatementUse use(stmt);
  Bind(stmt, 1, name);
  Bind(stmt, 2, schema);
  TableDefinition t;
  t.Name = StoredName(c, schema, name).value_or(std::string(name));
  t.Temporary = schema == kTemp;
  IndexDef primary{"PrimaryKey", true, true, {}};
  std::vector<std::pair<int, std::string>> keyColumns;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    DeclaredType type = ParseDeclaredType(Text(stmt, 1));
    ColumnDefinition col{Text(stmt, 0), type.Type ? type.Type : dbText, type.Size ? type.Size : 255, true,
                         sqlite3_column_int(stmt, 2) != 0};
    if (int pk = sqlite3_column_int(stmt, 3)) keyColumns.emplace_back(pk, col.Name);
    t.Columns.push_back(std::move(col));
  }
  if (t.Columns.empty()) return std::nullopt;
  std::sort(keyColumns.begin(), keyColumns.end());
  for (auto& [order, col] : keyColumns) primary.Fields.push_back(col);
  if (!primary.Fields.empty()) t.Indexes.push_back(primary);
  return t;
}

}  // namespace

DeclaredType ParseDeclaredType(std::string_view declared) {
  const std::string d = Upper(declared);
  struct Name {
    std::string_view Text;
    int Type;
  };
  static constexpr Name kNames[] = {
      {"YESNO", dbBoolean}, {"BYTE", dbByte},         {"SHORT", dbInteger},  {"LONG", dbLong},
      {"CURRENCY", dbCurrency}, {"SINGLE", dbSingle}, {"DOUBLE", dbDouble},  {"DATETIME", dbDate},
      {"LONGTEXT", dbMemo},
  };
  for (const Name& n : kNames) {
    if (d == n.Text) return {n.Type, TypeSize(n.Type, 0)};
  }
  std::size_t open = d.find('(');
  int size = 255;
  if (open != std::string::npos) {
    std::from_chars(d.data() + open + 1, d.data() + d.size(), size);
  }
  if (d.find("INT") != std::string::npos) return {dbLong, 4};
  if (d.find("CHAR") != std::string::npos || d.find("TEXT") != std::string::npos ||
      d.find("CLOB") != std::string::npos) {
    return {dbText, size};
  }
  if (d.find("REAL") != std::string::npos || d.find("FLOA") != std::string::npos ||
      d.find("DOUB") != std::string::npos) {
    return {dbDouble, 8};
  }
  return {};
}

int TypeSize(int type, int textSize) {
  switch (type) {
    case dbBoolean:
    case dbByte:
      return 1;
    case dbInteger:
      return 2;
    case dbLong:
    case dbSingle:
      return 4;
    case dbCurrency:
    case dbDouble:
    case dbDate:
      return 8;
    case dbText:
      return textSize;
    default:
      return 0;
  }
}

void EnsureCatalog(Connection& c) { c.Exec(CatalogSql(kMain)); }

bool IsReservedName(std::string_view name) {
  std::string u = Upper(name);
  return u.rfind("_DAO_", 0) == 0 || u.rfind("SQLITE_", 0) == 0;
}

namespace {

// The definition of the table `name` of one schema, or nothing.
std::optional<TableDefinition> LoadTableIn(Connection& c, std::string_view schema, std::string_view name) {
  if (IsReservedName(name) || !TableIn(c, schema, name)) return std::nullopt;
  if (!TableIn(c, schema, "_dao_fields")) return ForeignTable(c, schema, name);
  TableDefinition t;
  t.Temporary = schema == kTemp;
  {
    sqlite3_stmt* stmt = c.Prepared("SELECT tbl, name, type, size, allow_zero, required FROM " +
                                    Qualified(schema, "_dao_fields") + " WHERE tbl=?1 ORDER BY ord");
    StatementUse use(stmt);
    Bind(stmt, 1, name);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      t.Name = Text(stmt, 0);
      t.Columns.push_back({Text(stmt, 1), sqlite3_column_int(stmt, 2), sqlite3_column_int(stmt, 3),
                           sqlite3_column_int(stmt, 4) != 0, sqlite3_column_int(stmt, 5) != 0});
    }
    if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  }
  if (t.Columns.empty()) return ForeignTable(c, schema, name);
  sqlite3_stmt* stmt = c.Prepared("SELECT name, cols, is_primary, is_unique FROM " +
                                  Qualified(schema, "_dao_indexes") +
                                  " WHERE tbl=?1 ORDER BY is_primary DESC, rowid");
  StatementUse use(stmt);
  Bind(stmt, 1, name);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    t.Indexes.push_back(
        {Text(stmt, 0), sqlite3_column_int(stmt, 2) != 0, sqlite3_column_int(stmt, 3) != 0, SplitTabs(Text(stmt, 1))});
  }
  return t;
}

}  // namespace

std::optional<TableDefinition> LoadTable(Connection& c, std::string_view name) {
  // As SQLite finds a name: a temporary table before the file's own.
  if (std::optional<TableDefinition> t = LoadTableIn(c, kTemp, name)) return t;
  return LoadTableIn(c, kMain, name);
}

std::optional<std::vector<TargetColumn>> TargetColumns(Connection& c, std::string_view name) {
  std::optional<TableDefinition> t = LoadTable(c, name);
  if (!t) return std::nullopt;
  std::vector<TargetColumn> out;
  for (const ColumnDefinition& col : t->Columns) out.push_back({col.Name, col.Type});
  return out;
}

std::vector<std::string> TableNames(Connection& c) {
  // A temporary table that hides one of the file is one name.
  sqlite3_stmt* stmt = c.Prepared(
      "SELECT name FROM sqlite_temp_schema WHERE type='table' UNION "
      "SELECT name FROM main.sqlite_schema WHERE type='table' AND name COLLATE NOCASE NOT IN "
      "(SELECT name FROM sqlite_temp_schema WHERE type='table')");
  StatementUse use(stmt);
  std::vector<std::string> names;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::string name = Text(stmt, 0);
    if (!IsReservedName(name)) names.push_back(std::move(name));
  }
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareJetText(a, b) < 0; });
  return names;
}

void CreateTable(Connection& c, const TableDefinition& table) {
  Atomically(c, [&] {
    c.Exec(CreateSql(table, table.Name));
    for (const IndexDef& index : table.Indexes) {
      if (!index.Primary) c.Exec(IndexSql(table, index));
    }
    WriteDefinition(c, table);
  });
}

void CreateTemporaryCopy(Connection& c, std::string_view name) {
  if (LoadTableIn(c, kTemp, name)) RaiseJet(ErrTableExists, {std::string(name)});
  std::optional<TableDefinition> shared = LoadTableIn(c, kMain, name);
  if (!shared) RaiseJet(ErrNoSuchTable, {std::string(name)});
  shared->Temporary = true;
  CreateTable(c, *shared);
}

// True when the table holds no row.
bool IsEmpty(Connection& c, const TableDefinition& t) {
  const std::string sql = "SELECT 1 FROM " + Qualified(SchemaOf(t), t.Name) + " LIMIT 1";
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(c.Db(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
  sqlite3_finalize(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return rc == SQLITE_DONE;
}

namespace {

// While a table is made again its relationships are set aside, as SQLite's
// own way to change a table has it: a table dropped with them in force takes
// its related rows along (or refuses to go). SQLite's pragma cannot switch
// them inside a transaction and a rebuild is often asked inside one; the
// connection's setting can. The rename that ends a rebuild leaves every
// other table, view and trigger as it was written, so what names the table
// finds the new one. Both settings are put back however the rebuild ends.
class SchemaChange {
 public:
  explicit SchemaChange(Connection& c) : Db_(c.Db()) {
    // Changing a setting expires every statement: none may be halfway through its rows.
    FinishPendingFetches();
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_ENABLE_FKEY, -1, &Relationships_);
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_LEGACY_ALTER_TABLE, -1, &Legacy_);
    int now = 1;
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_ENABLE_FKEY, 0, &now);
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_LEGACY_ALTER_TABLE, 1, nullptr);
    StillInForce = now != 0;
  }
  ~SchemaChange() {
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_LEGACY_ALTER_TABLE, Legacy_, nullptr);
    sqlite3_db_config(Db_, SQLITE_DBCONFIG_ENABLE_FKEY, Relationships_, nullptr);
  }
  SchemaChange(const SchemaChange&) = delete;
  SchemaChange& operator=(const SchemaChange&) = delete;

  bool StillInForce = false;  // SQLite kept the relationships acting

 private:
  sqlite3* Db_;
  int Relationships_ = 0;
  int Legacy_ = 0;
};

// The names of the tables whose relationships point at `t`.
std::vector<std::string> ChildrenOf(Connection& c, const TableDefinition& t) {
  std::vector<std::string> children;
  for (const Relationship& r : RelationshipsOf(c, SchemaOf(t), t.Name, true)) {
    const bool known = std::any_of(children.begin(), children.end(),
                                   [&](const std::string& name) { return SameName(name, r.Child); });
    if (SameName(r.Parent, t.Name) && !known) children.push_back(r.Child);
  }
  return children;
}

// The indexes and triggers of `t` that its definition does not make (another
// program's), with their text as it stands in the schema.
std::vector<std::string> OtherProgramsObjects(Connection& c, const TableDefinition& t) {
  sqlite3_stmt* stmt = c.Prepared("SELECT name, sql FROM " + std::string(SchemaOf(t)) +
                                  ".sqlite_schema WHERE type IN ('index', 'trigger') AND tbl_name = ?1 "
                                  "COLLATE NOCASE AND sql IS NOT NULL ORDER BY rowid");
  StatementUse use(stmt);
  Bind(stmt, 1, t.Name);
  std::vector<std::string> objects;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    const std::string name = Text(stmt, 0);
    const bool ours = std::any_of(t.Indexes.begin(), t.Indexes.end(), [&](const IndexDef& index) {
      return !index.Primary && SameName(name, t.Name + "$" + index.Name);
    });
    if (!ours) objects.push_back(Text(stmt, 1));
  }
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return objects;
}

// Every relationship to the rebuilt table holds, or the rebuild is refused:
// a child's row whose key the table lacks (the rows are those it had), or a
// key the table no longer keeps unique (another program's rule it lost).
void CheckChildren(Connection& c, const TableDefinition& t) {
  for (const std::string& child : ChildrenOf(c, t)) {
    sqlite3_stmt* stmt =
        c.Prepared("SELECT 1 FROM pragma_foreign_key_check(?1, ?2) WHERE parent = ?3 COLLATE NOCASE LIMIT 1");
    StatementUse use(stmt);
    Bind(stmt, 1, child);
    Bind(stmt, 2, SchemaOf(t));
    Bind(stmt, 3, t.Name);
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) RaiseJet(ErrRelatedRecord, {t.Name, child});
    if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  }
}

// The table's own text as its schema keeps it, and its name as spelled there.
struct StoredTable {
  std::string Name;
  TableText Text;
};

// Reads the table's text for a change. Refused when the layer cannot make
// the table again from it: a text this reader cannot follow, a virtual
// table or one of a virtual table's own (3251); computed columns, whose
// values cannot be copied (3346).
StoredTable ReadStoredTable(Connection& c, const TableDefinition& t) {
  const std::string schema(SchemaOf(t));
  std::string name, sql;
  {
    sqlite3_stmt* stmt = c.Prepared("SELECT name, sql FROM " + schema +
                                    ".sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    StatementUse use(stmt);
    Bind(stmt, 1, t.Name);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) RaiseJet(ErrNoSuchTable, {t.Name});
    if (rc != SQLITE_ROW) c.Fail(rc, Phase::Read);
    name = Text(stmt, 0);
    sql = Text(stmt, 1);
  }
  std::optional<TableText> text = TableText::Read(sql);
  if (!text) RaiseJet(ErrNotForThisObject);
  struct Refusal {
    const char* Sql;
    int Error;
  };
  static constexpr Refusal kRefusals[] = {
      {"SELECT 1 FROM pragma_table_list(?1) WHERE schema = ?2 AND type <> 'table'", ErrNotForThisObject},
      {"SELECT 1 FROM pragma_table_xinfo(?1, ?2) WHERE hidden IN (2, 3)", ErrValueCount},
  };
  for (const Refusal& refusal : kRefusals) {
    sqlite3_stmt* stmt = c.Prepared(refusal.Sql);
    StatementUse use(stmt);
    Bind(stmt, 1, name);
    Bind(stmt, 2, schema);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) RaiseJet(refusal.Error);
    if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  }
  return {std::move(name), std::move(*text)};
}

// Makes a table from its text. A text that SQLite does not take again here
// (a rule that names its own table, a collation or a function that only
// another program has) is refused as a change this table does not allow.
void MakeFromText(Connection& c, const std::string& sql) {
  FinishPendingFetches();
  sqlite3_stmt* raw = nullptr;
  int rc = sqlite3_prepare_v2(c.Db(), sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
  if (rc == SQLITE_OK && raw != nullptr) rc = sqlite3_step(raw);
  if ((rc & 0xff) == SQLITE_ERROR) RaiseJet(ErrNotForThisObject);
  if (rc != SQLITE_OK && rc != SQLITE_DONE) c.Fail(rc, Phase::Write);
}

// The last number an AUTOINCREMENT table gave, which it must never give
// again: a table dropped takes its count along.
std::optional<sqlite3_int64> LastNumber(Connection& c, std::string_view schema, const std::string& name) {
  if (!TableIn(c, schema, "sqlite_sequence")) return std::nullopt;
  sqlite3_stmt* stmt = c.Prepared("SELECT max(seq) FROM " + Qualified(schema, "sqlite_sequence") +
                                  " WHERE name = ?1 AND typeof(seq) = 'integer'");
  StatementUse use(stmt);
  Bind(stmt, 1, name);
  const int rc = sqlite3_step(stmt);
  if (rc != SQLITE_ROW) c.Fail(rc, Phase::Read);
  if (sqlite3_column_type(stmt, 0) == SQLITE_NULL) return std::nullopt;
  return sqlite3_column_int64(stmt, 0);
}

// The table made again goes on counting from where it was.
void KeepLastNumber(Connection& c, std::string_view schema, const std::string& name, sqlite3_int64 last) {
  const sqlite3_int64 counted = std::max(last, LastNumber(c, schema, name).value_or(last));
  const std::string sequence = Qualified(schema, "sqlite_sequence");
  for (const std::string& sql :
       {"DELETE FROM " + sequence + " WHERE name = ?1", "INSERT INTO " + sequence + " (name, seq) VALUES (?1, ?2)"}) {
    sqlite3_stmt* stmt = c.Prepared(sql);
    StatementUse use(stmt);
    Bind(stmt, 1, name);
    if (sqlite3_bind_parameter_count(stmt) == 2) sqlite3_bind_int64(stmt, 2, counted);
    Step(c, stmt);
  }
}

// `base`, or `base` and a number, whichever no table, index or view of the
// schema holds: another program may hold any name.
std::string FreeName(Connection& c, std::string_view schema, const std::string& base) {
  sqlite3_stmt* stmt = c.Prepared("SELECT 1 FROM " + Qualified(schema, "sqlite_schema") +
                                  " WHERE type <> 'trigger' AND name = ?1 COLLATE NOCASE");
  for (int n = 0;; ++n) {
    const std::string name = n == 0 ? base : base + std::to_string(n);
    StatementUse use(stmt);
    Bind(stmt, 1, name);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) return name;
    if (rc != SQLITE_ROW) c.Fail(rc, Phase::Read);
  }
}

// Makes the table again from its own text, with the one change `change`
// writes into it, and rows, relationships, indexes and triggers kept.
template <class F>
void Rebuild(Connection& c, const TableDefinition& table, F&& change) {
  SchemaChange guard(c);
  Atomically(c, [&] {
    const std::string_view schema = SchemaOf(table);
    StoredTable stored = ReadStoredTable(c, table);
    change(stored.Text);
    if (guard.StillInForce) {
      // Dropped with its relationships acting, the table would take its children's rows along.
      const std::vector<std::string> children = ChildrenOf(c, table);
      if (!children.empty()) RaiseJet(ErrRelatedRecord, {table.Name, children.front()});
    }
    const std::vector<std::string> others = OtherProgramsObjects(c, table);
    const std::optional<sqlite3_int64> last = LastNumber(c, schema, stored.Name);
    const std::string here = Qualified(schema, stored.Name);
    if (IsEmpty(c, table)) {
      // Nothing to carry over: made again in place, since a rename rewrites the whole schema.
      c.Exec("DROP TABLE " + here);
      MakeFromText(c, stored.Text.CreateSql(here));
    } else {
      const std::string made = Qualified(schema, FreeName(c, schema, "_dao_rebuild"));
      MakeFromText(c, stored.Text.CreateSql(made));
      c.Exec("INSERT INTO " + made + " SELECT * FROM " + here);
      c.Exec("DROP TABLE " + here);
      c.Exec("ALTER TABLE " + made + " RENAME TO " + QuoteName(stored.Name));
    }
    for (const IndexDef& index : table.Indexes) {
      if (!index.Primary) c.Exec(IndexSql(table, index));
    }
    for (const std::string& sql : others) RunFirst(c, sql);
    if (last) KeepLastNumber(c, schema, stored.Name, *last);
    WriteDefinition(c, table);
    CheckChildren(c, table);
  });
}

const ColumnDefinition& ColumnOf(const TableDefinition& t, std::string_view name) {
  auto it = std::find_if(t.Columns.begin(), t.Columns.end(),
                         [&](const ColumnDefinition& col) { return SameName(col.Name, name); });
  if (it == t.Columns.end()) RaiseJet(ErrItemNotFound);
  return *it;
}

}  // namespace

std::vector<Relationship> RelationshipsOf(const Connection& c, std::string_view schema, std::string_view table,
                                          bool mustRead) {
  const std::string s(schema);
  // One row per relationship (its first column); the parent by its own name.
  const std::string sql = "SELECT m.name, coalesce((SELECT p.name FROM " + s +
                          ".sqlite_schema AS p WHERE p.type = 'table' AND p.name = f.\"table\" COLLATE NOCASE), "
                          "f.\"table\"), f.on_update, f.on_delete FROM " +
                          s + ".sqlite_schema AS m, pragma_foreign_key_list(m.name, ?2) AS f "
                          "WHERE m.type = 'table' AND f.seq = 0 AND (m.name = ?1 COLLATE NOCASE OR "
                          "f.\"table\" = ?1 COLLATE NOCASE) ORDER BY m.rowid, f.id";
  std::vector<Relationship> out;
  sqlite3_stmt* raw = nullptr;
  int rc = sqlite3_prepare_v2(c.Db(), sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
  if (rc == SQLITE_OK) {
    Bind(raw, 1, table);
    Bind(raw, 2, schema);
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
      out.push_back({Text(raw, 1), Text(raw, 0), Text(raw, 2), Text(raw, 3)});
    }
  }
  if (rc != SQLITE_OK && rc != SQLITE_DONE && mustRead) c.Fail(rc, Phase::Read);
  return out;
}

void AddPrimaryKey(Connection& c, const TableDefinition& table) {
  auto key = std::find_if(table.Indexes.begin(), table.Indexes.end(), [](const IndexDef& i) { return i.Primary; });
  if (key == table.Indexes.end()) RaiseJet(ErrInvalidOperation);
  Rebuild(c, table, [&](TableText& text) {
    if (text.HasPrimaryKey()) RaiseJet(ErrPrimaryKeyExists);
    if (text.ConstraintsNamed(key->Name) > 0) RaiseJet(ErrIndexExists, {table.Name, key->Name});
    for (const std::string& field : key->Fields) {
      const ColumnDefinition& col = ColumnOf(table, field);
      if (!text.HasColumn(col.Name)) RaiseJet(ErrItemNotFound);
      // A rule of another's that bears the layer's name is not taken for the layer's own.
      if (text.ConstraintsNamed(RuleName(ErrNullInKey, table.Name, col.Name)) > 0 ||
          !text.AddToColumn(col.Name, NullInKeyRule(table.Name, col))) {
        RaiseJet(ErrNotForThisObject);
      }
    }
    if (!text.AddToTable(PrimaryKeySql(*key))) RaiseJet(ErrNotForThisObject);
  });
}

void ChangeZeroLengthRule(Connection& c, const TableDefinition& table, std::string_view column) {
  const ColumnDefinition& col = ColumnOf(table, column);
  Rebuild(c, table, [&](TableText& text) {
    if (!text.HasColumn(col.Name)) RaiseJet(ErrItemNotFound);
    const std::string name = RuleName(ErrZeroLength, table.Name, col.Name);
    const bool named = text.ConstraintsNamed(name) > 0;
    if (col.AllowZeroLength) {
      // A rule the text no longer has is gone already.
      if (named && !text.RemoveCheck(name)) RaiseJet(ErrNotForThisObject);
    } else if (named || !text.AddToColumn(col.Name, ZeroLengthRule(table.Name, col))) {
      RaiseJet(ErrNotForThisObject);
    }
  });
}

void AddIndex(Connection& c, const TableDefinition& table, const IndexDef& index) {
  Atomically(c, [&] {
    c.Exec(IndexSql(table, index));
    WriteDefinition(c, table);
  });
}

void DropTable(Connection& c, const TableDefinition& table) {
  const std::string_view schema = SchemaOf(table);
  // Dropped with relationships to it in force, a table takes its related
  // rows along: it is refused, as Jet refuses it.
  for (const std::string& child : ChildrenOf(c, table)) {
    if (!SameName(child, table.Name)) RaiseJet(ErrInRelationship);
  }
  Atomically(c, [&] {
    RunFirst(c, "DROP TABLE " + Qualified(schema, table.Name));
    if (TableIn(c, schema, "_dao_fields")) {
      for (const char* catalog : {"_dao_fields", "_dao_indexes"}) {
        sqlite3_stmt* stmt = c.Prepared("DELETE FROM " + Qualified(schema, catalog) + " WHERE tbl=?1");
        StatementUse use(stmt);
        Bind(stmt, 1, table.Name);
        Step(c, stmt);
      }
    }
  });
}

}  // namespace dao::detail
