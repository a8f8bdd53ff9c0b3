#include "platform/files/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/NativePath.h"
#include "platform/files/Places.h"
#include "platform/files/SystemError.h"
#include "platform/files/TemporaryFiles.h"
#include "platform/text/Error.h"

namespace vb {
namespace {

// A file its user may not write is not replaced, though its folder would allow it.
void RequireWritable(const detail::WritePlace& place, const std::string& native) {
  if (::faccessat(place.Folder(), place.Name().c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) {
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

void SyncFolder(int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

}  // namespace

std::string ReadFileBytes(std::string_view path) {
  const std::string native = NativePath(path);
  struct stat st {};
  const int fd = detail::OpenToRead(native, st);
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
  const std::string native = NativePath(path);
  const detail::WritePlace place = detail::FindWritePlace(native, links == Links::FollowOwn);
  const int folder = place.Folder();
  const char* name = place.Name().c_str();
  // The name itself, not what a link there leads to: the rename replaces the link.
  struct stat old {};
  const bool existing = ::fstatat(folder, name, &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (existing && S_ISDIR(old.st_mode)) Raise(ErrPathFileAccess);
  const bool replacing = existing && S_ISREG(old.st_mode);
  if (replacing) RequireWritable(place, native);

  detail::RemoveStaleTemporaries(folder);
  std::string tempName;
  int fd = detail::CreateTemporary(folder, place.Name(), native, tempName);
  try {
    detail::WriteAll(fd, bytes, native);
    if (replacing) KeepOwnerAndMode(fd, old, native);
    if (::fsync(fd) != 0) detail::RaiseFileError(errno, native);
    if (::close(fd) != 0) {
      fd = -1;
      detail::RaiseFileError(errno, native);
    }
    fd = -1;
    if (::renameat(folder, tempName.c_str(), folder, name) != 0) detail::RaiseFileError(errno, native);
  } catch (...) {
    if (fd >= 0) ::close(fd);
    ::unlinkat(folder, tempName.c_str(), 0);
    throw;
  }
  SyncFolder(folder);
}

void CheckWritable(std::string_view path, Links links) {
  const std::string native = NativePath(path);
  const detail::WritePlace place = detail::FindWritePlace(native, links == Links::FollowOwn);
  struct stat st {};
  if (::fstatat(place.Folder(), place.Name().c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
    RequireWritable(place, native);
  }
}

}  // namespace vb
