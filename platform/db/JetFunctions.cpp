#include "platform/db/JetFunctions.h"

// Built twice: into the layer, and into the loadable extension libkrjet,
// where SQLite is reached through the table of routines the loader hands over.
#ifdef KR_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <functional>
#include <string>
#include <vector>

#include "platform/text/Cp1252.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"

namespace dao::detail {
namespace {

// --- text order ---

// The letter an accented capital stands for; 0 when it is none.
char32_t BaseLetter(char32_t upper) {
  switch (upper) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC4: case 0xC5: return 'A';
    case 0xC7: return 'C';
    case 0xC8: case 0xC9: case 0xCA: case 0xCB: return 'E';
    case 0xCC: case 0xCD: case 0xCE: case 0xCF: return 'I';
    case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD8: return 'O';
    case 0xD9: case 0xDA: case 0xDB: case 0xDC: return 'U';
    case 0xDD: case 0x178: return 'Y';
    case 0x160: return 'S';
    case 0x17D: return 'Z';
    default: return 0;
  }
}

// Primary weight: the capital letter without its accent; Ñ between N and O.
std::uint32_t PrimaryWeight(char32_t upper) {
  if (upper == 0xD1) return ('N' << 8) | 0x80;
  if (char32_t base = BaseLetter(upper)) return base << 8;
  return upper << 8;
}

// Compares two texts while both are ASCII; nothing when a non-ASCII byte comes first.
std::optional<int> CompareAscii(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  // Keys share long prefixes: skip equal ASCII bytes eight at a time.
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y || ((x | y) & kHighBits) != 0) break;
  }
  for (; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if ((x | y) >= 0x80) return std::nullopt;
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return x < y ? -1 : 1;
  }
  // Equal so far: whatever follows, the longer text sorts after.
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int Collate(void*, int n1, const void* p1, int n2, const void* p2) {
  return CompareJetText({static_cast<const char*>(p1), static_cast<std::size_t>(n1)},
                        {static_cast<const char*>(p2), static_cast<std::size_t>(n2)});
}

// --- Like ---

std::u32string Upper(std::string_view s) {
  std::u32string out = vb::ToCodePoints(s);
  for (char32_t& c : out) c = vb::UpperChar(c);
  return out;
}

// Two upper-cased characters in the text order: the letter first, its accent after.
int CompareLetters(char32_t x, char32_t y) {
  std::uint32_t wx = PrimaryWeight(x), wy = PrimaryWeight(y);
  if (wx != wy) return wx < wy ? -1 : 1;
  return x == y ? 0 : (x < y ? -1 : 1);
}

// "[]" stands for the empty text: it matches without taking a character.
bool EmptyGroup(const std::u32string& pattern, std::size_t p) {
  return p + 1 < pattern.size() && pattern[p] == '[' && pattern[p + 1] == ']';
}

// Matches one pattern element at pattern[p] against c; advances p past it.
bool MatchOne(const std::u32string& pattern, std::size_t& p, char32_t c) {
  char32_t head = pattern[p];
  if (head == '?') {
    ++p;
    return true;
  }
  if (head == '#') {
    ++p;
    return c >= '0' && c <= '9';
  }
  if (head == '[') {
    std::size_t close = pattern.find(']', p + 1);
    if (close != std::u32string::npos) {
      std::size_t i = p + 1;
      bool negated = i < close && pattern[i] == '!';
      if (negated) ++i;
      bool found = false;
      for (; i < close; ++i) {
        if (i + 2 < close && pattern[i + 1] == '-') {
          // A range takes what sorts between its ends: [A-E] holds À but not Ê.
          found = found || (CompareLetters(pattern[i], c) <= 0 && CompareLetters(c, pattern[i + 2]) <= 0);
          i += 2;
        } else {
          found = found || c == pattern[i];
        }
      }
      p = close + 1;
      return found != negated;
    }
  }
  ++p;
  return c == head;
}

// --- values between SQLite and VB ---

vb::Variant ArgValue(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
      return vb::Variant::Null();
    case SQLITE_INTEGER: {
      sqlite3_int64 i = sqlite3_value_int64(v);
      if (i >= INT32_MIN && i <= INT32_MAX) return vb::Variant(static_cast<int>(i));
      return vb::Variant(static_cast<double>(i));
    }
    case SQLITE_FLOAT:
      return vb::Variant(sqlite3_value_double(v));
    default:
      return vb::Variant(std::string(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                     static_cast<std::size_t>(sqlite3_value_bytes(v))));
  }
}

void Result(sqlite3_context* ctx, const vb::Variant& v) {
  switch (v.Type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
      sqlite3_result_null(ctx);
      return;
    case vb::VarType::String:
      sqlite3_result_text(ctx, v.StringValue().data(), static_cast<int>(v.StringValue().size()), SQLITE_TRANSIENT);
      return;
    case vb::VarType::Byte:
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Boolean:
      sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(v.NumberValue()));
      return;
    default:
      sqlite3_result_double(ctx, v.NumberValue());
  }
}

using Body = std::function<vb::Variant(const std::vector<vb::Variant>&)>;

// A VB error fails the statement, its number kept in the message.
void ResultError(sqlite3_context* ctx, const vb::Error& e) {
  std::string message = std::string(kVbErrorPrefix) + std::to_string(e.Number()) + ":" + e.Description();
  sqlite3_result_error(ctx, message.c_str(), -1);
}

// Calls the function's body with its arguments as Variants.
void Call(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const Body& body = *static_cast<const Body*>(sqlite3_user_data(ctx));
  std::vector<vb::Variant> args;
  args.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) args.push_back(ArgValue(argv[i]));
  try {
    Result(ctx, body(args));
  } catch (const vb::Error& e) {
    ResultError(ctx, e);
  }
}

std::string MidOf(std::string_view s, long start, long length) { return vb::Mid(s, start, length); }
std::string LeftOf(std::string_view s, long n, long) { return vb::Left(s, n); }
std::string RightOf(std::string_view s, long n, long) { return vb::Right(s, n); }

// Mid, Left and Right of a text by whole numbers, as the system's queries
// call them row after row, straight on SQLite's values with no Variant made;
// any other arguments go through the body as Call gives them. A missing
// length is -1, as Mid's own default.
template <std::string (*Slice)(std::string_view, long, long)>
void CallOnText(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) return Call(ctx, argc, argv);
  long numbers[2] = {-1, -1};
  for (int i = 1; i < argc && i <= 2; ++i) {
    if (sqlite3_value_type(argv[i]) != SQLITE_INTEGER) return Call(ctx, argc, argv);
    const sqlite3_int64 n = sqlite3_value_int64(argv[i]);
    if (n < INT32_MIN || n > INT32_MAX) return Call(ctx, argc, argv);
    numbers[i - 1] = static_cast<long>(n);
  }
  const std::string_view text(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                              static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
  try {
    const std::string slice = Slice(text, numbers[0], numbers[1]);
    sqlite3_result_text(ctx, slice.data(), static_cast<int>(slice.size()), SQLITE_TRANSIENT);
  } catch (const vb::Error& e) {
    ResultError(ctx, e);
  }
}

bool AnyNull(const std::vector<vb::Variant>& args) {
  for (const vb::Variant& a : args) {
    if (a.IsNull()) return true;
  }
  return false;
}

// A text function of its first argument: Null gives Null.
Body OnText(std::string (*fn)(std::string_view)) {
  return [fn](const std::vector<vb::Variant>& a) -> vb::Variant {
    if (a[0].IsNull()) return vb::Variant::Null();
    return fn(vb::CStr(a[0]));
  };
}

// "h:m" or "h:m:s" as a fraction of a day.
std::optional<double> TimeOfDay(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  const char* p = text.data();
  const char* end = text.data() + text.size();
  while (count < 3) {
    auto [next, ec] = std::from_chars(p, end, parts[count]);
    if (ec != std::errc() || next == p) return std::nullopt;
    ++count;
    p = next;
    if (p == end) break;
    if (*p != ':') return std::nullopt;
    ++p;
  }
  if (p != end || count < 2 || parts[0] < 0 || parts[1] < 0 || parts[2] < 0 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
}

// A "dd/mm/yyyy[ hh:mm[:ss]]" or "yyyy-mm-dd[ hh:mm[:ss]]" text as a date; the text itself when it is none.
vb::Variant TextAsDate(const std::string& text) {
  std::string t = vb::Trim(text);
  std::string datePart = t.substr(0, t.find(' '));
  std::string timePart = datePart.size() < t.size() ? vb::Trim(t.substr(datePart.size())) : "";
  std::optional<vb::DateTime> day;
  if (datePart.size() == 10 && datePart[4] == '-' && datePart[7] == '-') {
    day = vb::ParseDate(datePart.substr(8, 2) + "/" + datePart.substr(5, 2) + "/" + datePart.substr(0, 4));
  } else {
    day = vb::ParseDate(datePart);
  }
  if (!day) return text;
  double serial = day->Serial;
  if (!timePart.empty()) {
    std::optional<double> time = TimeOfDay(timePart);
    if (!time) return text;
    serial += *time;
  }
  return vb::DateTime{serial};
}

// The Long quotient of `\`: the smallest Long divided by -1 has none, and is
// VB's overflow rather than the processor's trap.
std::int32_t WholeQuotient(std::int32_t dividend, std::int32_t divisor) {
  if (divisor == -1 && dividend == INT32_MIN) vb::Raise(vb::ErrOverflow);
  return dividend / divisor;
}

struct Registration {
  const char* Name;
  int Args;  // -1: any number
  Body Fn;
  void (*Callback)(sqlite3_context*, int, sqlite3_value**) = Call;  // how SQLite calls Fn
};

const std::vector<Registration>& Functions() {
  static const std::vector<Registration> kAll = {
      {"jet_concat", -1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         std::string out;
         bool allNull = true;
         for (const vb::Variant& v : a) {
           allNull = allNull && v.IsNull();
           out += vb::TextOf(v);
         }
         return allNull ? vb::Variant::Null() : vb::Variant(out);
       }},
      {"jet_like", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (AnyNull(a)) return vb::Variant::Null();
         return JetLike(vb::CStr(a[0]), vb::CStr(a[1])) ? -1 : 0;
       }},
      {"jet_mid", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Mid(vb::CStr(a[0]), vb::CLng(a[1]));
       },
       CallOnText<MidOf>},
      {"jet_mid", 3,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Mid(vb::CStr(a[0]), vb::CLng(a[1]), vb::CLng(a[2]));
       },
       CallOnText<MidOf>},
      {"jet_left", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Left(vb::CStr(a[0]), vb::CLng(a[1]));
       },
       CallOnText<LeftOf>},
      {"jet_right", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Right(vb::CStr(a[0]), vb::CLng(a[1]));
       },
       CallOnText<RightOf>},
      {"jet_trim", 1, OnText(vb::Trim)},
      {"jet_ltrim", 1, OnText(vb::LTrim)},
      {"jet_rtrim", 1, OnText(vb::RTrim)},
      {"jet_ucase", 1, OnText(vb::UCase)},
      {"jet_lcase", 1, OnText(vb::LCase)},
      {"jet_len", 1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Variant(vb::Len(vb::CStr(a[0])));
       }},
      {"jet_val", 1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) vb::Raise(vb::ErrInvalidNull);
         return vb::Val(vb::CStr(a[0]));
       }},
      {"jet_format", 1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Format(a[0], "");
       }},
      {"jet_format", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Format(a[0], vb::TextOf(a[1]));
       }},
      {"jet_cstr", 1, [](const std::vector<vb::Variant>& a) -> vb::Variant { return vb::CStr(a[0]); }},
      {"jet_clng", 1, [](const std::vector<vb::Variant>& a) -> vb::Variant { return vb::Variant::Long(vb::CLng(a[0])); }},
      {"jet_cint", 1, [](const std::vector<vb::Variant>& a) -> vb::Variant { return vb::Variant::Integer(vb::CInt(a[0])); }},
      {"jet_cdbl", 1, [](const std::vector<vb::Variant>& a) -> vb::Variant { return vb::CDbl(a[0]); }},
      // Str(Null) is Null in a query, so that Nz can take its place.
      {"jet_str", 1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsNull()) return vb::Variant::Null();
         return vb::Str(vb::CDbl(a[0]));
       }},
      // InStr([start,] text, find[, compare]); in a query it ignores case unless compare is 0.
      // A Null text or find gives Null; a Null start or compare is error 94.
      {"jet_instr", -1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         bool hasStart = a.size() >= 3;
         long start = hasStart ? vb::CLng(a[0]) : 1;
         std::size_t first = hasStart ? 1 : 0;
         vb::Compare compare = vb::Compare::Text;
         if (a.size() == 4 && vb::CLng(a[3]) == 0) compare = vb::Compare::Binary;
         if (a[first].IsNull() || a[first + 1].IsNull()) return vb::Variant::Null();
         return vb::Variant(vb::InStr(start, vb::CStr(a[first]), vb::CStr(a[first + 1]), compare));
       }},
      {"jet_div", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (AnyNull(a)) return vb::Variant::Null();
         double divisor = vb::CDbl(a[1]);
         if (divisor == 0) vb::Raise(vb::ErrDivisionByZero);
         return vb::CDbl(a[0]) / divisor;
       }},
      {"jet_idiv", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (AnyNull(a)) return vb::Variant::Null();
         std::int32_t divisor = vb::CLng(a[1]);
         if (divisor == 0) vb::Raise(vb::ErrDivisionByZero);
         return vb::Variant::Long(WholeQuotient(vb::CLng(a[0]), divisor));
       }},
      {"jet_mod", 2,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (AnyNull(a)) return vb::Variant::Null();
         std::int32_t divisor = vb::CLng(a[1]);
         if (divisor == 0) vb::Raise(vb::ErrDivisionByZero);
         const std::int32_t dividend = vb::CLng(a[0]);
         WholeQuotient(dividend, divisor);  // Mod overflows where \ does
         return vb::Variant::Long(dividend % divisor);
       }},
      {"jet_cvdate", 1,
       [](const std::vector<vb::Variant>& a) -> vb::Variant {
         if (a[0].IsString()) return TextAsDate(a[0].StringValue());
         return a[0];
       }},
  };
  return kAll;
}

}  // namespace

int CompareJetText(std::string_view a, std::string_view b) {
  if (std::optional<int> ascii = CompareAscii(a, b)) return *ascii;
  std::u32string x = Upper(a), y = Upper(b);
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    std::uint32_t wx = PrimaryWeight(x[i]), wy = PrimaryWeight(y[i]);
    if (wx != wy) return wx < wy ? -1 : 1;
  }
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  for (std::size_t i = 0; i < n; ++i) {
    if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
  }
  return 0;
}

bool JetLike(std::string_view value, std::string_view pattern) {
  const std::u32string v = Upper(value), p = Upper(pattern);
  std::size_t vi = 0, pi = 0;
  std::size_t starP = std::u32string::npos, starV = 0;
  while (vi < v.size()) {
    if (pi < p.size() && p[pi] == '*') {
      starP = ++pi;
      starV = vi;
      continue;
    }
    if (EmptyGroup(p, pi)) {
      pi += 2;
      continue;
    }
    std::size_t next = pi;
    if (pi < p.size() && MatchOne(p, next, v[vi])) {
      pi = next;
      ++vi;
      continue;
    }
    if (starP == std::u32string::npos) return false;
    pi = starP;
    vi = ++starV;
  }
  while (pi < p.size() && (p[pi] == '*' || EmptyGroup(p, pi))) pi += p[pi] == '*' ? 1 : 2;
  return pi == p.size();
}

void RegisterJetFunctions(sqlite3* db) {
  sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, Collate);
  for (const Registration& r : Functions()) {
    sqlite3_create_function_v2(db, r.Name, r.Args, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               const_cast<Body*>(&r.Fn), r.Callback, nullptr, nullptr, nullptr);
  }
}

}  // namespace dao::detail
