//===- Oficina.h - An office's database: many returns, made before ---------===//
//
// The sample database after LUD917's run with many more returns of
// ASESOR1's taxpayers, saved and sent, each with its box rows, schedule
// rows and spool row, as a database made before the programs kept
// statistics of its tables (it has none), then opened and closed once by
// the database layer, as any of the programs would. Made once per test
// program; each test copies it over its own sample's.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace kr::testing {

/// Saved returns in the office's database besides the sample's; a fifth as many are sent.
inline constexpr int kDeclaracionesOficina = 300;

/// The path of the office's database; "" when it could not be made.
const std::string& BaseOficina();

/// Puts that database in place of the one at `destino` (a native path).
void CopiaBaseOficina(const std::string& destino);

/// The document number of the office's `i`-th generated taxpayer.
std::string RucOficina(int i);

}  // namespace kr::testing
