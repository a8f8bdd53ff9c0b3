// The number writer both summaries share: one blank, then the number
// right-aligned to its width; at widths 15 and 16 long numbers lose commas.
#include <gtest/gtest.h>

#include "summary/Compartidas.h"
#include "summary/Resumen.h"

namespace summary {
namespace {

struct Caso {
  double Valor;
  const char* Formato;
  std::int16_t Ancho;
  const char* Escrito;  // what follows the blank
};

TEST(FormateaNumero, AppendsTheNumberAlignedToItsWidth) {
  const Caso casos[] = {
      {1234567, "###,###,###,##0", 12, "   1,234,567"},
      {0, "#,###,###,###,##0", 14, "             0"},
      {-1500, "###,###,###,##0", 12, "      -1,500"},
      {12345678901234, "###,###,###,##0", 12, "12,345,678,901,234"},  // no width cuts it
      // Width 15, the formatted lengths 16 to 21.
      {-123456789012, "###,###,###,##0", 15, "-123,456,789,012"},
      {1234567890123, "###,###,###,##0", 15, "1234567,890,123"},
      {12345678901234, "###,###,###,##0", 15, "12345678901,234"},
      {123456789012345, "###,###,###,##0", 15, "123456789012345"},
      {-123456789012345, "###,###,###,##0", 15, "-123,456,789,012,345"},
      {1234567890123456, "###,###,###,##0", 15, "1234567890123460"},  // 15 digits hold
      // Width 16 loses one comma less.
      {1234567890123, "###,###,###,##0", 16, "1234,567,890,123"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Escrito);
    ReiniciaCompartidas();
    G().Impresion.LineaActual = "Renta";
    FormateaNumero(c.Valor, c.Formato, c.Ancho);
    EXPECT_EQ(G().Impresion.LineaActual, "Renta " + std::string(c.Escrito));
  }
  ReiniciaCompartidas();
}

TEST(QuitaNComas, RemovesTheFirstCommasOnly) {
  EXPECT_EQ(QuitaNComas("1,234,567,890", 2), "1234567,890");
  EXPECT_EQ(QuitaNComas("1,234", 0), "1,234");
  EXPECT_EQ(QuitaNComas("1,234", 3), "1234");
}

}  // namespace
}  // namespace summary
