//===- bench_listas.cpp - The list windows over an office's returns ---------===//
//
// KR917 started in-process on the sample installation after LUD917's run,
// over an office's database of 1,000, 10,000 and 100,000 other returns of
// the user's taxpayers (one in ten of them also sent). Each list window is
// opened from the main window, its first screen of cells read as the
// screen shows them, and closed; its floor is the window's SELECT stepped
// in raw SQLite (with the layer's functions) to the first screen of rows,
// or for frmAbrirEnv, which moves to its last row and back, to the last
// row. The End key (to the last row, its screen of cells read) has as floor
// the SELECT stepped to its last row.
//
// The saved-returns list is also scrolled from its first row to its last a
// screen at a time, as the Qt grid reads on when the view scrolls: a
// screen and more when it opens, then 256 rows more at each step, each
// step read as between two user actions (ReadRows lets go of its read
// locks). Its floor is one raw pass of the same SELECT to its last row. One
// step at the first screen and one at the last are timed alone, so that
// the cost of a step can be held against its position.
//
// The last lines give the ratios, the cost of one cell read by list
// length, and the memory a list holds.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmModFor.h"
#include "bench/BenchReport.h"
#include "bench/Oficina.h"
#include "bench/Sesion.h"
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
constexpr auto& kTamanos = kr::bench::kOficinas;

// --- the installation ---

kr::bench::Muestra& LaMuestra() {
  static kr::bench::Muestra muestra = kr::bench::InstalaMuestra("listas");
  return muestra;
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

// Starts KR917 on the database of `n` other returns, unless it runs on it
// already: the lists only read.
void Arranca(int n) {
  static int arrancada = -1;
  if (n == arrancada) return;
  kr::bench::Muestra& m = LaMuestra();
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  kr::bench::PonOficina(m, n);
  static host::FixedWindowList escritorio{{"Dexlora"}};
  static const std::string bloqueos = m.Carpeta / "locks";
  fs::create_directories(bloqueos);
  static host::InstanceLock bloqueo{bloqueos};
  ModGen00::Main(escritorio, bloqueo);
  arrancada = n;
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

// The list's SELECT as the layer translates it, prepared on a raw read-only
// connection with the layer's functions.
class Consulta {
 public:
  explicit Consulta(const Lista& l) : Jet_(ConsultaDe(l)), Lexed_(dao::detail::Lex(Jet_)) {
    Traducida_ = dao::detail::Translate(
        Lexed_, Jet_, [](std::string_view) { return std::nullopt; }, false);
    const bool abierta =
        sqlite3_open_v2(LaMuestra().Layout.Database.c_str(), &Db_, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    if (abierta) dao::detail::RegisterJetFunctions(Db_);
    if (!abierta || sqlite3_prepare_v2(Db_, Traducida_.Sql.c_str(), -1, &Stmt_, nullptr) != SQLITE_OK) {
      std::fprintf(stderr, "%s: %s\n", Traducida_.Sql.c_str(), sqlite3_errmsg(Db_));
      std::abort();
    }
  }
  ~Consulta() {
    sqlite3_finalize(Stmt_);
    sqlite3_close(Db_);
  }
  Consulta(const Consulta&) = delete;
  Consulta& operator=(const Consulta&) = delete;

  /// Runs it from its start, through its first `filas` rows (all with -1),
  /// adding up the bytes of their columns; answers the rows stepped.
  long Pasa(long filas, std::size_t& letras) {
    for (std::size_t k = 0; k < Traducida_.Parameters.size(); ++k) {
      dao::detail::BindLiteral(Stmt_, static_cast<int>(k + 1), Lexed_.Literals[Traducida_.Parameters[k]]);
    }
    long fila = 0;
    while ((filas < 0 || fila < filas) && sqlite3_step(Stmt_) == SQLITE_ROW) {
      for (int c = 0; c < sqlite3_column_count(Stmt_); ++c) {
        letras += static_cast<std::size_t>(sqlite3_column_bytes(Stmt_, c));
      }
      ++fila;
    }
    sqlite3_reset(Stmt_);
    return fila;
  }

 private:
  std::string Jet_;
  dao::detail::Lexed Lexed_;
  dao::detail::Translation Traducida_;
  sqlite3* Db_ = nullptr;
  sqlite3_stmt* Stmt_ = nullptr;
};

// The raw floor: the list's SELECT stepped to the first screen of rows or to its last row.
void Piso(benchmark::State& state, const Lista& l, bool alFinal) {
  Arranca(static_cast<int>(state.range(0)));
  Consulta consulta(l);
  std::size_t letras = 0;
  for (auto _ : state) consulta.Pasa(alFinal ? -1 : kPantalla, letras);
  benchmark::DoNotOptimize(letras);
}

// The rows list `l` shows over the database of `n` other returns: the
// sample's own and the office's, counted by a raw pass.
long FilasDe(const Lista& l, int n) {
  static std::map<std::pair<const Lista*, int>, long> contadas;
  auto [it, nueva] = contadas.try_emplace({&l, n}, 0);
  if (nueva) {
    Arranca(n);
    std::size_t letras = 0;
    it->second = Consulta(l).Pasa(-1, letras);
  }
  return it->second;
}

// One cell read by the grid, anywhere in the list, its rows read.
void LeeCelda(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const long filas = FilasDe(kListas[0], n);
  Arranca(n);
  Abre(kListas[0], [&](forms::Form& f) {
    forms::DataGrid& grid = Rejilla(f);
    if (grid.RowCount() != filas) {
      state.SkipWithError("the grid does not hold the list's rows");
      return;
    }
    long fila = filas / 2;
    for (auto _ : state) {
      benchmark::DoNotOptimize(grid.CellText(fila, 1));
      fila = (fila * 7 + 13) % filas;
    }
  });
}

// --- scrolling to the end ---

// The saved-returns list read on as the Qt grid reads it while its view
// scrolls down (platform/qt/GridView.cpp): a screen and more when it opens,
// then 256 rows more at each step, whether the recordset has read them
// already or reads them then.
class Desplazamiento {
 public:
  explicit Desplazamiento(forms::DataGrid& grid)
      : Grid_(grid), Filas_(std::min(grid.ReadRows(kPrimeras), kPrimeras)) {}
  /// One step; false when there was nothing more to show.
  bool Paso() {
    if (Filas_ >= Grid_.RowsRead() && !Grid_.MoreRows()) return false;
    Grid_.ReadRows(Filas_ + kMas);
    Filas_ = std::min(Grid_.RowsRead(), Filas_ + kMas);
    return true;
  }
  /// The rows the view holds.
  long Filas() const { return Filas_; }

  static constexpr long kPrimeras = 64;
  static constexpr long kMas = 256;

 private:
  forms::DataGrid& Grid_;
  long Filas_;
};

void Cierra(forms::Form& f) {
  forms::Input::Click(dynamic_cast<forms::CommandButton&>(*f.FindControl("CmdOpciones", 1)));
}

// The list opened, read to its last row a step at a time, and closed.
void Desplaza(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const long filas = FilasDe(kListas[0], n);
  Arranca(n);
  for (auto _ : state) {
    long leidas = 0;
    Abre(kListas[0], [&](forms::Form& f) {
      Desplazamiento d(Rejilla(f));
      while (d.Paso()) {
      }
      leidas = d.Filas();
      Cierra(f);
    });
    if (leidas != filas) {
      state.SkipWithError("the scroll did not reach the list's last row");
      break;
    }
  }
}

// One step timed alone: the first after the list opened, or the last that
// reads a whole step's rows (the list scrolled there untimed).
void Paso(benchmark::State& state, bool ultimo) {
  const int n = static_cast<int>(state.range(0));
  const long filas = FilasDe(kListas[0], n);
  Arranca(n);
  for (auto _ : state) {
    double segundos = -1;
    Abre(kListas[0], [&](forms::Form& f) {
      Desplazamiento d(Rejilla(f));
      for (;;) {
        const bool entero = d.Filas() + Desplazamiento::kMas <= filas;
        const auto inicio = Clock::now();
        if (!d.Paso()) break;
        if (entero) segundos = std::chrono::duration<double>(Clock::now() - inicio).count();
        if (!ultimo) break;
      }
      Cierra(f);
    });
    if (segundos < 0) {
      state.SkipWithError("the list has no whole step");
      break;
    }
    state.SetIterationTime(segundos);
  }
}

void Registra() {
  for (int t : kTamanos) {
    for (const Lista& l : kListas) {
      const std::string n = l.Nombre;
      auto* abre = benchmark::RegisterBenchmark(("Abre " + n).c_str(), [&l](benchmark::State& s) { AbreLista(s, l); });
      auto* piso =
          benchmark::RegisterBenchmark(("Piso " + n).c_str(), [&l](benchmark::State& s) { Piso(s, l, l.AlFinal); });
      auto* fin = benchmark::RegisterBenchmark(("Fin " + n).c_str(), [&l](benchmark::State& s) { TeclaFin(s, l); });
      auto* pisoFin =
          benchmark::RegisterBenchmark(("PisoFin " + n).c_str(), [&l](benchmark::State& s) { Piso(s, l, true); });
      for (auto* b : {abre, piso, fin, pisoFin}) b->Arg(t)->Unit(benchmark::kMillisecond);
      // Only the key is timed, and a sorted list has all its rows by then: a
      // fixed count of openings, or the count that fills the minimum time would be endless.
      fin->UseManualTime()->Iterations(20);
    }
    benchmark::RegisterBenchmark("Celda", LeeCelda)->Arg(t)->Unit(benchmark::kNanosecond);
    // A scroll to the end costs a whole pass per iteration: few of them on the largest lists.
    benchmark::RegisterBenchmark("Desplaza", Desplaza)->Arg(t)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PasoPrimero", [](benchmark::State& s) { Paso(s, false); })
        ->Arg(t)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(t >= 100000  ? 5
                     : t >= 10000 ? 10
                                  : 20);
    benchmark::RegisterBenchmark("PasoUltimo", [](benchmark::State& s) { Paso(s, true); })
        ->Arg(t)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(t >= 100000  ? 2
                     : t >= 10000 ? 5
                                  : 20);
  }
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
  for (const Lista& l : kListas) FilasDe(l, n);
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
    std::printf(
        "%s of an office of %d returns (%ld rows): open, %zu rows held (%+ld KiB); after End, %zu rows "
        "held, %.0f bytes a row; peak RSS %+ld KiB over the started program's; after closing %+ld KiB and "
        "%zu rows held\n",
        l.Nombre, n, FilasDe(l, n), filas, abierta - antes, filasAlFinal,
        (alFinal - antes) * 1024.0 / static_cast<double>(FilasDe(l, n)), PicoKb() - picoInicial, despues - antes,
        dao::RowsInMemory());
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
      std::printf("%s opened and painted, office of %d returns  ratio layer/raw: %s\n", l.Nombre, t,
                  ratio(std::string("Abre ") + l.Nombre + arg, std::string("Piso ") + l.Nombre + arg).c_str());
      std::printf("%s End key, office of %d returns  ratio layer/raw: %s\n", l.Nombre, t,
                  ratio(std::string("Fin ") + l.Nombre + arg + "/manual_time", std::string("PisoFin ") + l.Nombre + arg)
                      .c_str());
    }
  }
  for (int t : kTamanos) {
    const double ns = tiempo("Celda/" + std::to_string(t));
    std::printf("one cell read, office of %d returns: %s\n", t,
                ns > 0 ? (kr::bench::Fixed(ns, 0) + " ns").c_str() : "n/a");
  }
  const std::string lista = "saved-returns list";
  for (int t : kTamanos) {
    kr::bench::PrintTime(reporter, lista + " scrolled to its end a step at a time", "Desplaza", t);
    kr::bench::PrintTime(reporter, lista + ", one raw pass to its end", "PisoFin frmModFor (saved)", t);
    kr::bench::PrintTime(reporter, lista + ", a step at the first screen", "PasoPrimero", t);
    kr::bench::PrintTime(reporter, lista + ", a step at the last screen", "PasoUltimo", t);
  }
  for (int t : kTamanos) {
    const std::string at = "/" + std::to_string(t);
    kr::bench::PrintRatio(reporter, lista + " scrolled to its end / one raw pass", t, "Desplaza" + at,
                          "PisoFin frmModFor (saved)" + at);
    kr::bench::PrintRatio(reporter, lista + ", step at the last screen / at the first", t, "PasoUltimo" + at,
                          "PasoPrimero" + at);
  }
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  return 0;
}
