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

// The texts of the first column; a value that is no text is no name.
std::vector<std::string> Column(Connection& c, const std::string& sql) {
  std::vector<std::string> values;
  sqlite3_stmt* stmt = c.Prepared(sql);
  StatementUse use(stmt);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    if (sqlite3_column_type(stmt, 0) != SQLITE_TEXT) continue;
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

// The rows each table was measured with, by its name in upper case. Any
// program may write sqlite_stat1: a row whose name is no text, or whose
// count is no positive number, counts for no table.
std::map<std::string, std::int64_t> Measured(Connection& c) {
  std::map<std::string, std::int64_t> measured;
  if (Column(c, "SELECT name FROM main.sqlite_schema WHERE type='table' AND name='sqlite_stat1'").empty()) {
    return measured;
  }
  sqlite3_stmt* stmt = c.Prepared(
      "SELECT upper(tbl), max(CAST(stat AS INTEGER)) FROM main.sqlite_stat1 "
      "WHERE typeof(tbl)='text' AND typeof(stat)='text' GROUP BY upper(tbl)");
  StatementUse use(stmt);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    const std::int64_t rows = sqlite3_column_int64(stmt, 1);
    if (rows > 0) measured.emplace(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), rows);
  }
  if (rc != SQLITE_DONE) c.Fail(rc, Phase::Read);
  return measured;
}

// The file's tables to measure: those that hold rows and were never
// measured, and those that may have grown to many times the rows measured.
std::vector<std::string> ToMeasure(Connection& c) {
  const std::map<std::string, std::int64_t> measured = Measured(c);
  std::vector<std::string> tables;
  for (std::string& table :
       Column(c, "SELECT name FROM main.sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")) {
    std::string upper = table;
    for (char& ch : upper) ch = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
    auto m = measured.find(upper);
    // Divided rather than multiplied: a count written by another program may be near the largest number.
    const bool grew = m != measured.end() && LargestRowid(c, table) / kGrowth >= m->second;
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
  } catch (...) {
    // Whatever went wrong, the statistics stay as they are and the program goes on.
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  }
}

}  // namespace dao::detail
