//===- FileSystem.h - VB's statements on files and folders ----------------===//
//
// `Kill`, `FileCopy`, `Name`, `MkDir`, `ChDir` and `CurDir` over program paths,
// and the folder of the program itself
// (see NativePath.h), failing with VB's error numbers. What changes a folder
// reaches it as every write does (see WholeFile.h): through no link of
// another user's, or not at all (75).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

/// Deletes the file `path` (no wildcards). Errors: 53 no such file (a folder
/// counts as none), 76 path not found, 75 access refused.
void Kill(std::string_view path);

/// Copies the file `source` to `destination`, replacing it; the copy is
/// written to a temporary name and renamed into place. Errors: 53 no source,
/// 76 destination folder missing, 75 access refused.
void FileCopy(std::string_view source, std::string_view destination);

/// `Name oldPath As newPath`: renames or moves a file or folder. Errors: 53
/// no such file, 58 the new name exists already, 76 path not found, 75
/// access refused, 74 a move across devices.
void Name(std::string_view oldPath, std::string_view newPath);

/// Creates the folder `path`. Errors: 75 it exists already, 76 its parent is missing.
void MkDir(std::string_view path);

/// Makes `path` the current folder, against which relative paths are read.
/// Error 76 when it names no folder.
void ChDir(std::string_view path);

/// The current folder as a native path (with "/").
std::string CurDir();

/// The native folder of the running program's executable file (VB's
/// App.Path); "" when the system does not tell.
std::string ExecutableFolder();

}  // namespace vb
