#include "bench/Crudo.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>

#include "platform/db/JetFunctions.h"

namespace kr::bench {
namespace {

// The tables that grow with the office: reading one whole is what the floors must not do.
constexpr std::string_view kCompartidas[] = {"CAB",         "DET",          "HCAB",  "HDET",
                                             "F0917PATRIM", "HF0917PATRIM", "SPOOL", "CONT"};

// Whether a plan's step reads a whole shared table: "SCAN DET", or, when
// `ordenada` is not allowed, "SCAN SPOOL USING INDEX ..." too.
bool LeeEntera(std::string_view paso, bool ordenada) {
  if (!paso.starts_with("SCAN ")) return false;
  std::string_view resto = paso.substr(5);
  const std::size_t fin = resto.find(' ');
  const std::string_view tabla = resto.substr(0, fin);
  for (std::string_view t : kCompartidas) {
    if (t.size() == tabla.size() && ::strncasecmp(t.data(), tabla.data(), t.size()) == 0) {
      return !(ordenada && fin != std::string_view::npos && resto.substr(fin).find(" USING ") == 0);
    }
  }
  return false;
}

}  // namespace

Crudo::Crudo(const std::string& ruta) {
  if (sqlite3_open_v2(ruta.c_str(), &Db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) Falla(ruta);
  dao::detail::RegisterJetFunctions(Db_);
}

Crudo::~Crudo() {
  for (sqlite3_stmt* s : Sentencias_) sqlite3_finalize(s);
  sqlite3_close(Db_);
}

void Crudo::Falla(std::string_view que) const {
  std::fprintf(stderr, "floor: %.*s: %s\n", static_cast<int>(que.size()), que.data(),
               Db_ != nullptr ? sqlite3_errmsg(Db_) : "");
  std::abort();
}

sqlite3_stmt* Crudo::Prepara(const std::string& sql, bool ordenada) {
  sqlite3_stmt* plan = nullptr;
  if (sqlite3_prepare_v2(Db_, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &plan, nullptr) != SQLITE_OK) Falla(sql);
  while (sqlite3_step(plan) == SQLITE_ROW) {
    const std::string paso = Texto(plan, 3);
    if (LeeEntera(paso, ordenada)) Falla(sql + " reads a whole table (" + paso + ")");
  }
  sqlite3_finalize(plan);
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(Db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Falla(sql);
  Sentencias_.push_back(stmt);
  return stmt;
}

void Crudo::Exec(const std::string& sql) {
  if (sqlite3_exec(Db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Falla(sql);
}

void Crudo::TablaTemporal(std::string_view tabla) {
  sqlite3_stmt* stmt = nullptr;
  const std::string pide = "SELECT sql FROM main.sqlite_schema WHERE type='table' AND name=?1";
  if (sqlite3_prepare_v2(Db_, pide.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Falla(pide);
  sqlite3_bind_text(stmt, 1, tabla.data(), static_cast<int>(tabla.size()), SQLITE_STATIC);
  if (sqlite3_step(stmt) != SQLITE_ROW) Falla("no table " + std::string(tabla));
  std::string sql = Texto(stmt, 0);
  sqlite3_finalize(stmt);
  constexpr std::string_view kCrea = "CREATE TABLE ";
  if (!sql.starts_with(kCrea)) Falla(sql);
  sql = "CREATE TEMP TABLE " + sql.substr(kCrea.size());
  Exec("DROP TABLE IF EXISTS temp." + std::string(tabla));
  Exec(sql);
}

void Crudo::Clave(sqlite3_stmt* stmt, std::string_view ruc, std::string_view periodo, std::string_view formulario,
                  int semana) {
  const int n = sqlite3_bind_parameter_count(stmt);
  const std::string_view textos[] = {ruc, periodo, formulario};
  for (int i = 0; i < 3 && i < n; ++i) {
    sqlite3_bind_text(stmt, i + 1, textos[i].data(), static_cast<int>(textos[i].size()), SQLITE_TRANSIENT);
  }
  if (n >= 4) sqlite3_bind_int(stmt, 4, semana);
}

std::size_t Crudo::Lee(sqlite3_stmt* stmt) {
  std::size_t total = 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      sqlite3_column_text(stmt, c);
      total += static_cast<std::size_t>(sqlite3_column_bytes(stmt, c));
    }
  }
  if (rc != SQLITE_DONE) {
    std::fprintf(stderr, "floor: %s: %s\n", sqlite3_sql(stmt), sqlite3_errmsg(sqlite3_db_handle(stmt)));
    std::abort();
  }
  sqlite3_reset(stmt);
  return total;
}

void Crudo::Corre(sqlite3_stmt* stmt) {
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    std::fprintf(stderr, "floor: %s: %s\n", sqlite3_sql(stmt), sqlite3_errmsg(sqlite3_db_handle(stmt)));
    std::abort();
  }
  sqlite3_reset(stmt);
}

std::string Crudo::Texto(sqlite3_stmt* stmt, int c) {
  const unsigned char* t = sqlite3_column_text(stmt, c);
  return t != nullptr
             ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(stmt, c)))
             : std::string();
}

}  // namespace kr::bench
