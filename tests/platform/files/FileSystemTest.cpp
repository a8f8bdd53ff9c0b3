#include "platform/files/FileSystem.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "platform/files/Dir.h"
#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Error.h"
#include "tests/support/NotAFile.h"
#include "tests/support/Processes.h"
#include "tests/support/TestSupport.h"

namespace vb {
namespace {

using kr::testing::ErrorNumberOf;
using kr::testing::KeepCurrentFolder;
using kr::testing::TempFolder;

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root.Write("KR/RPT/00000001.PRN", "uno");
    root.Write("KR/RPT/00000002.prn", "dos");
    root.Write("KR/Mens.txt", "mens");
    root.Write("KR/LEEME", "leeme");
    root.MakeFolder("KR/TMP");
  }
  TempFolder root;
};

TEST_F(FileSystemTest, DirAnswersTheFirstMatchingName) {
  struct Case {
    const char* path;
    DirAttributes attributes;
    const char* answer;
  } cases[] = {
      {"KR\\mens.TXT", DirAttributes::Normal, "Mens.txt"},
      {"kr\\rpt\\*.PRN", DirAttributes::Normal, "00000001.PRN"},
      {"kr\\rpt\\0000000?.prn", DirAttributes::Normal, "00000001.PRN"},
      {"kr\\rpt\\*2.*", DirAttributes::Normal, "00000002.prn"},
      {"KR\\*.*", DirAttributes::Normal, "LEEME"},
      {"KR\\", DirAttributes::Normal, "LEEME"},
      {"KR\\*.doc", DirAttributes::Normal, ""},
      {"KR\\falta.txt", DirAttributes::Normal, ""},
      {"KR\\no\\*.*", DirAttributes::Normal, ""},
      {"KR\\TMP", DirAttributes::Normal, ""},
      {"KR\\tmp", DirAttributes::Directory, "TMP"},
      {"KR\\T*", DirAttributes::Directory, "TMP"},
      {"KR\\RPT\\*", DirAttributes::Directory, "00000001.PRN"},
  };
  for (const Case& c : cases) EXPECT_EQ(Dir(root.Program(c.path), c.attributes), c.answer) << c.path;
}

TEST(MatchesPattern, WildcardsIgnoringCase) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  } cases[] = {
      {"LEEME", "*.*", true},      {"abc", "a?c", true},          {"ac", "a?c", false},
      {"Año.txt", "AÑO.*", true},  {"x.prn.bak", "*.prn", false}, {"aXbXc", "a*b*c", true},
      {"abcb", "*b", true},        {"abc", "*b", false},          {"", "*", true},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

TEST_F(FileSystemTest, FileExistsForFilesOnly) {
  EXPECT_TRUE(FileExists(root.Program("kr\\rpt\\00000001.prn")));
  EXPECT_FALSE(FileExists(root.Program("KR\\TMP")));
  EXPECT_FALSE(FileExists(root.Program("KR\\falta.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST_F(FileSystemTest, KillDeletesAFile) {
  Kill(root.Program("kr\\mens.txt"));
  EXPECT_EQ(root.Read("KR/Mens.txt"), "<missing>");
  EXPECT_EQ(ErrorNumberOf([&] { Kill(root.Program("KR\\Mens.txt")); }), ErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(root.Program("KR\\no\\Mens.txt")); }), ErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(root.Program("KR\\TMP")); }), ErrFileNotFound);
}

TEST_F(FileSystemTest, FileCopyReplacesTheDestination) {
  FileCopy(root.Program("KR\\LEEME"), root.Program("KR\\TMP\\copia"));
  FileCopy(root.Program("KR\\Mens.txt"), root.Program("KR\\tmp\\COPIA"));
  EXPECT_EQ(root.Read("KR/TMP/copia"), "mens");
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(root.Program("KR\\falta"), root.Program("KR\\x")); }), ErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(root.Program("KR\\LEEME"), root.Program("KR\\no\\x")); }), ErrPathNotFound);
}

TEST_F(FileSystemTest, NameRenamesButNeverOverAnExistingFile) {
  Name(root.Program("kr\\leeme"), root.Program("KR\\TMP\\LEEME.TXT"));
  EXPECT_EQ(root.Read("KR/TMP/LEEME.TXT"), "leeme");
  EXPECT_EQ(root.Read("KR/LEEME"), "<missing>");
  EXPECT_EQ(ErrorNumberOf([&] { Name(root.Program("KR\\Mens.txt"), root.Program("KR\\TMP\\leeme.txt")); }), 58);
  EXPECT_EQ(root.Read("KR/TMP/LEEME.TXT"), "leeme");
  EXPECT_EQ(root.Read("KR/Mens.txt"), "mens");
  EXPECT_EQ(ErrorNumberOf([&] { Name(root.Program("KR\\falta"), root.Program("KR\\x")); }), ErrFileNotFound);
}

TEST_F(FileSystemTest, MkDirAndChDir) {
  KeepCurrentFolder keep;
  MkDir(root.Program("kr\\BMP"));
  EXPECT_EQ(Dir(root.Program("KR\\BMP"), DirAttributes::Directory), "BMP");
  EXPECT_EQ(ErrorNumberOf([&] { MkDir(root.Program("KR\\bmp")); }), ErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { MkDir(root.Program("KR\\no\\BMP")); }), ErrPathNotFound);

  ChDir(root.Program("kr\\rpt\\"));
  EXPECT_EQ(std::filesystem::path(CurDir()), std::filesystem::canonical(root.Path() + "/KR/RPT"));
  EXPECT_TRUE(FileExists("00000001.PRN"));
  EXPECT_EQ(ErrorNumberOf([&] { ChDir(root.Program("KR\\falta")); }), ErrPathNotFound);
}

TEST_F(FileSystemTest, WriteFileAtomicallyReplacesTheFileAndKeepsItsMode) {
  ::chmod((root.Path() + "/KR/Mens.txt").c_str(), 0640);
  WriteFileAtomically(root.Program("kr\\MENS.TXT"), "nuevo\r\n");
  EXPECT_EQ(root.Read("KR/Mens.txt"), "nuevo\r\n");
  struct stat st {};
  ASSERT_EQ(::stat((root.Path() + "/KR/Mens.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  WriteFileAtomically(root.Program("KR\\nuevo.txt"), "");
  EXPECT_EQ(ReadFileBytes(root.Program("KR\\NUEVO.TXT")), "");

  EXPECT_EQ(ErrorNumberOf([&] { WriteFileAtomically(root.Program("KR\\no\\x.txt"), "x"); }), ErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { ReadFileBytes(root.Program("KR\\falta.txt")); }), ErrFileNotFound);
  // No temporary file is left behind.
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(root.Path() + "/KR")) ++entries;
  EXPECT_EQ(entries, 5);  // RPT, TMP, Mens.txt, LEEME, nuevo.txt
}

using kr::testing::NamesIn;

// RPT and TMP may be shared: a link planted under a report's or a copy's
// name is replaced by the new file, and what it led to stays as it was.
TEST_F(FileSystemTest, AWriteReplacesALinkAtItsNameAndLeavesWhatItLedTo) {
  namespace fs = std::filesystem;
  TempFolder elsewhere;
  const std::string report = root / "KR/RPT/00000003.PRN";
  struct Case {
    const char* what;
    std::string target;  // of the link under the report's name
    bool anotherUsers;   // the link given to another user (only root can)
  } cases[] = {
      {"a link to a file elsewhere", elsewhere / "ajeno.txt", false},
      {"a relative link", fs::relative(elsewhere / "ajeno.txt", root / "KR/RPT").string(), false},
      {"a link to a link", elsewhere / "enlace", false},
      {"another user's link", elsewhere / "ajeno.txt", true},
      {"a link to a folder", elsewhere / "carpeta", false},
      {"a dangling link", elsewhere / "falta.txt", false},
  };
  struct Writer {
    const char* what;
    std::function<void()> write;
    const char* bytes;  // the report's after the write
  } writers[] = {
      {"WriteFileAtomically", [&] { WriteFileAtomically(root.Program("KR\\RPT\\00000003.PRN"), "nuevo"); }, "nuevo"},
      {"FileCopy", [&] { FileCopy(root.Program("KR\\LEEME"), root.Program("KR\\RPT\\00000003.PRN")); }, "leeme"},
  };
  for (const Writer& w : writers) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(w.what) + ", " + c.what);
      if (c.anotherUsers && ::geteuid() != 0) continue;
      fs::remove(report);
      fs::remove_all(elsewhere / "carpeta");
      elsewhere.Write("ajeno.txt", "ajeno");
      elsewhere.MakeFolder("carpeta");
      fs::remove(elsewhere / "enlace");
      fs::create_symlink(elsewhere / "ajeno.txt", elsewhere / "enlace");
      fs::create_symlink(c.target, report);
      if (c.anotherUsers) {
        ASSERT_EQ(::lchown(report.c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)), 0);
      }

      w.write();
      EXPECT_FALSE(fs::is_symlink(report));
      EXPECT_EQ(root.Read("KR/RPT/00000003.PRN"), w.bytes);
      EXPECT_EQ(elsewhere.Read("ajeno.txt"), "ajeno");
      EXPECT_TRUE(fs::is_symlink(elsewhere / "enlace"));
      EXPECT_TRUE(fs::is_empty(elsewhere / "carpeta"));
      EXPECT_FALSE(fs::exists(elsewhere / "falta.txt"));
      EXPECT_EQ(NamesIn(root / "KR/RPT"), (std::set<std::string>{"00000001.PRN", "00000002.prn", "00000003.PRN"}));
    }
  }
}

// In a folder every user may write, with its sticky bit (TMP shared by two
// users), another user's link cannot be replaced: the write is refused and
// nothing is written anywhere.
TEST_F(FileSystemTest, InASharedFolderAnotherUsersLinkIsRefusedAndNothingIsWritten) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  const std::optional<kr::testing::Account> user = kr::testing::OrdinaryUser();
  if (!user) GTEST_SKIP() << "running as root, and there is no user \"nobody\" to write as";
  TempFolder elsewhere;
  fs::permissions(root.Path(), fs::perms::all);
  fs::permissions(root / "KR", fs::perms::all);
  fs::permissions(root / "KR/TMP", fs::perms::all | fs::perms::sticky_bit);
  fs::permissions(elsewhere.Path(), fs::perms::all);
  // A file the user may write, where the other user wants this user to write.
  elsewhere.Write("suyo.txt", "suyo");
  ASSERT_EQ(::chown((elsewhere / "suyo.txt").c_str(), user->User, user->Group), 0);
  const std::string copy = root / "KR/TMP/0917200200012345678.txt";
  fs::create_symlink(elsewhere / "suyo.txt", copy);
  ASSERT_EQ(::lchown(copy.c_str(), kr::testing::AnotherUserThan(user->User), static_cast<gid_t>(-1)), 0);

  const std::optional<int> error = kr::testing::RunAs(user->User, user->Group, [&] {
    return ErrorNumberOf([&] { WriteFileAtomically(root.Program("KR\\TMP\\0917200200012345678.txt"), "texto"); });
  });
  if (!error) GTEST_SKIP() << "a child process could not become the user \"nobody\"";
  EXPECT_EQ(*error, ErrPathFileAccess);
  EXPECT_EQ(elsewhere.Read("suyo.txt"), "suyo");
  EXPECT_TRUE(fs::is_symlink(copy));
  EXPECT_EQ(NamesIn(root / "KR/TMP"), (std::set<std::string>{"0917200200012345678.txt"}));
}

// A pipe, a socket, a folder or a device that another user put at a file's
// name is answered at once: a read, or a write into the file as it stands,
// is refused as for a file that cannot be read (75), and touches nothing; a
// write of the whole file replaces it (a folder excepted).
TEST_F(FileSystemTest, WhatStandsAtAFilesNameInsteadOfAFileIsAnsweredAtOnce) {
  const std::string name = root / "KR/TMP/env917.txt";
  const std::string program = root.Program("kr\\tmp\\ENV917.TXT");
  auto opened = [&](OpenMode mode) {
    return [&, mode] {
      Files files;
      return ErrorNumberOf([&] { files.Open(program, mode, 1); });
    };
  };
  struct Action {
    const char* what;
    std::function<int()> act;
    bool replaces;  // a write of the whole file, which takes the name
  } actions[] = {
      {"ReadFileBytes", [&] { return ErrorNumberOf([&] { ReadFileBytes(program); }); }, false},
      {"FileCopy from it", [&] { return ErrorNumberOf([&] { FileCopy(program, root.Program("KR\\copia")); }); }, false},
      {"Open For Input", opened(OpenMode::Input), false},
      {"Open For Output", opened(OpenMode::Output), false},
      {"Open For Append", opened(OpenMode::Append), false},
      {"WriteFileAtomically", [&] { return ErrorNumberOf([&] { WriteFileAtomically(program, "nuevo"); }); }, true},
  };
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    for (const Action& a : actions) {
      SCOPED_TRACE(std::string(c.What) + ", " + a.what);
      kr::testing::Planted planted(c.Kind, name);
      const std::optional<std::string> answer =
          kr::testing::AnswerInChild([&] { return std::to_string(a.act()); }, deadline);
      ASSERT_TRUE(answer) << "still waiting";
      const bool replaced = a.replaces && c.Kind != kr::testing::NotAFile::Folder;
      EXPECT_EQ(*answer, replaced ? "0" : "75");
      struct stat st {};
      ASSERT_EQ(::lstat(name.c_str(), &st), 0);
      EXPECT_EQ(S_ISREG(st.st_mode), replaced);
      if (replaced) {
        EXPECT_EQ(root.Read("KR/TMP/env917.txt"), "nuevo");
      }
      EXPECT_EQ(NamesIn(root / "KR/TMP"), (std::set<std::string>{"env917.txt"}));
      EXPECT_FALSE(std::filesystem::exists(root / "KR/copia"));
    }
  }
}

// Every write to a folder of the program's, whatever the call, reaches it
// through no link of another user's: a folder shared with others may hold
// such a link anywhere on the way, leading to a folder of that user's
// choosing. Refused, the write raises 75 and changes nothing, there or in
// the program's folders; the running user's own links (root's too) lead on.
TEST_F(FileSystemTest, NoWritePassesThroughAnotherUsersLinkOnItsWay) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  TempFolder elsewhere;  // where the other user wants the writes to land
  struct Link {
    std::string name;  // below root
    std::string target;
    bool anotherUsers;
  };
  struct Case {
    const char* what;
    std::vector<Link> links;
    const char* folder;  // written in, as the program names it
    bool followed;
  } cases[] = {
      {"another user's link as a folder in the middle", {{"KR/AJENO", elsewhere / "RPT", true}}, "KR\\AJENO", false},
      {"the same, named in another case", {{"KR/AJENO", elsewhere / "RPT", true}}, "kr\\ajeno", false},
      {"another user's link at the top", {{"INST", elsewhere.Path(), true}}, "INST\\RPT", false},
      {"the user's own link, then another user's",
       {{"PROPIO", root / "KR/AJENO", false}, {"KR/AJENO", elsewhere / "RPT", true}},
       "PROPIO",
       false},
      {"another user's link, then the user's own",
       {{"AJENO", root / "PROPIO", true}, {"PROPIO", elsewhere / "RPT", false}},
       "AJENO",
       false},
      {"another user's link within the own link's target",
       {{"PROPIO", root / "AJENO/RPT", false}, {"AJENO", elsewhere.Path(), true}},
       "PROPIO",
       false},
      {"the user's own link", {{"MIO", elsewhere / "RPT", false}}, "MIO", true},
      {"the user's own relative link", {{"MIO", fs::relative(elsewhere / "RPT", root.Path()).string(), false}}, "MIO",
       true},
  };
  auto in = [&](const std::string& folder, const char* name) { return root.Program(folder + "\\" + name); };
  auto printed = [&](const std::string& path, OpenMode mode) {
    Files files;
    files.Open(path, mode, 1);
    files.Print(1, "nuevo");
  };
  struct Writer {
    const char* what;
    std::function<void(const std::string& folder)> write;
  } writers[] = {
      {"WriteFileAtomically", [&](const std::string& f) { WriteFileAtomically(in(f, "00000002.PRN"), "nuevo"); }},
      {"WriteFileAtomically following the own links",
       [&](const std::string& f) { WriteFileAtomically(in(f, "00000002.PRN"), "nuevo", Links::FollowOwn); }},
      {"CheckWritable", [&](const std::string& f) { CheckWritable(in(f, "00000002.PRN")); }},
      {"FileCopy", [&](const std::string& f) { FileCopy(root.Program("KR\\LEEME"), in(f, "00000002.PRN")); }},
      {"Open For Output", [&](const std::string& f) { printed(in(f, "00000002.PRN"), OpenMode::Output); }},
      {"Open For Append", [&](const std::string& f) { printed(in(f, "00000002.PRN"), OpenMode::Append); }},
      {"Open a new file", [&](const std::string& f) { printed(in(f, "nuevo.txt"), OpenMode::OutputNew); }},
      {"Kill", [&](const std::string& f) { Kill(in(f, "00000002.PRN")); }},
      {"MkDir", [&](const std::string& f) { MkDir(in(f, "BMP")); }},
      {"Name", [&](const std::string& f) { Name(root.Program("KR\\LEEME"), in(f, "LEEME")); }},
  };
  for (const Case& c : cases) {
    for (const Writer& w : writers) {
      SCOPED_TRACE(std::string(c.what) + ", " + w.what);
      fs::remove_all(elsewhere / "RPT");
      elsewhere.Write("RPT/00000002.PRN", "ajeno");
      root.Write("KR/LEEME", "leeme");
      for (const Link& l : c.links) {
        fs::create_symlink(l.target, root / l.name);
        if (l.anotherUsers) {
          ASSERT_EQ(::lchown((root / l.name).c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)),
                    0);
        }
      }

      EXPECT_EQ(ErrorNumberOf([&] { w.write(c.folder); }), c.followed ? 0 : ErrPathFileAccess);
      for (const Link& l : c.links) {
        EXPECT_TRUE(fs::is_symlink(root / l.name));
        fs::remove(root / l.name);
      }
      if (!c.followed) {
        EXPECT_EQ(NamesIn(elsewhere / "RPT"), (std::set<std::string>{"00000002.PRN"}));
        EXPECT_EQ(elsewhere.Read("RPT/00000002.PRN"), "ajeno");
        EXPECT_EQ(NamesIn(root / "KR"), (std::set<std::string>{"RPT", "TMP", "Mens.txt", "LEEME"}));
        EXPECT_EQ(root.Read("KR/LEEME"), "leeme");
      }
    }
  }
}

// Reached a folder at a time, a write still meets the limits the system puts
// on a path and on a name: beyond them it is refused and leaves nothing.
TEST_F(FileSystemTest, APathOrANameTooLongIsRefusedAndLeavesNothing) {
  std::string detour;
  while (detour.size() <= PATH_MAX) detour += "RPT\\..\\";
  struct Case {
    const char* what;
    std::string path;
  } cases[] = {
      {"a path longer than the system takes", root.Program("KR\\" + detour + "RPT\\00000003.PRN")},
      {"a name longer than the system takes", root.Program("KR\\RPT\\" + std::string(300, 'x'))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorNumberOf([&] { WriteFileAtomically(c.path, "nuevo"); }), ErrPathFileAccess);
    EXPECT_EQ(ErrorNumberOf([&] {
                Files files;
                files.Open(c.path, OpenMode::Output, 1);
              }),
              ErrPathFileAccess);
    EXPECT_EQ(ErrorNumberOf([&] { MkDir(c.path); }), ErrPathFileAccess);
    EXPECT_EQ(NamesIn(root / "KR/RPT"), (std::set<std::string>{"00000001.PRN", "00000002.prn"}));
  }
}

// A folder on the way that another user swaps for a link of theirs and back,
// again and again while the writes go on, never lets one through: each
// lands in the real folder or is refused.
TEST_F(FileSystemTest, AFolderSwappedForAnotherUsersLinkMeanwhileLetsNoWriteThrough) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  TempFolder elsewhere;
  elsewhere.Write("RPT/00000002.PRN", "ajeno");
  const std::string real = root / "KR/RPT";
  const std::string link = root / "KR/AJENO";
  fs::create_symlink(elsewhere / "RPT", link);
  ASSERT_EQ(::lchown(link.c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)), 0);
  const pid_t swapper = ::fork();
  ASSERT_GE(swapper, 0);
  if (swapper == 0) {
    for (;;) ::renameat2(AT_FDCWD, real.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE);
  }
  const std::string report = root.Program("KR\\RPT\\00000002.PRN");
  int written = 0, refused = 0, others = 0;
  for (int n = 0; n < 1000; ++n) {
    for (int (*write)(const std::string&) : {
             +[](const std::string& path) { return ErrorNumberOf([&] { WriteFileAtomically(path, "nuevo"); }); },
             +[](const std::string& path) {
               return ErrorNumberOf([&] {
                 Files files;
                 files.Open(path, OpenMode::Output, 1);
                 files.Print(1, "nuevo");
               });
             },
         }) {
      const int error = write(report);
      (error == 0 ? written : error == ErrPathFileAccess ? refused : others)++;
    }
  }
  ::kill(swapper, SIGKILL);
  ::waitpid(swapper, nullptr, 0);
  EXPECT_EQ(others, 0) << written << " written, " << refused << " refused";
  EXPECT_EQ(NamesIn(elsewhere / "RPT"), (std::set<std::string>{"00000002.PRN"}));
  EXPECT_EQ(elsewhere.Read("RPT/00000002.PRN"), "ajeno");
}

// The number of a process that has just ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

// A killed program leaves its temporaries; the next write in that folder
// removes those a dead run of this system left, and nothing else: a name of
// that form another user or program put there stays, and so does whatever
// it is another name of.
TEST_F(FileSystemTest, WritingAFolderRemovesTheTemporariesOfEndedProcesses) {
  const std::string folder = root / "KR/RPT";
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(::getppid());
  const bool asRoot = ::geteuid() == 0;
  enum class Kind { File, Held, AnotherUsers, SecondName, Link, Folder, Pipe };
  struct Case {
    std::string name;
    Kind kind;
    bool stays;
    const char* what;
    const char* of = nullptr;  // the file a second name or a link is of
  } cases[] = {
      {".00000001.PRN." + ended + ".0.tmp", Kind::File, false, "a dead run's"},
      {".87654321." + ended + ".3.tmp", Kind::File, false, "a dead run's, beside a file of its name"},
      {".00000002.PRN." + running + ".0.tmp", Kind::File, true, "a running process's"},
      {".00000003.PRN." + ended + ".1.tmp", Kind::Held, true, "held: a process of another machine"},
      {".00000004.PRN." + ended + ".x.tmp", Kind::File, true, "no counter"},
      {".00000005.PRN.tmp", Kind::File, true, "no process"},
      {"00000006.PRN." + ended + ".0.tmp", Kind::File, true, "not hidden"},
      {"." + ended + ".0.tmp", Kind::File, true, "no name"},
      {".00000007.PRN.0.0.tmp", Kind::File, true, "process 0"},
      {".00000002.prn." + ended + ".0.tmp", Kind::SecondName, true, "a second name of a report", "00000002.prn"},
      {".00000001.PRN." + ended + ".1.tmp", Kind::Link, true, "a link to a report", "00000001.PRN"},
      {".00000008.PRN." + ended + ".0.tmp", Kind::AnotherUsers, true, "another user's"},
      {".00000010.PRN." + ended + ".0.tmp", Kind::Folder, true, "a folder"},
      {".00000011.PRN." + ended + ".0.tmp", Kind::Pipe, true, "a pipe"},
  };
  root.Write("KR/RPT/87654321", "ajeno");
  int held = -1;
  for (const Case& c : cases) {
    if (c.kind == Kind::AnotherUsers && !asRoot) continue;  // only root can give a file to another user
    const std::string path = folder + "/" + c.name;
    switch (c.kind) {
      case Kind::File:
      case Kind::Held:
      case Kind::AnotherUsers:
        root.Write("KR/RPT/" + c.name, "a medias");
        break;
      case Kind::SecondName:
        ASSERT_EQ(::link((folder + "/" + c.of).c_str(), path.c_str()), 0);
        break;
      case Kind::Link:
        std::filesystem::create_symlink(c.of, path);
        break;
      case Kind::Folder:
        root.MakeFolder("KR/RPT/" + c.name);
        break;
      case Kind::Pipe:
        ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
        break;
    }
    if (c.kind == Kind::Held) {
      held = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      ASSERT_EQ(::flock(held, LOCK_EX), 0);
    }
    if (c.kind == Kind::AnotherUsers) {
      ASSERT_EQ(::chown(path.c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)), 0);
    }
  }

  WriteFileAtomically(root.Program("KR\\RPT\\00000009.PRN"), "nuevo");
  ::close(held);

  std::set<std::string> expected{"00000001.PRN", "00000002.prn", "00000009.PRN", "87654321"};
  for (const Case& c : cases) {
    if (c.kind == Kind::AnotherUsers && !asRoot) continue;
    EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(folder + "/" + c.name)), c.stays) << c.what;
    if (c.stays) expected.insert(c.name);
  }
  EXPECT_EQ(NamesIn(folder), expected);
  EXPECT_EQ(root.Read("KR/RPT/00000001.PRN"), "uno");
  EXPECT_EQ(root.Read("KR/RPT/00000002.prn"), "dos");
  EXPECT_EQ(root.Read("KR/RPT/87654321"), "ajeno");
  // Another folder's are left to writes there.
  root.Write("KR/TMP/.KR000.INI." + ended + ".0.tmp", "");
  WriteFileAtomically(root.Program("KR\\Mens.txt"), "x");
  EXPECT_EQ(NamesIn(root.Path() + "/KR/TMP"), (std::set<std::string>{".KR000.INI." + ended + ".0.tmp"}));
}

}  // namespace
}  // namespace vb
