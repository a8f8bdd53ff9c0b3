#include "platform/forms/FrontEnd.h"

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"

namespace forms {

std::vector<int> MessageButtons(int style) {
  switch (style & 7) {
    case vbOKOnly: return {vbOK};
    case vbOKCancel: return {vbOK, vbCancel};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    default: vb::Raise(vb::ErrInvalidCall);  // the system asks for no other buttons
  }
}

int DefaultAnswer(int style) {
  auto buttons = MessageButtons(style);
  std::size_t which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
  return which < buttons.size() ? buttons[which] : buttons.front();
}

int MessageIcon(int style) { return style & 0x70; }

std::shared_ptr<print::Canvas> FrontEnd::StartPrintJob(std::string_view /*document*/) { vb::Raise(vb::ErrPrinter); }

}  // namespace forms
