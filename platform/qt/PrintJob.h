//===- PrintJob.h - A print job on the printer the user chooses ---------===//
//
// The Qt front end's printer service (forms::Printer): the print dialog
// picks the printer and its copies; a printer gets the sheets through a
// PrinterCanvas (positions from its printable area), the dialog's print to
// a file through a PdfCanvas (positions from the sheet's corner, as the
// preview shows them).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QString>
#include <memory>

#include "platform/print/Canvas.h"

class QPrinter;
class QWidget;

namespace qtui {

/// The canvas of a job on `printer`, set up by the user: a PDF file when
/// its output is one, the printer itself otherwise (the canvas keeps it).
std::shared_ptr<print::Canvas> PrintJobCanvas(std::unique_ptr<QPrinter> printer);

/// Asks for a printer with the print dialog over `parent` and answers the
/// canvas of a job titled `document` on it; nullptr when the user cancels.
std::shared_ptr<print::Canvas> StartPrintJob(const QString& document, QWidget* parent = nullptr);

}  // namespace qtui
