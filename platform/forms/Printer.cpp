#include "platform/forms/Printer.h"

#include "platform/forms/Application.h"
#include "platform/text/Error.h"

namespace forms {

std::shared_ptr<print::Canvas> Printer(std::string_view document) {
  std::shared_ptr<print::Canvas> canvas = Application::Current().Front().StartPrintJob(document);
  if (!canvas) vb::Raise(vb::ErrPrintCancelled);
  return canvas;
}

}  // namespace forms
