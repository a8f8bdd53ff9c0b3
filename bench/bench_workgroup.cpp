//===- bench_workgroup.cpp - Opening the database checks the account ------===//
//
// Every program checks its account against the workgroup file when it
// opens the database. The floor is the password hash's own verification
// (libsodium) on the same hash; the layer adds reading the file.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sodium.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/BenchReport.h"
#include "bench/CarpetaTemporal.h"
#include "platform/db/Workgroup.h"

namespace {

struct Archivo {
  kr::bench::CarpetaTemporal Carpeta{"mdw"};
  std::string Ruta;
  std::string Hash;
  Archivo() {
    Ruta = Carpeta / "KR000.MDW";
    dao::CreateWorkgroupFile(Ruta);
    dao::SetWorkgroupAccount(Ruta, "KRUSUARI", "clave", true);
    // The hash as the file keeps it: the last field of the account's line.
    std::ifstream in(Ruta);
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("account\t", 0) == 0) Hash = line.substr(line.rfind('\t') + 1);
    }
  }
};

const Archivo& ElArchivo() {
  static const Archivo archivo;
  return archivo;
}

void Capa(benchmark::State& state) {
  const Archivo& a = ElArchivo();
  for (auto _ : state) benchmark::DoNotOptimize(dao::CheckWorkgroupAccount(a.Ruta, "KRUSUARI", "clave"));
}

void Crudo(benchmark::State& state) {
  const Archivo& a = ElArchivo();
  if (sodium_init() < 0) state.SkipWithError("libsodium did not start");
  for (auto _ : state) {
    benchmark::DoNotOptimize(crypto_pwhash_str_verify(a.Hash.c_str(), "clave", 5));
  }
}

BENCHMARK(Capa)->Unit(benchmark::kMillisecond);
BENCHMARK(Crudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("Workgroup account check: %s ms; ratio layer/raw: %s\n", kr::bench::Fixed(reporter.Times["Capa"], 1).c_str(),
              kr::bench::Ratio(reporter, "Capa", "Crudo").c_str());
  return 0;
}
