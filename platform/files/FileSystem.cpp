#include "platform/files/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "platform/files/NativePath.h"
#include "platform/files/Places.h"
#include "platform/files/SystemError.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Error.h"

namespace vb {

void Kill(std::string_view path) {
  const std::string native = NativePath(path);
  const detail::WritePlace place = detail::FindWritePlace(native, false);
  struct stat st {};
  if (::fstatat(place.Folder(), place.Name().c_str(), &st, 0) == 0 && S_ISDIR(st.st_mode)) Raise(ErrFileNotFound);
  if (::unlinkat(place.Folder(), place.Name().c_str(), 0) != 0) detail::RaiseFileError(errno, native);
}

void FileCopy(std::string_view source, std::string_view destination) {
  WriteFileAtomically(destination, ReadFileBytes(source));
}

void Name(std::string_view oldPath, std::string_view newPath) {
  const std::string from = NativePath(oldPath);
  const detail::WritePlace old = detail::FindWritePlace(from, false);
  struct stat st {};
  if (::fstatat(old.Folder(), old.Name().c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    detail::RaiseFileError(ENOENT, from);
  }
  const std::string to = NativePath(newPath);
  const detail::WritePlace now = detail::FindWritePlace(to, false);
  // RENAME_NOREPLACE: VB refuses to rename over an existing file, and the
  // check must not leave a gap in which another program creates it.
  const char* oldName = old.Name().c_str();
  const char* newName = now.Name().c_str();
  if (::renameat2(old.Folder(), oldName, now.Folder(), newName, RENAME_NOREPLACE) == 0) return;
  int err = errno;
  if (err == EINVAL) {  // a file system without RENAME_NOREPLACE
    if (::fstatat(now.Folder(), newName, &st, AT_SYMLINK_NOFOLLOW) == 0) Raise(58);
    if (::renameat(old.Folder(), oldName, now.Folder(), newName) == 0) return;
    err = errno;
  }
  if (err == EEXIST || err == ENOTEMPTY) Raise(58);
  if (err == EXDEV) Raise(74);
  detail::RaiseFileError(err, to);
}

void MkDir(std::string_view path) {
  const std::string native = NativePath(path);
  const detail::WritePlace place = detail::FindWritePlace(native, false);
  if (::mkdirat(place.Folder(), place.Name().c_str(), 0777) != 0) detail::RaiseFileError(errno, native);
}

void ChDir(std::string_view path) {
  std::string native = NativePath(path);
  if (::chdir(native.c_str()) == 0) return;
  if (errno == ENOENT || errno == ENOTDIR) Raise(ErrPathNotFound);
  detail::RaiseFileError(errno, native);
}

std::string CurDir() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) detail::RaiseFileError(errno, ".");
  return buffer;
}

std::string ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

}  // namespace vb
