//===- bench_frm0917.cpp - Opening a saved return in the return form -------===//
//
// KR917 headless on the sample installation after LUD917's run, with a
// saved return whose every box is filled (137 DET rows) and which has 10
// schedule rows: the time to open it in the return form (the window made,
// its load run: work table emptied and filled, lists, header, boxes,
// groups, names). The floor is raw prepared SQLite doing the load's
// database work on a copy of the same database. The last lines give the
// time and the ratio.
//
// Then one keystroke in box 100 of that return, open and focused on the box:
// the whole recalculation it sets off, against as many assignments of the
// same texts to a bare text box. The last lines also give the number of box
// assignments one keystroke makes.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "bench/BenchReport.h"
#include "bench/DeclaracionLlena.h"
#include "platform/db/JetFunctions.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Form.h"
#include "platform/forms/Input.h"
#include "platform/forms/TextBox.h"
#include "return/Frm0917.h"

namespace {

namespace fs = std::filesystem;
using kr::bench::AbreEnCasilla100;
using kr::bench::kRuc;
using kr::bench::LaInstalacion;

void AbreFormulario(benchmark::State& state) {
  LaInstalacion();
  app::Compartidas& g = app::G();
  for (auto _ : state) {
    g.Modo = 2;
    g.ModoRegistro = false;
    g.RucDeclarante = kRuc;
    g.Ventanas.Open(app::ventana::kFrm0917);
    state.PauseTiming();
    if (app::G().CargandoFormulario || !forms::Application::Current().HasInstance<app::Frm0917>()) {
      state.SkipWithError("the return form did not load");
      break;
    }
    forms::Unload<app::Frm0917>();
    state.ResumeTiming();
  }
}

// The load's database work on raw SQLite: statements prepared once, run and
// read through as the load runs and reads them.
struct Crudo {
  sqlite3* Db = nullptr;
  std::vector<sqlite3_stmt*> Lecturas;
  sqlite3_stmt* Vacia = nullptr;
  sqlite3_stmt* Anexos = nullptr;
  sqlite3_stmt* Inserta = nullptr;
  sqlite3_stmt* Tipo = nullptr;

  Crudo() {
    if (sqlite3_open(LaInstalacion().CopiaCruda.c_str(), &Db) != SQLITE_OK) std::abort();
    dao::detail::RegisterJetFunctions(Db);
    const std::string k = std::string(" WHERE DOC_ID_D='") + kRuc + "' AND PERIODO='2002' AND FORMULARIO='0917'";
    const std::vector<std::string> lecturas = {
        "SELECT I_VALOR FROM DET" + k + " AND SEMANA=0 AND CASILLA='598'",
        "SELECT * FROM CAB" + k + " AND TIP_DOC_D=6 AND SEMANA=0",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='050802' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='020702' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='020704' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='020301' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='020201' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
        "substr(Argumento,1,6)='020501' AND substr(Argumento,8,6)<='2002' ORDER BY 1",
        "SELECT substr(Argumento,1,4), trim(Funcion) FROM PARAM WHERE Numero='404' AND "
        "substr(Argumento,1,4)<='2002' ORDER BY 1, Argumento",
        "SELECT Argumento, substr(Funcion,1,60) FROM PARAM WHERE Numero='979' ORDER BY 2",
        "SELECT substr(Argumento,1,2), substr(Funcion,1,36) FROM PARAM WHERE Numero='004' ORDER BY 1",
        "SELECT CASILLA, I_VALOR FROM DET" + k + " AND SEMANA=0 ORDER BY CASILLA",
        std::string("SELECT * FROM CONT WHERE Doc_id_d='") + kRuc + "' AND tip_doc_d=6",
    };
    for (const std::string& sql : lecturas) Lecturas.push_back(Prepara(sql));
    Vacia = Prepara("DELETE FROM TMPF0917PATRIM");
    Anexos = Prepara("SELECT * FROM F0917PATRIM WHERE tip_doc_d=6 AND doc_id_d='" + std::string(kRuc) +
                     "' AND periodo='2002' AND formulario='0917'");
    Inserta = Prepara(
        "INSERT INTO TMPF0917PATRIM (tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, "
        "des_movimiento2, mto_01012002, mto_31122002, ctd_movimiento) VALUES (?1,?2,?3,?4,?5,?6,?7,?8)");
    Tipo = Prepara("SELECT Funcion FROM PARAM WHERE Numero='044' ORDER BY substr(Funcion,56,2)");
  }
  ~Crudo() {
    for (sqlite3_stmt* s : Lecturas) sqlite3_finalize(s);
    for (sqlite3_stmt* s : {Vacia, Anexos, Inserta, Tipo}) sqlite3_finalize(s);
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
  std::size_t Carga() {
    std::size_t total = 0;
    if (sqlite3_step(Vacia) != SQLITE_DONE) std::abort();
    sqlite3_reset(Vacia);
    sqlite3_exec(Db, "BEGIN", nullptr, nullptr, nullptr);
    while (sqlite3_step(Anexos) == SQLITE_ROW) {
      for (int c = 0; c < 8; ++c) {
        const unsigned char* texto = sqlite3_column_text(Anexos, 4 + c);
        sqlite3_bind_text(Inserta, c + 1, texto ? reinterpret_cast<const char*>(texto) : "", -1, SQLITE_TRANSIENT);
      }
      if (sqlite3_step(Inserta) != SQLITE_DONE) std::abort();
      sqlite3_reset(Inserta);
    }
    sqlite3_reset(Anexos);
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
    for (sqlite3_stmt* s : Lecturas) total += Lee(s);
    // The document-type lists: nine fillings and the lengths their choices look up.
    for (int i = 0; i < 9 + 20; ++i) total += Lee(Tipo);
    return total;
  }
};

void CargaCruda(benchmark::State& state) {
  Crudo crudo;
  std::size_t total = 0;
  for (auto _ : state) total += crudo.Carga();
  benchmark::DoNotOptimize(total);
}

// A digit typed at the end of box 100, and on the next round taken back
// with Backspace: each round is one keystroke and one whole recalculation.
void Tecla(app::Frm0917& f, bool escribe) {
  if (escribe) {
    forms::Input::Key(f, '7', 0, '7');
  } else {
    forms::Input::Key(f, forms::vbKeyBack, 0);
  }
}

void TeclaEnCasilla100(benchmark::State& state) {
  app::Frm0917& f = AbreEnCasilla100();
  bool escribe = true;
  for (auto _ : state) {
    Tecla(f, escribe);
    escribe = !escribe;
  }
  if (f.txtvalor(501).Text().empty()) state.SkipWithError("box 100 recomputed nothing");
  forms::Unload(f);
}

// The box assignments one keystroke makes.
int AsignacionesPorTecla() {
  app::Frm0917& f = AbreEnCasilla100();
  int asignaciones = 0;
  f.txtvalor.On(&forms::TextBox::Change, [&](int Index) {
    ++asignaciones;
    f.txtvalor_Change(Index);
  });
  Tecla(f, true);
  forms::Unload(f);
  return asignaciones;
}

// The floor: as many assignments of amount texts to one text box of a bare
// window, each raising a change that does nothing.
void AsignacionesDesnudas(benchmark::State& state) {
  const int asignaciones = AsignacionesPorTecla();
  forms::Form ventana("Desnuda");
  forms::TextBox caja(&ventana, "caja");
  caja.Change = [] {};
  ventana.Show();
  const std::string textos[] = {"1100", "1,100", "-220", "(220)", "880", "880"};
  for (auto _ : state) {
    for (int i = 0; i < asignaciones; ++i) caja.SetText(textos[i % 6]);
  }
  forms::Unload(ventana);
}

BENCHMARK(AbreFormulario)->Unit(benchmark::kMillisecond);
BENCHMARK(CargaCruda)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaEnCasilla100)->Unit(benchmark::kMicrosecond);
BENCHMARK(AsignacionesDesnudas)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto formulario = reporter.Times.find("AbreFormulario");
  std::printf("Opening a saved return in Frm0917 (137 boxes, 10 schedule rows): %s ms  ratio layer/raw: %s\n",
              formulario == reporter.Times.end() ? "n/a" : kr::bench::Fixed(formulario->second, 1).c_str(),
              kr::bench::Ratio(reporter, "AbreFormulario", "CargaCruda").c_str());
  auto tecla = reporter.Times.find("TeclaEnCasilla100");
  std::printf("One keystroke in box 100, every box filled: %s ms, %d box assignments  ratio cascade/bare: %s\n",
              tecla == reporter.Times.end() ? "n/a" : kr::bench::Fixed(tecla->second / 1000, 3).c_str(),
              AsignacionesPorTecla(), kr::bench::Ratio(reporter, "TeclaEnCasilla100", "AsignacionesDesnudas").c_str());
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaInstalacion().Carpeta, ec);
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
