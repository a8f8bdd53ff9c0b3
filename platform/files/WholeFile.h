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
/// it over the old one, which keeps its permissions. On failure the old file
/// is untouched, the temporary file removed, and the error raised (76 path
/// not found, 75 access refused, 61 disk full).
void WriteFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace vb
