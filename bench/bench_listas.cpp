//===- bench_listas.cpp - The list windows over many returns ----------------===//
//
// KR917 started in-process on the sample installation holding 1,000, 10,000
// and 100,000 saved and as many sent returns of the user's taxpayers. Each
// list window is opened from the main window, its first screen of cells
// read as the screen shows them, and closed; its floor is the window's SELECT
// stepped in raw SQLite (with the layer's functions) to the first screen of
// rows, or for frmAbrirEnv, which moves to its last row and back, to the last
// row. The End key (to the last row, its screen of cells read) has as floor
// the SELECT stepped to its last row. The last lines give the ratios, the
// cost of one cell read by list length, and the memory a list holds.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmModFor.h"
#include "bench/BenchReport.h"
#include "host/SampleInstallation.h"
#include "platform/db/Connection.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlLexer.h"
#include "platform/db/SqlTranslator.h"
#include "platform/forms/Application.h"
#include "platform/forms/FrontEnd.h"
#include "platform/forms/Input.h"
#include "platform/forms/Keys.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPantalla = 15;  // the rows a list shows at once
constexpr int kTamanos[] = {1000, 10000, 100000};

// --- the installation and its databases of many returns ---

struct Muestra {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string Original;
  Muestra() {
    std::string pattern = (fs::temp_directory_path() / "kr-bench-listas-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Carpeta = pattern;
    Layout = dexlora::CreateSampleInstallation(Carpeta + "/sample");
    ::setenv("WINDIR", Layout.WindowsFolder.c_str(), 1);
    Original = Carpeta + "/original.db";
    fs::copy_file(Layout.Database, Original);
  }
};

Muestra& LaMuestra() {
  static Muestra muestra;
  return muestra;
}

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), error ? error : "");
    std::abort();
  }
}

// The database with `n` saved and `n` sent returns of ASESOR1's taxpayers, made once.
std::string BaseCon(int n) {
  const std::string ruta = LaMuestra().Carpeta + "/returns-" + std::to_string(n) + ".db";
  if (fs::exists(ruta)) return ruta;
  fs::copy_file(LaMuestra().Original, ruta);
  sqlite3* db = nullptr;
  sqlite3_open(ruta.c_str(), &db);
  dao::detail::RegisterJetFunctions(db);
  Exec(db, "BEGIN");
  sqlite3_stmt *cont = nullptr, *cab = nullptr, *hcab = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO CONT (tip_doc_d, Doc_id_d, NOMBRE, Direccion, Apellido_p, Apellido_m, Nombre_1, "
                     "nombre_2, USUARIO, Tipo_Ingreso) VALUES (6, ?1, ?2, 'AV. LOS ALAMOS 123', 'APELLIDO', "
                     "'SEGUNDO', 'NOMBRE', '', 'ASESOR1', 2)",
                     -1, &cont, nullptr);
  sqlite3_prepare_v2(db,
                     "INSERT INTO CAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, fec_pro, rectifica, estado, "
                     "cNumero) VALUES (6, ?1, '200213', '0917', 0, '15/03/2003', '0', ?2, '000000')",
                     -1, &cab, nullptr);
  sqlite3_prepare_v2(db,
                     "INSERT INTO HCAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, correl, fec_pro, rectifica, "
                     "estado, fec_env, norden, control, cNumero) VALUES (6, ?1, '200213', '0917', 0, '001', "
                     "'15/03/2003', '0', 1, 37695, '40721385', '12345678', '000000')",
                     -1, &hcab, nullptr);
  static constexpr int kEstados[] = {0, 1, 9};
  for (int i = 0; i < n; ++i) {
    const std::string ruc = std::to_string(15000000000LL + i * 7LL);
    const std::string nombre = "DECLARANTE DE PRUEBA NUMERO " + std::to_string(i);
    sqlite3_bind_text(cont, 1, ruc.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(cont, 2, nombre.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(cab, 1, ruc.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(cab, 2, kEstados[i % 3]);
    sqlite3_bind_text(hcab, 1, ruc.c_str(), -1, SQLITE_TRANSIENT);
    for (sqlite3_stmt* s : {cont, cab, hcab}) {
      if (sqlite3_step(s) != SQLITE_DONE) std::abort();
      sqlite3_reset(s);
    }
  }
  for (sqlite3_stmt* s : {cont, cab, hcab}) sqlite3_finalize(s);
  Exec(db, "COMMIT");
  sqlite3_close(db);
  return ruta;
}

// --- KR917, started in-process ---

// The screen: answers every box with OK and runs the step given for a modal window.
class Pantalla : public forms::FrontEnd {
 public:
  int ShowMessage(const forms::MessageBox&) override { return forms::vbOK; }
  void RunModal(forms::Form& form) override {
    if (Paso) Paso(form);
    if (form.Loaded()) forms::Unload(form);
  }
  std::function<void(forms::Form&)> Paso;
};

Pantalla& LaPantalla() {
  static Pantalla pantalla;
  return pantalla;
}

// Starts KR917 on the database of `n` returns.
void Arranca(int n) {
  Muestra& m = LaMuestra();
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  for (const char* resto : {"-wal", "-shm", "-journal"}) fs::remove(m.Layout.Database + resto);
  fs::copy_file(BaseCon(n), m.Layout.Database, fs::copy_options::overwrite_existing);
  static host::FixedWindowList escritorio{{"Dexlora"}};
  static const std::string bloqueos = m.Carpeta + "/locks";
  fs::create_directories(bloqueos);
  static host::InstanceLock bloqueo{bloqueos};
  ModGen00::Main(escritorio, bloqueo);
}

// The cells a screen of the grid shows from `desde`, read as the screen reads them.
std::size_t PintaPantalla(const forms::DataGrid& grid, long desde) {
  std::size_t letras = 0;
  for (long r = desde; r < desde + kPantalla && grid.HasRow(r); ++r) {
    for (int c = 0; c < grid.ColumnCount(); ++c) {
      if (!grid.Columns(c).Visible()) continue;
      letras += grid.CellText(r, c).size() + grid.CellPicture(r, c).size();
    }
  }
  return letras;
}

struct Lista {
  const char* Nombre;
  forms::Menu app::MDIFrm::*Comando;
  bool AlFinal;  // its floor steps to the last row
};
constexpr Lista kListas[] = {
    {"frmModFor (saved)", &app::MDIFrm::mnuModificar, false},
    {"frmModFor (sent)", &app::MDIFrm::mnuEliminarE, false},
    {"frmAbrirEnv", &app::MDIFrm::mnuRegistrar, true},
};

forms::DataGrid& Rejilla(forms::Form& f) {
  if (auto* m = dynamic_cast<app::frmModFor*>(&f)) return m->grdContrib;
  return dynamic_cast<app::frmAbrirEnv&>(f).grdContrib;
}

// Opens list `l` and runs `paso` in it.
void Abre(const Lista& l, std::function<void(forms::Form&)> paso) {
  LaPantalla().Paso = std::move(paso);
  forms::Input::ChooseMenu(forms::Default<app::MDIFrm>().*(l.Comando));
  LaPantalla().Paso = nullptr;
}

// The SELECT a list runs, as SQL for SQLite with its literals.
std::string ConsultaDe(const Lista& l) {
  std::string sql;
  Abre(l, [&](forms::Form&) { sql = app::G().CadenaSQL; });
  return sql;
}

// --- benchmarks ---

void AbreLista(benchmark::State& state, const Lista& l) {
  Arranca(static_cast<int>(state.range(0)));
  std::size_t letras = 0;
  for (auto _ : state) {
    Abre(l, [&](forms::Form& f) {
      letras += PintaPantalla(Rejilla(f), 0);
      forms::Input::Click(dynamic_cast<forms::CommandButton&>(*f.FindControl("CmdOpciones", 1)));
    });
  }
  benchmark::DoNotOptimize(letras);
}

// The End key in a list just opened and painted, and the last screen painted.
void TeclaFin(benchmark::State& state, const Lista& l) {
  Arranca(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Abre(l, [&](forms::Form& f) {
      forms::DataGrid& grid = Rejilla(f);
      PintaPantalla(grid, 0);
      auto inicio = Clock::now();
      forms::Input::Key(f, forms::vbKeyEnd);
      benchmark::DoNotOptimize(PintaPantalla(grid, grid.Row() - kPantalla + 1));
      state.SetIterationTime(std::chrono::duration<double>(Clock::now() - inicio).count());
      forms::Input::Click(dynamic_cast<forms::CommandButton&>(*f.FindControl("CmdOpciones", 1)));
    });
  }
}

// The raw floor: the list's SELECT stepped to the first screen of rows or to its last row.
void Piso(benchmark::State& state, const Lista& l, bool alFinal) {
  Arranca(static_cast<int>(state.range(0)));
  const std::string jet = ConsultaDe(l);
  dao::detail::Lexed lexed = dao::detail::Lex(jet);
  dao::detail::Translation t = dao::detail::Translate(
      lexed, jet, [](std::string_view) { return std::nullopt; }, false);
  sqlite3* db = nullptr;
  sqlite3_open_v2(LaMuestra().Layout.Database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  dao::detail::RegisterJetFunctions(db);
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, t.Sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
  std::size_t letras = 0;
  for (auto _ : state) {
    for (std::size_t k = 0; k < t.Parameters.size(); ++k) {
      dao::detail::BindLiteral(stmt, static_cast<int>(k + 1), lexed.Literals[t.Parameters[k]]);
    }
    long fila = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      if (fila < kPantalla || alFinal) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
          letras += static_cast<std::size_t>(sqlite3_column_bytes(stmt, c));
        }
      }
      if (++fila >= kPantalla && !alFinal) break;
    }
    sqlite3_reset(stmt);
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  benchmark::DoNotOptimize(letras);
}

// One cell read by the grid, anywhere in the list, its rows read.
void LeeCelda(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Arranca(n);
  Abre(kListas[0], [&](forms::Form& f) {
    forms::DataGrid& grid = Rejilla(f);
    if (grid.RowCount() != n) std::abort();
    long fila = n / 2;
    for (auto _ : state) {
      benchmark::DoNotOptimize(grid.CellText(fila, 1));
      fila = (fila * 7 + 13) % n;
    }
  });
}

void Registra() {
  for (const Lista& l : kListas) {
    const std::string n = l.Nombre;
    auto* abre = benchmark::RegisterBenchmark(("Abre " + n).c_str(), [&l](benchmark::State& s) { AbreLista(s, l); });
    auto* piso =
        benchmark::RegisterBenchmark(("Piso " + n).c_str(), [&l](benchmark::State& s) { Piso(s, l, l.AlFinal); });
    auto* fin = benchmark::RegisterBenchmark(("Fin " + n).c_str(), [&l](benchmark::State& s) { TeclaFin(s, l); });
    auto* pisoFin =
        benchmark::RegisterBenchmark(("PisoFin " + n).c_str(), [&l](benchmark::State& s) { Piso(s, l, true); });
    for (auto* b : {abre, piso, fin, pisoFin}) {
      for (int t : kTamanos) b->Arg(t);
      b->Unit(benchmark::kMillisecond);
    }
    fin->UseManualTime();
  }
  auto* celda = benchmark::RegisterBenchmark("Celda", LeeCelda);
  for (int t : kTamanos) celda->Arg(t);
  celda->Unit(benchmark::kNanosecond);
}

// --- memory ---

long RssKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long PicoKb() {
  rusage uso{};
  ::getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

// Run before any benchmark, so the process's peak RSS is this measure's.
void Memoria(int n) {
  Arranca(n);
  const long picoInicial = PicoKb();
  for (const Lista& l : kListas) {
    const long antes = RssKb();
    long abierta = 0, alFinal = 0;
    std::size_t filas = 0, filasAlFinal = 0;
    Abre(l, [&](forms::Form& f) {
      forms::DataGrid& grid = Rejilla(f);
      PintaPantalla(grid, 0);
      abierta = RssKb();
      filas = dao::RowsInMemory();
      forms::Input::Key(f, forms::vbKeyEnd);
      PintaPantalla(grid, grid.Row() - kPantalla + 1);
      alFinal = RssKb();
      filasAlFinal = dao::RowsInMemory();
      forms::Input::Click(dynamic_cast<forms::CommandButton&>(*f.FindControl("CmdOpciones", 1)));
    });
    forms::Input::Key(forms::Default<app::MDIFrm>(), 0);  // the closed window goes at the next user action
    const long despues = RssKb();
    std::printf("%s over %d returns: open, %zu rows held (%+ld KiB); after End, %zu rows held, %.0f bytes a row; "
                "peak RSS %+ld KiB over the started program's; after closing %+ld KiB and %zu rows held\n",
                l.Nombre, n, filas, abierta - antes, filasAlFinal, (alFinal - antes) * 1024.0 / n,
                PicoKb() - picoInicial, despues - antes, dao::RowsInMemory());
  }
}

}  // namespace

int main(int argc, char** argv) {
  forms::Application aplicacion(LaPantalla());
  aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);
  Registra();
  benchmark::Initialize(&argc, argv);
  if (benchmark::GetBenchmarkFilter() == "all" || benchmark::GetBenchmarkFilter().empty()) Memoria(100000);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto tiempo = [&](const std::string& name) {
    auto it = reporter.Times.find(name);
    return it == reporter.Times.end() ? 0.0 : it->second;
  };
  auto ratio = [&](const std::string& layer, const std::string& raw) { return kr::bench::Ratio(reporter, layer, raw); };
  for (const Lista& l : kListas) {
    for (int t : kTamanos) {
      const std::string arg = "/" + std::to_string(t);
      std::printf("%s opened and painted over %d returns  ratio layer/raw: %s\n", l.Nombre, t,
                  ratio(std::string("Abre ") + l.Nombre + arg, std::string("Piso ") + l.Nombre + arg).c_str());
      std::printf("%s End key over %d returns  ratio layer/raw: %s\n", l.Nombre, t,
                  ratio(std::string("Fin ") + l.Nombre + arg + "/manual_time", std::string("PisoFin ") + l.Nombre + arg)
                      .c_str());
    }
  }
  for (int t : kTamanos) {
    std::printf("one cell read over %d returns: %s ns\n", t,
                kr::bench::Fixed(tiempo("Celda/" + std::to_string(t)), 0).c_str());
  }
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaMuestra().Carpeta, ec);
  return 0;
}
