//===- Capturas.h - KR917's windows as pictures (make screenshots) ------===//
#pragma once

#include <string>

namespace kr917 {

/// Starts the program as the host would (the settings file of WINDIR, its
/// database) with the host's window pretended, and saves a PNG of each of
/// its windows in its states into `carpeta`; answers the exit status.
int GuardaCapturas(int& argc, char** argv, const std::string& carpeta);

}  // namespace kr917
