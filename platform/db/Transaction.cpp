#include "platform/db/Transaction.h"

#include "platform/db/Engine.h"

namespace dao {

Transaction::Transaction(Workspace& ws, TransactionLock lock) : Workspace_(ws) {
  if (lock == TransactionLock::Write) {
    ws.BeginWriteTrans();
  } else {
    ws.BeginTrans();
  }
}

Transaction::~Transaction() {
  if (!Open_) return;
  try {
    Workspace_.Rollback();
  } catch (...) {
    // The error that brought us here is the one to tell.
  }
}

void Transaction::Commit() {
  Workspace_.CommitTrans();
  Open_ = false;
}

void Transaction::Rollback() {
  Open_ = false;
  Workspace_.Rollback();
}

}  // namespace dao
