#include "platform/forms/CommonDialog.h"

#include "platform/forms/Application.h"
#include "platform/text/Error.h"

namespace forms {

void CommonDialog::ShowHelp() {
  Application::Current().Front().ShowHelp(HelpRequest{HelpFile_, HelpCommand_, HelpKey_, HelpContext_});
}

void CommonDialog::SetAction(int action) {
  if (action != 6) vb::Raise(vb::ErrInvalidCall);
  ShowHelp();
}

}  // namespace forms
