//===- Transaction.h - A workspace transaction that cannot be left open ---===//
//
// The one way the programs group statements into an all-or-nothing unit:
//
//   dao::Transaction t(ws);          // or dao::Transaction t(ws, dao::kWriteLock);
//   db.Execute(...); db.Execute(...);
//   t.Commit();
//
// Leaving the scope without Commit (an error passing through, a return)
// rolls the transaction back. A rollback that fails itself is swallowed, so
// the error that ended the unit is the one the caller sees.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <type_traits>

namespace dao {

class Workspace;

/// How the transaction starts: as BeginTrans, or holding the write lock
/// from its start (BeginWriteTrans) for a read-then-write unit.
enum class TransactionLock { Deferred, Write };
inline constexpr TransactionLock kWriteLock = TransactionLock::Write;

class Transaction {
 public:
  explicit Transaction(Workspace& ws, TransactionLock lock = TransactionLock::Deferred);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  /// Keeps the changes; the engine's error, if any, reaches the caller and
  /// the transaction is then rolled back when the guard leaves its scope.
  void Commit();
  /// Undoes the changes now; errors reach the caller.
  void Rollback();

 private:
  Workspace& Workspace_;
  bool Open_ = true;
};

/// Runs `body` inside a transaction of `ws` and commits it when `body`
/// returns; an error leaves nothing of `body` and reaches the caller.
template <class F>
decltype(auto) Atomically(Workspace& ws, F&& body, TransactionLock lock = TransactionLock::Deferred) {
  Transaction t(ws, lock);
  if constexpr (std::is_void_v<decltype(body())>) {
    body();
    t.Commit();
  } else {
    auto result = body();
    t.Commit();
    return result;
  }
}

}  // namespace dao
