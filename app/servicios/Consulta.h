//===- Consulta.h - Read-only queries on the program's database ---------===//
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/Recordset.h"

namespace app {

/// A read-only snapshot of the query `sql` on BaseDatos; error 91 when no
/// database is open, the engine's errors otherwise.
std::shared_ptr<dao::Recordset> AbreLectura(const std::string& sql);

/// The text of the field `campo` in the query's first row (Null as ""), or
/// nothing when the query has no row.
std::optional<std::string> PrimerTexto(const std::string& sql, std::string_view campo);

}  // namespace app
