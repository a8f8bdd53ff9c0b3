//===- Processes.h - Code run as another user, or in a run that is killed ===//
#pragma once

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>

namespace kr::testing {

/// A user account: its number and its group.
struct Account {
  uid_t User = 0;
  gid_t Group = 0;
};

/// The ordinary user a test writes as: this one, or "nobody" when the tests
/// run as root; nothing when root finds no "nobody".
inline std::optional<Account> OrdinaryUser() {
  if (::geteuid() != 0) return Account{::geteuid(), ::getegid()};
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) return std::nullopt;
  return Account{nobody->pw_uid, nobody->pw_gid};
}

/// A user number that is neither `user` nor root, for what another user
/// owns (only root can give a file to it).
inline uid_t AnotherUserThan(uid_t user) { return user == 65534 ? 65533 : 65534; }

/// Runs `body` as the ordinary user `user` and answers what it answers: in
/// this process when the tests run as that user already, else in a child that
/// becomes it. Nothing when the child cannot become it.
inline std::optional<int> RunAs(uid_t user, gid_t group, const std::function<int()>& body) {
  if (::geteuid() == user) return body();
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0) ::_exit(255);
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) return std::nullopt;
  return WEXITSTATUS(status);
}

/// Runs `body` in a child process killed with SIGKILL once `body` returns,
/// and answers once that process and every process it started are gone:
/// whatever they do after its death is done by then. False when the run did
/// not end by that kill.
inline bool RunKilled(const std::function<void()>& body) {
  const pid_t keeper = ::fork();
  if (keeper < 0) return false;
  if (keeper == 0) {
    // The processes the run leaves come to the keeper when it dies, to be waited for.
    if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) ::_exit(1);
    const pid_t run = ::fork();
    if (run == 0) {
      try {
        body();
      } catch (...) {
      }
      ::kill(::getpid(), SIGKILL);
    }
    bool killed = false;
    for (;;) {
      int status = 0;
      const pid_t ended = ::waitpid(-1, &status, 0);
      if (ended < 0 && errno == EINTR) continue;
      if (ended < 0) break;
      if (ended == run) killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
    ::_exit(run > 0 && killed ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(keeper, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kr::testing
