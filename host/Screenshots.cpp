// screenshots OUTDIR [SAMPLE]: saves a PNG of every window there is into
// OUTDIR, on whatever Qt platform is set (QT_QPA_PLATFORM=offscreen needs no
// display), with the sample installation in SAMPLE (./sample by default)
// made when missing. Adding a window is one line of kShots.
#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <type_traits>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "common/CuentaTrabajo.h"
#include "app/ventanas/FrmConsTasas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/inicio/FuenteDatos.h"
#include "app/componentes/cValidador.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmAcercade.h"
#include "app/ventanas/frmBancos.h"
#include "app/ventanas/frmModFor.h"
#include "host/ControlGallery.h"
#include "host/HostWindow.h"
#include "host/SampleInstallation.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/print/Canvas.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/PageWidget.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/Screenshot.h"
#include "platform/text/Error.h"

namespace {

/// What a shot may use; widgets that are no form's window are kept in Owned.
struct Studio {
  qtui::QtFrontEnd& Front;
  dexlora::SampleLayout Sample;
  std::vector<std::unique_ptr<QWidget>> Owned;

  QWidget* Keep(std::unique_ptr<QWidget> widget) {
    widget->show();
    Owned.push_back(std::move(widget));
    return Owned.back().get();
  }
};

/// Shows one window and answers its top-level widget.
using Shooter = std::function<QWidget*(Studio&)>;

/// A window of the model, shown as the program shows it.
template <class F>
QWidget* ShowForm(Studio& studio) {
  F& form = forms::Default<F>();
  form.Show();
  return studio.Front.WindowOf(form);
}

QWidget* ShowHostWindow(Studio& studio) {
  return studio.Keep(std::make_unique<dexlora::HostWindow>(studio.Sample, dexlora::BuiltPrograms()));
}

QWidget* ShowMessageBox(Studio& studio) {
  forms::MessageBox box{"¿Confirma que va a eliminar la declaración?",
                        forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Eliminar Formularios"};
  return studio.Keep(qtui::MakeMessageBox(box));
}

QWidget* ShowPage(Studio& studio) {
  print::Recorder report;
  const print::Font title{"Courier New", 12, true}, body{"Courier New", 8, false};
  report.DrawText(1500, 600, "RESUMEN DE ENVIO - FORMULARIO 0917", title);
  report.DrawText(900, 1500, "RUC 10076543211   GARCIA PEREZ JUAN CARLOS", body);
  report.DrawRect(900, 2820, 11000, 3420);
  report.DrawText(1000, 2880, "Casilla 100  Renta bruta                     24,000", body);
  report.DrawText(1000, 3150, "Casilla 113  Renta neta                      19,200", body);
  report.EndDocument();
  auto page = std::make_unique<qtui::PageWidget>();
  page->SetPage(report.Pages().front());
  page->resize(page->sizeHint());
  return studio.Keep(std::move(page));
}

// A window of KR917 over the sample installation: the main window as the
// program shows it at start, then the window with the shared variables that
// its command sets.
template <class F>
Shooter Kr917(std::function<void(app::Compartidas&)> command = {}) {
  return [command](Studio& studio) -> QWidget* {
    app::Compartidas& g = app::G();
    g.Periodo = "2002";
    g.Semana = 0;
    if (!g.Validador) g.Validador = std::make_unique<app::cValidador>();
    forms::Default<app::MDIFrm>().Show();
    if constexpr (std::is_same_v<F, app::MDIFrm>) {
      return studio.Front.WindowOf(forms::Default<app::MDIFrm>());
    } else {
      if (command) command(g);
      return ShowForm<F>(studio);
    }
  };
}

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

// One line per window: the file's name and how to show it.
const struct {
  const char* Name;
  Shooter Show;
} kShots[] = {
    {"dexlora", ShowHostWindow},
    {"muestrario", ShowForm<dexlora::frmMuestrario>},
    {"mensaje", ShowMessageBox},
    {"pagina", ShowPage},
    {"kr917-principal", Kr917<app::MDIFrm>()},
    {"kr917-acercade", Kr917<app::frmAcercade>()},
    {"kr917-modificar", Kr917<app::frmModFor>(Modifica)},
    {"kr917-eliminar-enviadas", Kr917<app::frmModFor>(EliminaEnviada)},
    {"kr917-registrar-orden", Kr917<app::frmAbrirEnv>(Registra)},
    {"kr917-profesiones", Kr917<app::frmBancos>(Consulta<1>)},
    {"kr917-bancos", Kr917<app::frmBancos>(Consulta<2>)},
    {"kr917-uit", Kr917<app::frmBancos>(Consulta<3>)},
    {"kr917-tasas", Kr917<app::FrmConsTasas>()},
};

QtMessageHandler gStandardHandler = nullptr;

// The offscreen platform tells of each window feature it lacks; those notes say nothing about the pictures.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (gStandardHandler != nullptr) gStandardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: screenshots OUTDIR [SAMPLE]\n");
    return 2;
  }
  QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  std::string sample = argc == 3 ? argv[2] : "sample";
  dexlora::SampleLayout layout;
  try {
    layout = dexlora::CreateSampleInstallation(sample);
  } catch (const vb::Error& e) {
    std::fprintf(stderr, "screenshots: %d %s\n", e.Number(), e.Description().c_str());
    return 1;
  }
  if (!qtui::DisplayAvailable()) {
    std::fprintf(stderr, "screenshots: no display; run it with QT_QPA_PLATFORM=offscreen\n");
    return 1;
  }
  gStandardHandler = qInstallMessageHandler(QuietOffscreenNotes);
  auto qt = qtui::StartQt(argc, argv);
  qtui::QtFrontEnd front;
  forms::Application application(front);
  application.App().SetTitle("Dexlora");
  // Every window's data source opens through KR917's engine and account.
  common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  dao::DBEngine& engine = app::G().Motor;
  engine.SetSystemDB(layout.Workgroup);
  engine.SetDefaultUser(cuenta.Usuario);
  engine.SetDefaultPassword(cuenta.Clave);
  dexlora::frmMuestrario::Database = layout.Database;
  // KR917's windows read the installation's settings file and pictures.
  ::setenv("WINDIR", layout.WindowsFolder.c_str(), 1);
  front.SetPictureResolver(qtui::PictureFolder(KR917_PICTURES_DIR));
  application.SetDatabaseOpener(app::AbreFuenteDatos);

  Studio studio{front, layout, {}};
  int failed = 0;
  for (const auto& shot : kShots) {
    QString path = QDir(out).filePath(QString::fromLatin1(shot.Name) + QStringLiteral(".png"));
    QWidget* window = nullptr;
    try {
      window = shot.Show(studio);
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "screenshots: %s: %d %s\n", shot.Name, e.Number(), e.Description().c_str());
    } catch (const forms::ProgramEnd&) {
    }
    if (window != nullptr && qtui::SaveWidgetPng(*window, path)) {
      std::printf("  %s\n", path.toLocal8Bit().constData());
    } else {
      std::fprintf(stderr, "screenshots: %s was not saved\n", shot.Name);
      ++failed;
    }
    application.Reset();
    studio.Owned.clear();
    QApplication::processEvents();
  }
  std::printf("Screenshots in %s\n", out.toLocal8Bit().constData());
  return failed == 0 ? 0 : 1;
}
