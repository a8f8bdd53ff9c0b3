//===- HelpWindow.h - The window that shows help topics -----------------===//
#pragma once

#include <QDialog>

#include "platform/host/HelpFile.h"

class QPlainTextEdit;

namespace qtui {

/// A window beside the program's own that shows one help topic at a time:
/// its title and text, or the text that says why there is none.
class HelpWindow : public QDialog {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  /// Shows `page` and brings the window up.
  void ShowPage(const host::HelpPage& page);
  /// The text shown.
  QString Text() const;

 private:
  QPlainTextEdit* Text_;
};

}  // namespace qtui
