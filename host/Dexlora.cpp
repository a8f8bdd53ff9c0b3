// dexlora: the stand-in for the host program.
//
//   dexlora --setup DIR   creates the sample installation in DIR (whatever of
//                         it is missing) and prints where its pieces lie
//   dexlora --summary-lines DIR
//                         the 0917SND command line of each saved return in
//                         DIR, one a line, NC numbers 00000001 upwards
//   dexlora --screenshots OUT DIR
//                         the installation in DIR, then pictures of the
//                         stand-in's windows into OUT (make screenshots)
//   dexlora [DIR]         the same in DIR (./sample by default), then shows
//                         the window titled "Dexlora" that starts KR917,
//                         LUD917 and 0917SND with WINDIR set to DIR/WINDOWS
#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "host/HostWindow.h"
#include "host/Programs.h"
#include "host/SampleInstallation.h"
#include "host/SavedReturns.h"
#include "host/Screenshots.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/text/Error.h"

namespace {

// The installation in `dir`, made when missing; nothing after telling why it could not be.
bool Prepare(const char* dir, dexlora::SampleLayout& layout) {
  try {
    layout = dexlora::CreateSampleInstallation(dir);
    return true;
  } catch (const vb::Error& e) {
    std::fprintf(stderr, "dexlora: %d %s\n", e.Number(), e.Description().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dexlora: %s\n", e.what());
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  dexlora::SampleLayout layout;
  if (argc == 3 && std::strcmp(argv[1], "--setup") == 0) {
    if (!Prepare(argv[2], layout)) return 1;
    std::printf("WINDIR=%s\nSysPath=%s\nDatabase=%s\n", layout.WindowsFolder.c_str(), layout.ProgramFolder.c_str(),
                layout.Database.c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "--summary-lines") == 0) {
    if (!Prepare(argv[2], layout)) return 1;
    try {
      int nc = 0;
      for (const dexlora::SavedReturn& r : dexlora::ReadSavedReturns(layout)) {
        char number[16];
        std::snprintf(number, sizeof number, "%08d", ++nc);
        if (auto line = dexlora::SummaryCommandLine(r, number)) std::printf("%s\n", line->c_str());
      }
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "dexlora: %d %s\n", e.Number(), e.Description().c_str());
      return 1;
    }
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--screenshots") == 0) {
    if (!Prepare(argv[3], layout)) return 1;
    int qtArgc = 1;
    return dexlora::SaveScreenshots(qtArgc, argv, layout, argv[2]);
  }
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "usage: dexlora [DIR] | dexlora --setup DIR | dexlora --summary-lines DIR | "
                 "dexlora --screenshots OUT DIR\n");
    return 2;
  }
  if (!Prepare(argc == 2 ? argv[1] : "sample", layout)) return 1;
  if (!qtui::DisplayAvailable()) {
    std::fprintf(stderr, "dexlora: no display to show the window on (DISPLAY, or QT_QPA_PLATFORM); "
                 "the installation is ready in %s\n", layout.Root.c_str());
    return 1;
  }
  auto app = qtui::StartQt(argc, argv);
  dexlora::HostWindow window(layout, dexlora::BuiltPrograms());
  window.show();
  return app->exec();
}
