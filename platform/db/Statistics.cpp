#include "platform/db/Statistics.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/SqlTranslator.h"
#include "platform/text/Error.h"

namespace dao::detail {
namespace {

// Rows looked at per index when a table is measured: enough to tell a key
// column of a few values from one of many, in milliseconds.
constexpr int kSampleRows = 1000;
// A table measured again once it may hold this many times the rows measured.
constexpr std::int64_t kGrowth = 10;

std::vector<std::string> Column(Connection& c, const std::string& sql) {
  std::vector<std::string> values;
  sqlite3_stmt* stmt = c.Prepared(sql);
  StatementUse use(stmt);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  }
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return values;
}

bool HasRows(Connection& c, const std::string& table) {
  sqlite3_stmt* stmt = c.Prepared("SELECT 1 FROM main." + QuoteName(table) + " LIMIT 1");
  StatementUse use(stmt);
  int rc = sqlite3_step(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return rc == SQLITE_ROW;
}

// The largest rowid of `table`, which bounds its count of rows; 0 when it
// has none (or no rowids).
std::int64_t LargestRowid(Connection& c, const std::string& table) {
  sqlite3_stmt* stmt = nullptr;
  const std::string sql = "SELECT max(_rowid_) FROM main." + QuoteName(table);
  std::int64_t largest = 0;
  if (sqlite3_prepare_v2(c.Db(), sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
    largest = sqlite3_column_int64(stmt, 0);
  }
  sqlite3_finalize(stmt);
  return largest;
}

// The file's tables to measure: those that hold rows and were never
// measured, and those that may have grown to many times the rows measured.
std::vector<std::string> ToMeasure(Connection& c) {
  std::map<std::string, std::int64_t> measured;
  if (!Column(c, "SELECT name FROM main.sqlite_schema WHERE type='table' AND name='sqlite_stat1'").empty()) {
    sqlite3_stmt* stmt = c.Prepared("SELECT tbl, max(CAST(stat AS INTEGER)) FROM main.sqlite_stat1 GROUP BY tbl");
    StatementUse use(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      measured[reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))] = sqlite3_column_int64(stmt, 1);
    }
  }
  std::vector<std::string> tables;
  for (std::string& table :
       Column(c, "SELECT name FROM main.sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")) {
    auto m = measured.find(table);
    const bool grew = m != measured.end() && LargestRowid(c, table) >= kGrowth * std::max<std::int64_t>(m->second, 1);
    if ((m == measured.end() && HasRows(c, table)) || grew) tables.push_back(std::move(table));
  }
  return tables;
}

}  // namespace

void KeepStatistics(Connection& c) noexcept {
  if (!c.IsOpen() || c.ReadOnly()) return;
  sqlite3* db = c.Db();
  if (!sqlite3_get_autocommit(db)) return;
  sqlite3_busy_timeout(db, 0);  // a program that holds the file is not waited for
  auto run = [db](const std::string& sql) { return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); };
  try {
    run("PRAGMA analysis_limit=" + std::to_string(kSampleRows));
    const std::vector<std::string> tables = ToMeasure(c);
    if (!tables.empty()) {
      std::string sql = "BEGIN IMMEDIATE;";
      for (const std::string& table : tables) sql += " ANALYZE main." + QuoteName(table) + ";";
      if (run(sql + " COMMIT") != SQLITE_OK && !sqlite3_get_autocommit(db)) run("ROLLBACK");
    }
    run("PRAGMA optimize");
  } catch (const vb::Error&) {
    // The tables could not be listed: the statistics stay as they are.
  }
}

}  // namespace dao::detail
