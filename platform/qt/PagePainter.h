//===- PagePainter.h - Paints pages of twips onto a QPainter -----------===//
//
// One painter for the screen, the printer, PDF files and images: each device
// only gives its scale from twips (1440 per inch) to its own units.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QPageSize>
#include <QSize>

#include "platform/print/Page.h"

class QPainter;

namespace qtui {

/// Twips per pixel on screen (96 dots per inch).
inline constexpr double kTwipsPerPixel = 15;

/// The size in twips of a sheet of `paper` in orientation `o`.
QSize PaperTwips(const QPageSize& paper, print::Orientation o);

/// Paints one item at `scale` device units per twip: a text with its
/// top-left corner at (X, Y), a line with a cosmetic pen (width 1 is a
/// hairline, wider ones are that many device pixels).
void PaintItem(QPainter& painter, const print::Item& item, double scale);

/// Paints a whole page at `scale` device units per twip; with
/// `fillBackground` (screen pages) the painter's window is filled with the
/// page's background colour first.
void PaintPage(QPainter& painter, const print::Page& page, double scale, bool fillBackground);

}  // namespace qtui
