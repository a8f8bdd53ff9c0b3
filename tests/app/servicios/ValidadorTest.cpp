// The validation component's rules, case by case.
#include <gtest/gtest.h>

#include "app/componentes/cValidador.h"
#include "platform/text/Strings.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

const cValidador V;

TEST(Validador, RucIsElevenDigitsEndingInTheirCheckDigit) {
  struct Case {
    const char* Ruc;
    bool Valid;
  };
  const Case cases[] = {
      {"10076543211", true},  // a sample taxpayer
      {"20100000131", true},  // 11 - 0 is 11, which gives 1
      {"20100000050", true},  // 11 - 1 is 10, which gives 0
      {"20100000051", false},
      {"10076543212", false},   // a wrong last digit
      {"1007654321", false},    // ten digits
      {"100765432111", false},  // twelve
      {"1007654321A", false},
      {" 10076543211", false},  // callers trim
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(V.ValidaRuc(c.Ruc), c.Valid) << c.Ruc;
}

TEST(Validador, DatesAreRealDdMmYyyyWithinBothBounds) {
  struct Case {
    const char* Fecha;
    const char* Hasta;
    bool Valid;
  };
  const Case cases[] = {
      {"31/12/2002", "01/01/2500", true}, {"01/01/1850", "01/01/2500", true},  // the bounds themselves count
      {"01/01/2500", "01/01/2500", true}, {"31/12/1849", "01/01/2500", false},  {"02/01/2500", "01/01/2500", false},
      {"29/02/2000", "01/01/2500", true}, {"29/02/2002", "01/01/2500", false},  {"31/04/2002", "01/01/2500", false},
      {"1/1/2002", "01/01/2500", false},  {"__/__/____", "01/01/2500", false},  // an empty masked box
      {"", "01/01/2500", false},          {"15/06/1970", "no es fecha", false},
  };
  for (const Case& c : cases) EXPECT_EQ(V.ValidaFecha(c.Fecha, "01/01/1850", c.Hasta), c.Valid) << c.Fecha;
}

TEST(Validador, DocumentNumbersByKind) {
  struct Case {
    const char* Numero;
    bool Numerico;
    bool Libre;
  };
  const Case cases[] = {
      {"40123456", true, true},  {" 40123456 ", true, true},  // surrounding blanks are not the number's
      {"AB-12345", false, true}, {"ab12345", false, true},   {"4012 3456", false, false}, {"AÑ12345", false, false},
      {"12.345", false, false},  {"", false, false},         {"   ", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(V.VerificaDocumentoNumerico(c.Numero), c.Numerico) << c.Numero;
    EXPECT_EQ(V.VerificaDocumentoLibre(c.Numero), c.Libre) << c.Numero;
  }
}

TEST(Validador, KeyFiltersAndUpperCasing) {
  struct Case {
    int Key;
    bool Numero, Tecla, Texto;
    int Convertida;
  };
  const Case cases[] = {
      {'0', true, true, true, '0'},     {'9', true, true, true, '9'},    {8, true, true, true, 8},  // Backspace
      {13, false, false, false, 13},    {'a', false, true, true, 'A'},   {'Z', false, true, true, 'Z'},
      {241, false, false, true, 209},  // ñ
      {209, false, false, true, 209},  // Ñ
      {233, false, false, true, 201},  // é
      {252, false, false, true, 220},  // ü
      {255, false, false, true, 159},  // ÿ
      {223, false, false, true, 223},  // ß has no capital of its own
      {'-', false, true, true, '-'},    {' ', false, false, true, ' '},  {'.', false, false, true, '.'},
      {',', false, false, true, ','},   {'#', false, false, true, '#'},  {'/', false, false, true, '/'},
      {'\'', false, false, true, '\''}, {176, false, false, true, 176},  // °
      {'@', false, false, false, '@'},  {'*', false, false, false, '*'}, {'%', false, false, false, '%'},
      {215, false, false, false, 215},  // ×
  };
  for (const Case& c : cases) {
    EXPECT_EQ(V.FiltraNumero(c.Key), c.Numero) << c.Key;
    EXPECT_EQ(V.FiltraTecla(c.Key), c.Tecla) << c.Key;
    EXPECT_EQ(V.FiltraTexto(c.Key), c.Texto) << c.Key;
    EXPECT_EQ(V.ConvierteTecla(c.Key), c.Convertida) << c.Key;
  }
}

TEST(Validador, TextsFittedToAWidth) {
  struct Case {
    const char* Texto;
    long Ancho;
    const char* Relleno;
    const char* Formato;    // FormatoTexto: blanks on the right
    const char* Ajuste;     // AjustaColumna with the fill
    const char* Rellenado;  // Rellena: the fill before, never cut
  };
  const Case cases[] = {
      {"6", 2, "0", "6 ", "60", "06"},        {"12", 2, "0", "12", "12", "12"},   {"123", 2, "0", "12", "12", "123"},
      {"ÑAÑA", 3, "*", "ÑAÑ", "ÑAÑ", "ÑAÑA"}, {"É", 3, "·", "É  ", "É··", "··É"}, {"", 2, "0", "  ", "00", "00"},
      {"AB", 0, " ", "", "", "AB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(V.FormatoTexto(c.Texto, c.Ancho), c.Formato) << c.Texto;
    EXPECT_EQ(V.AjustaColumna(c.Texto, c.Ancho, c.Relleno), c.Ajuste) << c.Texto;
    EXPECT_EQ(V.Rellena(c.Texto, c.Ancho, c.Relleno), c.Rellenado) << c.Texto;
  }
  // A schedule item's code right-aligned in 90 characters.
  EXPECT_EQ(V.Rellena("010101", 90, " "), std::string(84, ' ') + "010101");
}

TEST(Validador, FilesAndMessages) {
  kr::testing::TempFolder folder;
  folder.Write("RPT/00000001.PRN", "x");
  EXPECT_TRUE(V.ExisteArchivo(folder.Program("RPT\\00000001.PRN")));
  EXPECT_TRUE(V.ExisteArchivo(folder.Program("rpt\\00000001.prn")));  // any case, as Windows finds it
  EXPECT_FALSE(V.ExisteArchivo(folder.Program("RPT\\00000002.PRN")));
  EXPECT_FALSE(V.ExisteArchivo(folder.Program("RPT")));  // a folder is no file

  forms::testing::ScriptedUser user;
  forms::Application application(user);
  user.ExpectMsgBox({"Debe seleccionar algún anexo", forms::vbOKOnly, "Error"}, forms::vbOK);
  EXPECT_EQ(V.MuestraMensaje("Debe seleccionar algún anexo", "Error"), forms::vbOK);
}

TEST(Validador, TheProgramsInstanceIsMadeByMain) {
  ReiniciaCompartidas();
  EXPECT_EQ(ErrorNumberOf([] { Validador(); }), 91);
  G().Validador = std::make_unique<cValidador>();
  EXPECT_EQ(&Validador(), G().Validador.get());
  ReiniciaCompartidas();
}

}  // namespace
}  // namespace app::testing
