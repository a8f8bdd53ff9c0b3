//===- Capturas.h - KR917's windows as pictures (make screenshots) ------===//
#pragma once

#include <string>

#include "platform/qt/Screenshot.h"

namespace kr917 {

/// Shows each of KR917's windows in its states, as its pictures show them,
/// and hands it to `mira`: the program started as the host would start it
/// (the settings file of WINDIR, its database) with the host's window
/// pretended, on the Qt front end of a running Qt, its instance lock in
/// `carpetaBloqueo`. Answers the number of windows not shown or refused.
int RecorreVentanas(const std::string& carpetaBloqueo, const qtui::ShotVisitor& mira);

/// Starts the program as the host would (the settings file of WINDIR, its
/// database) with the host's window pretended, and saves a PNG of each of
/// its windows in its states into `carpeta`; answers the exit status.
int GuardaCapturas(int& argc, char** argv, const std::string& carpeta);

}  // namespace kr917
