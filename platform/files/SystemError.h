//===- SystemError.h - Operating-system failures as VB errors (internal) --===//
//
// Used inside platform/files only: one place decides which VB error number a
// failed system call stands for, so every operation reports alike.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb::detail {

/// Raises the VB error for the system error `err` met on the native path
/// `nativePath`: a missing name is 53 when its folder exists and 76 when the
/// folder does not; refused access, a folder, a socket or a pipe where a
/// file was wanted and the like are 75; a full disk is 61; anything else is 57.
[[noreturn]] void RaiseFileError(int err, const std::string& nativePath);

/// The whole content of the open descriptor `fd`; raises as RaiseFileError.
std::string ReadAll(int fd, const std::string& nativePath);

/// Writes all of `bytes` to `fd`, retrying short writes; raises as RaiseFileError.
void WriteAll(int fd, std::string_view bytes, const std::string& nativePath);

/// The folder part of a native path ("." for a bare name, "/" for the root).
std::string ParentFolder(const std::string& nativePath);

/// True when the native path names anything (a dangling link counts).
bool Exists(const std::string& nativePath);

}  // namespace vb::detail
