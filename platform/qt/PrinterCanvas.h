//===- PrinterCanvas.h - A page canvas drawn on a printer ---------------===//
//
// Reports go to any printer Qt reaches (CUPS) through a QPrinter. Page
// positions count from the printable area's top-left corner, as on the
// system's printers: the printer's own unprintable margins lie outside it,
// so nothing laid out near the sheet's edge is cut off.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>

#include "platform/print/Canvas.h"

class QPainter;
class QPrinter;
class QWidget;

namespace qtui {

/// A canvas whose pages are printed on a QPrinter set up by the caller
/// (printer, copies; see ChoosePrinter). A page's orientation is applied to
/// the sheet it starts. Failures of the printer are vb::Error 482.
class PrinterCanvas : public print::Canvas {
 public:
  explicit PrinterCanvas(QPrinter& printer);
  /// Ends an unfinished document with the sheets drawn so far (Qt's PDF
  /// and CUPS back ends cannot cancel a job).
  ~PrinterCanvas() override;
  PrinterCanvas(const PrinterCanvas&) = delete;
  PrinterCanvas& operator=(const PrinterCanvas&) = delete;

 protected:
  void BeginPage(print::Orientation o) override;
  void Draw(const print::Item& item) override;
  void Finish() override;

 private:
  QPrinter& Printer_;
  std::unique_ptr<QPainter> Painter_;
  double Scale_ = 0;
};

/// Asks the user for a printer and its copies with the print dialog, into
/// `printer`; false when the user cancels. Page ranges are the report's own
/// business, so the dialog offers none.
bool ChoosePrinter(QPrinter& printer, QWidget* parent = nullptr);

}  // namespace qtui
