//===- TestSupport.h - Scratch folders, environment and VB errors for tests ===//
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/text/Error.h"

namespace kr::testing {

/// A fresh folder under the system's temporary folder, deleted with its content.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kr-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  /// The native path of the folder (no final "/").
  const std::string& Path() const { return Path_; }

  /// The native path of `name` inside the folder.
  std::string operator/(std::string_view name) const { return Path_ + "/" + std::string(name); }

  /// The folder followed by `relative` with backslashes, as the program builds paths.
  std::string Program(std::string_view relative) const { return Path_ + "\\" + std::string(relative); }

  /// Writes `bytes` to the native path `relative` below the folder, creating folders.
  void Write(std::string_view relative, std::string_view bytes) const {
    std::filesystem::path p = std::filesystem::path(Path_) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }

  /// The bytes of the native path `relative`, or "<missing>".
  std::string Read(std::string_view relative) const {
    std::ifstream in(std::filesystem::path(Path_) / relative, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  void MakeFolder(std::string_view relative) const {
    std::filesystem::create_directories(std::filesystem::path(Path_) / relative);
  }

 private:
  std::string Path_;
};

/// Restores the current folder when a test that changed it ends.
class KeepCurrentFolder {
 public:
  KeepCurrentFolder() : Saved_(std::filesystem::current_path()) {}
  ~KeepCurrentFolder() {
    std::error_code ec;
    std::filesystem::current_path(Saved_, ec);
  }

 private:
  std::filesystem::path Saved_;
};

/// Sets an environment variable (unsets it for nullptr) and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : Name_(name) {
    if (const char* old = std::getenv(name)) Old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (Old_) {
      ::setenv(Name_, Old_->c_str(), 1);
    } else {
      ::unsetenv(Name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* Name_;
  std::optional<std::string> Old_;
};

/// The names that stand in `folder`, whatever they are.
inline std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

/// The VB error number that `action` raises, or 0 when it raises none.
template <typename F>
int ErrorNumberOf(F&& action) {
  try {
    action();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace kr::testing
