#include "platform/db/JetDdl.h"

#include <algorithm>

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"

namespace dao::detail {
namespace {

struct TypeName {
  std::string_view Name;
  int Type;
};

constexpr TypeName kTypes[] = {
    {"BYTE", dbByte},         {"TINYINT", dbByte},     {"SHORT", dbInteger},    {"SMALLINT", dbInteger},
    {"INTEGER2", dbInteger},  {"LONG", dbLong},        {"INT", dbLong},         {"INTEGER", dbLong},
    {"INTEGER4", dbLong},     {"SINGLE", dbSingle},    {"REAL", dbSingle},      {"FLOAT4", dbSingle},
    {"DOUBLE", dbDouble},     {"FLOAT", dbDouble},     {"FLOAT8", dbDouble},    {"NUMBER", dbDouble},
    {"CURRENCY", dbCurrency}, {"MONEY", dbCurrency},   {"DATETIME", dbDate},    {"DATE", dbDate},
    {"TIME", dbDate},         {"TEXT", dbText},        {"CHAR", dbText},        {"VARCHAR", dbText},
    {"STRING", dbText},       {"ALPHANUMERIC", dbText}, {"MEMO", dbMemo},       {"LONGTEXT", dbMemo},
    {"LONGCHAR", dbMemo},     {"NOTE", dbMemo},        {"YESNO", dbBoolean},    {"BIT", dbBoolean},
    {"LOGICAL", dbBoolean},   {"BOOLEAN", dbBoolean},
};

class DdlParser {
 public:
  DdlParser(Connection& c, const Lexed& lexed, std::string_view sql) : C_(c), L_(lexed), Sql_(sql) {}

  void Run() {
    if (C_.ReadOnly()) RaiseJet(ErrReadOnly);
    if (Accept("CREATE")) {
      if (Accept("TABLE")) return CreateTable();
      bool unique = Accept("UNIQUE");
      if (Accept("INDEX")) return CreateIndex(unique);
      Fail(ErrCreateTableSyntax);
    }
    if (Accept("ALTER")) {
      Expect("TABLE", ErrAlterTableSyntax);
      return AlterTable();
    }
    Accept("DROP");
    Expect("TABLE", ErrSyntax);
    std::string name = Name(ErrSyntax);
    End();
    Permit(name);
    std::optional<TableDefinition> table = LoadTable(C_, name);
    if (!table) RaiseJet(ErrTableMissing, {name});
    DropTable(C_, *table);
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    std::size_t i = std::min(Pos_ + ahead, L_.Tokens.size() - 1);
    return L_.Tokens[i];
  }
  bool At(std::string_view kw) const { return Peek().Kind == TokenKind::Word && IsKeyword(Peek().Text, kw); }
  bool Accept(std::string_view kw) {
    if (!At(kw)) return false;
    ++Pos_;
    return true;
  }
  void Expect(std::string_view kw, int error) {
    if (!Accept(kw)) Fail(error);
  }
  bool AcceptSymbol(std::string_view s) {
    if (Peek().Kind != TokenKind::Symbol || Peek().Text != s) return false;
    ++Pos_;
    return true;
  }
  void ExpectSymbol(std::string_view s, int error) {
    if (!AcceptSymbol(s)) Fail(error);
  }
  std::string Name(int error) {
    const Token& t = Peek();
    if (t.Kind != TokenKind::Word && t.Kind != TokenKind::Bracketed) Fail(error);
    ++Pos_;
    return std::string(t.Text);
  }
  void End() {
    AcceptSymbol(";");
    if (Peek().Kind != TokenKind::End) RaiseJet(ErrTextAfterStatement);
  }
  [[noreturn]] void Fail(int error) const {
    if (error == ErrSyntax) RaiseJet(ErrSyntax, {Sql_});
    RaiseJet(error);
  }
  void Permit(const std::string& object) const {
    if (!C_.MayCreateTables()) RaiseJet(ErrNoPermission, {object});
  }

  std::vector<std::string> ColumnList(const TableDefinition& table, int error, bool allowOrder) {
    std::vector<std::string> cols;
    ExpectSymbol("(", error);
    do {
      std::string name = Name(error);
      auto it = std::find_if(table.Columns.begin(), table.Columns.end(),
                             [&](const ColumnDefinition& c) { return SameName(c.Name, name); });
      if (it == table.Columns.end()) RaiseJet(ErrItemNotFound);
      if (allowOrder && !Accept("ASC")) Accept("DESC");
      cols.push_back(it->Name);
    } while (AcceptSymbol(","));
    ExpectSymbol(")", error);
    return cols;
  }

  static bool HasPrimary(const TableDefinition& t) {
    return std::any_of(t.Indexes.begin(), t.Indexes.end(), [](const IndexDef& i) { return i.Primary; });
  }

  static void AddKey(TableDefinition& t, IndexDef index) {
    if (index.Primary && HasPrimary(t)) RaiseJet(ErrPrimaryKeyExists);
    for (const IndexDef& existing : t.Indexes) {
      if (SameName(existing.Name, index.Name)) RaiseJet(ErrIndexExists, {t.Name, index.Name});
    }
    t.Indexes.push_back(std::move(index));
  }

  void CreateTable() {
    TableDefinition t;
    t.Name = Name(ErrCreateTableSyntax);
    if (IsReservedName(t.Name)) RaiseJet(ErrInvalidName, {t.Name});
    Permit(t.Name);
    ExpectSymbol("(", ErrCreateTableSyntax);
    std::vector<std::pair<IndexDef, std::vector<std::string>>> pending;  // keys named before their columns exist
    int unnamed = 0;
    do {
      if (Accept("CONSTRAINT")) {
        IndexDef key;
        key.Name = Name(ErrCreateTableSyntax);
        key.Primary = Accept("PRIMARY");
        if (key.Primary) {
          Expect("KEY", ErrCreateTableSyntax);
        } else {
          Expect("UNIQUE", ErrCreateTableSyntax);
        }
        key.Unique = true;
        std::vector<std::string> names;
        ExpectSymbol("(", ErrCreateTableSyntax);
        do {
          names.push_back(Name(ErrCreateTableSyntax));
        } while (AcceptSymbol(","));
        ExpectSymbol(")", ErrCreateTableSyntax);
        pending.emplace_back(std::move(key), std::move(names));
        continue;
      }
      ColumnDefinition col;
      col.Name = Name(ErrFieldDefinitionSyntax);
      if (IsReservedName(col.Name)) RaiseJet(ErrInvalidName, {col.Name});
      for (const ColumnDefinition& c : t.Columns) {
        if (SameName(c.Name, col.Name)) RaiseJet(ErrFieldTwice, {col.Name});
      }
      const Token& type = Peek();
      if (type.Kind != TokenKind::Word) Fail(ErrFieldDefinitionSyntax);
      auto known = std::find_if(std::begin(kTypes), std::end(kTypes),
                                [&](const TypeName& n) { return IsKeyword(type.Text, n.Name); });
      if (known == std::end(kTypes)) Fail(ErrFieldDefinitionSyntax);
      ++Pos_;
      col.Type = known->Type;
      col.Size = TypeSize(col.Type, 255);
      if (col.Type == dbText && AcceptSymbol("(")) {
        const Token& size = Peek();
        if (size.Kind != TokenKind::Literal || L_.Literals[size.Literal].Type != Literal::Kind::Integer) {
          Fail(ErrFieldDefinitionSyntax);
        }
        std::int64_t n = L_.Literals[size.Literal].IntValue;
        if (n < 1 || n > 255) Fail(ErrFieldDefinitionSyntax);
        col.Size = static_cast<int>(n);
        ++Pos_;
        ExpectSymbol(")", ErrFieldDefinitionSyntax);
      }
      for (;;) {
        if (Accept("NOT")) {
          Expect("NULL", ErrFieldDefinitionSyntax);
          col.Required = true;
        } else if (Accept("CONSTRAINT") || At("PRIMARY") || At("UNIQUE")) {
          IndexDef key;
          const bool named = !At("PRIMARY") && !At("UNIQUE");
          if (named) key.Name = Name(ErrFieldDefinitionSyntax);
          key.Primary = Accept("PRIMARY");
          if (key.Primary) {
            Expect("KEY", ErrFieldDefinitionSyntax);
          } else {
            Expect("UNIQUE", ErrFieldDefinitionSyntax);
          }
          if (!named) key.Name = key.Primary ? "PrimaryKey" : "Index" + std::to_string(++unnamed);
          key.Unique = true;
          pending.emplace_back(std::move(key), std::vector<std::string>{col.Name});
        } else {
          break;
        }
      }
      t.Columns.push_back(std::move(col));
    } while (AcceptSymbol(","));
    ExpectSymbol(")", ErrCreateTableSyntax);
    End();
    if (LoadTable(C_, t.Name)) RaiseJet(ErrTableExists, {t.Name});
    for (auto& [key, names] : pending) {
      for (const std::string& name : names) {
        auto it = std::find_if(t.Columns.begin(), t.Columns.end(),
                               [&](const ColumnDefinition& c) { return SameName(c.Name, name); });
        if (it == t.Columns.end()) RaiseJet(ErrItemNotFound);
        key.Fields.push_back(it->Name);
      }
      AddKey(t, std::move(key));
    }
    detail::CreateTable(C_, t);
  }

  void CreateIndex(bool unique) {
    IndexDef index;
    index.Name = Name(ErrSyntax);
    index.Unique = unique;
    Expect("ON", ErrSyntax);
    std::string tableName = Name(ErrSyntax);
    Permit(tableName);
    std::optional<TableDefinition> table = LoadTable(C_, tableName);
    if (!table) RaiseJet(ErrNoSuchTable, {tableName});
    index.Fields = ColumnList(*table, ErrSyntax, true);
    if (Accept("WITH")) {
      if (Accept("PRIMARY")) {
        index.Primary = index.Unique = true;
      } else if (Accept("DISALLOW") || Accept("IGNORE")) {
        Expect("NULL", ErrSyntax);
      } else {
        Fail(ErrSyntax);
      }
    }
    End();
    AddKey(*table, index);
    if (index.Primary) {
      AddPrimaryKey(C_, *table);
    } else {
      AddIndex(C_, *table, index);
    }
  }

  void AlterTable() {
    std::string tableName = Name(ErrAlterTableSyntax);
    Permit(tableName);
    Expect("ADD", ErrAlterTableSyntax);
    Expect("CONSTRAINT", ErrAlterTableSyntax);
    IndexDef key;
    key.Name = Name(ErrAlterTableSyntax);
    key.Primary = Accept("PRIMARY");
    if (key.Primary) {
      Expect("KEY", ErrAlterTableSyntax);
    } else {
      Expect("UNIQUE", ErrAlterTableSyntax);
    }
    key.Unique = true;
    std::optional<TableDefinition> table = LoadTable(C_, tableName);
    if (!table) RaiseJet(ErrNoSuchTable, {tableName});
    key.Fields = ColumnList(*table, ErrAlterTableSyntax, false);
    End();
    AddKey(*table, key);
    if (key.Primary) {
      AddPrimaryKey(C_, *table);
    } else {
      AddIndex(C_, *table, key);
    }
  }

  Connection& C_;
  const Lexed& L_;
  std::string_view Sql_;
  std::size_t Pos_ = 0;
};

}  // namespace

void ExecuteDdl(Connection& c, const Lexed& lexed, std::string_view sql) { DdlParser(c, lexed, sql).Run(); }

}  // namespace dao::detail
