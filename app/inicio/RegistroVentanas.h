//===- RegistroVentanas.h - How KR917 opens its windows by name ----------===//
#pragma once

namespace app {

/// Registers with G().Ventanas every window of the program that the
/// commands open by name; the others stay placeholders.
void RegistraVentanas();

}  // namespace app
