#include "kr917/Capturas.h"

#include <QApplication>
#include <QDir>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/FrmConsTasas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmAcercade.h"
#include "app/ventanas/frmBancos.h"
#include "app/ventanas/frmModFor.h"
#include "kr917/Programa.h"
#include "platform/forms/Application.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/Screenshot.h"

namespace kr917 {
namespace {

// What a command sets before it opens its window.
using Orden = std::function<void(app::Compartidas&)>;

void Modifica(app::Compartidas& g) {
  g.Enviadas = false;
  g.Modo = 2;
}

void EliminaEnviada(app::Compartidas& g) {
  g.Enviadas = true;
  g.Modo = 3;
}

void Registra(app::Compartidas& g) {
  g.ModoRegistro = true;
  g.Modo = 2;
}

template <std::uint8_t Tipo>
void Consulta(app::Compartidas& g) {
  g.TipoConsulta = Tipo;
}

class Estudio {
 public:
  Estudio(qtui::QtFrontEnd& frente, forms::Application& aplicacion, const std::string& carpetaBloqueo)
      : Frente_(frente), Aplicacion_(aplicacion), CarpetaBloqueo_(carpetaBloqueo) {}

  /// The program as it stands after its start: the main window shown.
  void Arranca() {
    app::ReiniciaCompartidas();
    RegistraVentanas();
    Bloqueo_ = std::make_unique<host::InstanceLock>(CarpetaBloqueo_);
    ModGen00::Main(Escritorio_, *Bloqueo_);
  }

  /// The window of class F after its command `orden`, over the main window.
  template <class F>
  qtui::Shot Ventana(std::string nombre, Orden orden = {}) {
    return {std::move(nombre), [this, orden]() -> QWidget* {
              Arranca();
              if constexpr (std::is_same_v<F, app::MDIFrm>) {
                return Frente_.WindowOf(forms::Default<app::MDIFrm>());
              } else {
                if (orden) orden(app::G());
                F& ventana = forms::Default<F>();
                ventana.Show();
                return Frente_.WindowOf(ventana);
              }
            }};
  }

  /// Puts the program back before the next shot.
  void Limpia() {
    Aplicacion_.Reset();
    Bloqueo_.reset();
  }

 private:
  qtui::QtFrontEnd& Frente_;
  forms::Application& Aplicacion_;
  std::string CarpetaBloqueo_;
  host::FixedWindowList Escritorio_{{"Dexlora"}};
  std::unique_ptr<host::InstanceLock> Bloqueo_;
};

}  // namespace

int GuardaCapturas(int& argc, char** argv, const std::string& carpeta) {
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);
  qtui::QtFrontEnd frente;
  frente.SetPictureResolver(qtui::PictureFolder(CarpetaImagenes()));
  forms::Application aplicacion(frente);
  aplicacion.App().SetTitle("KR917");
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);

  // The shots' own lock, so a KR917 running beside them does not refuse them.
  const QString bloqueo = QDir(QString::fromStdString(carpeta)).filePath(QStringLiteral(".bloqueo"));
  QDir().mkpath(bloqueo);
  Estudio estudio(frente, aplicacion, bloqueo.toStdString());

  // One line per picture: its name and the window in its state.
  const std::vector<qtui::Shot> capturas = {
      estudio.Ventana<app::MDIFrm>("kr917-principal"),
      estudio.Ventana<app::frmAcercade>("kr917-acercade"),
      estudio.Ventana<app::frmModFor>("kr917-modificar", Modifica),
      estudio.Ventana<app::frmModFor>("kr917-eliminar-enviadas", EliminaEnviada),
      estudio.Ventana<app::frmAbrirEnv>("kr917-registrar-orden", Registra),
      estudio.Ventana<app::frmBancos>("kr917-profesiones", Consulta<1>),
      estudio.Ventana<app::frmBancos>("kr917-bancos", Consulta<2>),
      estudio.Ventana<app::frmBancos>("kr917-uit", Consulta<3>),
      estudio.Ventana<app::FrmConsTasas>("kr917-tasas"),
  };
  const int fallidas = qtui::TakeShots(capturas, QString::fromStdString(carpeta), [&] { estudio.Limpia(); });
  QDir(bloqueo).removeRecursively();
  return fallidas == 0 ? 0 : 1;
}

}  // namespace kr917
