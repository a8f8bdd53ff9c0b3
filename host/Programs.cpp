#include "host/Programs.h"

#include <unistd.h>

#include "platform/files/FileSystem.h"

namespace dexlora {
namespace {

// `name` beside this program when it is there, else the build's `built`.
std::string Find(const char* name, const char* built) {
  const std::string beside = vb::ExecutableFolder() + "/" + name;
  return ::access(beside.c_str(), X_OK) == 0 ? beside : built;
}

}  // namespace

// The build passes the paths of its targets in.
Programs BuiltPrograms() {
  return {Find("KR917", KR_PROGRAM_KR917), Find("LUD917", KR_PROGRAM_LUD917), Find("0917SND", KR_PROGRAM_SUMMARY)};
}

}  // namespace dexlora
