//===- Appearance.h - Twips, texts, fonts and colours of the model in Qt ===//
//
// What every control widget shares: its place in pixels from its twips, its
// texts as QStrings, its font through the free-font aliases, and VB colour
// numbers. System colours (&H80000000 and up) take the style's colour of
// that system colour, so a window keeps the desktop's look and a text box
// painted with the button face looks like one; plain RGB colours are set.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace forms {
struct StdFont;
}

class QWidget;

namespace qtui {

/// Pixels of `twips` at 15 twips per pixel, rounded.
int Pixels(long twips);
/// The rectangle in pixels of a place given in twips.
QRect PixelRect(long left, long top, long width, long height);

/// The model's UTF-8 text as a QString, and back.
QString ToQt(std::string_view utf8);
std::string FromQt(const QString& text);

/// A caption with its access key's mark, for a widget that underlines it
/// (buttons, menus, labels): the model's "&" marks already mean what Qt's do.
QString AccessCaption(std::string_view caption);
/// A caption as plain text (a toolbar button's, a label's text()): "&&" is
/// one "&", a single "&" is dropped.
QString PlainCaption(std::string_view caption);

/// The font of a control: the mapped family, size, bold and italic.
QFont ControlFont(const forms::StdFont& font);

/// The RGB colour of a VB colour number (0x00BBGGRR); nothing for a system colour.
std::optional<QColor> PlainColor(long vbColor);

/// The palette role that shows the VB system colour `vbColor` (window,
/// window text, button face, button text); nothing for a plain colour or a
/// system colour without one.
std::optional<QPalette::ColorRole> SystemRole(long vbColor);

/// Sets `role` of `widget`'s palette to a plain colour, or to the style's
/// colour of a system colour; a system colour without a role gives the
/// style's own colour of `role` back.
void ApplyColor(QWidget& widget, QPalette::ColorRole role, long vbColor);

}  // namespace qtui
