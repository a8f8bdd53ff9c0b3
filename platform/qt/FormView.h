//===- FormView.h - The Qt window of one forms::Form --------------------===//
//
// Made when the form loads and dropped when it unloads. A form is a QDialog
// (the MDI frame a QMainWindow with the menus, its toolbar and status bar
// docked); each control has its view inside it, placed from its twips. The
// window passes every key, focus move by the mouse and right click of its
// controls to the model (forms::Input), and the close box as Input::Close,
// which QueryUnload may cancel. The model's notices reach it through the
// front end and its views read the model again.
//
// Model code runs inside Qt's event handlers, so a window may be unloaded
// from inside one of its own handlers: Detach stops it at once (no more
// model calls) and the object is deleted later, from the event loop.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "platform/forms/Property.h"
#include "platform/qt/ControlView.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMouseEvent;
class QWidget;

namespace forms {
class Control;
class Form;
class Menu;
}  // namespace forms

namespace qtui {

class QtFrontEnd;

class FormView : public QObject, public ViewHost {
 public:
  /// The window of `form`, made hidden with every control's view.
  FormView(forms::Form& form, QtFrontEnd& front, QObject* parent);
  ~FormView() override;

  forms::Form& Model() const { return *Form_; }
  /// The top-level widget.
  QWidget* Window() const { return Window_; }
  /// The view of a control, nullptr for none (menus have none).
  ControlView* ViewOf(const forms::Control& control) const;
  /// The widget of a control: its view's widget, or a menu item's, nullptr for none.
  QWidget* WidgetOf(const forms::Control& control) const;
  /// The action of a menu control, nullptr for none.
  QAction* ActionOf(const forms::Control& menu) const;

  // The model's notices (see forms/FrontEnd.h).
  void FormChanged(forms::Property what);
  void FormActivated();
  void ControlChanged(forms::Control& control, forms::Property what);
  void ControlLoaded(forms::Control& control);
  void ControlUnloaded(forms::Control& control);
  /// The form is gone: the window hides and makes no more model calls.
  void Detach();

  /// The close box was used.
  void CloseRequested();

  // ViewHost
  bool Act(const std::function<bool()>& action) override;
  QPixmap Picture(std::string_view name) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ControlView* EnsureView(forms::Control& control);
  /// Registers the view's parts for its keys, focus and mouse.
  void Watch(ControlView& view);
  void Reparent(ControlView& view);
  /// Tells each view whose text runs in lines the places of the controls standing on it.
  void KeepLinesClear();
  /// The frame's controls below its docked toolbars start where those end.
  void ApplyFrameOffsets();
  void RebuildMenus();
  void AddMenu(QWidget& into, forms::Menu& menu);
  void SyncMenu(forms::Menu& menu);
  void SyncWindow(forms::Property what);
  void SyncFlags();
  void SyncSize();
  /// The main window's height for a client area `height` pixels tall (the
  /// model's, without border and caption).
  int FrameHeight(int height);
  /// Gives the main window the height that leaves the controls between its
  /// bars the model's room, once Qt has laid the bars out.
  void FitFrame();
  /// True when the window stands at its Left and Top (the program placed
  /// it, or its design did); else a window of the program's frame is
  /// centred on it.
  bool Placed() const;
  /// Puts the outer corner of the window's frame (the window manager's
  /// title bar and borders) at `at`, on the screen, from the moment the
  /// window is mapped.
  void MoveFrame(QPoint at);
  void ShowWindow();
  /// Puts Qt's focus where the model has it.
  void ApplyFocus();
  /// The user acts on this window: the model makes it the active one first.
  void EnsureActive();
  void OnKey(ControlView* view, QKeyEvent& event);
  bool OnMouse(ControlView* view, QObject* watched, QMouseEvent& event);

  forms::Form* Form_;
  QtFrontEnd& Front_;
  bool Alive_ = true;
  QWidget* Window_ = nullptr;
  QMainWindow* Main_ = nullptr;  // the MDI frame's window
  QWidget* Content_ = nullptr;   // where the controls sit
  QWidget* MenuBar_ = nullptr;
  bool HasLines_ = false;  // a view has lines to keep clear
  int Between_ = 0;      // the main window's room between its bars, in pixels
  int Bars_ = 0;         // the height its menu bar, toolbars and status bar take
  // Where the window's frame begins, once it is placed.
  std::optional<QPoint> FramePlace_;
  std::map<const forms::Control*, std::unique_ptr<ControlView>> Views_;
  std::vector<std::unique_ptr<ControlView>> Retired_;
  std::map<const QObject*, ControlView*> Parts_;
  std::map<const forms::Control*, QPointer<QAction>> Actions_;
};

}  // namespace qtui
