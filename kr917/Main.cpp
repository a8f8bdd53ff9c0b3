// KR917: the program's main. It chooses the front end, starts the program
// beside its host and runs the user's events until the program ends.
//
//   KR917                       as the host starts it
//   KR917 --screenshots DIR     pictures of its windows into DIR (make screenshots)
//   KR917 --imprime DIR         the sample's returns printed through the print
//                               window, to PDFs and PNGs in DIR (make demo)
#include <cstring>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/ModGen00.h"
#include "kr917/Capturas.h"
#include "kr917/Muestras.h"
#include "kr917/Programa.h"
#include "platform/forms/Application.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/X11WindowList.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) {
    int qtArgc = 1;
    return kr917::GuardaCapturas(qtArgc, argv, argv[2]);
  }
  if (argc == 3 && std::strcmp(argv[1], "--imprime") == 0) {
    int qtArgc = 1;
    return kr917::ImprimeMuestras(qtArgc, argv, argv[2]);
  }

  // Qt when there is a screen; without one nobody can act on the windows,
  // the program's messages go to standard error and there are no events.
  qtui::ChosenFrontEnd interfaz = qtui::ChooseFrontEnd(argc, argv);
  if (qtui::QtFrontEnd* qt = interfaz.Qt()) qt->SetPictureResolver(qtui::PictureFolder(kr917::CarpetaImagenes()));
  forms::Application aplicacion(interfaz.Front());
  aplicacion.App().SetTitle("KR917");
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);

  std::unique_ptr<host::WindowList> escritorio = host::DesktopWindowList();
  host::InstanceLock bloqueo;
  try {
    kr917::RegistraVentanas();
    ModGen00::Main(*escritorio, bloqueo);
    interfaz.Run();
  } catch (const forms::ProgramEnd&) {
  } catch (const vb::Error& e) {
    // A run-time error that no handler caught is told, and ends the program.
    forms::MsgBox("Error " + vb::NumberText(e.Number()) + ": " + e.Description(), forms::vbCritical, "KR917");
    return 1;
  }
  return 0;
}
