#include "platform/text/Strings.h"

#include <algorithm>

#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"

namespace vb {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Byte offset of the character with 0-based index `index`, or s.size().
std::size_t ByteOffset(std::string_view s, long index) {
  std::size_t i = 0;
  for (long n = 0; n < index && i < s.size(); ++n) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t step = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
    i = std::min(s.size(), i + step);
  }
  return i;
}

template <typename F>
std::string MapChars(std::string_view s, F f) {
  if (IsAscii(s)) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(f(static_cast<unsigned char>(c)));
    return out;
  }
  std::u32string cps = ToCodePoints(s);
  for (char32_t& c : cps) c = f(c);
  return FromCodePoints(cps);
}

}  // namespace

long Len(std::string_view s) {
  if (IsAscii(s)) return static_cast<long>(s.size());
  return static_cast<long>(ToCodePoints(s).size());
}

std::string Mid(std::string_view s, long start, long length) {
  if (start < 1 || length < -1) Raise(ErrInvalidCall);
  // Only the characters up to the slice's end need be ASCII for them to be
  // its bytes: a query cuts a few out of the front of long codes row by row.
  const std::size_t end = length < 0 ? s.size() : static_cast<std::size_t>(start - 1) + static_cast<std::size_t>(length);
  if (IsAscii(s.substr(0, end))) {
    std::size_t from = static_cast<std::size_t>(start - 1);
    if (from >= s.size()) return {};
    return std::string(s.substr(from, length < 0 ? std::string_view::npos : static_cast<std::size_t>(length)));
  }
  std::u32string cps = ToCodePoints(s);
  std::size_t from = static_cast<std::size_t>(start - 1);
  if (from >= cps.size()) return {};
  return FromCodePoints(
      std::u32string_view(cps).substr(from, length < 0 ? std::u32string_view::npos : static_cast<std::size_t>(length)));
}

std::string Left(std::string_view s, long n) {
  if (n < 0) Raise(ErrInvalidCall);
  if (IsAscii(s.substr(0, static_cast<std::size_t>(n)))) return std::string(s.substr(0, static_cast<std::size_t>(n)));
  return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Right(std::string_view s, long n) {
  if (n < 0) Raise(ErrInvalidCall);
  long len = Len(s);
  if (n >= len) return std::string(s);
  return Mid(s, len - n + 1);
}

long InStr(long start, std::string_view s, std::string_view find, Compare compare) {
  if (start < 1) Raise(ErrInvalidCall);
  std::u32string hay = ToCodePoints(s);
  std::u32string needle = ToCodePoints(find);
  if (static_cast<std::size_t>(start) > hay.size()) return 0;
  if (needle.empty()) return start;
  if (compare == Compare::Text) {
    for (char32_t& c : hay) c = UpperChar(c);
    for (char32_t& c : needle) c = UpperChar(c);
  }
  std::size_t at = hay.find(needle, static_cast<std::size_t>(start - 1));
  return at == std::u32string::npos ? 0 : static_cast<long>(at + 1);
}

long InStr(std::string_view s, std::string_view find, Compare compare) { return InStr(1, s, find, compare); }

std::string LTrim(std::string_view s) {
  std::size_t i = s.find_first_not_of(' ');
  return i == std::string_view::npos ? std::string() : std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
  std::size_t i = s.find_last_not_of(' ');
  return i == std::string_view::npos ? std::string() : std::string(s.substr(0, i + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

char32_t UpperChar(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c < 0x80) return c;
  // Latin-1 letters: à-þ but the division sign; ÿ goes to Ÿ.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x161 || c == 0x153 || c == 0x17E) return c - 1;  // š œ ž
  return c;
}

char32_t LowerChar(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0x80) return c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c == 0x160 || c == 0x152 || c == 0x17D) return c + 1;  // Š Œ Ž
  return c;
}

std::string UCase(std::string_view s) { return MapChars(s, UpperChar); }
std::string LCase(std::string_view s) { return MapChars(s, LowerChar); }

std::string Space(long n) {
  if (n < 0) Raise(ErrInvalidCall);
  return std::string(static_cast<std::size_t>(n), ' ');
}

std::string String(long n, std::string_view ch) {
  if (n < 0 || ch.empty()) Raise(ErrInvalidCall);
  std::string one = Left(ch, 1);
  std::string out;
  out.reserve(one.size() * static_cast<std::size_t>(n));
  for (long k = 0; k < n; ++k) out += one;
  return out;
}

std::string String(long n, int code) {
  if (code < 0) Raise(ErrInvalidCall);
  return String(n, Chr(code % 256));  // VB takes a code above 255 modulo 256
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  std::size_t from = 0;
  while (true) {
    std::size_t at = s.find(find, from);
    if (at == std::string_view::npos) break;
    out.append(s.substr(from, at - from));
    out.append(with);
    from = at + find.size();
  }
  out.append(s.substr(from));
  return out;
}

int Asc(std::string_view s) {
  if (s.empty()) Raise(ErrInvalidCall);
  std::u32string cps = ToCodePoints(Left(s, 1));
  int code = Cp1252Code(cps[0]);
  return code < 0 ? '?' : code;
}

std::string Chr(int code) {
  if (code < 0 || code > 255) Raise(ErrInvalidCall);
  std::string out;
  AppendUtf8(out, CodePointOf(static_cast<std::uint8_t>(code)));
  return out;
}

}  // namespace vb
