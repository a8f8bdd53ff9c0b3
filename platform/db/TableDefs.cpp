#include "platform/db/TableDefs.h"

#include "platform/db/Catalog.h"
#include "platform/db/Connection.h"
#include "platform/db/Constants.h"

namespace dao {

const std::string& FieldDef::Name() const { return Owner_->Definition().Columns[Index_].Name; }
int FieldDef::Type() const { return Owner_->Definition().Columns[Index_].Type; }
long FieldDef::Size() const {
  const detail::ColumnDefinition& c = Owner_->Definition().Columns[Index_];
  return detail::TypeSize(c.Type, c.Size);
}
bool FieldDef::AllowZeroLength() const { return Owner_->Definition().Columns[Index_].AllowZeroLength; }
bool FieldDef::Required() const { return Owner_->Definition().Columns[Index_].Required; }
void FieldDef::SetAllowZeroLength(bool allow) { Owner_->SetAllowZeroLength(Index_, allow); }

namespace {

std::vector<FieldDef> MakeFields(TableDef* owner, std::size_t count) {
  std::vector<FieldDef> fields;
  for (std::size_t i = 0; i < count; ++i) fields.emplace_back(owner, static_cast<int>(i));
  return fields;
}

}  // namespace

TableDef::TableDef(std::shared_ptr<detail::Connection> connection, std::unique_ptr<detail::TableDefinition> definition)
    : Connection_(std::move(connection)),
      Definition_(std::move(definition)),
      Fields_(MakeFields(this, Definition_->Columns.size())) {}

TableDef::~TableDef() = default;

const std::string& TableDef::Name() const { return Definition_->Name; }
const std::vector<IndexDef>& TableDef::Indexes() const { return Definition_->Indexes; }

void TableDef::SetAllowZeroLength(int field, bool allow) {
  detail::ColumnDefinition& column = Definition_->Columns[static_cast<std::size_t>(field)];
  if (column.Type != dbText && column.Type != dbMemo) RaiseJet(ErrInvalidOperation);
  Connection_->Db();
  if (Connection_->ReadOnly()) RaiseJet(ErrReadOnly);
  if (!Connection_->MayCreateTables()) RaiseJet(ErrNoPermission, {Definition_->Name});
  if (column.AllowZeroLength == allow) return;
  // Rebuild from the stored definition, so a change made meanwhile by someone else is kept.
  std::optional<detail::TableDefinition> current = detail::LoadTable(*Connection_, Definition_->Name);
  if (!current) RaiseJet(ErrNoSuchTable, {Definition_->Name});
  for (detail::ColumnDefinition& c : current->Columns) {
    if (SameName(c.Name, column.Name)) c.AllowZeroLength = allow;
  }
  detail::ChangeZeroLengthRule(*Connection_, *current, column.Name);
  column.AllowZeroLength = allow;
}

void TableDefList::Load() {
  std::vector<std::shared_ptr<TableDef>> tables;
  SchemaVersion_ = Connection_->SchemaVersion();
  for (const std::string& name : detail::TableNames(*Connection_)) {
    std::optional<detail::TableDefinition> t = detail::LoadTable(*Connection_, name);
    if (!t) continue;
    tables.push_back(
        std::make_shared<TableDef>(Connection_, std::make_unique<detail::TableDefinition>(std::move(*t))));
  }
  Tables_ = std::move(tables);
  Loaded_ = true;
}

void TableDefList::Refresh() { Load(); }

int TableDefList::Count() {
  if (!Loaded_ || SchemaVersion_ != Connection_->SchemaVersion()) Load();
  return static_cast<int>(Tables_.size());
}

std::shared_ptr<TableDef> TableDefList::Item(int index) {
  if (index < 0 || index >= Count()) RaiseJet(ErrItemNotFound);
  return Tables_[static_cast<std::size_t>(index)];
}

std::shared_ptr<TableDef> TableDefList::Item(std::string_view name) {
  Count();
  for (const std::shared_ptr<TableDef>& t : Tables_) {
    if (SameName(t->Name(), name)) return t;
  }
  RaiseJet(ErrItemNotFound);
}

}  // namespace dao
