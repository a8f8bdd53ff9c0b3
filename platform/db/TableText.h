//===- TableText.h - A table's stored CREATE TABLE text, changed in one part ===//
//
// A table made again is made from its own stored text, so that all the text
// says (declared types, defaults, rules, relationships, WITHOUT ROWID, even
// its comments) stays as it was: only the part a change is for is written
// in or taken out, as SQLite's own way to change a table has it.
//
// The text is read as SQLite reads it: names quoted with "", [] or ``,
// strings between '', comments (-- and /* */), and the parentheses of types,
// rules and defaults; a word is a keyword only when it is not quoted. Of a
// text holding more than one statement only the first counts, as for SQLite.
//
//   std::optional<TableText> text = TableText::Read(sql);
//   if (text && !text->HasPrimaryKey() && text->AddToTable("CONSTRAINT \"PK\" PRIMARY KEY (\"a\")")) {
//     c.Exec(text->CreateSql("main.\"_dao_rebuild\""));
//   }
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dao::detail {

class TableText {
 public:
  /// The text read, or nothing when it is no CREATE TABLE with a list of
  /// definitions that this reader can follow (a virtual table, a table made
  /// AS SELECT, an unclosed quote or parenthesis).
  static std::optional<TableText> Read(std::string_view sql);

  /// True when the text declares a primary key, on a column or of the table.
  bool HasPrimaryKey() const;
  /// True when the text declares the column (names compared as SQLite does).
  bool HasColumn(std::string_view column) const;
  /// How many constraints, of a column or of the table, carry that name.
  int ConstraintsNamed(std::string_view name) const;

  /// Writes `constraint` at the end of a declared column's definition;
  /// false, and nothing written, when the column is not declared.
  bool AddToColumn(std::string_view column, std::string_view constraint);
  /// Writes `constraint` as a constraint of the table, after the last definition.
  bool AddToTable(std::string_view constraint);
  /// Takes out the CHECK constraint of that name; false, and nothing taken
  /// out, unless it is the one constraint of that name and a CHECK.
  bool RemoveCheck(std::string_view name);

  /// The statement that makes the table as the text now says, named `qualifiedName`.
  std::string CreateSql(std::string_view qualifiedName) const;

 private:
  struct Constraint {
    std::string Name;
    bool Check = false;
    std::size_t Begin = 0;  // at its CONSTRAINT
    std::size_t End = 0;    // after its CHECK's parenthesis, or after its name
  };
  /// A column's definition or a constraint of the table: what stands between two commas of the list.
  struct Definition {
    bool Column = false;
    std::string Name;  // a column's, unquoted
    bool Primary = false;
    std::size_t Comma = 0;  // the comma before it; 0 for the first
    std::size_t Begin = 0;  // at its first token
    std::size_t End = 0;    // after its last token
    std::vector<Constraint> Constraints;
  };

  TableText() = default;
  bool Parse();
  bool Splice(std::size_t at, std::size_t length, std::string_view text);
  const Definition* ColumnNamed(std::string_view column) const;

  std::string Sql_;
  std::size_t ListBegin_ = 0;  // the "(" that opens the definitions
  std::size_t End_ = 0;        // after the statement's last token
  std::vector<Definition> Definitions_;
};

}  // namespace dao::detail
