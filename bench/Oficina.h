//===- Oficina.h - An office's database: the sample and many other returns ===//
//
// The work on one return must not grow with the returns an office keeps,
// so the benchmarks of that work run over databases of 1,000, 10,000 and
// 100,000 other returns. Each is the sample installation's database after
// LUD917 plus, for every other taxpayer of ASESOR1:
//
//   CONT   its row
//   CAB    a saved return, with 50 DET box rows and 4 F0917PATRIM rows
//   SPOOL  one printed return ('RP0006'), its own sequence and file number
//
// and for one taxpayer in ten a sent return: HCAB (state 1, order number,
// control, sending date) with 50 HDET rows and 4 HF0917PATRIM rows. The
// other taxpayers' numbers begin with 15, after the sample's, so a list's
// first rows are still the sample's returns.
//
// The rows are written by raw SQLite in one transaction (100,000 returns:
// 5 M DET rows, about 0.6 GB, some ten seconds), as a database made before
// the programs kept statistics of its tables (it has none) and with no index
// beyond the sample's; then one of the programs opens and closes it, as
// they do with an office's database, which gives it its statistics. Each
// database is made once and kept in a folder that outlives the run:
// KR_BENCH_OFICINA, else "oficina" beside the benchmark programs. A file's name holds its size, the generator's version and a
// hash of the sample's schema, so that a changed schema or generator makes
// new files (old ones may be deleted by hand). It is written under a
// temporary name and renamed, so a killed generation leaves no half file.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "bench/Sesion.h"

namespace kr::bench {

/// The office sizes: the other returns a database holds.
inline constexpr int kOficinas[] = {1000, 10000, 100000};

/// The folder of the kept databases, made when missing.
std::string CarpetaOficinas();

/// The path of the database holding the sample database `muestra` (left
/// as it is) and `n` other returns, made on first need.
std::string BaseOficina(const std::string& muestra, int n);

/// The installation's database replaced by that of `n` other returns (with
/// 0, by the sample's own as LUD917 left it), with no journal left beside
/// it. No program may have it open.
void PonOficina(const Muestra& m, int n);

/// KR917 started on the installation over the office of `n` other returns,
/// stopped first when it ran over another (`actual`, -1 before any). Answers
/// false, and does nothing, when it already runs over that office.
bool ArrancaEnOficina(const Muestra& m, int& actual, int n);

}  // namespace kr::bench
