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
#include "common/ImpLinea.h"
#include "kr917/Programa.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Application.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/Screenshot.h"
#include "platform/text/Cp1252.h"
#include "printing/FrmConsist.h"
#include "printing/frmImpxPag.h"
#include "printing/frmPreview.h"

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

// A report's first page as the print window writes it, for the preview.
constexpr char kMuestra[] = "00009999.PRN";
void EscribeMuestra(const std::string& ruta) {
  common::EstadoImpresion e(common::kLineasKR917);
  e.AnchoPagina = 104;
  e.PaginaActual = 1;
  e.AbreReporte(ruta);
  common::ImprimeLinea(e, "<!font!>Courier New<!/font!>");
  common::ImprimeLinea(e, "<!nHojas!>1<!/nHojas!>");
  common::ImprimeLinea(e, "<!Orientacion!>V<!/Orientacion!>");
  common::ImprimeLinea(e, "<!Color!>&H00FFFFC0&<!/Color!>");
  common::ImprimePos(e, 300, 350, "VELTA", -1, 16, 0);
  common::ImprimePos(e, 300, 750, "DECLARACION", 0, 8, 0);
  common::ImprimePos(e, 550, 1100, "PAGO", 0, 8, 0);
  common::ImprimePos(e, 550, 1330, "917", -1, 12, 0);
  common::ImprimeRecuadro(e, 150, 300, 1700, 1640, 0);
  common::ImprimeRecuadro(e, 1700, 300, 8500, 1100, 0);
  common::ImprimeRecuadro(e, 8500, 300, 11000, 1640, 0);
  common::ImprimePos(e, 3050, 400, "DECLARACIÓN PAGO ANUAL IMPUESTO A LA RENTA", -1, 9, 0);
  common::ImprimePos(e, 9000, 400, "Pag. 1", 0, 8, 0);
  common::ImprimePos(e, 4100, 670, "PERSONAS NATURALES", -1, 9, 0);
  common::ImprimePos(e, 3750, 900, "Ejercicio Gravable 2002", 0, 8, 0);
  common::ImprimeRecuadro(e, 1700, 1100, 8500, 1640, 0);
  common::ImprimePos(e, 1750, 1170, "RUC", 0, 8, 0);
  common::ImprimePos(e, 3850, 1170, "10076543211", -1, 8, 0);
  common::ImprimePos(e, 1750, 1450, "Apellidos y nombres", 0, 8, 0);
  common::ImprimePos(e, 3850, 1450, "GARCIA PEREZ JUAN CARLOS", -1, 8, 0);
  const char* filas[][2] = {{"100", "24,000"}, {"107", "3,500"},   {"113", "19,200"},
                            {"120", "2,880"},  {"141", "(1,200)"}, {"146", "1,680"}};
  const char* nombres[] = {"Renta bruta de primera categoría", "Renta bruta de segunda categoría",
                           "Renta neta de cuarta categoría", "Impuesto resultante", "Saldo a favor",
                           "Saldo por regularizar"};
  for (int i = 0; i < 6; ++i) {
    const int y = 2820 + i * 270;
    common::ImprimeRecuadro(e, 150, y, 11000, y + 270, 0);
    common::ImprimePos(e, 300, y + 40, std::string(filas[i][0]), 0, 8, 0);
    common::ImprimePos(e, 1000, y + 40, std::string(nombres[i]), 0, 8, 0);
    common::ImprimePos(e, 9300, y + 40, std::string(15 - std::string(filas[i][1]).size(), ' ') + filas[i][1], 0, 8, 0);
  }
  e.CierraReporte();
}

// The list of inconsistencies as the consistency check leaves it.
void EscribeInconsistencias(const std::string& ruta) {
  const char* mensajes[] = {
      "Debe ingresar el número de teléfono del declarante - Identificación",
      "El monto de la casilla 113 no puede ser mayor que el de la casilla 107 - Rentas de cuarta categoría",
      "Si marcó que tiene información adicional de cuentas bancarias debe registrar al menos una cuenta - "
      "Información adicional",
  };
  std::string bytes;
  for (const char* m : mensajes) bytes += vb::ToCp1252(m) + "\r\n";
  vb::WriteFileAtomically(ruta, bytes);
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

  /// The preview of a report file of the sample, its first page shown.
  qtui::Shot Preliminar(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              EscribeMuestra(app::G().RutaReportes + "\\" + kMuestra);
              app::frmPreview& vista = forms::Default<app::frmPreview>();
              vista.Archivo = kMuestra;
              vista.Show();
              return Frente_.WindowOf(vista);
            }};
  }

  /// The page-range dialog as the print window opens it for a four-page report.
  qtui::Shot RangoPaginas(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              app::frmImpxPag& rango = forms::Default<app::frmImpxPag>();
              forms::Load(rango);
              rango.SetCaption("Impresión de 4 páginas");
              rango.txtTotPaginas.SetText("4");
              rango.SetTag(kMuestra);
              rango.Show();
              return Frente_.WindowOf(rango);
            }};
  }

  /// The inconsistencies of a return, as the consistency check lists them.
  qtui::Shot Inconsistencias(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              app::G().ArchivoSalida = app::G().RutaSistema + "Mens.txt";
              EscribeInconsistencias(app::G().ArchivoSalida);
              app::FrmConsist& lista = forms::Default<app::FrmConsist>();
              lista.Show();
              return Frente_.WindowOf(lista);
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
      estudio.Preliminar("kr917-vista-previa"),
      estudio.RangoPaginas("kr917-rango-paginas"),
      estudio.Inconsistencias("kr917-inconsistencias"),
  };
  const int fallidas = qtui::TakeShots(capturas, QString::fromStdString(carpeta), [&] { estudio.Limpia(); });
  QDir(bloqueo).removeRecursively();
  return fallidas == 0 ? 0 : 1;
}

}  // namespace kr917
