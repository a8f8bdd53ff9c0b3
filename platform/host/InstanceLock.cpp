#include "platform/host/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace host {
namespace {

[[noreturn]] void RaiseLockError(const std::string& path) {
  vb::Raise(vb::ErrPathFileAccess, "No se puede crear el archivo de bloqueo: " + path);
}

}  // namespace

std::string RuntimeFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/') return runtime;
  std::string folder = "/tmp/kr917-" + vb::NumberText(static_cast<long>(::getuid()));
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseLockError(folder);
  // Another user could have made the folder first to catch our lock files.
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
      (st.st_mode & 077) != 0) {
    RaiseLockError(folder);
  }
  return folder;
}

InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::TryAcquire(std::string_view programName) {
  if (Fd_ >= 0) return true;
  std::string name(programName);
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  std::string path = (Folder_.empty() ? RuntimeFolder() : Folder_) + "/" + name + ".lock";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) RaiseLockError(path);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int err = errno;
    ::close(fd);
    if (err != EWOULDBLOCK) RaiseLockError(path);
    PrevInstance_ = true;
    return false;
  }
  // The holder's process id, for whoever looks at the file.
  std::string pid = vb::NumberText(static_cast<long>(::getpid())) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] ssize_t written = ::write(fd, pid.data(), pid.size());
  }
  Fd_ = fd;
  PrevInstance_ = false;
  return true;
}

void InstanceLock::Release() {
  if (Fd_ < 0) return;
  ::close(Fd_);  // closing the only descriptor drops the flock
  Fd_ = -1;
}

}  // namespace host
