//===- Keys.h - Key strokes: typed characters and SendKeys texts ----------===//
#pragma once

#include <string_view>
#include <vector>

namespace forms {

/// One key stroke: the key code of KeyDown and KeyUp, the Shift state, and
/// the character code (Windows-1252) KeyPress gets, or -1 when the key types
/// none.
struct KeyStroke {
  int KeyCode = 0;
  int Shift = 0;
  int KeyAscii = -1;
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

/// The key stroke that types the Windows-1252 character `code`: letters by
/// their upper-case key (with Shift for capitals), digits, blank, the usual
/// punctuation by the keys of a standard keyboard.
KeyStroke KeyOfChar(int code);

/// The key stroke of a key without a character of its own, with the
/// character it types when it types one: Enter 13, Backspace 8, Escape 27,
/// blank, a letter or digit (Ctrl+letter gives 1-26).
KeyStroke KeyOfCode(int keyCode, int shift = 0);

/// The strokes of a SendKeys text: characters as typed, "~" and "{ENTER}"
/// for Enter, "{TAB}", "{F1}", "{ESC}", "{BS}", a "+" before a key for
/// Shift; error 5 for any other "{...}".
std::vector<KeyStroke> ParseSendKeys(std::string_view keys);

/// The strokes that type a UTF-8 text, one per character; a character
/// without a Windows-1252 code cannot be typed (error 5).
std::vector<KeyStroke> KeysOfText(std::string_view text);

/// The key code of the access key a caption marks: the letter or digit
/// after its first "&" that is not doubled ("&&" shows one "&"); 0 when it
/// marks none or marks another character.
int AccessKeyOf(std::string_view caption);

}  // namespace forms
