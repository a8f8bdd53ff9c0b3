#include "platform/host/HelpFile.h"

#include <gtest/gtest.h>

#include "tests/support/NotAFile.h"
#include "tests/support/TestSupport.h"

namespace host {
namespace {

using kr::testing::TempFolder;

TEST(HelpFile, ReadsTopicsByContextId) {
  TempFolder root;
  root.Write("KR/0917/KR917",
             "Ayuda del programa.\r\n"
             "[257] Contenido\r\n"
             "Temas de la ayuda\r\n"
             "\r\n"
             "[1041] Ventana principal\r\n"
             "\r\n"
             "Use el men\xFA Declaraci\xF3n.\r\n"
             "  [no es un tema]\r\n"
             "Segunda l\xEDnea.\r\n"
             "\r\n"
             "[1044]\n"
             "Declaraciones enviadas.\n"
             "[1041] Repetido\r\n"
             "no se lee\r\n");
  std::string path = root.Program("kr\\0917\\KR917");
  struct Case {
    long contextId;
    long id;
    const char* title;
    const char* text;
  } cases[] = {
      {kHelpContents, 257, "Contenido", "Temas de la ayuda"},
      {257, 257, "Contenido", "Temas de la ayuda"},
      {1041, 1041, "Ventana principal", "Use el menú Declaración.\n  [no es un tema]\nSegunda línea."},
      {1044, 1044, "", "Declaraciones enviadas."},
  };
  for (const Case& c : cases) {
    HelpPage page = ReadHelpTopic(path, c.contextId);
    EXPECT_TRUE(page.Found) << c.contextId;
    EXPECT_EQ(page.ContextId, c.id);
    EXPECT_EQ(page.Title, c.title);
    EXPECT_EQ(page.Text, c.text);
  }

  HelpPage unknown = ReadHelpTopic(path, 9999);
  EXPECT_FALSE(unknown.Found);
  EXPECT_EQ(unknown.Text, "No se encuentra el tema de ayuda 9999 en el archivo de ayuda: " + root.Path() + "/KR/0917/KR917");
}

TEST(HelpFile, AMissingFileSaysSo) {
  TempFolder root;
  HelpPage page = ReadHelpTopic(root.Program("0917\\KR917"), 1041);
  EXPECT_FALSE(page.Found);
  EXPECT_EQ(page.Text, "No se encuentra el archivo de ayuda: " + root.Path() + "/0917/KR917");
}

// Whatever another user put at the help file's name, the help says at once
// that it cannot read it.
TEST(HelpFile, WhatStandsAtItsNameInsteadOfAFileCannotBeRead) {
  TempFolder root;
  root.MakeFolder("KR/0917");
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    kr::testing::Planted planted(c.Kind, root / "KR/0917/KR917");
    const std::optional<std::string> answer =
        kr::testing::AnswerInChild([&] { return ReadHelpTopic(root.Program("KR\\0917\\KR917"), 1041).Text; }, deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, "No se puede leer el archivo de ayuda: " + root.Path() + "/KR/0917/KR917");
  }
}

}  // namespace
}  // namespace host
