#include "platform/text/Error.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(Error, SpanishDescriptions) {
  struct Case {
    int Number;
    const char* Text;
  };
  const Case cases[] = {
      {5, "Llamada a procedimiento o argumento no válidos"},
      {6, "Desbordamiento"},
      {9, "El subíndice está fuera del intervalo"},
      {13, "No coinciden los tipos"},
      {53, "No se ha encontrado el archivo"},
      {94, "Uso no válido de Null"},
      {99999, "Error definido por la aplicación o el objeto"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorText(c.Number), c.Text) << c.Number;
}

TEST(Error, RaiseCarriesNumberAndText) {
  try {
    Raise(ErrFileNotFound);
    FAIL() << "Raise returned";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 53);
    EXPECT_EQ(e.Description(), "No se ha encontrado el archivo");
    EXPECT_STREQ(e.what(), "No se ha encontrado el archivo");
  }
  try {
    Raise(3022, "Registro duplicado");
    FAIL() << "Raise returned";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 3022);
    EXPECT_EQ(e.Description(), "Registro duplicado");
  }
}

}  // namespace
}  // namespace vb
