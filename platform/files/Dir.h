//===- Dir.h - Finding files by name or wildcard pattern ------------------===//
//
// VB's `Dir` answers the first file that a path names, its last component may
// hold the wildcards "*" and "?". Names match ignoring case, as on Windows.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

/// Which entries `Dir` may answer: files only (vbNormal), or folders too (vbDirectory).
enum class DirAttributes { Normal = 0, Directory = 16 };

/// The name (last component only, spelled as on disk) of the first entry that
/// `path` names, or "" when there is none or the folder is missing. The last
/// component may hold "*" (any run of characters) and "?" (one character);
/// "*.*" matches every name, with or without a dot; an empty last component
/// ("folder\") matches every name. Of several matches the first in
/// case-insensitive order is answered.
std::string Dir(std::string_view path, DirAttributes attributes = DirAttributes::Normal);

/// True when `path` names an existing file (not a folder).
bool FileExists(std::string_view path);

/// True when `name` matches the wildcard `pattern` ignoring case, as `Dir` matches.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace vb
