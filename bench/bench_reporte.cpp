//===- bench_reporte.cpp - The printed return written as a report ----------===//
//
// KR917 headless on the sample installation after LUD917's run: the report
// of a return whose every box is filled, pages 1 to 4, and its annex of 200
// schedule rows of every kind (about 12 landscape sheets), written through
// the report driver as the print window has it written. The floor is the
// same bytes written raw: created, written, synced and renamed into place.
// The last line gives the time and the ratio.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "bench/BenchReport.h"
#include "bench/Sesion.h"
#include "common/CuentaTrabajo.h"
#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/files/NativePath.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "printing/ImpRep.h"

namespace {

constexpr char kRuc[] = "10076543211";
constexpr int kFilasAnexo = 200;

// The schedule kinds: tip_informacion and tip_movimiento1.
constexpr const char* kClases[][2] = {{"01", "01"}, {"02", "01"}, {"02", "02"}, {"02", "03"},
                                      {"02", "04"}, {"02", "05"}, {"03", "01"}, {"03", "02"},
                                      {"03", "03"}, {"03", "04"}, {"04", "01"}, {"04", "02"}};
constexpr int kNumeroClases = sizeof kClases / sizeof kClases[0];

std::string Tres(int n) {
  const std::string t = std::to_string(n);
  return std::string(3 - t.size(), '0') + t;
}

struct Instalacion {
  kr::bench::Muestra Sitio = kr::bench::InstalaMuestra("rpt");

  Instalacion() {
    kr::bench::ArrancaKR917(Sitio.Layout);
    app::Compartidas& g = app::G();

    // 200 rows, the kinds in turn, each kind's rows in its currencies.
    dao::Workspace& espacio = g.Motor.Workspaces(0);
    espacio.BeginTrans();
    for (int i = 0; i < kFilasAnexo; ++i) {
      const auto& clase = kClases[i % kNumeroClases];
      g.BaseDatos->Execute("INSERT INTO F0917PATRIM VALUES (6," + dao::Quote(kRuc) + ",'2002','0917'," +
                               dao::Quote(clase[0]) + "," + dao::Quote(clase[1]) + ",'01'," +
                               dao::Quote(Tres(1 + i / kNumeroClases)) + ",'DESCRIPCION','1500','-2500','3','000000')",
                           dao::dbFailOnError);
    }
    espacio.CommitTrans();

    // The return as the print window loads it: every box filled.
    g.Enviadas = false;
    g.RucDeclarante = kRuc;
    g.NombreDeclarante = "GARCIA PEREZ JUAN CARLOS";
    g.Semana = 0;
    for (int n = 1; n <= 700; ++n) g.ImpRep.ValorCasilla[n - 1] = std::to_string(n % 2 ? 1000 * n : -1000 * n);
    for (int n = 800; n <= 999; ++n) g.ImpRep.ValorCasilla800[n - 800] = "APELLIDOS Y NOMBRES";
    for (int n : {896, 897, 898, 899}) g.ImpRep.ValorCasilla800[n - 800] = "1";
    for (int n : {204, 205, 206, 224, 225, 226, 227, 235, 301}) g.ImpRep.ValorCasilla[n - 1] = "6";
    g.ImpRep.ValorCasilla[25 - 1] = "17";
    g.ImpRep.ValorCasilla[15 - 1] = "02";
    g.ImpRep.ValorCasilla[599 - 1] = "C";
    g.BancoCheque = "02";
    g.NumeroCheque = "12345";
    g.Rectificatoria = "1";
    g.ModoImpresion = 2;
    g.ImpRep.ImpLinea.DestinoImpresion = "ARCHIVO";
  }
};

Instalacion& LaInstalacion() {
  static Instalacion instalacion;
  return instalacion;
}

constexpr ImpRep::Seleccion kTodo{.Declaracion = true, .RentasExoneradas = true, .InfAdicional = true};

void ReporteCompleto(benchmark::State& state) {
  LaInstalacion();
  app::Compartidas& g = app::G();
  g.ArchivoSalida = g.RutaReportes + "\\00000001.PRN";
  for (auto _ : state) {
    if (!ImpRep::ImprimeReporte(kTodo)) state.SkipWithError("the report failed");
  }
  state.counters["pages"] = g.ImpRep.ImpLinea.PaginaActual;
}

std::string Bytes(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void ReporteCompletoCrudo(benchmark::State& state) {
  LaInstalacion();
  app::Compartidas& g = app::G();
  g.ArchivoSalida = g.RutaReportes + "\\00000002.PRN";
  if (!ImpRep::ImprimeReporte(kTodo)) std::abort();
  const std::string ruta = vb::NativePath(g.ArchivoSalida);
  const std::string bytes = Bytes(ruta);
  const std::string temporal = ruta + ".tmp";
  for (auto _ : state) {
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::fsync(fd);
    ::close(fd);
    std::rename(temporal.c_str(), ruta.c_str());
  }
}

BENCHMARK(ReporteCompleto)->Unit(benchmark::kMillisecond);
BENCHMARK(ReporteCompletoCrudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  forms::ConsoleFrontEnd consola;
  forms::Application aplicacion(consola);
  benchmark::Initialize(&argc, argv);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  auto t = reporter.Times.find("ReporteCompleto");
  const std::string ms = t == reporter.Times.end() ? std::string("n/a") : kr::bench::Fixed(t->second, 1) + " ms";
  std::printf("Return (pages 1-4) and a 200-row annex written as a report: %s  ratio layer/raw: %s\n", ms.c_str(),
              kr::bench::Ratio(reporter, "ReporteCompleto", "ReporteCompletoCrudo").c_str());
  return 0;
}
