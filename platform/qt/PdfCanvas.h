//===- PdfCanvas.h - A page canvas written to a PDF file ----------------===//
//
// The printer canvas over Qt's PDF printer: the same pages a printer gets,
// in a file. A PDF has no unprintable margin, so positions count from the
// sheet's corner, as on screen.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QPageSize>
#include <QPrinter>
#include <QString>

#include "platform/qt/PrinterCanvas.h"

namespace qtui {

namespace detail {
/// Holds the PDF printer so that it outlives the canvas drawing on it.
struct PdfPrinterHolder {
  QPrinter PdfPrinter{QPrinter::HighResolution};
};
}  // namespace detail

/// A canvas whose pages go to the PDF file `path` (rewritten), on sheets of
/// `paper`. The file is complete after EndDocument; a file that cannot be
/// written is vb::Error 482 when the first page starts.
class PdfCanvas : private detail::PdfPrinterHolder, public PrinterCanvas {
 public:
  explicit PdfCanvas(const QString& path, const QPageSize& paper = QPageSize(QPageSize::Letter));
};

}  // namespace qtui
