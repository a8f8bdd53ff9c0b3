//===- WholeFile.h - Reading and atomically replacing a whole file --------===//
//
// Settings and reports are written whole. Writing them to a temporary name in
// the same folder and renaming it into place means a crash or a full disk
// leaves the previous file intact instead of a half-written one.
//
// Folders such as RPT and TMP may be shared with other users and programs,
// so a write replaces whatever stands at its name: a symbolic link there is
// replaced, never written through. Only the settings file, which may be kept
// elsewhere and linked into the Windows folder, follows its link, and only a
// link its own user or root made. The same holds on the way to the name: a
// link standing for a folder leads on only when it is the running user's or
// root's, and any other refuses the write.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

/// What a write does with a symbolic link at its name.
enum class Links {
  Replace,    // the new file takes the link's place; what it led to is untouched
  FollowOwn,  // the running user's or root's links lead on; any other is refused (75)
};

/// The bytes of the file at the program path `path`, read without waiting
/// on what stands there. Errors: 53 file not found, 76 path not found, 75
/// when it is no plain file (a folder, a pipe, a socket, a device) or cannot
/// be read.
std::string ReadFileBytes(std::string_view path);

/// Replaces (or creates) the file at the program path `path` with `bytes`:
/// writes a temporary file in the same folder, flushes it to disk and renames
/// it over the old one, which keeps its owner, group and permissions. A link
/// of another user's standing for a folder on the way refuses the write
/// (75), while the running user's or root's lead on. A symbolic link at the
/// name is replaced by the new file, and so is a pipe, a socket or a device; with
/// Links::FollowOwn a chain of links of the running user's or root's is
/// followed instead and the file it ends at is written, in that file's
/// folder, the links staying, while a chain with any other user's link is
/// refused (75) and nothing is written. A file its user may not write is
/// refused (75), and so is one whose owner the user cannot give the new
/// file. Temporary files left in the folder by processes that died are
/// removed first (see TemporaryFiles.h). On failure the old file is
/// untouched, the temporary file removed, and the error raised (76 path not
/// found, 75 access refused, 61 disk full).
void WriteFileAtomically(std::string_view path, std::string_view bytes, Links links = Links::Replace);

/// Raises 75 when WriteFileAtomically with the same `links` would refuse the
/// file at the program path `path` for what stands there: a file its user may
/// not write, or a link of another user's on the way to it (at the name
/// itself only with Links::FollowOwn).
void CheckWritable(std::string_view path, Links links = Links::Replace);

}  // namespace vb
