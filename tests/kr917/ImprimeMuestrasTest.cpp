// KR917 --imprime, as make demo runs it: every return of the print window's
// two lists printed through the window to a PDF, and a PNG a sheet.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/BaseInstalada.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/TestSupport.h"

namespace kr917 {
namespace {

TEST(ImprimeMuestras, PrintsEveryReturnOfBothListsToAPdfAndAPngASheet) {
  ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
  kr::testing::SampleInstallation instalacion;
  kr::testing::CopiaBaseInstalada(instalacion.Layout().Database);
  kr::testing::TempFolder carpeta;
  const std::string orden = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + KR917_PROGRAMA + "' --imprime '" +
                            (carpeta / "salida") + "' > '" + (carpeta / "salida.log") + "' 2>&1";
  const int estado = std::system(orden.c_str());
  std::ifstream log(carpeta / "salida.log");
  const std::string salida(std::istreambuf_iterator<char>(log), {});
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << salida;

  // The sent returns of ASESOR1's taxpayers, then the saved ones; three sheets each.
  for (const char* nombre : {"10076543211-001", "10076543211-002", "10433221104", "10455667785"}) {
    SCOPED_TRACE(nombre);
    const std::string base = std::string("salida/") + nombre;
    EXPECT_EQ(carpeta.Read(base + ".pdf").substr(0, 5), "%PDF-");
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(carpeta.Read(base + "-" + std::to_string(k) + ".png").substr(1, 3), "PNG");
    EXPECT_FALSE(std::filesystem::exists(carpeta / (base + "-4.png")));
    EXPECT_NE(salida.find(carpeta / (base + ".pdf and 3 page(s) as PNG")), std::string::npos) << salida;
  }
  // VARGAS is SUPERV's taxpayer, not ASESOR1's: not listed, not printed.
  EXPECT_FALSE(std::filesystem::exists(carpeta / "salida/10023456783-001.pdf"));
}

}  // namespace
}  // namespace kr917
