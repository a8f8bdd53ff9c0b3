// dexlora: the stand-in for the host program. `dexlora --setup DIR` creates
// the sample installation in DIR (whatever of it is missing) and prints where
// its pieces lie.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "host/SampleInstallation.h"
#include "platform/text/Error.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--setup") == 0) {
    try {
      host::SampleLayout l = host::CreateSampleInstallation(argv[2]);
      std::printf("WINDIR=%s\nSysPath=%s\nDatabase=%s\n", l.WindowsFolder.c_str(), l.ProgramFolder.c_str(),
                  l.Database.c_str());
      return 0;
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "dexlora: %d %s\n", e.Number(), e.Description().c_str());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "dexlora: %s\n", e.what());
    }
    return 1;
  }
  std::fprintf(stderr, "usage: dexlora --setup DIR\n");
  return 2;
}
