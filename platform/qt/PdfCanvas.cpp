#include "platform/qt/PdfCanvas.h"

namespace qtui {

PdfCanvas::PdfCanvas(const QString& path, const QPageSize& paper) : PrinterCanvas(PdfPrinter) {
  PdfPrinter.setOutputFormat(QPrinter::PdfFormat);
  PdfPrinter.setOutputFileName(path);
  PdfPrinter.setPageSize(paper);
}

}  // namespace qtui
