//===- WholeFile.h - Reading and atomically replacing a whole file --------===//
//
// Settings and reports are written whole. Writing them to a temporary name in
// the same folder and renaming it into place means a crash or a full disk
// leaves the previous file intact instead of a half-written one.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

/// The bytes of the file at the program path `path`. Errors: 53 file not
/// found, 76 path not found, 75 when it is a folder or cannot be read.
std::string ReadFileBytes(std::string_view path);

/// Replaces (or creates) the file at the program path `path` with `bytes`:
/// writes a temporary file in the same folder, flushes it to disk and renames
/// it over the old one, which keeps its owner, group and permissions. A path
/// that is a symbolic link writes the file the link leads to, in that file's
/// folder, and the link stays. A file its user may not write is refused (75),
/// and so is one whose owner the user cannot give the new file. Temporary
/// files left in the folder by processes that died are removed first (see
/// TemporaryFiles.h). On failure the old file is untouched, the temporary
/// file removed, and the error raised (76 path not found, 75 access refused,
/// 61 disk full).
void WriteFileAtomically(std::string_view path, std::string_view bytes);

/// Raises 75 when the file at the program path `path` (or the one its links
/// lead to) exists and its user may not write it, which WriteFileAtomically
/// would refuse.
void CheckWritable(std::string_view path);

}  // namespace vb
