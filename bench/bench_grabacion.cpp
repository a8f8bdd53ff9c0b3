//===- bench_grabacion.cpp - Saving a full return from the return form ----===//
//
// KR917 headless on the sample installation after LUD917's run, over an
// office's database of 1,000, 10,000 and 100,000 other returns, with a
// saved return whose every box is filled and which has 10 schedule rows,
// open in the return form: the time of one Grabar (identification and
// consistency checks, header, box rows, schedules and state in one
// transaction, the closing step). The floor is raw prepared SQLite doing
// the same reads, deletes, inserts and updates in one transaction on the
// same database, each by the return's primary key, reading its own TEMP
// work table holding the rows KR917's holds. The last lines give the times
// and the ratios: over the floor, and over the same save with 1,000 other
// returns.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "bench/BenchReport.h"
#include "bench/Crudo.h"
#include "bench/DeclaracionLlena.h"
#include "bench/Oficina.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace {

using kr::bench::Crudo;
using kr::bench::kPorClave;
using kr::bench::kPorClaveAnexo;

constexpr char kClave[] = " WHERE DOC_ID_D='10076543211' AND PERIODO='2002' AND FORMULARIO='0917'";

int Oficina(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

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
app::Frm0917& Abre(int oficina) {
  kr::bench::LaInstalacion(oficina);
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

// The rows one save of the filled return writes, and those its work table
// holds, so that the floor writes and reads exactly those.
struct Escritas {
  std::vector<Fila> Det, Patrim, Trabajo;
};
std::optional<Escritas> LasEscritas;

const Escritas& EscritasCon(int oficina) {
  if (!LasEscritas) {
    app::Frm0917& f = Abre(oficina);
    f.GrabarForm();
    LasEscritas = Escritas{Lee("SELECT * FROM DET" + std::string(kClave)),
                           Lee("SELECT * FROM F0917PATRIM" + std::string(kClave)), Lee("SELECT * FROM TMPF0917PATRIM")};
    forms::Unload(f);
  }
  return *LasEscritas;
}

void Grabar(benchmark::State& state) {
  app::Frm0917& f = Abre(Oficina(state));
  for (auto _ : state) {
    if (!f.GrabarForm()) {
      state.SkipWithError("the save did not complete");
      break;
    }
  }
  forms::Unload(f);
}

// The save's database work on raw SQLite: statements prepared once, the
// return's key and the values bound, in one write transaction.
struct Grabacion {
  Crudo Base;
  sqlite3_stmt *LeeCab, *EditaCab, *BorraDet, *InsertaDet, *Cuenta, *BorraPatrim, *LeeTrabajo, *InsertaPatrim, *Estado;

  Grabacion(const std::string& ruta, const Escritas& escritas) : Base(ruta) {
    Base.TablaTemporal("TMPF0917PATRIM");
    const std::string k = kPorClave;
    LeeCab = Base.Prepara("SELECT * FROM CAB" + k);
    EditaCab = Base.Prepara(
        "UPDATE CAB SET fec_pro=?5, bcolibrad=?6, nrocheque=?7, cheque=?8, efectivo=?9, rectifica=?10, cNumero=?11" +
        k);
    BorraDet = Base.Prepara("DELETE FROM DET" + k);
    InsertaDet = Base.Prepara("INSERT INTO DET VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)");
    Cuenta = Base.Prepara("SELECT count(*) FROM TMPF0917PATRIM");
    BorraPatrim = Base.Prepara("DELETE FROM F0917PATRIM" + std::string(kPorClaveAnexo));
    LeeTrabajo = Base.Prepara("SELECT * FROM TMPF0917PATRIM");
    InsertaPatrim = Base.Prepara("INSERT INTO F0917PATRIM VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13)");
    Estado = Base.Prepara("UPDATE CAB SET estado=?5, cNumero=?6" + k);
    sqlite3_stmt* trabajo = Base.Prepara("INSERT INTO TMPF0917PATRIM VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9)");
    for (const Fila& fila : escritas.Trabajo) Inserta(trabajo, fila);
  }
  static void Inserta(sqlite3_stmt* stmt, const Fila& fila) {
    for (std::size_t c = 0; c < fila.Valores.size(); ++c) {
      sqlite3_bind_text(stmt, static_cast<int>(c + 1), fila.Valores[c].c_str(), -1, SQLITE_STATIC);
    }
    Crudo::Corre(stmt);
  }
  void Graba(const Escritas& escritas) {
    const char* ruc = kr::bench::kRuc;
    for (sqlite3_stmt* s : {LeeCab, EditaCab, BorraDet, BorraPatrim, Estado}) Crudo::Clave(s, ruc);
    Base.Exec("BEGIN IMMEDIATE");
    Crudo::Lee(LeeCab);
    const char* cab[] = {"10/12/2026", "02", "12345", "1500", "", "1", "123456"};
    for (int c = 0; c < 7; ++c) sqlite3_bind_text(EditaCab, c + 5, cab[c], -1, SQLITE_STATIC);
    Crudo::Corre(EditaCab);
    Crudo::Corre(BorraDet);
    for (const Fila& fila : escritas.Det) Inserta(InsertaDet, fila);
    Crudo::Lee(Cuenta);
    Crudo::Corre(BorraPatrim);
    Crudo::Lee(LeeTrabajo);
    for (const Fila& fila : escritas.Patrim) Inserta(InsertaPatrim, fila);
    Crudo::Lee(LeeCab);
    sqlite3_bind_int(Estado, 5, 0);
    sqlite3_bind_text(Estado, 6, "123456", -1, SQLITE_STATIC);
    Crudo::Corre(Estado);
    Base.Exec("COMMIT");
  }
};

void GrabarCrudo(benchmark::State& state) {
  const Escritas& escritas = EscritasCon(Oficina(state));
  Grabacion grabacion(kr::bench::LaInstalacion(Oficina(state)).Layout().Database, escritas);
  for (auto _ : state) grabacion.Graba(escritas);
}

}  // namespace

int main(int argc, char** argv) {
  for (int n : kr::bench::kOficinas) {
    benchmark::RegisterBenchmark("Grabar", Grabar)->Arg(n)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("GrabarCrudo", GrabarCrudo)->Arg(n)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const std::string que = LasEscritas
                              ? "Grabar of a full return (" + std::to_string(LasEscritas->Det.size()) + " box rows, " +
                                    std::to_string(LasEscritas->Patrim.size()) + " schedule rows)"
                              : std::string("Grabar of a full return");
  kr::bench::PrintScale(reporter, que, "Grabar", "GrabarCrudo", kr::bench::kOficinas);
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
