// LUD917, the table installer: prepares the shared database for form 917.
// The command line is not used. With a display a person can see, its message
// boxes are real boxes; otherwise they go to standard error and answer their
// default, so the run never waits on a box nobody sees.
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/forms/Application.h"
#include "platform/qt/FrontEndChoice.h"

int main(int argc, char** argv) {
  // Qt reads options of its own from the command line ("-platform", "-reverse"),
  // which would change the run: it is given the program's name alone. It keeps
  // the arguments for its whole life, hence static.
  static char nombre[] = "LUD917";
  static int qtArgc = 1;
  static char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : nombre, nullptr};
  qtui::ChosenFrontEnd frente = qtui::ChooseFrontEnd(qtArgc, qtArgv, qtui::Audience::Person);
  forms::Application aplicacion(frente.Front());
  installer::ReiniciaCompartidas();
  return installer::Ejecuta();
}
