//===- ConsoleFrontEnd.h - The front end of a program without windows -----===//
//
// For the programs that run with no display: each message box is written to
// standard error as its title, a colon, a blank and its text, and answered
// with its default button. No window is shown; a modal show returns at once
// (the model then hides the window).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdio>

#include "platform/forms/FrontEnd.h"

namespace forms {

class ConsoleFrontEnd : public FrontEnd {
 public:
  /// Writes to `out` (standard error unless told otherwise).
  explicit ConsoleFrontEnd(std::FILE* out = stderr) : Out_(out) {}

  int ShowMessage(const MessageBox& box) override;
  void RunModal(Form& /*form*/) override {}

 private:
  std::FILE* Out_;
};

}  // namespace forms
