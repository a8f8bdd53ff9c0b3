//===- bench_lud917.cpp - A whole run of the table installer ----------------===//
//
// LUD917 on the sample installation: a first run on the database as the
// host installs it (tables created, 146 PARAM rows and the send-table list
// inserted), and a second run on an installed one (work tables made anew,
// rows updated). The database is put back between first runs, untimed.
// Their floor is a raw SQLite program doing the same work in one
// transaction: the same tables created (as LUD917 defines them, with the
// layer's functions registered) and the same rows deleted and inserted one
// statement at a time. The last lines give the time of each run and the ratios.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchReport.h"
#include "bench/CarpetaTemporal.h"
#include "host/SampleInstallation.h"
#include "common/CuentaTrabajo.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Workgroup.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"

namespace {

namespace fs = std::filesystem;

// The sample installation, made once, with WINDIR pointing at it and the
// database as the host leaves it kept aside.
struct Muestra {
  kr::bench::CarpetaTemporal Carpeta{"lud"};
  dexlora::SampleLayout Layout;
  std::string BaseOriginal;
  Muestra() {
    Layout = dexlora::CreateSampleInstallation(Carpeta / "sample");
    ::setenv("WINDIR", Layout.WindowsFolder.c_str(), 1);
    BaseOriginal = Carpeta / "KR000.DB.original";
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

// --- the raw floor ---

void Exec(sqlite3* db, const std::string& sql) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), sqlite3_errmsg(db));
    std::abort();
  }
}

std::vector<std::string> Textos(sqlite3* db, const std::string& sql) {
  std::vector<std::string> out;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
  while (sqlite3_step(stmt) == SQLITE_ROW) out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  sqlite3_finalize(stmt);
  return out;
}

// The statements of each run's work, read from a database LUD917 installed.
struct Guion {
  std::vector<std::string> Primera, Segunda;
};

const Guion& ElGuion() {
  static const Guion guion = [] {
    const Muestra& muestra = LaMuestra();
    muestra.RestauraBase();
    installer::ReiniciaCompartidas();
    if (installer::Ejecuta() != 0) std::abort();
    installer::ReiniciaCompartidas();
    sqlite3* db = nullptr;
    sqlite3_open(muestra.Layout.Database.c_str(), &db);
    dao::detail::RegisterJetFunctions(db);
    Exec(db, "ATTACH '" + muestra.BaseOriginal + "' AS o");
    Guion g;
    for (const char* tabla : {"F0917PATRIM", "HF0917PATRIM", "TMPF0917PATRIM", "TMPF0917PATRIM1"}) {
      const bool temporal = std::string(tabla).starts_with("TMP");
      const std::string definicion =
          "SELECT sql FROM main.sqlite_schema WHERE tbl_name = '" + std::string(tabla) + "' AND sql IS NOT NULL";
      for (const std::string& sql : Textos(db, definicion)) {
        g.Primera.push_back(sql);
        if (temporal) g.Segunda.push_back(sql);
      }
      if (temporal) g.Segunda.insert(g.Segunda.end() - 1, "DROP TABLE " + std::string(tabla));
    }
    // Every row the run wrote: deleted by its values, then inserted.
    for (const char* tabla : {"PARAM", "reportes", "envio_t"}) {
      const std::string t = tabla;
      std::string valores, condicion;
      for (const std::string& columna : Textos(db, "SELECT name FROM pragma_table_info('" + t + "')")) {
        valores += (valores.empty() ? "" : " || ',' || ") + std::string("quote(\"") + columna + "\")";
        condicion += (condicion.empty() ? "'" : " || ' AND ") + columna + " IS ' || quote(\"" + columna + "\")";
      }
      const std::string nuevas = " FROM (SELECT * FROM main." + t + " EXCEPT SELECT * FROM o." + t + ")";
      std::vector<std::string> borra = Textos(db, "SELECT 'DELETE FROM " + t + " WHERE ' || " + condicion + nuevas);
      std::vector<std::string> inserta = Textos(db, "SELECT 'INSERT INTO " + t + " VALUES (' || " + valores + " || ')'" + nuevas);
      for (std::size_t i = 0; i < borra.size(); ++i) {
        for (std::vector<std::string>* corrida : {&g.Primera, &g.Segunda}) {
          corrida->push_back(borra[i]);
          corrida->push_back(inserta[i]);
        }
      }
    }
    sqlite3_close(db);
    return g;
  }();
  return guion;
}

void Piso(const std::vector<std::string>& sentencias) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(LaMuestra().Layout.Database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  dao::detail::RegisterJetFunctions(db);
  Exec(db, "BEGIN IMMEDIATE");
  for (const std::string& sql : sentencias) Exec(db, sql);
  Exec(db, "COMMIT");
  sqlite3_close(db);
}

void PisoPrimera(benchmark::State& state) {
  const Guion& guion = ElGuion();
  for (auto _ : state) {
    state.PauseTiming();
    LaMuestra().RestauraBase();
    state.ResumeTiming();
    Piso(guion.Primera);
  }
}

void PisoSegunda(benchmark::State& state) {
  const Guion& guion = ElGuion();
  LaMuestra().RestauraBase();
  Piso(guion.Primera);
  for (auto _ : state) Piso(guion.Segunda);
}

// The account check at the opening, which a raw program does not make.
void VerificaCuenta(benchmark::State& state) {
  const Muestra& muestra = LaMuestra();
  const std::string& mdw = muestra.Layout.Workgroup;
  const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  for (auto _ : state) benchmark::DoNotOptimize(dao::CheckWorkgroupAccount(mdw, cuenta.Usuario, cuenta.Clave));
}

BENCHMARK(VerificaCuenta)->Unit(benchmark::kMillisecond);
BENCHMARK(PrimeraCorrida)->Unit(benchmark::kMillisecond);
BENCHMARK(PisoPrimera)->Unit(benchmark::kMillisecond);
BENCHMARK(SegundaCorrida)->Unit(benchmark::kMillisecond);
BENCHMARK(PisoSegunda)->Unit(benchmark::kMillisecond);


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
  auto ratio = [&](const char* layer, const char* raw) { return kr::bench::Ratio(reporter, layer, raw); };
  std::printf("LUD917 first run against one raw transaction doing the same   ratio layer/raw: %s\n",
              ratio("PrimeraCorrida", "PisoPrimera").c_str());
  std::printf("LUD917 second run against one raw transaction doing the same  ratio layer/raw: %s\n",
              ratio("SegundaCorrida", "PisoSegunda").c_str());
  // The same, the floor with the one account check every opening makes.
  auto conCuenta = [&](const char* layer, const char* raw) {
    auto l = reporter.Times.find(layer), r = reporter.Times.find(raw), v = reporter.Times.find("VerificaCuenta");
    if (l == reporter.Times.end() || r == reporter.Times.end() || v == reporter.Times.end()) return std::string("n/a");
    return kr::bench::Fixed(l->second / (r->second + v->second), 2);
  };
  std::printf("LUD917 first run, floor with its account check   ratio layer/raw: %s\n",
              conCuenta("PrimeraCorrida", "PisoPrimera").c_str());
  std::printf("LUD917 second run, floor with its account check  ratio layer/raw: %s\n",
              conCuenta("SegundaCorrida", "PisoSegunda").c_str());
  installer::ReiniciaCompartidas();
  return 0;
}
