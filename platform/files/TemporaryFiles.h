//===- TemporaryFiles.h - A process's temporary files, and those left behind ===//
//
// A file written whole (WholeFile.h) goes first to a temporary name beside
// it, and a work file that a program deletes once done with it (WorkFile)
// gets a second name of that kind, a hard link to the same file:
//
//   .NAME.<pid>.<n>.tmp
//
// The name tells which process made it, and that process holds it locked
// while it lives. A process killed before it cleaned up leaves such names
// behind; the next write in that folder, by any of the programs, removes
// those whose process no longer runs and that nobody holds locked (a
// process of another machine that shares the folder holds its lock), and
// removes NAME with its hidden name only while both are still one file.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace vb {

/// A work file of this process, deleted when the object is done with it.
/// It is made new and empty at the program path `path` together with its
/// hidden name, so that it never outlives its process for long: should the
/// process die first, the next write in that folder removes it.
class WorkFile {
 public:
  WorkFile() = default;
  /// Creates the file. Errors: 58 when `path` exists already (nothing is
  /// touched then), 76 path not found, 75 access refused.
  explicit WorkFile(std::string_view path);
  WorkFile(WorkFile&& other) noexcept;
  WorkFile& operator=(WorkFile&& other) noexcept;
  WorkFile(const WorkFile&) = delete;
  WorkFile& operator=(const WorkFile&) = delete;
  /// Removes the file and its hidden name, as Remove.
  ~WorkFile();

  /// Deletes the file, unless it was deleted or replaced meanwhile, and its
  /// hidden name. Never fails: whatever cannot be deleted stays.
  void Remove();

 private:
  std::string Path_;  // native; empty once removed
  std::string Mark_;  // native; empty on a file system without hard links
  int Fd_ = -1;       // holds the lock on Mark_
  dev_t Device_ = 0;
  ino_t Inode_ = 0;
};

namespace detail {

/// Creates a temporary file beside the native path `target`, new (never
/// through a link), locked by this process; answers its descriptor and sets `tempName`. Raises as
/// RaiseFileError.
int CreateTemporary(const std::string& target, std::string& tempName);

/// Removes from the native folder `folder` the temporary names left by
/// processes that no longer run (see above). Best effort: never fails.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace detail
}  // namespace vb
