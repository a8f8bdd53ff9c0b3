//===- FrontEnd.h - What the window model asks of the screen and the user ===//
//
// The model (windows, controls, their events and focus) is plain C++; a
// front end shows it. The model calls its front end for what needs a user
// (a message box, a modal window's run) and tells it of every change, so a
// window on screen follows its model at once:
//
//   FormLoaded            make the window's widgets from the model
//   FormChanged           a window property changed (Visible, Caption, ...)
//   ControlChanged        a control property changed; read its new value
//   ControlLoaded/...     a control-array element was loaded or unloaded
//   FormActivated         a window became the active one
//   FormUnloaded          drop the window's widgets
//
// The other direction, what the user does, enters the model through
// forms/Input.h (a key, a click, a focus move, a choice), so the model's
// handlers run first and the widgets then follow the model's change
// notifications. Three front ends exist: the Qt one (platform/qt), the
// console one (ConsoleFrontEnd.h) and the scripted test user
// (testing/ScriptedUser.h).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Property.h"

namespace print {
class Canvas;
}

namespace forms {

class Control;
class Form;

/// One message box as the program asked for it.
struct MessageBox {
  std::string Prompt;
  int Style = 0;
  std::string Title;
  friend bool operator==(const MessageBox&, const MessageBox&) = default;
};

/// The answers a message box of `style` offers, in button order
/// (vbOK; vbOK, vbCancel; vbYes, vbNo, vbCancel; vbYes, vbNo).
std::vector<int> MessageButtons(int style);
/// The answer of the default button of `style` (256 picks the second, 512 the third).
int DefaultAnswer(int style);
/// The icon part of `style`: 0, vbCritical, vbQuestion, vbExclamation or vbInformation.
int MessageIcon(int style);

/// A request to show help: the help file, the command (cdlHelpContext,
/// cdlHelpContents), the key text and the context id.
struct HelpRequest {
  std::string File;
  int Command = 0;
  std::string Key;
  long ContextID = 0;
  friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // --- What needs the user ---

  /// Shows a message box and answers the button chosen (vbOK, vbYes, ...).
  virtual int ShowMessage(const MessageBox& box) = 0;
  /// Runs `form`, just shown modally, until it is hidden or unloaded (the
  /// model calls EndModal then). If it returns earlier, the model hides the
  /// window, so Show vbModal always returns with the window closed.
  virtual void RunModal(Form& form) = 0;
  /// The modal run of `form` is over: its RunModal should return.
  virtual void EndModal(Form& /*form*/) {}
  /// Processes pending events of the screen (DoEvents).
  virtual void DoEvents() {}
  /// Shows a help topic.
  virtual void ShowHelp(const HelpRequest& /*request*/) {}
  /// The width in pixels of `text` in the stock variable-pitch font, or
  /// nothing to take the model's fixed metric (no display).
  virtual std::optional<int> StockFontTextWidth(std::string_view /*text*/) { return std::nullopt; }
  /// Starts a print job titled `document` on the printer the user chooses
  /// (VB's Printer): the canvas its sheets are drawn on, or nullptr when the
  /// user cancelled the choice. Error 482 when there is no printer, as the
  /// default says.
  virtual std::shared_ptr<print::Canvas> StartPrintJob(std::string_view document);

  // --- What changed in the model ---

  virtual void FormLoaded(Form& /*form*/) {}
  virtual void FormUnloaded(Form& /*form*/) {}
  virtual void FormChanged(Form& /*form*/, Property /*what*/) {}
  virtual void FormActivated(Form& /*form*/) {}
  virtual void ControlChanged(Control& /*control*/, Property /*what*/) {}
  virtual void ControlLoaded(Control& /*control*/) {}
  virtual void ControlUnloaded(Control& /*control*/) {}
  virtual void MousePointerChanged(int /*pointer*/) {}
  /// The program put `text` on the clipboard ("" when it cleared it).
  virtual void ClipboardChanged(const std::string& /*text*/) {}
  /// The program ran End: every window is gone.
  virtual void ProgramEnded() {}
};

}  // namespace forms
