//===- JetExtension.cpp - The JET collation and Jet functions for sqlite3 ---===//
//
// The loadable SQLite extension libkrjet: it registers on a connection of
// any SQLite program what the layer registers on its own, so the standard
// tool can read, check, repair and back up the database:
//
//   sqlite3 -cmd '.load build/libkrjet' sample/KR/KR000.DB
//
//===----------------------------------------------------------------------===//
#include <sqlite3ext.h>

#include "platform/db/JetFunctions.h"

SQLITE_EXTENSION_INIT1

extern "C" __attribute__((visibility("default"))) int sqlite3_krjet_init(sqlite3* db, char** /*error*/,
                                                                         const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  dao::detail::RegisterJetFunctions(db);
  return SQLITE_OK;
}
