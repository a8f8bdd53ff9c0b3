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
#include "platform/files/SystemError.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Error.h"

namespace vb {

void Kill(std::string_view path) {
  std::string native = NativePath(path);
  struct stat st {};
  if (::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) Raise(ErrFileNotFound);
  if (::unlink(native.c_str()) != 0) detail::RaiseFileError(errno, native);
}

void FileCopy(std::string_view source, std::string_view destination) {
  WriteFileAtomically(destination, ReadFileBytes(source));
}

void Name(std::string_view oldPath, std::string_view newPath) {
  std::string from = NativePath(oldPath);
  std::string to = NativePath(newPath);
  if (!detail::Exists(from)) detail::RaiseFileError(ENOENT, from);
  // RENAME_NOREPLACE: VB refuses to rename over an existing file, and the
  // check must not leave a gap in which another program creates it.
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
  int err = errno;
  if (err == EINVAL) {  // a file system without RENAME_NOREPLACE
    if (detail::Exists(to)) Raise(58);
    if (::rename(from.c_str(), to.c_str()) == 0) return;
    err = errno;
  }
  if (err == EEXIST || err == ENOTEMPTY) Raise(58);
  if (err == EXDEV) Raise(74);
  detail::RaiseFileError(err, to);
}

void MkDir(std::string_view path) {
  std::string native = NativePath(path);
  if (::mkdir(native.c_str(), 0777) != 0) detail::RaiseFileError(errno, native);
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
