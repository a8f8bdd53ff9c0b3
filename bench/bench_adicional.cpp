//===- bench_adicional.cpp - The schedules: stored with a save, listed ----===//
//
// KR917 headless on the sample installation after LUD917's run, with a
// saved return open in the return form:
// - Graba_Patrimonial of 200 work rows inside the save's transaction: the
//   return's stored rows deleted and the work rows added with their control
//   codes. The floor is raw prepared SQLite doing the same count, delete,
//   read and inserts in one transaction on a copy of the same database.
// - The schedule list window loading a 100-row subsection (its copy with
//   the type and currency names, the grid's rows all read, the count). The
//   floor is raw prepared SQLite doing the same delete, read, name look-ups,
//   inserts in one transaction, ordered read and count.
// The last lines give each time and its ratio.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "bench/BenchReport.h"
#include "bench/Sesion.h"
#include "common/CuentaTrabajo.h"
#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Inicio.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"
#include "schedules/FrmAdicionalCab.h"

namespace {

namespace fs = std::filesystem;

constexpr char kRuc[] = "10076543211";
constexpr int kFilasGrabadas = 200;
constexpr int kFilasLista = 100;

std::string Tres(int n) {
  std::string t = std::to_string(n);
  return std::string(3 - t.size(), '0') + t;
}

// Work row `i` of the 200 the save stores: every kind, 50 currencies each.
std::string FilaGrabada(int i) {
  return "('0" + std::to_string(1 + i % 4) + "','01','01'," + dao::Quote(Tres(1 + i / 4)) + ",'','','1000','2000','1')";
}

// Work row `i` of the bank-account subsection listed: 6 types, 17 currencies.
std::string FilaLista(int i) {
  return "('01','01'," + dao::Quote("0" + std::to_string(1 + i % 6)) + "," + dao::Quote(Tres(1 + i / 6)) +
         ",'','','','12500','2')";
}

struct Instalacion {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string CopiaCruda;
  std::vector<std::vector<std::string>> Patrim;  // the stored rows, as the save writes them

  Instalacion() {
    kr::bench::Muestra muestra = kr::bench::InstalaMuestra("adicional");
    Carpeta = muestra.Carpeta;
    Layout = muestra.Layout;

    kr::bench::ArrancaKR917(Layout);
    app::Compartidas& g = app::G();
    g.Modo = 2;
    g.ModoRegistro = false;
    g.RucDeclarante = kRuc;
    g.ClaveAdicional = "0101*";

    // One store, so that the floor writes exactly the rows the form writes.
    Llena(kFilasGrabadas, FilaGrabada);
    Frm().Graba_Patrimonial();
    auto rs = g.BaseDatos->OpenRecordset("SELECT * FROM F0917PATRIM WHERE doc_id_d='10076543211'", dao::dbOpenSnapshot);
    for (; !rs->EOF_(); rs->MoveNext()) {
      std::vector<std::string> fila;
      for (int i = 0; i < rs->Fields().Count(); ++i) fila.push_back(vb::TextOf(rs->Fields(i).Value()));
      Patrim.push_back(std::move(fila));
    }
    rs->Close();
    CopiaCruda = Carpeta + "/raw.db";
    fs::copy_file(Layout.Database, CopiaCruda);
  }

  // The program's work table holds `n` rows made by `fila`.
  static void Llena(int n, std::string (*fila)(int)) {
    app::Compartidas& g = app::G();
    dao::Atomically(g.Motor.Workspaces(0), [&] {
      g.BaseDatos->Execute("DELETE * FROM TMPF0917PATRIM");
      for (int i = 0; i < n; ++i) g.BaseDatos->Execute("INSERT INTO TMPF0917PATRIM VALUES " + fila(i));
    });
  }

  // The return form's instance: its members are the procedures measured.
  static app::Frm0917& Frm() { return forms::Application::Current().Instance<app::Frm0917>(); }
};

Instalacion& LaInstalacion() {
  static Instalacion instalacion;
  return instalacion;
}

void GrabaPatrimonial(benchmark::State& state) {
  LaInstalacion();
  Instalacion::Llena(kFilasGrabadas, FilaGrabada);
  app::Compartidas& g = app::G();
  for (auto _ : state) {
    dao::Atomically(
        g.Motor.Workspaces(0), [] { Instalacion::Frm().Graba_Patrimonial(); }, dao::kWriteLock);
  }
}

void ListaAdicional(benchmark::State& state) {
  LaInstalacion();
  Instalacion::Llena(kFilasLista, FilaLista);
  forms::Application& a = forms::Application::Current();
  for (auto _ : state) {
    app::FrmAdicionalCab& f = a.Instance<app::FrmAdicionalCab>();
    forms::Load(f);
    if (f.GrdAdicional.RowCount() != kFilasLista) {
      state.SkipWithError("the list does not hold the subsection");
      break;
    }
    forms::Unload(f);
    a.Release<app::FrmAdicionalCab>();
  }
}

// Raw prepared SQLite on a copy of the database, with its own temporary work tables.
struct Crudo {
  sqlite3* Db = nullptr;
  std::vector<sqlite3_stmt*> Sentencias;

  Crudo() {
    if (sqlite3_open(LaInstalacion().CopiaCruda.c_str(), &Db) != SQLITE_OK) std::abort();
    dao::detail::RegisterJetFunctions(Db);
    for (const char* tabla : {"TMPF0917PATRIM", "TMPF0917PATRIM1"}) {
      const std::string sql = std::string("CREATE TEMP TABLE ") + tabla + " AS SELECT * FROM main." + tabla;
      if (sqlite3_exec(Db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
    }
  }
  ~Crudo() {
    for (sqlite3_stmt* s : Sentencias) sqlite3_finalize(s);
    sqlite3_close(Db);
  }
  sqlite3_stmt* Prepara(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
    Sentencias.push_back(stmt);
    return stmt;
  }
  void Llena(int n, std::string (*fila)(int)) {
    sqlite3_exec(Db, "BEGIN; DELETE FROM temp.TMPF0917PATRIM", nullptr, nullptr, nullptr);
    for (int i = 0; i < n; ++i) {
      sqlite3_exec(Db, ("INSERT INTO temp.TMPF0917PATRIM VALUES " + fila(i)).c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
  }
  static void Corre(sqlite3_stmt* stmt) {
    while (sqlite3_step(stmt) == SQLITE_ROW) {
    }
    sqlite3_reset(stmt);
  }
};

void GrabaPatrimonialCrudo(benchmark::State& state) {
  Crudo c;
  c.Llena(kFilasGrabadas, FilaGrabada);
  sqlite3_stmt* cuenta = c.Prepara("SELECT count(*) FROM TMPF0917PATRIM");
  sqlite3_stmt* borra = c.Prepara(
      "DELETE FROM F0917PATRIM WHERE TIP_DOC_D=6 AND DOC_ID_D='10076543211' AND PERIODO='2002' AND FORMULARIO='0917'");
  sqlite3_stmt* lee = c.Prepara("SELECT * FROM TMPF0917PATRIM");
  sqlite3_stmt* inserta = c.Prepara("INSERT INTO F0917PATRIM VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13)");
  const auto& filas = LaInstalacion().Patrim;
  for (auto _ : state) {
    sqlite3_exec(c.Db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    Crudo::Corre(cuenta);
    Crudo::Corre(borra);
    Crudo::Corre(lee);
    for (const auto& fila : filas) {
      for (std::size_t k = 0; k < fila.size(); ++k) {
        sqlite3_bind_text(inserta, static_cast<int>(k + 1), fila[k].c_str(), -1, SQLITE_STATIC);
      }
      if (sqlite3_step(inserta) != SQLITE_DONE) std::abort();
      sqlite3_reset(inserta);
    }
    sqlite3_exec(c.Db, "COMMIT", nullptr, nullptr, nullptr);
  }
}

void ListaAdicionalCrudo(benchmark::State& state) {
  Crudo c;
  c.Llena(kFilasLista, FilaLista);
  sqlite3_stmt* vacia = c.Prepara("DELETE FROM temp.TMPF0917PATRIM1");
  sqlite3_stmt* lee = c.Prepara(
      "SELECT * FROM TMPF0917PATRIM WHERE tip_informacion=substr('0101*',1,2) AND tip_movimiento1=substr('0101*',3,2)");
  sqlite3_stmt* nombre =
      c.Prepara("SELECT Argumento, substr(Funcion,1,?3) FROM PARAM WHERE Numero=?1 AND Argumento=?2");
  sqlite3_stmt* inserta = c.Prepara("INSERT INTO TMPF0917PATRIM1 VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
  sqlite3_stmt* muestra =
      c.Prepara("SELECT * FROM TMPF0917PATRIM1 ORDER BY Des_informacion, tip_movimiento2, ind_moneda");
  sqlite3_stmt* cuenta =
      c.Prepara("SELECT count(*) FROM TMPF0917PATRIM1 WHERE TIP_INFORMACION='01' AND TIP_MOVIMIENTO1='01'");
  auto texto = [](sqlite3_stmt* s, int col) {
    const unsigned char* t = sqlite3_column_text(s, col);
    return std::string(t != nullptr ? reinterpret_cast<const char*>(t) : "");
  };
  auto busca = [&](const char* grupo, const std::string& argumento, int largo) {
    sqlite3_bind_text(nombre, 1, grupo, -1, SQLITE_STATIC);
    sqlite3_bind_text(nombre, 2, argumento.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(nombre, 3, largo);
    std::string d = sqlite3_step(nombre) == SQLITE_ROW ? texto(nombre, 1) : "";
    sqlite3_reset(nombre);
    return d;
  };
  for (auto _ : state) {
    sqlite3_exec(c.Db, "BEGIN", nullptr, nullptr, nullptr);
    Crudo::Corre(vacia);
    while (sqlite3_step(lee) == SQLITE_ROW) {
      const std::string tipo = texto(lee, 2), moneda = texto(lee, 3);
      const std::string valores[] = {texto(lee, 0),
                                     texto(lee, 1),
                                     tipo,
                                     moneda,
                                     busca("884", "0101" + tipo, 60),
                                     texto(lee, 4),
                                     busca("883", moneda, 35),
                                     texto(lee, 5),
                                     texto(lee, 6),
                                     texto(lee, 7),
                                     texto(lee, 8)};
      for (int k = 0; k < 11; ++k) sqlite3_bind_text(inserta, k + 1, valores[k].c_str(), -1, SQLITE_TRANSIENT);
      if (sqlite3_step(inserta) != SQLITE_DONE) std::abort();
      sqlite3_reset(inserta);
    }
    sqlite3_reset(lee);
    sqlite3_exec(c.Db, "COMMIT", nullptr, nullptr, nullptr);
    Crudo::Corre(muestra);
    Crudo::Corre(cuenta);
  }
}

BENCHMARK(GrabaPatrimonial)->Unit(benchmark::kMillisecond);
BENCHMARK(GrabaPatrimonialCrudo)->Unit(benchmark::kMillisecond);
BENCHMARK(ListaAdicional)->Unit(benchmark::kMillisecond);
BENCHMARK(ListaAdicionalCrudo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto tiempo = [&](const char* nombre) {
    auto t = reporter.Times.find(nombre);
    return t == reporter.Times.end() ? std::string("n/a") : kr::bench::Fixed(t->second, 2);
  };
  std::printf("Storing %d schedule rows inside a save (Graba_Patrimonial): %s ms  ratio layer/raw: %s\n",
              kFilasGrabadas, tiempo("GrabaPatrimonial").c_str(),
              kr::bench::Ratio(reporter, "GrabaPatrimonial", "GrabaPatrimonialCrudo").c_str());
  std::printf("Loading a %d-row subsection in the schedule list window: %s ms  ratio layer/raw: %s\n", kFilasLista,
              tiempo("ListaAdicional").c_str(),
              kr::bench::Ratio(reporter, "ListaAdicional", "ListaAdicionalCrudo").c_str());
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaInstalacion().Carpeta, ec);
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
