// KR917: the program's main. It chooses the front end, starts the program
// beside its host and runs the user's events until the program ends.
#include <functional>
#include <memory>

#include "app/Compartidas.h"
#include "app/FuenteDatos.h"
#include "app/ModGen00.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/X11WindowList.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace {

// The front end and how it runs the user's events until the last window has
// gone or End. This is the one place that chooses them.
struct Interfaz {
  std::unique_ptr<forms::FrontEnd> Frente;
  std::function<void()> Bucle;
};

Interfaz EligeInterfaz(int& /*argc*/, char** /*argv*/) {
  // Without a screen nobody can act on the windows: the program's messages
  // go to standard error and there are no events to wait for.
  return {std::make_unique<forms::ConsoleFrontEnd>(), [] {}};
}

}  // namespace

int main(int argc, char** argv) {
  Interfaz interfaz = EligeInterfaz(argc, argv);
  forms::Application aplicacion(*interfaz.Frente);
  aplicacion.App().SetTitle("KR917");
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);

  std::unique_ptr<host::WindowList> escritorio = host::DesktopWindowList();
  host::InstanceLock bloqueo;
  try {
    ModGen00::Main(*escritorio, bloqueo);
    interfaz.Bucle();
  } catch (const forms::ProgramEnd&) {
  } catch (const vb::Error& e) {
    // A run-time error that no handler caught is told, and ends the program.
    forms::MsgBox("Error " + vb::NumberText(e.Number()) + ": " + e.Description(), forms::vbCritical, "KR917");
    return 1;
  }
  return 0;
}
