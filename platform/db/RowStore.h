//===- RowStore.h - The rows a query has read, held compactly (internal) ---===//
//
// Each row is kept as SQLite gave it, one tagged value after another in
// large shared blocks: no allocation per row or per value. A value becomes a
// vb::Variant only when it is read, by its column's Jet type. Rows are
// numbered from 0 in the order they were read; reading one is O(columns).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text/Variant.h"

struct sqlite3_stmt;

namespace dao::detail {

class RowStore {
 public:
  RowStore() = default;
  ~RowStore();
  RowStore(const RowStore&) = delete;
  RowStore& operator=(const RowStore&) = delete;

  std::size_t Size() const { return Starts_.size(); }
  /// Keeps the statement's current row: the columns of Jet types `types`
  /// (a text column's number as its text) and, with `withRowid`, the rowid
  /// in the column after them.
  void Append(sqlite3_stmt* stmt, const std::vector<int>& types, bool withRowid);
  /// Column `column` of row `row` as a value of Jet type `type` (0: by what SQLite holds).
  vb::Variant Value(std::size_t row, int column, int type) const;
  bool IsNull(std::size_t row, int column) const;
  std::int64_t Rowid(std::size_t row) const { return Rowids_[row]; }

  /// The rows all stores hold now, for tests of what closing gives back.
  static std::size_t LiveRows();

 private:
  const unsigned char* Find(std::size_t row, int column) const;
  /// Takes the statement's current row into Scratch_; answers its stored size.
  std::size_t Measure(sqlite3_stmt* stmt, const std::vector<int>& types);
  /// Writes the row in Scratch_ at `p`.
  void Write(unsigned char* p) const;
  unsigned char* Reserve(std::size_t bytes);

  // A row's start: its block in the high half, its offset in the low half.
  std::vector<std::uint32_t> Starts_;
  std::vector<std::int64_t> Rowids_;
  std::vector<std::unique_ptr<unsigned char[]>> Blocks_;
  std::size_t Free_ = 0;
  struct Column {
    int Storage = 0;
    std::uint64_t Integer = 0;  // zigzagged
    double Real = 0;
    const unsigned char* Text = nullptr;
    std::size_t Bytes = 0;
  };
  std::vector<Column> Scratch_;
  unsigned char* Next_ = nullptr;
};

}  // namespace dao::detail
