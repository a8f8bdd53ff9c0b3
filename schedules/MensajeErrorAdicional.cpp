#include "schedules/MensajeErrorAdicional.h"

#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace app {

void MensajeErrorAdicional(const vb::Error& error) {
  forms::MsgBox("Error : " + vb::NumberText(error.Number()) + " Descripción : " + error.Description() + " ",
                forms::vbInformation, "Error");
}

}  // namespace app
