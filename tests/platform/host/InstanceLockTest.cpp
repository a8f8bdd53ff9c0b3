#include "platform/host/InstanceLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TestSupport.h"

namespace host {
namespace {

using kr::testing::TempFolder;

// Runs `child` in a forked process and answers its exit code.
template <typename F>
int InChild(F child) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(child());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(InstanceLock, ASecondProcessFindsTheFirstRunning) {
  TempFolder runtime;
  InstanceLock first(runtime.Path());
  ASSERT_TRUE(first.TryAcquire("KR917"));
  EXPECT_FALSE(first.PrevInstance());

  EXPECT_EQ(InChild([&] {
              InstanceLock second(runtime.Path());
              if (second.TryAcquire("KR917") || !second.PrevInstance()) return 1;
              InstanceLock other(runtime.Path());  // another program is not affected
              return other.TryAcquire("LUD917") ? 0 : 2;
            }),
            0);

  first.Release();
  EXPECT_EQ(InChild([&] { return InstanceLock(runtime.Path()).TryAcquire("KR917") ? 0 : 1; }), 0);
}

TEST(InstanceLock, AKilledHolderLeavesNoLockBehind) {
  TempFolder runtime;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t holder = ::fork();
  if (holder == 0) {
    InstanceLock lock(runtime.Path());
    char ok = lock.TryAcquire("KR917") ? '1' : '0';
    [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ::close(ready[0]);
  ASSERT_EQ(ok, '1');

  InstanceLock lock(runtime.Path());
  EXPECT_FALSE(lock.TryAcquire("KR917"));
  EXPECT_TRUE(lock.PrevInstance());

  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_TRUE(lock.TryAcquire("KR917"));
  EXPECT_FALSE(lock.PrevInstance());
}

TEST(RuntimeFolder, IsPrivateToTheUser) {
  std::string folder = RuntimeFolder();
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_uid, ::getuid());
}

}  // namespace
}  // namespace host
