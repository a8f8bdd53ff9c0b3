//===- IniFile.h - The lines of a settings file, edited in place ----------===//
//
// A settings file is shared with other programs and edited by hand, so a
// write must leave every other line exactly as it was: its comments, its
// other sections, their order, its line ends and its bytes. IniFile keeps the
// raw lines and changes only the one it touches.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

/// A settings file: lines "[Section]", "key=value" and anything else (comments
/// starting with ";", blank lines), read as Windows reads them.
///
/// Names are compared ignoring case and the blanks and tabs around them, on
/// both sides. The file is Windows-1252, as the host's settings file is; a
/// file that begins with a UTF-8 byte-order mark is the one exception, read
/// and written as UTF-8 with its mark kept.
class IniFile {
 public:
  /// The file from its bytes.
  explicit IniFile(std::string_view bytes = {});

  /// The value of the first `key` in the first section named `section`,
  /// trimmed of blanks and tabs; nothing when either is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  /// Sets `key` to `value`: rewrites the key's line, or adds the key after the
  /// last line of its section, or adds the section at the end of the file.
  /// New lines end with CR LF; a character the file's encoding lacks is
  /// written "?". Answers false, and changes nothing, for a name that would
  /// not be read back as itself: empty, holding a line break, starting with
  /// "[" or ";", a section holding "]" or a key holding "=", a name that is
  /// not UTF-8 or has a character the file's encoding lacks; and for a value
  /// holding a line break.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  /// The file's bytes.
  std::string Bytes() const;

 private:
  struct Line {
    std::string Raw;     // without its end
    std::string Ending;  // "\r\n", "\n" or "" for a last line without one
  };
  enum class Kind { Section, Key, Other };
  struct Parsed {
    Kind Type = Kind::Other;
    std::string Name;   // the section's or the key's name
    std::string Value;  // the key's value
  };

  Parsed Parse(const Line& line) const;
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t header) const;
  std::string Encode(std::string_view text) const;
  bool Holds(std::string_view name, char closing) const;

  std::vector<Line> Lines_;
  bool Utf8_ = false;  // the file began with a byte-order mark, kept in Bytes()
};

}  // namespace win
