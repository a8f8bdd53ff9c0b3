//===- bench_lud917.cpp - A whole run of the table installer ----------------===//
//
// LUD917 on the sample installation: a first run on the database as the
// host installs it (tables created, 146 PARAM rows and the send-table list
// inserted), and a second run on an installed one (work tables made anew,
// rows updated). The database is put back between first runs, untimed. The
// last lines give the time of each run.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bench/BenchReport.h"
#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"

namespace {

namespace fs = std::filesystem;

// The sample installation, made once, with WINDIR pointing at it and the
// database as the host leaves it kept aside.
struct Muestra {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string BaseOriginal;
  Muestra() {
    std::string pattern = (fs::temp_directory_path() / "kr-bench-lud-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Carpeta = pattern;
    Layout = dexlora::CreateSampleInstallation(Carpeta + "/sample");
    ::setenv("WINDIR", Layout.WindowsFolder.c_str(), 1);
    BaseOriginal = Carpeta + "/KR000.DB.original";
    fs::copy_file(Layout.Database, BaseOriginal);
  }
  void RestauraBase() const {
    for (const char* resto : {"-wal", "-shm", "-journal"}) fs::remove(Layout.Database + resto);
    fs::copy_file(BaseOriginal, Layout.Database, fs::copy_options::overwrite_existing);
  }
};

const Muestra& LaMuestra() {
  static const Muestra muestra;
  return muestra;
}

// One run as the program makes it; a run that is not clean stops the benchmark.
void Corre(benchmark::State& state) {
  installer::ReiniciaCompartidas();
  if (installer::Ejecuta() != 0) state.SkipWithError("LUD917 did not end with status 0");
}

void PrimeraCorrida(benchmark::State& state) {
  const Muestra& muestra = LaMuestra();
  for (auto _ : state) {
    state.PauseTiming();
    muestra.RestauraBase();
    state.ResumeTiming();
    Corre(state);
  }
}

void SegundaCorrida(benchmark::State& state) {
  const Muestra& muestra = LaMuestra();
  muestra.RestauraBase();
  Corre(state);
  for (auto _ : state) Corre(state);
}

BENCHMARK(PrimeraCorrida)->Unit(benchmark::kMillisecond);
BENCHMARK(SegundaCorrida)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  forms::ConsoleFrontEnd frente;
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto ms = [&](const char* name) {
    auto it = reporter.Times.find(name);
    return it == reporter.Times.end() ? std::string("n/a") : kr::bench::Fixed(it->second, 1) + " ms";
  };
  std::printf("LUD917 full run on the sample installation, first run:  %s\n", ms("PrimeraCorrida").c_str());
  std::printf("LUD917 full run on the sample installation, second run: %s\n", ms("SegundaCorrida").c_str());
  installer::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaMuestra().Carpeta, ec);
  return 0;
}
