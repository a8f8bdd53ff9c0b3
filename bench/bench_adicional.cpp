//===- bench_adicional.cpp - The schedules: stored with a save, listed ----===//
//
// KR917 headless on the sample installation after LUD917's run, over an
// office's database of 1,000, 10,000 and 100,000 other returns (each with
// its 4 schedule rows), with a saved return open in the return form:
// - Graba_Patrimonial of 200 work rows inside the save's transaction: the
//   return's stored rows deleted and the work rows added with their control
//   codes. The floor is raw prepared SQLite doing the same count, delete
//   (by the return's primary key), read and inserts in one transaction on
//   the same database, with a TEMP work table of its own as KR917's is.
// - The schedule list window opened on a subsection of 2,000 work rows (its
//   copy with the type and currency names looked up row by row, the grid's
//   rows read, the count) and every cell of its grid read as the screen
//   reads it. The floor is raw prepared SQLite doing the same delete, read,
//   name look-ups (PARAM by its key), inserts in one transaction, the
//   ordered read of the same columns and the count, on TEMP work tables.
// The last lines give the times and the ratios.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "bench/BenchReport.h"
#include "bench/Crudo.h"
#include "bench/Oficina.h"
#include "bench/Sesion.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/DataGrid.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"
#include "schedules/FrmAdicionalCab.h"

namespace {

using kr::bench::Crudo;

constexpr char kRuc[] = "10076543211";
constexpr int kFilasGrabadas = 200;
constexpr int kFilasLista = 2000;

std::string Tres(int n) {
  std::string t = std::to_string(n);
  return std::string(3 - t.size(), '0') + t;
}

// Work row `i` of the 200 the save stores: every kind, 50 currencies each.
std::string FilaGrabada(int i) {
  return "('0" + std::to_string(1 + i % 4) + "','01','01'," + dao::Quote(Tres(1 + i / 4)) + ",'','','1000','2000','1')";
}

// Work row `i` of the bank-account subsection listed: 6 types, 334 currencies.
std::string FilaLista(int i) {
  return "('01','01'," + dao::Quote("0" + std::to_string(1 + i % 6)) + "," + dao::Quote(Tres(1 + i / 6)) +
         ",'','','','12500','2')";
}

// The return form's instance: its members are the procedures measured.
app::Frm0917& Frm() { return forms::Application::Current().Instance<app::Frm0917>(); }

// The program's work table holds `n` rows made by `fila`.
void Llena(int n, std::string (*fila)(int)) {
  app::Compartidas& g = app::G();
  dao::Atomically(g.Motor.Workspaces(0), [&] {
    g.BaseDatos->Execute("DELETE * FROM TMPF0917PATRIM");
    for (int i = 0; i < n; ++i) g.BaseDatos->Execute("INSERT INTO TMPF0917PATRIM VALUES " + fila(i));
  });
}

struct Instalacion {
  kr::bench::Muestra Sitio = kr::bench::InstalaMuestra("adicional");
  int Oficina = -1;
  std::vector<std::vector<std::string>> Patrim;  // the stored rows, as the save writes them

  void Pon(int oficina) {
    if (!kr::bench::ArrancaEnOficina(Sitio, Oficina, oficina)) return;
    app::Compartidas& g = app::G();
    g.Modo = 2;
    g.ModoRegistro = false;
    g.RucDeclarante = kRuc;
    g.ClaveAdicional = "0101*";
    if (!Patrim.empty()) return;
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
  }
};

Instalacion& LaInstalacion(int oficina) {
  static Instalacion instalacion;
  instalacion.Pon(oficina);
  return instalacion;
}

int Oficina(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void GrabaPatrimonial(benchmark::State& state) {
  LaInstalacion(Oficina(state));
  Llena(kFilasGrabadas, FilaGrabada);
  app::Compartidas& g = app::G();
  for (auto _ : state) {
    dao::Atomically(
        g.Motor.Workspaces(0), [] { Frm().Graba_Patrimonial(); }, dao::kWriteLock);
  }
}

// Every cell of the list's grid as the screen shows it; answers its letters.
std::size_t LeeCeldas(const forms::DataGrid& grid) {
  std::size_t letras = 0;
  for (long r = 0; grid.HasRow(r); ++r) {
    for (int c = 0; c < grid.ColumnCount(); ++c) {
      if (grid.Columns(c).Visible()) letras += grid.CellText(r, c).size();
    }
  }
  return letras;
}

void ListaAdicional(benchmark::State& state) {
  LaInstalacion(Oficina(state));
  Llena(kFilasLista, FilaLista);
  forms::Application& a = forms::Application::Current();
  std::size_t letras = 0;
  for (auto _ : state) {
    app::FrmAdicionalCab& f = a.Instance<app::FrmAdicionalCab>();
    forms::Load(f);
    if (f.GrdAdicional.RowCount() != kFilasLista) {
      state.SkipWithError("the list does not hold the subsection");
      break;
    }
    letras += LeeCeldas(f.GrdAdicional);
    forms::Unload(f);
    a.Release<app::FrmAdicionalCab>();
    state.PauseTiming();
    kr::bench::SiguienteAccion();
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(letras);
}

// The fields of the columns the list's grid shows.
std::vector<std::string> CamposVisibles() {
  static const std::vector<std::string> campos = [] {
    forms::Application& a = forms::Application::Current();
    app::FrmAdicionalCab& f = a.Instance<app::FrmAdicionalCab>();
    forms::Load(f);
    std::vector<std::string> visibles;
    for (int c = 0; c < f.GrdAdicional.ColumnCount(); ++c) {
      if (f.GrdAdicional.Columns(c).Visible()) visibles.push_back(f.GrdAdicional.Columns(c).DataField());
    }
    forms::Unload(f);
    a.Release<app::FrmAdicionalCab>();
    return visibles;
  }();
  return campos;
}

// An amount as the grid shows it, "12,500", "(1,250)" when negative, done
// the cheapest way: the floor must show what the list shows.
std::string Agrupa(const std::string& monto) {
  const bool negativo = !monto.empty() && monto[0] == '-';
  const std::string digitos = negativo ? monto.substr(1) : monto;
  std::string texto;
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) texto += ',';
    texto += digitos[i];
  }
  return negativo ? "(" + texto + ")" : texto;
}

// Raw prepared SQLite on the same database, with its own TEMP work tables.
struct Piso {
  Crudo Base;

  explicit Piso(const std::string& ruta) : Base(ruta) {
    Base.TablaTemporal("TMPF0917PATRIM");
    Base.TablaTemporal("TMPF0917PATRIM1");
  }
  void Llena(int n, std::string (*fila)(int)) {
    Base.Exec("BEGIN");
    for (int i = 0; i < n; ++i) Base.Exec("INSERT INTO TMPF0917PATRIM VALUES " + fila(i));
    Base.Exec("COMMIT");
  }
};

void GrabaPatrimonialCrudo(benchmark::State& state) {
  const Instalacion& instalacion = LaInstalacion(Oficina(state));
  Piso c(instalacion.Sitio.Layout.Database);
  c.Llena(kFilasGrabadas, FilaGrabada);
  sqlite3_stmt* cuenta = c.Base.Prepara("SELECT count(*) FROM TMPF0917PATRIM");
  sqlite3_stmt* borra = c.Base.Prepara(std::string("DELETE FROM F0917PATRIM") + kr::bench::kPorClaveAnexo);
  sqlite3_stmt* lee = c.Base.Prepara("SELECT * FROM TMPF0917PATRIM");
  sqlite3_stmt* inserta = c.Base.Prepara("INSERT INTO F0917PATRIM VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13)");
  const auto& filas = instalacion.Patrim;
  for (auto _ : state) {
    Crudo::Clave(borra, kRuc);
    c.Base.Exec("BEGIN IMMEDIATE");
    Crudo::Lee(cuenta);
    Crudo::Corre(borra);
    Crudo::Lee(lee);
    for (const auto& fila : filas) {
      for (std::size_t k = 0; k < fila.size(); ++k) {
        sqlite3_bind_text(inserta, static_cast<int>(k + 1), fila[k].c_str(), -1, SQLITE_STATIC);
      }
      Crudo::Corre(inserta);
    }
    c.Base.Exec("COMMIT");
  }
}

void ListaAdicionalCruda(benchmark::State& state) {
  LaInstalacion(Oficina(state));
  std::string columnas;
  std::vector<bool> montos;
  for (const std::string& campo : CamposVisibles()) {
    columnas += (columnas.empty() ? "" : ", ") + campo;
    montos.push_back(campo.starts_with("mto_") || campo == "ctd_movimiento");
  }
  Piso c(LaInstalacion(Oficina(state)).Sitio.Layout.Database);
  c.Llena(kFilasLista, FilaLista);
  sqlite3_stmt* vacia = c.Base.Prepara("DELETE FROM TMPF0917PATRIM1");
  sqlite3_stmt* lee = c.Base.Prepara(
      "SELECT * FROM TMPF0917PATRIM WHERE tip_informacion=substr('0101*',1,2) AND tip_movimiento1=substr('0101*',3,2)");
  sqlite3_stmt* nombre = c.Base.Prepara("SELECT substr(Funcion,1,?3) FROM PARAM WHERE Numero=?1 AND Argumento=?2");
  sqlite3_stmt* inserta = c.Base.Prepara("INSERT INTO TMPF0917PATRIM1 VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
  sqlite3_stmt* muestra = c.Base.Prepara("SELECT " + columnas +
                                         " FROM TMPF0917PATRIM1 ORDER BY Des_informacion, tip_movimiento2, ind_moneda");
  sqlite3_stmt* cuenta =
      c.Base.Prepara("SELECT count(*) FROM TMPF0917PATRIM1 WHERE TIP_INFORMACION='01' AND TIP_MOVIMIENTO1='01'");
  auto busca = [&](const char* grupo, const std::string& argumento, int largo) {
    sqlite3_bind_text(nombre, 1, grupo, -1, SQLITE_STATIC);
    sqlite3_bind_text(nombre, 2, argumento.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(nombre, 3, largo);
    std::string d = sqlite3_step(nombre) == SQLITE_ROW ? Crudo::Texto(nombre, 0) : "";
    sqlite3_reset(nombre);
    return d;
  };
  std::size_t letras = 0;
  for (auto _ : state) {
    c.Base.Exec("BEGIN");
    Crudo::Corre(vacia);
    while (sqlite3_step(lee) == SQLITE_ROW) {
      const std::string tipo = Crudo::Texto(lee, 2), moneda = Crudo::Texto(lee, 3);
      const std::string valores[] = {Crudo::Texto(lee, 0),
                                     Crudo::Texto(lee, 1),
                                     tipo,
                                     moneda,
                                     busca("884", "0101" + tipo, 60),
                                     Crudo::Texto(lee, 4),
                                     busca("883", moneda, 35),
                                     Crudo::Texto(lee, 5),
                                     Crudo::Texto(lee, 6),
                                     Crudo::Texto(lee, 7),
                                     Crudo::Texto(lee, 8)};
      for (int k = 0; k < 11; ++k) sqlite3_bind_text(inserta, k + 1, valores[k].c_str(), -1, SQLITE_TRANSIENT);
      Crudo::Corre(inserta);
    }
    sqlite3_reset(lee);
    c.Base.Exec("COMMIT");
    while (sqlite3_step(muestra) == SQLITE_ROW) {
      for (int k = 0; k < sqlite3_column_count(muestra); ++k) {
        const std::string texto = Crudo::Texto(muestra, k);
        letras += montos[static_cast<std::size_t>(k)] ? Agrupa(texto).size() : texto.size();
      }
    }
    sqlite3_reset(muestra);
    Crudo::Lee(cuenta);
  }
  benchmark::DoNotOptimize(letras);
}

}  // namespace

int main(int argc, char** argv) {
  for (int n : kr::bench::kOficinas) {
    struct Medida {
      const char* Nombre;
      void (*Funcion)(benchmark::State&);
    };
    for (const Medida& m :
         {Medida{"GrabaPatrimonial", GrabaPatrimonial}, Medida{"GrabaPatrimonialCrudo", GrabaPatrimonialCrudo},
          Medida{"ListaAdicional", ListaAdicional}, Medida{"ListaAdicionalCruda", ListaAdicionalCruda}}) {
      benchmark::RegisterBenchmark(m.Nombre, m.Funcion)->Arg(n)->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  std::FILE* nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd frente(nada != nullptr ? nada : stderr);
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  kr::bench::PrintScale(reporter, "200 schedule rows stored inside a save", "GrabaPatrimonial", "GrabaPatrimonialCrudo",
                        kr::bench::kOficinas);
  for (int n : kr::bench::kOficinas) {
    kr::bench::PrintTime(reporter, "2000-row schedule list opened, every cell read", "ListaAdicional", n);
    kr::bench::PrintTime(reporter, "2000-row schedule list read raw", "ListaAdicionalCruda", n);
  }
  for (int n : kr::bench::kOficinas) {
    const std::string at = "/" + std::to_string(n);
    kr::bench::PrintRatio(reporter, "2000-row schedule list, every cell read / the same rows read raw", n,
                          "ListaAdicional" + at, "ListaAdicionalCruda" + at);
  }
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  if (nada != nullptr) std::fclose(nada);
  return 0;
}
