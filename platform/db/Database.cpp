#include "platform/db/Database.h"

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/db/Query.h"

namespace dao {
namespace {

// A source that is a table's name ("TMPF0917PATRIM", "[Mi tabla]") rather than a SELECT.
bool IsTableName(std::string_view source, std::string& name) {
  while (!source.empty() && source.front() == ' ') source.remove_prefix(1);
  while (!source.empty() && source.back() == ' ') source.remove_suffix(1);
  if (source.size() > 2 && source.front() == '[' && source.back() == ']' &&
      source.find(']') == source.size() - 1) {
    name = std::string(source.substr(1, source.size() - 2));
    return true;
  }
  if (source.empty() || source.find_first_of(" \t\r\n(),;'\"") != std::string_view::npos) return false;
  name = std::string(source);
  return true;
}

}  // namespace

Database::Database(std::shared_ptr<detail::Connection> connection)
    : Connection_(std::move(connection)), TableDefs_(Connection_) {}

Database::~Database() { Connection_->Close(); }

detail::Connection& Database::Connection() const {
  Connection_->Db();
  return *Connection_;
}

void Database::Execute(std::string_view sql, int options) {
  constexpr int kKnown = dbInconsistent | dbConsistent | dbFailOnError | dbSeeChanges;
  if ((options & ~kKnown) != 0) RaiseJet(ErrInvalidArgument);
  if (Hook_) Hook_(sql);
  detail::RunStatement(Connection(), sql);
}

std::shared_ptr<Recordset> Database::OpenRecordset(std::string_view source, int type) {
  std::string table;
  const bool isTable = IsTableName(source, table);
  if (type == 0) type = isTable ? dbOpenTable : dbOpenDynaset;
  if (type != dbOpenTable && type != dbOpenDynaset && type != dbOpenSnapshot && type != dbOpenForwardOnly) {
    RaiseJet(ErrInvalidArgument);
  }
  if (type == dbOpenTable && !isTable) RaiseJet(ErrInvalidOperation);
  std::string sql = isTable ? "SELECT * FROM [" + table + "]" : std::string(source);
  const bool editable = type == dbOpenTable || type == dbOpenDynaset;
  Connection();
  return std::make_shared<Recordset>(Connection_, std::move(sql), type, editable);
}

void Database::CreateTempTable(std::string_view name) { detail::CreateTemporaryCopy(Connection(), name); }

TableDefList& Database::TableDefs() {
  Connection();
  return TableDefs_;
}

void ReleaseReadLocks() { detail::FinishPendingFetches(); }

const std::string& Database::Name() const { return Connection_->Path(); }

void Database::Close() { Connection_->Close(); }

}  // namespace dao
