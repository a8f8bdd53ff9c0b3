#include <gtest/gtest.h>

#include <filesystem>

#include "common/CodigoControl.h"
#include "platform/db/Engine.h"
#include "platform/files/WholeFile.h"
#include "platform/profile/Profile.h"
#include "platform/text/Strings.h"
#include "tests/support/SampleFixture.h"

namespace kr::testing {
namespace {

long Count(dao::Database& db, const std::string& sql) {
  auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  return rs->RecordCount();
}

TEST(SampleInstallation, SettingsNameTheProgramFolderAndTheDatabase) {
  SampleInstallation sample;
  auto key = [](const char* name) { return win::GetPrivateProfileString("Options", name, "", 255, "KR000.INI"); };
  EXPECT_EQ(key("SysPath"), sample.SysPath());
  EXPECT_EQ(key("DBPath"), sample.SysPath());
  EXPECT_EQ(key("DBName"), "KR000.DB");
  EXPECT_EQ(key("SysUser"), "ASESOR1");
  EXPECT_FALSE(key("SysVersion").empty());
  EXPECT_FALSE(key("SysMenu").empty());
}

TEST(SampleInstallation, DatabaseOpensWithTheProgramsAccountAndHoldsTheHostRows) {
  SampleInstallation sample;
  dao::DBEngine engine;
  auto db = sample.Open(engine);
  struct Case {
    const char* Sql;
    long Rows;
  } cases[] = {
      {"SELECT * FROM CONT WHERE Tip_doc_d=6 AND Tipo_Ingreso=2", 12},
      {"SELECT * FROM CONT WHERE Usuario='ASESOR1' AND Tip_doc_d=6 AND Tipo_Ingreso=2", 8},
      {"SELECT * FROM CLAVES WHERE Tipo='0'", 1},
      {"SELECT * FROM PARAM WHERE Numero='044'", 4},
      {"SELECT * FROM PARAM WHERE Numero='004' AND Argumento<>'00'", 6},
      {"SELECT * FROM PARAM WHERE Numero='404' AND mid(Argumento,1,4)<='2002'", 4},
      {"SELECT * FROM PARAM WHERE Numero='998' AND mid(Argumento,8,6)<='2002'", 7},
      {"SELECT * FROM HCAB WHERE estado=1", 3},
      {"SELECT * FROM HDET WHERE Correl='002'", 32},
      {"SELECT * FROM SPOOL", 0},
      {"SELECT * FROM error", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(Count(*db, c.Sql), c.Rows) << c.Sql;
}

TEST(SampleInstallation, RucRowCarriesItsSlicesAtTheirPositions) {
  SampleInstallation sample;
  dao::DBEngine engine;
  auto db = sample.Open(engine);
  auto rs = db->OpenRecordset("SELECT Funcion FROM PARAM WHERE Numero='044' AND Argumento='6'", dao::dbOpenSnapshot);
  std::string f = vb::TextOf(rs->Fields("Funcion").Value());
  ASSERT_EQ(vb::Len(f), 130);
  EXPECT_EQ(vb::Mid(f, 1, 28), "REG. UNICO DE CONTRIBUYENTES");
  EXPECT_EQ(vb::Mid(f, 32, 3), "RUC");
  EXPECT_EQ(vb::Mid(f, 46, 2), "11");
  EXPECT_EQ(vb::Mid(f, 81, 1), "1");
  EXPECT_EQ(vb::Mid(f, 128, 1), "5");
  EXPECT_EQ(vb::Mid(f, 130, 1), "1");
}

TEST(SampleInstallation, SavedAndSentRowsCarryTheirControlCodes) {
  SampleInstallation sample;
  dao::DBEngine engine;
  auto db = sample.Open(engine);
  for (auto [table, keyColumns] :
       {std::pair{"CAB", 5}, std::pair{"DET", 6}, std::pair{"HCAB", 6}, std::pair{"HDET", 7}}) {
    auto rs = db->OpenRecordset(table, dao::dbOpenTable);
    ASSERT_FALSE(rs->EOF_()) << table;
    for (; !rs->EOF_(); rs->MoveNext()) {
      EXPECT_EQ(vb::TextOf(rs->Fields("cNumero").Value()), common::CodigoControl(*rs, keyColumns)) << table;
    }
  }
}

TEST(SampleInstallation, RunningItAgainChangesNothing) {
  SampleInstallation sample;
  const dexlora::SampleLayout& l = sample.Layout();
  std::string settings = vb::ReadFileBytes(l.Settings);
  std::string database = vb::ReadFileBytes(l.Database);
  std::string sendTables = vb::ReadFileBytes(l.SendTables);
  dexlora::CreateSampleInstallation(l.Root);
  EXPECT_EQ(vb::ReadFileBytes(l.Settings), settings);
  EXPECT_EQ(vb::ReadFileBytes(l.Database), database);
  EXPECT_EQ(vb::ReadFileBytes(l.SendTables), sendTables);
}

TEST(SampleInstallation, FilesOfTheHostEndTheirLinesWithCrLf) {
  SampleInstallation sample;
  std::string lines = vb::ReadFileBytes(sample.Layout().SendTables);
  EXPECT_EQ(lines.substr(0, 38), "1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(sample.Layout().ProgramFolder + "/RPT"));
  EXPECT_NE(vb::ReadFileBytes(sample.Layout().HelpFile).find("[1041]"), std::string::npos);
}

}  // namespace
}  // namespace kr::testing
