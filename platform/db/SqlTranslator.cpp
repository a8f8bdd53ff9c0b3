#include "platform/db/SqlTranslator.h"

#include "platform/db/Constants.h"
#include "platform/db/Collection.h"
#include "platform/db/JetError.h"

namespace dao::detail {
namespace {

// Words that end an expression or a name and so cannot be an alias.
constexpr std::string_view kReserved[] = {
    "SELECT", "FROM",  "WHERE",  "GROUP",  "BY",   "HAVING",  "ORDER", "AND",    "OR",     "NOT",
    "LIKE",   "IS",    "NULL",   "IN",     "BETWEEN", "AS",   "ON",    "INNER",  "LEFT",   "RIGHT",
    "OUTER",  "JOIN",  "UNION",  "ASC",    "DESC", "DISTINCT", "INSERT", "INTO", "VALUES", "UPDATE",
    "SET",    "DELETE", "TRUE",  "FALSE",  "MOD",  "EXISTS",  "DISTINCTROW", "ALL",
};

struct FunctionInfo {
  std::string_view Jet;
  std::string_view Sqlite;
  int MinArgs;
  int MaxArgs;
};

constexpr FunctionInfo kFunctions[] = {
    {"MID", "jet_mid", 2, 3},     {"LEFT", "jet_left", 2, 2},   {"RIGHT", "jet_right", 2, 2},
    {"TRIM", "jet_trim", 1, 1},   {"LTRIM", "jet_ltrim", 1, 1}, {"RTRIM", "jet_rtrim", 1, 1},
    {"LEN", "jet_len", 1, 1},     {"VAL", "jet_val", 1, 1},     {"FORMAT", "jet_format", 1, 2},
    {"UCASE", "jet_ucase", 1, 1}, {"LCASE", "jet_lcase", 1, 1}, {"CSTR", "jet_cstr", 1, 1},
    {"CLNG", "jet_clng", 1, 1},   {"CINT", "jet_cint", 1, 1},   {"CDBL", "jet_cdbl", 1, 1},
    {"INSTR", "jet_instr", 2, 4}, {"STR", "jet_str", 1, 1},     {"IIF", "", 3, 3},
    {"NZ", "coalesce", 1, 2},     {"COUNT", "count", 1, 1},     {"SUM", "sum", 1, 1},
    {"AVG", "avg", 1, 1},         {"MIN", "min", 1, 1},         {"MAX", "max", 1, 1},
};

bool IsAggregate(std::string_view sqlite) {
  return sqlite == "count" || sqlite == "sum" || sqlite == "avg" || sqlite == "min" || sqlite == "max";
}

struct Expr {
  std::string Sql;
  bool Primary = false;    // takes a postfix COLLATE without parentheses
  bool Aggregate = false;  // holds an aggregate function
  std::string Column;      // the name, when the expression is one column
};

std::string Collated(const Expr& e) {
  return (e.Primary ? e.Sql : "(" + e.Sql + ")") + " COLLATE JET";
}

class Parser {
 public:
  Parser(const Lexed& lexed, std::string_view sql, const TableLookup* tables, Translation& out)
      : L_(lexed), Sql_(sql), Tables_(tables), Out_(out) {}

  void Statement(bool editable) {
    switch (KindOf(L_)) {
      case StatementKind::Select:
        Out_.Sql = Select(editable, true);
        break;
      case StatementKind::Insert:
        Out_.Sql = Insert();
        break;
      case StatementKind::Update:
        Out_.Sql = Update();
        break;
      case StatementKind::Delete:
        Out_.Sql = Delete();
        break;
      case StatementKind::Ddl:
        Fail();
    }
    End();
  }

  void Condition() {
    Out_.Sql = Expression().Sql;
    End();
  }

 private:
  // --- tokens ---
  const Token& Peek(std::size_t ahead = 0) const {
    std::size_t i = Pos_ + ahead;
    return i < L_.Tokens.size() ? L_.Tokens[i] : L_.Tokens.back();
  }
  const Token& Next() {
    const Token& t = Peek();
    if (t.Kind != TokenKind::End) ++Pos_;
    return t;
  }
  bool AtKeyword(std::string_view kw, std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    return t.Kind == TokenKind::Word && IsKeyword(t.Text, kw);
  }
  bool AcceptKeyword(std::string_view kw) {
    if (!AtKeyword(kw)) return false;
    ++Pos_;
    return true;
  }
  void ExpectKeyword(std::string_view kw) {
    if (!AcceptKeyword(kw)) Fail();
  }
  bool AtSymbol(std::string_view s, std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    return t.Kind == TokenKind::Symbol && t.Text == s;
  }
  bool AcceptSymbol(std::string_view s) {
    if (!AtSymbol(s)) return false;
    ++Pos_;
    return true;
  }
  void ExpectSymbol(std::string_view s) {
    if (!AcceptSymbol(s)) Fail();
  }
  bool AtName(std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    if (t.Kind == TokenKind::Bracketed) return true;
    if (t.Kind != TokenKind::Word) return false;
    for (std::string_view r : kReserved) {
      if (IsKeyword(t.Text, r)) return false;
    }
    return true;
  }
  std::string Name() {
    if (!AtName()) Fail();
    return std::string(Next().Text);
  }
  void End() {
    AcceptSymbol(";");
    if (Peek().Kind != TokenKind::End) RaiseJet(ErrTextAfterStatement);
  }
  [[noreturn]] void Fail() const { RaiseJet(ErrSyntax, {Sql_}); }

  std::string Parameter(const Token& t) {
    Out_.Parameters.push_back(t.Literal);
    return "?" + std::to_string(Out_.Parameters.size());
  }

  // --- SELECT ---
  struct Item {
    std::string Sql;   // as written into the select list
    std::string Expr;  // the expression alone, for ORDER BY n; empty for "*"
    bool Aggregate = false;
  };

  std::string Select(bool editable, bool topLevel) {
    ExpectKeyword("SELECT");
    bool distinct = false;
    if (AcceptKeyword("DISTINCT")) {
      distinct = true;
    } else if (!AcceptKeyword("DISTINCTROW")) {
      AcceptKeyword("ALL");
    }
    std::vector<Item> items;
    int unnamed = 1000;
    bool aggregate = false;
    do {
      Item item;
      if (AcceptSymbol("*")) {
        item.Sql = "*";
      } else if (AtName() && AtSymbol(".", 1) && AtSymbol("*", 2)) {
        item.Sql = QuoteName(Name()) + ".*";
        Pos_ += 2;
      } else {
        Expr e = Expression();
        std::string alias;
        if (AcceptKeyword("AS")) {
          alias = Name();
        } else if (AtName()) {
          alias = Name();
        } else if (!e.Column.empty()) {
          alias = e.Column;
        } else {
          alias = "Expr" + std::to_string(unnamed++);
        }
        item.Sql = e.Sql + " AS " + QuoteName(alias);
        item.Expr = e.Primary ? e.Sql : "(" + e.Sql + ")";
        item.Aggregate = e.Aggregate;
        aggregate = aggregate || e.Aggregate;
      }
      items.push_back(std::move(item));
    } while (AcceptSymbol(","));

    std::string from;
    std::string singleTable, singleAlias;  // the only table and its alias, when there is one plain table
    if (AcceptKeyword("FROM")) from = FromList(singleTable, singleAlias);
    std::string where, groupBy, having, orderBy;
    if (AcceptKeyword("WHERE")) where = Expression().Sql;
    if (AcceptKeyword("GROUP")) {
      ExpectKeyword("BY");
      do {
        groupBy += (groupBy.empty() ? "" : ", ") + Collated(Expression());
      } while (AcceptSymbol(","));
    }
    if (AcceptKeyword("HAVING")) having = Expression().Sql;
    if (AcceptKeyword("ORDER")) {
      ExpectKeyword("BY");
      do {
        orderBy += (orderBy.empty() ? "" : ", ") + OrderTerm(items);
      } while (AcceptSymbol(","));
    }

    std::string sql = distinct ? "SELECT DISTINCT " : "SELECT ";
    for (std::size_t i = 0; i < items.size(); ++i) sql += (i ? ", " : "") + items[i].Sql;
    bool rowEditable = topLevel && editable && !distinct && !aggregate && groupBy.empty() && having.empty() &&
                       !singleTable.empty();
    if (rowEditable) {
      sql += ", " + QuoteName(singleAlias) + "._rowid_";
      Out_.BaseTable = singleTable;
    }
    if (!from.empty()) sql += " FROM " + from;
    if (!where.empty()) sql += " WHERE " + where;
    if (!groupBy.empty()) sql += " GROUP BY " + groupBy;
    if (!having.empty()) sql += " HAVING " + having;
    if (!orderBy.empty()) sql += " ORDER BY " + orderBy;
    return sql;
  }

  std::string OrderTerm(const std::vector<Item>& items) {
    std::string term;
    const Token& t = Peek();
    const bool number = t.Kind == TokenKind::Literal && L_.Literals[t.Literal].Type == Literal::Kind::Integer &&
                        (AtSymbol(",", 1) || AtKeyword("ASC", 1) || AtKeyword("DESC", 1) || AtSymbol(";", 1) ||
                         AtSymbol(")", 1) || Peek(1).Kind == TokenKind::End);
    if (number) {
      Next();
      Out_.StructuralLiterals.push_back(t.Literal);
      std::int64_t n = L_.Literals[t.Literal].IntValue;
      bool anyStar = false;
      for (const Item& item : items) anyStar = anyStar || item.Expr.empty();
      if (n < 1 || (!anyStar && n > static_cast<std::int64_t>(items.size()))) Fail();
      // The selected expression itself, so the order follows the collation as for any other term.
      term = anyStar ? std::to_string(n) + " COLLATE JET" : items[n - 1].Expr + " COLLATE JET";
    } else {
      term = Collated(Expression());
    }
    if (AcceptKeyword("DESC")) {
      term += " DESC";
    } else {
      AcceptKeyword("ASC");
    }
    return term;
  }

  std::string FromList(std::string& singleTable, std::string& singleAlias) {
    int primaries = 0;
    bool joined = false;
    std::string out = FromItem(primaries, joined);
    while (AcceptSymbol(",")) {
      joined = true;
      out += ", " + FromItem(primaries, joined);
    }
    if (primaries == 1 && !joined) {
      singleTable = SingleTableName_;
      singleAlias = SingleAlias_;
    }
    return out;
  }

  std::string FromItem(int& primaries, bool& joined) {
    std::string left = FromPrimary(primaries, joined);
    for (;;) {
      std::string kind;
      if (AcceptKeyword("INNER")) {
        kind = "INNER JOIN";
      } else if (AcceptKeyword("LEFT")) {
        AcceptKeyword("OUTER");
        kind = "LEFT JOIN";
      } else if (AcceptKeyword("RIGHT")) {
        AcceptKeyword("OUTER");
        kind = "RIGHT JOIN";
      } else if (AtKeyword("JOIN")) {
        kind = "INNER JOIN";
      } else {
        return left;
      }
      ExpectKeyword("JOIN");
      joined = true;
      std::string right = FromPrimary(primaries, joined);
      ExpectKeyword("ON");
      left += " " + kind + " " + right + " ON " + Expression().Sql;
    }
  }

  std::string FromPrimary(int& primaries, bool& joined) {
    Nesting nested(Depth_);
    if (AcceptSymbol("(")) {
      std::string inner;
      if (AtKeyword("SELECT")) {
        joined = true;  // a derived table has no rows of its own to edit
        inner = "(" + Select(false, false) + ")";
        ExpectSymbol(")");
      } else {
        inner = "(" + FromItem(primaries, joined) + ")";
        ExpectSymbol(")");
        return inner;
      }
      AcceptKeyword("AS");
      return inner + " AS " + QuoteName(Name());
    }
    std::string table = Name();
    std::string alias;
    if (AcceptKeyword("AS")) {
      alias = Name();
    } else if (AtName()) {
      alias = Name();
    }
    ++primaries;
    SingleTableName_ = table;
    SingleAlias_ = alias.empty() ? table : alias;
    return QuoteName(table) + (alias.empty() ? "" : " AS " + QuoteName(alias));
  }

  // --- INSERT, UPDATE, DELETE ---
  std::vector<TargetColumn> TableColumns(const std::string& table) {
    std::optional<std::vector<TargetColumn>> columns = (*Tables_)(table);
    if (!columns) RaiseJet(ErrNoSuchTable, {table});
    return *columns;
  }

  static const TargetColumn* FindColumn(const std::vector<TargetColumn>& columns, std::string_view name) {
    for (const TargetColumn& c : columns) {
      if (SameName(c.Name, name)) return &c;
    }
    return nullptr;
  }

  // A value for a column: dates go through jet_cvdate so a text becomes a date.
  std::string Assigned(const Expr& value, const TargetColumn* column) {
    if (column != nullptr && column->Type == dbDate) {
      Out_.SchemaDependent = true;
      return "jet_cvdate(" + value.Sql + ")";
    }
    return value.Sql;
  }

  std::string Insert() {
    ExpectKeyword("INSERT");
    ExpectKeyword("INTO");
    std::string table = Name();
    std::vector<TargetColumn> columns = TableColumns(table);
    std::vector<const TargetColumn*> targets;
    std::string sql = "INSERT INTO " + QuoteName(table);
    if (AcceptSymbol("(")) {
      std::string list;
      do {
        std::string name = Name();
        const TargetColumn* c = FindColumn(columns, name);
        if (c == nullptr) RaiseJet(ErrUnknownInsertField, {name});
        targets.push_back(c);
        list += (list.empty() ? "" : ", ") + QuoteName(name);
      } while (AcceptSymbol(","));
      ExpectSymbol(")");
      sql += " (" + list + ")";
    } else {
      for (const TargetColumn& c : columns) targets.push_back(&c);
    }
    if (AtKeyword("SELECT")) return sql + " " + Select(false, false);
    ExpectKeyword("VALUES");
    ExpectSymbol("(");
    std::string values;
    std::size_t count = 0;
    do {
      Expr e = Expression();
      values += (count ? ", " : "") + Assigned(e, count < targets.size() ? targets[count] : nullptr);
      ++count;
    } while (AcceptSymbol(","));
    ExpectSymbol(")");
    if (count != targets.size()) RaiseJet(ErrValueCount);
    return sql + " VALUES (" + values + ")";
  }

  std::string Update() {
    ExpectKeyword("UPDATE");
    std::string table = Name();
    std::vector<TargetColumn> columns = TableColumns(table);
    ExpectKeyword("SET");
    std::string sets;
    do {
      std::string name = Name();
      if (AcceptSymbol(".")) name = Name();  // "T.col": SQLite takes the bare name
      const TargetColumn* c = FindColumn(columns, name);
      if (c == nullptr) RaiseJet(ErrTooFewParameters, {"1"});
      ExpectSymbol("=");
      sets += (sets.empty() ? "" : ", ") + QuoteName(name) + " = " + Assigned(Expression(), c);
    } while (AcceptSymbol(","));
    std::string sql = "UPDATE " + QuoteName(table) + " SET " + sets;
    if (AcceptKeyword("WHERE")) sql += " WHERE " + Expression().Sql;
    return sql;
  }

  std::string Delete() {
    ExpectKeyword("DELETE");
    if (!AcceptSymbol("*") && AtName() && AtSymbol(".", 1) && AtSymbol("*", 2)) Pos_ += 3;
    ExpectKeyword("FROM");
    std::string sql = "DELETE FROM " + QuoteName(Name());
    if (AcceptKeyword("WHERE")) sql += " WHERE " + Expression().Sql;
    return sql;
  }

  // Parentheses, subqueries, NOT and signs nest without end in the grammar;
  // past this depth the statement is too complex, long before the stack is
  // spent. The system's statements nest a few levels.
  static constexpr int kMaxNesting = 200;

  // One more level of nesting while it lives.
  class Nesting {
   public:
    explicit Nesting(int& depth) : Depth_(depth) {
      if (Depth_ >= kMaxNesting) RaiseJet(ErrQueryTooComplex);
      ++Depth_;
    }
    ~Nesting() { --Depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    int& Depth_;
  };

  // --- expressions, loosest first ---
  Expr Expression() { return Or(); }

  Expr Or() {
    Expr left = And();
    while (AcceptKeyword("OR")) left = Joined(left, " OR ", And());
    return left;
  }

  Expr And() {
    Expr left = Not();
    while (AcceptKeyword("AND")) left = Joined(left, " AND ", Not());
    return left;
  }

  Expr Not() {
    Nesting nested(Depth_);
    if (AcceptKeyword("NOT")) {
      Expr e = Not();
      return {"(NOT " + e.Sql + ")", true, e.Aggregate, {}};
    }
    return Comparison();
  }

  Expr Comparison() {
    Expr left = Concat();
    static constexpr std::string_view kOperators[] = {"=", "<>", "<", ">", "<=", ">="};
    for (std::string_view op : kOperators) {
      if (AcceptSymbol(op)) {
        Expr right = Concat();
        return {"(" + Collated(left) + " " + std::string(op) + " " + right.Sql + ")", true,
                left.Aggregate || right.Aggregate, {}};
      }
    }
    bool negated = false;
    if (AtKeyword("NOT") && (AtKeyword("LIKE", 1) || AtKeyword("BETWEEN", 1) || AtKeyword("IN", 1))) {
      Next();
      negated = true;
    }
    const std::string no = negated ? "NOT " : "";
    if (AcceptKeyword("LIKE")) {
      Expr pattern = Concat();
      return {"(" + no + "jet_like(" + left.Sql + ", " + pattern.Sql + "))", true,
              left.Aggregate || pattern.Aggregate, {}};
    }
    if (AcceptKeyword("BETWEEN")) {
      Expr low = Concat();
      ExpectKeyword("AND");
      Expr high = Concat();
      return {"(" + Collated(left) + " " + no + "BETWEEN " + low.Sql + " AND " + high.Sql + ")", true,
              left.Aggregate, {}};
    }
    if (AcceptKeyword("IN")) {
      ExpectSymbol("(");
      std::string list;
      if (AtKeyword("SELECT")) {
        list = Select(false, false);
      } else {
        do {
          list += (list.empty() ? "" : ", ") + Concat().Sql;
        } while (AcceptSymbol(","));
      }
      ExpectSymbol(")");
      return {"(" + Collated(left) + " " + no + "IN (" + list + "))", true, left.Aggregate, {}};
    }
    if (negated) Fail();
    if (AcceptKeyword("IS")) {
      bool isNot = AcceptKeyword("NOT");
      ExpectKeyword("NULL");
      return {"(" + left.Sql + (isNot ? " IS NOT NULL)" : " IS NULL)"), true, left.Aggregate, {}};
    }
    return left;
  }

  Expr Concat() {
    Expr first = Additive();
    if (!AtSymbol("&")) return first;
    Expr out{"jet_concat(" + first.Sql, true, first.Aggregate, {}};
    while (AcceptSymbol("&")) {
      Expr next = Additive();
      out.Sql += ", " + next.Sql;
      out.Aggregate = out.Aggregate || next.Aggregate;
    }
    out.Sql += ")";
    return out;
  }

  Expr Additive() {
    Expr left = Modulo();
    for (;;) {
      if (AcceptSymbol("+")) {
        left = Joined(left, " + ", Modulo());
      } else if (AcceptSymbol("-")) {
        left = Joined(left, " - ", Modulo());
      } else {
        return left;
      }
    }
  }

  Expr Modulo() {
    Expr left = IntegerDivision();
    while (AcceptKeyword("MOD")) left = Called("jet_mod", left, IntegerDivision());
    return left;
  }

  Expr IntegerDivision() {
    Expr left = Multiplicative();
    while (AcceptSymbol("\\")) left = Called("jet_idiv", left, Multiplicative());
    return left;
  }

  Expr Multiplicative() {
    Expr left = Unary();
    for (;;) {
      if (AcceptSymbol("*")) {
        left = Joined(left, " * ", Unary());
      } else if (AcceptSymbol("/")) {
        left = Called("jet_div", left, Unary());
      } else {
        return left;
      }
    }
  }

  Expr Unary() {
    Nesting nested(Depth_);
    if (AcceptSymbol("-")) {
      Expr e = Unary();
      return {"(- " + e.Sql + ")", true, e.Aggregate, {}};
    }
    if (AcceptSymbol("+")) return Unary();
    return Primary();
  }

  Expr Primary() {
    const Token& t = Peek();
    if (t.Kind == TokenKind::Literal) {
      Next();
      return {Parameter(t), true, false, {}};
    }
    if (AcceptKeyword("TRUE")) return {"-1", true, false, {}};
    if (AcceptKeyword("FALSE")) return {"0", true, false, {}};
    if (AcceptKeyword("NULL")) return {"NULL", true, false, {}};
    if (AcceptKeyword("EXISTS")) {
      ExpectSymbol("(");
      std::string sub = Select(false, false);
      ExpectSymbol(")");
      return {"(EXISTS (" + sub + "))", true, false, {}};
    }
    if (AcceptSymbol("(")) {
      if (AtKeyword("SELECT")) {
        std::string sub = Select(false, false);
        ExpectSymbol(")");
        return {"(" + sub + ")", true, false, {}};
      }
      Expr inner = Expression();
      ExpectSymbol(")");
      return {"(" + inner.Sql + ")", true, inner.Aggregate, {}};
    }
    if (t.Kind == TokenKind::Word && AtSymbol("(", 1)) return Function();
    if (!AtName()) Fail();
    std::string name = Name();
    if (AcceptSymbol(".")) {
      std::string column = Name();
      return {QuoteName(name) + "." + QuoteName(column), true, false, column};
    }
    return {QuoteName(name), true, false, name};
  }

  Expr Function() {
    std::string_view word = Next().Text;
    if (!word.empty() && word.back() == '$') word.remove_suffix(1);
    const FunctionInfo* info = nullptr;
    for (const FunctionInfo& f : kFunctions) {
      if (IsKeyword(word, f.Jet)) info = &f;
    }
    if (info == nullptr) RaiseJet(ErrUndefinedFunction, {word});
    ExpectSymbol("(");
    std::vector<Expr> args;
    bool star = false;
    if (info->Sqlite == "count" && AcceptSymbol("*")) {
      star = true;
    } else if (!AtSymbol(")")) {
      do {
        args.push_back(AtWholeArgument() ? WholeArgument() : Expression());
      } while (AcceptSymbol(","));
    }
    ExpectSymbol(")");
    const int count = star ? 1 : static_cast<int>(args.size());
    if (count < info->MinArgs || count > info->MaxArgs) Fail();
    bool aggregate = IsAggregate(info->Sqlite);
    for (const Expr& a : args) {
      if (a.Aggregate && aggregate) Fail();
      aggregate = aggregate || a.Aggregate;
    }
    if (info->Jet == "IIF") {
      return {"(CASE WHEN " + args[0].Sql + " THEN " + args[1].Sql + " ELSE " + args[2].Sql + " END)", true,
              aggregate, {}};
    }
    if (info->Jet == "NZ" && args.size() == 1) return {"coalesce(" + args[0].Sql + ", '')", true, aggregate, {}};
    std::string sql = std::string(info->Sqlite) + "(";
    if (star) {
      sql += "*";
    } else {
      for (std::size_t i = 0; i < args.size(); ++i) {
        bool collate = info->Sqlite == "min" || info->Sqlite == "max";
        sql += (i ? ", " : "") + (collate ? Collated(args[i]) : args[i].Sql);
      }
    }
    return {sql + ")", true, aggregate, {}};
  }

  // A whole number given to a function (a position, a length) is written
  // into the statement: an index on the same expression can then answer it.
  bool AtWholeArgument() const {
    const Token& t = Peek();
    return t.Kind == TokenKind::Literal && L_.Literals[t.Literal].Type == Literal::Kind::Integer &&
           (AtSymbol(",", 1) || AtSymbol(")", 1));
  }
  Expr WholeArgument() {
    const Token& t = Next();
    Out_.StructuralLiterals.push_back(t.Literal);
    return {std::to_string(L_.Literals[t.Literal].IntValue), true, false, {}};
  }

  static Expr Joined(const Expr& left, std::string_view op, const Expr& right) {
    return {"(" + left.Sql + std::string(op) + right.Sql + ")", true, left.Aggregate || right.Aggregate, {}};
  }

  static Expr Called(std::string_view fn, const Expr& left, const Expr& right) {
    return {std::string(fn) + "(" + left.Sql + ", " + right.Sql + ")", true, left.Aggregate || right.Aggregate,
            {}};
  }

  const Lexed& L_;
  std::string_view Sql_;
  const TableLookup* Tables_;
  Translation& Out_;
  std::size_t Pos_ = 0;
  int Depth_ = 0;
  std::string SingleTableName_;
  std::string SingleAlias_;
};

}  // namespace

std::string QuoteName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

StatementKind KindOf(const Lexed& lexed) {
  const Token& first = lexed.Tokens.front();
  if (first.Kind == TokenKind::Word) {
    if (IsKeyword(first.Text, "SELECT")) return StatementKind::Select;
    if (IsKeyword(first.Text, "INSERT")) return StatementKind::Insert;
    if (IsKeyword(first.Text, "UPDATE")) return StatementKind::Update;
    if (IsKeyword(first.Text, "DELETE")) return StatementKind::Delete;
    if (IsKeyword(first.Text, "CREATE") || IsKeyword(first.Text, "ALTER") || IsKeyword(first.Text, "DROP")) {
      return StatementKind::Ddl;
    }
  }
  RaiseJet(ErrInvalidStatement);
}

Translation Translate(const Lexed& lexed, std::string_view sql, const TableLookup& tables, bool editable) {
  Translation out;
  out.Kind = KindOf(lexed);
  Parser(lexed, sql, &tables, out).Statement(editable);
  return out;
}

Translation TranslateCondition(const Lexed& lexed, std::string_view sql) {
  Translation out;
  Parser(lexed, sql, nullptr, out).Condition();
  return out;
}

}  // namespace dao::detail
