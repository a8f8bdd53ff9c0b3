//===- FullDisk.h - A disk that fills up when a test says so ---------------===//
//
// Every database a test program opens goes through a file layer of its own
// under SQLite's: while a FullDisk lives, a write that would make a file
// longer fails as one on a full disk does (SQLite's SQLITE_FULL), and
// rewriting what a file already holds still works. The layer is in place
// from the start of any program that names FullDisk.
//
//===----------------------------------------------------------------------===//
#pragma once

namespace kr::testing {

class FullDisk {
 public:
  FullDisk();
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
};

}  // namespace kr::testing
