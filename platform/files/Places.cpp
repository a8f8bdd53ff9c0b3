#include "platform/files/Places.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <utility>
#include <vector>

#include "platform/files/SystemError.h"
#include "platform/text/Error.h"

namespace vb::detail {
namespace {

constexpr int kMostLinks = 40;

// A descriptor closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : Fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : Fd_(std::exchange(other.Fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      if (Fd_ >= 0) ::close(Fd_);
      Fd_ = std::exchange(other.Fd_, -1);
    }
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (Fd_ >= 0) ::close(Fd_);
  }
  int Get() const { return Fd_; }
  int Release() { return std::exchange(Fd_, -1); }

 private:
  int Fd_ = -1;
};

// The components of a native path or a link's target, last first, so the
// next one to walk is at the back.
void PushComponents(std::string_view path, std::vector<std::string>& pending) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t slash = path.find('/', start);
    if (slash == std::string_view::npos) slash = path.size();
    if (slash > start) parts.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

Descriptor OpenFolder(const char* folder, const std::string& native) {
  const int fd = ::open(folder, O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) RaiseFileError(errno, native);
  return Descriptor(fd);
}

// A link leads on only when its user is the one running, or root: in a folder
// others may write, another user's link would make this user write wherever
// that user chose.
bool LeadsOn(const struct stat& link) { return link.st_uid == ::geteuid() || link.st_uid == 0; }

// The target of the link open at `link`, read through the very descriptor
// whose owner was checked, so no other link can take its place in between.
std::string LinkTarget(int link, const std::string& native) {
  std::string target(PATH_MAX, '\0');
  const ssize_t length = ::readlinkat(link, "", target.data(), target.size());
  if (length < 0) RaiseFileError(errno, native);
  if (length == 0 || static_cast<std::size_t>(length) >= target.size()) Raise(ErrPathFileAccess);
  target.resize(static_cast<std::size_t>(length));
  return target;
}

}  // namespace

int OpenToRead(const std::string& native, struct stat& st) {
  // Without O_NONBLOCK, opening a named pipe nobody writes to waits for a writer.
  const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) RaiseFileError(errno, native);
  KeepPlainFile(fd, st, native);
  return fd;
}

void KeepPlainFile(int fd, struct stat& st, const std::string& native) {
  // Told by the descriptor, not the name: the name may be another thing by now.
  int err = 0;
  if (::fstat(fd, &st) != 0) {
    err = errno;
  } else if (!S_ISREG(st.st_mode)) {
    err = EISDIR;  // refused as a folder is
  } else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    err = errno;
  }
  if (err == 0) return;
  ::close(fd);
  RaiseFileError(err, native);
}

WritePlace::~WritePlace() {
  if (Folder_ >= 0) ::close(Folder_);
}

WritePlace FindWritePlace(const std::string& native, bool followName) {
  if (native.empty()) RaiseFileError(ENOENT, native);
  // Walked a component at a time, the path meets no limit of its length: the
  // one the system holds every path to stays.
  if (native.size() >= PATH_MAX) RaiseFileError(ENAMETOOLONG, native);
  std::vector<std::string> pending;
  PushComponents(native, pending);
  if (pending.empty()) Raise(ErrPathFileAccess);  // the root folder itself
  Descriptor folder = OpenFolder(native.front() == '/' ? "/" : ".", native);
  int links = 0;
  for (;;) {
    const std::string part = std::move(pending.back());
    pending.pop_back();
    const bool last = pending.empty();
    if (part == "." && !last) continue;
    if (last && !followName) return WritePlace(folder.Release(), part);
    Descriptor next(::openat(folder.Get(), part.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (next.Get() < 0) {
      const int err = errno;
      if (last && err == ENOENT) return WritePlace(folder.Release(), part);  // made by the write
      if (err == ENOENT || err == ENOTDIR) Raise(ErrPathNotFound);
      RaiseFileError(err, native);
    }
    struct stat st {};
    if (::fstat(next.Get(), &st) != 0) RaiseFileError(errno, native);
    if (S_ISLNK(st.st_mode)) {
      if (!LeadsOn(st)) Raise(ErrPathFileAccess);
      if (++links > kMostLinks) RaiseFileError(ELOOP, native);
      const std::string target = LinkTarget(next.Get(), native);
      PushComponents(target, pending);
      if (target.front() == '/') folder = OpenFolder("/", native);
      // A target of "/" alone names the root folder, no file.
      if (pending.empty()) return WritePlace(folder.Release(), ".");
      continue;
    }
    if (last) return WritePlace(folder.Release(), part);
    if (!S_ISDIR(st.st_mode)) Raise(ErrPathNotFound);
    folder = std::move(next);
  }
}

}  // namespace vb::detail
