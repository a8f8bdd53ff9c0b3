//===- Strings.h - VB string functions over UTF-8 text --------------------===//
//
// Positions and lengths count characters, not bytes, so a line holding "Ñ"
// is cut where the original program cut it. Positions are 1-based.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

enum class Compare { Binary = 0, Text = 1 };

/// Number of characters.
long Len(std::string_view s);

/// `length` characters from the 1-based `start`; all the rest when `length`
/// is negative-one (VB's omitted argument). Error 5 for start < 1 or length < -1.
std::string Mid(std::string_view s, long start, long length = -1);

std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);

/// 1-based position of `find` in `s` from `start`, or 0. An empty `find`
/// answers `start` when it lies within the text.
long InStr(long start, std::string_view s, std::string_view find, Compare compare = Compare::Binary);
long InStr(std::string_view s, std::string_view find, Compare compare = Compare::Binary);

/// Blank (code 32) trimming, as VB trims: tabs and other blanks stay.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

/// Upper and lower case, accented letters included ("ñ" -> "Ñ").
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

std::string Space(long n);
/// `n` copies of the first character of `ch`.
std::string String(long n, std::string_view ch);
/// `n` copies of the character with Windows-1252 code `code` (modulo 256).
std::string String(long n, int code);

/// Every occurrence of `find` replaced by `with`, scanning left to right.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);

/// Windows-1252 code of the first character; error 5 for an empty text.
int Asc(std::string_view s);
/// The character of a Windows-1252 code 0-255; error 5 otherwise.
std::string Chr(int code);

/// One character upper-cased the way UCase does it.
char32_t UpperChar(char32_t c);
char32_t LowerChar(char32_t c);

}  // namespace vb
