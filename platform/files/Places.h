//===- Places.h - Where the layer reads and writes (internal) -------------===//
//
// Used inside platform/files only. Another user may put anything at a name
// the programs use, in folders they share: a named pipe or a device where a
// file is read would make the read wait forever or never end, and a link
// standing for a folder anywhere on a path would send a write wherever that
// user chose.
//
// So a file is opened to read without waiting, and only a plain file is
// read. A write first reaches its folder one component at a time, holding
// each folder open and following a link only when it is the running user's
// or root's; the write then acts on the name in the folder it holds, so
// nothing swapped on the path meanwhile changes where it lands.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sys/stat.h>

#include <string>

namespace vb::detail {

/// Opens the native path `native` to read it, without waiting on what stands
/// there, and answers the descriptor with its `st`. Anything but a plain
/// file (a folder, a pipe, a socket, a device) is refused with 75 at once;
/// other failures raise as RaiseFileError.
int OpenToRead(const std::string& native, struct stat& st);

/// Tells by the descriptor `fd`, opened without waiting, what it is open on:
/// sets `st`; anything but a plain file is closed and refused with 75, and a
/// plain file is made to wait again, as its reads and writes expect.
void KeepPlainFile(int fd, struct stat& st, const std::string& native);

/// The folder a write lands in, held open, and the name in it.
class WritePlace {
 public:
  WritePlace(int folder, std::string name) : Folder_(folder), Name_(std::move(name)) {}
  WritePlace(WritePlace&& other) noexcept : Folder_(other.Folder_), Name_(std::move(other.Name_)) {
    other.Folder_ = -1;
  }
  WritePlace(const WritePlace&) = delete;
  WritePlace& operator=(const WritePlace&) = delete;
  WritePlace& operator=(WritePlace&&) = delete;
  ~WritePlace();

  /// A descriptor of the folder (opened with O_PATH: for the *at calls).
  int Folder() const { return Folder_; }
  /// The name in that folder; a single component.
  const std::string& Name() const { return Name_; }

 private:
  int Folder_ = -1;
  std::string Name_;
};

/// Reaches the folder of the native path `native` for a write, following
/// only links of the running user's or root's on the way; with `followName`
/// a link at the name itself leads on by the same rule, and the place is
/// where the chain ends. Errors: 75 another user's link on the way, a chain
/// of links too long or a path too long; 76 a folder on the way missing or a
/// file; others as RaiseFileError.
WritePlace FindWritePlace(const std::string& native, bool followName);

}  // namespace vb::detail
