//===- bench_0917snd.cpp - One submission summary ---------------------------===//
//
// 0917SND on the sample installation's saved cash return, as the host starts
// it but without the process start: the settings read and written, the
// database opened (the workgroup account checked), CAB, DET and CONT read,
// the plain text written, the report registered in SPOOL and written, both
// copied, the temporary text deleted. The floor does the same file and
// SQLite work by hand: the settings file read and replaced, the account's
// hash verified, the database opened, the same queries prepared and read,
// the spool row added in one write transaction, the two files written and
// copied the way the programs write files (a temporary name, flushed, then
// renamed), the temporary text deleted. The last line gives the time and the
// ratio.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sodium.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/BenchReport.h"
#include "common/CuentaTrabajo.h"
#include "host/SampleInstallation.h"
#include "host/SavedReturns.h"
#include "platform/db/JetFunctions.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "summary/Compartidas.h"
#include "summary/Inicio.h"

namespace {

namespace fs = std::filesystem;

constexpr char kRuc[] = "10433221104";

struct Muestra {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string Linea;
  Muestra() {
    std::string pattern = (fs::temp_directory_path() / "kr-bench-snd-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Carpeta = pattern;
    Layout = dexlora::CreateSampleInstallation(Carpeta + "/sample");
    ::setenv("WINDIR", Layout.WindowsFolder.c_str(), 1);
    for (const dexlora::SavedReturn& r : dexlora::ReadSavedReturns(Layout)) {
      if (r.DocId == kRuc) Linea = *dexlora::SummaryCommandLine(r, "00000042");
    }
    if (Linea.empty()) std::abort();
  }
};

const Muestra& LaMuestra() {
  static const Muestra muestra;
  return muestra;
}

void Resumen(benchmark::State& state) {
  const Muestra& muestra = LaMuestra();
  for (auto _ : state) {
    summary::ReiniciaCompartidas();
    if (summary::Ejecuta(muestra.Linea) != 0) {
      state.SkipWithError("0917SND did not end with status 0");
      break;
    }
  }
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

// The texts of every row of `sql`.
std::string Lee(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
  std::string textos;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      const unsigned char* t = sqlite3_column_text(stmt, c);
      if (t != nullptr) textos += reinterpret_cast<const char*>(t);
      textos += '|';
    }
  }
  sqlite3_finalize(stmt);
  return textos;
}

void ResumenCrudo(benchmark::State& state) {
  const Muestra& muestra = LaMuestra();
  if (sodium_init() < 0) state.SkipWithError("libsodium did not start");
  const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  const std::string carpeta = muestra.Layout.ProgramFolder;
  const std::string k = std::string(" WHERE DOC_ID_D='") + kRuc + "' AND PERIODO='2002' AND FORMULARIO='0917'";
  long vuelta = 0;
  for (auto _ : state) {
    ++vuelta;
    // The settings, read and written back.
    std::string ajustes = LeeArchivo(muestra.Layout.Settings);
    benchmark::DoNotOptimize(ajustes.find("DBPath="));
    Reemplaza(muestra.Layout.Settings, ajustes);
    // The account, then the database.
    const std::string grupo = LeeArchivo(muestra.Layout.Workgroup);
    const std::size_t linea = grupo.find("account\t");
    const std::size_t fin = grupo.find('\n', linea);
    const std::string cuentaLinea = grupo.substr(linea, fin - linea);
    const std::string hash = cuentaLinea.substr(cuentaLinea.rfind('\t') + 1);
    if (crypto_pwhash_str_verify(hash.c_str(), cuenta.Clave.c_str(), cuenta.Clave.size()) != 0) std::abort();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(muestra.Layout.Database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      std::abort();
    }
    dao::detail::RegisterJetFunctions(db);
    std::string leido = Lee(db, "SELECT * FROM CAB" + k + " AND TIP_DOC_D=6 AND SEMANA=0");
    leido += Lee(db, "SELECT CASILLA, I_VALOR FROM DET" + k + " AND SEMANA=0");
    leido += Lee(db, std::string("SELECT nombre FROM cont WHERE doc_id_d='") + kRuc + "' AND tip_doc_d=6");
    // The text.
    const std::string texto = leido + "\r\n" + std::string(400, 'x');
    const std::string temporal = carpeta + "/TMP/" + std::to_string(10000000 + vuelta);
    int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, texto.data(), texto.size()) != static_cast<ssize_t>(texto.size())) std::abort();
    ::close(fd);
    // The spool row, then the report.
    leido += Lee(db, std::string("SELECT nombre FROM cont WHERE doc_id_d='") + kRuc + "' AND tip_doc_d=6");
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    const std::string secuencia = Lee(db, "SELECT max(Secuencia) FROM SPOOL WHERE CodRep='RP0007'");
    const std::string numero = Lee(db,
                                   "SELECT max(substr(Archivo,1,8)) FROM SPOOL WHERE Archivo GLOB "
                                   "'[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]*'");
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "%08ld.PRN", std::atol(numero.c_str()) + 1);
    sqlite3_stmt* inserta = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO SPOOL VALUES ('RP0007',?1,?2,37712.4,'ASESOR1',6,?3)", -1, &inserta, nullptr);
    char sec[32];
    std::snprintf(sec, sizeof sec, "%06ld", std::atol(secuencia.c_str()) + 1);
    sqlite3_bind_text(inserta, 1, sec, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(inserta, 2, nombre, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(inserta, 3, kRuc, -1, SQLITE_STATIC);
    if (sqlite3_step(inserta) != SQLITE_DONE) std::abort();
    sqlite3_finalize(inserta);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const std::string reporte = carpeta + "/RPT/" + nombre;
    Reemplaza(reporte, leido + std::string(1800, 'x'));
    // The copies, and the temporary text deleted.
    Reemplaza(carpeta + "/RPT/crudo.PRN", LeeArchivo(reporte));
    Reemplaza(carpeta + "/TMP/crudo.txt", LeeArchivo(temporal));
    ::unlink(temporal.c_str());
    sqlite3_close(db);
  }
}

BENCHMARK(Resumen)->Unit(benchmark::kMillisecond);
BENCHMARK(ResumenCrudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto resumen = reporter.Times.find("Resumen");
  std::printf(
      "0917SND summary of a saved return (settings, reads, both files, spool row, copies): %s ms  "
      "ratio layer/raw: %s\n",
      resumen == reporter.Times.end() ? "n/a" : kr::bench::Fixed(resumen->second, 1).c_str(),
      kr::bench::Ratio(reporter, "Resumen", "ResumenCrudo").c_str());
  std::error_code ec;
  fs::remove_all(LaMuestra().Carpeta, ec);
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
