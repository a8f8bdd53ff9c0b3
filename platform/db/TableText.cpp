#include "platform/db/TableText.h"

#include <algorithm>

#include "platform/db/Collection.h"
#include "platform/db/SqlLexer.h"

namespace dao::detail {
namespace {

enum class Kind { Word, Name, String, Open, Close, Comma, Semicolon, Dot, Other };

struct Piece {
  Kind What = Kind::Other;
  std::size_t Begin = 0;
  std::size_t End = 0;
  std::string Text;  // a word as written; a quoted name or a string without its quotes
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsIdStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdChar(unsigned char c) { return IsIdStart(c) || IsDigit(static_cast<char>(c)) || c == '$'; }

Kind SymbolKind(char c) {
  switch (c) {
    case '(':
      return Kind::Open;
    case ')':
      return Kind::Close;
    case ',':
      return Kind::Comma;
    case ';':
      return Kind::Semicolon;
    case '.':
      return Kind::Dot;
    default:
      return Kind::Other;
  }
}

// The text between `open` at `i` and its `close`, a doubled `close` standing
// for one (unless `close` cannot be doubled); `i` goes past it. False when it is not closed.
bool Quoted(std::string_view sql, std::size_t& i, char close, bool doubled, std::string& text) {
  for (std::size_t at = i + 1; at < sql.size(); ++at) {
    if (sql[at] != close) {
      text += sql[at];
    } else if (doubled && at + 1 < sql.size() && sql[at + 1] == close) {
      text += close;
      ++at;
    } else {
      i = at + 1;
      return true;
    }
  }
  return false;
}

// The pieces of the first statement of `sql` as SQLite's tokenizer cuts
// them, comments left out; false on a quote or bracket never closed.
bool Cut(std::string_view sql, std::vector<Piece>& out) {
  std::size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    const std::size_t begin = i;
    Piece p;
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      i = sql.find('\n', i);
      if (i == std::string_view::npos) i = sql.size();
      continue;
    }
    if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
      // An unclosed comment runs to the end, as SQLite takes it.
      i = sql.find("*/", i + 2);
      i = i == std::string_view::npos ? sql.size() : i + 2;
      continue;
    }
    if (c == '\'') {
      p.What = Kind::String;
      if (!Quoted(sql, i, '\'', true, p.Text)) return false;
    } else if (c == '"' || c == '`') {
      p.What = Kind::Name;
      if (!Quoted(sql, i, c, true, p.Text)) return false;
    } else if (c == '[') {
      p.What = Kind::Name;
      if (!Quoted(sql, i, ']', false, p.Text)) return false;
    } else if (IsIdStart(static_cast<unsigned char>(c))) {
      p.What = Kind::Word;
      while (i < sql.size() && IsIdChar(static_cast<unsigned char>(sql[i]))) ++i;
      p.Text = std::string(sql.substr(begin, i - begin));
    } else if (IsDigit(c) || (c == '.' && i + 1 < sql.size() && IsDigit(sql[i + 1]))) {
      while (i < sql.size() && (IsIdChar(static_cast<unsigned char>(sql[i])) || sql[i] == '.')) {
        const bool exponent =
            (sql[i] == 'e' || sql[i] == 'E') && i + 1 < sql.size() && (sql[i + 1] == '+' || sql[i + 1] == '-');
        i += exponent ? 2 : 1;
      }
    } else {
      p.What = SymbolKind(c);
      ++i;
    }
    p.Begin = begin;
    p.End = i;
    out.push_back(std::move(p));
    // The first statement ends here: what follows is not read, as SQLite does not read it.
    if (out.back().What == Kind::Semicolon) return true;
  }
  return true;
}

bool IsWord(const Piece& p, std::string_view keyword) { return p.What == Kind::Word && IsKeyword(p.Text, keyword); }

// A name as SQLite takes one: a word, a quoted name or a string.
bool IsName(const Piece& p) { return p.What == Kind::Word || p.What == Kind::Name || p.What == Kind::String; }

// True when the definition opens with what only a constraint of the table opens with.
bool OpensConstraint(const Piece& p) {
  return IsWord(p, "CONSTRAINT") || IsWord(p, "PRIMARY") || IsWord(p, "UNIQUE") || IsWord(p, "CHECK") ||
         IsWord(p, "FOREIGN");
}

}  // namespace

std::optional<TableText> TableText::Read(std::string_view sql) {
  TableText text;
  text.Sql_ = std::string(sql);
  if (!text.Parse()) return std::nullopt;
  return text;
}

bool TableText::Parse() {
  std::vector<Piece> p;
  if (!Cut(Sql_, p)) return false;
  // Past the end stands a semicolon: it ends every loop below.
  p.push_back({Kind::Semicolon, Sql_.size(), Sql_.size(), ""});
  std::size_t i = 0;
  if (!IsWord(p[i++], "CREATE")) return false;
  if (IsWord(p[i], "TEMP") || IsWord(p[i], "TEMPORARY")) ++i;
  if (!IsWord(p[i++], "TABLE")) return false;
  if (IsWord(p[i], "IF")) {
    if (!IsWord(p[i + 1], "NOT") || i + 2 >= p.size() || !IsWord(p[i + 2], "EXISTS")) return false;
    i += 3;
  }
  if (!IsName(p[i++])) return false;
  if (p[i].What == Kind::Dot) {
    if (!IsName(p[i + 1])) return false;
    i += 2;
  }
  if (p[i].What != Kind::Open) return false;
  ListBegin_ = p[i++].Begin;
  Definitions_.clear();
  std::size_t comma = 0;
  for (;;) {
    const std::size_t first = i;
    int depth = 0;
    for (; depth > 0 || (p[i].What != Kind::Comma && p[i].What != Kind::Close); ++i) {
      if (p[i].What == Kind::Semicolon) return false;
      if (p[i].What == Kind::Open) ++depth;
      if (p[i].What == Kind::Close) --depth;
    }
    if (i == first) return false;
    Definition d;
    d.Column = !OpensConstraint(p[first]);
    if (d.Column && !IsName(p[first])) return false;
    if (d.Column) d.Name = p[first].Text;
    d.Comma = comma;
    d.Begin = p[first].Begin;
    d.End = p[i - 1].End;
    depth = 0;
    for (std::size_t j = first; j < i; ++j) {
      if (p[j].What == Kind::Open) ++depth;
      if (p[j].What == Kind::Close) --depth;
      if (depth != 0) continue;
      if (IsWord(p[j], "PRIMARY")) d.Primary = true;
      if (!IsWord(p[j], "CONSTRAINT")) continue;
      if (j + 1 >= i || !IsName(p[j + 1])) return false;
      Constraint c{p[j + 1].Text, false, p[j].Begin, p[j + 1].End};
      if (j + 3 < i && IsWord(p[j + 2], "CHECK") && p[j + 3].What == Kind::Open) {
        std::size_t k = j + 3;
        for (int inner = 0; k < i; ++k) {
          if (p[k].What == Kind::Open) ++inner;
          if (p[k].What == Kind::Close && --inner == 0) break;
        }
        if (k == i) return false;
        c.Check = true;
        c.End = p[k].End;
      }
      d.Constraints.push_back(std::move(c));
    }
    Definitions_.push_back(std::move(d));
    if (p[i].What == Kind::Close) break;
    comma = p[i++].Begin;
  }
  End_ = p[i++].End;
  // After the list only its options may stand: WITHOUT ROWID, STRICT.
  for (; p[i].What != Kind::Semicolon; ++i) {
    if (p[i].What != Kind::Comma && !IsWord(p[i], "WITHOUT") && !IsWord(p[i], "ROWID") && !IsWord(p[i], "STRICT")) {
      return false;
    }
    End_ = p[i].End;
  }
  return Definitions_.front().Column;
}

bool TableText::HasPrimaryKey() const {
  return std::any_of(Definitions_.begin(), Definitions_.end(), [](const Definition& d) { return d.Primary; });
}

bool TableText::HasColumn(std::string_view column) const { return ColumnNamed(column) != nullptr; }

int TableText::ConstraintsNamed(std::string_view name) const {
  int n = 0;
  for (const Definition& d : Definitions_) {
    n += static_cast<int>(std::count_if(d.Constraints.begin(), d.Constraints.end(),
                                        [&](const Constraint& c) { return SameName(c.Name, name); }));
  }
  return n;
}

bool TableText::AddToColumn(std::string_view column, std::string_view constraint) {
  const Definition* d = ColumnNamed(column);
  return d != nullptr && Splice(d->End, 0, " " + std::string(constraint));
}

bool TableText::AddToTable(std::string_view constraint) {
  return Splice(Definitions_.back().End, 0, ", " + std::string(constraint));
}

bool TableText::RemoveCheck(std::string_view name) {
  if (ConstraintsNamed(name) != 1) return false;
  for (const Definition& d : Definitions_) {
    for (const Constraint& c : d.Constraints) {
      if (!SameName(c.Name, name)) continue;
      if (!c.Check) return false;
      // A constraint that is a whole definition goes with the comma before it.
      if (c.Begin == d.Begin && c.End == d.End) return Splice(d.Comma, d.End - d.Comma, "");
      std::size_t begin = c.Begin;
      while (begin > d.Begin && IsBlank(Sql_[begin - 1])) --begin;
      return Splice(begin, c.End - begin, "");
    }
  }
  return false;
}

std::string TableText::CreateSql(std::string_view qualifiedName) const {
  return "CREATE TABLE " + std::string(qualifiedName) + " " + Sql_.substr(ListBegin_, End_ - ListBegin_);
}

bool TableText::Splice(std::size_t at, std::size_t length, std::string_view text) {
  std::string changed = Sql_;
  changed.replace(at, length, text);
  std::swap(changed, Sql_);
  if (Parse()) return true;
  // What would not read back is not kept.
  std::swap(changed, Sql_);
  Parse();
  return false;
}

const TableText::Definition* TableText::ColumnNamed(std::string_view column) const {
  for (const Definition& d : Definitions_) {
    if (d.Column && SameName(d.Name, column)) return &d;
  }
  return nullptr;
}

}  // namespace dao::detail
