// The page-command reader: each kind of line, the lines it passes over, the
// bad lines it refuses, and a written file read back.
#include <gtest/gtest.h>

#include <string>

#include "common/ImpLinea.h"
#include "common/LectorComandos.h"
#include "tests/support/NotAFile.h"
#include "tests/support/TestSupport.h"

namespace common {
namespace {

Comando Texto(TipoComando tipo, std::int16_t x, std::int16_t y, std::string texto, bool negrita, std::int16_t tamano,
              std::int16_t pagina) {
  Comando c;
  c.Tipo = tipo, c.X = x, c.Y = y, c.Texto = std::move(texto), c.Negrita = negrita, c.Tamano = tamano,
  c.Pagina = pagina;
  return c;
}

Comando Cuadro(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::int16_t pagina) {
  Comando c;
  c.Tipo = TipoComando::Cuadro, c.X = x1, c.Y = y1, c.X2 = x2, c.Y2 = y2, c.Pagina = pagina;
  return c;
}

Comando Solo(TipoComando tipo, std::string valor = "") {
  Comando c;
  c.Tipo = tipo, c.Texto = std::move(valor);
  return c;
}

TEST(LectorComandos, ReadsEachKindOfLineAndPassesOverOthers) {
  const std::string archivo =
      "<!font!>Courier New<!/font!>\r\n"
      "<!nHojas!>4<!/nHojas!>\r\n"
      "<!Orientacion!> H <!/Orientacion!>\r\n"
      "<!Color!>&H00FFFFC0&<!/Color!>\r\n"
      "pPos|150|2900|  RUC \xD3 |False|8|0|\r\n"
      "  pPosVerti|10| 20 |AB| True |12|0|sobra\r\n"
      "pCuadro|11000|3090|150|2820|1|\r\n"
      "pNuevaHoja\r\n"
      "comentario|1|2|\r\n"
      "\r\n"
      "pPos|1.5|2.5|x|False|8|1|\n"  // a bare LF ends a line too
      "<!Color!>&H80000005&\r";      // no closing tag: the rest of the line
  const LecturaComandos lectura = LeeComandos(archivo);
  EXPECT_EQ(lectura.LineaNoValida, 0);
  const std::vector<Comando> esperados = {
      Solo(TipoComando::Fuente, "Courier New"),
      Solo(TipoComando::NumeroHojas, "4"),
      Solo(TipoComando::Orientacion, " H "),
      Solo(TipoComando::Color, "&H00FFFFC0&"),
      Texto(TipoComando::Pos, 150, 2900, "  RUC Ó ", false, 8, 0),
      Texto(TipoComando::PosVerti, 10, 20, "AB", true, 12, 0),
      Cuadro(11000, 3090, 150, 2820, 1),
      Solo(TipoComando::NuevaHoja),
      Texto(TipoComando::Pos, 2, 2, "x", false, 8, 1),  // halves to the even number
      Solo(TipoComando::Color, "&H80000005&"),
  };
  EXPECT_EQ(lectura.Comandos, esperados);
}

TEST(LectorComandos, ABadLineRefusesTheWholeFile) {
  struct Caso {
    const char* Nombre;
    const char* Linea;
  };
  const Caso casos[] = {
      {"missing bar", "pPos|150|2900|RUC|False|8|0"},       {"no fields at all", "pCuadro"},
      {"bold Yes", "pPos|150|2900|RUC|Yes|8|0|"},           {"empty number", "pPos|150||RUC|False|8|0|"},
      {"not a number", "pCuadro|150|2820|once|3090|0|"},    {"beyond 16 bits", "pPos|70000|2900|RUC|False|8|0|"},
      {"negative page", "pCuadro|150|2820|11000|3090|-1|"}, {"page gap", "pPosVerti|150|2900|RUC|False|8|2|"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    const std::string archivo = std::string("<!font!>Courier New<!/font!>\r\npPos|150|2900|RUC|False|8|0|\r\n") +
                                "pNuevaHoja\r\n" + c.Linea + "\r\npPos|150|2900|RUC|False|8|1|\r\n";
    const LecturaComandos lectura = LeeComandos(archivo);
    EXPECT_EQ(lectura.LineaNoValida, 4);
    EXPECT_TRUE(lectura.Comandos.empty());
  }
  EXPECT_EQ(LeeComandos("pPos|150|2900|RUC|False|8|1|\r\n").LineaNoValida, 1);  // pages start at 0
  // Earlier pages may come back: the preview draws them where they belong.
  EXPECT_EQ(LeeComandos("pPos|1|1|a|False|8|0|\r\npPos|1|1|b|False|8|1|\r\npPos|1|1|c|False|8|0|\r\n").LineaNoValida,
            0);
}

TEST(LectorComandos, WhatTheWriterWritesReadsBack) {
  kr::testing::TempFolder carpeta;
  EstadoImpresion estado(kLineasKR917);
  estado.AnchoPagina = 104;
  estado.PaginaActual = 1;
  estado.AbreReporte(carpeta.Program("00000007.PRN"));
  ImprimeLinea(estado, "<!Color!>&H00FFFFC0&<!/Color!>");
  ImprimePos(estado, 3050, 400, "DECLARACIÓN", -1, 9, 0);
  ImprimePos(estado, 3850, 1450, std::string("Ã“ | <!x!> pNuevaHoja"), 0, 8, 0);  // UTF-8 look-alike bytes stay
  ImprimeRecuadro(estado, 150, 2820, 11000, 3090, 0);
  ImprimePos(estado, 0, 0, "pNuevaHoja", 0, 8, 1);
  ImprimeLinea(estado, std::string("  al margen"));
  estado.CierraReporte();

  const LecturaComandos lectura = LeeArchivoComandos(carpeta.Program("00000007.PRN"));
  const std::vector<Comando> esperados = {
      Solo(TipoComando::Color, "&H00FFFFC0&"),
      Texto(TipoComando::Pos, 3050, 400, "DECLARACIÓN", true, 9, 0),
      Texto(TipoComando::Pos, 3850, 1450, "Ã“   <!x!> pNuevaHoja", false, 8, 0),
      Cuadro(150, 2820, 11000, 3090, 0),
      Solo(TipoComando::NuevaHoja),
      Texto(TipoComando::Pos, 10, 175, "  al margen", false, 8, 0),
  };
  EXPECT_EQ(lectura.Comandos, esperados);
  EXPECT_EQ(kr::testing::ErrorNumberOf([&] { LeeArchivoComandos(carpeta.Program("00000008.PRN")); }), 53);
}

// A report's name in a shared RPT folder may hold anything another user put
// there: what is not a file is refused at once, as a file that cannot be read.
TEST(LectorComandos, WhatStandsAtTheReportsNameInsteadOfAFileIsRefusedAtOnce) {
  kr::testing::TempFolder carpeta;
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    kr::testing::Planted planted(c.Kind, carpeta / "00000007.PRN");
    const std::optional<std::string> answer = kr::testing::AnswerInChild(
        [&] {
          return std::to_string(
              kr::testing::ErrorNumberOf([&] { LeeArchivoComandos(carpeta.Program("00000007.PRN")); }));
        },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, "75");
  }
}

}  // namespace
}  // namespace common
