//===- InstanceLock.h - One running copy of a program per user ------------===//
//
// A running program holds an exclusive flock on a file named after it in the
// user's runtime folder. The kernel drops the lock when the process ends in
// any way, a crash or a kill included, so a stale lock never keeps the
// program from starting again.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace host {

/// The user's runtime folder: $XDG_RUNTIME_DIR when set, else /tmp/kr917-<uid>,
/// created readable and writable by the user alone. Error 75 when that folder
/// exists but is not a folder owned by the user and closed to others.
std::string RuntimeFolder();

/// The single-instance lock of a program.
class InstanceLock {
 public:
  /// A lock whose file lies in `folder` (the runtime folder when empty).
  explicit InstanceLock(std::string folder = {}) : Folder_(std::move(folder)) {}
  /// Lets the lock go.
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  /// Takes the lock of `programName` ("KR917"): true when this process now
  /// holds it, false when another running process does. Error 75 when the lock
  /// file cannot be made.
  bool TryAcquire(std::string_view programName);

  /// True when the last TryAcquire found another copy running (`App.PrevInstance`).
  bool PrevInstance() const { return PrevInstance_; }

  /// Lets the lock go before the end of the process.
  void Release();

 private:
  std::string Folder_;
  int Fd_ = -1;
  bool PrevInstance_ = false;
};

}  // namespace host
