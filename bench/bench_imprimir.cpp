//===- bench_imprimir.cpp - One return printed from the print window -------===//
//
// KR917 headless on the sample installation after LUD917's run, the print
// window open on the saved returns: one click of "&Imprimir" on the cash
// return of the sample (16 box rows), from the click to the last sheet
// recorded. That covers the boxes and header loaded, the spool row, the
// report written, read back and drawn. The floor is raw SQLite doing the
// same database work on a copy of the database (the box and header rows
// read, the spool's next numbers read and its row inserted), then the same
// report's bytes written, synced and renamed into place, read back and
// drawn on pages by hand. The last line gives the time and the ratio.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/MDIFrm.h"
#include "bench/BenchReport.h"
#include "bench/HojasCrudas.h"
#include "bench/Sesion.h"
#include "common/CuentaTrabajo.h"
#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"
#include "platform/files/NativePath.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Input.h"
#include "platform/print/Canvas.h"
#include "printing/frmImprimir.h"

namespace {

using kr::bench::HojasCrudas;

namespace fs = std::filesystem;

constexpr char kRuc[] = "10433221104";

// The console, whose print jobs are recorded.
class Consola : public forms::ConsoleFrontEnd {
 public:
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view) override {
    Ultimo = std::make_shared<print::Recorder>();
    return Ultimo;
  }
  std::shared_ptr<print::Recorder> Ultimo;
};

struct Instalacion {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string CopiaCruda;

  Instalacion() {
    kr::bench::Muestra muestra = kr::bench::InstalaMuestra("imp");
    Carpeta = muestra.Carpeta;
    Layout = muestra.Layout;
    CopiaCruda = Carpeta + "/raw.db";
    fs::copy_file(Layout.Database, CopiaCruda);

    kr::bench::ArrancaKR917(Layout);
    app::Compartidas& g = app::G();
    g.Enviadas = false;
    forms::Default<app::frmImprimir>().Show();
  }
};

Instalacion& LaInstalacion() {
  static Instalacion instalacion;
  return instalacion;
}

Consola* LaConsola = nullptr;

void Imprimir(benchmark::State& state) {
  LaInstalacion();
  app::frmImprimir& f = forms::Default<app::frmImprimir>();
  for (auto _ : state) {
    forms::Input::Click(f.CmdImprimir(1));
    if (!LaConsola->Ultimo || LaConsola->Ultimo->Pages().size() != 3) {
      state.SkipWithError("not 3 sheets");
      break;
    }
    LaConsola->Ultimo.reset();
  }
}

// --- The floor: the same work by hand ---

std::string Bytes(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Crudo {
  sqlite3* Db = nullptr;
  sqlite3_stmt* Casillas = nullptr;
  sqlite3_stmt* Cabecera = nullptr;
  sqlite3_stmt* Secuencia = nullptr;
  sqlite3_stmt* Archivo = nullptr;
  sqlite3_stmt* Registra = nullptr;

  Crudo() {
    if (sqlite3_open(LaInstalacion().CopiaCruda.c_str(), &Db) != SQLITE_OK) std::abort();
    dao::detail::RegisterJetFunctions(Db);
    const std::string k = std::string(" WHERE DOC_ID_D='") + kRuc + "' AND PERIODO='2002' AND FORMULARIO='0917'";
    Casillas = Prepara("SELECT CASILLA, I_VALOR FROM DET" + k + " AND SEMANA=0");
    Cabecera = Prepara("SELECT * FROM CAB" + k + " AND TIP_DOC_D=6 AND SEMANA=0");
    Secuencia = Prepara("SELECT max(Secuencia) FROM SPOOL WHERE CodRep='RP0006'");
    Archivo = Prepara("SELECT max(substr(Archivo,1,8)) FROM SPOOL");
    Registra = Prepara("INSERT INTO SPOOL VALUES ('RP0006', ?1, ?2, julianday('now'), 'ASESOR1', 6, ?3)");
  }
  ~Crudo() {
    for (sqlite3_stmt* s : {Casillas, Cabecera, Secuencia, Archivo, Registra}) sqlite3_finalize(s);
    sqlite3_close(Db);
  }
  sqlite3_stmt* Prepara(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
    return stmt;
  }
  static std::size_t Lee(sqlite3_stmt* stmt) {
    std::size_t total = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
        const unsigned char* texto = sqlite3_column_text(stmt, c);
        if (texto != nullptr) total += std::string(reinterpret_cast<const char*>(texto)).size();
      }
    }
    sqlite3_reset(stmt);
    return total;
  }
  static long Maximo(sqlite3_stmt* stmt) {
    long n = 0;
    if (sqlite3_step(stmt) == SQLITE_ROW) n = sqlite3_column_int(stmt, 0);
    sqlite3_reset(stmt);
    return n;
  }
  /// The database work of one print: answers the new file's number.
  long Trabaja() {
    benchmark::DoNotOptimize(Lee(Casillas) + Lee(Cabecera));
    char secuencia[16], archivo[16];
    std::snprintf(secuencia, sizeof secuencia, "%06ld", Maximo(Secuencia) + 1);
    const long numero = Maximo(Archivo) + 1;
    std::snprintf(archivo, sizeof archivo, "%08ld.PRN", numero);
    sqlite3_bind_text(Registra, 1, secuencia, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(Registra, 2, archivo, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(Registra, 3, kRuc, -1, SQLITE_STATIC);
    if (sqlite3_step(Registra) != SQLITE_DONE) std::abort();
    sqlite3_reset(Registra);
    return numero;
  }
};

void ImprimirCrudo(benchmark::State& state) {
  LaInstalacion();
  // The report one print writes, as its bytes.
  forms::Input::Click(forms::Default<app::frmImprimir>().CmdImprimir(1));
  const std::string bytes = Bytes(vb::NativePath(app::G().ArchivoSalida));
  const std::string carpeta = LaInstalacion().Carpeta;
  Crudo crudo;
  for (auto _ : state) {
    const std::string ruta = carpeta + "/" + std::to_string(crudo.Trabaja()) + ".PRN";
    const std::string temporal = ruta + ".tmp";
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::fsync(fd);
    ::close(fd);
    std::rename(temporal.c_str(), ruta.c_str());
    const std::vector<print::Page> hojas = HojasCrudas(Bytes(ruta));
    if (hojas.size() != 3) {
      state.SkipWithError("not 3 pages");
      break;
    }
  }
}

BENCHMARK(Imprimir)->Unit(benchmark::kMillisecond);
BENCHMARK(ImprimirCrudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  Consola consola;
  LaConsola = &consola;
  forms::Application aplicacion(consola);
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);
  benchmark::Initialize(&argc, argv);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaInstalacion().Carpeta, ec);
  auto t = reporter.Times.find("Imprimir");
  const std::string ms = t == reporter.Times.end() ? std::string("n/a") : kr::bench::Fixed(t->second, 1) + " ms";
  std::printf("One return printed from the print window (click to last sheet): %s  ratio layer/raw: %s\n", ms.c_str(),
              kr::bench::Ratio(reporter, "Imprimir", "ImprimirCrudo").c_str());
  return 0;
}
