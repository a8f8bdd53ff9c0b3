// Fuzz target: the settings file. Input: the file's bytes, a section, a key
// and a value, separated by 0x1F. The file is read, the value written, and
// the written bytes read again: no other setting changes, the written value
// reads back (trimmed, as every value reads; a character Windows-1252 lacks
// as "?"), and a refused write changes no byte.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile/IniFile.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Strings.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using kr::fuzz::Require;

std::string_view Trimmed(std::string_view s) {
  std::size_t from = s.find_first_not_of(" \t");
  if (from == std::string_view::npos) return {};
  return s.substr(from, s.find_last_not_of(" \t") - from + 1);
}

bool Same(std::string_view a, std::string_view b) { return vb::UCase(Trimmed(a)) == vb::UCase(Trimmed(b)); }

// The names the file may hold, read loosely from its lines: more than the
// file has is harmless, each pair is only looked up.
void Names(std::string_view bytes, std::vector<std::string>& sections, std::vector<std::string>& keys) {
  const bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
  while (!bytes.empty() && sections.size() < 5 && keys.size() < 5) {
    std::size_t end = bytes.find('\n');
    std::string_view raw = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    const std::string line = utf8 ? std::string(raw) : vb::FromCp1252(raw);
    std::string_view t = Trimmed(line);
    if (t.starts_with('[')) {
      sections.emplace_back(Trimmed(t.substr(1, t.find(']') == std::string_view::npos ? t.npos : t.find(']') - 1)));
    } else if (std::size_t equals = t.find('='); equals != std::string_view::npos) {
      keys.emplace_back(Trimmed(t.substr(0, equals)));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = kr::fuzz::Parts(kr::fuzz::Text(data, size), 4);
  const std::string_view bytes = parts[0], section = parts[1], key = parts[2];
  // The programs hold their texts as UTF-8; so does the value written.
  const std::string value = vb::FromCodePoints(vb::ToCodePoints(parts[3]));

  const win::IniFile before(bytes);
  win::IniFile edited(bytes);
  const bool written = edited.SetValue(section, key, value);
  const std::string newBytes = edited.Bytes();
  if (!written) {
    Require(newBytes == bytes, "a refused write changes nothing");
    return 0;
  }
  const win::IniFile after(newBytes);

  std::vector<std::string> sections{std::string(section)}, keys{std::string(key)};
  Names(bytes, sections, keys);
  for (const std::string& s : sections) {
    for (const std::string& k : keys) {
      if (Same(s, section) && Same(k, key)) continue;
      Require(after.Value(s, k) == before.Value(s, k), "another setting changed: [" + s + "] " + k);
    }
  }
  const bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
  const std::string expected(Trimmed(utf8 ? value : vb::FromCp1252(vb::ToCp1252(value))));
  Require(after.Value(section, key) == expected, "the written value reads back");
  // Written again, the file stays as it is.
  win::IniFile again(newBytes);
  Require(again.SetValue(section, key, value) && again.Bytes() == newBytes, "a second write changes nothing");
  return 0;
}
