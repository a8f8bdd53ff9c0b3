//===- Statistics.h - What the query planner knows of the tables (internal) -===//
//
// A database keeps SQLite's statistics of its tables (sqlite_stat1), as
// Jet's engine keeps its own. With them the planner answers a read that
// names only the later columns of a key by that key, skipping over the few
// values of its first column, instead of reading the whole table; without
// them it must read the table.
//
// A connection brings them up to date as it closes, as SQLite advises for
// long-lived connections: a table that holds rows and has none gets them,
// one whose largest rowid (a bound of its rows) is ten times the rows
// measured is measured again, and PRAGMA optimize does what else SQLite
// finds worth doing. A table is measured on a sample of its rows, so this
// costs milliseconds whatever its size. A connection that may not write, is inside
// a transaction, or finds the file locked by another program leaves the
// statistics as they are: reads are then only slower, never wrong.
//
//===----------------------------------------------------------------------===//
#pragma once

namespace dao::detail {

class Connection;

/// Brings the statistics of the file's tables up to date; never fails.
void KeepStatistics(Connection& c) noexcept;

}  // namespace dao::detail
