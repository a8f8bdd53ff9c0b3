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
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "bench/BenchReport.h"
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
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/text/Variant.h"
#include "return/DisenoCasillas.h"
#include "return/Frm0917.h"
#include "return/Registro.h"

namespace {

namespace fs = std::filesystem;

constexpr char kRuc[] = "10076543211";
constexpr char kClave[] = " WHERE DOC_ID_D='10076543211' AND PERIODO='2002' AND FORMULARIO='0917'";

std::string Tres(int n) {
  std::string t = std::to_string(n);
  return std::string(3 - t.size(), '0') + t;
}

// A return with every box filled: the box list, then the boxes the save writes apart.
std::vector<std::pair<std::string, std::string>> Casillas() {
  std::vector<std::pair<std::string, std::string>> filas;
  for (std::int16_t n : app::kListaCasillas) {
    const bool texto = (n >= 208 && n <= 211) || (n >= 215 && n <= 219) || n == 229 || n == 230 || n == 236 ||
                       n == 302 || n >= 801;
    filas.emplace_back(Tres(n), texto ? "10098765439" : n == 140 ? "1" : std::to_string(1000 + n));
  }
  const std::pair<const char*, const char*> aparte[] = {
      {"015", "02"},  {"012", "12345"}, {"599", "C"},   {"002", kRuc},    {"007", "2002"}, {"721", "1.0"},
      {"028", "4567890"}, {"896", "0"}, {"897", "0"},   {"898", "0"},     {"899", "0"},    {"811", "LOPEZ"},
      {"812", "RUIZ"}, {"813", "ANA"},  {"814", "DIAZ"}, {"815", "SOTO"},  {"890", "EVA"},  {"204", "6"},
      {"205", "1"},   {"206", "6"},     {"224", "6"},   {"225", "1"},     {"226", "6"},    {"227", "1"},
      {"301", "1"},   {"235", "1"},     {"025", "17"},  {"234", "15/08/1970"}, {"598", "1500"},
      {"871", "1"},   {"005", "1"},     {"260", "1"},   {"027", "1"},
  };
  for (const auto& [casilla, valor] : aparte) filas.emplace_back(casilla, valor);
  for (int n = 817; n <= 825; ++n) {
    filas.emplace_back(Tres(n), "APELLIDOS Y NOM");
    filas.emplace_back(Tres(n + 10), "BRES DEL TITULA");
  }
  return filas;
}

// One row as the save writes it, to be written again by the floor.
struct Fila {
  std::vector<std::string> Valores;
};

struct Instalacion {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  std::string CopiaCruda;
  std::vector<Fila> Det, Patrim;

  Instalacion() {
    std::string pattern = (fs::temp_directory_path() / "kr-bench-grabar-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Carpeta = pattern;
    Layout = dexlora::CreateSampleInstallation(Carpeta + "/sample");
    ::setenv("WINDIR", Layout.WindowsFolder.c_str(), 1);
    installer::ReiniciaCompartidas();
    if (installer::Ejecuta() != 0) std::abort();
    installer::ReiniciaCompartidas();

    app::Compartidas& g = app::G();
    const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
    g.Motor.SetSystemDB(Layout.Workgroup);
    g.Motor.SetDefaultUser(cuenta.Usuario);
    g.Motor.SetDefaultPassword(cuenta.Clave);
    g.Periodo = "2002";
    g.Validador = std::make_unique<app::cValidador>();
    forms::Default<app::MDIFrm>().Show();
    app::RegistraFrm0917();

    const std::string clave = "6," + dao::Quote(kRuc) + ",'2002','0917',0";
    g.BaseDatos->Execute("INSERT INTO CAB VALUES (" + clave + ",'20/03/2003','02','12345','1500',' ','1',0,'000000')",
                         dao::dbFailOnError);
    for (const auto& [casilla, valor] : Casillas()) {
      g.BaseDatos->Execute("INSERT INTO DET VALUES (" + clave + "," + dao::Quote(casilla) + "," + dao::Quote(valor) +
                               ",'01',0,'000000')",
                           dao::dbFailOnError);
    }
    for (int i = 0; i < 10; ++i) {
      g.BaseDatos->Execute("INSERT INTO F0917PATRIM VALUES (6," + dao::Quote(kRuc) + ",'2002','0917'," +
                               dao::Quote("0" + std::to_string(1 + i % 4)) + ",'01','01'," +
                               dao::Quote("00" + std::to_string(1 + i / 4)) + ",'CUENTA','1000','2000','1','000000')",
                           dao::dbFailOnError);
    }
    // One save, so that the floor writes exactly the rows the form writes.
    app::Frm0917& f = Abre();
    f.GrabarForm();
    Det = Lee("SELECT * FROM DET" + std::string(kClave));
    Patrim = Lee("SELECT * FROM F0917PATRIM" + std::string(kClave));
    CopiaCruda = Carpeta + "/raw.db";
    fs::copy_file(Layout.Database, CopiaCruda);
  }

  static std::vector<Fila> Lee(const std::string& sql) {
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

  // The saved return open in the form (modeless), as the saved-returns list opens it.
  static app::Frm0917& Abre() {
    app::Compartidas& g = app::G();
    g.Modo = 2;
    g.ModoRegistro = false;
    g.RucDeclarante = kRuc;
    g.Periodo = "2002";
    forms::Application& a = forms::Application::Current();
    if (a.HasInstance<app::Frm0917>()) a.Release<app::Frm0917>();
    app::Frm0917& f = a.Instance<app::Frm0917>();
    f.Show();
    return f;
  }
};

Instalacion& LaInstalacion() {
  static Instalacion instalacion;
  return instalacion;
}

void Grabar(benchmark::State& state) {
  LaInstalacion();
  app::Frm0917& f = Instalacion::Abre();
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
    if (sqlite3_open(LaInstalacion().CopiaCruda.c_str(), &Db) != SQLITE_OK) std::abort();
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
    const Instalacion& i = LaInstalacion();
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
              LaInstalacion().Det.size(), LaInstalacion().Patrim.size(),
              grabar == reporter.Times.end() ? "n/a" : kr::bench::Fixed(grabar->second, 2).c_str(),
              kr::bench::Ratio(reporter, "Grabar", "GrabarCrudo").c_str());
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  std::error_code ec;
  fs::remove_all(LaInstalacion().Carpeta, ec);
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
