// Values from outside written into statements: stored and read back exactly.
#include "platform/db/Quote.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

TEST(Quote, DoublesQuotesAndWritesPointDecimals) {
  EXPECT_EQ(Quote("O'Brien"), "'O''Brien'");
  EXPECT_EQ(Quote(""), "''");
  EXPECT_EQ(Quote("''"), "''''''");
  EXPECT_EQ(SqlNumber(1234.5), "1234.5");
  EXPECT_EQ(SqlNumber(-3), "-3");
  EXPECT_EQ(SqlNumber(0.1), "0.1");
  EXPECT_EQ(SqlNumber(-0.0), "0");
  EXPECT_EQ(SqlNumber(1e20), "1e+20");
  EXPECT_EQ(ErrorNumberOf([] { SqlNumber(std::nan("")); }), vb::ErrInvalidCall);
}

class SafeStatements : public DbTest {};

TEST_F(SafeStatements, HostileValuesAreStoredAndFoundExactly) {
  Run({"CREATE TABLE CLAVES (Usuario Text(60), Tipo Text(1), Monto Double)", "CREATE TABLE x (a Byte)"});
  const std::string values[] = {
      "O'Brien", "a|b|c|", "x -- y", "'; DROP TABLE x; --", "' OR '1'='1", "\"comillas\"", "#12/31/2002#",
      "[CLAVES]", "PEÑA & hijos", "100% *?#[!]", "';", "\\", "línea\r\notra",
  };
  for (const std::string& v : values) {
    Db->Execute("INSERT INTO CLAVES (Usuario, Tipo, Monto) VALUES (" + Quote(v) + ", '1', " + SqlNumber(1234.5) + ")");
  }
  for (const std::string& v : values) {
    SCOPED_TRACE(v);
    auto rs = Db->OpenRecordset("SELECT * FROM CLAVES WHERE Usuario=" + Quote(v), dbOpenSnapshot);
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields("Usuario").Value(), vb::Variant(v));
    EXPECT_EQ(rs->Fields("Monto").Value(), vb::Variant(1234.5));
    // A crafted user name cannot lift a filter either.
    EXPECT_EQ(Rows("SELECT count(*) FROM CLAVES WHERE Tipo = '1' AND Usuario=" + Quote(v + "' OR '1'='1")),
              std::vector<std::string>{"0"});
  }
  EXPECT_EQ(Db->TableDefs("x")->Name(), "x");
  Db->Execute("DELETE FROM CLAVES WHERE Usuario=" + Quote("'; DROP TABLE x; --"));
  EXPECT_EQ(Rows("SELECT count(*) FROM CLAVES"), std::vector<std::string>{"12"});
}

}  // namespace
}  // namespace dao::testing
