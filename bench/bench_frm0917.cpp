//===- bench_frm0917.cpp - Opening a saved return in the return form -------===//
//
// KR917 headless on the sample installation after LUD917's run, over an
// office's database of 1,000, 10,000 and 100,000 other returns, with a
// saved return whose every box is filled (137 DET rows) and which has 10
// schedule rows: the time to open it in the return form (the window made,
// its load run: work table emptied and filled, lists, header, boxes,
// groups, names). The floor is raw prepared SQLite doing the load's
// database work on the same database, the return's rows read by their
// primary key, the work table a TEMP table of its own as KR917's is. The
// last lines give the times and the ratios: over the floor, and over the
// same open with 1,000 other returns.
//
// Then, on the sample alone, one keystroke in box 100 of that return, open
// and focused on the box: the whole recalculation it sets off, against as
// many assignments of the same texts to a bare text box. The last lines
// also give the number of box assignments one keystroke makes.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "bench/BenchReport.h"
#include "bench/Crudo.h"
#include "bench/DeclaracionLlena.h"
#include "bench/Oficina.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Form.h"
#include "platform/forms/Input.h"
#include "platform/forms/TextBox.h"
#include "return/Frm0917.h"

namespace {

using kr::bench::AbreEnCasilla100;
using kr::bench::Crudo;
using kr::bench::kRuc;
using kr::bench::LaInstalacion;

int Oficina(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void AbreFormulario(benchmark::State& state) {
  LaInstalacion(Oficina(state));
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
    kr::bench::SiguienteAccion();
    state.ResumeTiming();
  }
}

// The load's database work on raw SQLite, in the load's order: statements
// prepared once, the return's key bound, run and read through as the load
// runs and reads them.
struct Carga {
  Crudo Base;
  sqlite3_stmt* Importe;
  sqlite3_stmt* Cabecera;
  sqlite3_stmt* Anexos;
  sqlite3_stmt* Vacia;
  sqlite3_stmt* Inserta;
  std::vector<sqlite3_stmt*> Parametros;
  sqlite3_stmt* Tipo;
  sqlite3_stmt* Casillas;
  sqlite3_stmt* Declarante;

  explicit Carga(const std::string& ruta) : Base(ruta) {
    using kr::bench::kPorClave;
    using kr::bench::kPorClaveAnexo;
    Base.TablaTemporal("TMPF0917PATRIM");
    Vacia = Base.Prepara("DELETE FROM TMPF0917PATRIM");
    Importe = Base.Prepara(std::string("SELECT I_VALOR FROM DET") + kPorClave + " AND Casilla='598'");
    Cabecera = Base.Prepara(std::string("SELECT * FROM CAB") + kPorClave);
    Anexos = Base.Prepara(std::string("SELECT * FROM F0917PATRIM") + kPorClaveAnexo);
    Inserta = Base.Prepara(
        "INSERT INTO TMPF0917PATRIM (tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, "
        "des_movimiento2, mto_01012002, mto_31122002, ctd_movimiento) VALUES (?1,?2,?3,?4,?5,?6,?7,?8)");
    for (const char* tasa : {"050802", "020702", "020704", "020301", "020201", "020501"}) {
      Parametros.push_back(
          Base.Prepara("SELECT substr(Argumento,8,6), substr(Funcion,2,6) FROM PARAM WHERE Numero='998' AND "
                       "substr(Argumento,1,6)='" +
                       std::string(tasa) + "' AND substr(Argumento,8,6)<='2002' ORDER BY 1"));
    }
    for (const char* lista : {"SELECT substr(Argumento,1,4), trim(Funcion) FROM PARAM WHERE Numero='404' AND "
                              "substr(Argumento,1,4)<='2002' ORDER BY 1, Argumento",
                              "SELECT Argumento, substr(Funcion,1,60) FROM PARAM WHERE Numero='979' ORDER BY 2",
                              "SELECT substr(Argumento,1,2), substr(Funcion,1,36) FROM PARAM WHERE Numero='004' "
                              "ORDER BY 1"}) {
      Parametros.push_back(Base.Prepara(lista));
    }
    Tipo = Base.Prepara("SELECT Funcion FROM PARAM WHERE Numero='044' ORDER BY substr(Funcion,56,2)");
    Casillas = Base.Prepara(std::string("SELECT CASILLA, I_VALOR FROM DET") + kPorClave + " ORDER BY CASILLA");
    Declarante = Base.Prepara("SELECT * FROM CONT WHERE tip_doc_d=6 AND Doc_id_d=?1");
  }

  std::size_t Corre() {
    std::size_t total = 0;
    Crudo::Corre(Vacia);
    for (sqlite3_stmt* s : {Importe, Cabecera, Anexos, Casillas, Declarante}) Crudo::Clave(s, kRuc);
    total += Crudo::Lee(Importe) + Crudo::Lee(Cabecera);
    Base.Exec("BEGIN");
    while (sqlite3_step(Anexos) == SQLITE_ROW) {
      for (int c = 0; c < 8; ++c) {
        const unsigned char* texto = sqlite3_column_text(Anexos, 4 + c);
        sqlite3_bind_text(Inserta, c + 1, texto ? reinterpret_cast<const char*>(texto) : "", -1, SQLITE_TRANSIENT);
      }
      Crudo::Corre(Inserta);
    }
    sqlite3_reset(Anexos);
    Base.Exec("COMMIT");
    for (sqlite3_stmt* s : Parametros) total += Crudo::Lee(s);
    // The document-type lists: nine fillings and the lengths their choices look up.
    for (int i = 0; i < 9 + 20; ++i) total += Crudo::Lee(Tipo);
    total += Crudo::Lee(Casillas) + Crudo::Lee(Declarante);
    return total;
  }
};

void CargaCruda(benchmark::State& state) {
  Carga carga(LaInstalacion(Oficina(state)).Layout().Database);
  std::size_t total = 0;
  for (auto _ : state) total += carga.Corre();
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

// The box assignments one keystroke makes, counted once.
int AsignacionesPorTecla() {
  static int contadas = -1;
  if (contadas >= 0) return contadas;
  app::Frm0917& f = AbreEnCasilla100();
  int asignaciones = 0;
  f.txtvalor.On(&forms::TextBox::Change, [&](int Index) {
    ++asignaciones;
    f.txtvalor_Change(Index);
  });
  Tecla(f, true);
  forms::Unload(f);
  contadas = asignaciones;
  return contadas;
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

BENCHMARK(TeclaEnCasilla100)->Unit(benchmark::kMicrosecond);
BENCHMARK(AsignacionesDesnudas)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  for (int n : kr::bench::kOficinas) {
    benchmark::RegisterBenchmark("AbreFormulario", AbreFormulario)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CargaCruda", CargaCruda)->Arg(n)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto tecla = reporter.Times.find("TeclaEnCasilla100");
  if (tecla != reporter.Times.end()) {
    std::printf("One keystroke in box 100, every box filled: %s ms, %d box assignments  ratio cascade/bare: %s\n",
                kr::bench::Fixed(tecla->second / 1000, 3).c_str(), AsignacionesPorTecla(),
                kr::bench::Ratio(reporter, "TeclaEnCasilla100", "AsignacionesDesnudas").c_str());
  }
  kr::bench::PrintScale(reporter, "Frm0917 open of a saved return", "AbreFormulario", "CargaCruda",
                        kr::bench::kOficinas);
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
