//===- Screenshots.h - The host stand-in's windows as pictures ----------===//
#pragma once

#include <string>

#include "host/SampleInstallation.h"

namespace dexlora {

/// Saves a PNG of each window of the stand-in (the host window, the control
/// gallery over `layout`'s database, a message box and a drawn page) into
/// `folder`; answers the exit status.
int SaveScreenshots(int& argc, char** argv, const SampleLayout& layout, const std::string& folder);

}  // namespace dexlora
