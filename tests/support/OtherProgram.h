//===- OtherProgram.h - A second program holding a database meanwhile ----===//
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kr::testing {

// Runs `hold` in a child process that signals when it holds the database and
// ends when told; `check` runs in the parent meanwhile, and `afterwards` in
// the child once `check` is done (an exception there fails the child too).
inline void WithOtherProgram(const std::function<void()>& hold, const std::function<void()>& check,
                             const std::function<void()>& afterwards = {}) {
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int status = 0;
    try {
      hold();
    } catch (...) {
      status = 1;
    }
    char byte = 'r';
    (void)!::write(ready[1], &byte, 1);
    (void)!::read(done[0], &byte, 1);
    try {
      if (status == 0 && afterwards) afterwards();
    } catch (...) {
      status = 1;
    }
    ::_exit(status);
  }
  char byte;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  check();
  (void)!::write(done[1], "d", 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other program failed";
  for (int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);
}

}  // namespace kr::testing
