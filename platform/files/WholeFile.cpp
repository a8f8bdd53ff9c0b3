#include "platform/files/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <utility>

#include "platform/files/NativePath.h"
#include "platform/files/SystemError.h"
#include "platform/files/TemporaryFiles.h"
#include "platform/text/Error.h"

namespace vb {
namespace {

constexpr int kMostLinks = 40;

// A settings file may be a link to one kept elsewhere: the write goes to the
// file the chain of links ends at, so the links stay and that file changes.
// Only links of this user's or root's lead on: in a folder others may write,
// another user's link would make this user write wherever that user chose.
// Each link is read through the descriptor its owner was checked on, so no
// other link can take its place in between.
std::string OwnLinksEnd(std::string native) {
  for (int hops = 0; hops < kMostLinks; ++hops) {
    const int fd = ::open(native.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return native;  // nothing there yet; the write itself tells the rest
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
      const int err = errno;
      ::close(fd);
      detail::RaiseFileError(err, native);
    }
    if (!S_ISLNK(st.st_mode)) {
      ::close(fd);
      return native;
    }
    if (st.st_uid != ::geteuid() && st.st_uid != 0) {
      ::close(fd);
      Raise(ErrPathFileAccess);
    }
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(fd, "", target.data(), target.size());
    const int err = errno;
    ::close(fd);
    if (length < 0) detail::RaiseFileError(err, native);
    if (static_cast<std::size_t>(length) >= target.size() || length == 0) Raise(ErrPathFileAccess);
    target.resize(static_cast<std::size_t>(length));
    native = target.front() == '/' ? target : detail::ParentFolder(native) + "/" + target;
  }
  detail::RaiseFileError(ELOOP, native);
}

// The native path a write of `path` replaces.
std::string WrittenPath(std::string_view path, Links links) {
  std::string native = NativePath(path);
  return links == Links::FollowOwn ? OwnLinksEnd(std::move(native)) : native;
}

// A file its user may not write is not replaced, though its folder would allow it.
void RequireWritable(const std::string& native) {
  if (::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) {
    detail::RaiseFileError(errno, native);
  }
}

// The new file takes the old one's owner, group and mode; a user who may
// not give it them (the file is another user's) does not replace it.
void KeepOwnerAndMode(int fd, const struct stat& old, const std::string& native) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) detail::RaiseFileError(errno, native);
  if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    detail::RaiseFileError(errno, native);
  }
  // After the owner: a change of owner clears the set-id bits.
  if (::fchmod(fd, old.st_mode & 07777) != 0) detail::RaiseFileError(errno, native);
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

void WriteFileAtomically(std::string_view path, std::string_view bytes, Links links) {
  const std::string native = WrittenPath(path, links);
  // The name itself, not what a link there leads to: the rename replaces the link.
  struct stat old {};
  const bool existing = ::lstat(native.c_str(), &old) == 0;
  if (existing && S_ISDIR(old.st_mode)) Raise(ErrPathFileAccess);
  const bool replacing = existing && S_ISREG(old.st_mode);
  if (replacing) RequireWritable(native);

  detail::RemoveStaleTemporaries(detail::ParentFolder(native));
  std::string tempName;
  int fd = detail::CreateTemporary(native, tempName);
  try {
    detail::WriteAll(fd, bytes, native);
    if (replacing) KeepOwnerAndMode(fd, old, native);
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

void CheckWritable(std::string_view path, Links links) {
  const std::string native = WrittenPath(path, links);
  struct stat st {};
  if (::lstat(native.c_str(), &st) == 0 && S_ISREG(st.st_mode)) RequireWritable(native);
}

}  // namespace vb
