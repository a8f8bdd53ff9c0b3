//===- bench_imprimir.cpp - One return printed from the print window -------===//
//
// KR917 headless on the sample installation after LUD917's run, over an
// office's database of 1,000, 10,000 and 100,000 other returns, the print
// window open on the saved returns: one click of "&Imprimir" on the cash
// return of the sample (16 box rows), from the click to the last sheet
// recorded. That covers the boxes and header loaded, the spool row, the
// report written, read back and drawn. The floor is raw SQLite doing the
// same database work on the same database: the box and header rows read by
// the return's primary key; in one write transaction the spool's next
// numbers (the code's highest sequence by SPOOL's key, the highest
// 8-digit file number from the index on Archivo, which the floor assumes
// there: the host's SPOOL has it) and its row inserted; then the same
// report's bytes written, synced and renamed into place, read back and
// drawn on pages by hand. The last lines give the times and the ratios:
// over the floor, and over the same print with 1,000 other returns.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "bench/BenchReport.h"
#include "bench/Crudo.h"
#include "bench/HojasCrudas.h"
#include "bench/Oficina.h"
#include "bench/Sesion.h"
#include "platform/files/NativePath.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Input.h"
#include "platform/print/Canvas.h"
#include "printing/frmImprimir.h"

namespace {

using kr::bench::HojasCrudas;

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

// The sample installation over an office's database, KR917 started on it
// and the print window shown.
struct Instalacion {
  kr::bench::Muestra Sitio = kr::bench::InstalaMuestra("imp");
  int Oficina = -1;

  void Pon(int oficina) {
    if (!kr::bench::ArrancaEnOficina(Sitio, Oficina, oficina)) return;
    app::G().Enviadas = false;
    forms::Default<app::frmImprimir>().Show();
  }
};

Instalacion& LaInstalacion(int oficina) {
  static Instalacion instalacion;
  instalacion.Pon(oficina);
  return instalacion;
}

int Oficina(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

Consola* LaConsola = nullptr;

void Imprimir(benchmark::State& state) {
  LaInstalacion(Oficina(state));
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

struct Impresion {
  kr::bench::Crudo Base;
  sqlite3_stmt* Casillas;
  sqlite3_stmt* Cabecera;
  sqlite3_stmt* Secuencia;
  sqlite3_stmt* Archivo;
  sqlite3_stmt* Registra;

  explicit Impresion(const std::string& ruta) : Base(ruta) {
    using kr::bench::kPorClave;
    Casillas = Base.Prepara(std::string("SELECT CASILLA, I_VALOR FROM DET") + kPorClave);
    Cabecera = Base.Prepara(std::string("SELECT * FROM CAB") + kPorClave);
    Secuencia = Base.Prepara("SELECT max(Secuencia) FROM SPOOL WHERE CodRep='RP0006'");
    Archivo = Base.Prepara("SELECT Archivo FROM SPOOL ORDER BY Archivo DESC", true);
    Registra = Base.Prepara("INSERT INTO SPOOL VALUES ('RP0006', ?1, ?2, ?3, 'ASESOR1', 6, ?4)");
  }
  static long Maximo(sqlite3_stmt* stmt) {
    long n = 0;
    if (sqlite3_step(stmt) == SQLITE_ROW) n = sqlite3_column_int(stmt, 0);
    sqlite3_reset(stmt);
    return n;
  }
  // The highest file number of a name that begins with eight digits: the
  // index gives the names from the highest down, and the first such is it.
  long UltimoArchivo() {
    long n = 0;
    while (sqlite3_step(Archivo) == SQLITE_ROW) {
      const std::string nombre = kr::bench::Crudo::Texto(Archivo, 0);
      if (nombre.size() >= 8 && nombre.find_first_not_of("0123456789") >= 8) {
        std::from_chars(nombre.data(), nombre.data() + 8, n);
        break;
      }
    }
    sqlite3_reset(Archivo);
    return n;
  }
  /// The database work of one print: answers the new file's number.
  long Trabaja() {
    kr::bench::Crudo::Clave(Casillas, kRuc);
    kr::bench::Crudo::Clave(Cabecera, kRuc);
    benchmark::DoNotOptimize(kr::bench::Crudo::Lee(Casillas) + kr::bench::Crudo::Lee(Cabecera));
    Base.Exec("BEGIN IMMEDIATE");
    char secuencia[32], archivo[32];
    std::snprintf(secuencia, sizeof secuencia, "%06ld", Maximo(Secuencia) + 1);
    const long numero = UltimoArchivo() + 1;
    std::snprintf(archivo, sizeof archivo, "%08ld.PRN", numero);
    sqlite3_bind_text(Registra, 1, secuencia, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(Registra, 2, archivo, -1, SQLITE_TRANSIENT);
    // Now as the layer stores a date: days since 30/12/1899.
    sqlite3_bind_double(Registra, 3, 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0);
    sqlite3_bind_text(Registra, 4, kRuc, -1, SQLITE_STATIC);
    kr::bench::Crudo::Corre(Registra);
    Base.Exec("COMMIT");
    return numero;
  }
};

void ImprimirCrudo(benchmark::State& state) {
  Instalacion& instalacion = LaInstalacion(Oficina(state));
  // The report one print writes, as its bytes.
  forms::Input::Click(forms::Default<app::frmImprimir>().CmdImprimir(1));
  const std::string bytes = Bytes(vb::NativePath(app::G().ArchivoSalida));
  Impresion impresion(instalacion.Sitio.Layout.Database);
  for (auto _ : state) {
    const std::string ruta = instalacion.Sitio.Carpeta / (std::to_string(impresion.Trabaja()) + ".PRN");
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

}  // namespace

int main(int argc, char** argv) {
  for (int n : kr::bench::kOficinas) {
    benchmark::RegisterBenchmark("Imprimir", Imprimir)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ImprimirCrudo", ImprimirCrudo)->Arg(n)->Unit(benchmark::kMillisecond);
  }
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
  kr::bench::PrintScale(reporter, "one return printed from the print window", "Imprimir", "ImprimirCrudo",
                        kr::bench::kOficinas);
  return 0;
}
