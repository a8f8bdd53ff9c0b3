#include "platform/profile/Profile.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

#include "platform/text/Strings.h"
#include "tests/support/NotAFile.h"
#include "tests/support/Processes.h"
#include "tests/support/TestSupport.h"

namespace win {
namespace {

using kr::testing::RunAs;
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

// A pipe, a socket, a folder or a device that another user put at the
// settings file's name, in a shared Windows folder, is answered at once as a
// file that cannot be read: a read gives the default, a write is refused, and
// what stands there stays.
TEST_F(ProfileTest, WhatStandsAtTheSettingsNameInsteadOfAFileIsAnsweredAtOnce) {
  const std::string name = windows / "KR000.INI";
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    kr::testing::Planted planted(c.Kind, name);
    const std::optional<std::string> answer = kr::testing::AnswerInChild(
        [&] {
          return Get("Options", "SysPath", "ninguno") + "|" +
                 (WritePrivateProfileString("Options", "SysPath", "/otro", "KR000.INI") ? "written" : "refused");
        },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, "ninguno|refused");
    struct stat st {};
    ASSERT_EQ(::lstat(name.c_str(), &st), 0);
    EXPECT_FALSE(S_ISREG(st.st_mode));
  }
}

using kr::testing::NamesIn;

// A settings file kept elsewhere and linked into the Windows folder.
TEST_F(ProfileTest, AWriteThroughALinkChangesTheLinkedFileAndTheLinkStays) {
  namespace fs = std::filesystem;
  TempFolder shared;
  shared.MakeFolder("conf");
  const std::string real = shared / "conf/KR000.INI";
  const std::string link = windows / "KR000.INI";
  struct Case {
    const char* what;
    std::string target;  // of the link in the Windows folder
    bool chained;        // through a second link in the shared folder
    bool dangling;       // the file does not exist yet
  } cases[] = {
      {"absolute", real, false, false},
      {"relative", fs::relative(real, windows.Path()).string(), false, false},
      {"a link to a link", shared / "conf/enlace.ini", true, false},
      {"to a file still missing", real, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(real);
    fs::remove(shared / "conf/enlace.ini");
    if (!c.dangling) shared.Write("conf/KR000.INI", "[Options]\r\nA=1\r\n");
    if (c.chained) fs::create_symlink("KR000.INI", shared / "conf/enlace.ini");
    fs::create_symlink(c.target, link);

    ASSERT_TRUE(WritePrivateProfileString("Options", "K", "v", "KR000.INI"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string(), c.target);
    EXPECT_EQ(shared.Read("conf/KR000.INI"), c.dangling ? "[Options]\r\nK=v\r\n" : "[Options]\r\nA=1\r\nK=v\r\n");
    EXPECT_EQ(Get("Options", "K"), "v");
    // The temporary file was made beside the real one, and went.
    EXPECT_EQ(NamesIn(windows.Path()), (std::set<std::string>{"KR000.INI"}));
    EXPECT_EQ(NamesIn(shared / "conf"), c.chained ? (std::set<std::string>{"KR000.INI", "enlace.ini"})
                                                : (std::set<std::string>{"KR000.INI"}));
    fs::remove(link);
  }
}

// Whoever replaces a settings file leaves it as its owner had it, and a
// user who may not write it, or cannot keep its owner, does not replace it.
TEST_F(ProfileTest, AFileItsUserMayNotWriteIsNotWrittenAndAReplacedOneKeepsOwnerAndMode) {
  const bool root = ::geteuid() == 0;
  const passwd* nobody = root ? ::getpwnam("nobody") : nullptr;
  if (root && nobody == nullptr) GTEST_SKIP() << "running as root, and there is no user \"nobody\" to write as";
  // The ordinary user: this one, or "nobody" for root.
  const uid_t user = root ? nobody->pw_uid : ::geteuid();
  const gid_t group = root ? nobody->pw_gid : ::getegid();
  std::filesystem::permissions(windows.Path(), std::filesystem::perms::all);  // anybody may replace files there
  const std::string path = windows / "KR000.INI";
  const std::string before = "[Options]\r\nA=1\r\n";
  struct Case {
    const char* what;
    bool ownedByRoot;
    mode_t mode;
    bool byRoot;  // written by root, else by the ordinary user
    bool written;
    bool keeps;  // a value the file holds already answers true
  } cases[] = {
      {"read-only", false, 0444, false, false, false},
      {"root's, which only root may write", true, 0644, false, false, false},
      // The user may write it but not give a new file root's ownership; what it holds needs no new file.
      {"root's, which anybody may write", true, 0666, false, false, true},
      {"the user's own", false, 0640, false, true, true},
      {"the user's, replaced by root", false, 02640, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if ((c.ownedByRoot || c.byRoot) && !root) continue;  // only root makes another user's file
    std::filesystem::remove(path);
    windows.Write("KR000.INI", before);
    if (root) {
      ASSERT_EQ(::chown(path.c_str(), c.ownedByRoot ? 0 : user, c.ownedByRoot ? 0 : group), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    struct stat old {};
    ASSERT_EQ(::stat(path.c_str(), &old), 0);

    auto body = [] {
      // A new key, and a value the file holds already: both answer alike.
      const bool nuevo = WritePrivateProfileString("Options", "K", "v", "KR000.INI");
      const bool igual = WritePrivateProfileString("Options", "A", "1", "KR000.INI");
      return (nuevo ? 1 : 0) | (igual ? 2 : 0);
    };
    const std::optional<int> answers = c.byRoot ? body() : RunAs(user, group, body);
    if (!answers) GTEST_SKIP() << "a child process could not become the user \"nobody\"";
    EXPECT_EQ(*answers, (c.written ? 1 : 0) | (c.keeps ? 2 : 0));
    EXPECT_EQ(windows.Read("KR000.INI"), c.written ? before + "K=v\r\n" : before);
    struct stat now {};
    ASSERT_EQ(::stat(path.c_str(), &now), 0);
    EXPECT_EQ(now.st_uid, old.st_uid);
    EXPECT_EQ(now.st_gid, old.st_gid);
    EXPECT_EQ(now.st_mode & 07777, c.mode);
    EXPECT_EQ(NamesIn(windows.Path()), (std::set<std::string>{"KR000.INI"}));
  }
}

// The settings file follows a link only when its own user or root made it:
// another user's link, where others may write, would have this user write
// wherever that user chose. Written by this user, and by "nobody" too when
// the tests run as root, so that "its own user" is never just root.
TEST_F(ProfileTest, OnlyALinkOfItsUserOrOfRootLeadsTheSettingsElsewhere) {
  namespace fs = std::filesystem;
  enum class Owner { Writer, Root, Another };
  struct Case {
    const char* what;
    Owner first;                  // of the link in the Windows folder
    std::optional<Owner> second;  // of a second link it leads to, in the shared folder
    bool followed;
  } cases[] = {
      {"the user's own", Owner::Writer, std::nullopt, true},
      {"root's", Owner::Root, std::nullopt, true},
      {"another user's", Owner::Another, std::nullopt, false},
      {"the user's own, then root's", Owner::Writer, Owner::Root, true},
      {"the user's own, then another user's", Owner::Writer, Owner::Another, false},
  };
  std::vector<kr::testing::Account> writers{{::geteuid(), ::getegid()}};
  if (::geteuid() == 0) {
    const std::optional<kr::testing::Account> nobody = kr::testing::OrdinaryUser();
    if (nobody) writers.push_back(*nobody);
  }
  TempFolder shared;
  for (const std::string& folder : {windows.Path(), shared.Path()}) fs::permissions(folder, fs::perms::all);
  const std::string link = windows / "KR000.INI";
  const std::string second = shared / "enlace.ini";
  const std::string real = shared / "KR000.INI";
  const std::string before = "[Options]\r\nA=1\r\n";
  for (const kr::testing::Account& writer : writers) {
    auto owner = [&](Owner o) -> uid_t {
      return o == Owner::Writer ? writer.User : o == Owner::Root ? 0 : kr::testing::AnotherUserThan(writer.User);
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + ", written by user " + std::to_string(writer.User));
      const bool needsChown = owner(c.first) != ::geteuid() || (c.second && owner(*c.second) != ::geteuid());
      if (needsChown && ::geteuid() != 0) continue;  // only root gives a link to another user
      fs::remove(link);
      fs::remove(second);
      fs::remove(real);
      shared.Write("KR000.INI", before);
      ASSERT_EQ(::chown(real.c_str(), writer.User, writer.Group), 0);
      fs::create_symlink(c.second ? second : real, link);
      if (c.second) fs::create_symlink(real, second);
      ASSERT_EQ(::lchown(link.c_str(), owner(c.first), static_cast<gid_t>(-1)), 0);
      if (c.second) {
        ASSERT_EQ(::lchown(second.c_str(), owner(*c.second), static_cast<gid_t>(-1)), 0);
      }

      const std::optional<int> written = kr::testing::RunAs(
          writer.User, writer.Group, [] { return WritePrivateProfileString("Options", "K", "v", "KR000.INI") ? 1 : 0; });
      if (!written) GTEST_SKIP() << "a child process could not become the user \"nobody\"";
      EXPECT_EQ(*written, c.followed ? 1 : 0);
      EXPECT_EQ(shared.Read("KR000.INI"), c.followed ? before + "K=v\r\n" : before);
      // The links stay as they were, and nothing was written beside them.
      EXPECT_TRUE(fs::is_symlink(link));
      EXPECT_EQ(fs::read_symlink(link).string(), c.second ? second : real);
      EXPECT_EQ(NamesIn(windows.Path()), (std::set<std::string>{"KR000.INI"}));
      EXPECT_EQ(NamesIn(shared.Path()), c.second ? (std::set<std::string>{"KR000.INI", "enlace.ini"})
                                               : (std::set<std::string>{"KR000.INI"}));
    }
  }
}

// The Windows folder may be reached through links. On the way to the
// settings file as at its name, the running user's or root's links lead on,
// and another user's anywhere refuses the write, which leaves the file as
// it was.
TEST_F(ProfileTest, OnlyLinksOfItsUserOrOfRootOnTheWayLeadToTheSettings) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  TempFolder shared;
  const std::string before = "[Options]\r\nA=1\r\n";
  struct Link {
    std::string name;  // below the Windows folder's parent
    std::string target;
    bool anotherUsers;
  };
  struct Case {
    const char* what;
    std::vector<Link> links;
    const char* windir;  // below the same
    bool followed;
  } cases[] = {
      {"another user's link as the Windows folder", {{"WIN", shared / "WINDOWS", true}}, "WIN", false},
      {"another user's link above it", {{"ARRIBA", shared.Path(), true}}, "ARRIBA/WINDOWS", false},
      {"the user's own link, then another user's",
       {{"MIO", windows / "AJENO", false}, {"AJENO", shared.Path(), true}},
       "MIO/WINDOWS",
       false},
      {"the user's own link", {{"MIO", shared.Path(), false}}, "MIO/WINDOWS", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shared.Write("WINDOWS/KR000.INI", before);
    for (const Link& l : c.links) {
      fs::create_symlink(l.target, windows / l.name);
      if (l.anotherUsers) {
        ASSERT_EQ(::lchown((windows / l.name).c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)),
                  0);
      }
    }
    {
      ScopedEnv windir("WINDIR", (windows / c.windir).c_str());
      EXPECT_EQ(WritePrivateProfileString("Options", "K", "v", "KR000.INI"), c.followed);
    }
    EXPECT_EQ(shared.Read("WINDOWS/KR000.INI"), c.followed ? before + "K=v\r\n" : before);
    EXPECT_EQ(NamesIn(shared / "WINDOWS"), (std::set<std::string>{"KR000.INI"}));
    for (const Link& l : c.links) fs::remove(windows / l.name);
  }
}

// Links of the user's own that go round in a loop, or end in a folder, lead
// the settings nowhere: nothing is written, and the links stay as they were.
TEST_F(ProfileTest, ALinkThatLoopsOrEndsInAFolderWritesNothing) {
  namespace fs = std::filesystem;
  TempFolder shared;
  shared.MakeFolder("carpeta");
  const std::string link = windows / "KR000.INI";
  struct Case {
    const char* what;
    std::string target;                   // of the link in the Windows folder
    std::string secondName, secondTarget;  // a second link in the shared folder, if any
  } cases[] = {
      {"a loop of two links", shared / "enlace.ini", shared / "enlace.ini", link},
      {"a link to itself", link, "", ""},
      {"a folder", shared / "carpeta", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(link);
    fs::create_symlink(c.target, link);
    if (!c.secondName.empty()) fs::create_symlink(c.secondTarget, c.secondName);
    EXPECT_FALSE(WritePrivateProfileString("Options", "K", "v", "KR000.INI"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string(), c.target);
    EXPECT_EQ(NamesIn(windows.Path()), (std::set<std::string>{"KR000.INI"}));
    EXPECT_TRUE(fs::is_empty(shared / "carpeta"));
    if (!c.secondName.empty()) fs::remove(c.secondName);
  }
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
