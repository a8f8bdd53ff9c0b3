//===- Printer.h - VB's Printer: one print job on the chosen printer ------===//
//
// A document is printed as one job: the front end asks the user for the
// printer (Qt: the print dialog, whose print-to-file gives a PDF; the
// scripted test user: a recorder, or a cancel from its script; the console
// front end has no printer), the document is drawn on the job's canvas, and
// the job ends with the canvas's EndDocument.
//
//   std::shared_ptr<print::Canvas> impresora =
//   forms::Printer("Inconsistencias"); impresora->DrawText(400, 30, "VELTA",
//   fuente); impresora->EndDocument();
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string_view>

#include "platform/print/Canvas.h"

namespace forms {

/// Starts a print job titled `document` on the printer the user chooses;
/// answers the canvas to draw it on. Error 482 when there is no printer,
/// 20545 when the user cancelled.
std::shared_ptr<print::Canvas> Printer(std::string_view document);

}  // namespace forms
