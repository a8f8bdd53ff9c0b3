//===- MensajeErrorAdicional.h - The schedules' error box ----------------===//
#pragma once

namespace vb {
class Error;
}

namespace app {

/// The box that the schedule procedures show for a failure: "Error : n
/// Descripción : d " titled "Error", with the information icon.
void MensajeErrorAdicional(const vb::Error& error);

}  // namespace app
