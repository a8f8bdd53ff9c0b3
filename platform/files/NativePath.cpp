#include "platform/files/NativePath.h"

#include <dirent.h>

#include <optional>
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

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return UCase(a) == UCase(b); }

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  if (native.empty() || detail::Exists(native)) return native;

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
  return resolved;
}

}  // namespace vb
