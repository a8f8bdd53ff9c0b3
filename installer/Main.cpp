// LUD917, the table installer: prepares the shared database for form 917.
// The command line is not used. With a display its message boxes are real
// boxes; without one they go to standard error.
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/forms/Application.h"
#include "platform/qt/FrontEndChoice.h"

int main(int argc, char** argv) {
  qtui::ChosenFrontEnd frente = qtui::ChooseFrontEnd(argc, argv);
  forms::Application aplicacion(frente.Front());
  installer::ReiniciaCompartidas();
  return installer::Ejecuta();
}
