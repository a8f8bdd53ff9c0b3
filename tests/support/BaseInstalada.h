//===- BaseInstalada.h - The sample database as LUD917 leaves it ---------===//
//
// KR917's return form, schedules and reports read the tables and reference
// rows that LUD917 installs. LUD917 runs once per test program, on a sample
// installation of its own, and each test copies the database over its own
// sample's: a run takes longer than a test's own work.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace kr::testing {

/// The path of the sample database after LUD917's run; "" when LUD917 failed.
const std::string& BaseInstalada();

/// Puts that database in place of the one at `destino` (a native path).
void CopiaBaseInstalada(const std::string& destino);

}  // namespace kr::testing
