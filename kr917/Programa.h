//===- Programa.h - KR917 put together -----------------------------------===//
#pragma once

#include <string>

namespace kr917 {

/// Registers with G().Ventanas the windows of the return form, its
/// schedules and printing (app/ registers its own at start).
void RegistraVentanas();

/// The folder of the program's pictures: the installed one beside the
/// program (share/kr917/pictures of its prefix) when there is one, else the build's.
std::string CarpetaImagenes();

}  // namespace kr917
