#include "platform/files/Dir.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>

#include "platform/files/NativePath.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Strings.h"

namespace vb {
namespace {

bool IsFolder(const std::string& native) {
  struct stat st {};
  return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& native) {
  struct stat st {};
  return ::stat(native.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool Wanted(const std::string& native, DirAttributes attributes) {
  return attributes == DirAttributes::Directory ? (IsFile(native) || IsFolder(native)) : IsFile(native);
}

bool Match(std::u32string_view name, std::u32string_view pattern) {
  // Iterative glob with one back-tracking point per "*".
  std::size_t n = 0, p = 0, starP = std::u32string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == U'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == U'?' || UpperChar(pattern[p]) == UpperChar(name[n]))) {
      ++p, ++n;
    } else if (starP != std::u32string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") pattern = "*";
  return Match(ToCodePoints(name), ToCodePoints(pattern));
}

std::string Dir(std::string_view path, DirAttributes attributes) {
  std::size_t sep = LastSeparator(path);
  std::string_view folder = sep == std::string_view::npos ? std::string_view() : path.substr(0, sep + 1);
  std::string_view pattern = sep == std::string_view::npos ? path : path.substr(sep + 1);
  if (pattern.empty()) pattern = "*";

  if (pattern.find_first_of("*?") == std::string_view::npos) {
    std::string native = NativePath(path);
    if (!Wanted(native, attributes)) return {};
    std::size_t slash = native.find_last_of('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
  }

  std::string nativeFolder = folder.empty() ? std::string(".") : NativePath(folder);
  DIR* dir = ::opendir(nativeFolder.c_str());
  if (dir == nullptr) return {};
  std::optional<std::string> best;
  std::string bestKey;
  while (const dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || !MatchesPattern(name, pattern)) continue;
    if (!Wanted(nativeFolder + "/" + name, attributes)) continue;
    std::string key = UCase(name);
    if (!best || key < bestKey || (key == bestKey && name < *best)) {
      best = name;
      bestKey = std::move(key);
    }
  }
  ::closedir(dir);
  return best.value_or(std::string());
}

bool FileExists(std::string_view path) { return !path.empty() && IsFile(NativePath(path)); }

}  // namespace vb
