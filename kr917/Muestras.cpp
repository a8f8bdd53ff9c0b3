#include "kr917/Muestras.h"

#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <memory>
#include <string>
#include <variant>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "kr917/Programa.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Input.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/PageImage.h"
#include "platform/qt/PdfCanvas.h"
#include "platform/qt/Screenshot.h"
#include "platform/text/Error.h"
#include "printing/frmImprimir.h"

namespace kr917 {
namespace {

// A print job whose sheets, once it ends, become a PDF and one PNG each.
class Papel : public print::Recorder {
 public:
  explicit Papel(QString base) : Base_(std::move(base)) {}

 protected:
  void Finish() override {
    Recorder::Finish();
    qtui::PdfCanvas pdf(Base_ + ".pdf");
    for (const print::Page& hoja : Pages()) {
      pdf.SetOrientation(hoja.Orientation());
      for (const print::Item& item : hoja.Items()) {
        if (const auto* t = std::get_if<print::TextItem>(&item)) {
          pdf.DrawText(t->X, t->Y, t->Text, t->Font);
        } else if (const auto* l = std::get_if<print::LineItem>(&item)) {
          pdf.DrawLine(l->X1, l->Y1, l->X2, l->Y2, l->Width);
        }
      }
      pdf.NewPage();
    }
    pdf.EndDocument();
    for (std::size_t k = 0; k < Pages().size(); ++k) {
      const QString png = Base_ + "-" + QString::number(k + 1) + ".png";
      if (!qtui::SavePagePng(Pages()[k], png)) vb::Raise(vb::ErrPrinter);
    }
    std::printf("%s.pdf and %zu page(s) as PNG\n", Base_.toLocal8Bit().constData(), Pages().size());
  }

 private:
  QString Base_;
};

// No screen: the user's part is played here. In the print window every row
// is printed, then the window is left; every message is counted.
class Impresor : public forms::ConsoleFrontEnd {
 public:
  explicit Impresor(QDir carpeta) : Carpeta_(std::move(carpeta)) {}

  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view) override {
    const app::Compartidas& g = app::G();
    const std::string nombre = g.RucDeclarante + (g.Enviadas ? "-" + g.Correlativo : "");
    ++Trabajos;
    return std::make_shared<Papel>(Carpeta_.filePath(QString::fromStdString(nombre)));
  }
  int ShowMessage(const forms::MessageBox& box) override {
    ++Mensajes;
    return ConsoleFrontEnd::ShowMessage(box);
  }
  void RunModal(forms::Form& form) override {
    auto* imprimir = dynamic_cast<app::frmImprimir*>(&form);
    if (imprimir == nullptr) return;
    const long filas = imprimir->grdContrib.Enabled() ? imprimir->grdContrib.RowCount() : 0;
    for (long fila = 0; fila < filas; ++fila) {
      forms::Input::ChooseRow(imprimir->grdContrib, fila);
      forms::Input::Click(imprimir->CmdImprimir(1));
    }
    forms::Input::Click(imprimir->CmdImprimir(2));
  }

  int Trabajos = 0;
  int Mensajes = 0;

 private:
  QDir Carpeta_;
};

}  // namespace

int ImprimeMuestras(int& argc, char** argv, const std::string& carpeta) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);
  const QDir destino(QString::fromStdString(carpeta));
  if (!QDir().mkpath(destino.path())) {
    std::fprintf(stderr, "cannot make %s\n", carpeta.c_str());
    return 1;
  }
  Impresor impresor(destino);
  forms::Application aplicacion(impresor);
  aplicacion.App().SetTitle("KR917");
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);

  // Its own lock, so a KR917 running beside it does not refuse it.
  const QString carpetaBloqueo = destino.filePath(QStringLiteral(".bloqueo"));
  QDir().mkpath(carpetaBloqueo);
  int estado = 0;
  {
    host::FixedWindowList escritorio{{"Dexlora"}};
    host::InstanceLock bloqueo(carpetaBloqueo.toStdString());
    try {
      app::ReiniciaCompartidas();
      RegistraVentanas();
      ModGen00::Main(escritorio, bloqueo);
      app::MDIFrm& principal = forms::Default<app::MDIFrm>();
      for (forms::Menu* comando : {&principal.mnuImprimirE, &principal.mnuImprimir}) {
        if (!forms::Input::ChooseMenu(*comando)) ++estado;
      }
    } catch (const forms::ProgramEnd&) {
      ++estado;
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "KR917: %d %s\n", e.Number(), e.Description().c_str());
      ++estado;
    }
    aplicacion.Reset();
    app::ReiniciaCompartidas();
  }
  QDir(carpetaBloqueo).removeRecursively();
  return estado == 0 && impresor.Mensajes == 0 && impresor.Trabajos > 0 ? 0 : 1;
}

}  // namespace kr917
