#include "tests/support/BaseInstalada.h"

#include <filesystem>

#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "tests/support/TestSupport.h"

namespace kr::testing {

const std::string& BaseInstalada() {
  static const TempFolder carpeta;
  static const std::string base = [] {
    const dexlora::SampleLayout layout = dexlora::CreateSampleInstallation(carpeta / "sample");
    ScopedEnv windir("WINDIR", layout.WindowsFolder.c_str());
    installer::ReiniciaCompartidas();
    const int estado = installer::Ejecuta();
    installer::ReiniciaCompartidas();
    return estado == 0 ? layout.Database : std::string();
  }();
  return base;
}

void CopiaBaseInstalada(const std::string& destino) {
  for (const char* resto : {"-wal", "-shm", "-journal"}) std::filesystem::remove(destino + resto);
  std::filesystem::copy_file(BaseInstalada(), destino, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace kr::testing
