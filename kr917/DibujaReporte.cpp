// DibujaReporte REPORT FOLDER: a page-command report file drawn as KR917
// prints it, into FOLDER/NAME.pdf, and as its preview shows it, one PNG a
// page (FOLDER/NAME-1.png, ...). It needs no display. Its messages (a
// missing file, a bad line) go to standard error, and then the exit status
// is 1. `make demo` and the screenshots show reports through it.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/PageImage.h"
#include "platform/qt/PdfCanvas.h"
#include "platform/qt/Screenshot.h"
#include "printing/ModObjetos.h"
#include "printing/frmPreview.h"

namespace {

// The console, whose print jobs go to one PDF file and whose messages are counted.
class Salida : public forms::ConsoleFrontEnd {
 public:
  explicit Salida(QString pdf) : Pdf_(std::move(pdf)) {}
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view) override {
    return std::make_shared<qtui::PdfCanvas>(Pdf_);
  }
  int ShowMessage(const forms::MessageBox& box) override {
    ++Mensajes;
    return ConsoleFrontEnd::ShowMessage(box);
  }
  int Mensajes = 0;

 private:
  QString Pdf_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s REPORT.PRN FOLDER\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);
  const QFileInfo reporte(QString::fromLocal8Bit(argv[1]));
  const QDir carpeta(QString::fromLocal8Bit(argv[2]));
  if (!QDir().mkpath(carpeta.path())) {
    std::fprintf(stderr, "cannot make %s\n", argv[2]);
    return 1;
  }
  const QString base = carpeta.filePath(reporte.completeBaseName());

  Salida salida(base + ".pdf");
  forms::Application aplicacion(salida);
  aplicacion.App().SetTitle("KR917");
  app::ReiniciaCompartidas();
  app::G().Validador = std::make_unique<app::cValidador>();
  app::G().RutaReportes = reporte.absolutePath().toStdString();
  const std::string nombre = reporte.fileName().toStdString();

  // On paper: every sheet, as the print window prints it.
  ModObjetos::VistaPrevia(nombre, "xx");
  // On screen: each page box of the preview.
  app::frmPreview vista;
  vista.Archivo = nombre;
  forms::Load(vista);
  int hojas = 0;
  for (int k = 0; k < vista.TotalPaginas; ++k) {
    const QString png = base + "-" + QString::number(k + 1) + ".png";
    if (!qtui::SavePagePng(vista.picPrevia(k).Drawing(), png)) {
      std::fprintf(stderr, "cannot write %s\n", png.toLocal8Bit().constData());
      return 1;
    }
    ++hojas;
  }
  forms::Unload(vista);
  app::ReiniciaCompartidas();
  if (salida.Mensajes > 0) return 1;
  std::printf("%s.pdf and %d page(s) as PNG\n", base.toLocal8Bit().constData(), hojas);
  return 0;
}
