//===- Programs.h - Where the host finds the three programs -------------===//
#pragma once

#include <string>

namespace dexlora {

/// The executables the host window starts.
struct Programs {
  std::string KR917;
  std::string LUD917;
  std::string Summary;  // 0917SND
};

/// The programs of this build tree (KR917 in app/, LUD917 in installer/,
/// 0917SND in summary/); a program the build does not have is "".
Programs BuiltPrograms();

}  // namespace dexlora
