//===- Filas.h - A query's rows as texts, for comparing whole row sets ---===//
#pragma once

#include <string>
#include <vector>

#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/text/Variant.h"

namespace kr::testing {

/// The rows of `sql` on `db`, each its fields' texts joined by "|", a Null
/// field written "Null".
inline std::vector<std::string> Filas(dao::Database& db, const std::string& sql) {
  auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  std::vector<std::string> filas;
  for (; !rs->EOF_(); rs->MoveNext()) {
    std::string fila;
    for (int i = 0; i < rs->Fields().Count(); ++i) {
      const vb::Variant v = rs->Fields(i).Value();
      fila += (i ? "|" : "") + (v.IsNull() ? std::string("Null") : vb::CStr(v));
    }
    filas.push_back(fila);
  }
  rs->Close();
  return filas;
}

}  // namespace kr::testing
