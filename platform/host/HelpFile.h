//===- HelpFile.h - Topics of a plain-text help file ----------------------===//
//
// A help file is plain text (UTF-8 or Windows-1252) made of topics. Each topic
// starts with a line holding its context id in square brackets at the start
// of the line and its title after it; the topic's text runs to the next such
// line. Lines before the first topic are ignored, so the file may open with
// notes of its own:
//
//   Help of the program, one topic per window.
//   [257] Contenido
//   Lines of text...
//   [1041] Ventana principal
//   Lines of text...
//
// The first topic is the file's contents page.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace host {

/// The context id that asks for the file's contents: its first topic.
inline constexpr long kHelpContents = 0;

/// What a help window shows for one request.
struct HelpPage {
  bool Found = false;  // false: Text says what went wrong
  long ContextId = 0;
  std::string Title;
  std::string Text;  // lines joined by "\n", without blank lines at either end
};

/// The topic `contextId` (kHelpContents for the contents) of the help file at
/// the program path `path`. When the file is missing the page is not found and
/// its text is "No se encuentra el archivo de ayuda: <path>"; an unknown topic
/// also gives a page not found with a text that says so. The first topic with
/// a given id wins.
HelpPage ReadHelpTopic(std::string_view path, long contextId);

}  // namespace host
