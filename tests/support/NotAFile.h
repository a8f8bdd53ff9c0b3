//===- NotAFile.h - What another user may put where a file is read -------===//
//
// A pipe, a socket, a folder or a device at a file's name: each must be
// answered at once as a file that cannot be read. A reader that waits on
// one is run in a child process, so that a hang fails its test instead of
// hanging the suite.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "tests/support/WaitLimit.h"

namespace kr::testing {

/// What stands at the name instead of a file.
enum class NotAFile {
  Pipe,       // a named pipe nobody writes to
  HeldPipe,   // a named pipe another program holds open and never writes to
  Socket,     // a listening socket
  Folder,     // an empty folder
  Device,     // a link to a character device (/dev/null)
};

struct NotAFileCase {
  NotAFile Kind;
  const char* What;
};

inline constexpr NotAFileCase kNotAFile[] = {
    {NotAFile::Pipe, "a named pipe"},
    {NotAFile::HeldPipe, "a named pipe held open by another program"},
    {NotAFile::Socket, "a socket"},
    {NotAFile::Folder, "a folder"},
    {NotAFile::Device, "a link to a device"},
};

/// Puts what `kind` says at the native path `path` (nothing may stand there)
/// and takes it away again when it goes, together with whatever it holds open.
class Planted {
 public:
  Planted(NotAFile kind, std::string path) : Path_(std::move(path)) {
    switch (kind) {
      case NotAFile::Pipe:
      case NotAFile::HeldPipe:
        if (::mkfifo(Path_.c_str(), 0666) != 0) throw std::runtime_error("mkfifo " + Path_);
        // Open for reading and writing, the pipe has a writer that never writes.
        if (kind == NotAFile::HeldPipe) Held_ = ::open(Path_.c_str(), O_RDWR | O_CLOEXEC);
        break;
      case NotAFile::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (Path_.size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long: " + Path_);
        std::memcpy(address.sun_path, Path_.c_str(), Path_.size() + 1);
        Held_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(Held_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(Held_, 1) != 0) {
          throw std::runtime_error("socket " + Path_);
        }
        break;
      }
      case NotAFile::Folder:
        std::filesystem::create_directory(Path_);
        break;
      case NotAFile::Device:
        std::filesystem::create_symlink("/dev/null", Path_);
        break;
    }
  }
  ~Planted() {
    if (Held_ >= 0) ::close(Held_);
    std::error_code ec;
    std::filesystem::remove_all(Path_, ec);
  }
  Planted(const Planted&) = delete;
  Planted& operator=(const Planted&) = delete;

 private:
  std::string Path_;
  int Held_ = -1;
};

/// Runs `body` in a child process and answers the text it answers (an
/// exception's as "exception: ..."), or nothing when the child has not
/// answered by `deadline`: it is killed then.
inline std::optional<std::string> AnswerInChild(const std::function<std::string()>& body,
                                                std::chrono::steady_clock::time_point deadline) {
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string answer;
    try {
      answer = body();
    } catch (const std::exception& e) {
      answer = std::string("exception: ") + e.what();
    } catch (...) {
      answer = "exception";
    }
    for (std::size_t done = 0; done < answer.size();) {
      const ssize_t n = ::write(pipeEnds[1], answer.data() + done, answer.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string answer;
  bool ended = false;
  while (!ended) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd readable{pipeEnds[0], POLLIN, 0};
    const int ready = ::poll(&readable, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    char buffer[4096];
    const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (n > 0) {
      answer.append(buffer, static_cast<std::size_t>(n));
    } else {
      ended = n == 0;
      if (n < 0 && errno != EINTR) break;
    }
  }
  ::close(pipeEnds[0]);
  if (!ended) ::kill(child, SIGKILL);
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  if (!ended) return std::nullopt;
  return answer;
}

/// The deadline for a table of cases that each may hang: one wait limit for them all.
inline std::chrono::steady_clock::time_point HangDeadline() { return std::chrono::steady_clock::now() + kWaitLimit; }

}  // namespace kr::testing
