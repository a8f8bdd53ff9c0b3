// The report writer: the exact line of each call, the file's bytes, the page
// length of running text, 16-bit overflow and a file written whole.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ImpLinea.h"
#include "platform/text/Cp1252.h"
#include "tests/support/TestSupport.h"

namespace common {
namespace {

using kr::testing::ErrorNumberOf;
using Lineas = std::vector<std::string>;

class Escritor : public ::testing::Test {
 protected:
  Escritor() {
    Estado.AnchoPagina = 104;
    Estado.PaginaActual = 1;
    Estado.AbreReporte(Ruta);
  }

  /// The lines of the closed report, decoded.
  Lineas Cerrado() {
    Estado.CierraReporte();
    const std::string texto = vb::FromCp1252(Carpeta.Read("00000001.PRN"));
    Lineas lineas;
    for (std::size_t inicio = 0; inicio < texto.size();) {
      const std::size_t fin = texto.find("\r\n", inicio);
      lineas.push_back(texto.substr(inicio, fin - inicio));
      inicio = fin + 2;
    }
    return lineas;
  }

  kr::testing::TempFolder Carpeta;
  std::string Ruta = Carpeta.Program("00000001.PRN");
  EstadoImpresion Estado{kLineasKR917};
};

TEST_F(Escritor, EachCallWritesItsLine) {
  struct Caso {
    const char* Nombre;
    std::int16_t PaginaActual;
    std::function<void(EstadoImpresion&)> Llamada;
    Lineas Esperadas;
  };
  const std::string dato = "pNuevaHoja";
  const Caso casos[] = {
      {"bold -1", 1, [](auto& e) { ImprimePos(e, 150, 2900, "RUC", -1, 8, 0); }, {"pPos|150|2900|RUC|True|8|0|"}},
      {"bold 1", 1, [](auto& e) { ImprimePos(e, 150, 2900, "RUC", 1, 8, 0); }, {"pPos|150|2900|RUC|False|8|0|"}},
      {"the page break of a heading", 3, [](auto& e) { ImprimePos(e, 0, 0, "pNuevaHoja", 0, 8, 2); }, {"pNuevaHoja"}},
      {"pNuevaHoja as data",
       1,
       [&](auto& e) { ImprimePos(e, 3850, 1450, dato, -1, 8, 1); },
       {"pPos|3850|1450|pNuevaHoja|True|8|1|"}},
      {"a tag on page 1",
       1,
       [](auto& e) {
         ImprimeLinea(e, "<!font!>Courier New<!/font!>");
         ImprimePos(e, 0, 0, "<!Orientacion!>V<!/Orientacion!>", 0, 8, 0);
       },
       {"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>"}},
      {"a tag on page 2",
       2,
       [](auto& e) {
         ImprimeLinea(e, "<!font!>Courier New<!/font!>");
         ImprimePos(e, 0, 0, "<!Orientacion!>H<!/Orientacion!>", 0, 8, 1);
       },
       {}},
      {"a tag built at run time",
       1,
       [](auto& e) {
         e.LineaActual = "<!nHojas!>" + std::to_string(4) + "<!/nHojas!>";
         ImprimeLinea(e, Propio{e.LineaActual});
       },
       {"<!nHojas!>4<!/nHojas!>"}},
      {"a tag's look-alike from data",
       1,
       [](auto& e) { ImprimeLinea(e, std::string("<!Color!>&H0&<!/Color!>")); },
       {"pPos|10|175|<!Color!>&H0&<!/Color!>|False|8|0|"}},
      {"a rectangle with x1 > x2",
       1,
       [](auto& e) { ImprimeRecuadro(e, 11000, 3090, 150, 2820, 0); },
       {"pCuadro|11000|3090|150|2820|0|"}},
      {"an empty ImprimeLinea",
       1,
       [](auto& e) {
         ImprimeLinea(e, std::string());
         ImprimeLinea(e, "");
       },
       {"pPos|10|175||False|8|0|", "pPos|10|350||False|8|0|"}},
      {"texts holding a bar, CR LF and a letter Windows-1252 lacks",
       1,
       [](auto& e) {
         ImprimePos(e, 150, 2900, std::string("SALAS | ROSA\r\nΩ"), 0, 8, 0);
         ImprimeLinea(e, std::string("  total|\n"));
       },
       {"pPos|150|2900|SALAS   ROSA  ?|False|8|0|", "pPos|10|175|  total  |False|8|0|"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Estado.DescartaReporte();
    Estado.AbreReporte(Ruta);
    Estado.PaginaActual = c.PaginaActual;
    Estado.PosicionVertical = 0;
    Estado.ContadorLineas = 0;
    c.Llamada(Estado);
    EXPECT_EQ(Cerrado(), c.Esperadas);
  }
}

TEST_F(Escritor, FileIsWindows1252WithCrLfAndNoByteOrderMark) {
  ImprimePos(Estado, 3050, 400, "DECLARACIÓN PAGO ANUAL", -1, 9, 0);
  ImprimeLinea(Estado, std::string("Ñ"));
  Estado.CierraReporte();
  EXPECT_EQ(Carpeta.Read("00000001.PRN"),
            "pPos|3050|400|DECLARACI\xD3N PAGO ANUAL|True|9|0|\r\npPos|10|175|\xD1|False|8|0|\r\n");
}

TEST_F(Escritor, RunningTextBreaksThePageAtItsLength) {
  struct Caso {
    LargoPagina Largo;
    std::int16_t AnchoPagina;
    int LineasPorHoja;
  };
  const Caso casos[] = {{kLineasKR917, 104, 83},
                        {kLineasKR917, 82, 85},
                        {kLineasKR917, 83, 83},
                        {kLineas0917SND, 80, 80},
                        {kLineas0917SND, 83, 44}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.Largo.Angosta) + "/" + std::to_string(c.Largo.Ancha) + ", width " +
                 std::to_string(c.AnchoPagina));
    Estado.DescartaReporte();
    Estado = EstadoImpresion(c.Largo);
    Estado.AnchoPagina = c.AnchoPagina;
    Estado.PaginaActual = 1;
    Estado.AbreReporte(Ruta);
    for (int i = 0; i <= c.LineasPorHoja; ++i) ImprimeLinea(Estado, "linea");
    const Lineas lineas = Cerrado();
    ASSERT_EQ(lineas.size(), static_cast<std::size_t>(c.LineasPorHoja + 2));
    EXPECT_EQ(lineas[c.LineasPorHoja - 1], "pPos|10|" + std::to_string(175 * c.LineasPorHoja) + "|linea|False|8|0|");
    EXPECT_EQ(lineas[c.LineasPorHoja], "pNuevaHoja");
    EXPECT_EQ(lineas[c.LineasPorHoja + 1],
              "pPos|10|" + std::to_string(175 * (c.LineasPorHoja + 1)) + "|linea|False|8|1|");
    EXPECT_EQ(Estado.PaginaActual, 2);
    EXPECT_EQ(Estado.ContadorLineas, 1);
  }
}

TEST_F(Escritor, TagLinesCountAsLines) {
  Estado.AnchoPagina = 82;
  ImprimeLinea(Estado, "<!font!>Courier New<!/font!>");
  for (int i = 0; i < 84; ++i) ImprimeLinea(Estado, "linea");
  const Lineas lineas = Cerrado();
  ASSERT_EQ(lineas.size(), 86u);
  EXPECT_EQ(lineas[85], "pNuevaHoja");
}

TEST_F(Escritor, ValuesBeyond16BitsAreAnOverflowAndWriteNothing) {
  Estado.PosicionVertical = 32767 - 175;
  ImprimeLinea(Estado, "ultima");
  EXPECT_EQ(ErrorNumberOf([&] { ImprimeLinea(Estado, "una mas"); }), 6);  // 32767 + 175
  EXPECT_EQ(Estado.PosicionVertical, 32767);
  EXPECT_EQ(ErrorNumberOf([&] { ImprimePos(Estado, 40000, 0, "x", 0, 8, 0); }), 6);
  EXPECT_EQ(ErrorNumberOf([&] { ImprimePos(Estado, 0, -32769, "x", 0, 8, 0); }), 6);
  EXPECT_EQ(ErrorNumberOf([&] { ImprimeRecuadro(Estado, 0, 0, 0, 0, 32768); }), 6);
  EXPECT_EQ(Cerrado(), (Lineas{"pPos|10|32767|ultima|False|8|0|"}));
}

TEST_F(Escritor, TheFileIsReplacedOnlyWhenTheReportIsClosed) {
  Carpeta.Write("00000001.PRN", "anterior\r\n");
  ImprimePos(Estado, 150, 2900, "RUC", 0, 8, 0);
  EXPECT_EQ(Carpeta.Read("00000001.PRN"), "anterior\r\n");  // half a report is never on disk
  Estado.DescartaReporte();
  EXPECT_EQ(Carpeta.Read("00000001.PRN"), "anterior\r\n");

  EXPECT_EQ(ErrorNumberOf([&] { ImprimePos(Estado, 150, 2900, "RUC", 0, 8, 0); }), 52);
  Estado.AbreReporte(Ruta);
  EXPECT_EQ(ErrorNumberOf([&] { Estado.AbreReporte(Ruta); }), 55);
  ImprimePos(Estado, 150, 2900, "RUC", 0, 8, 0);
  EXPECT_EQ(Cerrado(), (Lineas{"pPos|150|2900|RUC|False|8|0|"}));
  EXPECT_FALSE(Estado.ReporteAbierto());

  Estado.AbreReporte(Carpeta.Program("NOEXISTE\\00000002.PRN"));
  EXPECT_EQ(ErrorNumberOf([&] { Estado.CierraReporte(); }), 76);
  EXPECT_FALSE(Estado.ReporteAbierto());
}

}  // namespace
}  // namespace common
