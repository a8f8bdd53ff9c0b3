// The pictures the windows name exist in the program's pictures folder,
// drawn at the size the windows give them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/ventanas/frmAcercade.h"
#include "app/ventanas/frmModFor.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

using Imagenes = Listas;

// Width and height of a PNG file, from its header; (0, 0) when it is none.
std::pair<std::uint32_t, std::uint32_t> TamanoPng(const std::string& archivo) {
  std::ifstream in(archivo, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0) {
    return {0, 0};
  }
  auto grande = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  return {grande(16), grande(20)};
}

TEST_F(Imagenes, EveryPictureTheWindowsNameIsDrawnAtItsSize) {
  std::vector<std::string> nombres;
  MDIFrm& principal = Principal();
  for (int i = 1; i <= principal.ImageList1.Count(); ++i) nombres.push_back(principal.ImageList1.Picture(i));
  nombres.push_back(principal.Image1.Picture());
  nombres.push_back(forms::Default<frmAcercade>().Image1.Picture());
  for (const forms::ValueItem& v : forms::Default<frmModFor>().grdContrib.Columns(4).ValueItems()) {
    nombres.push_back(v.Picture);
  }

  const std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> tamanos = {
      {"fondo917", {640, 480}}, {"acercade", {488, 119}}, {"visto", {20, 15}},
      {"disquete", {20, 15}},   {"cruz", {20, 15}},
  };
  EXPECT_EQ(nombres.size(), 12u);
  for (const std::string& nombre : nombres) {
    SCOPED_TRACE(nombre);
    const auto it = tamanos.find(nombre);
    const std::pair<std::uint32_t, std::uint32_t> esperado = it != tamanos.end() ? it->second : std::pair{24u, 24u};
    EXPECT_EQ(TamanoPng(std::string(KR917_PICTURES_DIR) + "/" + nombre + ".png"), esperado);
  }
}

}  // namespace
}  // namespace app::testing
