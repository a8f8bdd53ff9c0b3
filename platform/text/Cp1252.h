//===- Cp1252.h - Windows-1252 codes and UTF-8 conversion ----------------===//
//
// Text is UTF-8 inside the program. The files and character codes the system
// shares with other programs are Windows-1252: `Asc("Ñ")` is 209.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

/// UTF-8 text to Windows-1252 bytes; a character with no code becomes "?".
std::string ToCp1252(std::string_view utf8);

/// Windows-1252 bytes to UTF-8 text (the five unassigned codes map to the C1
/// control of the same number, so every byte survives a round trip).
std::string FromCp1252(std::string_view bytes);

/// True when `bytes` is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

/// Text read from a file: valid UTF-8 is taken as is, anything else as Windows-1252.
std::string DecodeText(std::string_view bytes);

/// The Windows-1252 code of one Unicode code point, or -1 when it has none.
int Cp1252Code(char32_t codePoint);

/// The Unicode code point of a Windows-1252 code (0-255).
char32_t CodePointOf(std::uint8_t code);

/// Decodes UTF-8 to code points; a malformed byte stands for itself as
/// its Windows-1252 character, so no input is lost.
std::u32string ToCodePoints(std::string_view utf8);

/// Encodes code points as UTF-8.
std::string FromCodePoints(std::u32string_view codePoints);

/// Appends one code point to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace vb
