#include "platform/files/TemporaryFiles.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/files/NativePath.h"
#include "platform/files/SystemError.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace vb {
namespace {

constexpr std::string_view kSuffix = ".tmp";

// The next temporary name beside the file `name`: ".NAME.<pid>.<n>.tmp".
std::string NextTemporaryName(const std::string& name) {
  static std::atomic<long> counter{0};
  return "." + name + "." + NumberText(::getpid()) + "." + NumberText(counter++) + std::string(kSuffix);
}

// A run of 1 to `most` decimal digits, as a number; nothing otherwise.
std::optional<long> Digits(std::string_view text, std::size_t most) {
  if (text.empty() || text.size() > most) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The process a temporary name tells was its maker; nothing for any other name.
std::optional<pid_t> TemporaryProcess(std::string_view name) {
  if (!name.starts_with('.') || !name.ends_with(kSuffix)) return std::nullopt;
  std::string_view rest = name.substr(1, name.size() - 1 - kSuffix.size());
  const std::size_t counterDot = rest.rfind('.');
  if (counterDot == std::string_view::npos || !Digits(rest.substr(counterDot + 1), 19)) return std::nullopt;
  rest = rest.substr(0, counterDot);
  const std::size_t pidDot = rest.rfind('.');
  if (pidDot == std::string_view::npos) return std::nullopt;
  const std::optional<long> pid = Digits(rest.substr(pidDot + 1), 10);
  const std::string_view base = rest.substr(0, pidDot);
  if (!pid || *pid <= 0 || *pid > INT_MAX || base.empty() || base == "." || base == "..") return std::nullopt;
  return static_cast<pid_t>(*pid);
}

// Only a process that is certainly gone counts as not running: one of
// another user answers EPERM, and is running.
bool Running(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// What a dead run of this system leaves under a temporary name: a plain file
// of the running user's with that one name. Another user's, a link, a folder
// or a file that has a second name somewhere is not ours to remove.
bool LeftByARun(const struct stat& st) {
  return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the temporary name `name` of the folder `folder` (an open
// descriptor) when a dead run left it and nobody holds it; that name alone.
void RemoveIfLeftOver(int folder, const std::string& name) {
  struct stat seen {};
  if (::fstatat(folder, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0 || !LeftByARun(seen)) return;
  // Opened only once known for a plain file: opening a device or a pipe may act on it.
  const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat held {};
  if (::fstat(fd, &held) == 0 && SameFile(held, seen) && LeftByARun(held) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    struct stat now {};
    if (::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(now, held)) {
      ::unlinkat(folder, name.c_str(), 0);
    }
  }
  ::close(fd);
}

// Whether the native path still names the file (device, inode).
bool StillThere(const std::string& path, dev_t device, ino_t inode) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && st.st_dev == device && st.st_ino == inode;
}

// Closes the descriptors from `first` to `last`, both included.
void CloseDescriptors(int first, int last) {
  if (first > last) return;
  if (::close_range(static_cast<unsigned>(first), static_cast<unsigned>(last), 0) == 0) return;
  for (int fd = first; fd <= last && fd < 65536; ++fd) ::close(fd);
}

// The watcher's whole life, in the child of a fork: only calls that are safe
// there (nothing allocates). It keeps nothing of the program's open (its
// files, locks and pipes are the program's to close), waits for its word or
// for its end, and on an end without a word deletes the work file, when the
// name is still that file.
[[noreturn]] void Watch(int socket, int folder, const char* name, dev_t device, ino_t inode) {
  ::setsid();  // a signal to the program's group (Ctrl+C, a kill of the group) spares it
  const int low = std::min(socket, folder);
  const int high = std::max(socket, folder);
  CloseDescriptors(0, low - 1);
  CloseDescriptors(low + 1, high - 1);
  CloseDescriptors(high + 1, INT_MAX);
  char word = 0;
  ssize_t got = 0;
  do {
    got = ::read(socket, &word, 1);
  } while (got < 0 && errno == EINTR);
  struct stat st {};
  if (got == 0 && ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_dev == device &&
      st.st_ino == inode) {
    ::unlinkat(folder, name, 0);
  }
  ::_exit(0);
}

struct Watcher {
  int Socket = -1;
  pid_t Pid = -1;
};

// Starts the process that deletes the native path's file (device, inode)
// should this process end first. None when the system will not give one:
// the file is then left behind by a kill, as any file would be.
Watcher StartWatcher(const std::string& native, dev_t device, ino_t inode) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return {};
  // The folder held open: the name is found again there even if the program changes its current folder.
  const int folder = ::open(detail::ParentFolder(native).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const std::string name = native.substr(native.rfind('/') + 1);
  const pid_t pid = folder < 0 ? -1 : ::fork();
  if (pid == 0) Watch(ends[1], folder, name.c_str(), device, inode);
  ::close(ends[1]);
  if (folder >= 0) ::close(folder);
  if (pid < 0) {
    ::close(ends[0]);
    return {};
  }
  return {ends[0], pid};
}

}  // namespace

namespace detail {

int CreateTemporary(int folder, const std::string& name, const std::string& target, std::string& tempName) {
  for (;;) {
    tempName = NextTemporaryName(name);
    const int fd = ::openat(folder, tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);  // a file system without locks still has the process number
      return fd;
    }
    if (errno != EEXIST && errno != EINTR) RaiseFileError(errno, target);
  }
}

void RemoveStaleTemporaries(int folder) {
  const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return;
  DIR* dir = ::fdopendir(listed);
  if (dir == nullptr) {
    ::close(listed);
    return;
  }
  // Read whole first: the folder is not changed while it is being read.
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(dir)) {
    const std::optional<pid_t> maker = TemporaryProcess(entry->d_name);
    if (!maker || *maker == ::getpid() || Running(*maker)) continue;
    stale.emplace_back(entry->d_name);
  }
  for (const std::string& name : stale) RemoveIfLeftOver(::dirfd(dir), name);
  ::closedir(dir);
}

}  // namespace detail

WorkFile::WorkFile(std::string_view path) {
  const std::string native = NativePath(path);
  // Made new, never through a link: another's file or link at the name is never touched.
  const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) Raise(ErrFileAlreadyExists);
    detail::RaiseFileError(errno, native);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    // Not known for the file just made, the name may be another's by now: it stays.
    const int err = errno;
    ::close(fd);
    detail::RaiseFileError(err, native);
  }
  ::close(fd);
  const Watcher watcher = StartWatcher(native, st.st_dev, st.st_ino);
  Path_ = native;
  Watch_ = watcher.Socket;
  Watcher_ = watcher.Pid;
  Device_ = st.st_dev;
  Inode_ = st.st_ino;
}

WorkFile::WorkFile(WorkFile&& other) noexcept
    : Path_(std::exchange(other.Path_, {})),
      Watch_(std::exchange(other.Watch_, -1)),
      Watcher_(std::exchange(other.Watcher_, -1)),
      Device_(other.Device_),
      Inode_(other.Inode_) {}

WorkFile& WorkFile::operator=(WorkFile&& other) noexcept {
  if (this != &other) {
    Remove();
    Path_ = std::exchange(other.Path_, {});
    Watch_ = std::exchange(other.Watch_, -1);
    Watcher_ = std::exchange(other.Watcher_, -1);
    Device_ = other.Device_;
    Inode_ = other.Inode_;
  }
  return *this;
}

WorkFile::~WorkFile() { Remove(); }

void WorkFile::Remove() {
  if (!Path_.empty() && StillThere(Path_, Device_, Inode_)) ::unlink(Path_.c_str());
  if (Watch_ >= 0) {
    // A word before the end: the watcher then leaves the name alone, which may be another's by now.
    const char word = 1;
    ::send(Watch_, &word, 1, MSG_NOSIGNAL);
    ::close(Watch_);
  }
  // A copy of this object in a forked process has no watcher of its own to wait for (ECHILD).
  if (Watcher_ > 0) {
    while (::waitpid(Watcher_, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  Path_.clear();
  Watch_ = -1;
  Watcher_ = -1;
}

}  // namespace vb
