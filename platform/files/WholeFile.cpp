#include "platform/files/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include "platform/files/NativePath.h"
#include "platform/files/SystemError.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace vb {
namespace {

// Creates a fresh temporary file beside `target`; answers its descriptor and name.
int CreateTemporary(const std::string& target, std::string& tempName) {
  static std::atomic<long> counter{0};
  std::size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
  for (;;) {
    tempName = folder + "." + base + "." + NumberText(::getpid()) + "." + NumberText(counter++) + ".tmp";
    int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST && errno != EINTR) detail::RaiseFileError(errno, target);
  }
}

void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

}  // namespace

std::string ReadFileBytes(std::string_view path) {
  std::string native = NativePath(path);
  int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) detail::RaiseFileError(errno, native);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    Raise(ErrPathFileAccess);
  }
  try {
    std::string bytes = detail::ReadAll(fd, native);
    ::close(fd);
    return bytes;
  } catch (...) {
    ::close(fd);
    throw;
  }
}

void WriteFileAtomically(std::string_view path, std::string_view bytes) {
  std::string native = NativePath(path);
  struct stat old {};
  bool replacing = ::stat(native.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) Raise(ErrPathFileAccess);

  std::string tempName;
  int fd = CreateTemporary(native, tempName);
  try {
    detail::WriteAll(fd, bytes, native);
    if (replacing) ::fchmod(fd, old.st_mode & 07777);
    if (::fsync(fd) != 0) detail::RaiseFileError(errno, native);
    if (::close(fd) != 0) {
      fd = -1;
      detail::RaiseFileError(errno, native);
    }
    fd = -1;
    if (::rename(tempName.c_str(), native.c_str()) != 0) detail::RaiseFileError(errno, native);
  } catch (...) {
    if (fd >= 0) ::close(fd);
    ::unlink(tempName.c_str());
    throw;
  }
  SyncFolder(detail::ParentFolder(native));
}

}  // namespace vb
