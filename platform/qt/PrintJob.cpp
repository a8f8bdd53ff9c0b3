#include "platform/qt/PrintJob.h"

#include <QPrinter>

#include "platform/qt/PdfCanvas.h"
#include "platform/qt/PrinterCanvas.h"

namespace qtui {
namespace {

// A printer canvas that owns its printer, which outlives the canvas's end.
struct PrinterHolder {
  explicit PrinterHolder(std::unique_ptr<QPrinter> printer) : Printer(std::move(printer)) {}
  std::unique_ptr<QPrinter> Printer;
};
class OwnPrinterCanvas : private PrinterHolder, public PrinterCanvas {
 public:
  explicit OwnPrinterCanvas(std::unique_ptr<QPrinter> printer)
      : PrinterHolder(std::move(printer)), PrinterCanvas(*Printer) {}
};

}  // namespace

std::shared_ptr<print::Canvas> PrintJobCanvas(std::unique_ptr<QPrinter> printer) {
  if (printer->outputFormat() == QPrinter::PdfFormat) {
    return std::make_shared<PdfCanvas>(printer->outputFileName(), printer->pageLayout().pageSize());
  }
  return std::make_shared<OwnPrinterCanvas>(std::move(printer));
}

std::shared_ptr<print::Canvas> StartPrintJob(const QString& document, QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(document);
  if (!ChoosePrinter(*printer, parent)) return nullptr;
  return PrintJobCanvas(std::move(printer));
}

}  // namespace qtui
