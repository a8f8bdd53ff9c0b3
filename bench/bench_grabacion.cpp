//===- bench_grabacion.cpp - Saving a full return from the return form ----===//
//
// KR917 headless on the sample installation after LUD917's run, with a
// saved return whose every box is filled and which has 10 schedule rows,
// open in the return form: the time of one Grabar (identification and
// consistency checks, header, box rows, schedules and state in one
// transaction, the closing step). The floor is raw prepared SQLite doing
// the same reads, deletes, inserts and updates in one transaction on a
// copy of the same database. The last line gives the time and the ratio.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "bench/BenchReport.h"
#include "bench/DeclaracionLlena.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace {

constexpr char kClave[] = " WHERE DOC_ID_D='10076543211' AND PERIODO='2002' AND FORMULARIO='0917'";

// One row as the save writes it, to be written again by the floor.
struct Fila {
  std::vector<std::string> Valores;
};

std::vector<Fila> Lee(const std::string& sql) {
  std::vector<Fila> filas;
  auto rs = app::G().BaseDatos->OpenRecordset(sql, dao::dbOpenSnapshot);
  for (; !rs->EOF_(); rs->MoveNext()) {
    Fila fila;
    for (int i = 0; i < rs->Fields().Count(); ++i) fila.Valores.push_back(vb::TextOf(rs->Fields(i).Value()));
    filas.push_back(std::move(fila));
  }
  rs->Close();
  return filas;
}

// The filled return open in the form (modeless), as the saved-returns list opens it.
app::Frm0917& Abre() {
  kr::bench::LaInstalacion();
  app::Compartidas& g = app::G();
  g.Modo = 2;
  g.ModoRegistro = false;
  g.RucDeclarante = kr::bench::kRuc;
  g.Periodo = "2002";
  forms::Application& a = forms::Application::Current();
  if (a.HasInstance<app::Frm0917>()) a.Release<app::Frm0917>();
  app::Frm0917& f = a.Instance<app::Frm0917>();
  f.Show();
  return f;
}

// The rows one save of the filled return writes, so that the floor writes exactly those.
struct Escritas {
  std::vector<Fila> Det, Patrim;
  Escritas() {
    app::Frm0917& f = Abre();
    f.GrabarForm();
    Det = Lee("SELECT * FROM DET" + std::string(kClave));
    Patrim = Lee("SELECT * FROM F0917PATRIM" + std::string(kClave));
    forms::Unload(f);
  }
};

const Escritas& LasEscritas() {
  static Escritas escritas;
  return escritas;
}

void Grabar(benchmark::State& state) {
  LasEscritas();
  app::Frm0917& f = Abre();
  for (auto _ : state) {
    if (!f.GrabarForm()) {
      state.SkipWithError("the save did not complete");
      break;
    }
  }
  forms::Unload(f);
}

// The save's database work on raw SQLite: statements prepared once, the
// values bound, in one write transaction.
struct Crudo {
  sqlite3* Db = nullptr;
  sqlite3_stmt *LeeCab, *EditaCab, *BorraDet, *InsertaDet, *Cuenta, *BorraPatrim, *LeeTrabajo, *InsertaPatrim,
      *Estado;

  Crudo() {
    if (sqlite3_open(kr::bench::LaInstalacion().CopiaCruda.c_str(), &Db) != SQLITE_OK) std::abort();
    dao::detail::RegisterJetFunctions(Db);
    const std::string k = kClave;
    LeeCab = Prepara("SELECT * FROM CAB" + k + " AND SEMANA=0");
    EditaCab = Prepara("UPDATE CAB SET fec_pro=?1, bcolibrad=?2, nrocheque=?3, cheque=?4, efectivo=?5, rectifica=?6, "
                       "cNumero=?7" + k + " AND SEMANA=0");
    BorraDet = Prepara("DELETE FROM DET" + k + " AND SEMANA=0 AND TIP_DOC_D=6");
    InsertaDet = Prepara("INSERT INTO DET VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)");
    Cuenta = Prepara("SELECT count(*) FROM TMPF0917PATRIM");
    BorraPatrim = Prepara("DELETE FROM F0917PATRIM" + k + " AND TIP_DOC_D=6");
    LeeTrabajo = Prepara("SELECT * FROM TMPF0917PATRIM");
    InsertaPatrim = Prepara("INSERT INTO F0917PATRIM VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13)");
    Estado = Prepara("UPDATE CAB SET estado=?1, cNumero=?2" + k + " AND SEMANA=0 AND TIP_DOC_D=6");
  }
  ~Crudo() {
    for (sqlite3_stmt* s :
         {LeeCab, EditaCab, BorraDet, InsertaDet, Cuenta, BorraPatrim, LeeTrabajo, InsertaPatrim, Estado}) {
      sqlite3_finalize(s);
    }
    sqlite3_close(Db);
  }
  sqlite3_stmt* Prepara(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
    return stmt;
  }
  static void Corre(sqlite3_stmt* stmt) {
    while (sqlite3_step(stmt) == SQLITE_ROW) {
    }
    sqlite3_reset(stmt);
  }
  static void Inserta(sqlite3_stmt* stmt, const Fila& fila) {
    for (std::size_t c = 0; c < fila.Valores.size(); ++c) {
      sqlite3_bind_text(stmt, static_cast<int>(c + 1), fila.Valores[c].c_str(), -1, SQLITE_STATIC);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE) std::abort();
    sqlite3_reset(stmt);
  }
  void Graba() {
    const Escritas& i = LasEscritas();
    sqlite3_exec(Db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    Corre(LeeCab);
    const char* cab[] = {"10/12/2026", "02", "12345", "1500", "", "1", "123456"};
    for (int c = 0; c < 7; ++c) sqlite3_bind_text(EditaCab, c + 1, cab[c], -1, SQLITE_STATIC);
    Corre(EditaCab);
    Corre(BorraDet);
    for (const Fila& fila : i.Det) Inserta(InsertaDet, fila);
    Corre(Cuenta);
    Corre(BorraPatrim);
    Corre(LeeTrabajo);
    for (const Fila& fila : i.Patrim) Inserta(InsertaPatrim, fila);
    sqlite3_bind_int(Estado, 1, 0);
    sqlite3_bind_text(Estado, 2, "123456", -1, SQLITE_STATIC);
    Corre(Estado);
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
  }
};

void GrabarCrudo(benchmark::State& state) {
  LasEscritas();
  Crudo crudo;
  for (auto _ : state) crudo.Graba();
}

BENCHMARK(Grabar)->Unit(benchmark::kMillisecond);
BENCHMARK(GrabarCrudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto grabar = reporter.Times.find("Grabar");
  std::printf("Saving a full return from Frm0917 (%zu box rows, %zu schedule rows): %s ms  ratio layer/raw: %s\n",
              LasEscritas().Det.size(), LasEscritas().Patrim.size(),
              grabar == reporter.Times.end() ? "n/a" : kr::bench::Fixed(grabar->second, 2).c_str(),
              kr::bench::Ratio(reporter, "Grabar", "GrabarCrudo").c_str());
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  std::filesystem::remove_all(kr::bench::LaInstalacion().Carpeta, ec);
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
