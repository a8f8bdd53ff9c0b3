//===- CarpetaTemporal.h - A benchmark's own folder, removed when done ----===//
//
// Every benchmark works in a folder of its own under the system's temporary
// folder, so that two runs side by side never share a file; the folder and
// all it holds go with the object.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace kr::bench {

/// A new folder "kr-bench-<nombre>-XXXXXX" in the temporary folder, removed
/// with everything in it when the object goes. A benchmark that cannot make
/// it stops at once: it has nowhere to work.
class CarpetaTemporal {
 public:
  explicit CarpetaTemporal(std::string_view nombre) {
    std::string patron =
        (std::filesystem::temp_directory_path() / ("kr-bench-" + std::string(nombre) + "-XXXXXX")).string();
    if (::mkdtemp(patron.data()) == nullptr) {
      std::perror(patron.c_str());
      std::abort();
    }
    Ruta_ = std::move(patron);
  }
  ~CarpetaTemporal() {
    if (Ruta_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(Ruta_, ec);
  }
  CarpetaTemporal(CarpetaTemporal&& otra) noexcept : Ruta_(std::exchange(otra.Ruta_, std::string())) {}
  CarpetaTemporal& operator=(CarpetaTemporal&&) = delete;
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  /// The folder's native path, without a final "/".
  const std::string& Ruta() const { return Ruta_; }

  /// The native path of `nombre` inside the folder.
  std::string operator/(std::string_view nombre) const { return Ruta_ + "/" + std::string(nombre); }

 private:
  std::string Ruta_;
};

}  // namespace kr::bench
