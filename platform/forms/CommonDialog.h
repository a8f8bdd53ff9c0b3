//===- CommonDialog.h - The common dialog, as the help display ------------===//
//
// The system uses it only to show help: set HelpFile, HelpCommand
// (cdlHelpContents, cdlHelpContext), HelpKey or HelpContext, then ShowHelp
// (or Action 6). It is never shown itself.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class CommonDialog : public Control {
 public:
  CommonDialog(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {
    SetVisible(false);
  }
  std::string_view Kind() const override { return "CommonDialog"; }

  const std::string& HelpFile() const { return HelpFile_; }
  void SetHelpFile(std::string_view file) { HelpFile_ = std::string(file); }
  int HelpCommand() const { return HelpCommand_; }
  void SetHelpCommand(int command) { HelpCommand_ = command; }
  const std::string& HelpKey() const { return HelpKey_; }
  void SetHelpKey(std::string_view key) { HelpKey_ = std::string(key); }
  long HelpContext() const { return HelpContext_; }
  void SetHelpContext(long id) { HelpContext_ = id; }

  /// Passes the help request to the front end.
  void ShowHelp();
  /// Action 6 shows help; the system asks for no other dialog (error 5).
  void SetAction(int action);

 private:
  std::string HelpFile_;
  int HelpCommand_ = 0;
  std::string HelpKey_;
  long HelpContext_ = 0;
};

}  // namespace forms
