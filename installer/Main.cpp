// LUD917, the table installer: prepares the shared database for form 917.
// The command line is not used.
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"

int main() {
  // The front end is chosen here and only here; the installer's code shows
  // its boxes through forms::MsgBox whichever runs.
  forms::ConsoleFrontEnd frente;
  forms::Application aplicacion(frente);
  installer::ReiniciaCompartidas();
  return installer::Ejecuta();
}
