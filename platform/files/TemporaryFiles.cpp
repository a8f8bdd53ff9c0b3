#include "platform/files/TemporaryFiles.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The next temporary name beside `target`: ".NAME.<pid>.<n>.tmp".
std::string NextTemporaryName(const std::string& target) {
  static std::atomic<long> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
  return folder + "." + base + "." + NumberText(::getpid()) + "." + NumberText(counter++) + std::string(kSuffix);
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

struct TemporaryName {
  std::string Base;
  pid_t Pid = 0;
};

// What a temporary name tells: the name it stands beside and its process.
std::optional<TemporaryName> ReadTemporaryName(std::string_view name) {
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
  return TemporaryName{std::string(base), static_cast<pid_t>(*pid)};
}

// Only a process that is certainly gone counts as not running: one of
// another user answers EPERM, and is running.
bool Running(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// Removes the temporary name `name` of the folder `folder` (an open
// descriptor) when nobody holds it, with the file it marks while they are
// still one file.
void RemoveIfUnheld(int folder, const std::string& name, const std::string& base) {
  const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat mark {};
  if (::fstat(fd, &mark) == 0 && S_ISREG(mark.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    struct stat marked {};
    if (::fstatat(folder, base.c_str(), &marked, AT_SYMLINK_NOFOLLOW) == 0 && marked.st_dev == mark.st_dev &&
        marked.st_ino == mark.st_ino) {
      ::unlinkat(folder, base.c_str(), 0);
    }
    ::unlinkat(folder, name.c_str(), 0);
  }
  ::close(fd);
}

// Whether the native path still names the file (device, inode).
bool StillThere(const std::string& path, dev_t device, ino_t inode) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && st.st_dev == device && st.st_ino == inode;
}

}  // namespace

namespace detail {

int CreateTemporary(const std::string& target, std::string& tempName) {
  for (;;) {
    tempName = NextTemporaryName(target);
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);  // a file system without locks still has the process number
      return fd;
    }
    if (errno != EEXIST && errno != EINTR) RaiseFileError(errno, target);
  }
}

void RemoveStaleTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  // Read whole first: the folder is not changed while it is being read.
  std::vector<std::pair<std::string, TemporaryName>> stale;
  while (const dirent* entry = ::readdir(dir)) {
    std::optional<TemporaryName> temporary = ReadTemporaryName(entry->d_name);
    if (!temporary || temporary->Pid == ::getpid() || Running(temporary->Pid)) continue;
    stale.emplace_back(entry->d_name, std::move(*temporary));
  }
  for (const auto& [name, temporary] : stale) RemoveIfUnheld(::dirfd(dir), name, temporary.Base);
  ::closedir(dir);
}

}  // namespace detail

WorkFile::WorkFile(std::string_view path) {
  const std::string native = NativePath(path);
  detail::RemoveStaleTemporaries(detail::ParentFolder(native));
  std::string mark;
  const int fd = detail::CreateTemporary(native, mark);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(mark.c_str());
    detail::RaiseFileError(err, native);
  }
  // The link is made only where no file of that name is: another's file is never touched.
  if (::link(mark.c_str(), native.c_str()) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(mark.c_str());
    if (err == EEXIST) Raise(ErrFileAlreadyExists);
    if (err != EPERM && err != EOPNOTSUPP && err != EMLINK) detail::RaiseFileError(err, native);
    // A file system without hard links: the file alone, which a kill leaves behind.
    const int plain = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (plain < 0) {
      if (errno == EEXIST) Raise(ErrFileAlreadyExists);
      detail::RaiseFileError(errno, native);
    }
    if (::fstat(plain, &st) != 0) st = {};
    ::close(plain);
    mark.clear();
  } else {
    Fd_ = fd;
  }
  Path_ = native;
  Mark_ = mark;
  Device_ = st.st_dev;
  Inode_ = st.st_ino;
}

WorkFile::WorkFile(WorkFile&& other) noexcept
    : Path_(std::exchange(other.Path_, {})),
      Mark_(std::exchange(other.Mark_, {})),
      Fd_(std::exchange(other.Fd_, -1)),
      Device_(other.Device_),
      Inode_(other.Inode_) {}

WorkFile& WorkFile::operator=(WorkFile&& other) noexcept {
  if (this != &other) {
    Remove();
    Path_ = std::exchange(other.Path_, {});
    Mark_ = std::exchange(other.Mark_, {});
    Fd_ = std::exchange(other.Fd_, -1);
    Device_ = other.Device_;
    Inode_ = other.Inode_;
  }
  return *this;
}

WorkFile::~WorkFile() { Remove(); }

void WorkFile::Remove() {
  // The file first: should this be cut short, the hidden name still proves it ours.
  if (!Path_.empty() && StillThere(Path_, Device_, Inode_)) ::unlink(Path_.c_str());
  if (!Mark_.empty() && StillThere(Mark_, Device_, Inode_)) ::unlink(Mark_.c_str());
  if (Fd_ >= 0) ::close(Fd_);
  Path_.clear();
  Mark_.clear();
  Fd_ = -1;
}

}  // namespace vb
