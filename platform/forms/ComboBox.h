//===- ComboBox.h - A combo box: a drop-down list, with or without typing -===//
//
// Style vbComboDropdownList (2): the text is the selected item's; setting
// Text selects the item of that text (exact, else ignoring case), error 383
// when there is none; a typed letter selects the next item starting with it.
// Style vbComboDropdown (0): the text is typed like a text box's (Change per
// change; the typed text leaves no selection); choosing an item puts its
// text there. The selection follows ListControl's rules (Click whenever it
// changes). A locked box keeps its selection and text against the user.
// DroppedWidth is the drop-down list's width in pixels, never narrower than
// the box (15 twips a pixel). Events: Click, Change (style 0), DblClick,
// GotFocus, LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/EditBuffer.h"
#include "platform/forms/ListControl.h"

namespace forms {

class ComboBox : public ListControl {
 public:
  ComboBox(Form* form, std::string name, int index = -1);
  std::string_view Kind() const override { return "ComboBox"; }

  /// vbComboDropdown or vbComboDropdownList (set at design); error 380 otherwise.
  int Style() const { return Style_; }
  void SetStyle(int style);
  std::string Text() const;
  void SetText(std::string_view text);
  bool Locked() const { return Locked_; }
  void SetLocked(bool locked);
  /// The drop-down list's width in pixels: the width asked for, at least the box's.
  long DroppedWidth() const;
  void SetDroppedWidth(long pixels);

  Event<> Change;

 protected:
  void SelectionChanged() override;
  void DefaultKeyDown(int keyCode, int shift) override;
  void DefaultKeyPress(int keyAscii) override;
  void CopyPropertiesFrom(const Control& other) override;

 private:
  friend class Input;
  void Edited();

  int Style_ = 2;
  EditBuffer Buffer_;  // the text of style 0
  bool Locked_ = false;
  long DroppedWidth_ = 0;
};

}  // namespace forms
