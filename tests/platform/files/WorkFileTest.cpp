// A work file: made only where nothing stands, and gone with its process
// however that process ends.
#include "platform/files/TemporaryFiles.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "platform/text/Error.h"
#include "tests/support/Processes.h"
#include "tests/support/TestSupport.h"

namespace vb {
namespace {

using kr::testing::ErrorNumberOf;
using kr::testing::TempFolder;

using kr::testing::NamesIn;

TEST(WorkFile, IsMadeOnlyWhereNothingStands) {
  namespace fs = std::filesystem;
  TempFolder tmp;
  TempFolder elsewhere;
  elsewhere.Write("ajeno.txt", "ajeno");
  struct Case {
    const char* what;
    std::function<void(const std::string&)> plant;
  } cases[] = {
      {"a file", [&](const std::string& p) { tmp.Write(fs::path(p).filename().string(), "suyo"); }},
      {"a link to a file elsewhere", [&](const std::string& p) { fs::create_symlink(elsewhere / "ajeno.txt", p); }},
      {"a dangling link", [&](const std::string& p) { fs::create_symlink(elsewhere / "falta.txt", p); }},
      {"a folder", [&](const std::string& p) { fs::create_directory(p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = tmp / "12345678";
    fs::remove_all(path);
    c.plant(path);
    const fs::file_status before = fs::symlink_status(path);
    EXPECT_EQ(ErrorNumberOf([&] { WorkFile work(tmp.Program("12345678")); }), ErrFileAlreadyExists);
    EXPECT_EQ(fs::symlink_status(path).type(), before.type());
    EXPECT_EQ(elsewhere.Read("ajeno.txt"), "ajeno");
    EXPECT_FALSE(fs::exists(elsewhere / "falta.txt"));
    EXPECT_EQ(NamesIn(tmp.Path()), std::set<std::string>{"12345678"});
  }
}

// A work file is a write like any other: it reaches its folder through no
// link of another user's, which would have it made in a folder of that
// user's choosing; the running user's own link leads on.
TEST(WorkFile, IsMadeThroughNoLinkOfAnotherUsersOnItsWay) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  for (bool anotherUsers : {true, false}) {
    SCOPED_TRACE(anotherUsers ? "another user's link as TMP" : "the user's own link as TMP");
    TempFolder root;
    TempFolder elsewhere;
    fs::create_symlink(elsewhere.Path(), root / "TMP");
    if (anotherUsers) {
      ASSERT_EQ(::lchown((root / "TMP").c_str(), kr::testing::AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)), 0);
    }
    std::optional<WorkFile> work;
    EXPECT_EQ(ErrorNumberOf([&] { work.emplace(root.Program("TMP\\12345678.txt")); }),
              anotherUsers ? ErrPathFileAccess : 0);
    EXPECT_EQ(NamesIn(elsewhere.Path()), anotherUsers ? std::set<std::string>{} : std::set<std::string>{"12345678.txt"});
    work.reset();
    EXPECT_EQ(NamesIn(elsewhere.Path()), std::set<std::string>{});
  }
}

// Killed before it deleted its work file, a run still leaves nothing in the
// folder; a file that took the work file's name meanwhile is another's, and
// stays.
TEST(WorkFile, GoesWithItsProcessHoweverItEnds) {
  TempFolder tmp;
  const std::string program = tmp.Program("12345678");
  struct Case {
    const char* what;
    std::function<void()> run;  // killed as it returns
    std::set<std::string> left;
    const char* bytes = "<missing>";
  } cases[] = {
      {"deleted by its run", [&] { WorkFile(program).Remove(); }, {}},
      {"killed while it is held",
       [&] {
         WorkFile work(program);
         tmp.Write("12345678", "a medias");
         ::kill(::getpid(), SIGKILL);
       },
       {}},
      {"killed once another file took its name",
       [&] {
         WorkFile work(program);
         tmp.Write("otro", "otro");
         std::filesystem::rename(tmp / "otro", tmp / "12345678");
         ::kill(::getpid(), SIGKILL);
       },
       {"12345678"},
       "otro"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(tmp / "12345678");
    ASSERT_TRUE(kr::testing::RunKilled(c.run));
    EXPECT_EQ(NamesIn(tmp.Path()), c.left);
    EXPECT_EQ(tmp.Read("12345678"), c.bytes);
  }
}

// The inode number of the native path, or 0.
ino_t InodeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Another program deletes the work file at `path` and makes files at its
// name until one gets the work file's inode number back, which ext4 gives
// to a new file as soon as nothing holds the old one; each miss is kept
// under another name so that a lower free number is not given again. In
// the end a file "otro" stands at the name either way.
void TakeItsNameOnceDeleted(const std::string& path) {
  const ino_t workFile = InodeOf(path);
  std::filesystem::remove(path);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::ofstream(path, std::ios::binary) << "otro";
    if (InodeOf(path) == workFile) return;
    std::filesystem::rename(path, path + ".fallido." + std::to_string(attempt));
  }
  std::ofstream(path, std::ios::binary) << "otro";
}

// Only the very file that was made is ever deleted: a file that took the
// name once the work file was deleted, even with its inode number, or one
// in a folder put in the place of the work file's, is another's and stays,
// however the run ends.
TEST(WorkFile, DeletesOnlyTheVeryFileItMade) {
  TempFolder tmp;
  struct End {
    const char* what;
    void (*end)(WorkFile&);
  } ends[] = {
      {"removed by its run", [](WorkFile& work) { work.Remove(); }},
      {"its run killed", [](WorkFile&) { ::kill(::getpid(), SIGKILL); }},
  };
  struct Taking {
    const char* what;
    // Given the folder that holds the work file "12345678".
    std::function<void(const std::string& folder)> take;
    // Where the work file went, to be gone from there too.
    const char* moved;
    // The file that stands at its name in the end.
    const char* another;
  } takings[] = {
      {"a file made at its name once it was deleted",
       [](const std::string& folder) { TakeItsNameOnceDeleted(folder + "/12345678"); }, nullptr, "TMP/12345678"},
      {"its folder moved and another put in its place",
       [](const std::string& folder) {
         std::filesystem::rename(folder, folder + ".movido");
         std::filesystem::create_directory(folder);
         std::ofstream(folder + "/12345678", std::ios::binary) << "otro";
       },
       "TMP.movido/12345678", "TMP/12345678"},
  };
  for (const End& e : ends) {
    for (const Taking& t : takings) {
      SCOPED_TRACE(std::string(t.what) + ", " + e.what);
      std::filesystem::remove_all(tmp / "TMP");
      std::filesystem::remove_all(tmp / "TMP.movido");
      tmp.MakeFolder("TMP");
      ASSERT_TRUE(kr::testing::RunKilled([&] {
        WorkFile work(tmp.Program("TMP\\12345678"));
        t.take(tmp / "TMP");
        e.end(work);
      }));
      EXPECT_EQ(tmp.Read(t.another), "otro");
      if (t.moved != nullptr) {
        EXPECT_EQ(tmp.Read(t.moved), "<missing>");
      }
    }
  }
}

}  // namespace
}  // namespace vb
