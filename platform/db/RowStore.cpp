#include "platform/db/RowStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/db/Constants.h"
#include "platform/db/Values.h"
#include "platform/text/Error.h"

namespace dao::detail {
namespace {

// The first byte of a stored value: its kind, and for a short text its
// length and for a small whole number its value. Longer lengths and larger
// numbers follow as varints (numbers zigzagged), a real as its 8 bytes.
enum Tag : unsigned char {
  kNull = 0x00,
  kInteger = 0x01,
  kReal = 0x02,
  kWholeReal = 0x03,  // a real without decimals, stored as a whole number
  kText = 0x04,
  kSmallInteger = 0x40,  // | zigzagged value below 64
  kShortText = 0x80,     // | length below 128
};

constexpr std::size_t kBlockBytes = 64 * 1024;

std::size_t g_liveRows = 0;

std::size_t VarintSize(std::uint64_t v) {
  std::size_t n = 1;
  while (v >= 0x80) {
    v >>= 7;
    ++n;
  }
  return n;
}

unsigned char* PutVarint(unsigned char* p, std::uint64_t v) {
  while (v >= 0x80) {
    *p++ = static_cast<unsigned char>(v | 0x80);
    v >>= 7;
  }
  *p++ = static_cast<unsigned char>(v);
  return p;
}

const unsigned char* GetVarint(const unsigned char* p, std::uint64_t& v) {
  v = 0;
  for (int shift = 0;; shift += 7) {
    unsigned char b = *p++;
    v |= static_cast<std::uint64_t>(b & 0x7f) << shift;
    if ((b & 0x80) == 0) return p;
  }
}

std::uint64_t ZigZag(std::int64_t i) {
  return (static_cast<std::uint64_t>(i) << 1) ^ static_cast<std::uint64_t>(i >> 63);
}
std::int64_t UnZigZag(std::uint64_t u) { return static_cast<std::int64_t>(u >> 1) ^ -static_cast<std::int64_t>(u & 1); }

// Past the stored value at `p`.
const unsigned char* Skip(const unsigned char* p) {
  const unsigned char tag = *p++;
  if (tag & kShortText) return p + (tag & 0x7f);
  if (tag & kSmallInteger) return p;
  std::uint64_t v = 0;
  switch (tag) {
    case kInteger:
    case kWholeReal:
      return GetVarint(p, v);
    case kReal:
      return p + sizeof(double);
    case kText:
      p = GetVarint(p, v);
      return p + v;
    default:
      return p;
  }
}

// A real that a whole number holds exactly, and small enough to gain by it.
// The range is asked first: a real past it (or NaN) has no whole number to
// be cast to.
bool IsWhole(double d) { return d > -1e15 && d < 1e15 && d == static_cast<double>(static_cast<std::int64_t>(d)); }

// SQLite's storage class of a column, or text for a text column that holds a number.
int StorageOf(sqlite3_stmt* stmt, int column, int type) {
  const int storage = sqlite3_column_type(stmt, column);
  return storage != SQLITE_NULL && (type == dbText || type == dbMemo) ? SQLITE_TEXT : storage;
}

}  // namespace

RowStore::~RowStore() { g_liveRows -= Starts_.size(); }

std::size_t RowStore::LiveRows() { return g_liveRows; }

unsigned char* RowStore::Reserve(std::size_t bytes) {
  if (bytes > Free_) {
    // Small results stay small: blocks grow from 256 bytes to 64 KiB.
    const std::size_t grown = std::min(kBlockBytes, std::size_t{256} << std::min<std::size_t>(Blocks_.size(), 8));
    const std::size_t size = std::max(bytes, grown);
    if (Blocks_.size() >= 0xffff) vb::Raise(vb::ErrOutOfMemory);  // past 4 GiB of rows
    Blocks_.push_back(std::make_unique_for_overwrite<unsigned char[]>(size));
    Next_ = Blocks_.back().get();
    Free_ = size;
  }
  unsigned char* p = Next_;
  Next_ += bytes;
  Free_ -= bytes;
  return p;
}

void RowStore::Append(sqlite3_stmt* stmt, const std::vector<int>& types, bool withRowid) {
  const std::size_t bytes = Measure(stmt, types);
  unsigned char* start = Reserve(bytes);
  Write(start);
  Starts_.push_back(static_cast<std::uint32_t>(((Blocks_.size() - 1) << 16) | (start - Blocks_.back().get())));
  if (withRowid) Rowids_.push_back(sqlite3_column_int64(stmt, static_cast<int>(types.size())));
  ++g_liveRows;
}

// Each column is asked of SQLite once: its value is kept while the row's size is counted.
std::size_t RowStore::Measure(sqlite3_stmt* stmt, const std::vector<int>& types) {
  const int columns = static_cast<int>(types.size());
  Scratch_.resize(types.size());
  std::size_t bytes = 0;
  for (int i = 0; i < columns; ++i) {
    Column& c = Scratch_[static_cast<std::size_t>(i)];
    c.Storage = StorageOf(stmt, i, types[static_cast<std::size_t>(i)]);
    switch (c.Storage) {
      case SQLITE_INTEGER:
        c.Integer = ZigZag(sqlite3_column_int64(stmt, i));
        bytes += c.Integer < 64 ? 1 : 1 + VarintSize(c.Integer);
        break;
      case SQLITE_FLOAT:
        c.Real = sqlite3_column_double(stmt, i);
        if (IsWhole(c.Real)) c.Integer = ZigZag(static_cast<std::int64_t>(c.Real));
        bytes += IsWhole(c.Real) ? 1 + VarintSize(c.Integer) : 1 + sizeof(double);
        break;
      case SQLITE_NULL:
        bytes += 1;
        break;
      default:
        c.Text = sqlite3_column_text(stmt, i);
        c.Bytes = static_cast<std::size_t>(sqlite3_column_bytes(stmt, i));
        bytes += (c.Bytes < 128 ? 1 : 1 + VarintSize(c.Bytes)) + c.Bytes;
    }
  }
  return bytes;
}

void RowStore::Write(unsigned char* p) const {
  for (const Column& c : Scratch_) {
    switch (c.Storage) {
      case SQLITE_INTEGER:
        if (c.Integer < 64) {
          *p++ = static_cast<unsigned char>(kSmallInteger | c.Integer);
        } else {
          *p++ = kInteger;
          p = PutVarint(p, c.Integer);
        }
        break;
      case SQLITE_FLOAT:
        if (IsWhole(c.Real)) {
          *p++ = kWholeReal;
          p = PutVarint(p, c.Integer);
        } else {
          *p++ = kReal;
          std::memcpy(p, &c.Real, sizeof c.Real);
          p += sizeof c.Real;
        }
        break;
      case SQLITE_NULL:
        *p++ = kNull;
        break;
      default:
        if (c.Bytes < 128) {
          *p++ = static_cast<unsigned char>(kShortText | c.Bytes);
        } else {
          *p++ = kText;
          p = PutVarint(p, c.Bytes);
        }
        if (c.Bytes > 0) std::memcpy(p, c.Text, c.Bytes);
        p += c.Bytes;
    }
  }
}

const unsigned char* RowStore::Find(std::size_t row, int column) const {
  const unsigned char* p = Blocks_[Starts_[row] >> 16].get() + (Starts_[row] & 0xffff);
  for (int i = 0; i < column; ++i) p = Skip(p);
  return p;
}

bool RowStore::IsNull(std::size_t row, int column) const { return *Find(row, column) == kNull; }

vb::Variant RowStore::Value(std::size_t row, int column, int type) const {
  const unsigned char* p = Find(row, column);
  const unsigned char tag = *p++;
  StoredValue v;
  std::uint64_t u = 0;
  if (tag & kShortText) {
    v.Storage = SQLITE_TEXT;
    v.Text = std::string_view(reinterpret_cast<const char*>(p), tag & 0x7f);
  } else if (tag & kSmallInteger) {
    v.Storage = SQLITE_INTEGER;
    v.Integer = UnZigZag(tag & 0x3f);
    v.Real = static_cast<double>(v.Integer);
  } else {
    switch (tag) {
      case kInteger:
        GetVarint(p, u);
        v.Storage = SQLITE_INTEGER;
        v.Integer = UnZigZag(u);
        v.Real = static_cast<double>(v.Integer);
        break;
      case kWholeReal:
        GetVarint(p, u);
        v.Storage = SQLITE_FLOAT;
        v.Real = static_cast<double>(UnZigZag(u));
        break;
      case kReal:
        v.Storage = SQLITE_FLOAT;
        std::memcpy(&v.Real, p, sizeof v.Real);
        break;
      case kText:
        p = GetVarint(p, u);
        v.Storage = SQLITE_TEXT;
        v.Text = std::string_view(reinterpret_cast<const char*>(p), u);
        break;
      default:
        v.Storage = SQLITE_NULL;
    }
  }
  return ValueOf(v, type);
}

}  // namespace dao::detail
