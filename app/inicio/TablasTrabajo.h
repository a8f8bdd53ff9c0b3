//===- TablasTrabajo.h - The work tables private to this program ---------===//
//
// The schedule work tables hold the rows of the one return open in the
// return form, with no user or return key. Several users may work on one
// database, so at its opening KR917 gives its connection a private copy of
// each (a temporary table of the same name and definition): every statement
// of the program then reaches its own copy, and nobody else's rows.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace dao {
class Database;
}

namespace app {

/// The work tables that LUD917 makes and each KR917 keeps to itself.
inline constexpr std::string_view kTablasTrabajo[] = {"TMPF0917PATRIM", "TMPF0917PATRIM1"};

/// Makes the private copy of each work table the database has. A table
/// LUD917 has not made gets none, so its absence is told where it is used.
/// Other engine errors reach the caller.
void CreaTablasTrabajo(dao::Database& base);

}  // namespace app
