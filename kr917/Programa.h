//===- Programa.h - KR917 put together: every window it opens by name ----===//
#pragma once

namespace kr917 {

/// Registers with G().Ventanas the windows of the return form, its
/// schedules and printing (app/ registers its own at start).
void RegistraVentanas();

}  // namespace kr917
