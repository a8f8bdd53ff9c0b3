// 0917SND, the submission summary: writes the summary of the saved return
// its command line names. The arguments are joined by single blanks (the
// host passes one). With a display a person can see, its message boxes are
// real boxes; otherwise they go to standard error and answer their default,
// so the run never waits on a box nobody sees.
#include <string>

#include "platform/forms/Application.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/text/Cp1252.h"
#include "summary/Compartidas.h"
#include "summary/Inicio.h"

int main(int argc, char** argv) {
  std::string linea;
  for (int i = 1; i < argc; ++i) linea += (i > 1 ? " " : "") + std::string(argv[i]);
  // Qt reads options of its own from the command line ("-platform",
  // "-reverse"), which would change the run: it is given the program's name
  // alone. It keeps the arguments for its whole life, hence static.
  static char nombre[] = "0917SND";
  static int qtArgc = 1;
  static char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : nombre, nullptr};
  qtui::ChosenFrontEnd frente = qtui::ChooseFrontEnd(qtArgc, qtArgv, qtui::Audience::Person);
  forms::Application aplicacion(frente.Front());
  summary::ReiniciaCompartidas();
  // A line in the machine's 8-bit code page reads as Windows-1252.
  return summary::Ejecuta(vb::DecodeText(linea));
}
