#include "kr917/Programa.h"

#include <filesystem>

#include "platform/files/FileSystem.h"

namespace kr917 {

void RegistraVentanas() {}

std::string CarpetaImagenes() {
  const std::string junto = vb::ExecutableFolder() + "/" KR917_PICTURES_INSTALLED;
  std::error_code ec;
  if (std::filesystem::is_directory(junto, ec)) return std::filesystem::weakly_canonical(junto, ec).string();
  return KR917_PICTURES_DIR;
}

}  // namespace kr917
