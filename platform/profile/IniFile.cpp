#include "platform/profile/IniFile.h"

#include "platform/text/Cp1252.h"
#include "platform/text/Strings.h"

namespace win {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  std::size_t from = s.find_first_not_of(" \t");
  if (from == std::string_view::npos) return {};
  std::size_t to = s.find_last_not_of(" \t");
  return s.substr(from, to - from + 1);
}

bool SameName(std::string_view a, std::string_view b) { return vb::UCase(TrimBlanks(a)) == vb::UCase(TrimBlanks(b)); }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

IniFile::IniFile(std::string_view bytes) : Utf8_(bytes.starts_with(kByteOrderMark)) {
  if (Utf8_) bytes.remove_prefix(kByteOrderMark.size());
  while (!bytes.empty()) {
    std::size_t newline = bytes.find('\n');
    Line line;
    if (newline == std::string_view::npos) {
      line.Raw = std::string(bytes);
      bytes = {};
    } else {
      bool crlf = newline > 0 && bytes[newline - 1] == '\r';
      line.Raw = std::string(bytes.substr(0, crlf ? newline - 1 : newline));
      line.Ending = crlf ? "\r\n" : "\n";
      bytes.remove_prefix(newline + 1);
    }
    Lines_.push_back(std::move(line));
  }
}

IniFile::Parsed IniFile::Parse(const Line& line) const {
  std::string text = Utf8_ ? line.Raw : vb::FromCp1252(line.Raw);
  std::string_view t = TrimBlanks(text);
  Parsed parsed;
  if (t.empty() || t.front() == ';') return parsed;
  if (t.front() == '[') {
    std::size_t close = t.find(']');
    parsed.Type = Kind::Section;
    parsed.Name = TrimBlanks(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return parsed;
  }
  std::size_t equals = t.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.Name = TrimBlanks(t.substr(0, equals));
  if (parsed.Name.empty()) return parsed;
  parsed.Type = Kind::Key;
  parsed.Value = TrimBlanks(t.substr(equals + 1));
  return parsed;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < Lines_.size(); ++i) {
    Parsed p = Parse(Lines_[i]);
    if (p.Type == Kind::Section && SameName(p.Name, section)) return i;
  }
  return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < Lines_.size() && Parse(Lines_[i]).Type != Kind::Section) ++i;
  return i;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  auto header = FindSection(section);
  if (!header) return std::nullopt;
  for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
    Parsed p = Parse(Lines_[i]);
    if (p.Type == Kind::Key && SameName(p.Name, key)) return p.Value;
  }
  return std::nullopt;
}

std::string IniFile::Encode(std::string_view text) const {
  return Utf8_ ? std::string(text) : vb::ToCp1252(text);
}

bool IniFile::Holds(std::string_view name, char closing) const {
  name = TrimBlanks(name);
  if (name.empty() || name.front() == '[' || name.front() == ';') return false;
  if (name.find_first_of("\r\n") != std::string_view::npos || name.find(closing) != std::string_view::npos) {
    return false;
  }
  if (!vb::IsValidUtf8(name)) return false;
  if (Utf8_) return true;
  for (char32_t c : vb::ToCodePoints(name)) {
    if (vb::Cp1252Code(c) < 0) return false;
  }
  return true;
}

bool IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  if (!Holds(section, ']') || !Holds(key, '=') || value.find_first_of("\r\n") != std::string_view::npos) {
    return false;
  }
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  auto header = FindSection(section);
  if (!header) {
    if (!Lines_.empty()) {
      if (Lines_.back().Ending.empty()) Lines_.back().Ending = "\r\n";
      if (!TrimBlanks(Lines_.back().Raw).empty()) Lines_.push_back({"", "\r\n"});
    }
    Lines_.push_back({Encode("[" + std::string(section) + "]"), "\r\n"});
    Lines_.push_back({Encode(std::string(key) + "=" + std::string(value)), "\r\n"});
    return true;
  }
  std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    Parsed p = Parse(Lines_[i]);
    if (p.Type == Kind::Key && SameName(p.Name, key)) {
      // The key keeps the spelling it has in the file.
      Lines_[i] = {Encode(p.Name + "=" + std::string(value)), "\r\n"};
      return true;
    }
  }
  // After the section's last line that is not blank, so the blank line that
  // separates it from the next section stays where it is.
  std::size_t at = end;
  while (at > *header + 1 && TrimBlanks(Lines_[at - 1].Raw).empty()) --at;
  if (Lines_[at - 1].Ending.empty()) Lines_[at - 1].Ending = "\r\n";
  Lines_.insert(Lines_.begin() + static_cast<std::ptrdiff_t>(at),
                Line{Encode(std::string(key) + "=" + std::string(value)), "\r\n"});
  return true;
}

std::string IniFile::Bytes() const {
  std::string out(Utf8_ ? kByteOrderMark : "");
  for (const Line& line : Lines_) out += line.Raw + line.Ending;
  return out;
}

}  // namespace win
