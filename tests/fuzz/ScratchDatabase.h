//===- ScratchDatabase.h - One database per fuzzing process ---------------===//
//
// The database targets share one database for all their inputs: made at the
// first input in a scratch folder (in memory, /dev/shm, when there is one)
// and removed when the process ends. Each input runs inside a transaction
// that is rolled back, so every input meets the same rows.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "platform/db/Engine.h"
#include "platform/db/Transaction.h"

namespace kr::fuzz {

/// A folder of this process's own, removed at exit.
const std::string& ScratchFolder();

/// The unsecured engine of the scratch databases.
dao::DBEngine& ScratchEngine();

/// A new database named `name` in the scratch folder, made by `statements`.
std::shared_ptr<dao::Database> MakeDatabase(std::string_view name, std::initializer_list<std::string_view> statements);

/// Puts the database file at `path` (closed) in write-ahead-log mode: a
/// transaction rolled back then costs no file of its own, which makes the
/// targets several times faster and changes nothing the layer does.
void UseWriteAheadLog(const std::string& path);

/// Runs `body` inside a transaction of the scratch engine that is rolled back.
template <class F>
void Undone(F&& body) {
  dao::Transaction transaction(ScratchEngine().Workspaces(0));
  body();
}

}  // namespace kr::fuzz
