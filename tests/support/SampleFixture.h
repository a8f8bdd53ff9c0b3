//===- SampleFixture.h - A fresh sample installation for one test --------===//
//
// Each test gets its own copy of the sample installation, with WINDIR
// pointing at its Windows folder, and an engine opened on its database as
// the programs open it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>

#include "host/SampleInstallation.h"
#include "platform/db/Engine.h"
#include "tests/support/TestSupport.h"

namespace kr::testing {

/// A sample installation in a scratch folder, removed afterwards.
class SampleInstallation {
 public:
  SampleInstallation();

  const dexlora::SampleLayout& Layout() const { return Layout_; }
  /// The program folder as the settings file gives it, ending in "\".
  std::string SysPath() const { return Layout_.ProgramFolder + "\\"; }
  /// Opens the database through a new engine with the programs' account.
  std::shared_ptr<dao::Database> Open(dao::DBEngine& engine) const;

 private:
  TempFolder Folder_;
  dexlora::SampleLayout Layout_;
  ScopedEnv WinDir_;
};

}  // namespace kr::testing
