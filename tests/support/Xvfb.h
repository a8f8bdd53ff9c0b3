//===- Xvfb.h - A private X server for a test ----------------------------===//
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/WaitLimit.h"

namespace kr::testing {

// An Xvfb server on a display number it picks itself (-displayfd), so
// parallel tests never collide. Display() is empty when none could start
// (Xvfb missing or failing); the test is then skipped. A server slow to start
// on a loaded machine is waited for, not taken for a missing one.
class Xvfb {
 public:
  /// A server with one screen of `screen` ("WIDTHxHEIGHTxDEPTH").
  explicit Xvfb(const char* screen = "800x600x24") {
    int fds[2];
    if (::pipe(fds) != 0) return;
    Pid_ = ::fork();
    if (Pid_ == 0) {
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server left behind by a test that dies
      ::close(fds[0]);
      int null = ::open("/dev/null", O_RDWR);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
      std::string fd = std::to_string(fds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    while (Pid_ > 0 && number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      if (::poll(&p, 1, 200) <= 0) continue;
      char buffer[16];
      ssize_t n = ::read(fds[0], buffer, sizeof buffer);
      if (n <= 0) break;
      number.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (number.find('\n') != std::string::npos) Display_ = ":" + number.substr(0, number.find('\n'));
  }

  ~Xvfb() { Stop(Pid_); }
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  const std::string& Display() const { return Display_; }

  /// Ends the process `pid` (one the test started): politely, then for sure.
  /// A clean-up, which fails nothing: the grace before the kill stays short.
  static void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
      if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }

 private:
  pid_t Pid_ = -1;
  std::string Display_;
};

}  // namespace kr::testing
