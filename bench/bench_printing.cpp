//===- bench_printing.cpp - Report files written, read and drawn ----------===//
//
// A 5-page report of 1,300 lines written through the report writer, read
// back and printed on a recorder by the interpreter, against the same bytes
// written, synced and renamed into place, read and split into pages by hand.
// A 300-page report opened in the preview: the window's model alone (the
// console front end) against the pages built by hand, and on screen (the Qt
// front end, offscreen) against a bare Qt widget showing the same pages. The
// last lines give each time and its ratio to its floor.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "bench/BenchReport.h"
#include "bench/CarpetaTemporal.h"
#include "bench/HojasCrudas.h"
#include "common/ImpLinea.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/print/Canvas.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/PageWidget.h"
#include "platform/qt/QtFrontEnd.h"
#include "printing/ModObjetos.h"
#include "printing/frmPreview.h"

namespace {

using kr::bench::HojasCrudas;

constexpr int kLineasPorHoja = 259;  // 5 pages: a tag, 1,295 commands and 4 breaks

const std::string& Carpeta() {
  static const kr::bench::CarpetaTemporal carpeta("prn");
  return carpeta.Ruta();
}

// The console, whose print jobs are recorded.
class Consola : public forms::ConsoleFrontEnd {
 public:
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view) override {
    Ultimo = std::make_shared<print::Recorder>();
    return Ultimo;
  }
  std::shared_ptr<print::Recorder> Ultimo;
};

// One page of a return: its heading frames and texts, rows of boxes with their amounts.
void EscribeHoja(common::EstadoImpresion& e, int pagina, int comandos) {
  if (pagina > 0) common::ImprimePos(e, 0, 0, "pNuevaHoja", 0, 8, pagina);
  for (int i = 0; i < comandos; ++i) {
    const int y = 2820 + (i / 3) * 270 % 12000;
    if (i % 3 == 0) {
      common::ImprimeRecuadro(e, 150, y, 11000, y + 270, pagina);
    } else {
      common::ImprimePos(e, i % 3 == 1 ? 300 : 9300, y + 40,
                         i % 3 == 1 ? std::string("Renta neta de cuarta categoría") : std::string("      19,200"), 0, 8,
                         pagina);
    }
  }
}

void EscribeReporte(const std::string& ruta, int hojas, int comandos) {
  common::EstadoImpresion e(common::kLineasKR917);
  e.AnchoPagina = 104;
  e.PaginaActual = 1;
  e.AbreReporte(ruta);
  common::ImprimeLinea(e, "<!Color!>&H00FFFFC0&<!/Color!>");
  for (int p = 0; p < hojas; ++p) EscribeHoja(e, p, comandos);
  e.CierraReporte();
}

// --- The floor: the same file by hand ---

std::string Bytes(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void EscribeCrudo(const std::string& ruta, const std::string& bytes) {
  const std::string temporal = ruta + ".tmp";
  const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::fsync(fd);
  ::close(fd);
  std::rename(temporal.c_str(), ruta.c_str());
}

// --- A 5-page report written, read back and recorded ---

void EscritoLeidoYGrabado(benchmark::State& state) {
  Consola consola;
  forms::Application aplicacion(consola);
  app::ReiniciaCompartidas();
  app::G().Validador = std::make_unique<app::cValidador>();
  app::G().RutaReportes = Carpeta();
  for (auto _ : state) {
    EscribeReporte(Carpeta() + "/00000001.PRN", 5, kLineasPorHoja);
    ModObjetos::VistaPrevia("00000001.PRN", "xx");
    if (consola.Ultimo->Pages().size() != 5) state.SkipWithError("not 5 pages");
  }
  app::ReiniciaCompartidas();
}

void EscritoLeidoYGrabadoCrudo(benchmark::State& state) {
  EscribeReporte(Carpeta() + "/00000002.PRN", 5, kLineasPorHoja);
  const std::string bytes = Bytes(Carpeta() + "/00000002.PRN");
  for (auto _ : state) {
    EscribeCrudo(Carpeta() + "/00000003.PRN", bytes);
    const std::vector<print::Page> hojas = HojasCrudas(Bytes(Carpeta() + "/00000003.PRN"));
    benchmark::DoNotOptimize(hojas.data());
  }
}

// --- A 300-page report opened in the preview ---

constexpr int kHojasLargas = 300;
constexpr int kComandosLargos = 120;

const std::string& ReporteLargo() {
  static const std::string nombre = [] {
    EscribeReporte(Carpeta() + "/00000300.PRN", kHojasLargas, kComandosLargos);
    return std::string("00000300.PRN");
  }();
  return nombre;
}

void VistaPreviaModelo(benchmark::State& state) {
  Consola consola;
  forms::Application aplicacion(consola);
  app::ReiniciaCompartidas();
  app::G().Validador = std::make_unique<app::cValidador>();
  app::G().RutaReportes = Carpeta();
  ReporteLargo();
  for (auto _ : state) ModObjetos::VistaPrevia(ReporteLargo(), "Vprevia");
  app::ReiniciaCompartidas();
}

void VistaPreviaModeloCrudo(benchmark::State& state) {
  const std::string ruta = Carpeta() + "/" + ReporteLargo();
  for (auto _ : state) {
    const std::vector<print::Page> hojas = HojasCrudas(Bytes(ruta));
    benchmark::DoNotOptimize(hojas.data());
  }
}

void VistaPreviaEnPantalla(benchmark::State& state) {
  qtui::QtFrontEnd frente;
  forms::Application aplicacion(frente);
  app::ReiniciaCompartidas();
  app::G().Validador = std::make_unique<app::cValidador>();
  app::G().RutaReportes = Carpeta();
  ReporteLargo();
  for (auto _ : state) {
    app::frmPreview vista;
    vista.Archivo = ReporteLargo();
    vista.Show();
    QWidget* ventana = frente.WindowOf(vista);
    QApplication::processEvents();
    benchmark::DoNotOptimize(ventana->grab());
    forms::Unload(vista);
    QApplication::processEvents();
  }
  app::ReiniciaCompartidas();
}

void VistaPreviaEnPantallaCruda(benchmark::State& state) {
  const std::string ruta = Carpeta() + "/" + ReporteLargo();
  for (auto _ : state) {
    const std::vector<print::Page> hojas = HojasCrudas(Bytes(ruta));
    QWidget ventana;
    ventana.resize(872, 700);
    for (std::size_t k = 0; k < hojas.size(); ++k) {
      auto* hoja = new qtui::PageWidget(&ventana);
      hoja->SetPage(hojas[k]);
      hoja->setGeometry(17, 52, 816, 1056);
      hoja->setVisible(k == 0);
    }
    ventana.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(ventana.grab());
  }
}

BENCHMARK(EscritoLeidoYGrabado)->Unit(benchmark::kMillisecond);
BENCHMARK(EscritoLeidoYGrabadoCrudo)->Unit(benchmark::kMillisecond);
BENCHMARK(VistaPreviaModelo)->Unit(benchmark::kMillisecond);
BENCHMARK(VistaPreviaModeloCrudo)->Unit(benchmark::kMillisecond);
BENCHMARK(VistaPreviaEnPantalla)->Unit(benchmark::kMillisecond);
BENCHMARK(VistaPreviaEnPantallaCruda)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  auto qt = qtui::StartQt(argc, argv);
  benchmark::Initialize(&argc, argv);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto linea = [&](const char* que, const std::string& capa, const std::string& crudo) {
    auto t = reporter.Times.find(capa);
    const std::string ms = t == reporter.Times.end() ? std::string("n/a") : kr::bench::Fixed(t->second, 1) + " ms";
    std::printf("%s %s  ratio layer/raw: %s\n", que, ms.c_str(), kr::bench::Ratio(reporter, capa, crudo).c_str());
  };
  linea("5-page 1,300-line report written, read back and recorded:", "EscritoLeidoYGrabado",
        "EscritoLeidoYGrabadoCrudo");
  linea("300-page report opened in the preview (window model):      ", "VistaPreviaModelo", "VistaPreviaModeloCrudo");
  linea("300-page report opened in the preview (on screen, Qt):     ", "VistaPreviaEnPantalla",
        "VistaPreviaEnPantallaCruda");
  return 0;
}
