//===- bench_0917snd.cpp - One submission summary ---------------------------===//
//
// 0917SND on the sample installation's saved cash return, over an office's
// database of 1,000, 10,000 and 100,000 other returns, as the host starts
// it but without the process start:
// - its reads of the return: CAB, DET and CONT (twice) read and the report
//   registered in SPOOL (the code's next sequence, the next file number,
//   the row), through the layer, on a connection opened once. Their floor
//   is raw SQLite reading the same rows by the return's primary key and
//   registering in one write transaction, the next numbers by SPOOL's key
//   and by the index on Archivo (which the floor assumes there: the host's
//   SPOOL has it).
// - the whole program: the settings read and written, the database opened
//   (the workgroup account checked), the reads, the plain text written, the
//   report registered and written, both copied, the temporary text deleted.
//   Its floor does the same file and SQLite work by hand: the settings file
//   read and replaced, the account's hash verified, the database opened,
//   the same rows read by key, the spool row added in one write
//   transaction, the two files written and copied the way the programs
//   write files (a temporary name, flushed, then renamed), the temporary
//   text deleted.
// The last lines give the times and the ratios: over the floor, and over
// the same with 1,000 other returns.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sodium.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/BenchReport.h"
#include "bench/Crudo.h"
#include "bench/Oficina.h"
#include "bench/Sesion.h"
#include "common/CuentaTrabajo.h"
#include "common/Spool.h"
#include "host/SampleInstallation.h"
#include "host/SavedReturns.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "summary/Compartidas.h"
#include "summary/Configuracion.h"
#include "summary/Inicio.h"
#include "summary/Lecturas.h"
#include "summary/LineaComandos.h"

namespace {

namespace fs = std::filesystem;
using kr::bench::Crudo;

constexpr char kRuc[] = "10433221104";

// The sample installation after LUD917, the command line the host gives
// for its cash return, and the office database under it now.
struct Muestra {
  kr::bench::Muestra Sitio = kr::bench::InstalaMuestra("snd");
  std::string Linea;
  int Oficina = 0;

  Muestra() {
    for (const dexlora::SavedReturn& r : dexlora::ReadSavedReturns(Sitio.Layout)) {
      if (r.DocId == kRuc) Linea = *dexlora::SummaryCommandLine(r, "00000042");
    }
    if (Linea.empty()) std::abort();
  }
  const dexlora::SampleLayout& Layout() const { return Sitio.Layout; }
  void Pon(int oficina) {
    if (oficina == Oficina) return;
    summary::ReiniciaCompartidas();
    kr::bench::PonOficina(Sitio, oficina);
    Oficina = oficina;
  }
};

const Muestra& LaMuestra(int oficina) {
  static Muestra muestra;
  muestra.Pon(oficina);
  return muestra;
}

int Oficina(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void Resumen(benchmark::State& state) {
  const Muestra& muestra = LaMuestra(Oficina(state));
  for (auto _ : state) {
    summary::ReiniciaCompartidas();
    if (summary::Ejecuta(muestra.Linea) != 0) {
      state.SkipWithError("0917SND did not end with status 0");
      break;
    }
  }
  summary::ReiniciaCompartidas();
}

// The summary's reads of its return, on the database 0917SND opened as its start opens it.
void Lecturas(benchmark::State& state) {
  const Muestra& muestra = LaMuestra(Oficina(state));
  summary::ReiniciaCompartidas();
  summary::Compartidas& g = summary::G();
  g.LineaComandos = muestra.Linea;
  try {
    summary::CompruebaLineaComandos(g.LineaComandos);
    summary::LeeConfiguracionEnvio();
    summary::AbreBaseDatos();
    summary::CortaLineaComandos();
  } catch (const forms::ProgramEnd&) {
    state.SkipWithError("0917SND did not start");
  }
  for (auto _ : state) {
    summary::LeeFormaPago();
    summary::LeeCasillas();
    if (!g.HayCabecera || !summary::LeeDeclarante() || !summary::LeeDeclarante()) {
      state.SkipWithError("the return was not read");
      break;
    }
    // The spool's numbers and its row; the report file itself is timed in the whole run.
    benchmark::DoNotOptimize(common::RegistraSpool(g.Motor.Workspaces(0), *g.BaseDatos, g.UsuarioSistema, "RP0007",
                                                   6, kRuc, g.RutaReportes, [](const std::string&) {}));
  }
  summary::TerminaCorrida();
  summary::ReiniciaCompartidas();
}

// --- the floor ---

std::string LeeArchivo(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A file replaced as the programs replace one: a temporary name, flushed, renamed, the folder flushed.
void Reemplaza(const std::string& ruta, const std::string& bytes) {
  const std::string temporal = ruta + ".tmp";
  int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::fsync(fd);
  ::close(fd);
  if (::rename(temporal.c_str(), ruta.c_str()) != 0) std::abort();
  int carpeta = ::open(fs::path(ruta).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ::fsync(carpeta);
  ::close(carpeta);
}

// The texts of every row of `stmt`, its key bound.
std::string Textos(sqlite3_stmt* stmt) {
  Crudo::Clave(stmt, kRuc);
  std::string textos;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) textos += Crudo::Texto(stmt, c) + '|';
  }
  sqlite3_reset(stmt);
  return textos;
}

// The summary's database work by hand on one connection: the return's rows
// read by their key, the spool row registered in one write transaction.
class Trabajo {
 public:
  explicit Trabajo(Crudo& base)
      : Base_(base),
        Cabecera_(base.Prepara(std::string("SELECT * FROM CAB") + kr::bench::kPorClave)),
        Casillas_(base.Prepara(std::string("SELECT CASILLA, I_VALOR FROM DET") + kr::bench::kPorClave)),
        Declarante_(base.Prepara("SELECT nombre FROM CONT WHERE tip_doc_d=6 AND doc_id_d=?1")),
        Secuencia_(base.Prepara("SELECT max(Secuencia) FROM SPOOL WHERE CodRep='RP0007'")),
        Numeros_(base.Prepara("SELECT Archivo FROM SPOOL ORDER BY Archivo DESC", true)),
        Inserta_(base.Prepara("INSERT INTO SPOOL VALUES ('RP0007',?1,?2,?3,'ASESOR1',6,?4)")) {}

  /// CAB, DET and the declarant's name (as the summary reads it twice).
  std::string Lee() { return Textos(Cabecera_) + Textos(Casillas_) + Textos(Declarante_) + Textos(Declarante_); }

  /// The spool row of a new report: answers its file name.
  std::string Registra() {
    Base_.Exec("BEGIN IMMEDIATE");
    long secuencia = 0, numero = 0;
    if (sqlite3_step(Secuencia_) == SQLITE_ROW) secuencia = sqlite3_column_int(Secuencia_, 0);
    sqlite3_reset(Secuencia_);
    // The index gives the names from the highest down: the first of eight digits is the highest number.
    while (sqlite3_step(Numeros_) == SQLITE_ROW) {
      const std::string nombre = Crudo::Texto(Numeros_, 0);
      if (nombre.size() >= 8 && nombre.find_first_not_of("0123456789") >= 8) {
        numero = std::atol(nombre.substr(0, 8).c_str());
        break;
      }
    }
    sqlite3_reset(Numeros_);
    char sec[32], nombre[32];
    std::snprintf(sec, sizeof sec, "%06ld", secuencia + 1);
    std::snprintf(nombre, sizeof nombre, "%08ld.PRN", numero + 1);
    sqlite3_bind_text(Inserta_, 1, sec, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(Inserta_, 2, nombre, -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(Inserta_, 3, 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0);
    sqlite3_bind_text(Inserta_, 4, kRuc, -1, SQLITE_STATIC);
    Crudo::Corre(Inserta_);
    Base_.Exec("COMMIT");
    return nombre;
  }

 private:
  Crudo& Base_;
  sqlite3_stmt* Cabecera_;
  sqlite3_stmt* Casillas_;
  sqlite3_stmt* Declarante_;
  sqlite3_stmt* Secuencia_;
  sqlite3_stmt* Numeros_;
  sqlite3_stmt* Inserta_;
};

void LecturasCrudas(benchmark::State& state) {
  Crudo base(LaMuestra(Oficina(state)).Layout().Database);
  Trabajo trabajo(base);
  for (auto _ : state) {
    benchmark::DoNotOptimize(trabajo.Lee());
    benchmark::DoNotOptimize(trabajo.Registra());
  }
}

void ResumenCrudo(benchmark::State& state) {
  const Muestra& muestra = LaMuestra(Oficina(state));
  if (sodium_init() < 0) state.SkipWithError("libsodium did not start");
  const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  const dexlora::SampleLayout& layout = muestra.Layout();
  const std::string carpeta = layout.ProgramFolder;
  long vuelta = 0;
  for (auto _ : state) {
    ++vuelta;
    // The settings, read and written back.
    std::string ajustes = LeeArchivo(layout.Settings);
    benchmark::DoNotOptimize(ajustes.find("DBPath="));
    Reemplaza(layout.Settings, ajustes);
    // The account, then the database.
    const std::string grupo = LeeArchivo(layout.Workgroup);
    const std::size_t linea = grupo.find("account\t");
    const std::size_t fin = grupo.find('\n', linea);
    const std::string cuentaLinea = grupo.substr(linea, fin - linea);
    const std::string hash = cuentaLinea.substr(cuentaLinea.rfind('\t') + 1);
    if (crypto_pwhash_str_verify(hash.c_str(), cuenta.Clave.c_str(), cuenta.Clave.size()) != 0) std::abort();
    Crudo base(layout.Database);
    Trabajo trabajo(base);
    std::string leido = trabajo.Lee();
    // The text.
    const std::string texto = leido + "\r\n" + std::string(400, 'x');
    const std::string temporal = carpeta + "/TMP/" + std::to_string(10000000 + vuelta);
    int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, texto.data(), texto.size()) != static_cast<ssize_t>(texto.size())) std::abort();
    ::close(fd);
    // The spool row, then the report.
    const std::string reporte = carpeta + "/RPT/" + trabajo.Registra();
    Reemplaza(reporte, leido + std::string(1800, 'x'));
    // The copies, and the temporary text deleted.
    Reemplaza(carpeta + "/RPT/crudo.PRN", LeeArchivo(reporte));
    Reemplaza(carpeta + "/TMP/crudo.txt", LeeArchivo(temporal));
    ::unlink(temporal.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int n : kr::bench::kOficinas) {
    benchmark::RegisterBenchmark("Lecturas", Lecturas)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LecturasCrudas", LecturasCrudas)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Resumen", Resumen)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ResumenCrudo", ResumenCrudo)->Arg(n)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  kr::bench::PrintScale(reporter, "0917SND reads of one return", "Lecturas", "LecturasCrudas", kr::bench::kOficinas);
  kr::bench::PrintScale(reporter, "0917SND whole run for one return", "Resumen", "ResumenCrudo", kr::bench::kOficinas);
  summary::ReiniciaCompartidas();
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
