#include "platform/files/SystemError.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/text/Error.h"

namespace vb::detail {

void RaiseFileError(int err, const std::string& nativePath) {
  switch (err) {
    case ENOENT:
    case ENOTDIR: {
      struct stat st {};
      std::string folder = ParentFolder(nativePath);
      bool folderThere = ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
      Raise(folderThere ? ErrFileNotFound : ErrPathNotFound);
    }
    case ENOSPC:
    case EDQUOT:
      Raise(61);
    case EMFILE:
    case ENFILE:
      Raise(67);
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case EEXIST:
    case ETXTBSY:
    case EBUSY:
    case ENAMETOOLONG:
    case ELOOP:
    case ENXIO:   // a socket, or a pipe with nobody at its other end
    case ENODEV:  // a device without its driver
    case EAGAIN:  // a file another program holds leased
      Raise(ErrPathFileAccess);
    default:
      Raise(57);
  }
}

std::string ReadAll(int fd, const std::string& nativePath) {
  std::string out;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseFileError(errno, nativePath);
    }
    if (n == 0) return out;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

void WriteAll(int fd, std::string_view bytes, const std::string& nativePath) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseFileError(errno, nativePath);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

std::string ParentFolder(const std::string& nativePath) {
  std::string p = nativePath;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  std::size_t slash = p.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return p.substr(0, slash);
}

bool Exists(const std::string& nativePath) {
  struct stat st {};
  return ::lstat(nativePath.c_str(), &st) == 0;
}

}  // namespace vb::detail
