//===- MaskEdBox.h - A text box that takes its text through a mask --------===//
//
// In the mask "#" is a digit to type; every other character is shown as it
// stands ("##/##/####"). Text shows the literals and the typed digits, the
// prompt character "_" where none was typed ("__/__/____" when empty);
// ClipText is the typed digits alone. Setting Text takes a text of the
// mask's shape (digits or "_" at the digit places, the literals in place)
// or "" for an empty box, error 380 otherwise, and raises Change. A typed
// digit fills the next digit place from the caret, skipping literals; any
// other character is refused; Backspace and Delete empty a digit place.
// With an empty mask it is a plain text box. Events: Change, GotFocus,
// LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "platform/forms/Control.h"
#include "platform/forms/EditBuffer.h"

namespace forms {

class MaskEdBox : public Control {
 public:
  MaskEdBox(Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "MaskEdBox"; }

  const std::string& Mask() const { return Mask_; }
  /// Sets the mask and empties the box (no Change).
  void SetMask(std::string_view mask);
  const std::string& Text() const { return Buffer_.Text(); }
  void SetText(std::string_view text);
  std::string ClipText() const;
  char PromptChar() const { return '_'; }
  long SelStart() const { return Buffer_.SelStart(); }
  /// Error 380 when negative.
  void SetSelStart(long start);
  /// The mask's length, or 0 without a mask.
  long MaxLength() const;
  bool Locked() const { return Locked_; }
  void SetLocked(bool locked);

  Event<> Change;

  bool TakesFocus() const override { return true; }

 protected:
  void DefaultKeyDown(int keyCode, int shift) override;
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  bool IsDigitPlace(long position) const;
  /// Puts `c` at `position` of the masked text, the caret at `caret`.
  void Put(long position, char32_t c, long caret);
  void Edited();

  std::string Mask_;
  std::u32string MaskPoints_;
  EditBuffer Buffer_;
  bool Locked_ = false;
};

}  // namespace forms
