// The standard sqlite3 tool opens the sample installation's database with
// libkrjet loaded: it counts, compares and orders text as the programs do,
// writes into tables with keys, and finds the file whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/SampleFixture.h"

namespace kr::testing {
namespace {

// What `sqlite3` prints for `sql` on `database`, standard error included, and its exit status.
struct Salida {
  std::string Texto;
  int Estado = -1;
};

Salida Sqlite3(const std::string& database, const std::string& sql, bool conExtension = true) {
#ifdef KR_TOOL_ENV
  std::string command = KR_TOOL_ENV "sqlite3 -bail";
#else
  std::string command = "sqlite3 -bail";
#endif
  if (conExtension) command += " -cmd '.load " + std::string(KR_KRJET) + "'";
  command += " '" + database + "' \"" + sql + "\" 2>&1";
  Salida s;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return s;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) s.Texto.append(buffer, n);
  s.Estado = ::pclose(pipe);
  return s;
}

TEST(SqliteTool, WithoutTheExtensionTheJetCollationIsMissing) {
  SampleInstallation sample;
  Salida s = Sqlite3(sample.Layout().Database, "select count(*) from envio_t", false);
  EXPECT_NE(s.Estado, 0);
  EXPECT_NE(s.Texto.find("no such collation sequence: JET"), std::string::npos) << s.Texto;
}

TEST(SqliteTool, ReadsWritesAndChecksTheDatabaseAsTheProgramsDo) {
  SampleInstallation sample;
  const std::string& db = sample.Layout().Database;
  struct Case {
    const char* Sql;
    const char* Expected;
  } cases[] = {
      {"select count(*) from CLAVES", "2\n"},
      {"select Usuario from CLAVES where Usuario = 'asesor1'", "ASESOR1\n"},
      {"insert into CLAVES values ('ñandu', '1', 'x'), ('NUBE', '1', 'y'), ('oso', '1', 'z'), ('Ñato', '1', 'w')", ""},
      {"select Usuario from CLAVES order by Usuario", "ASESOR1\nNUBE\nñandu\nÑato\noso\nSUPERV\n"},
      {"select count(*) from CLAVES where jet_like(Usuario, 'ñ*')", "2\n"},
      {"select jet_mid('Declarante', 3, 4), jet_val('  12abc')", "clar|12.0\n"},
      {"pragma integrity_check", "ok\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Sql);
    Salida s = Sqlite3(db, c.Sql);
    EXPECT_EQ(s.Estado, 0);
    EXPECT_EQ(s.Texto, c.Expected);
  }
  // The table's own rules hold in the tool too: a text longer than its field.
  Salida largo = Sqlite3(db, "insert into CLAVES values ('012345678901234567890', '1', 'x')");
  EXPECT_NE(largo.Estado, 0);
  EXPECT_NE(largo.Texto.find("jet3163:CLAVES.Usuario"), std::string::npos) << largo.Texto;
}

}  // namespace
}  // namespace kr::testing
