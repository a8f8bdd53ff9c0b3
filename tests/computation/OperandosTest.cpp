// How a box is read and shown: blank or not, its value, its display form,
// whatever the machine's locale (the tests run under a comma-decimal one).
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "return/Frm0917.h"

namespace app::testing {
namespace {

TEST(Operandos, ValeReadsAWholeNumberHoldingNegativeBoxesAsAbsolute) {
  struct Caso {
    std::int16_t Casilla;
    const char* Texto;
    double Valor;
  };
  const Caso casos[] = {
      {100, "", 0},          {100, "   ", 0},       {100, "abc", 0},        {100, "12abc", 12},
      {100, "1,234", 1234},  {100, "1,234.5", 1235}, {100, "1,234.4", 1234}, {100, "-0.5", -1},
      {100, " 24000 ", 24000},
      {502, "(1,235)", 1235}, {503, "(1,235)", -1235}, {502, "-4800", 4800},
      // The balance in favour is held negative and read as its size.
      {141, "(300)", 300},   {141, "-300", 300},    {142, "-300", -300},
      {110, "(15)", 15},     {133, "-7", 7},        {144, "(1,000)", 1000}, {511, "(21,700)", 21700},
      {120, "(15)", -15},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.Casilla) + " \"" + c.Texto + "\"");
    EXPECT_EQ(Frm0917::ValeTexto(c.Casilla, c.Texto), c.Valor);
  }
}

TEST(Operandos, FormaShowsAmountsGroupedNegativesInParenthesesAndEmptiesTheRest) {
  struct Caso {
    std::int16_t Casilla;
    const char* Texto;
    const char* Forma;
    const char* DeNuevo;  // Forma once more
  };
  const Caso casos[] = {
      {100, "1234567", "1,234,567", "1,234,567"},
      {100, "-1234567", "(1,234,567)", "(1,234,567)"},
      {100, "-0.4", "(0)", "0"},
      {100, "0", "0", "0"},
      {100, "1234.5", "1,235", "1,235"},
      {100, "-1234.5", "(1,235)", "(1,235)"},
      {100, "abc", "", ""},
      {100, "   ", "", ""},
      {100, "", "", ""},
      {100, "1234567890123", "1,234,567,890,123", "1,234,567,890,123"},
      {877, "12.3456", "12.3456", "12.3456"},
      {876, "abc", "", ""},
      {173, "12.5", "12.5000", "12.5000"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.Casilla) + " \"" + c.Texto + "\"");
    EXPECT_EQ(Frm0917::FormaTexto(c.Casilla, c.Texto), c.Forma);
    EXPECT_EQ(Frm0917::FormaTexto(c.Casilla, c.Forma), c.DeNuevo);
  }
}

TEST(Operandos, TheFormsBoxesAreReadAndRewrittenThroughThem) {
  forms::testing::ScriptedUser user;
  forms::Application aplicacion(user);
  Frm0917 f;
  f.txtvalor(502).SetText("  ");
  EXPECT_TRUE(f.vacio(502));
  EXPECT_EQ(f.Vale(502), 0);
  f.txtvalor(502).SetText("-2000");
  EXPECT_FALSE(f.vacio(502));
  EXPECT_EQ(f.Vale(502), 2000);
  f.FormularioModificado = false;
  f.Forma(502);
  EXPECT_EQ(f.txtvalor(502).Text(), "(2,000)");
  EXPECT_TRUE(f.FormularioModificado);  // the rewrite is a change of the box
}

}  // namespace
}  // namespace app::testing
