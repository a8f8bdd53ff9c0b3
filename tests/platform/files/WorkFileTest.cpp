// A work file: made only where nothing stands, and gone with its process
// however that process ends.
#include "platform/files/TemporaryFiles.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>

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

}  // namespace
}  // namespace vb
