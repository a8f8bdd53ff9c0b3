//===- QtFrontEnd.h - The window model shown with Qt 6 Widgets ----------===//
//
// The front end of a program with a display: every loaded forms::Form is a
// real window (FormView.h), message boxes are QMessageBox (MessageBoxes.h),
// a modal show runs a nested event loop until the model ends it, help
// topics open in a help window, print jobs go to the printer the print
// dialog picks (PrintJob.h), and the mouse pointer and the clipboard are
// the desktop's. A QApplication must exist before it (see FrontEndChoice.h).
//
//   qtui::QtFrontEnd front;
//   forms::Application application(front);
//   forms::Default<frmPrincipal>().Show();
//   front.Run();  // until every window is unloaded, or End
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>
#include <string_view>

#include "platform/forms/FrontEnd.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/Pictures.h"

class QAction;
class QEventLoop;
class QWidget;

namespace qtui {

class FormView;

class QtFrontEnd : public forms::FrontEnd {
 public:
  QtFrontEnd();
  ~QtFrontEnd() override;
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  /// The widget factories by control kind: custom controls register here.
  ViewRegistry& Views() { return Views_; }
  /// How picture names become pixmaps (PictureFile unless set).
  void SetPictureResolver(PictureResolver resolver) { Resolver_ = std::move(resolver); }
  /// The pixmap of a picture name.
  QPixmap Picture(std::string_view name) const;

  /// The window of a loaded form, nullptr otherwise.
  QWidget* WindowOf(const forms::Form& form) const;
  /// The widget of a control of a loaded form, nullptr for none.
  QWidget* WidgetOf(const forms::Control& control) const;
  /// The action of a menu control of a loaded form, nullptr for none.
  QAction* ActionOf(const forms::Control& menu) const;
  /// The window of the program's MDI frame, nullptr when none is loaded.
  QWidget* FrameWindow() const;
  /// The help window, nullptr before the first help request.
  HelpWindow* Help() const { return Help_; }

  /// Runs the user's events until no window is loaded or the program ends.
  void Run();
  /// Runs a user action; a run-time error that escapes it is shown as VB
  /// shows one ("Error 'n' en tiempo de ejecución") and ends the program.
  /// Answers the action's result, false after an error.
  bool Guarded(const std::function<bool()>& action);

  // forms::FrontEnd
  int ShowMessage(const forms::MessageBox& box) override;
  void RunModal(forms::Form& form) override;
  void EndModal(forms::Form& form) override;
  void DoEvents() override;
  void ShowHelp(const forms::HelpRequest& request) override;
  std::optional<int> StockFontTextWidth(std::string_view text) override;
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view document) override;
  void FormLoaded(forms::Form& form) override;
  void FormUnloaded(forms::Form& form) override;
  void FormChanged(forms::Form& form, forms::Property what) override;
  void FormActivated(forms::Form& form) override;
  void ControlChanged(forms::Control& control, forms::Property what) override;
  void ControlLoaded(forms::Control& control) override;
  void ControlUnloaded(forms::Control& control) override;
  void MousePointerChanged(int pointer) override;
  void ClipboardChanged(const std::string& text) override;
  void ProgramEnded() override;

 private:
  FormView* ViewOf(const forms::Form& form) const;
  /// The window a message box or the help window stands over.
  QWidget* DialogParent() const;
  void TakeDesktopClipboard();

  ViewRegistry Views_;
  PictureResolver Resolver_ = PictureFile;
  std::map<const forms::Form*, FormView*> Forms_;
  std::map<const forms::Form*, QEventLoop*> ModalLoops_;
  QEventLoop* RunLoop_ = nullptr;
  QPointer<HelpWindow> Help_;
  bool PointerOverridden_ = false;
  bool WritingClipboard_ = false;
  bool ClipboardTaken_ = false;
  bool Reporting_ = false;
  // Parent of the windows' views, so that none outlives the front end.
  QObject Root_;
};

}  // namespace qtui
