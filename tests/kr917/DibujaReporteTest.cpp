// DibujaReporte: a report file drawn to a PDF and to a PNG a page, and a bad
// one refused with its message and exit status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/TestSupport.h"

namespace kr917 {
namespace {

// Runs the program on `reporte` into `carpeta`; its exit status, its standard error in `errores`.
int Dibuja(const std::string& reporte, const std::string& carpeta, std::string& errores) {
  const std::string log = carpeta + ".log";
  const std::string orden = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + DIBUJA_REPORTE + "' '" + reporte +
                            "' '" + carpeta + "' 2> '" + log + "' > /dev/null";
  const int estado = std::system(orden.c_str());
  std::ifstream in(log);
  errores.assign(std::istreambuf_iterator<char>(in), {});
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST(DibujaReporte, DrawsEveryPageToAPdfAndToOnePngEach) {
  kr::testing::TempFolder carpeta;
  std::string errores;
  ASSERT_EQ(Dibuja(std::string(KR_PRINTING_DATA) + "/CuatroHojas.PRN", carpeta / "salida", errores), 0) << errores;
  EXPECT_EQ(carpeta.Read("salida/CuatroHojas.pdf").substr(0, 5), "%PDF-");
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(carpeta.Read("salida/CuatroHojas-" + std::to_string(k) + ".png").substr(1, 3), "PNG") << k;
  }
  EXPECT_FALSE(std::filesystem::exists(carpeta / "salida/CuatroHojas-5.png"));
}

TEST(DibujaReporte, ABadReportIsRefused) {
  kr::testing::TempFolder carpeta;
  carpeta.Write("00000001.PRN", "pPos|10|175|x|Yes|8|0|\r\n");
  std::string errores;
  EXPECT_EQ(Dibuja(carpeta / "00000001.PRN", carpeta / "salida", errores), 1);
  EXPECT_NE(errores.find("El reporte 00000001.PRN tiene una línea no válida: 1"), std::string::npos) << errores;
  EXPECT_FALSE(std::filesystem::exists(carpeta / "salida/00000001-1.png"));
}

}  // namespace
}  // namespace kr917
