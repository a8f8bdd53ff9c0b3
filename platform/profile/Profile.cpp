#include "platform/profile/Profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/profile/IniFile.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace win {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "/tmp";
}

bool IsBareName(std::string_view fileName) { return fileName.find_first_of("\\/") == std::string_view::npos; }

std::string JoinFolder(const std::string& folder, std::string_view name) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + std::string(name);
  return folder + "\\" + std::string(name);
}

}  // namespace

std::string WindowsFolder() {
  if (std::string windir = Environment("WINDIR"); !windir.empty()) return windir;
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty() || config.front() != '/') config = HomeFolder() + "/.config";
  return config + "/kr917/WINDOWS";
}

std::string ProfilePath(std::string_view fileName) {
  return IsBareName(fileName) ? JoinFolder(WindowsFolder(), fileName) : std::string(fileName);
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    long bufferSize, std::string_view fileName, long* copied) {
  std::string value;
  if (bufferSize > 0) {
    std::optional<std::string> found;
    try {
      found = IniFile(vb::ReadFileBytes(ProfilePath(fileName))).Value(section, key);
    } catch (const vb::Error&) {
      // A missing or unreadable file reads as an empty one.
    }
    value = found ? *found : vb::RTrim(defaultValue);
    if (vb::Len(value) > bufferSize - 1) value = vb::Left(value, bufferSize - 1);
  }
  if (copied != nullptr) *copied = vb::Len(value);
  return value;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName) {
  std::string path = ProfilePath(fileName);
  try {
    if (IsBareName(fileName) && Environment("WINDIR").empty()) {
      std::error_code ec;
      std::filesystem::create_directories(vb::NativePath(WindowsFolder()), ec);
    }
    std::string old;
    bool existed = true;
    try {
      old = vb::ReadFileBytes(path);
    } catch (const vb::Error& e) {
      if (e.Number() != vb::ErrFileNotFound) return false;
      existed = false;
    }
    // A file its user may not write is refused even for a value it already holds,
    // and so is one reached through another user's link.
    if (existed) vb::CheckWritable(path, vb::Links::FollowOwn);
    IniFile file(old);
    if (!file.SetValue(section, key, value)) return false;
    std::string bytes = file.Bytes();
    if (existed && bytes == old) return true;
    vb::WriteFileAtomically(path, bytes, vb::Links::FollowOwn);
    return true;
  } catch (const vb::Error&) {
    return false;
  }
}

}  // namespace win
