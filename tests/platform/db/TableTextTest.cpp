// A table's stored text, changed in the one part a change is for: quotes,
// comments and parentheses read as SQLite reads them, the rest kept as written.
#include <gtest/gtest.h>

#include <functional>

#include "platform/db/TableText.h"

namespace dao::detail {
namespace {

TEST(TableText, TextsThatAreNoTableWithAListAreNotRead) {
  const char* const texts[] = {
      "CREATE VIRTUAL TABLE v USING fts5(a)",
      "CREATE TABLE t AS SELECT 1 AS a",
      "CREATE INDEX i ON t (a)",
      "CREATE TABLE t (a TEXT DEFAULT 'x)",
      "CREATE TABLE t (a TEXT DEFAULT \"x)",
      "CREATE TABLE t ([a TEXT)",
      "CREATE TABLE t (a CHECK (a > 0)",
      "CREATE TABLE IF NOT",
      "CREATE TABLE t ()",
      "CREATE TABLE t (a,)",
      "CREATE TABLE t (CONSTRAINT c CHECK (1), a)",
      "CREATE TABLE t (a) AS SELECT b",
      "CREATE TABLE t (a) ROWID(1)",
      "CREATE TABLE t (a CONSTRAINT)",
      "",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TableText::Read(text).has_value());
  }
}

TEST(TableText, OnlyAnUnquotedPrimaryKeyOutsideCommentsCounts) {
  struct Case {
    const char* Sql;
    bool Primary;
  };
  const Case cases[] = {
      {"CREATE TABLE t (a -- PRIMARY KEY\n, b /* PRIMARY KEY (a) */)", false},
      {"CREATE TABLE t (\"PRIMARY\" TEXT, [primary] TEXT, `Primary` TEXT)", false},
      {"CREATE TABLE t (a DEFAULT 'PRIMARY KEY', b CHECK (b <> 'PRIMARY'))", false},
      {"CREATE TABLE t (a INTEGER PRIMARY KEY AUTOINCREMENT)", true},
      {"CREATE TABLE t (a, b, PRIMARY KEY (a, b)) WITHOUT ROWID", true},
      {"CREATE TABLE t (a, CONSTRAINT k primary key (a))", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Sql);
    std::optional<TableText> text = TableText::Read(c.Sql);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->HasPrimaryKey(), c.Primary);
  }
}

// Each change and the statement that makes the table afterwards; a change
// refused leaves the text as it was.
TEST(TableText, AChangeWritesOnlyItsOwnPart) {
  struct Case {
    const char* What;
    const char* Sql;
    std::function<bool(TableText&)> Change;
    bool Done;
    const char* Made;  // the text's CreateSql("n")
  };
  const auto add = [](const char* column) {
    return [=](TableText& t) { return t.AddToColumn(column, "CONSTRAINT \"r\" CHECK (1)"); };
  };
  const auto remove = [](const char* name) { return [=](TableText& t) { return t.RemoveCheck(name); }; };
  const Case cases[] = {
      {"a rule for a column named CHECK, whose default holds a parenthesis",
       "CREATE TABLE t (\"CHECK\" TEXT DEFAULT ')', b)", add("check"), true,
       "CREATE TABLE n (\"CHECK\" TEXT DEFAULT ')' CONSTRAINT \"r\" CHECK (1), b)"},
      {"a rule for a column with a comment after it", "CREATE TABLE t (a TEXT -- the (a\n, b)", add("A"), true,
       "CREATE TABLE n (a TEXT CONSTRAINT \"r\" CHECK (1) -- the (a\n, b)"},
      {"a rule for a bracketed column with a type of its own", "CREATE TABLE t ([a b] VARCHAR(20) NOT NULL, c)",
       add("a b"), true, "CREATE TABLE n ([a b] VARCHAR(20) NOT NULL CONSTRAINT \"r\" CHECK (1), c)"},
      {"a rule for a column not there", "CREATE TABLE t (a, b)", add("c"), false, "CREATE TABLE n (a, b)"},
      {"a rule for a name that only a comment holds", "CREATE TABLE t (a /* , c */)", add("c"), false,
       "CREATE TABLE n (a /* , c */)"},
      {"a key of the table, its options and a second statement kept out",
       "CREATE TEMP TABLE IF NOT EXISTS \"main\".t /* x */ (a, b) WITHOUT ROWID, STRICT; DROP TABLE x",
       [](TableText& t) { return t.AddToTable("PRIMARY KEY (a)"); }, true,
       "CREATE TABLE n (a, b, PRIMARY KEY (a)) WITHOUT ROWID, STRICT"},
      {"a rule of a column taken out",
       "CREATE TABLE t (a TEXT CONSTRAINT \"jet3315:t.a\" CHECK (length(a) > 0) NOT NULL, b)", remove("jet3315:t.a"),
       true, "CREATE TABLE n (a TEXT NOT NULL, b)"},
      {"a rule of the table taken out with its comma",
       "CREATE TABLE t (a, b, CONSTRAINT [r] CHECK (a <> ')'), UNIQUE (b))", remove("r"), true,
       "CREATE TABLE n (a, b, UNIQUE (b))"},
      {"a rule of the table taken out with its comma, the last",
       "CREATE TABLE t (a, b -- b\n, CONSTRAINT 'r' CHECK (a <> ')'))", remove("R"), true,
       "CREATE TABLE n (a, b -- b\n)"},
      {"a rule of a column that only a comment names", "CREATE TABLE t (a /* CONSTRAINT r CHECK (1) */)", remove("r"),
       false, "CREATE TABLE n (a /* CONSTRAINT r CHECK (1) */)"},
      {"a rule whose name two constraints bear", "CREATE TABLE t (a CONSTRAINT r CHECK (a), b CONSTRAINT r CHECK (b))",
       remove("r"), false, "CREATE TABLE n (a CONSTRAINT r CHECK (a), b CONSTRAINT r CHECK (b))"},
      {"a constraint of that name that is no rule", "CREATE TABLE t (a CONSTRAINT r NOT NULL)", remove("r"), false,
       "CREATE TABLE n (a CONSTRAINT r NOT NULL)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    std::optional<TableText> text = TableText::Read(c.Sql);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(c.Change(*text), c.Done);
    EXPECT_EQ(text->CreateSql("n"), c.Made);
  }
}

TEST(TableText, ConstraintNamesAreCountedAsWrittenInAnyQuotes) {
  std::optional<TableText> text = TableText::Read(
      "CREATE TABLE t (a CONSTRAINT \"jet3315:t.a\" CHECK (a <> '') CONSTRAINT [x\"y] NOT NULL, "
      "b DEFAULT 'CONSTRAINT z', CONSTRAINT `x\"Y` UNIQUE (b), CONSTRAINT \"a\"\"b\" CHECK (1))");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->ConstraintsNamed("jet3315:T.a"), 1);
  EXPECT_EQ(text->ConstraintsNamed("x\"y"), 2);
  EXPECT_EQ(text->ConstraintsNamed("a\"b"), 1);
  EXPECT_EQ(text->ConstraintsNamed("z"), 0);
  EXPECT_TRUE(text->HasColumn("B"));
  EXPECT_FALSE(text->HasColumn("x\"y"));
}

}  // namespace
}  // namespace dao::detail
