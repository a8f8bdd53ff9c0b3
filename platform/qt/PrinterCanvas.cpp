#include "platform/qt/PrinterCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/qt/PagePainter.h"
#include "platform/text/Error.h"

namespace qtui {
namespace {

constexpr int kPrinterError = 482;

// The sheet's layout for the next page: its orientation, and margins at the
// printer's unprintable edges so that the painter's origin is the corner of
// the printable area.
void LayOutSheet(QPrinter& printer, print::Orientation o) {
  QPageLayout layout = printer.pageLayout();
  layout.setOrientation(o == print::Orientation::Landscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
  layout.setMargins(layout.minimumMargins());
  printer.setPageLayout(layout);
}

}  // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer) : Printer_(printer) {}

PrinterCanvas::~PrinterCanvas() {
  if (Painter_) Painter_->end();
}

void PrinterCanvas::BeginPage(print::Orientation o) {
  if (!Painter_) Printer_.setFullPage(false);
  LayOutSheet(Printer_, o);
  if (!Painter_) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&Printer_)) throw vb::Error(kPrinterError);
    Painter_ = std::move(painter);
  } else if (!Printer_.newPage()) {
    throw vb::Error(kPrinterError);
  }
  Scale_ = Printer_.resolution() / 1440.0;
}

void PrinterCanvas::Draw(const print::Item& item) {
  // After a printer that failed to start, every item fails too.
  if (!Painter_) throw vb::Error(kPrinterError);
  PaintItem(*Painter_, item, Scale_);
}

void PrinterCanvas::Finish() {
  if (!Painter_) return;
  const bool ended = Painter_->end();
  Painter_.reset();
  if (!ended) throw vb::Error(kPrinterError);
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qtui
