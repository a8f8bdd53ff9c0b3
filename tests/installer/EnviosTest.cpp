// The import of the host's send-table list into envio_t.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "tests/installer/InstaladorFixture.h"
#include "tests/support/NotAFile.h"

namespace kr::testing {
namespace {

const char* const kEnvios = "SELECT * FROM envio_t";

// Writes the send-table list; lines end with CR LF as the host writes them.
void EscribeEnvios(const dexlora::SampleLayout& layout, std::initializer_list<std::string_view> lineas) {
  std::string texto;
  for (std::string_view l : lineas) texto += std::string(l) + "\r\n";
  std::filesystem::path ruta = layout.SendTables;
  std::ofstream(ruta, std::ios::binary) << texto;
}

TEST_F(Instalador, SampleListBecomesTheFormsRowsOfEnvioT) {
  ASSERT_EQ(Ejecuta(), 0);
  auto db = Abre();
  EXPECT_EQ(LeeFilas(*db, kEnvios),
            (Filas{
                {"0917", "CAB", "CAB0917", "TXT", "1", "1", "1", "2", "3", "4", "5", "0", "6"},
                {"0917", "DET", "DET0917", "TXT", "2", "1", "1", "2", "3", "4", "5", "0", "6"},
                {"0917", "F0917PATRIM", "PAT0917", "TXT", "3", "0", "1", "2", "3", "4", "0", "0", "0"},
                {"0917", "HF0917PATRIM", " ", "TXT", "4", "0", "1", "2", "3", "4", "0", "0", "0"},
            }));
}

TEST_F(Instalador, ListIsReadFieldByFieldUpToItsFirstBlankLine) {
  {
    auto db = Abre();
    db->Execute("INSERT INTO envio_t VALUES ('0918','CAB','X','Y',1,1,1,1,1,1,1,1,1)");
    db->Execute("INSERT INTO envio_t VALUES ('0917','VIEJA','X','Y',1,1,1,1,1,1,1,1,1)");
  }
  EscribeEnvios(Muestra.Layout(), {
                                      "1|  CAB  |CAB0917|  TXT |1|1|1|0002|3|4|5|0|6|resto|ignorado|",
                                      "2|DET||TXT|2|1|1|2|0917|4|5|0|6|",
                                      "3|SPOOL|   |TXT|3|0|1|2| 3 |4|0|0|0|",
                                      "4|CAB|CAB2|TXT|009|1|1|2|3|4|5|0|7|",
                                      "5|O'HARA|D'X|T'|1|1|1|1|1|1|1|1|1|",
                                      "   ",
                                      "6|DESPUES|X|TXT|1|1|1|1|1|1|1|1|1|",
                                  });
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  EXPECT_EQ(LeeFilas(*db, kEnvios), (Filas{
                                        {"0917", "CAB", "CAB2", "TXT", "9", "1", "1", "2", "3", "4", "5", "0", "7"},
                                        {"0917", "DET", " ", "TXT", "2", "1", "1", "2", "917", "4", "5", "0", "6"},
                                        {"0917", "O'HARA", "D'X", "T'", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
                                        {"0917", "SPOOL", "   ", "TXT", "3", "0", "1", "2", "3", "4", "0", "0", "0"},
                                        {"0917", "VIEJA", "X", "Y", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
                                        {"0918", "CAB", "X", "Y", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
                                    }));
}

TEST_F(Instalador, BadLinesAreToldAndSkippedAndTheGoodOnesImported) {
  EscribeEnvios(Muestra.Layout(), {
                                      "1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|",
                                      "2|DET|DET0917|TXT|2|1|",
                                      "3|X|Y|Z|256|0|0|0|0|0|0|0|0|",
                                      "4|X|Y|Z|1|1|1|uno|0|0|0|0|0|",
                                      "5|X|Y|Z|1|1|1|1|1||1|1|1|",
                                      "6|F0917PATRIM|PAT0917|TXT|3|0|1|2|3|4|0|0|0|",
                                  });
  const std::string archivo = ArchivoEnvios();
  auto caja = [&](int linea, const std::string& motivo, const std::string& texto) {
    return forms::MessageBox{
        "La línea " + std::to_string(linea) + " del archivo " + archivo + " " + motivo + "; no se cargó:\n" + texto,
        forms::vbCritical, "Error al Leer el Archivo de Envío"};
  };
  Usuario.ExpectMsgBox(caja(2, "tiene menos de 13 campos terminados en \"|\"", "2|DET|DET0917|TXT|2|1|"), forms::vbOK);
  Usuario.ExpectMsgBox(caja(3, "el campo 4 no es un número entero de 0 a 255", "3|X|Y|Z|256|0|0|0|0|0|0|0|0|"),
                       forms::vbOK);
  Usuario.ExpectMsgBox(caja(4, "el campo 7 no es un número", "4|X|Y|Z|1|1|1|uno|0|0|0|0|0|"), forms::vbOK);
  Usuario.ExpectMsgBox(caja(5, "el campo 9 no es un número", "5|X|Y|Z|1|1|1|1|1||1|1|1|"), forms::vbOK);
  EXPECT_EQ(Ejecuta(), 1);
  Usuario.VerifyDone();
  auto db = Abre();
  EXPECT_EQ(LeeFilas(*db, "SELECT tabla_o FROM envio_t"), (Filas{{"CAB"}, {"F0917PATRIM"}}));
}

TEST_F(Instalador, MissingListIsToldAndTheRestOfTheRunStands) {
  std::filesystem::remove(Muestra.Layout().SendTables);
  Usuario.ExpectMsgBox(
      forms::MessageBox{"No se pudo leer el archivo " + ArchivoEnvios() + "\n" + vb::ErrorText(vb::ErrFileNotFound),
                        forms::vbCritical, "Error al Leer el Archivo de Envío"},
      forms::vbOK);
  EXPECT_EQ(Ejecuta(), 1);
  Usuario.VerifyDone();
  auto db = Abre();
  EXPECT_TRUE(LeeFilas(*db, kEnvios).empty());
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM PARAM WHERE Numero='979'").size(), 66u);
}

// The list's name below the shared tmp folder may hold anything another user
// put there: what is not a file is told at once as a list that cannot be
// read, and the rest of the run stands.
TEST_F(Instalador, WhatStandsAtTheListsNameInsteadOfAFileIsToldAtOnce) {
  std::filesystem::remove(Muestra.Layout().SendTables);
  const std::string mensaje = "No se pudo leer el archivo " + ArchivoEnvios() + "\n" + vb::ErrorText(vb::ErrPathFileAccess);
  const auto deadline = HangDeadline();
  for (const NotAFileCase& c : kNotAFile) {
    SCOPED_TRACE(c.What);
    Planted planted(c.Kind, Muestra.Layout().SendTables);
    const std::optional<std::string> answer = AnswerInChild(
        [&] {
          Usuario.ExpectMsgBox(mensaje, forms::vbOK);
          std::string told = std::to_string(Ejecuta());
          for (const forms::MessageBox& m : Usuario.Messages()) told += "|" + m.Prompt;
          return told;
        },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, "1|" + mensaje);
  }
  auto db = Abre();
  EXPECT_TRUE(LeeFilas(*db, kEnvios).empty());
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM PARAM WHERE Numero='979'").size(), 66u);
}

}  // namespace
}  // namespace kr::testing
