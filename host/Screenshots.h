//===- Screenshots.h - The host stand-in's windows as pictures ----------===//
#pragma once

#include <string>

#include "host/SampleInstallation.h"
#include "platform/qt/Screenshot.h"

namespace dexlora {

/// Shows each window of the stand-in in turn (the host window, the control
/// gallery over `layout`'s database, a message box and a drawn page) on a
/// running Qt and hands it to `visit`; answers the number not shown or refused.
int VisitScreenshots(const SampleLayout& layout, const qtui::ShotVisitor& visit);

/// Saves a PNG of each window of the stand-in (the host window, the control
/// gallery over `layout`'s database, a message box and a drawn page) into
/// `folder`; answers the exit status.
int SaveScreenshots(int& argc, char** argv, const SampleLayout& layout, const std::string& folder);

}  // namespace dexlora
