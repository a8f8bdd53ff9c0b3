//===- Query.h - Running Jet statements on a connection (internal) ---------===//
//
// RunQuery reads a SELECT's rows whole into memory and resets the statement
// before it returns: recordsets work on that copy, so they hold no statement
// and no lock. RunStatement runs one action or definition statement; SQLite
// undoes a statement that fails part-way, so a failure leaves no half of it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/text/Variant.h"

namespace dao::detail {

struct StoredRow {
  std::vector<vb::Variant> Values;
  std::int64_t Rowid = 0;
  bool Deleted = false;
};

struct QueryResult {
  std::shared_ptr<const ResultShape> Shape;
  std::vector<StoredRow> Rows;
};

/// The rows of a Jet SELECT; with `editable`, each row's rowid when it reads one table.
/// A statement other than SELECT is error 3219.
QueryResult RunQuery(Connection& c, std::string_view sql, bool editable);

/// Runs a Jet INSERT, UPDATE, DELETE or data definition statement; a SELECT is error 3065.
void RunStatement(Connection& c, std::string_view sql);

}  // namespace dao::detail
