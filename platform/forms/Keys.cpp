#include "platform/forms/Keys.h"

#include <string>
#include <utility>

#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace forms {
namespace {

// Punctuation keys of a standard keyboard: character, key code, Shift.
struct Punctuation {
  char Char;
  int KeyCode;
  int Shift;
};
constexpr Punctuation kPunctuation[] = {
    {'-', 189, 0}, {'_', 189, 1}, {'=', 187, 0}, {'+', 187, 1}, {',', 188, 0}, {'<', 188, 1},
    {'.', 190, 0}, {'>', 190, 1}, {'/', 191, 0}, {'?', 191, 1}, {';', 186, 0}, {':', 186, 1},
    {'\'', 222, 0}, {'"', 222, 1}, {'(', '9', 1}, {')', '0', 1}, {'*', '8', 1}, {'&', '7', 1},
    {'%', '5', 1}, {'$', '4', 1}, {'#', '3', 1}, {'@', '2', 1}, {'!', '1', 1},
};

// Named keys of SendKeys.
constexpr std::pair<std::string_view, int> kNamedKeys[] = {
    {"TAB", vbKeyTab}, {"ENTER", vbKeyReturn}, {"F1", vbKeyF1}, {"ESC", vbKeyEscape}, {"BS", vbKeyBack},
};

}  // namespace

KeyStroke KeyOfChar(int code) {
  if (code >= 'a' && code <= 'z') return {code - 32, 0, code};
  if (code >= 'A' && code <= 'Z') return {code, vbShiftMask, code};
  if (code >= '0' && code <= '9') return {code, 0, code};
  if (code == ' ') return {vbKeySpace, 0, code};
  if (code == 13) return {vbKeyReturn, 0, 13};
  if (code == 8) return {vbKeyBack, 0, 8};
  if (code == 27) return {vbKeyEscape, 0, 27};
  for (const auto& p : kPunctuation) {
    if (p.Char == code) return {p.KeyCode, p.Shift, code};
  }
  // Letters with accents and other characters: the key left of "1" serves.
  return {192, 0, code};
}

KeyStroke KeyOfCode(int keyCode, int shift) {
  KeyStroke k{keyCode, shift, -1};
  bool ctrl = (shift & vbCtrlMask) != 0;
  if (keyCode >= 'A' && keyCode <= 'Z') {
    k.KeyAscii = ctrl ? keyCode - 'A' + 1 : (shift & vbShiftMask) ? keyCode : keyCode + 32;
  } else if (keyCode >= '0' && keyCode <= '9' && !ctrl && !(shift & vbShiftMask)) {
    k.KeyAscii = keyCode;
  } else if (keyCode == vbKeyReturn || keyCode == vbKeyBack || keyCode == vbKeyEscape) {
    k.KeyAscii = keyCode;
  } else if (keyCode == vbKeySpace) {
    k.KeyAscii = ' ';
  }
  return k;
}

std::vector<KeyStroke> ParseSendKeys(std::string_view keys) {
  std::vector<KeyStroke> out;
  int shift = 0;
  std::size_t i = 0;
  while (i < keys.size()) {
    char c = keys[i];
    if (c == '+') {
      shift = vbShiftMask;
      ++i;
      continue;
    }
    if (c == '~') {
      out.push_back(KeyOfCode(vbKeyReturn, shift));
      shift = 0;
      ++i;
      continue;
    }
    if (c == '{') {
      auto close = keys.find('}', i + 1);
      if (close == std::string_view::npos) vb::Raise(vb::ErrInvalidCall);
      std::string name = vb::UCase(keys.substr(i + 1, close - i - 1));
      bool found = false;
      for (const auto& [key, code] : kNamedKeys) {
        if (name == key) {
          out.push_back(KeyOfCode(code, shift));
          found = true;
        }
      }
      if (!found) vb::Raise(vb::ErrInvalidCall);
      shift = 0;
      i = close + 1;
      continue;
    }
    // One UTF-8 character.
    std::size_t len = 1;
    while (i + len < keys.size() && (static_cast<unsigned char>(keys[i + len]) & 0xC0) == 0x80) ++len;
    for (const auto& k : KeysOfText(keys.substr(i, len))) out.push_back(k);
    shift = 0;
    i += len;
  }
  return out;
}

std::vector<KeyStroke> KeysOfText(std::string_view text) {
  std::vector<KeyStroke> out;
  for (char32_t cp : vb::ToCodePoints(text)) {
    int code = vb::Cp1252Code(cp);
    if (code < 0) vb::Raise(vb::ErrInvalidCall);
    out.push_back(KeyOfChar(code));
  }
  return out;
}

int AccessKeyOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const char next = caption[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    if (next >= 'a' && next <= 'z') return next - 32;
    if ((next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9')) return next;
    return 0;
  }
  return 0;
}

}  // namespace forms
