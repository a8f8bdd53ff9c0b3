//===- TemporaryFiles.h - A process's temporary files, and those left behind ===//
//
// A file written whole (WholeFile.h) goes first to a temporary name beside
// it:
//
//   .NAME.<pid>.<n>.tmp
//
// The name tells which process made it, and that process holds it locked
// while it lives. A process killed before it renamed it leaves it behind;
// the next write in that folder, by any of the programs, removes such names
// when they are what a dead run left: a plain file of the running user's,
// with no other name, whose process no longer runs and that nobody holds
// locked (a process of another machine that shares the folder holds its
// lock). Anything else of that form (another user's, a folder, a link, a
// file that also has another name) is not of this system's making and
// stays, and no other name is ever removed for it.
//
// A work file that a program deletes once done with it (WorkFile) is watched
// instead by a small process of its own, which deletes it should the program
// end without doing so. Both hold the file and its folder open while they
// may delete it: a file deleted by someone else keeps its inode number
// until the last holder lets it go, so a later file at the name is never
// taken for it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace vb {

/// A work file of this process, deleted when the object is done with it.
/// It is made new and empty at the program path `path`, and never outlives
/// its process for long: should the process die first, its watcher deletes
/// it (unless it was deleted or replaced meanwhile). Only what kills the
/// watcher too (the machine stopping, a kill of the watcher itself) leaves
/// the file behind. The object holds the file and its folder open until it
/// is removed: the file is found in that folder even if the folder is
/// moved, and no other file is ever taken for it.
class WorkFile {
 public:
  WorkFile() = default;
  /// Creates the file. Errors: 58 when anything stands at `path` already
  /// (nothing is touched then), 76 path not found, 75 access refused.
  explicit WorkFile(std::string_view path);
  WorkFile(WorkFile&& other) noexcept;
  WorkFile& operator=(WorkFile&& other) noexcept;
  WorkFile(const WorkFile&) = delete;
  WorkFile& operator=(const WorkFile&) = delete;
  /// Removes the file, as Remove.
  ~WorkFile();

  /// Deletes the file, unless it was deleted or replaced meanwhile, and lets
  /// its watcher go. Never fails: whatever cannot be deleted stays.
  void Remove();

 private:
  std::string Name_;    // its name in Folder_
  int Folder_ = -1;     // the folder it was made in; -1 once removed
  int File_ = -1;       // the file itself; -1 once removed
  int Watch_ = -1;      // this end of the watcher's socket; -1 without a watcher
  pid_t Watcher_ = -1;  // the watching process
};

namespace detail {

/// Creates a temporary file beside the file `name` of the open folder
/// `folder`, new (never through a link), locked by this process; answers its
/// descriptor and sets `tempName` (a name in that folder). Raises as
/// RaiseFileError for the native path `target` of the file.
int CreateTemporary(int folder, const std::string& name, const std::string& target, std::string& tempName);

/// Removes from the open folder `folder` the temporary names that dead runs
/// left (see above). Best effort: never fails.
void RemoveStaleTemporaries(int folder);

}  // namespace detail
}  // namespace vb
