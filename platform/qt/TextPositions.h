//===- TextPositions.h - Caret positions between the model and Qt -------===//
//
// The model counts characters and keeps line breaks as CR LF; a Qt editor
// counts UTF-16 units and shows a line break as one "\n". These convert
// texts and positions between the two.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QString>

#include <string_view>

namespace qtui {

/// The text an editor shows for the model's `text`; with `multiLine` each CR LF is one line break.
QString EditorText(std::string_view text, bool multiLine);
/// The editor position of the model's character position `position` in `text`.
int EditorPosition(std::string_view text, long position, bool multiLine);
/// The model's character position of the editor position `position` in `text`.
long ModelPosition(std::string_view text, int position, bool multiLine);

}  // namespace qtui
