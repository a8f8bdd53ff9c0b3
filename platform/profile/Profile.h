//===- Profile.h - The Windows profile functions over settings files ------===//
//
// GetPrivateProfileString and WritePrivateProfileString as the programs call
// them on their shared settings file. A bare file name ("KR000.INI") lies in
// the Windows folder:
//   - the folder named by the environment variable WINDIR, when set and not empty;
//   - else $XDG_CONFIG_HOME/kr917/WINDOWS, when XDG_CONFIG_HOME is an absolute path;
//   - else $HOME/.config/kr917/WINDOWS.
// The per-user folder is created by the first write; a WINDIR folder must exist.
// A name with a folder in it is a program path (see platform/files/NativePath.h).
//
// The file is Windows-1252 on disk (one that begins with a UTF-8 byte-order
// mark is read and kept as UTF-8); lines end with CR LF on write, CR LF or LF
// on read. Names are found ignoring case and the blanks around them.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace win {

/// The Windows folder, as described above.
std::string WindowsFolder();

/// The program path that the profile file name `fileName` stands for.
std::string ProfilePath(std::string_view fileName);

/// The value of `key` in `section` of the settings file (both found ignoring
/// case; the first such section and key win), trimmed of blanks; when the file,
/// the section or the key is missing, `defaultValue` without trailing blanks.
/// As with a buffer of `bufferSize` characters, at most bufferSize - 1
/// characters come back (255 gives at most 254). `copied`, when given,
/// receives the number of characters answered, the count the call reports.
std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    long bufferSize, std::string_view fileName, long* copied = nullptr);

/// Sets `key` in `section` of the settings file to `value`, creating the file,
/// the section or the key as needed; every other line stays byte for byte as
/// it was. The new file is written to a temporary name and renamed into place
/// (a settings file that is a link of the user's or root's changes the file
/// the link leads to). Answers false when the file cannot be written (its
/// user may not write it, even to keep a value it holds, or another user's
/// link stands on the way to it; see vb::WriteFileAtomically), or when a name or the value
/// would change other settings than the one written or would not be found
/// again by that name (see IniFile::SetValue).
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName);

}  // namespace win
