//===- Form.h - A window: its properties, its events, its focus -----------===//
//
// A window of the system is a class derived from Form; its controls are its
// members and its event procedures override the handlers below:
//
//   class frmBancos : public forms::Form {
//    public:
//     frmBancos() : Form("frmBancos") { CmdSalir.Click = [this] { CmdSalir_Click(); }; }
//    protected:
//     void Form_Load() override;
//     ...
//   };
//
// Order of events: Initialize (once per instance, before its first Load),
// Load; on showing, Activate and then GotFocus of the first control in tab
// order (or of the control that had the focus when the window was last
// active). When another window of the program becomes active, the focused
// control gets LostFocus and the window Deactivate; when this one is active
// again, Activate and GotFocus follow. Unload runs QueryUnload(Cancel,
// UnloadMode) and then Unload(Cancel); either may cancel. Unloading a window
// that is already unloading does nothing, so Unload may be called from
// inside its own Unload handler. Terminate comes when the program lets go of
// the instance (see Application.h).
//
// The focus moves by TabIndex (ties by creation order) over the controls
// that can take it now: a kind that takes the focus, with TabStop, enabled
// and visible with all their containers, on the current page of every tab
// control holding them; of an option group only the chosen button, when one
// is chosen. A focus move raises LostFocus of the old control, then GotFocus
// of the new one, at once; a LostFocus handler that moves the focus itself
// wins. Alt and a label's access letter move the focus to the first control
// after the label in that order that can take it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/Property.h"

namespace forms {

class Application;
class Control;
class Input;
template <class T>
class ControlArray;

class Form {
 public:
  /// A window whose name (VB's form name) is `name`.
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return Name_; }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  long Left() const { return Left_; }
  long Top() const { return Top_; }
  long Width() const { return Width_; }
  long Height() const { return Height_; }
  void SetLeft(long v) { Move(v, Top_, Width_, Height_); }
  void SetTop(long v) { Move(Left_, v, Width_, Height_); }
  void SetWidth(long v) { Reshape(Left_, Top_, v, Height_, false); }
  void SetHeight(long v) { Reshape(Left_, Top_, Width_, v, false); }
  void Move(long left, long top, long width, long height) { Reshape(left, top, width, height, true); }
  /// True once the program has set the window's Left or Top since it
  /// loaded: it stands where they put it on the screen, (0, 0) included.
  /// Otherwise its design's place is the front end's to choose.
  bool Placed() const { return Placed_; }
  /// vbNormal, vbMinimized or vbMaximized; error 380 for another value.
  int WindowState() const { return WindowState_; }
  void SetWindowState(int state);
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool enabled);
  /// True while the window is shown.
  bool Visible() const { return Visible_; }
  /// Visible = True shows the window (modeless), False hides it.
  void SetVisible(bool visible);
  /// When set, the window's key handlers see every key before its controls do.
  bool KeyPreview() const { return KeyPreview_; }
  void SetKeyPreview(bool preview) { KeyPreview_ = preview; }
  long HelpContextID() const { return HelpContextID_; }
  void SetHelpContextID(long id) { HelpContextID_ = id; }
  const std::string& Tag() const { return Tag_; }
  void SetTag(std::string_view tag) { Tag_ = std::string(tag); }
  long BackColor() const { return BackColor_; }
  void SetBackColor(long color);
  /// The window's icon, a picture name the front end resolves.
  const std::string& Icon() const { return Icon_; }
  void SetIcon(std::string_view picture);
  /// Whether the title bar offers the minimise and maximise boxes.
  bool MinButton() const { return MinButton_; }
  void SetMinButton(bool shown);
  bool MaxButton() const { return MaxButton_; }
  void SetMaxButton(bool shown);
  /// Whether the window is a child of the program's MDI frame (set at design).
  bool MDIChild() const { return MDIChild_; }
  void SetMDIChild(bool child) { MDIChild_ = child; }

  /// True between Load and Unload.
  bool Loaded() const { return Loaded_; }
  /// True while the window is shown modally.
  bool Modal() const { return Modal_; }
  /// The control that has the focus (or had it when the window was last active).
  Control* ActiveControl() const { return ActiveControl_; }
  /// Every control, in creation order (array elements included).
  const std::vector<Control*>& Controls() const { return Controls_; }
  /// The control of that name and index (-1: not an array element), or nullptr.
  Control* FindControl(std::string_view name, int index = -1) const;

  /// Shows the window, loading it first. Modal: returns when the window is
  /// hidden or unloaded. Error 400 for a modal show of a window already
  /// shown, 401 for a modeless show while a modal window is up.
  void Show(int modal = vbModeless);
  /// Hides the window; a modal show of it returns.
  void Hide();
  /// Makes the window the active one; error 5 when it is not shown or disabled.
  void SetFocus();
  /// Redraws the window: the front end reads it again.
  void Refresh();

  /// The next control in tab order after `from` (the first for nullptr),
  /// backwards when `backward`; nullptr when no control can take the focus.
  Control* NextInTabOrder(const Control* from, bool backward = false) const;

 protected:
  virtual void Form_Initialize() {}
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
  virtual void Form_Unload(int& /*Cancel*/) {}
  virtual void Form_Terminate() {}
  /// With KeyPreview, the window's key handlers run before the control's.
  virtual void Form_KeyDown(int& /*KeyCode*/, int /*Shift*/) {}
  virtual void Form_KeyPress(int& /*KeyAscii*/) {}
  virtual void Form_KeyUp(int& /*KeyCode*/, int /*Shift*/) {}

  /// Tells the front end that `what` changed (only while loaded).
  void Changed(Property what);

 private:
  friend class Application;
  friend class Control;
  friend class Input;
  template <class T>
  friend class ControlArray;

  void Register(Control* control);
  void Unregister(Control* control);
  /// Sets the geometry; `placing` when Left and Top were given.
  void Reshape(long left, long top, long width, long height, bool placing);
  /// Moves the focus to `to`; false when a LostFocus handler moved it elsewhere.
  bool MoveFocus(Control* to);
  /// A key from the user (Input::Key).
  void DispatchKey(int keyCode, int shift, int keyAscii);
  /// The usable label whose access key is `keyCode`, the first in tab
  /// order when several are; nullptr when none.
  Control* LabelOfAccessKey(int keyCode) const;
  /// The command button that Enter (default) or Escape (cancel) clicks.
  Control* DefaultButton(bool cancel) const;
  /// F1: the help topic of the focused control, its containers or the window.
  void RequestHelp();

  std::string Name_;
  std::string Caption_;
  long Left_ = 0, Top_ = 0, Width_ = 0, Height_ = 0;
  bool Placed_ = false;
  int WindowState_ = vbNormal;
  bool Enabled_ = true;
  bool Visible_ = false;
  bool KeyPreview_ = false;
  long HelpContextID_ = 0;
  std::string Tag_;
  long BackColor_ = vbButtonFace;
  std::string Icon_;
  bool MinButton_ = true;
  bool MaxButton_ = true;
  bool MDIChild_ = false;

  bool Initialized_ = false;
  bool Loaded_ = false;
  bool Unloading_ = false;
  bool Modal_ = false;
  Control* ActiveControl_ = nullptr;
  unsigned FocusGeneration_ = 0;
  std::vector<Control*> Controls_;
  long NextSequence_ = 0;
};

}  // namespace forms
