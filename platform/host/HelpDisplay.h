//===- HelpDisplay.h - Showing a help topic to the user -------------------===//
//
// The program asks for help by file and context id (F1 on a window, the help
// menu); the front end decides how to show it: the Qt front end in a window
// built on ReadHelpTopic, a test by recording the request.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace host {

/// Where the program's help requests go.
class HelpDisplay {
 public:
  virtual ~HelpDisplay() = default;

  /// Shows topic `contextId` (kHelpContents for the contents, see HelpFile.h)
  /// of the help file at the program path `path`; a missing file or topic is
  /// shown as the page's error text.
  virtual void ShowHelp(std::string_view path, long contextId) = 0;
};

}  // namespace host
