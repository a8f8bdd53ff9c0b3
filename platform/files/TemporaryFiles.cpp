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
#include <array>
#include <atomic>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/files/NativePath.h"
#include "platform/files/Places.h"
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

// Whether `name` in the folder `folder` still names the held file `file`.
// While the file is held its inode number goes to no other file, so the
// same device and inode is that very file. Safe in a forked child.
bool StillNames(int folder, const char* name, int file) {
  struct stat held {};
  struct stat named {};
  return ::fstat(file, &held) == 0 && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         SameFile(held, named);
}

// Deletes `name` from the folder `folder` when it still names the held file
// `file`. The system has no "delete this name only if it is that file": a
// file that another program renames onto the name between the look and the
// deletion is deleted instead. The folder held open keeps that window to
// this one folder, however it or the folders above it are moved.
void DeleteIfStillNamed(int folder, const char* name, int file) {
  if (StillNames(folder, name, file)) ::unlinkat(folder, name, 0);
}

// Closes every descriptor but those of `keep`.
template <std::size_t N>
void CloseAllBut(std::array<int, N> keep) {
  std::sort(keep.begin(), keep.end());
  int next = 0;
  for (int fd : keep) {
    if (fd > next) {
      if (::close_range(static_cast<unsigned>(next), static_cast<unsigned>(fd - 1), 0) != 0) {
        for (int each = next; each < fd; ++each) ::close(each);
      }
    }
    next = std::max(next, fd + 1);
  }
  if (::close_range(static_cast<unsigned>(next), ~0U, 0) != 0) {
    for (int each = next; each < 65536; ++each) ::close(each);
  }
}

// The watcher's whole life, in the child of a fork: only calls that are safe
// there (nothing allocates). It keeps nothing of the program's open but its
// socket, the work file and its folder (the program's files, locks and
// pipes are the program's to close), waits for its word or for its end, and
// on an end without a word deletes the work file, when the name is still
// that file. Its own descriptor of the file keeps the file's inode number
// from another file once the program is gone.
[[noreturn]] void Watch(int socket, int folder, int file, const char* name) {
  ::setsid();  // a signal to the program's group (Ctrl+C, a kill of the group) spares it
  CloseAllBut(std::array<int, 3>{socket, folder, file});
  char word = 0;
  ssize_t got = 0;
  do {
    got = ::read(socket, &word, 1);
  } while (got < 0 && errno == EINTR);
  if (got == 0) DeleteIfStillNamed(folder, name, file);
  ::_exit(0);
}

struct Watcher {
  int Socket = -1;
  pid_t Pid = -1;
};

// Starts the process that deletes the held file `file`, named `name` in the
// held folder `folder`, should this process end first. None when the system
// will not give one: the file is then left behind by a kill, as any file
// would be.
Watcher StartWatcher(int folder, int file, const std::string& name) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) Watch(ends[1], folder, file, name.c_str());
  ::close(ends[1]);
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
  // The folder is reached as every write reaches it and held, and the file
  // made in that very folder; no read right on it is needed.
  detail::WritePlace place = detail::FindWritePlace(native, false);
  Name_ = place.Name();
  const int folder = ::fcntl(place.Folder(), F_DUPFD_CLOEXEC, 0);
  if (folder < 0) detail::RaiseFileError(errno, native);
  // Made new, never through a link: another's file or link at the name is never touched.
  const int file = ::openat(folder, Name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (file < 0) {
    const int err = errno;
    ::close(folder);
    if (err == EEXIST) Raise(ErrFileAlreadyExists);
    detail::RaiseFileError(err, native);
  }
  const Watcher watcher = StartWatcher(folder, file, Name_);
  Folder_ = folder;
  File_ = file;
  Watch_ = watcher.Socket;
  Watcher_ = watcher.Pid;
}

WorkFile::WorkFile(WorkFile&& other) noexcept
    : Name_(std::move(other.Name_)),
      Folder_(std::exchange(other.Folder_, -1)),
      File_(std::exchange(other.File_, -1)),
      Watch_(std::exchange(other.Watch_, -1)),
      Watcher_(std::exchange(other.Watcher_, -1)) {}

WorkFile& WorkFile::operator=(WorkFile&& other) noexcept {
  if (this != &other) {
    Remove();
    Name_ = std::move(other.Name_);
    Folder_ = std::exchange(other.Folder_, -1);
    File_ = std::exchange(other.File_, -1);
    Watch_ = std::exchange(other.Watch_, -1);
    Watcher_ = std::exchange(other.Watcher_, -1);
  }
  return *this;
}

WorkFile::~WorkFile() { Remove(); }

void WorkFile::Remove() {
  if (File_ >= 0) DeleteIfStillNamed(Folder_, Name_.c_str(), File_);
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
  if (File_ >= 0) ::close(File_);
  if (Folder_ >= 0) ::close(Folder_);
  Name_.clear();
  Folder_ = -1;
  File_ = -1;
  Watch_ = -1;
  Watcher_ = -1;
}

}  // namespace vb
