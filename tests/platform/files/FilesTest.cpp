#include "platform/files/Files.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/text/Error.h"
#include "tests/support/TestSupport.h"

namespace vb {
namespace {

using kr::testing::ErrorNumberOf;
using kr::testing::TempFolder;

class FilesTest : public ::testing::Test {
 protected:
  std::vector<std::string> ReadLines(const std::string& program) {
    int n = files.FreeFile();
    files.Open(program, OpenMode::Input, n);
    std::vector<std::string> lines;
    while (!files.Eof(n)) lines.push_back(files.LineInput(n));
    files.Close(n);
    return lines;
  }
  TempFolder root;
  Files files;
};

TEST_F(FilesTest, PrintWritesLinesEndingInCrLfInTheFileFormat) {
  files.Open(root.Program("w1252.txt"), OpenMode::Output, 1);
  files.Open(root.Program("utf8.txt"), OpenMode::Output, 2, FileFormat::Utf8);
  files.Print(1, "AÑO");
  files.Print(1, "");
  files.Print(2, "AÑO");
  files.Close();
  EXPECT_EQ(root.Read("w1252.txt"), "A\xD1O\r\n\r\n");
  EXPECT_EQ(root.Read("utf8.txt"), "AÑO\r\n");
}

TEST_F(FilesTest, ReadsWindows1252AndUtf8Alike) {
  root.Write("a.txt", "PE\xD1" "A\r\nCami\xF3n\r\n");
  root.Write("b.txt", "PEÑA\r\nCamión\r\n");
  std::vector<std::string> expected{"PEÑA", "Camión"};
  EXPECT_EQ(ReadLines(root.Program("a.txt")), expected);
  EXPECT_EQ(ReadLines(root.Program("b.txt")), expected);
}

TEST_F(FilesTest, WindowsFormatRoundTrip) {
  files.Open(root.Program("r.txt"), OpenMode::Output, 1);
  files.Print(1, "Ñ ó €");
  files.Close(1);
  EXPECT_EQ(ReadLines(root.Program("r.txt")), std::vector<std::string>{"Ñ ó €"});
}

TEST_F(FilesTest, LineInputStripsEachKindOfLineEnd) {
  struct Case {
    const char* content;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"uno\r\ndos\r\n", {"uno", "dos"}},
      {"uno\ndos\n", {"uno", "dos"}},
      {"uno\rdos", {"uno", "dos"}},
      {"uno\r\n\r\ntres", {"uno", "", "tres"}},
      {"\r\n", {""}},
  };
  for (const Case& c : cases) {
    root.Write("l.txt", c.content);
    EXPECT_EQ(ReadLines(root.Program("l.txt")), c.lines) << c.content;
  }
}

TEST_F(FilesTest, OutputEmptiesAndAppendAddsAtTheEnd) {
  root.Write("f.txt", "viejo\r\n");
  files.Open(root.Program("f.txt"), OpenMode::Append, 1);
  files.Print(1, "nuevo");
  files.Close(1);
  EXPECT_EQ(root.Read("f.txt"), "viejo\r\nnuevo\r\n");
  files.Open(root.Program("f.txt"), OpenMode::Output, 1);
  files.Close(1);
  EXPECT_EQ(root.Read("f.txt"), "");
  files.Open(root.Program("creado.txt"), OpenMode::Append, 1);
  files.Close(1);
  EXPECT_EQ(root.Read("creado.txt"), "");
}

TEST_F(FilesTest, OutputNewCreatesAFileAndNeverTouchesOneThatExists) {
  files.Open(root.Program("nuevo.txt"), OpenMode::OutputNew, 1);
  files.Print(1, "año");
  files.Close(1);
  EXPECT_EQ(root.Read("nuevo.txt"), "a\xF1o\r\n");
  root.Write("AJENO.TXT", "de otro\r\n");
  for (const char* nombre : {"nuevo.txt", "ajeno.txt"}) {
    SCOPED_TRACE(nombre);
    EXPECT_EQ(ErrorNumberOf([&] { files.Open(root.Program(nombre), OpenMode::OutputNew, 1); }), ErrFileAlreadyExists);
  }
  EXPECT_EQ(root.Read("AJENO.TXT"), "de otro\r\n");
  EXPECT_EQ(files.FreeFile(), 1);  // a refused open holds no number
  EXPECT_EQ(ErrorNumberOf([&] { files.Open(root.Program("falta\\x.txt"), OpenMode::OutputNew, 1); }), ErrPathNotFound);
}

TEST_F(FilesTest, OpensAFileWhateverTheCaseOfItsPath) {
  root.Write("KR/RPT/00000001.PRN", "línea\r\n");
  EXPECT_EQ(ReadLines(root.Program("kr\\rpt\\00000001.prn")), std::vector<std::string>{"línea"});
}

TEST_F(FilesTest, InputOfLofReadsTheWholeText) {
  root.Write("p.txt", "AÑO\r\n2002\r\n");
  files.Open(root.Program("p.txt"), OpenMode::Input, 1);
  EXPECT_EQ(files.Lof(1), 11);  // characters, not the 12 bytes
  EXPECT_EQ(files.Input(files.Lof(1), 1), "AÑO\r\n2002\r\n");
  EXPECT_TRUE(files.Eof(1));
  EXPECT_EQ(ErrorNumberOf([&] { files.Input(1, 1); }), ErrInputPastEnd);
}

TEST_F(FilesTest, FreeFileAnswersTheLowestUnusedNumber) {
  EXPECT_EQ(files.FreeFile(), 1);
  files.Open(root.Program("a"), OpenMode::Output, 1);
  files.Open(root.Program("b"), OpenMode::Output, 3);
  EXPECT_EQ(files.FreeFile(), 2);
  files.Close(1);
  EXPECT_EQ(files.FreeFile(), 1);
  files.Close(7);  // not open: ignored
  files.Close();
  EXPECT_EQ(ErrorNumberOf([&] { files.Print(3, "x"); }), ErrBadFileNumber);
}

TEST_F(FilesTest, AResetTableClosesItsFiles) {
  files.Open(root.Program("a.txt"), OpenMode::Output, 1);
  files.Print(1, "uno");
  Files moved = std::move(files);
  moved.Print(1, "dos");
  moved = Files();
  EXPECT_EQ(root.Read("a.txt"), "uno\r\ndos\r\n");
  EXPECT_EQ(ErrorNumberOf([&] { moved.Print(1, "tres"); }), ErrBadFileNumber);
}

TEST_F(FilesTest, ErrorsAsVbGivesThem) {
  root.Write("existe.txt", "contenido\r\n");
  root.MakeFolder("carpeta");
  files.Open(root.Program("existe.txt"), OpenMode::Input, 1);
  files.Open(root.Program("salida.txt"), OpenMode::Output, 2);
  struct Case {
    const char* what;
    std::function<void()> action;
    int number;
  } cases[] = {
      {"input of a missing file", [&] { files.Open(root.Program("falta.txt"), OpenMode::Input, 5); }, 53},
      {"a missing folder", [&] { files.Open(root.Program("no\\falta.txt"), OpenMode::Output, 5); }, 76},
      {"a folder opened as a file", [&] { files.Open(root.Program("carpeta"), OpenMode::Input, 5); }, 75},
      {"a number in use", [&] { files.Open(root.Program("otro.txt"), OpenMode::Output, 1); }, 55},
      {"output of a file open for input", [&] { files.Open(root.Program("EXISTE.TXT"), OpenMode::Output, 5); }, 55},
      {"input of a file open for output", [&] { files.Open(root.Program("salida.txt"), OpenMode::Input, 5); }, 55},
      {"number 0", [&] { files.Open(root.Program("x.txt"), OpenMode::Output, 0); }, 52},
      {"number 512", [&] { files.Open(root.Program("x.txt"), OpenMode::Output, 512); }, 52},
      {"print to a closed number", [&] { files.Print(9, "x"); }, 52},
      {"line input of a closed number", [&] { files.LineInput(9); }, 52},
      {"eof of a closed number", [&] { files.Eof(9); }, 52},
      {"print to an input file", [&] { files.Print(1, "x"); }, 54},
      {"line input of an output file", [&] { files.LineInput(2); }, 54},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorNumberOf(c.action), c.number) << c.what;

  // The refused Output open left the file as it was, and a second Input open is fine.
  EXPECT_EQ(root.Read("existe.txt"), "contenido\r\n");
  files.Open(root.Program("existe.txt"), OpenMode::Input, 5);
  EXPECT_EQ(files.LineInput(5), "contenido");
  EXPECT_EQ(ErrorNumberOf([&] { files.LineInput(5); }), ErrInputPastEnd);
}

}  // namespace
}  // namespace vb
