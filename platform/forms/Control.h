//===- Control.h - What every control of a window has ---------------------===//
//
// A control is a member of its window, named with the system's control name:
//
//   class frmBancos : public forms::Form {
//     forms::CommandButton CmdSalir{this, "CmdSalir"};
//     ...
//   };
//
// Geometry is in twips. A control sits on its window or inside a container
// (a frame, a picture box, a page of a tab control, a custom control); a
// container that is disabled or hidden disables or hides what it holds,
// whatever their own Enabled and Visible say. The events common to the kinds
// live here; each kind's header says which of them it raises.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

#include "platform/forms/Event.h"
#include "platform/forms/Property.h"

namespace forms {

class Form;
class Input;

/// A font as the properties Font.Name, Font.Size and Font.Bold give it.
struct StdFont {
  std::string Name = "MS Sans Serif";
  double Size = 8;
  bool Bold = false;
  bool Italic = false;
  friend bool operator==(const StdFont&, const StdFont&) = default;
};

class Control {
 public:
  /// A control of `form` named `name`; `index` >= 0 for an element of a control array.
  Control(Form* form, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  /// The kind's type name ("TextBox", "CommandButton", ...).
  virtual std::string_view Kind() const = 0;

  /// The window the control belongs to.
  Form& Parent() const { return *Form_; }
  const std::string& Name() const { return Name_; }
  /// The index within its control array; -1 for a control that is not in one.
  int Index() const { return Index_; }

  /// The frame, picture box, tab control or custom control holding this
  /// one; nullptr when it sits on the window itself.
  Control* Container() const { return Container_; }
  /// The page of a tab-control container; -1 otherwise.
  int ContainerPage() const { return ContainerPage_; }
  /// Moves the control into `container` (on page `page` of a tab control).
  void SetContainer(Control& container, int page = -1);

  long Left() const { return Left_; }
  long Top() const { return Top_; }
  long Width() const { return Width_; }
  long Height() const { return Height_; }
  void SetLeft(long v) { Move(v, Top_, Width_, Height_); }
  void SetTop(long v) { Move(Left_, v, Width_, Height_); }
  void SetWidth(long v) { Move(Left_, Top_, v, Height_); }
  void SetHeight(long v) { Move(Left_, Top_, Width_, v); }
  void Move(long left, long top, long width, long height);

  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return Visible_; }
  void SetVisible(bool visible);
  int TabIndex() const { return TabIndex_; }
  /// Error 380 for a negative index.
  void SetTabIndex(int index);
  bool TabStop() const { return TabStop_; }
  void SetTabStop(bool stop);
  long BackColor() const { return BackColor_; }
  void SetBackColor(long color);
  long ForeColor() const { return ForeColor_; }
  void SetForeColor(long color);
  const StdFont& Font() const { return Font_; }
  void SetFont(const StdFont& font);
  long HelpContextID() const { return HelpContextID_; }
  void SetHelpContextID(long id) { HelpContextID_ = id; }
  const std::string& Tag() const { return Tag_; }
  void SetTag(std::string_view tag) { Tag_ = std::string(tag); }

  /// Enabled, and so is every container and the window.
  bool EffectivelyEnabled() const;
  /// Visible, and so is every container (the window aside).
  bool EffectivelyVisible() const;
  /// On the current, usable page of every tab control that holds it.
  bool OnCurrentPage() const;
  /// Whether the user can put the focus here now: a kind that takes the
  /// focus, effectively enabled and visible, on the current pages, on a
  /// window that is shown.
  bool CanTakeFocus() const;

  /// VB's SetFocus. Error 5 when the window is not shown or the control
  /// cannot take the focus (a kind without focus, disabled or hidden, itself
  /// or through a container). A control on another page of a tab control
  /// takes it, as in VB.
  void SetFocus();
  /// Redraws the control: the front end reads it again.
  virtual void Refresh();
  /// Its window has unloaded: the control lets go of what it holds.
  virtual void FormUnloaded() {}

  // Events. Every kind that takes the focus raises GotFocus, LostFocus and
  // the key events; the others raise what their header says.
  Event<> Click;
  Event<> DblClick;
  Event<> GotFocus;
  Event<> LostFocus;
  Event<int&, int> KeyDown;  // KeyCode (0 discards the key), Shift
  Event<int&> KeyPress;      // KeyAscii (0 discards it, another value replaces it)
  Event<int&, int> KeyUp;    // KeyCode, Shift
  Event<int, int, float, float> MouseDown;  // Button, Shift, X, Y

  /// Whether this kind of control ever takes the focus.
  virtual bool TakesFocus() const { return false; }
  /// Whether Tab passes over it now even though it could take the focus
  /// (an option button that is not the chosen one of its group).
  virtual bool SkipsTab() const { return false; }

 protected:
  /// Tells the front end that `what` changed (only while the window is loaded).
  void Changed(Property what);
  /// Copies the design properties of `other`, a control of the same kind, for
  /// ControlArray::Load; kinds extend it with their own.
  virtual void CopyPropertiesFrom(const Control& other);

  // What the user's actions do by default, run by Input after the events.
  /// A left click, after the focus moved here: raises Click (check boxes
  /// toggle, option buttons choose themselves).
  virtual void UserClick() { Click(); }
  /// A key that went down and was not discarded (arrows, Delete, ...).
  virtual void DefaultKeyDown(int /*keyCode*/, int /*shift*/) {}
  /// A character that was typed and not discarded.
  virtual void DefaultKeyPress(int /*keyAscii*/) {}

 private:
  friend class Form;
  friend class Input;
  template <class T>
  friend class ControlArray;

  Form* Form_;
  std::string Name_;
  int Index_;
  long Sequence_ = 0;  // creation order, the tie-break of the tab order
  Control* Container_ = nullptr;
  int ContainerPage_ = -1;
  long Left_ = 0, Top_ = 0, Width_ = 0, Height_ = 0;
  bool Enabled_ = true;
  bool Visible_ = true;
  int TabIndex_ = 0;
  bool TabStop_ = true;
  long BackColor_;
  long ForeColor_;
  StdFont Font_;
  long HelpContextID_ = 0;
  std::string Tag_;
};

}  // namespace forms
