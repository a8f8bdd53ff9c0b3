//===- TextBox.h - A text box ---------------------------------------------===//
//
// Every assignment of Text (or SelText) raises Change at once, nested in the
// assignment, even when the new text equals the old; the caret then goes to
// the start. Typing raises Change once per key that changed the text.
// MaxLength limits typing and pasting only (0: no limit), and may change at
// run time without cutting the text. A locked box takes keys and raises
// their events but its text does not change.
//
// Keys it handles (after KeyDown/KeyPress, unless discarded): characters at
// the caret, replacing the selection; Backspace; Delete; Left, Right, Home,
// End; Ctrl+V and Shift+Insert paste the clipboard's text. Enter types
// nothing in a single-line box. A box that refuses pasting (RefusesPaste)
// takes nothing from the paste keys or the context menu's Paste, and leaves
// the clipboard as it is. Events: Change, Click, DblClick, GotFocus,
// LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/EditBuffer.h"

namespace forms {

class TextBox : public Control {
 public:
  TextBox(Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "TextBox"; }

  const std::string& Text() const { return Buffer_.Text(); }
  void SetText(std::string_view text);
  /// Caret position in characters; error 380 when negative.
  long SelStart() const { return Buffer_.SelStart(); }
  void SetSelStart(long start);
  /// Error 380 when negative.
  long SelLength() const { return Buffer_.SelLength(); }
  void SetSelLength(long length);
  std::string SelText() const { return Buffer_.SelText(); }
  /// Replaces the selection; raises Change.
  void SetSelText(std::string_view text);
  /// Error 380 when negative.
  long MaxLength() const { return Buffer_.MaxLength(); }
  void SetMaxLength(long length);
  /// vbLeftJustify, vbRightJustify or vbCenter.
  int Alignment() const { return Alignment_; }
  void SetAlignment(int alignment);
  bool Locked() const { return Locked_; }
  void SetLocked(bool locked);
  /// Several lines (set at design): Enter types a line break.
  bool MultiLine() const { return MultiLine_; }
  void SetMultiLine(bool multiLine) { MultiLine_ = multiLine; }
  /// Pasting inserts nothing: neither the paste keys nor the context menu's
  /// Paste take the clipboard's text (not a VB property; false by default).
  bool RefusesPaste() const { return RefusesPaste_; }
  void SetRefusesPaste(bool refuses) { RefusesPaste_ = refuses; }

  Event<> Change;

  bool TakesFocus() const override { return true; }

 protected:
  void DefaultKeyDown(int keyCode, int shift) override;
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  friend class Input;
  void PasteClipboard();
  void Edited();
  void CaretMoved();

  EditBuffer Buffer_;
  int Alignment_ = 0;
  bool Locked_ = false;
  bool MultiLine_ = false;
  bool RefusesPaste_ = false;
};

}  // namespace forms
