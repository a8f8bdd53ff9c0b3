//===- ControlView.h - The widget of one control, and how kinds get one -===//
//
// Each control of a shown window has one view: it owns nothing of the model,
// makes the control's widget, reads the model again on each change notice
// (Sync) and passes what the user does back through forms::Input (by the
// window's Act). Keys, focus and right clicks are handled for every view by
// its window, which keeps the middle button from every widget; a view adds
// what its kind does with the mouse.
//
// Kinds are looked up in a ViewRegistry by Control::Kind(). A program with
// custom controls (a forms::Control subclass of its own) registers a
// factory for their kind in its main:
//
//   front.Qt()->Views().Register("BarradeEstadoQBX", [](forms::Control& c, qtui::ViewHost& h, QWidget* p) {
//     return std::make_unique<qtui::PanelView>(c, h, p);
//   });
//
// A kind nobody registered is shown as a PanelView: a framed panel that
// holds the controls placed inside it, showing the control's name while it
// holds none, so no window fails for a kind it does not know.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Property.h"

class QLabel;
class QMouseEvent;
class QWidget;

namespace forms {
class Control;
}

namespace qtui {

/// What a view needs of the window it lives in.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  /// Runs a user action on the model (a forms::Input call) and answers its
  /// result; false, without running it, once the window is gone. A run-time
  /// error no handler caught is reported and ends the program, as in VB.
  virtual bool Act(const std::function<bool()>& action) = 0;
  /// The pixmap of a picture name (null for none).
  virtual QPixmap Picture(std::string_view name) = 0;
};

/// The widget of one control.
class ControlView {
 public:
  /// A view of `control` showing it in `widget` (nullptr: never shown).
  ControlView(forms::Control& control, ViewHost& host, QWidget* widget);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  forms::Control& Model() const { return *Control_; }
  ViewHost& Host() const { return *Host_; }
  QWidget* Widget() const { return Widget_; }

  /// Where the controls placed inside this one go; nullptr when it holds none.
  virtual QWidget* ChildArea() const { return nullptr; }
  /// The widgets whose keys, focus and mouse belong to the control (its
  /// widget, an inner editor, a viewport).
  virtual std::vector<QWidget*> Parts() const;
  /// The widget that takes the focus when the model gives it to the control.
  virtual QWidget* FocusWidget() const { return Widget_; }

  /// Reads `what` again from the model (Property::All: everything). The
  /// base reads what every control has: place, enabled, visible, font and
  /// colours.
  virtual void Sync(forms::Property what);

  /// Whether its text runs in lines that keep clear of the controls standing on it.
  virtual bool HasLines() const { return false; }
  /// The places, in the widget's pixels, of the shown controls standing on
  /// it (above it in its container); only a view HasLines() uses them.
  virtual void StandingOn(std::vector<QRect> places) { (void)places; }

  /// The control or its window is going away while the widget may live on
  /// a little (it is deleted later): the view lets go of what reads the
  /// model behind Qt's back (a grid's rows). The base does nothing.
  virtual void Detach() {}

  /// A mouse press, release or double click on one of the parts; true when
  /// the view handled it (the widget then does not see it).
  virtual bool OnMouse(QObject* part, QMouseEvent& event);
  /// The user asked for the context menu at `globalPos` (after the model's MouseDown).
  virtual void ContextMenu(const QPoint& globalPos);

  /// Placed by its window's frame (a main window's toolbar or status bar):
  /// the model's place is not applied.
  bool Docked() const { return Docked_; }
  void SetDocked(bool docked) { Docked_ = docked; }
  /// Pixels taken off the top of the place (the frame's docked toolbar rows).
  void SetTopOffset(int pixels) { TopOffset_ = pixels; }

 protected:
  /// The context of signal connections, so none outlives the view.
  QObject* Guard() { return &Guard_; }
  /// The place in the parent widget, in pixels.
  virtual QRect Place() const;
  /// The palette roles that BackColor and ForeColor set.
  virtual QPalette::ColorRole BackRole() const { return QPalette::Window; }
  virtual QPalette::ColorRole ForeRole() const { return QPalette::WindowText; }
  /// Whether the widget is shown: visible, and on the current page of a tab control holding it.
  bool ShownByModel() const;

 private:
  forms::Control* Control_;
  ViewHost* Host_;
  QWidget* Widget_;
  QObject Guard_;
  bool Docked_ = false;
  int TopOffset_ = 0;
};

/// A framed panel holding the controls placed in it: the view of custom
/// controls that draw themselves with standard controls, and of any kind
/// nobody registered (it then names the control until it holds one).
class PanelView : public ControlView {
 public:
  PanelView(forms::Control& control, ViewHost& host, QWidget* parent);
  QWidget* ChildArea() const override { return Widget(); }
  void Sync(forms::Property what) override;

 private:
  QLabel* Name_;
};

/// A view without a widget: controls never shown (an image list, the common dialog).
class HiddenView : public ControlView {
 public:
  HiddenView(forms::Control& control, ViewHost& host) : ControlView(control, host, nullptr) {}
};

/// Makes the view of a control inside `parent`.
using ViewFactory = std::function<std::unique_ptr<ControlView>(forms::Control&, ViewHost&, QWidget* parent)>;

/// The factories by kind.
class ViewRegistry {
 public:
  /// A registry of the built-in kinds.
  ViewRegistry();

  /// The factory of `kind` from now on (a custom kind, or a built-in one replaced).
  void Register(std::string kind, ViewFactory factory);
  /// Whether `kind` has a factory.
  bool Knows(std::string_view kind) const;
  /// The view of `control`: its kind's, or a PanelView for an unknown kind.
  std::unique_ptr<ControlView> Make(forms::Control& control, ViewHost& host, QWidget* parent) const;

 private:
  std::map<std::string, ViewFactory, std::less<>> Factories_;
};

}  // namespace qtui
