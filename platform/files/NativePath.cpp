#include "platform/files/NativePath.h"

#include <dirent.h>

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/files/SystemError.h"
#include "platform/text/Strings.h"

namespace vb {
namespace {

std::vector<std::string> SplitComponents(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// The entry of `folder` whose name equals `name` ignoring case.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> found;
  std::string wanted = UCase(name);
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view candidate = entry->d_name;
    if (candidate == "." || candidate == "..") continue;
    if (UCase(candidate) != wanted) continue;
    if (!found || candidate < *found) found = std::string(candidate);
  }
  ::closedir(dir);
  return found;
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// The folders found ignoring case, by their spelling in the program's paths:
// a program reads and writes in the same few folders, and each lookup of one
// costs a stat per component and a read of its parent folder.
std::unordered_map<std::string, std::string>& FoundFolders() {
  static std::unordered_map<std::string, std::string> found;
  return found;
}

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return UCase(a) == UCase(b); }

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  if (native.empty() || detail::Exists(native)) return native;

  const std::size_t slash = native.find_last_of('/', native.size() > 1 ? native.size() - 2 : 0);
  const std::string folder = slash == std::string::npos ? std::string() : native.substr(0, slash);
  if (auto cached = FoundFolders().find(folder); cached != FoundFolders().end()) {
    std::string candidate = cached->second + native.substr(slash);
    if (detail::Exists(candidate)) return candidate;
    // Moved, or a name of another case in that folder: looked up anew below.
  }

  bool absolute = native.front() == '/';
  bool trailingSlash = native.back() == '/';
  std::string resolved = absolute ? "/" : "";
  bool lost = false;  // a component matched nothing: the rest is taken as written
  for (const std::string& part : SplitComponents(native)) {
    std::string exact = Join(resolved, part);
    if (lost || part == "." || part == ".." || detail::Exists(exact)) {
      resolved = std::move(exact);
      continue;
    }
    auto match = FindIgnoringCase(resolved.empty() ? "." : resolved, part);
    if (match) {
      resolved = Join(resolved, *match);
    } else {
      resolved = std::move(exact);
      lost = true;
    }
  }
  if (trailingSlash && !resolved.empty() && resolved.back() != '/') resolved += '/';
  const std::size_t resolvedSlash = resolved.find_last_of('/', resolved.size() > 1 ? resolved.size() - 2 : 0);
  if (!folder.empty() && resolvedSlash != std::string::npos) {
    std::string resolvedFolder = resolved.substr(0, resolvedSlash);
    if (resolvedFolder != folder && detail::Exists(resolvedFolder)) FoundFolders()[folder] = std::move(resolvedFolder);
  }
  return resolved;
}

}  // namespace vb
