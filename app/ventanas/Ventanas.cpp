#include "app/ventanas/Ventanas.h"

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Label.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace app {
namespace {

// Stands for a window that this version of the program does not have yet:
// it shows its name and the return it would open, so the hand-over is visible.
class VentanaPendiente : public forms::Form {
 public:
  explicit VentanaPendiente(const std::string& nombre) : Form(nombre) {
    SetCaption(nombre);
    Move(0, 0, 5400, 2700);
    lblAviso.Move(240, 240, 4800, 1200);
    cmdCerrar.Move(3960, 1680, 1095, 375);
    cmdCerrar.SetCaption("&Cerrar");
    cmdCerrar.SetCancel(true);
    cmdCerrar.Click = [this] { forms::Unload(*this); };
  }

 protected:
  void Form_Load() override {
    const Compartidas& g = G();
    lblAviso.SetCaption("La ventana " + Name() + " no está disponible en esta versión.\nDeclaración: " +
                        g.RucDeclarante + " " + g.NombreDeclarante + "\nPeriodo " + g.Periodo + ", semana " +
                        vb::NumberText(g.Semana) + ", correlativo " + g.Correlativo + ", modo " +
                        vb::NumberText(g.Modo) + (g.ModoRegistro ? ", registro de número de orden" : ""));
  }

 public:
  forms::Label lblAviso{this, "lblAviso"};
  forms::CommandButton cmdCerrar{this, "cmdCerrar"};
};

}  // namespace

void AbrePendiente(const std::string& nombre) {
  for (std::string_view pendiente : ventana::kPendientes) {
    if (pendiente == nombre) {
      VentanaPendiente ventana(nombre);
      ventana.Show(forms::vbModal);
      return;
    }
  }
  vb::Raise(vb::ErrInvalidCall);
}

}  // namespace app
