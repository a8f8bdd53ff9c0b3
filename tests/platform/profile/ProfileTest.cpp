#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

#include "platform/text/Strings.h"
#include "tests/support/TestSupport.h"

namespace win {
namespace {

using kr::testing::ScopedEnv;
using kr::testing::TempFolder;

class ProfileTest : public ::testing::Test {
 protected:
  std::string Get(const char* section, const char* key, const char* def = "", long size = 255) {
    return GetPrivateProfileString(section, key, def, size, "KR000.INI");
  }
  TempFolder windows;
  ScopedEnv windir{"WINDIR", windows.Path().c_str()};
};

TEST_F(ProfileTest, ReadsTrimmedValuesIgnoringCaseFirstMatchWinning) {
  const std::string longValue(300, 'x');
  windows.Write("KR000.INI",
                "; Configuraci\xF3n del sistema\r\n"
                "[Options]\r\n"
                "SysPath=  /tmp/KR\\  \r\n"
                "syspath=segundo\r\n"
                " DBName = \tKR.MDB\t\r\n"
                "SysUser=PE\xD1" "A\r\n"
                "Largo=" + longValue + "\r\n"
                "Vacio=\r\n"
                "[Otra]\n"
                "DBPath=otra\n"
                "[options]\r\n"
                "SysMenu=segunda seccion\r\n");
  struct Case {
    const char* section;
    const char* key;
    const char* defaultValue;
    long size;
    std::string value;
  } cases[] = {
      {"Options", "SysPath", "", 255, "/tmp/KR\\"},
      {"OPTIONS", "SYSPATH", "", 255, "/tmp/KR\\"},
      {"Options", "DBName", "", 255, "KR.MDB"},
      {"Options", "SysUser", "", 255, "PEÑA"},
      {"Options", "Largo", "", 255, std::string(254, 'x')},
      {"Options", "Largo", "", 10, std::string(9, 'x')},
      {"Options", "Largo", "", 1, ""},
      {"Options", "Largo", "", 0, ""},
      {"Options", "Vacio", "def", 255, ""},
      {"Options", "Falta", "", 255, ""},
      {"Options", "Falta", "def  ", 255, "def"},
      {"Options", "SysMenu", "", 255, ""},  // only in the second section of that name
      {"Otra", "DBPath", "", 255, "otra"},
      {"Options", "DBPath", "", 255, ""},
      {"Falta", "SysPath", "", 255, ""},
  };
  for (const Case& c : cases) {
    long copied = -1;
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, c.defaultValue, c.size, "kr000.ini", &copied), c.value)
        << c.section << "/" << c.key << "/" << c.size;
    EXPECT_EQ(copied, vb::Len(c.value)) << c.key;  // characters, not bytes
  }
}

TEST_F(ProfileTest, AMissingFileGivesTheDefault) {
  long copied = -1;
  EXPECT_EQ(GetPrivateProfileString("Options", "SysPath", "", 255, "KR000.INI", &copied), "");
  EXPECT_EQ(copied, 0);
  EXPECT_EQ(Get("Options", "SysPath", "C:\\"), "C:\\");
  EXPECT_EQ(GetPrivateProfileString("Options", "SysPath", "x", 255, windows.Program("no\\KR000.INI")), "x");
}

TEST_F(ProfileTest, AWriteChangesOnlyItsLine) {
  const std::string before =
      "; Instalado por el sistema anfitri\xF3n\r\n"
      "[Options]\r\n"
      "SysPath=/opt/KR\\\r\n"
      "  systemdb = /viejo/KR000.MDW\n"
      "SysUser=PE\xD1" "A\r\n"
      "\r\n"
      "[Otra]\r\n"
      "Clave=valor\r\n";
  windows.Write("KR000.INI", before);
  ASSERT_TRUE(WritePrivateProfileString("Options", "SystemDB", "/opt/KR\\KR000.MDW", "KR000.INI"));
  EXPECT_EQ(windows.Read("KR000.INI"),
            "; Instalado por el sistema anfitri\xF3n\r\n"
            "[Options]\r\n"
            "SysPath=/opt/KR\\\r\n"
            "systemdb=/opt/KR\\KR000.MDW\r\n"
            "SysUser=PE\xD1" "A\r\n"
            "\r\n"
            "[Otra]\r\n"
            "Clave=valor\r\n");
}

TEST_F(ProfileTest, AWriteAddsTheKeyOrTheSection) {
  struct Case {
    const char* what;
    std::string before;
    const char* section;
    std::string after;
  } cases[] = {
      {"key at the end of its section", "[Options]\r\nA=1\r\n\r\n[Otra]\r\nB=2\r\n", "options",
       "[Options]\r\nA=1\r\nK=v\r\n\r\n[Otra]\r\nB=2\r\n"},
      {"key after a last line without its end", "[Options]\r\nA=1", "Options", "[Options]\r\nA=1\r\nK=v\r\n"},
      {"section at the end", "[Otra]\r\nB=2\r\n", "Options", "[Otra]\r\nB=2\r\n\r\n[Options]\r\nK=v\r\n"},
      {"section into an empty file", "", "Options", "[Options]\r\nK=v\r\n"},
  };
  for (const Case& c : cases) {
    windows.Write("KR000.INI", c.before);
    EXPECT_TRUE(WritePrivateProfileString(c.section, "K", "v", "KR000.INI")) << c.what;
    EXPECT_EQ(windows.Read("KR000.INI"), c.after) << c.what;
  }
}

TEST_F(ProfileTest, AWriteCreatesTheFileInWindows1252) {
  ASSERT_TRUE(WritePrivateProfileString("Options", "SysUser", "Ñandú", "KR000.INI"));
  EXPECT_EQ(windows.Read("KR000.INI"), "[Options]\r\nSysUser=\xD1" "and\xFA\r\n");
  EXPECT_EQ(Get("Options", "SysUser"), "Ñandú");
}

TEST_F(ProfileTest, TheFileIsWindows1252WhateverItsBytesLookLike) {
  // Bytes written as Windows-1252 that happen to be valid UTF-8 ("Å”" is C5 94)
  // read back as written, not as the UTF-8 "Ŕ".
  windows.Write("KR000.INI", "[Options]\r\nSysUser=PE\xD1" "A\r\n");
  ASSERT_TRUE(WritePrivateProfileString("Options", "Nombre", "Å”", "KR000.INI"));
  EXPECT_EQ(windows.Read("KR000.INI"), "[Options]\r\nSysUser=PE\xD1" "A\r\nNombre=\xC5\x94\r\n");
  EXPECT_EQ(Get("Options", "Nombre"), "Å”");
  EXPECT_EQ(Get("Options", "SysUser"), "PEÑA");
  ASSERT_TRUE(WritePrivateProfileString("Options", "Nombre", "Año", "KR000.INI"));
  EXPECT_EQ(Get("Options", "SysUser"), "PEÑA");

  // Only a byte-order mark makes a file UTF-8, and it stays so.
  windows.Write("KR000.INI", "\xEF\xBB\xBF[Options]\nSysUser=PEÑA\n");
  ASSERT_TRUE(WritePrivateProfileString("Options", "DBName", "Año.mdb", "KR000.INI"));
  EXPECT_EQ(windows.Read("KR000.INI"), "\xEF\xBB\xBF[Options]\nSysUser=PEÑA\nDBName=Año.mdb\r\n");
  EXPECT_EQ(Get("Options", "DBName"), "Año.mdb");
  EXPECT_EQ(Get("Options", "SysUser"), "PEÑA");
}

TEST_F(ProfileTest, NamesAreFoundWithoutTheBlanksAroundThem) {
  windows.Write("KR000.INI", "[Options]\r\nA=1\r\n");
  for (int vez = 0; vez < 2; ++vez) {
    ASSERT_TRUE(WritePrivateProfileString(" Options\t", "  K ", "v", "KR000.INI"));
    ASSERT_TRUE(WritePrivateProfileString("Nueva ", " A", "2", "KR000.INI"));
  }
  EXPECT_EQ(windows.Read("KR000.INI"), "[Options]\r\nA=1\r\nK=v\r\n\r\n[Nueva]\r\nA=2\r\n");
  EXPECT_EQ(Get(" options ", " k\t"), "v");
  EXPECT_EQ(Get("Nueva", "A"), "2");
}

TEST_F(ProfileTest, RefusedWritesLeaveTheFileAlone) {
  windows.Write("KR000.INI", "[Options]\r\nA=1\r\n");
  struct Case {
    const char* What;
    const char* Section;
    const char* Key;
    const char* Value;
  };
  const Case cases[] = {
      {"a value with a line break", "Options", "A", "1\r\nSysPath=/otro"},
      {"a key with a line break", "Options", "A\nB", "1"},
      {"a section with a line break", "Opt\rions", "A", "1"},
      {"a section with \"]\"", "Op]tions", "A", "1"},
      {"a key with \"=\"", "Options", "A=B", "1"},
      {"a key that is a section header", "Options", "[Options]", "K"},
      {"a key that starts a section", "Options", "[X]=v", "1"},
      {"a key that is a comment", "Options", ";A", "1"},
      {"a key that is a comment after blanks", "Options", "  ;A", "1"},
      {"a section that starts with \"[\"", "[Options", "A", "1"},
      {"a section that is a comment", ";Options", "A", "1"},
      {"an empty key", "Options", "", "1"},
      {"a key of blanks", "Options", " \t ", "1"},
      {"an empty section", "", "A", "1"},
      {"a key the file cannot hold", "Options", "Ŕ", "1"},
      {"a key that is not UTF-8", "Options", "\xC5", "1"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(WritePrivateProfileString(c.Section, c.Key, c.Value, "KR000.INI")) << c.What;
  }
  EXPECT_EQ(windows.Read("KR000.INI"), "[Options]\r\nA=1\r\n");
  EXPECT_FALSE(WritePrivateProfileString("Options", "A", "1", windows.Program("no\\KR000.INI")));
}

TEST(WindowsFolder, FallsBackToAPerUserFolder) {
  TempFolder config;
  ScopedEnv windir("WINDIR", nullptr);
  ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().c_str());
  EXPECT_EQ(WindowsFolder(), config.Path() + "/kr917/WINDOWS");
  ASSERT_TRUE(WritePrivateProfileString("Options", "SysUser", "PEÑA", "KR000.INI"));
  EXPECT_EQ(config.Read("kr917/WINDOWS/KR000.INI"), "[Options]\r\nSysUser=PE\xD1" "A\r\n");

  ScopedEnv relative("XDG_CONFIG_HOME", "relativo");
  ScopedEnv home("HOME", "/home/alguien");
  EXPECT_EQ(WindowsFolder(), "/home/alguien/.config/kr917/WINDOWS");
}

}  // namespace
}  // namespace win
