//===- DbTestSupport.h - A scratch folder and database for the db tests -----===//
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/Engine.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/TestSupport.h"
#include "platform/text/Error.h"
#include "platform/text/Variant.h"

namespace dao::testing {

/// A value as the tests compare it: Null as "Null", everything else as its text.
inline std::string Show(const vb::Variant& v) { return v.IsNull() ? "Null" : vb::CStr(v); }

/// Every row of a recordset, each as its values joined by "|".
inline std::vector<std::string> RowsOf(Recordset& rs) {
  std::vector<std::string> rows;
  if (rs.RecordCount() > 0) rs.MoveFirst();
  while (!rs.EOF_()) {
    std::string row;
    for (int i = 0; i < rs.Fields().Count(); ++i) row += (i ? "|" : "") + Show(rs.Fields(i).Value());
    rows.push_back(row);
    rs.MoveNext();
  }
  return rows;
}

using kr::testing::ErrorNumberOf;
using kr::testing::TempFolder;
using kr::testing::WithOtherProgram;

/// A new database in a scratch folder, opened through an unsecured engine.
class DbTest : public ::testing::Test {
 protected:
  DbTest() {
    Engine.SetLockWaitMs(100);
    Db = Engine.Workspaces(0).CreateDatabase(Folder / "test.mdb");
  }

  /// The rows of a query.
  std::vector<std::string> Rows(const std::string& sql) { return RowsOf(*Db->OpenRecordset(sql, dbOpenSnapshot)); }

  /// Runs statements one after the other.
  void Run(std::initializer_list<std::string> statements) {
    for (const std::string& sql : statements) Db->Execute(sql, dbFailOnError);
  }

  TempFolder Folder;
  DBEngine Engine;
  std::shared_ptr<Database> Db;
};

}  // namespace dao::testing
