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

/// The programs installed beside this one (cmake --install puts them in one
/// folder), else those of this build tree; a program that is neither is "".
Programs BuiltPrograms();

}  // namespace dexlora
