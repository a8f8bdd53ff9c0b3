#include "host/Screenshots.h"

#include <QApplication>

#include <memory>
#include <vector>

#include "common/CuentaTrabajo.h"
#include "host/ControlGallery.h"
#include "host/HostWindow.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/print/Canvas.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/PageWidget.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/Screenshot.h"

namespace dexlora {
namespace {

// A page of the canvas, drawn as the preview draws one.
std::unique_ptr<QWidget> SamplePage() {
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
  return page;
}

}  // namespace

int VisitScreenshots(const SampleLayout& layout, const qtui::ShotVisitor& visit) {
  qtui::QtFrontEnd front;
  forms::Application application(front);
  application.App().SetTitle("Dexlora");

  // The gallery's grid reads the installation's banks through the programs' account.
  const common::CuentaTrabajo account = common::CuentaGrupoTrabajo();
  dao::DBEngine engine;
  engine.SetSystemDB(layout.Workgroup);
  engine.SetDefaultUser(account.Usuario);
  engine.SetDefaultPassword(account.Clave);
  application.SetDatabaseOpener([&engine](const std::string& path) { return engine.Workspaces(0).OpenDatabase(path); });
  frmMuestrario::Database = layout.Database;

  std::vector<std::unique_ptr<QWidget>> kept;
  auto keep = [&kept](std::unique_ptr<QWidget> widget) {
    widget->show();
    kept.push_back(std::move(widget));
    return kept.back().get();
  };
  const std::vector<qtui::Shot> shots = {
      {"dexlora", [&] { return keep(std::make_unique<HostWindow>(layout, BuiltPrograms())); }},
      {"muestrario",
       [&] {
         frmMuestrario& gallery = forms::Default<frmMuestrario>();
         gallery.Show();
         return front.WindowOf(gallery);
       }},
      {"mensaje",
       [&] {
         forms::MessageBox box{"¿Confirma que va a eliminar la declaración?",
                               forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Eliminar Formularios"};
         return keep(qtui::MakeMessageBox(box));
       }},
      {"pagina", [&] { return keep(SamplePage()); }},
  };
  return qtui::VisitShots(shots, visit, [&] {
    application.Reset();
    kept.clear();
  });
}

int SaveScreenshots(int& argc, char** argv, const SampleLayout& layout, const std::string& folder) {
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);
  return VisitScreenshots(layout, qtui::SavePngIn(QString::fromStdString(folder))) == 0 ? 0 : 1;
}

}  // namespace dexlora
