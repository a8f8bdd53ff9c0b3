//===- bench_db.cpp - The database layer against raw prepared SQLite -------===//
//
// 10,000 row inserts (AddNew/Update inside a transaction) and 10,000 keyed
// reads (OpenRecordset of a SELECT by key, three field reads, Close) through
// the layer, and the same work on raw prepared SQLite statements over the
// very table the layer defines (its JET collation and its checks, with the
// layer's functions registered), so the ratio is what the layer adds. The
// last lines give the ratios.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchReport.h"
#include "bench/CarpetaTemporal.h"
#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Quote.h"

namespace {

constexpr int kRows = 10000;

struct Key {
  std::string Doc;
  std::string Box;
};

// `n` with leading zeros to `width` digits.
std::string Digits(int n, std::size_t width) {
  std::string text = std::to_string(n);
  return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

// Row i's key: 10 declarants of 1,000 boxes.
Key KeyOf(int i) { return {"201000000" + Digits(i / 1000, 2), Digits(i % 1000, 3)}; }

const std::string& Folder() {
  static const kr::bench::CarpetaTemporal folder("db");
  return folder.Ruta();
}

const char* const kLayerTable =
    "CREATE TABLE DET (Doc_id_d Text(15), Casilla Text(3), i_valor Text(20), estado Byte, cNumero Text(6))";
const char* const kLayerKey = "ALTER TABLE DET ADD CONSTRAINT PK_DET PRIMARY KEY (Doc_id_d, Casilla)";
// The statements that define DET in a database the layer made.
std::vector<std::string> TableAsTheLayerDefinesIt() {
  const std::string path = Folder() + "/schema.mdb";
  {
    dao::DBEngine engine;
    auto db = engine.Workspaces(0).CreateDatabase(path);
    db->Execute(kLayerTable);
    db->Execute(kLayerKey);
  }
  std::vector<std::string> sql;
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_schema WHERE tbl_name = 'DET' AND sql IS NOT NULL ORDER BY rowid", -1,
                     &stmt, nullptr);
  while (sqlite3_step(stmt) == SQLITE_ROW) sql.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  std::filesystem::remove(path);
  return sql;
}

struct Layer {
  dao::DBEngine Engine;
  std::shared_ptr<dao::Database> Db;
  Layer() {
    const std::string path = Folder() + "/layer.mdb";
    std::filesystem::remove(path);
    Db = Engine.Workspaces(0).CreateDatabase(path);
    Db->Execute(kLayerTable);
    Db->Execute(kLayerKey);
  }
  void Insert() {
    dao::Workspace& ws = Engine.Workspaces(0);
    ws.BeginTrans();
    auto rs = Db->OpenRecordset("DET", dao::dbOpenTable);
    for (int i = 0; i < kRows; ++i) {
      Key k = KeyOf(i);
      rs->AddNew();
      rs->Fields("Doc_id_d").SetValue(k.Doc);
      rs->Fields("Casilla").SetValue(k.Box);
      rs->Fields("i_valor").SetValue("1500");
      rs->Fields("estado").SetValue(0);
      rs->Fields("cNumero").SetValue("123456");
      rs->Update();
    }
    rs->Close();
    ws.CommitTrans();
  }
};

struct Raw {
  sqlite3* Db = nullptr;
  Raw() {
    const std::string path = Folder() + "/raw.db";
    std::filesystem::remove(path);
    sqlite3_open(path.c_str(), &Db);
    dao::detail::RegisterJetFunctions(Db);
    for (const std::string& sql : TableAsTheLayerDefinesIt()) {
      if (sqlite3_exec(Db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
    }
  }
  ~Raw() { sqlite3_close(Db); }
  void Insert() {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(Db, "INSERT INTO DET VALUES (?1, ?2, ?3, ?4, ?5)", -1, &stmt, nullptr);
    sqlite3_exec(Db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; i < kRows; ++i) {
      Key k = KeyOf(i);
      sqlite3_bind_text(stmt, 1, k.Doc.c_str(), static_cast<int>(k.Doc.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(stmt, 2, k.Box.c_str(), static_cast<int>(k.Box.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(stmt, 3, "1500", 4, SQLITE_STATIC);
      sqlite3_bind_int(stmt, 4, 0);
      sqlite3_bind_text(stmt, 5, "123456", 6, SQLITE_STATIC);
      if (sqlite3_step(stmt) != SQLITE_DONE) std::abort();
      sqlite3_reset(stmt);
    }
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(stmt);
  }
};

void LayerInserts(benchmark::State& state) {
  Layer layer;
  for (auto _ : state) {
    state.PauseTiming();
    layer.Db->Execute("DELETE FROM DET");
    state.ResumeTiming();
    layer.Insert();
  }
}

void RawInserts(benchmark::State& state) {
  Raw raw;
  for (auto _ : state) {
    state.PauseTiming();
    sqlite3_exec(raw.Db, "DELETE FROM DET", nullptr, nullptr, nullptr);
    state.ResumeTiming();
    raw.Insert();
  }
}

void LayerKeyedReads(benchmark::State& state) {
  Layer layer;
  layer.Insert();
  std::size_t total = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRows; ++i) {
      Key k = KeyOf((i * 7919) % kRows);
      auto rs = layer.Db->OpenRecordset(
          "SELECT * FROM DET WHERE Doc_id_d=" + dao::Quote(k.Doc) + " AND Casilla=" + dao::Quote(k.Box),
          dao::dbOpenSnapshot);
      vb::Variant value = rs->Fields("i_valor").Value();
      vb::Variant state_ = rs->Fields("estado").Value();
      vb::Variant code = rs->Fields("cNumero").Value();
      total += value.StringValue().size() + code.StringValue().size() + static_cast<std::size_t>(state_.NumberValue());
      rs->Close();
    }
  }
  benchmark::DoNotOptimize(total);
}

void RawKeyedReads(benchmark::State& state) {
  Raw raw;
  raw.Insert();
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(raw.Db, "SELECT * FROM DET WHERE Doc_id_d=?1 AND Casilla=?2", -1, &stmt, nullptr);
  std::size_t total = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRows; ++i) {
      Key k = KeyOf((i * 7919) % kRows);
      sqlite3_bind_text(stmt, 1, k.Doc.c_str(), static_cast<int>(k.Doc.size()), SQLITE_STATIC);
      sqlite3_bind_text(stmt, 2, k.Box.c_str(), static_cast<int>(k.Box.size()), SQLITE_STATIC);
      if (sqlite3_step(stmt) != SQLITE_ROW) std::abort();
      std::string value(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
      int estado = sqlite3_column_int(stmt, 3);
      std::string code(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 4)));
      total += value.size() + code.size() + static_cast<std::size_t>(estado);
      sqlite3_reset(stmt);
    }
  }
  sqlite3_finalize(stmt);
  benchmark::DoNotOptimize(total);
}

BENCHMARK(LayerInserts)->Unit(benchmark::kMillisecond);
BENCHMARK(RawInserts)->Unit(benchmark::kMillisecond);
BENCHMARK(LayerKeyedReads)->Unit(benchmark::kMillisecond);
BENCHMARK(RawKeyedReads)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto ratio = [&](const char* layer, const char* raw) { return kr::bench::Ratio(reporter, layer, raw); };
  std::printf("10,000 inserts (AddNew/Update in a transaction)  ratio layer/raw: %s\n",
              ratio("LayerInserts", "RawInserts").c_str());
  std::printf("10,000 keyed reads (OpenRecordset + 3 fields)     ratio layer/raw: %s\n",
              ratio("LayerKeyedReads", "RawKeyedReads").c_str());
  return 0;
}
