//===- EditBuffer.h - The text of an edit field, its caret and selection --===//
//
// Positions and lengths count characters, as SelStart and SelLength do.
// MaxLength (0: none) limits what typing and pasting put in; code that sets
// the text is not limited.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace forms {

class EditBuffer {
 public:
  const std::string& Text() const { return Text_; }
  /// Replaces the text; the caret goes to the start.
  void SetText(std::string_view text);
  long Length() const { return Length_; }

  long SelStart() const { return SelStart_; }
  /// Moves the caret (past the end: to the end) and clears the selection.
  void SetSelStart(long start);
  long SelLength() const { return SelLength_; }
  /// Selects from the caret (at most to the end).
  void SetSelLength(long length);
  std::string SelText() const;
  /// Replaces the selection by `text` (code: no limit); the caret follows it.
  void ReplaceSelection(std::string_view text);

  long MaxLength() const { return MaxLength_; }
  void SetMaxLength(long length) { MaxLength_ = length; }

  /// Typing: replaces the selection by `text` when the result fits
  /// MaxLength; a paste (`cut`) is cut to fit instead. False when nothing changed.
  bool Type(std::string_view text, bool cut = false);
  /// Backspace: the selection or the character before the caret.
  bool Backspace();
  /// Delete: the selection or the character after the caret.
  bool Delete();

 private:
  std::string Text_;
  long Length_ = 0;
  long SelStart_ = 0;
  long SelLength_ = 0;
  long MaxLength_ = 0;
};

}  // namespace forms
