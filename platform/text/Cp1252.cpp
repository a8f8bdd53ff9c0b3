#include "platform/text/Cp1252.h"

#include <array>

namespace vb {
namespace {

// Codes 0x80-0x9F of Windows-1252; 0 marks the five unassigned codes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Reads one UTF-8 sequence at `i`; answers the code point and advances `i`,
// or answers -1 (leaving `i`) when the bytes there are not well-formed.
long DecodeOne(std::string_view s, std::size_t& i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return -1;
  }
  if (i + len > s.size()) return -1;
  for (int k = 1; k < len; ++k) {
    unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  i += len;
  return static_cast<long>(cp);
}

}  // namespace

int Cp1252Code(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHigh.size(); ++k) {
    if (kHigh[k] == cp && cp != 0) return static_cast<int>(0x80 + k);
  }
  // The unassigned codes travel as the C1 controls of the same number.
  if (cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0) return static_cast<int>(cp);
  return -1;
}

char32_t CodePointOf(std::uint8_t code) {
  if (code >= 0x80 && code <= 0x9F) {
    char32_t cp = kHigh[code - 0x80];
    return cp != 0 ? cp : code;
  }
  return code;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::u32string ToCodePoints(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    long cp = DecodeOne(s, i);
    if (cp < 0) {
      out += CodePointOf(static_cast<std::uint8_t>(s[i]));
      ++i;
    } else {
      out += static_cast<char32_t>(cp);
    }
  }
  return out;
}

std::string FromCodePoints(std::u32string_view cps) {
  std::string out;
  out.reserve(cps.size());
  for (char32_t cp : cps) AppendUtf8(out, cp);
  return out;
}

std::string ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t cp : ToCodePoints(utf8)) {
    int code = Cp1252Code(cp);
    out += code < 0 ? '?' : static_cast<char>(code);
  }
  return out;
}

std::string FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Runs of ASCII, most of any text, are the same bytes in UTF-8.
    std::size_t ascii = i;
    while (ascii < bytes.size() && static_cast<std::uint8_t>(bytes[ascii]) < 0x80) ++ascii;
    out.append(bytes.substr(i, ascii - i));
    if (ascii == bytes.size()) break;
    AppendUtf8(out, CodePointOf(static_cast<std::uint8_t>(bytes[ascii])));
    i = ascii + 1;
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (DecodeOne(bytes, i) < 0) return false;
  }
  return true;
}

std::string DecodeText(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : FromCp1252(bytes);
}

}  // namespace vb
