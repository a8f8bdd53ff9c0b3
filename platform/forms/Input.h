//===- Input.h - What the user does, entering the model -------------------===//
//
// A front end passes every user action here rather than acting on its
// widgets itself: the model runs the events in VB's order, changes its
// properties, and the front end's widgets follow the change notifications
// (FrontEnd.h). The scripted test user drives windows through the same
// entry points.
//
// Each action answers whether it reached the model: false when the window
// does not take input now (not shown, disabled, under a modal window) or
// the control is disabled, hidden or on another page. When the action is
// done, the keys its handlers queued with SendKeys are handled; End inside
// an action stops it (the application is then ended).
//
// What a key does (Key):
//   Tab, Shift+Tab      the focus moves in tab order; no key events.
//   Alt+letter, digit   when a usable label's caption marks that access key,
//                       the focus moves to the control after the label in
//                       tab order that can take it; no key events.
//   Enter, Escape       click the default or cancel command button, when one
//                       is usable and the focus is not on a command button;
//                       no key events.
//   any other key       the window's KeyDown (with KeyPreview), the
//                       control's KeyDown; unless KeyCode became 0: F1 asks
//                       for help, otherwise the control's own key action
//                       (arrows, Delete, Shift+Insert paste), then for a key
//                       that types a character KeyPress (window first with
//                       KeyPreview) and, unless KeyAscii became 0, the
//                       control's typing action with the (maybe replaced)
//                       character; finally KeyUp.
// A click (Click) moves the focus to a control that takes it, raises
// MouseDown, then the control's click: Click, a check box toggles, an
// option button is chosen (Click even when it was chosen already).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace forms {

class Control;
class DataGrid;
class Form;
class ScrollBar;
class ListControl;
class Menu;
class TabControl;
class TextBox;
class Toolbar;

class Input {
 public:
  /// A key stroke on `form` (to its focused control); `keyAscii` is the
  /// character typed, -1 to derive it from the key (KeyOfCode).
  static bool Key(Form& form, int keyCode, int shift = 0, int keyAscii = -1);
  /// Types `text` on `form`, one key stroke per character.
  static bool Type(Form& form, std::string_view text);
  /// A left click on a control.
  static bool Click(Control& control);
  /// A double click: the click, then DblClick. A front end that passed the
  /// pair's first click on its own (`afterClick`) gets only DblClick.
  static bool DblClick(Control& control, bool afterClick = false);
  /// A mouse button going down on a control (the right one, say), without a click.
  static bool MouseDown(Control& control, int button, int shift = 0, float x = 0, float y = 0);
  /// The user puts the focus on a control (mouse or keyboard), no click.
  static bool Focus(Control& control);
  /// The user selects text in a text box with the mouse.
  static bool Select(TextBox& box, long start, long length);
  /// The context menu's Paste in a text box.
  static bool Paste(TextBox& box);
  /// The user chooses item `index` of a list or combo box.
  static bool Choose(ListControl& list, int index);
  /// The user chooses page `tab` of a tab control (enabled pages only).
  static bool SelectTab(TabControl& tabs, int tab);
  /// The user moves a scroll bar to `value`; dragging the thumb raises
  /// Scroll before Change.
  static bool Scroll(ScrollBar& bar, int value, bool dragging = false);
  /// The user chooses a menu item.
  static bool ChooseMenu(Menu& item);
  /// The user clicks toolbar button `index` (from 1).
  static bool ClickButton(Toolbar& toolbar, int index);
  /// The user makes row `row` (0-based) of a grid the current one.
  static bool ChooseRow(DataGrid& grid, long row);
  /// The user activates a window (modeless windows only).
  static bool Activate(Form& form);
  /// The user closes a window with its close box.
  static bool Close(Form& form);

 private:
  template <class Action>
  static bool Run(Form& form, Action&& action);
  static bool Reachable(const Control& control);
  /// Focus to `control` when it takes the focus; false when it cannot now.
  static void FocusFor(Control& control);
};

}  // namespace forms
